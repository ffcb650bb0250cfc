#include "ui/backtrackwarning.h"

#include "core/redos/lintwording.h"
#include "ui/expressionfault.h"
#include "ui/quiettimer.h"

#include <QCheckBox>
#include <QLineEdit>

namespace pattaro {
namespace {

const char* const kWarningProperty = "backtrackWarning";
const QColor kAmberTint(0xFF, 0xE8, 0xB0);

} // namespace

BacktrackWarning::BacktrackWarning(QLineEdit* box, QCheckBox* caseSensitive, LivePreviewScheduling scheduling)
    : m_box(box), m_caseSensitive(caseSensitive), m_scheduling(std::move(scheduling))
{
    // One lint at a time; each ends within its bounds (a tenth of a second
    // of analysis, a few measured searches).
    FillInScheduling(m_scheduling, m_pool, kQuietMilliseconds);
}

BacktrackWarning::~BacktrackWarning()
{
    ++m_generation;
    m_scheduling.quietTimer->Stop();
    m_pool.waitForDone();
}

bool BacktrackWarning::IsShown(const QLineEdit* box)
{
    return box->property(kWarningProperty).toBool();
}

void BacktrackWarning::Edited()
{
    ++m_generation;
    m_busy = false;
    clear();
    m_scheduling.quietTimer->Restart([this] { analyse(); });
}

void BacktrackWarning::analyse()
{
    const QString pattern = m_box->text();
    if (pattern.isEmpty())
        return;
    // The flags the commands search with: global and multiline always.
    const ExpressionFlags flags{!m_caseSensitive->isChecked(), true, true};
    m_busy = true;
    m_scheduling.runInBackground([this, pattern, flags, generation = m_generation] {
        auto report = std::make_shared<LintReport>(lintExpression(pattern, flags));
        // The window waits for this lint before it goes, so `this` outlives the call.
        QMetaObject::invokeMethod(
            this, [this, generation, report, pattern] { present(generation, *report, pattern); },
            Qt::QueuedConnection);
    });
}

void BacktrackWarning::present(std::uint64_t generation, const LintReport& report, const QString& pattern)
{
    if (generation != m_generation)
        return;
    m_busy = false;
    const QString text = lintWarningText(report, pattern);
    if (text.isEmpty() || hasExpressionFault(m_box))
        return;
    if (report.verdict == LintReport::Verdict::Vulnerable) {
        QPalette palette = m_box->palette();
        palette.setColor(QPalette::Base, kAmberTint);
        m_box->setPalette(palette);
    }
    m_box->setToolTip(text);
    m_box->setProperty(kWarningProperty, true);
}

void BacktrackWarning::clear()
{
    if (!IsShown(m_box))
        return;
    m_box->setProperty(kWarningProperty, false);
    if (hasExpressionFault(m_box))
        return;
    m_box->setPalette(QPalette());
    m_box->setToolTip(QString());
}

} // namespace pattaro
