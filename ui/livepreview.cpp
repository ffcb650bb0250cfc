#include "ui/livepreview.h"

#include "ui/expressionfault.h"
#include "core/regex/faultwording.h"
#include "ui/form1.h"
#include "ui/matchtips.h"
#include "ui/quiettimer.h"
#include "ui/richtext/richtextbox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>

namespace pattaro {
LivePreview::LivePreview(Form1& form, LivePreviewScheduling scheduling)
    : m_form(form)
    , m_scheduling(std::move(scheduling))
    , m_ownCaption(form.Frame1()->title())
{
    // One search at a time: a superseded one gives up at its next look at
    // the clock, so the next waits only briefly and no core is held.
    FillInScheduling(m_scheduling, m_pool, kQuietMilliseconds);
}

LivePreview::~LivePreview()
{
    Drop();
    m_pool.waitForDone();
}

void LivePreview::SetOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    if (on) {
        Edited();
    } else {
        Drop();
        setCaption(QString());
    }
    emit Switched(on);
}

void LivePreview::Edited()
{
    if (!m_on)
        return;
    Drop();
    m_scheduling.quietTimer->Restart([this] { search(); });
}

void LivePreview::Drop()
{
    ++m_generation;
    m_scheduling.quietTimer->Stop();
    if (m_cancelled)
        m_cancelled->store(true);
    m_cancelled.reset();
    m_searching = false;
    m_planning = false;
    m_steps.clear();
    m_nextStep = 0;
}

bool LivePreview::IsBusy() const
{
    return m_searching || m_planning || m_nextStep < m_steps.size() || m_form.TXT2()->IsFilling();
}

void LivePreview::search()
{
    LiveSearchRequest request{m_form.TXT1()->Text(), m_form.Text3()->text(), m_form.Text4()->text(),
                              !m_form.Check1()->isChecked()};
    // The check does nothing for an empty expression; neither does its preview.
    if (request.pattern.isEmpty()) {
        setCaption(QString());
        return;
    }
    m_cancelled = std::make_shared<std::atomic<bool>>(false);
    m_searching = true;
    m_scheduling.runInBackground(
        [this, request = std::move(request), cancelled = m_cancelled, generation = m_generation] {
            if (cancelled->load())
                return;
            auto result = std::make_shared<LiveSearchResult>(RunLiveSearch(request, *cancelled));
            if (cancelled->load())
                return;
            // Laying out a long result for its pane costs as much as the
            // search; done here, it keeps the window's thread free.
            auto shown = std::make_shared<ShownText>(result->fault ? ShownText() : shownTextOf(result->replaced));
            // The window waits for this search before it goes, so `this` outlives the call.
            QMetaObject::invokeMethod(
                this,
                [this, generation, result, shown, text = request.text] {
                    present(generation, *result, std::move(*shown), text);
                },
                Qt::QueuedConnection);
        });
}

void LivePreview::present(std::uint64_t generation, const LiveSearchResult& result, ShownText replacedShown,
                          const QString& text)
{
    if (generation != m_generation)
        return;
    m_searching = false;
    m_cancelled.reset();
    QLineEdit* expression = m_form.Text3();
    if (result.fault) {
        markExpressionFault(expression, *result.fault);
        // A refused expression is the box's to show; the caption tells why a
        // search gave up, since the count it showed no longer holds.
        if (result.fault->kind() == RegexError::Kind::GaveUp)
            setCaption(expressionFaultText(*result.fault, expression->text()));
        return;
    }
    clearExpressionFault(expression);
    m_form.m_matchTips->Forget();
    m_form.m_sourceText = text;
    m_form.m_matchList = result.matches;
    m_form.TXT2()->ShowText(result.replaced, std::move(replacedShown));
    setCaption(QStringLiteral("共 %1 个匹配").arg(result.matches.Count()));
    // The plan for many matches is a step of its own.
    m_planning = true;
    QTimer::singleShot(0, this, [this, generation = m_generation, text] {
        if (generation == m_generation)
            planColouring(text);
    });
}

void LivePreview::planColouring(const QString& text)
{
    m_planning = false;
    m_plan = m_form.matchColouring();
    const auto [viewFrom, viewTo] = m_form.TXT1()->ShownRange();
    m_steps = ColouringOrder(m_plan, text.size(), viewFrom, viewTo);
    m_nextStep = 0;
    colourNextStep();
}

void LivePreview::colourNextStep()
{
    if (m_nextStep >= m_steps.size())
        return;
    const ColouringStep& step = m_steps[m_nextStep++];
    RichTextBox* pane = m_form.TXT1();
    // The colouring moves the selection; the user's caret stays where it was.
    const qsizetype selStart = pane->SelStart();
    const qsizetype selLength = pane->SelLength();
    if (step.resetTo > step.resetFrom)
        m_form.uncolourSource(step.resetFrom, step.resetTo);
    m_form.colourMatches(m_plan, step.firstMatch, step.lastMatch);
    pane->SelStart(selStart);
    pane->SelLength(selLength);
    if (m_nextStep < m_steps.size()) {
        QTimer::singleShot(0, this, [this, generation = m_generation] {
            if (generation == m_generation)
                colourNextStep();
        });
    } else {
        m_form.m_matchTips->Keep(m_form.m_matchList);
    }
}

void LivePreview::setCaption(const QString& note)
{
    m_form.Frame1()->setTitle(note.isEmpty() ? m_ownCaption : m_ownCaption + QStringLiteral("  ") + note);
}

} // namespace pattaro
