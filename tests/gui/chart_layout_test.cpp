// Every chart's texts as a class reads them off a projected screen: no text
// over another text, an axis, a tick number or the legend; no label crossed
// by a line of the drawing; the numbers of each axis reaching over its
// curves; each legend entry drawn as its curve is. Checked on the laid-out
// drawing that the screen and every file are painted from, in the states a
// trial found texts colliding in, at the chart's size and projected larger.

#include "solve_fixture.h"

#include "backpressure_window/form_backpressure.h"
#include "duct_window/form_duct.h"
#include "form_runtime/chart_decor.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"
#include "reservoir_window/form_reservoir.h"

#include <QAction>
#include <QDir>
#include <QDockWidget>
#include <QMenu>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <tuple>

namespace {

using form_runtime::ChartDecor;
using form_runtime::ChartSurface;
using testing_gui::SolveTest;

QString shown(const ChartDecor::Text &t)
{
    return QLatin1Char('"') + t.text.simplified() + QLatin1Char('"');
}

// Whether a line of the picture passes through the box; a touch at its edge
// (half a pixel) does not count.
bool crosses(QLineF line, const QRectF &box)
{
    QPointF a = line.p1(), b = line.p2();
    return ChartSurface::clip(a, b, box.adjusted(0.5, 0.5, -0.5, -0.5));
}

// What is wrong with the chart's texts laid out in `area`.
QStringList layoutFaults(const ChartSurface &chart, const QRectF &area)
{
    const ChartDecor d = form_runtime::decorate(chart, area);
    QStringList faults;
    std::set<QString> labels;
    for (const ChartSurface::Label &l : chart.labels())
        labels.insert(l.text);

    for (std::size_t i = 0; i < d.texts.size(); ++i) {
        const ChartDecor::Text &t = d.texts[i];
        if (!area.adjusted(-0.5, -0.5, 0.5, 0.5).contains(t.box))
            faults << shown(t) + " outside the chart";
        if (qEnvironmentVariableIsSet("VENTROLEX_CHART_BOXES"))
            faults << shown(t) + QStringLiteral(" at %1,%2 %3x%4").arg(t.box.x()).arg(t.box.y()).arg(t.box.width()).arg(t.box.height());
        for (std::size_t j = i + 1; j < d.texts.size(); ++j)
            if (t.box.adjusted(0.5, 0.5, -0.5, -0.5).intersects(d.texts[j].box))
                faults << shown(t) + " over " + shown(d.texts[j]);
        for (const ChartDecor::Line &l : d.lines)
            if (crosses(l.line, t.box))
                faults << "an axis, tick, leader or legend line through " + shown(t);
        if (labels.count(t.text) == 0)
            continue;
        // A label is crossed by no line of the drawing but a guide, not even its own.
        for (const ChartSurface::Stroke &s : chart.strokes()) {
            if (s.guide)
                continue;
            if (s.shape == ChartSurface::Stroke::Shape::Circle) {
                const QPointF c = ChartSurface::map(s.frame, s.x1, s.y1, d.plot);
                const double r = ChartSurface::circleRadius(s, d.plot);
                if (QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r).intersects(t.box.adjusted(0.5, 0.5, -0.5, -0.5)))
                    faults << "a mark under " + shown(t);
                continue;
            }
            QPointF a = ChartSurface::map(s.frame, s.x1, s.y1, d.plot), b = ChartSurface::map(s.frame, s.x2, s.y2, d.plot);
            if (ChartSurface::clip(a, b, d.plot) && crosses({a, b}, t.box)) {
                faults << "a line of the drawing through " + shown(t) + QStringLiteral(" (%1,%2 to %3,%4 px)").arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y());
                break;
            }
        }
    }
    if (!chart.axesShown() || !chart.axes())
        return faults;

    // The numbers of the vertical axis, left of the drawing, reach over every curve drawn.
    qreal numbersTop = INFINITY, numbersBottom = -INFINITY;
    for (const ChartDecor::Text &t : d.texts) {
        bool number = false;
        QString(t.text).replace(QChar(0x2212), QLatin1Char('-')).toDouble(&number);
        if (number && t.box.right() <= d.plot.left()) {
            numbersTop = std::min(numbersTop, t.box.center().y());
            numbersBottom = std::max(numbersBottom, t.box.center().y());
        }
    }
    for (const auto &line : chart.polylines()) {
        if (line.size() < 3 || line.front()->guide)
            continue; // a curve, not a mark or a guide
        for (const ChartSurface::Stroke *s : line) {
            QPointF a = ChartSurface::map(s->frame, s->x1, s->y1, d.plot), b = ChartSurface::map(s->frame, s->x2, s->y2, d.plot);
            if (!ChartSurface::clip(a, b, d.plot))
                continue;
            if (std::min(a.y(), b.y()) < numbersTop - 1 || std::max(a.y(), b.y()) > numbersBottom + 1) {
                faults << QStringLiteral("a curve beyond the vertical axis's numbers (%1 to %2 px) at y = %3 px")
                              .arg(numbersTop).arg(numbersBottom).arg(std::min(a.y(), b.y()));
                break;
            }
        }
    }

    // Each legend entry is drawn as a curve or mark of the drawing is, and
    // as no other entry.
    std::set<std::tuple<QRgb, int, bool>> entries;
    const QColor foreground = chart.palette().color(QPalette::WindowText);
    const auto colourOf = [&foreground](const std::optional<int> &c) {
        return (c ? form_runtime::colourOf(*c) : foreground).rgb();
    };
    for (const ChartSurface::LegendEntry &e : chart.axes()->legend) {
        const auto key = std::tuple{colourOf(e.style.colour), int(e.circle ? ChartSurface::Dash::Solid : e.style.dash), e.circle};
        if (!entries.insert(key).second)
            faults << "legend entry \"" + e.text + "\" drawn as another entry is";
        const bool drawn = std::any_of(chart.strokes().begin(), chart.strokes().end(), [&](const ChartSurface::Stroke &s) {
            return (s.shape == ChartSurface::Stroke::Shape::Circle) == e.circle && colourOf(s.colour) == std::get<0>(key) &&
                   (e.circle || s.dash == e.style.dash);
        });
        if (!drawn)
            faults << "legend entry \"" + e.text + "\" drawn as no line of the chart";
    }
    return faults;
}

// The chart laid out at its size, and projected at two and a half times it.
void expectClearTexts(ChartSurface &chart, const char *state)
{
    SCOPED_TRACE(testing::Message() << state << ", " << chart.objectName().toStdString());
    ASSERT_TRUE(chart.isVisible());
    ASSERT_FALSE(chart.strokes().empty());
    const double scale = chart.lineScale();
    const QRectF own = chart.contentsRect();
    for (const double projected : {1.0, 2.5}) {
        chart.setLineScale(scale * projected);
        const QRectF area(own.topLeft(), own.size() * projected);
        const QStringList faults = layoutFaults(chart, area);
        EXPECT_TRUE(faults.isEmpty()) << "at " << area.width() << "x" << area.height() << ":\n"
                                      << faults.join(QLatin1Char('\n')).toStdString();
        if (!qEnvironmentVariableIsEmpty("VENTROLEX_CHART_SHOTS")) { // to look at
            QImage image(area.size().toSize(), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            chart.paintDrawing(painter, QRectF(QPointF(0, 0), area.size()));
            painter.end();
            QDir().mkpath(qEnvironmentVariable("VENTROLEX_CHART_SHOTS"));
            image.save(qEnvironmentVariable("VENTROLEX_CHART_SHOTS") + QStringLiteral("/%1-%2-%3.png")
                                                                          .arg(QLatin1String(state), chart.accessibleName().section(QLatin1Char(' '), 0, 1))
                                                                          .arg(projected));
        }
    }
    chart.setLineScale(scale);
}

class ChartLayoutTest : public SolveTest {
protected:
    ChartSurface &large(const char *source)
    {
        auto *chart = form.findChild<ChartSurface *>(QLatin1String(source));
        for (QAction *action : chart->findChildren<QAction *>())
            if (action->text() == QLatin1String("Open large"))
                action->trigger();
        QCoreApplication::processEvents();
        auto *dock = form.findChild<QDockWidget *>(QStringLiteral("Dock_Large_") + QLatin1String(source));
        return *dock->findChild<ChartSurface *>(QStringLiteral("Picture_large"));
    }
    Form_BackPressure &backPressure() { return testing_gui::panelOf<Form_BackPressure>(form, "Mn_BackPressure"); }
    void typeInto(QWidget &panel, const char *box, const QString &text)
    {
        panel.findChild<QLineEdit *>(QLatin1String(box))->setText(text);
        QCoreApplication::processEvents();
    }
    ChartSurface &chart(QWidget &panel, const char *name) { return *panel.findChild<ChartSurface *>(QLatin1String(name)); }
    // The SI problem: 1 MPa and 500 K in the reservoir, M1 = 1, A1 = 10, A2 = 25.
    void solveTheSIExample()
    {
        auto &reservoir = testing_gui::panelOf<Form_Reservoir>(form, "Mn_Reservoir");
        typeInto(reservoir, "Text_p0", QStringLiteral("1000")); // kPa
        typeInto(reservoir, "Text_T0", QStringLiteral("500"));
        typeInto(reservoir, "Text_R", QStringLiteral("287"));
        solveForMach(QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("25"));
        QCoreApplication::processEvents();
    }
};

TEST_F(ChartLayoutTest, LargeChartsAfterTheSIExample)
{
    solveTheSIExample();
    expectClearTexts(large("Picture_geo"), "si");
    expectClearTexts(large("Picture_iter"), "si");
}

TEST_F(ChartLayoutTest, BackPressureChartsInTheStatesTheTrialFound)
{
    solveTheSIExample();
    Form_BackPressure &panel = backPressure();
    panel.show();
    const std::function<void()> helium = [this] {
        for (QAction *gas : form.findChild<QMenu *>(QStringLiteral("Mn_Gas"))->actions())
            if (gas->text().startsWith(QLatin1String("Helium")))
                gas->trigger();
    };
    struct State {
        const char *name;
        std::function<void()> reach;
        std::vector<const char *> charts;
    };
    for (const State &s : std::vector<State>{
             {"atmosphere", [&] { typeInto(panel, "Text_pb", QStringLiteral("101.325")); },
              {"Picture_lip", "Picture_pressure", "Picture_CF"}},
             {"vacuum", [&] { typeInto(panel, "Text_pbp0", QStringLiteral("0")); }, {"Picture_lip", "Picture_pressure", "Picture_CF"}},
             {"cf", [&] { typeInto(panel, "Text_pbp0", QStringLiteral("0.01")); }, {"Picture_lip", "Picture_pressure", "Picture_CF"}},
             {"helium",
              [&] {
                  helium();
                  typeInto(panel, "Text_AeAt", QStringLiteral("4"));
                  typeInto(panel, "Text_pbp0", QStringLiteral("0.01"));
              },
              {"Picture_lip", "Picture_pressure", "Picture_CF"}},
         }) {
        s.reach();
        QCoreApplication::processEvents();
        for (const char *name : s.charts)
            expectClearTexts(chart(panel, name), s.name);
    }
}

// The lip sketch opens large, and there its waves keep their angles: each
// line leaves at the angle it has in the panel, in a view of another shape.
TEST_F(ChartLayoutTest, LipSketchOpensLargeWithItsAnglesTrue)
{
    solveTheSIExample();
    Form_BackPressure &panel = backPressure();
    panel.show();
    for (const char *pb : {"101.325", "0"}) {
        SCOPED_TRACE(pb);
        typeInto(panel, "Text_pb", QLatin1String(pb));
        ChartSurface &small = chart(panel, "Picture_lip");
        ChartSurface &shown = large("Picture_lip");
        QCoreApplication::processEvents();
        ASSERT_EQ(shown.strokes().size(), small.strokes().size());
        const QRectF smallArea = small.drawnArea(small.contentsRect()), largeArea = shown.drawnArea(shown.contentsRect());
        EXPECT_GT(largeArea.width(), smallArea.width());
        EXPECT_NE(shown.contentsRect().width() * smallArea.height(), shown.contentsRect().height() * smallArea.width())
            << "a view of another shape";
        const auto angle = [](const ChartSurface::Stroke &s, const QRectF &area) {
            const QLineF line(ChartSurface::map(s.frame, s.x1, s.y1, area), ChartSurface::map(s.frame, s.x2, s.y2, area));
            return line.angle();
        };
        int lines = 0;
        for (std::size_t i = 0; i < small.strokes().size(); ++i) {
            const ChartSurface::Stroke &s = small.strokes()[i];
            if (s.shape != ChartSurface::Stroke::Shape::Line || (s.x1 == s.x2 && s.y1 == s.y2))
                continue;
            EXPECT_NEAR(angle(shown.strokes()[i], largeArea), angle(s, smallArea), 0.05) << "stroke " << i;
            ++lines;
        }
        EXPECT_GT(lines, 2);
        expectClearTexts(shown, pb);
    }
}

// The Duct panel's charts: the shock in the duct (4fL/D = 0.5) and a heated
// supersonic duct (T02/T01 = 1.3), both at pb/p01 = 0.1.
TEST_F(ChartLayoutTest, DuctChartsInTheirRegimes)
{
    form.findChild<QAction *>(QStringLiteral("Mn_Duct"))->trigger();
    QWidget &panel = *form.findChild<Form_Duct *>();
    panel.show();
    for (const auto &[box, value, name] : {std::tuple{"Text_fLD", "0.5", "friction"}, std::tuple{"Text_T0Ratio", "1.3", "heat"}}) {
        typeInto(panel, box, QLatin1String(value));
        typeInto(panel, "Text_pbp0", QStringLiteral("0.1"));
        for (const char *chartName : {"Picture_duct", "Picture_ts"})
            expectClearTexts(chart(panel, chartName), name);
    }
}

} // namespace
