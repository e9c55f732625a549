#pragma once

#include <QFrame>

class QAction;
class QPainter;

#include <functional>
#include <optional>
#include <vector>

namespace form_runtime {

// A picture box to draw charts on. Scale sets a user coordinate system over the
// drawing area inside the border; Line and Circle draw in it; Cls clears it.
// What is drawn is kept until the next Cls and painted again whenever the
// window system asks, so it survives covering, resizing and minimising; hidden
// by the program (setVisible(false)) the surface forgets it and shows only its
// background until it is drawn again. Its description says what is drawn,
// for a screen reader: the charts set it after drawing, Cls and hiding clear it.
// Coordinates are taken in single precision: one beyond the float range
// throws flow::ArithmeticError (overflow).
//
// A double-click, or Space or Return while it has the focus, activates the
// surface (see activated()); a screen reader offers the same as its action.
// Actions added with addMenuAction() make its context menu, opened with the
// right mouse button, the Menu key or Shift+F10.
class ChartSurface : public QFrame {
    Q_OBJECT

public:
    // The user coordinates of the drawing area's upper-left (x1, y1) and
    // lower-right (x2, y2) corners.
    struct Frame {
        float x1, y1, x2, y2;
    };

    struct Stroke {
        enum class Shape { Line, Circle };
        Shape shape;
        Frame frame;             // the coordinate system it was drawn in
        float x1, y1, x2, y2;    // a line's end points; a circle's centre (x1, y1) and radius x2
        std::optional<int> colour; // none: the foreground colour
    };

    explicit ChartSurface(QWidget *parent = nullptr);

    void Scale(double x1, double y1, double x2, double y2);
    void Cls();
    void Line(double x1, double y1, double x2, double y2);
    void Line(double x1, double y1, double x2, double y2, int colour);
    void Circle(double x, double y, double radius, int colour);

    // What has been drawn since the last Cls, in order.
    const std::vector<Stroke> &strokes() const { return strokes_; }
    // The coordinate system set by the last Scale; pixels until then.
    Frame frame() const;
    // Where a point of the current coordinate system lies in widget pixels.
    QPointF toPixel(double x, double y) const;
    // Where a point of `frame` lies when the drawing area is `area`.
    static QPointF map(const Frame &frame, float x, float y, const QRectF &area);
    // Cuts the segment a-b to `rect`; false when none of it lies inside.
    static bool clip(QPointF &a, QPointF &b, const QRectF &rect);
    // A circle's radius in pixels of `area`: its x extent, whole and at least 1.
    static double circleRadius(const Stroke &circle, const QRectF &area);

    // The strokes as they are on screen, painted into `area` of any paint
    // device (a widget, an image, a PDF page) over the background colour.
    void paintDrawing(QPainter &painter, const QRectF &area) const;
    QColor background() const;

    // A context-menu item about the drawing: it is enabled only while the
    // surface has a drawing and, when `available` is given, while that holds.
    void addMenuAction(QAction *action, std::function<bool()> available = {});

    // What a screen reader hears of the drawing. It may be set again as marks
    // are added; a listening screen reader is told of the change once, when
    // the event that drew is done, so a solution is heard as one change.
    void setDescription(const QString &description);
    const QString &description() const { return description_; }

    // Whether anything listens to activated(); only then is it offered.
    bool isActivatable() const;
    void activate() { emit activated(); }

    void setVisible(bool visible) override;

signals:
    void activated();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void addLine(double x1, double y1, double x2, double y2, std::optional<int> colour);
    QPointF map(const Frame &frame, float x, float y) const;
    void drawSunkenBorder(QPainter &painter) const;
    void drawFocusIndicator(QPainter &painter) const;
    std::vector<std::vector<const Stroke *>> polylines() const;
    void repaintSoon();

    std::vector<std::pair<QAction *, std::function<bool()>>> menuActions_;
    std::optional<Frame> frame_;
    std::vector<Stroke> strokes_;
    bool repaintPending_ = false;
    QString description_;
    bool describePending_ = false;
};

} // namespace form_runtime
