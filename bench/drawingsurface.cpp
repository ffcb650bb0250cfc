// Cost of the skin's drawing on its surface: gradients drawn as one-pixel
// lines with a pen created and deleted per line, caption text, and clearing.
#include "compat/drawingsurface.h"

#include "bench/support/qtbenchmain.h"
#include "testkit/penline.h"

using namespace pattaro::platform;

namespace {

using pattaro::testing::penLine;

// A title bar 800 wide, 30 high: one horizontal line per row.
void BM_VerticalGradientTitleBar(benchmark::State& state)
{
    DrawingSurface s(800, 600);
    for (auto _ : state) {
        for (int y = 0; y < 30; ++y)
            penLine(s, -1, y, 801, y, OleColor(y * 0x010101));
    }
    state.counters["lines/s"] = benchmark::Counter(30.0 * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_VerticalGradientTitleBar);

// The same bar filled across: one vertical line per column.
void BM_HorizontalGradientTitleBar(benchmark::State& state)
{
    DrawingSurface s(800, 600);
    for (auto _ : state) {
        for (int x = 0; x < 800; ++x)
            penLine(s, x, -1, x, 30, OleColor(x & 0xFF));
    }
    state.counters["lines/s"] = benchmark::Counter(800.0 * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_HorizontalGradientTitleBar);

// A line whose end points lie far outside the surface.
void BM_FarOffDiagonal(benchmark::State& state)
{
    DrawingSurface s(800, 600);
    for (auto _ : state)
        penLine(s, -2000000000, -1999999000, 2000000000, 2000001000, 0x0000FF);
}
BENCHMARK(BM_FarOffDiagonal);

void BM_CaptionText(benchmark::State& state)
{
    DrawingSurface s(800, 40);
    QFont font;
    font.setPixelSize(12);
    font.setBold(true);
    s.Font(font);
    const QString caption = QStringLiteral("Pattaro 正则表达式测试工具");
    for (auto _ : state) {
        s.DrawTextEx(caption, RECT{9, 4, 700, 30}, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        benchmark::DoNotOptimize(s.TextWidth(caption));
    }
}
BENCHMARK(BM_CaptionText);

// Clearing a full-screen surface back to its colour and title-bar picture.
void BM_ClsFullScreen(benchmark::State& state)
{
    DrawingSurface s(1920, 1080);
    QImage picture(1920, 40, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    s.Picture(picture);
    for (auto _ : state)
        s.Cls();
}
BENCHMARK(BM_ClsFullScreen);

} // namespace

PATTARO_BENCHMARK_MAIN()
