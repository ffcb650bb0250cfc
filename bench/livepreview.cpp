// The live preview on large texts: from the user's last key to the coloured
// view, and the longest the window's thread is kept busy at a time while the
// search runs and its colours go in. The 150 ms pause the preview waits for
// after typing is left out: the hand-fired pause ends at once.
#include "ui/form1.h"
#include "ui/livepreview.h"
#include "ui/richtext/richtextbox.h"
#include "core/settings/settingsstore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QKeyEvent>
#include <cstdio>
#include <ctime>

namespace {

using namespace pattaro;

// The time this thread has run: what it spent waiting for a core on a busy
// machine is not time the window was kept busy.
qint64 threadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// The longest single event the window's thread handled, outermost only, in
// the thread's own running time.
class TimedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        if (m_depth++ > 0) {
            const bool handled = QApplication::notify(receiver, event);
            --m_depth;
            return handled;
        }
        const qint64 before = threadCpuNs();
        const bool handled = QApplication::notify(receiver, event);
        longestNs = std::max(longestNs, threadCpuNs() - before);
        --m_depth;
        return handled;
    }
    qint64 longestNs = 0;

private:
    int m_depth = 0;
};

class ImmediateTimer : public QuietTimer {
public:
    void Restart(std::function<void()> due) override { m_due = std::move(due); }
    void Stop() override { m_due = nullptr; }
    void Fire()
    {
        if (auto due = std::exchange(m_due, nullptr))
            due();
    }

private:
    std::function<void()> m_due;
};

// Lines of words with the word "needle" every `every` units, `size` units in all.
QString textWithNeedles(qsizetype size, qsizetype every)
{
    const QString filler = QStringLiteral("alpha 中文 42 beta gamma 7 delta 正则 epsilon zeta eta theta iota kappa\r\n");
    QString text;
    text.reserve(size + every);
    while (text.size() < size) {
        const qsizetype room = every - 7;
        for (qsizetype i = 0; i < room; ++i)
            text += filler[(text.size() + i) % filler.size()];
        text += QStringLiteral("needle ");
    }
    text.truncate(size);
    return text;
}

struct Figures {
    double keyToViewMs = 0;
    double keyToAllMs = 0;
    double longestSliceMs = 0;
    qsizetype matches = 0;
};

Figures measure(TimedApplication& app, qsizetype size, qsizetype every)
{
    auto timer = std::make_shared<ImmediateTimer>();
    Form1Services services;
    services.selfCheck = [] { return QString(); };
    services.livePreview.quietTimer = timer;
    // The preview remembers its switch; the user's own settings stay untouched.
    MemorySettingsStore remembered;
    services.settings = &remembered;
    Form1 form(services);
    form.show();
    app.processEvents();
    form.TXT1()->Text(textWithNeedles(size, every));
    form.Text4()->setText(QStringLiteral("N"));
    form.Text3()->setText(QStringLiteral("needl"));
    form.livePreview()->SetOn(true);
    timer->Fire();
    while (form.livePreview()->IsBusy())
        app.processEvents();
    form.TXT1()->SelStart(0);
    app.processEvents();

    const auto [viewFrom, viewTo] = form.TXT1()->ShownRange();
    const qsizetype firstShownNeedle = form.TXT1()->Text().indexOf(QStringLiteral("needle"), viewFrom);
    app.longestNs = 0;
    QElapsedTimer clock;
    clock.start();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_E, Qt::NoModifier, QStringLiteral("e"));
    QApplication::sendEvent(form.Text3(), &press);
    timer->Fire();
    Figures figures;
    auto viewColoured = [&] {
        RichTextBox* pane = form.TXT1();
        const qsizetype start = pane->SelStart(), length = pane->SelLength();
        pane->SelStart(firstShownNeedle + 5);
        pane->SelLength(1);
        const bool bold = pane->SelBold();
        pane->SelStart(start);
        pane->SelLength(length);
        return bold;
    };
    while (!viewColoured() && firstShownNeedle < viewTo)
        app.processEvents(QEventLoop::WaitForMoreEvents);
    figures.keyToViewMs = double(clock.nsecsElapsed()) / 1e6;
    while (form.livePreview()->IsBusy())
        app.processEvents(QEventLoop::WaitForMoreEvents);
    app.processEvents();
    figures.keyToAllMs = double(clock.nsecsElapsed()) / 1e6;
    figures.longestSliceMs = double(app.longestNs) / 1e6;
    figures.matches = form.matchList().Count();
    return figures;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TimedApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const struct {
        const char* what;
        qsizetype size;
        qsizetype every;
        double keyToViewGoalMs;
    } runs[] = {
        {"1 MB, 10,000 matches", 1000 * 1000, 100, 50},
        {"10 MB, 200,000 matches", 10 * 1000 * 1000, 50, -1},
    };
    std::printf("%-24s %10s %14s %14s %16s\n", "text", "matches", "key→view ms", "key→all ms", "longest UI CPU ms");
    for (const auto& run : runs) {
        const Figures f = measure(app, run.size, run.every);
        std::printf("%-24s %10lld %14.1f %14.1f %16.1f\n", run.what, static_cast<long long>(f.matches), f.keyToViewMs,
                    f.keyToAllMs, f.longestSliceMs);
    }
    std::printf("goals: key→view <= 50 ms on 1 MB; longest UI-thread slice <= 16 ms\n");
    return 0;
}
