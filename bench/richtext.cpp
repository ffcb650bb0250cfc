// Cost of the source pane's work: loading a large text and colouring many
// match ranges the way the match check does (start, length, bold, colour).
#include "ui/richtext/richtextbox.h"

#include "bench/support/goalreport.h"
#include "bench/support/qtbenchmain.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

namespace {

constexpr qsizetype kTextSize = 5 * 1000 * 1000;
constexpr int kRanges = 100000;

// Lines of mixed words and numbers, CR LF after each, about 5 MB.
QString bigText()
{
    QString text;
    text.reserve(kTextSize + 100);
    int n = 0;
    while (text.size() < kTextSize) {
        text += QStringLiteral("word%1 中文 %2 other-text, more words here %3\r\n").arg(n).arg(n * 7).arg(n % 97);
        ++n;
    }
    return text;
}

// About `size` units of CR LF lines, each `lineLength` units long with its
// line break: words and numbers, some of them Chinese.
QString linesOf(qsizetype size, qsizetype lineLength)
{
    const QString words = QStringLiteral("alpha 中文 42 beta gamma 7 delta 正则 epsilon ");
    QString text;
    text.reserve(size + lineLength);
    qsizetype at = 0;
    while (text.size() < size) {
        for (qsizetype i = 0; i < lineLength - 2; ++i)
            text += words[(at + i) % words.size()];
        text += QStringLiteral("\r\n");
        at += 7;
    }
    return text;
}

void settle()
{
    QCoreApplication::processEvents();
}

// A pane the size of the window's, shown.
void showPane(pattaro::RichTextBox& box)
{
    box.resize(585, 129);
    box.show();
}

// Colours ranges as the match check does, alternating its two default colours,
// then shows the result.
void colourRanges(pattaro::RichTextBox& box, int count, qsizetype step, qsizetype length)
{
    for (int i = 0; i < count; ++i) {
        box.SelStart(i * step);
        box.SelLength(length);
        box.SelBold(true);
        box.SelColor(i % 2 ? 0x000080FF : 0x0000C000);
    }
    box.Flush();
    // The visible blocks take their formats when painted; count that too.
    box.viewport()->repaint();
    settle();
}

void BM_SetText(benchmark::State& state)
{
    const QString text = bigText();
    pattaro::RichTextBox box;
    box.resize(585, 129);
    box.show();
    for (auto _ : state) {
        box.Text(text);
        settle();
    }
    state.counters["MB"] = double(text.size()) / 1e6;
}
BENCHMARK(BM_SetText)->Unit(benchmark::kMillisecond)->Iterations(3);

// Setting 10 MB into a pane until it has painted, in lines of the given length.
void BM_SetText10MB(benchmark::State& state)
{
    const QString text = linesOf(10'000'000, state.range(0));
    pattaro::RichTextBox box;
    showPane(box);
    for (auto _ : state) {
        box.Text(text);
        box.viewport()->repaint();
        settle();
        state.PauseTiming();
        box.Text(QString());
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SetText10MB)->Arg(50)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(5);
// All of it one line, as a replace that joins its results makes.
BENCHMARK(BM_SetText10MB)->Arg(10'000'000)->Unit(benchmark::kMillisecond)->Iterations(3);

// One key typed in the middle of the first visible line of a 10 MB pane,
// until it has painted; with the second argument set every tenth character
// is coloured first, as after the match check.
void BM_TypeOneCharacter10MB(benchmark::State& state)
{
    const QString text = linesOf(10'000'000, state.range(0));
    pattaro::RichTextBox box;
    showPane(box);
    box.Text(text);
    if (state.range(1)) {
        for (qsizetype at = 0; at < text.size(); at += 10) {
            box.SelStart(at);
            box.SelLength(5);
            box.SelBold(true);
            box.SelColor(0x0000C000);
        }
    }
    box.SelStart(3);
    box.Flush();
    box.viewport()->repaint();
    settle();
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(&box, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(&box, &release);
        box.viewport()->repaint();
        settle();
    }
}
BENCHMARK(BM_TypeOneCharacter10MB)
    ->Args({50, 0})->Args({50, 1})->Args({10, 0})->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_TypeOneCharacter10MB)->Args({10'000'000, 0})->Unit(benchmark::kMillisecond)->Iterations(3);

// Pasting 5 MB of short lines over a pane's whole text, until it has painted.
void BM_Paste5MBShortLines(benchmark::State& state)
{
    const QString text = linesOf(5'000'000, 10);
    pattaro::RichTextBox box;
    showPane(box);
    for (auto _ : state) {
        state.PauseTiming();
        box.Text(QStringLiteral("before"));
        box.selectAll();
        QApplication::clipboard()->setText(text);
        settle();
        state.ResumeTiming();
        box.paste();
        box.viewport()->repaint();
        settle();
    }
}
BENCHMARK(BM_Paste5MBShortLines)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ColourRanges(benchmark::State& state)
{
    const QString text = bigText();
    const qsizetype step = text.size() / kRanges;
    pattaro::RichTextBox box;
    box.resize(585, 129);
    box.show();
    for (auto _ : state) {
        state.PauseTiming();
        box.Text(text);
        settle();
        state.ResumeTiming();
        box.SelStart(0);
        box.SelLength(text.size());
        box.SelColor(0);
        box.SelBold(false);
        colourRanges(box, kRanges, step, step / 2);
    }
    state.counters["ranges"] = kRanges;
}
BENCHMARK(BM_ColourRanges)->Unit(benchmark::kMillisecond)->Iterations(3);

// The worst shape for painting: the whole text one line, so the one visible
// block carries every range.
void BM_ColourRangesOnOneLine(benchmark::State& state)
{
    const QString text = bigText().left(state.range(0)).replace(QStringLiteral("\r\n"), QStringLiteral("  "));
    const int ranges = int(text.size() / 50);
    pattaro::RichTextBox box;
    box.resize(585, 129);
    box.show();
    box.Text(text);
    settle();
    for (auto _ : state) {
        colourRanges(box, ranges, 50, 25);
    }
    state.counters["ranges"] = ranges;
}
BENCHMARK(BM_ColourRangesOnOneLine)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_TypeInColouredLine(benchmark::State& state)
{
    const QString text = bigText().left(1'000'000).replace(QStringLiteral("\r\n"), QStringLiteral("  "));
    pattaro::RichTextBox box;
    box.resize(585, 129);
    box.show();
    box.Text(text);
    for (int i = 0; i < int(text.size() / 50); ++i) {
        box.SelStart(i * 50);
        box.SelLength(25);
        box.SelBold(true);
        box.SelColor(i % 2 ? 0x000080FF : 0x0000C000);
    }
    box.Flush();
    box.viewport()->repaint();
    settle();
    for (auto _ : state) {
        QTextCursor(box.document()).insertText(QStringLiteral("x"));
        box.viewport()->repaint();
        settle();
    }
}
BENCHMARK(BM_TypeInColouredLine)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    // Before: measured on the same shared machine, medians of three runs.
    pattaro::bench::GoalReporter reporter({
        {"BM_SetText10MB/50/iterations:5", "set 10 MB, 50-unit lines", 200, 2038, 830},
        {"BM_SetText10MB/10/iterations:5", "set 10 MB, 10-unit lines", 200, 11213, 4536},
        {"BM_TypeOneCharacter10MB/50/0/iterations:20", "type a key, 10 MB of 50-unit lines", 16, 3.3, 1.7},
        {"BM_TypeOneCharacter10MB/50/1/iterations:20", "type a key, 10 MB coloured", 16, 9.0, 6.2},
        {"BM_TypeOneCharacter10MB/10/0/iterations:20", "type a key, 10 MB of 10-unit lines", 16, 4.6, 2.3},
        {"BM_Paste5MBShortLines/iterations:3", "paste 5 MB of 10-unit lines", 200, 9281, 4398},
        {"BM_SetText10MB/10000000/iterations:3", "set 10 MB, one line", 200, 8064, 8030},
        {"BM_TypeOneCharacter10MB/10000000/0/iterations:3", "type a key, 10 MB, one line", 16, 4160, 4132},
    });
    return pattaro::bench::runQtBenchmarks(argc, argv, &reporter);
}
