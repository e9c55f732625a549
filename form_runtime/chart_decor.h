#pragma once

#include "form_runtime/chart_surface.h"

#include <QFont>
#include <QLineF>
#include <QPen>
#include <QRectF>

#include <vector>

namespace form_runtime {

// What a chart shows around and over its strokes, laid out in pixels for an
// area: where the strokes go, the grid under them, and the axes, numbers,
// titles, legend and texts over them. The screen, the picture copied and
// the SVG, PNG and PDF files all draw from this one layout.
struct ChartDecor {
    struct Line {
        QLineF line;
        QColor colour;
        qreal width;
        ChartSurface::Dash dash;
    };
    struct Mark {
        QPointF centre;
        qreal radius;
        QColor colour;
        qreal width;
    };
    struct Text {
        QRectF box;          // its lines, one below the other
        QString text;
        Qt::Alignment align; // of the lines within the box
        QColor colour;
        bool onBackground;   // the box is filled first, so that lines under it give way
    };

    QRectF plot;
    QFont font;
    qreal lineHeight = 0;
    std::vector<Line> grid; // under the strokes
    std::vector<Line> lines; // over them: axes, ticks, legend samples
    std::vector<Mark> marks;
    std::vector<Text> texts;
};

// Without labels only the axes are laid out: enough to know the plot.
ChartDecor decorate(const ChartSurface &chart, const QRectF &area, bool withLabels = true);

// The pen of a line `width` pixels wide with the dash pattern.
QPen penOf(const QColor &colour, qreal width, ChartSurface::Dash dash);
// The dash pattern in pixels for SVG's stroke-dasharray; empty when solid.
QString dashArray(qreal width, ChartSurface::Dash dash);

void paintUnder(QPainter &painter, const ChartDecor &decor);
void paintOver(QPainter &painter, const ChartDecor &decor, const QColor &background);

// Round numbers from `from` to `to`, at most about `most` of them, and the
// decimals they need.
struct RoundNumbers {
    std::vector<double> values;
    int decimals = 0;
};
RoundNumbers roundNumbers(double from, double to, int most);
// The same, numbering both ends where a coarser round step allows it.
RoundNumbers endingRoundNumbers(double from, double to, int most);

} // namespace form_runtime
