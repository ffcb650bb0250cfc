#pragma once

#include "core/redos/lint.h"
#include "ui/livepreviewscheduling.h"

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <memory>

class QCheckBox;
class QLineEdit;

namespace pattaro {

// Warns in the expression box of an expression that can backtrack without
// end: once the user pauses typing, the lint runs away from the window's
// thread, and a vulnerable expression tints the box amber with the Chinese
// account as its tool tip (lintwording.h). An engine fault (expressionfault.h)
// takes precedence: its red tint and tool tip stay, and no amber replaces
// them. Every edit takes the amber away at once; a newer edit drops what an
// older one had under way.
class BacktrackWarning : public QObject {
    Q_OBJECT
public:
    static constexpr int kQuietMilliseconds = 150;

    BacktrackWarning(QLineEdit* box, QCheckBox* caseSensitive, LivePreviewScheduling scheduling);
    ~BacktrackWarning() override;

    void Edited();
    // Whether a lint is still under way.
    bool IsBusy() const { return m_busy; }
    static bool IsShown(const QLineEdit* box);

private:
    void analyse();
    void present(std::uint64_t generation, const LintReport& report, const QString& pattern);
    void clear();

    QLineEdit* m_box;
    QCheckBox* m_caseSensitive;
    LivePreviewScheduling m_scheduling;
    QThreadPool m_pool;
    std::uint64_t m_generation = 0;
    bool m_busy = false;
};

} // namespace pattaro
