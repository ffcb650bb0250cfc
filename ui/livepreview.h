#pragma once

#include "core/commands/colouringorder.h"
#include "core/commands/livesearch.h"
#include "ui/livepreviewscheduling.h"
#include "ui/richtext/linebreakmap.h"

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <memory>

namespace pattaro {

class Form1;

// 实时预览: while on, every edit of the text, the expression, the
// replacement or the case option brings, once the user pauses, the match
// check's colouring of the source pane (as after 是), the replace's result
// in the result pane and the number of matches in the source's caption.
// The search runs away from the window's thread and the colouring goes in
// small steps, what the pane shows first, so typing never waits on a long
// text. A newer edit drops whatever an older one still had under way.
class LivePreview : public QObject {
    Q_OBJECT
public:
    static constexpr int kQuietMilliseconds = 150;

    LivePreview(Form1& form, LivePreviewScheduling scheduling);
    ~LivePreview() override;

    bool IsOn() const { return m_on; }
    // Turning it on previews at once; turning it off stops what is under
    // way and gives Frame1 back its own caption, leaving the panes.
    void SetOn(bool on);
    void Toggle() { SetOn(!m_on); }

    // Something the preview reads changed.
    void Edited();
    // A command button takes over the panes: nothing under way may follow it.
    void Drop();
    // Whether a search, a colouring or the result pane's filling is still under way.
    bool IsBusy() const;

signals:
    void Switched(bool on);

private:
    void search();
    void present(std::uint64_t generation, const LiveSearchResult& result, ShownText replacedShown,
                 const QString& text);
    void planColouring(const QString& text);
    void colourNextStep();
    void setCaption(const QString& note);

    Form1& m_form;
    LivePreviewScheduling m_scheduling;
    QThreadPool m_pool;
    bool m_on = false;
    bool m_searching = false;
    bool m_planning = false;
    // Tells results and steps of an older edit from those of the latest.
    std::uint64_t m_generation = 0;
    std::shared_ptr<std::atomic<bool>> m_cancelled;
    std::vector<HighlightRange> m_plan;
    std::vector<ColouringStep> m_steps;
    size_t m_nextStep = 0;
    QString m_ownCaption;
};

} // namespace pattaro
