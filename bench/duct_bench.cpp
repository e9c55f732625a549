// One slider step of pb in the Duct panel, both charts drawn and painted,
// against the same two pictures drawn the fastest plain-Qt way.

#include "duct_window/form_duct.h"
#include "form_runtime/chart_surface.h"
#include "nozzle_case/nozzle_case.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QSlider>

#include "chart_floor.h"
#include "fastest.h"

#include <benchmark/benchmark.h>

namespace {

// A nozzle of Ae/At = 2 into a duct of 4fL/D = 0.2 (the panel's first case),
// pb/p01 stepping between 0.500 and 0.501, a shock in the nozzle.
void BM_DuctStep(benchmark::State &state)
{
    NozzleCase nozzleCase;
    Form_Duct panel(nozzleCase);
    panel.show();
    auto *slider = panel.findChild<QSlider *>(QStringLiteral("Slider_pbp0"));
    auto *pressure = panel.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_duct"));
    auto *ts = panel.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_ts"));
    QPixmap pressurePixels(pressure->size()), tsPixels(ts->size());
    int position = 500;
    for (auto _ : state) {
        position = position == 500 ? 501 : 500;
        slider->setValue(position);
        pressure->render(&pressurePixels);
        ts->render(&tsPixels);
        QCoreApplication::sendPostedEvents(); // the table's repaint and layout
        benchmark::DoNotOptimize(pressurePixels.cacheKey());
        benchmark::DoNotOptimize(tsPixels.cacheKey());
    }
}
BENCHMARK(BM_DuctStep)->Unit(benchmark::kMicrosecond)->Apply(withFastest);

// The floor: both pictures, strokes and texts, drawn the fastest plain-Qt way.
void BM_DuctFloor(benchmark::State &state)
{
    NozzleCase nozzleCase;
    Form_Duct panel(nozzleCase);
    panel.show();
    panel.findChild<QSlider *>(QStringLiteral("Slider_pbp0"))->setValue(500);
    ChartFloor pressure(*panel.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_duct")));
    ChartFloor ts(*panel.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_ts")));
    for (auto _ : state) {
        benchmark::DoNotOptimize(pressure.paint().bits());
        benchmark::DoNotOptimize(ts.paint().bits());
    }
}
BENCHMARK(BM_DuctFloor)->Unit(benchmark::kMicrosecond)->Apply(withFastest);

} // namespace
