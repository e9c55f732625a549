#include "form_runtime/chart_surface.h"

#include "flow/arithmetic.h"
#include "form_runtime/accessibility.h"
#include "form_runtime/chart_decor.h"
#include "form_runtime/colour.h"

#include <QAccessible>
#include <QAction>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace form_runtime {

namespace {

float single(double value)
{
    if (!(std::fabs(value) <= FLT_MAX))
        throw flow::ArithmeticError(flow::ArithmeticError::Kind::Overflow);
    return static_cast<float>(value);
}

// Where a line of `width` device pixels across a point at device coordinate
// d lies so that it covers whole pixels: its centre on a pixel centre for odd
// widths, on a pixel edge for even ones.
double snapped(double d, int width)
{
    return std::floor(d - (width - 1) / 2.0) + width / 2.0;
}

} // namespace

// Cohen-Sutherland, so that the painter never sees the far-off coordinates a
// huge value maps to. Each cut point is found from the edge it lies on, which
// keeps it exact however far the end points lie.
bool ChartSurface::clip(QPointF &a, QPointF &b, const QRectF &rect)
{
    enum { Left = 1, Right = 2, Top = 4, Bottom = 8 };
    const auto outside = [&rect](QPointF p) {
        return (p.x() < rect.left() ? Left : p.x() > rect.right() ? Right : 0) |
               (p.y() < rect.top() ? Top : p.y() > rect.bottom() ? Bottom : 0);
    };
    int codeA = outside(a), codeB = outside(b);
    for (;;) {
        if (!(codeA | codeB))
            return true;
        if (codeA & codeB)
            return false;
        const bool cutA = codeA != 0;
        QPointF &p = cutA ? a : b;
        const QPointF &q = cutA ? b : a;
        const int code = cutA ? codeA : codeB;
        if (code & (Left | Right)) {
            const double x = (code & Left) ? rect.left() : rect.right();
            p = QPointF(x, p.y() + (x - p.x()) * ((q.y() - p.y()) / (q.x() - p.x())));
        } else {
            const double y = (code & Top) ? rect.top() : rect.bottom();
            p = QPointF(p.x() + (y - p.y()) * ((q.x() - p.x()) / (q.y() - p.y())), y);
        }
        (cutA ? codeA : codeB) = outside(p);
    }
}

double ChartSurface::circleRadius(const Stroke &circle, const QRectF &area)
{
    return std::max(1.0, std::round(std::fabs(double(circle.x2) * area.width() /
                                              (double(circle.frame.x2) - circle.frame.x1))));
}

ChartSurface::ChartSurface(QWidget *parent) : QFrame(parent)
{
    installAccessibility();
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ChartSurface::Scale(double x1, double y1, double x2, double y2)
{
    frame_ = Frame{single(x1), single(y1), single(x2), single(y2)};
}

void ChartSurface::Cls()
{
    strokes_.clear();
    labels_.clear();
    axes_.reset();
    setDescription(QString());
    repaintSoon();
}

void ChartSurface::setVisible(bool visible)
{
    if (!visible)
        Cls();
    QFrame::setVisible(visible);
}

void ChartSurface::Line(double x1, double y1, double x2, double y2)
{
    addLine(x1, y1, x2, y2, LineStyle{});
}

void ChartSurface::Line(double x1, double y1, double x2, double y2, int colour)
{
    addLine(x1, y1, x2, y2, LineStyle{colour, 1, Dash::Solid});
}

void ChartSurface::Line(double x1, double y1, double x2, double y2, const LineStyle &style)
{
    addLine(x1, y1, x2, y2, style);
}

void ChartSurface::Circle(double x, double y, double radius, int colour)
{
    strokes_.push_back({Stroke::Shape::Circle, frame(), single(x), single(y), single(radius), 0, colour, 1, Dash::Solid});
    repaintSoon();
}

void ChartSurface::addLine(double x1, double y1, double x2, double y2, const LineStyle &style)
{
    strokes_.push_back({Stroke::Shape::Line, frame(), single(x1), single(y1), single(x2), single(y2), style.colour,
                        style.width, style.dash, style.guide});
    repaintSoon();
}

void ChartSurface::Text(double x, double y, const QString &text, Qt::Alignment align, std::optional<int> colour)
{
    addLabel(x, y, text, align, colour, false);
}

void ChartSurface::Note(double x, double y, const QString &text, Qt::Alignment align, std::optional<int> colour)
{
    addLabel(x, y, text, align, colour, true);
}

void ChartSurface::addLabel(double x, double y, const QString &text, Qt::Alignment align, std::optional<int> colour,
                            bool withAxesOnly)
{
    labels_.push_back({frame(), single(x), single(y), text, align, colour, withAxesOnly});
    repaintSoon();
}

void ChartSurface::setAxes(Axis x, Axis y)
{
    axes_ = Axes{frame(), std::move(x), std::move(y), {}};
    repaintSoon();
}

void ChartSurface::addLegendEntry(LegendEntry entry)
{
    if (!axes_)
        axes_ = Axes{frame(), {}, {}, {}};
    axes_->legend.push_back(std::move(entry));
    repaintSoon();
}

void ChartSurface::showAxes(bool shown)
{
    axesShown_ = shown;
    update();
}

void ChartSurface::setLineScale(double scale)
{
    if (scale == lineScale_)
        return;
    lineScale_ = scale;
    update();
}

void ChartSurface::setReadOut(std::function<QString(double, double)> readOut)
{
    readOutFrame_ = frame();
    readOut_ = std::move(readOut);
    setMouseTracking(bool(readOut_));
}

QRectF ChartSurface::plotArea(const QRectF &area) const
{
    return axesShown_ && axes_ ? decorate(*this, area, false).plot : drawnArea(area);
}

QRectF ChartSurface::drawnArea(const QRectF &area) const
{
    if (!trueAngles_ || !frame_ || area.isEmpty())
        return area;
    const double across = std::fabs(double(frame_->x2) - frame_->x1), up = std::fabs(double(frame_->y2) - frame_->y1);
    if (!(across > 0) || !(up > 0))
        return area;
    const double scale = std::min(area.width() / across, area.height() / up);
    QRectF drawn(0, 0, across * scale, up * scale);
    drawn.moveCenter(area.center());
    return drawn;
}

qreal ChartSurface::textWidth(const QString &text, const QFont &font) const
{
    if (font != textWidthsFont_ || textWidths_.size() > 256) {
        textWidths_.clear();
        textWidthsFont_ = font;
    }
    auto known = textWidths_.constFind(text);
    if (known == textWidths_.constEnd())
        known = textWidths_.insert(text, QFontMetricsF(font).horizontalAdvance(text));
    return *known;
}

QString ChartSurface::readOut(QPointF pixel) const
{
    if (!readOut_ || strokes_.empty())
        return QString();
    const QRectF plot = plotArea(contentsRect());
    if (!plot.contains(pixel))
        return QString();
    const Frame &f = readOutFrame_;
    const double x = f.x1 + (pixel.x() - plot.left()) / plot.width() * (double(f.x2) - f.x1);
    const double y = f.y1 + (pixel.y() - plot.top()) / plot.height() * (double(f.y2) - f.y1);
    return readOut_(x, y);
}

void ChartSurface::mouseMoveEvent(QMouseEvent *event)
{
    QFrame::mouseMoveEvent(event);
    const QString text = readOut(event->position());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPosition().toPoint(), text, this, QRect(), 10000);
    emit pointRead(text);
    if (crossHair_) {
        pointer_ = text.isEmpty() ? std::nullopt : std::optional<QPointF>(event->position());
        update();
    }
}

void ChartSurface::leaveEvent(QEvent *event)
{
    QFrame::leaveEvent(event);
    if (!readOut_)
        return;
    pointer_.reset();
    emit pointRead(QString());
    update();
}

void ChartSurface::connectNotify(const QMetaMethod &signal)
{
    if (signal == QMetaMethod::fromSignal(&ChartSurface::drawingChanged))
        ++followers_;
}

void ChartSurface::disconnectNotify(const QMetaMethod &signal)
{
    if (signal == QMetaMethod::fromSignal(&ChartSurface::drawingChanged))
        --followers_;
}

void ChartSurface::copyFrom(const ChartSurface &source)
{
    frame_ = source.frame_;
    trueAngles_ = source.trueAngles_;
    strokes_ = source.strokes_;
    labels_ = source.labels_;
    axes_ = source.axes_;
    readOutFrame_ = source.readOutFrame_;
    readOut_ = source.readOut_;
    setMouseTracking(bool(readOut_));
    QPalette colours = palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText})
        colours.setBrush(role, source.palette().brush(role));
    setPalette(colours);
    setDescription(source.description());
    repaintSoon();
}

void ChartSurface::setDescription(const QString &description)
{
    description_ = description;
    if (followers_ > 0 && !changePending_)
        repaintSoon();
    if (describePending_)
        return;
    describePending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            describePending_ = false;
            QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&changed);
        },
        Qt::QueuedConnection);
}

void ChartSurface::repaintSoon()
{
    // A chart arrives as hundreds of strokes; one repaint request covers them all.
    if (!repaintPending_) {
        repaintPending_ = true;
        update();
    }
    if (followers_ > 0 && !changePending_) {
        changePending_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                changePending_ = false;
                emit drawingChanged();
            },
            Qt::QueuedConnection);
    }
}

ChartSurface::Frame ChartSurface::frame() const
{
    if (frame_)
        return *frame_;
    const QRect area = contentsRect();
    return Frame{0, 0, float(area.width()), float(area.height())};
}

QPointF ChartSurface::map(const Frame &f, float x, float y) const
{
    return map(f, x, y, contentsRect());
}

QPointF ChartSurface::map(const Frame &f, float x, float y, const QRectF &area)
{
    return QPointF(area.left() + (double(x) - f.x1) / (double(f.x2) - f.x1) * area.width(),
                   area.top() + (double(y) - f.y1) / (double(f.y2) - f.y1) * area.height());
}

QPointF ChartSurface::toPixel(double x, double y) const
{
    return map(frame(), float(x), float(y));
}

namespace {

bool sameStyle(const ChartSurface::Stroke &a, const ChartSurface::Stroke &b)
{
    return a.colour == b.colour && a.width == b.width && a.dash == b.dash && a.guide == b.guide;
}

bool sameFrame(const ChartSurface::Frame &a, const ChartSurface::Frame &b)
{
    return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
}

} // namespace

std::vector<std::vector<const ChartSurface::Stroke *>> ChartSurface::polylines() const
{
    // A curve arrives as many short segments, and two curves may arrive
    // interleaved. Segments that continue a recent line of the same colour are
    // joined to it, so that the curve is painted as one smooth line.
    constexpr std::size_t kOpenLines = 4;
    std::vector<std::vector<const Stroke *>> lines;
    for (const Stroke &s : strokes_) {
        std::vector<const Stroke *> *joined = nullptr;
        if (s.shape == Stroke::Shape::Line) {
            for (std::size_t n = lines.size(); n > 0 && lines.size() - n < kOpenLines; --n) {
                const Stroke *last = lines[n - 1].back();
                if (last->shape == Stroke::Shape::Line && sameStyle(*last, s) && sameFrame(last->frame, s.frame) &&
                    last->x2 == s.x1 && last->y2 == s.y1) {
                    joined = &lines[n - 1];
                    break;
                }
            }
        }
        if (joined)
            joined->push_back(&s);
        else
            lines.push_back({&s});
    }
    return lines;
}

void ChartSurface::drawSunkenBorder(QPainter &painter) const
{
    // Two pixels deep: shadow and dark shadow at the top and left, light and
    // highlight at the bottom and right.
    const QRect r = rect();
    const QPalette &p = palette();
    const auto bevel = [&](int inset, const QColor &topLeft, const QColor &bottomRight) {
        const QRect b = r.adjusted(inset, inset, -inset, -inset);
        painter.fillRect(b.left(), b.top(), b.width() - 1, 1, topLeft);
        painter.fillRect(b.left(), b.top(), 1, b.height() - 1, topLeft);
        painter.fillRect(b.left(), b.bottom(), b.width(), 1, bottomRight);
        painter.fillRect(b.right(), b.top(), 1, b.height(), bottomRight);
    };
    bevel(0, p.color(QPalette::Mid), p.color(QPalette::Light));
    bevel(1, p.color(QPalette::Dark), p.color(QPalette::Midlight));
}

void ChartSurface::drawFocusIndicator(QPainter &painter) const
{
    // A dotted frame just inside the border, under the drawing.
    QPen dots(palette().color(QPalette::WindowText), 0, Qt::DotLine);
    painter.setPen(dots);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(contentsRect()).adjusted(1.5, 1.5, -1.5, -1.5));
}

void ChartSurface::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    repaintPending_ = false;
    QPainter painter(this);
    drawSunkenBorder(painter);
    if (hasFocus())
        drawFocusIndicator(painter);
    paintDrawing(painter, contentsRect());
    if (crossHair_ && pointer_) {
        const QRectF plot = plotArea(contentsRect());
        QColor colour = palette().color(QPalette::WindowText);
        colour.setAlphaF(0.45f);
        painter.setPen(QPen(colour, lineScale_, Qt::DashLine));
        painter.drawLine(QLineF(plot.left(), pointer_->y(), plot.right(), pointer_->y()));
        painter.drawLine(QLineF(pointer_->x(), plot.top(), pointer_->x(), plot.bottom()));
    }
}

QColor ChartSurface::background() const
{
    return palette().color(QPalette::Window);
}

void ChartSurface::paintDrawing(QPainter &painter, const QRectF &area) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(area);
    painter.setBrush(Qt::NoBrush);
    const QColor foreground = palette().color(QPalette::WindowText);
    const bool decorated = (axesShown_ && axes_) || !labels_.empty();
    std::optional<ChartDecor> decor;
    if (decorated) {
        decor = decorate(*this, area);
        paintUnder(painter, *decor);
    }
    const QRectF plot = decor ? decor->plot : drawnArea(area);
    if (plot != area)
        painter.setClipRect(plot);
    const QRectF reach = plot.adjusted(-2, -2, 2, 2);

    // Lines along the axes are drawn in whole device pixels, wherever the
    // surface lies on the screen and whatever its scale: one device pixel per
    // logical pixel of width, rounded, so that at 1.5 they stay sharp instead
    // of spreading over two blended pixels.
    const QTransform toDevice = painter.deviceTransform();
    const QTransform fromDevice = toDevice.inverted();
    // A pen wider than one device pixel is filled far faster segment by
    // segment than as a joined stroke; the square ends of the segments overlap
    // at the joints, so the curve stays closed. Dashes run on along a curve,
    // so a dashed one is drawn joined.

    for (const auto &line : polylines()) {
        const Stroke &first = *line.front();
        const QColor colour = first.colour ? colourOf(*first.colour) : foreground;
        const double width = double(first.width) * lineScale_;
        const int deviceWidth = std::max(1, int(std::lround(toDevice.m11() * width)));
        const auto onDevicePixels = [&](QPointF p) {
            const QPointF d = toDevice.map(p);
            return fromDevice.map(QPointF(snapped(d.x(), deviceWidth), snapped(d.y(), deviceWidth)));
        };
        painter.setPen(penOf(colour, width, first.dash));

        if (first.shape == Stroke::Shape::Circle) {
            // The radius is in x units; drawn in whole pixels the circle stays
            // round whatever the scales of the two axes.
            const QPointF centre = map(first.frame, first.x1, first.y1, plot);
            const double radius = circleRadius(first, plot);
            const QRectF bounds(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
            if (radius < 1e6 && bounds.intersects(reach))
                painter.drawEllipse(onDevicePixels(centre), radius, radius);
            continue;
        }

        std::vector<QPointF> points{map(first.frame, first.x1, first.y1, plot)};
        for (const Stroke *s : line)
            points.push_back(map(s->frame, s->x2, s->y2, plot));
        // Lines along the axes (grid, markers) go through pixel centres and stay crisp.
        bool alongAxes = true;
        for (std::size_t i = 1; i < points.size(); ++i)
            alongAxes = alongAxes && (points[i].x() == points[i - 1].x() || points[i].y() == points[i - 1].y());

        if (alongAxes)
            painter.setPen(penOf(colour, deviceWidth / toDevice.m11(), first.dash));
        const bool curvesAsSegments = toDevice.m11() * width > 1 && first.dash == Dash::Solid;
        QPolygonF run;
        std::vector<QLineF> segments;
        for (std::size_t i = 1; i < points.size(); ++i) {
            QPointF a = points[i - 1], b = points[i];
            if (!clip(a, b, reach))
                continue;
            if (alongAxes) {
                a = onDevicePixels(a);
                b = onDevicePixels(b);
            }
            if (curvesAsSegments) {
                segments.emplace_back(a, b);
                continue;
            }
            if (run.isEmpty() || run.back() != a) {
                painter.drawPolyline(run);
                run = QPolygonF{a};
            }
            run << b;
        }
        painter.drawPolyline(run);
        painter.drawLines(segments.data(), int(segments.size()));
    }
    if (decor) {
        painter.setClipRect(area);
        paintOver(painter, *decor, background());
    }
    painter.restore();
}

bool ChartSurface::isActivatable() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&ChartSurface::activated));
}

void ChartSurface::mouseDoubleClickEvent(QMouseEvent *event)
{
    QFrame::mouseDoubleClickEvent(event);
    emit activated();
}

void ChartSurface::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
        isActivatable()) {
        if (!event->isAutoRepeat())
            emit activated();
        return;
    }
    if ((modifiers == Qt::ShiftModifier && key == Qt::Key_F10) || (modifiers == Qt::NoModifier && key == Qt::Key_Menu)) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, rect().center(), mapToGlobal(rect().center()));
        contextMenuEvent(&menu);
        return;
    }
    QFrame::keyPressEvent(event);
}

void ChartSurface::addMenuAction(QAction *action, std::function<bool()> available)
{
    menuActions_.emplace_back(action, std::move(available));
}

void ChartSurface::contextMenuEvent(QContextMenuEvent *event)
{
    if (menuActions_.empty()) {
        QFrame::contextMenuEvent(event);
        return;
    }
    QMenu menu(this);
    for (const auto &[action, available] : menuActions_) {
        action->setEnabled(!strokes_.empty() && (!available || available()));
        menu.addAction(action);
    }
    const QPoint at = event->reason() == QContextMenuEvent::Mouse ? event->globalPos() : mapToGlobal(rect().center());
    menu.exec(at);
    event->accept();
}

} // namespace form_runtime
