#pragma once

#include <QFont>
#include <QFrame>
#include <QHash>

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
//
// Beside its strokes a chart may carry texts at points of the drawing, and
// axes: titles, numbers, named places and a legend. The axes are drawn only
// where they are shown (showAxes); the drawing then shrinks to leave them
// room. Notes are texts drawn only with the axes. A surface may follow
// another (follow), showing the same drawing whenever it changes; its line
// scale makes lines and texts grow with it.
class ChartSurface : public QFrame {
    Q_OBJECT

public:
    // The user coordinates of the drawing area's upper-left (x1, y1) and
    // lower-right (x2, y2) corners.
    struct Frame {
        float x1, y1, x2, y2;
    };

    enum class Dash { Solid, Dashed, Dotted, DashDotted };

    // How a line is drawn: its colour (none: the foreground colour), its
    // width in pixels at line scale 1, and its dash pattern. A guide (a grid
    // line) is drawn as any line, but texts may stand over it.
    struct LineStyle {
        std::optional<int> colour;
        float width = 1;
        Dash dash = Dash::Solid;
        bool guide = false;
    };

    struct Stroke {
        enum class Shape { Line, Circle };
        Shape shape;
        Frame frame;             // the coordinate system it was drawn in
        float x1, y1, x2, y2;    // a line's end points; a circle's centre (x1, y1) and radius x2
        std::optional<int> colour; // none: the foreground colour
        float width = 1;
        Dash dash = Dash::Solid;
        bool guide = false;
    };

    // A text at a point of the drawing. `align` says which of its sides lies
    // at the point: Qt::AlignLeft starts it there, Qt::AlignTop hangs it
    // below. Its lines are split at '\n'.
    struct Label {
        Frame frame;
        float x, y;
        QString text;
        Qt::Alignment align;
        std::optional<int> colour;
        bool withAxesOnly = false;
    };

    // An axis: its title, the range numbered with round numbers (none when
    // from equals to), and places named instead of numbered.
    struct Axis {
        QString title;
        double from = 0, to = 0; // in the frame's coordinates
        bool negated = false;    // the numbers are minus the coordinate
        bool grid = false;       // light lines across the drawing at the numbers
        std::vector<std::pair<double, QString>> marks = {};
    };

    struct LegendEntry {
        QString text;
        LineStyle style;
        bool circle = false; // a mark rather than a line
    };

    struct Axes {
        Frame frame;
        Axis x, y;
        std::vector<LegendEntry> legend;
    };

    explicit ChartSurface(QWidget *parent = nullptr);

    void Scale(double x1, double y1, double x2, double y2);
    void Cls();
    void Line(double x1, double y1, double x2, double y2);
    void Line(double x1, double y1, double x2, double y2, int colour);
    void Circle(double x, double y, double radius, int colour);
    void Line(double x1, double y1, double x2, double y2, const LineStyle &style);
    void Text(double x, double y, const QString &text, Qt::Alignment align, std::optional<int> colour = {});
    void Note(double x, double y, const QString &text, Qt::Alignment align, std::optional<int> colour = {});

    // The axes of the coordinate system of the last Scale; Cls removes them.
    void setAxes(Axis x, Axis y);
    void addLegendEntry(LegendEntry entry);
    const std::optional<Axes> &axes() const { return axes_; }
    void showAxes(bool shown);
    bool axesShown() const { return axesShown_; }
    const std::vector<Label> &labels() const { return labels_; }

    // Lines and texts are drawn this many times their width and size.
    void setLineScale(double scale);
    double lineScale() const { return lineScale_; }

    // What the pointer reads at a point of the coordinate system of the last
    // Scale, as "M = 1.25, A/A* = 1.0425": shown as a tooltip, and given to
    // pointRead(). Cls keeps it.
    void setReadOut(std::function<QString(double x, double y)> readOut);
    QString readOut(QPointF pixel) const;
    // Lines across the drawing at the pointer.
    void showCrossHair(bool shown) { crossHair_ = shown; }

    // Shows `source`'s drawing, labels, axes, description and read-out as
    // they are now.
    void copyFrom(const ChartSurface &source);

    // Where the strokes are drawn when the whole surface is `area`: all of
    // it, or what the axes leave.
    QRectF plotArea(const QRectF &area) const;
    // A drawing whose units are the same length across and up (a sketch whose
    // angles are true) keeps its shape in a surface of another shape: it is
    // drawn in the middle of `area`, as large as fits. Followers take it.
    void setTrueAngles(bool trueAngles) { trueAngles_ = trueAngles; }
    QRectF drawnArea(const QRectF &area) const;
    // The width of a line of text in `font`, remembered: a chart's numbers
    // and names mostly stay from one drawing to the next.
    qreal textWidth(const QString &text, const QFont &font) const;

    // What has been drawn since the last Cls, in order.
    const std::vector<Stroke> &strokes() const { return strokes_; }
    // The strokes joined into lines: each continues the one before it in the
    // same style, so that a curve is drawn as one line.
    std::vector<std::vector<const Stroke *>> polylines() const;
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
    // The drawing, its texts or its description changed; once an event.
    void drawingChanged();
    void pointRead(const QString &text); // empty when the pointer leaves

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void connectNotify(const QMetaMethod &signal) override;
    void disconnectNotify(const QMetaMethod &signal) override;
    void leaveEvent(QEvent *event) override;

private:
    void addLine(double x1, double y1, double x2, double y2, const LineStyle &style);
    void addLabel(double x, double y, const QString &text, Qt::Alignment align, std::optional<int> colour, bool withAxesOnly);
    QPointF map(const Frame &frame, float x, float y) const;
    void drawSunkenBorder(QPainter &painter) const;
    void drawFocusIndicator(QPainter &painter) const;
    void repaintSoon();

    std::vector<std::pair<QAction *, std::function<bool()>>> menuActions_;
    std::optional<Frame> frame_;
    std::vector<Stroke> strokes_;
    bool repaintPending_ = false;
    QString description_;
    bool describePending_ = false;
    bool changePending_ = false;
    int followers_ = 0; // connections to drawingChanged, counted as they are made
    std::vector<Label> labels_;
    std::optional<Axes> axes_;
    bool axesShown_ = false;
    double lineScale_ = 1;
    bool trueAngles_ = false;
    Frame readOutFrame_{};
    std::function<QString(double, double)> readOut_;
    bool crossHair_ = false;
    std::optional<QPointF> pointer_;
    mutable QHash<QString, qreal> textWidths_;
    mutable QFont textWidthsFont_;
};

} // namespace form_runtime
