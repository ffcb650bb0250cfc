// Cost of the skin's gradient primitives as the title bar uses them: a
// cylinder or linear box 800 pixels wide, each row a line with its own pen.
#include "compat/services.h"
#include "compat/visualstyle.h"
#include "frame/errorlog.h"
#include "frame/orukforms.h"
#include "frame/qtformhost.h"

#include "bench/support/qtbenchmain.h"
#include <climits>

using namespace pattaro;

namespace {

struct Skin {
    QWidget form;
    QtFormHost host{&form};
    SystemSkinPlatform desktop{platform::Services::system()};
    orukForms control{host, desktop.platform(), &form};
    platform::DrawingSurface surface{800, 600};
};

void titleBox(benchmark::State& state, std::int32_t boxStyle)
{
    Skin skin;
    const platform::RECT box{-1, -1, 802, 32};
    for (auto _ : state)
        skin.control.DrawGradientInRectangle(skin.surface, 0x009C6113, 0x00FEECDD, box, boxStyle, true,
                                             0x009C6113, 5.01);
    state.counters["boxes/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_TitleBarCylinder(benchmark::State& state) { titleBox(state, 2); }
BENCHMARK(BM_TitleBarCylinder);

void BM_TitleBarLinear(benchmark::State& state) { titleBox(state, 0); }
BENCHMARK(BM_TitleBarLinear);

// Across the bar: one vertical line per column.
void BM_TitleBarHorizontalCylinder(benchmark::State& state) { titleBox(state, 3); }
BENCHMARK(BM_TitleBarHorizontalCylinder);

// A step count far beyond the surface costs only the lines that land on it.
void BM_HugeStepCount(benchmark::State& state)
{
    Skin skin;
    for (auto _ : state)
        skin.control.DrawGradientEx(skin.surface, 0, 0x00FFFFFF, 0, 0, 800, INT_MAX, true);
}
BENCHMARK(BM_HugeStepCount);

} // namespace

PATTARO_BENCHMARK_MAIN()
