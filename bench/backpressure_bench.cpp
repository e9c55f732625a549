#include "backpressure_window/form_backpressure.h"
#include "nozzle_case/nozzle_case.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
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

// One step at the exit lip: Ae/At = 7 overexpanded, pb/p01 0.025 and 0.026,
// with the oblique shock at the lip: the solve, the tables, the pressure
// chart and the lip's sketch drawn and painted. As in the step above, the
// window is laid out but not on a screen: the pictures are painted, and the
// tables' own repaint is left out.
void BM_BackPressureStepAtLip(benchmark::State &state)
{
    NozzleCase nozzleCase;
    Form_BackPressure window(nozzleCase);
    window.show();
    window.findChild<QLineEdit *>(QStringLiteral("Text_AeAt"))->setText(QStringLiteral("7"));
    auto *slider = window.findChild<QSlider *>(QStringLiteral("Slider_pbp0"));
    auto *chart = window.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_pressure"));
    auto *lip = window.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_lip"));
    slider->setValue(25);
    QCoreApplication::sendPostedEvents(); // laid out
    QPixmap pixels(chart->size()), lipPixels(lip->size());
    int position = 25;
    for (auto _ : state) {
        position = position == 25 ? 26 : 25;
        slider->setValue(position);
        chart->render(&pixels);
        lip->render(&lipPixels);
        QCoreApplication::sendPostedEvents();
        benchmark::DoNotOptimize(pixels.cacheKey());
    }
    if (lip->strokes().empty())
        state.SkipWithError("no wave at the lip");
}
BENCHMARK(BM_BackPressureStepAtLip)->Unit(benchmark::kMicrosecond)->Apply(withFastest);

// Its floor: both pictures drawn the fastest plain-Qt way.
void BM_BackPressureAtLipFloor(benchmark::State &state)
{
    NozzleCase nozzleCase;
    Form_BackPressure window(nozzleCase);
    window.show();
    window.findChild<QLineEdit *>(QStringLiteral("Text_AeAt"))->setText(QStringLiteral("7"));
    window.findChild<QSlider *>(QStringLiteral("Slider_pbp0"))->setValue(25);
    QCoreApplication::sendPostedEvents();
    ChartFloor pressure(*window.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_pressure")));
    ChartFloor lip(*window.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_lip")));
    for (auto _ : state) {
        benchmark::DoNotOptimize(pressure.paint().bits());
        benchmark::DoNotOptimize(lip.paint().bits());
    }
}
BENCHMARK(BM_BackPressureAtLipFloor)->Unit(benchmark::kMicrosecond)->Apply(withFastest);

} // namespace
