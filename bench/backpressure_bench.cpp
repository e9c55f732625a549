#include "backpressure_window/form_backpressure.h"
#include "nozzle_case/nozzle_case.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSlider>

#include "chart_floor.h"
#include "fastest.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// One slider step of the Back pressure window at Ae/At = 2 across the
// shock-inside range: the solve, both tables, the chart drawn and painted.
void BM_BackPressureStep(benchmark::State &state)
{
    NozzleCase nozzleCase;
    Form_BackPressure window(nozzleCase);
    window.show();
    auto *slider = window.findChild<QSlider *>(QStringLiteral("Slider_pbp0"));
    auto *chart = window.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_pressure"));
    QPixmap pixels(chart->size());
    int position = 600;
    for (auto _ : state) {
        position = position == 600 ? 601 : 600;
        slider->setValue(position);
        chart->render(&pixels);
        QCoreApplication::sendPostedEvents(); // the tables' repaint and layout
        benchmark::DoNotOptimize(pixels.cacheKey());
    }
}
BENCHMARK(BM_BackPressureStep)->Unit(benchmark::kMicrosecond)->Apply(withFastest);

// The floor: the same picture, strokes and texts, drawn the fastest plain-Qt
// way (see chart_floor.h).
void BM_BackPressureFloor(benchmark::State &state)
{
    NozzleCase nozzleCase;
    Form_BackPressure window(nozzleCase);
    window.show();
    ChartFloor floor(*window.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_pressure")));
    for (auto _ : state)
        benchmark::DoNotOptimize(floor.paint().bits());
}
BENCHMARK(BM_BackPressureFloor)->Unit(benchmark::kMicrosecond)->Apply(withFastest);

} // namespace
