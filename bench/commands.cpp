// Timings of the match check's highlight and the two replacement commands,
// through the real text view and window.
#include "ui/clickablelabel.h"
#include "core/commands/highlightplan.h"
#include "core/commands/replaceeach.h"
#include "ui/richtext/richtextbox.h"
#include "ui/form1.h"
#include "testkit/scripted_messagebox.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include "bench/support/goalreport.h"
#include "bench/support/qtbenchmain.h"
#include <cstdio>

using namespace pattaro;

namespace {

const QString kPattern = QStringLiteral("\\d+");
const QString kReplacement = QStringLiteral("<$&>");

// A source of CR LF lines of lineLength units, each holding one number: one
// match of kPattern per line.
QString sourceWith(qsizetype matches, qsizetype lineLength)
{
    const QString filler(lineLength - 8, u'x');
    QString text;
    text.reserve(matches * lineLength);
    for (qsizetype i = 0; i < matches; ++i)
        text += filler + u' ' + QString::number(10000 + i % 90000) + QStringLiteral("\r\n");
    return text;
}

RegExp& windowEngine()
{
    static RegExp engine;
    engine.Global(true);
    engine.Multiline(true);
    engine.Pattern(kPattern);
    return engine;
}

// 100,000 matches in a 5 MB source, coloured as the match check does it,
// until the view has shown the result.
void BM_HighlightInTextView(benchmark::State& state)
{
    const qsizetype matches = state.range(0);
    const QString source = sourceWith(matches, 5'000'000 / matches);
    const MatchCollection list = windowEngine().Execute(source);
    RichTextBox view;
    view.resize(800, 600);
    view.show();
    for (auto _ : state) {
        state.PauseTiming();
        view.Text(source);
        QCoreApplication::processEvents();
        state.ResumeTiming();

        view.SelStart(0);
        view.SelLength(source.size());
        view.SelColor(platform::rgb(0, 0, 0));
        view.SelBold(false);
        const auto plan = HighlightPlan(list, [] { return RangeColor(0x0000C000); },
                                        [] { return RangeColor(0x000080FF); });
        for (const HighlightRange& range : plan) {
            view.SelStart(range.start);
            view.SelLength(range.length);
            view.SelBold(true);
            view.SelColor(range.color);
        }
        view.Flush();
        QCoreApplication::processEvents();
    }
    state.counters["matches"] = double(list.Count());
}
BENCHMARK(BM_HighlightInTextView)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The replace-each-match output alone; 100k and 200k show whether it is linear.
void BM_Command3Output(benchmark::State& state)
{
    const QString source = sourceWith(state.range(0), 50);
    RegExp& engine = windowEngine();
    const MatchCollection list = engine.Execute(source);
    for (auto _ : state) {
        QString out;
        qsizetype index = 0;
        AppendEachReplaced(engine, list, kReplacement, true, out, index);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_Command3Output)->Arg(100'000)->Arg(200'000)->Unit(benchmark::kMillisecond);

// Whole commands through the window on a 10 MB source (200,000 matches),
// every question answered Yes, until the panes have shown the result.
enum class WholeCommand { MatchCheck, ReplaceKeep, ReplaceEach };

void BM_WholeCommand10MB(benchmark::State& state, WholeCommand which)
{
    testing::ScriptedMessageBox boxes;
    Form1 window(Form1Services{&boxes, [] { return QString(); }});
    window.show();
    window.TXT1()->Text(sourceWith(200'000, 50));
    window.Text3()->setText(kPattern);
    window.Text4()->setText(kReplacement);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        boxes.answers = {platform::kIdYes};
        switch (which) {
        case WholeCommand::MatchCheck:
            window.Command1_Click();
            break;
        case WholeCommand::ReplaceKeep:
            window.Command2_Click();
            break;
        case WholeCommand::ReplaceEach:
            window.Command3_Click();
            break;
        }
        window.TXT1()->Flush();
        QCoreApplication::processEvents();
    }
    // Shows that the command ran to the end rather than giving up.
    state.counters["matches"] = double(window.matchList().Count());
    state.counters["result"] = double(window.TXT2()->Text().size());
}
BENCHMARK_CAPTURE(BM_WholeCommand10MB, Command1, WholeCommand::MatchCheck)
    ->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_WholeCommand10MB, Command2, WholeCommand::ReplaceKeep)
    ->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_WholeCommand10MB, Command3, WholeCommand::ReplaceEach)
    ->Unit(benchmark::kMillisecond)->Iterations(3);

// One key typed into a 10 MB source right after the match check has coloured
// its 200,000 matches, until the pane has painted: the first edit after a
// command, while the window still holds the text the command read.
void BM_FirstKeyAfterCommand1(benchmark::State& state)
{
    testing::ScriptedMessageBox boxes;
    Form1 window(Form1Services{&boxes, [] { return QString(); }});
    window.show();
    window.TXT1()->Text(sourceWith(200'000, 50));
    window.Text3()->setText(kPattern);
    QCoreApplication::processEvents();
    RichTextBox* source = window.TXT1();
    for (auto _ : state) {
        state.PauseTiming();
        window.Command1_Click();
        source->SelStart(30);
        source->Flush();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QCoreApplication::sendEvent(source, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QCoreApplication::sendEvent(source, &release);
        source->viewport()->repaint();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_FirstKeyAfterCommand1)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    // Before: measured on the same shared machine, medians of three runs.
    pattaro::bench::GoalReporter reporter({
        {"BM_WholeCommand10MB/Command2/iterations:3", "Command2 on 10 MB, 200k matches", 250, 1602, 770},
        {"BM_WholeCommand10MB/Command3/iterations:3", "Command3 on 10 MB, 200k matches", 250, 1459, 729},
        {"BM_FirstKeyAfterCommand1/iterations:5", "first key into 10 MB after Command1", 16, 37.3, 20.9},
    });
    const int status = pattaro::bench::runQtBenchmarks(argc, argv, &reporter);
    const auto small = reporter.realTime.find("BM_Command3Output/100000");
    const auto large = reporter.realTime.find("BM_Command3Output/200000");
    if (small != reporter.realTime.end() && large != reporter.realTime.end() && small->second > 0)
        std::printf("Command3 output, 200k / 100k matches: %.2f (linear is about 2)\n",
                    large->second / small->second);
    return status;
}
