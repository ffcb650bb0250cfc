// Cost of one run of the skin's resize handler: clear the surface, paint
// the whole title bar (no icon, so nothing comes from the stored picture),
// the border, the shadow and the caption buttons.
#include "compat/propertybag.h"
#include "compat/services.h"
#include "frame/errorlog.h"
#include "frame/orukforms.h"
#include "frame/qtformhost.h"

#include "bench/support/qtbenchmain.h"

using namespace pattaro;

namespace {

void resizeHandler(benchmark::State& state)
{
    QWidget form;
    form.setWindowTitle(QStringLiteral("Pattaro"));
    form.resize(int(state.range(0)), int(state.range(1)));
    QtFormHost host(&form);
    SystemSkinPlatform desktop(platform::Services::system());
    orukForms skin(host, desktop.platform(), &form);
    skin.setGeometry(form.rect());
    platform::PropertyBag design;
    design.WriteProperty(QStringLiteral("ThemeColor"), std::int32_t(1));
    design.WriteProperty(QStringLiteral("Style"), std::int32_t(3));
    skin.UserControl_ReadProperties(design);
    for (auto _ : state)
        skin.UserControl_Resize();
    state.counters["calls/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK(resizeHandler)->Args({620, 494})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

} // namespace

PATTARO_BENCHMARK_MAIN()
