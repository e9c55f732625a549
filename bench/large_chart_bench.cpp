// The nozzle chart opened large on a 1920x1080 projector: repainted with its
// axes, numbers, legend and labelled stations, against the same picture
// drawn the fastest plain-Qt way.

#include "charts/nozzle_chart.h"
#include "flow/gas_constants.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"
#include "large_chart/form_large_chart.h"

#include <QApplication>
#include <QPixmap>

#include "chart_floor.h"
#include "fastest.h"

#include <benchmark/benchmark.h>

namespace {

// The chart of the worked example M1 = 0.5, A1 = 1, A2 = 1 (M2 = 0.5 and 1.7023).
struct LargeNozzleChart {
    LargeNozzleChart()
    {
        const flow::GasConstants air = flow::gasConstants();
        charts::GeoTables tables;
        charts::grafik_Geo(source, tables, air);
        charts::markStation(source, 0.5, 1.33984, form_runtime::kBlue, QStringLiteral("M1 = 0.5"), QStringLiteral("station 1"), true);
        charts::markStation(source, 0.5, 1.33984, form_runtime::kRed, QStringLiteral("M2 = 0.5"), QStringLiteral("station 2"));
        charts::markStation(source, 1.7023, 1.33984, form_runtime::kRed, QStringLiteral("M2 = 1.7023"), QStringLiteral("station 2"));
        panel.resize(1900, 1000); // a panel floating over a 1920x1080 screen
        panel.show();
        QCoreApplication::processEvents();
    }
    form_runtime::ChartSurface source;
    Form_LargeChart panel{source};
};

void BM_LargeChart(benchmark::State &state)
{
    LargeNozzleChart chart;
    form_runtime::ChartSurface *large = chart.panel.chart();
    QPixmap pixels(large->size());
    for (auto _ : state) {
        large->render(&pixels);
        benchmark::DoNotOptimize(pixels.cacheKey());
    }
    state.counters["scale"] = large->lineScale();
}
BENCHMARK(BM_LargeChart)->Unit(benchmark::kMicrosecond)->Apply(withFastest);

void BM_LargeChartFloor(benchmark::State &state)
{
    LargeNozzleChart chart;
    ChartFloor floor(*chart.panel.chart());
    for (auto _ : state)
        benchmark::DoNotOptimize(floor.paint().bits());
}
BENCHMARK(BM_LargeChartFloor)->Unit(benchmark::kMicrosecond)->Apply(withFastest);

} // namespace
