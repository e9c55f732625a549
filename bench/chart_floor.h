#pragma once

#include "form_runtime/chart_decor.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"

#include <QImage>
#include <QPainter>

#include <vector>

// A chart's picture drawn the fastest plain-Qt way, as a floor to measure
// the chart's own painting against: its solid strokes as one batch of lines
// a pen (wide antialiased lines are filled fastest one by one), its dashed
// ones joined into polylines so the dashes run on, its texts and axes laid
// out once beforehand, and everything painted antialiased straight onto an
// image.
class ChartFloor {
public:
    explicit ChartFloor(const form_runtime::ChartSurface &chart)
        : decor_(form_runtime::decorate(chart, QRectF(chart.contentsRect()))), background_(chart.background())
    {
        const QRectF plot = decor_.plot;
        const double scale = chart.lineScale();
        for (const auto &s : chart.strokes()) {
            const QPointF a = form_runtime::ChartSurface::map(s.frame, s.x1, s.y1, plot);
            const QColor colour = s.colour ? form_runtime::colourOf(*s.colour) : QColor(Qt::black);
            const QPen pen = form_runtime::penOf(colour, s.width * scale, s.dash);
            if (s.shape == form_runtime::ChartSurface::Stroke::Shape::Circle) {
                circles_.push_back({pen, a});
                continue;
            }
            const QPointF b = form_runtime::ChartSurface::map(s.frame, s.x2, s.y2, plot);
            if (s.dash == form_runtime::ChartSurface::Dash::Solid) {
                if (batches_.empty() || batches_.back().pen != pen)
                    batches_.push_back({pen, {}});
                batches_.back().lines.emplace_back(a, b);
                continue;
            }
            if (lines_.empty() || lines_.back().pen != pen || lines_.back().points.back() != a)
                lines_.push_back({pen, QPolygonF{a}});
            lines_.back().points << b;
        }
        image_ = QImage(chart.contentsRect().size(), QImage::Format_ARGB32_Premultiplied);
    }

    const QImage &paint()
    {
        image_.fill(background_);
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::Antialiasing);
        form_runtime::paintUnder(painter, decor_);
        for (const Batch &b : batches_) {
            painter.setPen(b.pen);
            painter.drawLines(b.lines.data(), int(b.lines.size()));
        }
        for (const Polyline &l : lines_) {
            painter.setPen(l.pen);
            painter.drawPolyline(l.points);
        }
        for (const auto &[pen, centre] : circles_) {
            painter.setPen(pen);
            painter.drawEllipse(centre, 3, 3);
        }
        form_runtime::paintOver(painter, decor_, background_);
        return image_;
    }

private:
    struct Polyline {
        QPen pen;
        QPolygonF points;
    };
    struct Batch {
        QPen pen;
        std::vector<QLineF> lines;
    };
    std::vector<Batch> batches_;
    form_runtime::ChartDecor decor_;
    QColor background_;
    std::vector<Polyline> lines_;
    std::vector<std::pair<QPen, QPointF>> circles_;
    QImage image_;
};
