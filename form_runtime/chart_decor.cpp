#include "form_runtime/chart_decor.h"

#include "form_runtime/colour.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace form_runtime {

namespace {

using Dash = ChartSurface::Dash;

// The dash pattern in pixels: dashes, dots and dash-dots that stay apart on
// a projector and a grey printout.
std::vector<qreal> dashPixels(qreal width, Dash dash)
{
    const qreal w = std::max<qreal>(1, width);
    switch (dash) {
    case Dash::Solid: return {};
    case Dash::Dashed: return {7 * w, 4 * w};
    case Dash::Dotted: return {1.5 * w, 3 * w};
    case Dash::DashDotted: return {9 * w, 3 * w, 2 * w, 3 * w};
    }
    return {};
}

QColor blend(const QColor &a, const QColor &b, qreal share) // share of b
{
    return QColor::fromRgbF(float(a.redF() * (1 - share) + b.redF() * share),
                            float(a.greenF() * (1 - share) + b.greenF() * share),
                            float(a.blueF() * (1 - share) + b.blueF() * share));
}

QString numberText(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) { // 0.5, 1 and 1.5 rather than 1.0
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (text.startsWith(QLatin1Char('-')))
        text.replace(0, 1, QChar(0x2212)); // a minus sign, as wide as a plus
    return text;
}

// A text at a point of the drawing stands beside its point, on the first side
// with room: the side it asks for, then the others, each a little further off
// in turn, with a leader line back to the point once it stands off. Room is
// where no other text, axis, number or legend is, inside the drawing, and
// where no line of the drawing but a guide crosses it. Where no place has
// room, the one with the least in its way.
template <typename ColourOf, typename WidthOf>
void placeLabels(const ChartSurface &chart, const QRectF &area, bool withAxes, ChartDecor &d, const ColourOf &colourOf,
                 const WidthOf &textWidth)
{
    const auto shown = [withAxes](const ChartSurface::Label &label) { return withAxes || !label.withAxesOnly; };
    if (std::none_of(chart.labels().begin(), chart.labels().end(), shown))
        return; // nothing to place: the drawing's lines need not be looked at
    const qreal em = d.lineHeight, gap = 0.3 * em, pad = 0.12 * em;
    std::vector<QRectF> blocked;
    for (const ChartDecor::Text &t : d.texts)
        blocked.push_back(t.box);
    for (const ChartDecor::Line &l : d.lines) {
        const qreal half = l.width / 2;
        blocked.push_back(QRectF(l.line.p1(), l.line.p2()).normalized().adjusted(-half, -half, half, half));
    }
    for (const ChartDecor::Mark &m : d.marks)
        blocked.push_back(QRectF(m.centre.x() - m.radius, m.centre.y() - m.radius, 2 * m.radius, 2 * m.radius));

    // The lines of the drawing as they are seen, in pixels, each with the
    // box around it, so that most are passed over at a glance.
    struct Curve {
        QLineF line;
        QRectF box;
    };
    std::vector<Curve> curves;
    std::vector<QRectF> rings;
    for (const ChartSurface::Stroke &s : chart.strokes()) {
        if (s.guide)
            continue;
        if (s.shape == ChartSurface::Stroke::Shape::Circle) {
            const QPointF c = ChartSurface::map(s.frame, s.x1, s.y1, d.plot);
            const double r = ChartSurface::circleRadius(s, d.plot);
            if (r < 1e6)
                rings.push_back(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
            continue;
        }
        QPointF a = ChartSurface::map(s.frame, s.x1, s.y1, d.plot), b = ChartSurface::map(s.frame, s.x2, s.y2, d.plot);
        if (ChartSurface::clip(a, b, d.plot))
            curves.push_back({QLineF(a, b), QRectF(a, b).normalized().adjusted(-1, -1, 1, 1)});
    }
    const auto cost = [&](const QRectF &box) {
        const QRectF around = box.adjusted(-pad, 0, pad, 0);
        double c = withAxes && !d.plot.contains(box) ? 5 : 0; // rather over the drawing than beside it
        for (const QRectF &b : blocked)
            if (b.intersects(around))
                c += 100;
        for (const QRectF &r : rings)
            if (r.intersects(around))
                c += 10;
        for (const Curve &l : curves) {
            if (!l.box.intersects(around))
                continue;
            QPointF a = l.line.p1(), b = l.line.p2();
            if (ChartSurface::clip(a, b, around))
                c += 10;
        }
        return c;
    };

    constexpr int kSteps = 10;
    for (const ChartSurface::Label &label : chart.labels()) {
        if (!shown(label))
            continue;
        const QPointF at = ChartSurface::map(label.frame, label.x, label.y, d.plot);
        // A point beyond the area is named from the area's nearest point, without a leader.
        const QPointF p(std::clamp(at.x(), area.left(), area.right()), std::clamp(at.y(), area.top(), area.bottom()));
        const qreal w = textWidth(label.text), h = qreal(label.text.count(QLatin1Char('\n')) + 1) * em;
        const Qt::Alignment a = label.align;
        // Which way the text lies from its point: -1, 0 or 1 across and down.
        const QPoint asked(a & Qt::AlignLeft ? 1 : a & Qt::AlignRight ? -1 : 0,
                           a & Qt::AlignTop ? 1 : a & Qt::AlignBottom ? -1 : 0);
        std::vector<QPoint> sides{asked};
        for (const QPoint side : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, -1), QPoint(0, 1), QPoint(1, -1),
                                  QPoint(-1, -1), QPoint(1, 1), QPoint(-1, 1)})
            if (side != asked)
                sides.push_back(side);
        const auto boxAt = [&](QPoint side, int step) {
            const qreal across = gap + step * 0.8 * em, down = gap / 2 + step * 0.6 * em;
            const qreal x = side.x() > 0 ? p.x() + across : side.x() < 0 ? p.x() - across - w : p.x() - w / 2;
            const qreal y = side.y() > 0 ? p.y() + down : side.y() < 0 ? p.y() - down - h : p.y() - h / 2;
            QRectF box(x, y, w, h); // kept inside the area
            box.moveLeft(std::clamp(box.left(), area.left(), std::max(area.left(), area.right() - w)));
            box.moveTop(std::clamp(box.top(), area.top(), std::max(area.top(), area.bottom() - h)));
            return box;
        };
        QRectF best;
        double least = INFINITY;
        for (int step = 0; step < kSteps && least > 0; ++step) {
            for (const QPoint side : sides) {
                if (side == QPoint(0, 0) && step > 0)
                    continue;
                const QRectF box = boxAt(side, step);
                if (const double c = cost(box); c < least) {
                    least = c;
                    best = box;
                    if (c == 0)
                        break;
                }
            }
        }
        const QColor colour = colourOf(label.colour);
        const QPointF to(std::clamp(p.x(), best.left() - pad, best.right() + pad), std::clamp(p.y(), best.top(), best.bottom()));
        if (p == at && QLineF(p, to).length() > 2 * gap) // a leader from the point to the nearest point of the text
            d.lines.push_back({QLineF(p, to), colour, chart.lineScale(), ChartSurface::Dash::Solid});
        d.texts.push_back({best, label.text, a & Qt::AlignHorizontal_Mask, colour, true});
        blocked.push_back(best);
    }
}

} // namespace

RoundNumbers roundNumbers(double from, double to, int most)
{
    RoundNumbers r;
    const double lo = std::min(from, to), hi = std::max(from, to);
    const double span = hi - lo;
    if (!(span > 0) || !std::isfinite(span) || most < 1)
        return r;
    const double magnitude = std::pow(10.0, std::floor(std::log10(span / most)));
    double step = 10 * magnitude;
    for (const double m : {1.0, 2.0, 5.0}) {
        if (span / (m * magnitude) <= most) {
            step = m * magnitude;
            break;
        }
    }
    for (double n = std::ceil(lo / step - 1e-9); n * step <= hi + 1e-9 * step; ++n)
        r.values.push_back(n * step == 0 ? 0 : n * step);
    r.decimals = std::max(0, int(-std::floor(std::log10(step) + 1e-9)));
    return r;
}

RoundNumbers endingRoundNumbers(double from, double to, int most)
{
    // The default step; when it leaves an end of the axis unnumbered, a
    // coarser step that numbers both ends, if one is round.
    const RoundNumbers first = roundNumbers(from, to, most);
    const auto reachesEnds = [from, to](const RoundNumbers &r) {
        if (r.values.size() < 2)
            return false;
        const double step = r.values[1] - r.values[0];
        const double lo = std::min(from, to), hi = std::max(from, to);
        return std::fabs(r.values.front() - lo) < 1e-6 * step && std::fabs(r.values.back() - hi) < 1e-6 * step;
    };
    if (first.values.empty() || reachesEnds(first))
        return first;
    for (int fewer = most - 1; fewer >= 2; --fewer)
        if (const RoundNumbers r = roundNumbers(from, to, fewer); reachesEnds(r))
            return r;
    return first;
}

QPen penOf(const QColor &colour, qreal width, Dash dash)
{
    QPen pen(colour, width);
    const std::vector<qreal> pixels = dashPixels(width, dash);
    if (!pixels.empty()) {
        QList<qreal> pattern;
        for (const qreal p : pixels)
            pattern << p / width; // Qt's patterns are in widths
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern(pattern);
    }
    return pen;
}

QString dashArray(qreal width, Dash dash)
{
    QStringList parts;
    for (const qreal p : dashPixels(width, dash))
        parts << QString::number(p, 'g', 4);
    return parts.join(QLatin1Char(' '));
}

ChartDecor decorate(const ChartSurface &chart, const QRectF &area, bool withLabels)
{
    ChartDecor d;
    d.plot = chart.drawnArea(area);
    const double scale = chart.lineScale();
    d.font = chart.font();
    if (scale != 1) {
        if (d.font.pointSizeF() > 0)
            d.font.setPointSizeF(d.font.pointSizeF() * scale);
        else
            d.font.setPixelSize(int(std::lround(d.font.pixelSize() * scale)));
    }
    const QFontMetricsF fm(d.font);
    const qreal em = d.lineHeight = fm.height();
    const qreal gap = 0.3 * em;
    const QColor foreground = chart.palette().color(QPalette::WindowText);
    const QColor background = chart.background();
    const auto colourOr = [&foreground](const std::optional<int> &c) { return c ? colourOf(*c) : foreground; };
    const auto textWidth = [&chart, &d](const QString &text) {
        qreal w = 0;
        for (const QString &line : text.split(QLatin1Char('\n')))
            w = std::max(w, chart.textWidth(line, d.font));
        return std::ceil(w);
    };
    const auto lineCount = [](const QString &text) { return qreal(text.count(QLatin1Char('\n')) + 1); };

    const bool withAxes = chart.axesShown() && chart.axes();
    if (withAxes) {
        const ChartSurface::Axes &axes = *chart.axes();
        const ChartSurface::Axis &ax = axes.x, &ay = axes.y;
        const qreal lineWidth = scale;
        const QColor axisColour = foreground, gridColour = blend(background, foreground, 0.16);

        // The numbers: as many as leave room between them.
        const auto extent = [](const ChartSurface::Axis &a, float f1, float f2) {
            return std::fabs((a.to - a.from) / (double(f2) - f1));
        };
        const RoundNumbers xs = endingRoundNumbers(
            ax.from, ax.to, std::max(2, int(area.width() * extent(ax, axes.frame.x1, axes.frame.x2) / (4 * em))));
        const RoundNumbers ys = endingRoundNumbers(
            ay.from, ay.to, std::max(2, int(area.height() * extent(ay, axes.frame.y1, axes.frame.y2) / (2.5 * em))));
        const auto shown = [](const ChartSurface::Axis &a, double v, int decimals) {
            return numberText(a.negated ? -v : v, decimals);
        };
        qreal left = gap;
        for (const double v : ys.values)
            left = std::max(left, textWidth(shown(ay, v, ys.decimals)) + 2 * gap);
        qreal xRow = xs.values.empty() ? 0 : em;
        for (const auto &mark : ax.marks)
            xRow = std::max(xRow, lineCount(mark.second) * em);
        const qreal xTitleRow = ax.title.isEmpty() ? 0 : em;

        // The legend, in rows as wide as the chart.
        const qreal sample = 2.4 * em;
        struct Placed {
            qreal x;
            int row;
        };
        std::vector<Placed> placed;
        int rows = 0;
        qreal x = 0;
        const qreal room = area.width() - 2 * gap;
        for (const auto &entry : axes.legend) {
            const qreal w = (entry.circle ? em : sample) + gap + textWidth(entry.text);
            if (rows == 0 || (x > 0 && x + w > room)) {
                ++rows;
                x = 0;
            }
            placed.push_back({x, rows - 1});
            x += w + em;
        }
        const qreal legendHeight = rows ? gap + rows * em : 0;

        // The vertical title stands in a row of its own above the drawing,
        // clear of its curves and of the highest number, which may stand
        // half a line above the drawing's top.
        const qreal yTitleRow = ay.title.isEmpty() ? 0 : em + gap;
        const qreal top = gap + yTitleRow + (ys.values.empty() ? 0 : em / 2);
        const qreal right = 0.8 * em;
        const qreal bottom = (xRow ? gap + xRow : 0) + xTitleRow + legendHeight + gap;
        const auto yPixel = [&](double v) { return ChartSurface::map(axes.frame, axes.frame.x1, float(v), d.plot).y(); };
        const auto xPixel = [&](double v) { return ChartSurface::map(axes.frame, float(v), axes.frame.y1, d.plot).x(); };
        d.plot = area.adjusted(left, top, -right, -bottom);
        if (d.plot.width() < 2 * em || d.plot.height() < 2 * em) { // too small for axes
            d.plot = area;
            return d;
        }

        std::vector<QRectF> taken; // numbers that would cover each other give way
        const auto free = [&taken](const QRectF &box) {
            return std::none_of(taken.begin(), taken.end(), [&box](const QRectF &t) { return t.intersects(box); });
        };
        const qreal tick = 0.4 * em;

        // Vertical axis: its line over the numbered range, ticks, numbers, grid.
        if (!ys.values.empty()) {
            d.lines.push_back({{d.plot.left(), yPixel(ay.from), d.plot.left(), yPixel(ay.to)}, axisColour, lineWidth, Dash::Solid});
            for (const double v : ys.values) {
                const qreal y = yPixel(v);
                if (ay.grid)
                    d.grid.push_back({{d.plot.left(), y, d.plot.right(), y}, gridColour, lineWidth, Dash::Solid});
                d.lines.push_back({{d.plot.left(), y, d.plot.left() + tick, y}, axisColour, lineWidth, Dash::Solid});
                const QString text = shown(ay, v, ys.decimals);
                const qreal w = textWidth(text);
                const QRectF box(d.plot.left() - gap - w, y - em / 2, w, em);
                d.texts.push_back({box, text, Qt::AlignRight, foreground, false});
                taken.push_back(box); // the horizontal numbers give way at the corner
            }
        }
        if (!ay.title.isEmpty()) {
            const qreal w = textWidth(ay.title);
            d.texts.push_back({QRectF(area.left() + gap, area.top() + gap, w, em), ay.title, Qt::AlignLeft, foreground, true});
        }

        // Horizontal axis: its line, ticks and numbers below it, named places.
        const qreal below = d.plot.bottom() + gap;
        const auto clampAcross = [&area, gap](QRectF box) {
            box.moveLeft(std::clamp(box.left(), area.left() + gap / 2, area.right() - gap / 2 - box.width()));
            return box;
        };
        if (!xs.values.empty())
            d.lines.push_back({{xPixel(ax.from), d.plot.bottom(), xPixel(ax.to), d.plot.bottom()}, axisColour, lineWidth, Dash::Solid});
        else if (!ax.marks.empty()) {
            const auto [first, last] = std::minmax_element(ax.marks.begin(), ax.marks.end());
            d.lines.push_back({{xPixel(first->first), d.plot.bottom(), xPixel(last->first), d.plot.bottom()}, axisColour,
                               lineWidth, Dash::Solid});
        }
        for (const auto &[at, name] : ax.marks) {
            const qreal xm = xPixel(at);
            d.lines.push_back({{xm, d.plot.bottom(), xm, d.plot.bottom() - tick}, axisColour, lineWidth, Dash::Solid});
            const qreal w = textWidth(name);
            const QRectF box = clampAcross(QRectF(xm - w / 2, below, w, lineCount(name) * em));
            if (free(box)) {
                d.texts.push_back({box, name, Qt::AlignHCenter, foreground, false});
                taken.push_back(box);
            }
        }
        for (const double v : xs.values) {
            const qreal xv = xPixel(v);
            if (ax.grid)
                d.grid.push_back({{xv, d.plot.top(), xv, d.plot.bottom()}, gridColour, lineWidth, Dash::Solid});
            d.lines.push_back({{xv, d.plot.bottom(), xv, d.plot.bottom() - tick}, axisColour, lineWidth, Dash::Solid});
            const QString text = shown(ax, v, xs.decimals);
            const qreal w = textWidth(text);
            const QRectF box = clampAcross(QRectF(xv - w / 2, below, w, em));
            if (free(box.adjusted(-gap, 0, gap, 0))) {
                d.texts.push_back({box, text, Qt::AlignHCenter, foreground, false});
                taken.push_back(box);
            }
        }
        if (!ax.title.isEmpty()) {
            const qreal w = textWidth(ax.title);
            d.texts.push_back({QRectF(d.plot.center().x() - w / 2, below + xRow, w, em), ax.title, Qt::AlignHCenter,
                               foreground, false});
        }

        // The legend: a sample of each line or mark, and its name.
        const qreal legendTop = below + xRow + xTitleRow + (xRow || xTitleRow ? gap : 0);
        for (std::size_t i = 0; i < axes.legend.size(); ++i) {
            const auto &entry = axes.legend[i];
            const qreal x0 = area.left() + gap + placed[i].x;
            const qreal yc = legendTop + (placed[i].row + 0.5) * em;
            const QColor colour = colourOr(entry.style.colour);
            const qreal w = entry.style.width * scale;
            qreal textLeft;
            if (entry.circle) {
                d.marks.push_back({{x0 + em / 2, yc}, 0.22 * em, colour, w});
                textLeft = x0 + em + gap;
            } else {
                d.lines.push_back({{x0, yc, x0 + sample, yc}, colour, w, entry.style.dash});
                textLeft = x0 + sample + gap;
            }
            d.texts.push_back({QRectF(textLeft, yc - em / 2, textWidth(entry.text), em), entry.text, Qt::AlignLeft,
                               foreground, false});
        }
    }

    if (withLabels)
        placeLabels(chart, area, withAxes, d, colourOr, textWidth);
    return d;
}

void paintUnder(QPainter &painter, const ChartDecor &decor)
{
    for (const ChartDecor::Line &l : decor.grid) {
        painter.setPen(penOf(l.colour, l.width, l.dash));
        painter.drawLine(l.line);
    }
}

void paintOver(QPainter &painter, const ChartDecor &decor, const QColor &background)
{
    for (const ChartDecor::Line &l : decor.lines) {
        painter.setPen(penOf(l.colour, l.width, l.dash));
        painter.drawLine(l.line);
    }
    painter.setBrush(Qt::NoBrush);
    for (const ChartDecor::Mark &m : decor.marks) {
        painter.setPen(penOf(m.colour, m.width, Dash::Solid));
        painter.drawEllipse(m.centre, m.radius, m.radius);
    }
    painter.setFont(decor.font);
    const qreal pad = decor.lineHeight * 0.12;
    for (const ChartDecor::Text &t : decor.texts) {
        if (t.onBackground)
            painter.fillRect(t.box.adjusted(-pad, 0, pad, 0), background);
        painter.setPen(t.colour);
        painter.drawText(t.box, int(t.align | Qt::AlignTop), t.text);
    }
}

} // namespace form_runtime
