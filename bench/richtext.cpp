// Cost of the source pane's work: loading a large text and colouring many
// match ranges the way the match check does (start, length, bold, colour).
#include "app/components/richtext/richtextbox.h"

#include "bench/support/qtbenchmain.h"

#include <QCoreApplication>

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

void settle()
{
    QCoreApplication::processEvents();
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

PATTARO_BENCHMARK_MAIN()
