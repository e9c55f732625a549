#include "backpressure_window/form_backpressure.h"
#include "nozzle_case/nozzle_case.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSlider>

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

// The floor: the same picture, its strokes joined into polylines of one
// colour, drawn the fastest plain-Qt way (antialiased, straight onto an image).
void BM_BackPressureFloor(benchmark::State &state)
{
    NozzleCase nozzleCase;
    Form_BackPressure window(nozzleCase);
    auto *chart = window.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_pressure"));
    const QRectF area = chart->contentsRect();
    struct Polyline {
        QColor colour;
        QPolygonF points;
    };
    std::vector<Polyline> lines;
    std::vector<QPointF> circles;
    for (const form_runtime::ChartSurface::Stroke &s : chart->strokes()) {
        const QPointF a = form_runtime::ChartSurface::map(s.frame, s.x1, s.y1, area);
        if (s.shape == form_runtime::ChartSurface::Stroke::Shape::Circle) {
            circles.push_back(a);
            continue;
        }
        const QPointF b = form_runtime::ChartSurface::map(s.frame, s.x2, s.y2, area);
        const QColor colour = s.colour ? form_runtime::colourOf(*s.colour) : QColor(Qt::black);
        if (lines.empty() || lines.back().colour != colour || lines.back().points.back() != a)
            lines.push_back({colour, QPolygonF{a}});
        lines.back().points << b;
    }
    QImage image(chart->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        for (const Polyline &l : lines) {
            painter.setPen(QPen(l.colour, 1));
            painter.drawPolyline(l.points);
        }
        painter.setPen(QPen(Qt::red, 1));
        for (const QPointF &c : circles)
            painter.drawEllipse(c, 3, 3);
        painter.end();
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_BackPressureFloor)->Unit(benchmark::kMicrosecond)->Apply(withFastest);

} // namespace
