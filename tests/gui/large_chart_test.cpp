// The charts as a class reads them: the Back pressure chart's axes, numbers
// and legend in its saved drawing, each chart opened large from its menu and
// following the solves, and the values read under the pointer.

#include "solve_fixture.h"

#include "backpressure_window/form_backpressure.h"
#include "form_runtime/chart_decor.h"
#include "form_runtime/chart_export.h"
#include "form_runtime/chart_surface.h"

#include <QAction>
#include <QDockWidget>
#include <QLineEdit>
#include <QXmlStreamReader>

#include <set>

namespace {

using form_runtime::ChartSurface;
using testing_gui::SolveTest;

// Where the point (x, y) of the chart's axes lies on the widget.
QPointF pixelOf(const ChartSurface &chart, double x, double y)
{
    return ChartSurface::map(chart.axes()->frame, float(x), float(y), chart.plotArea(chart.contentsRect()));
}

void openLarge(ChartSurface *chart)
{
    for (QAction *action : chart->findChildren<QAction *>())
        if (action->text() == QLatin1String("Open large"))
            action->trigger();
    QCoreApplication::processEvents();
}

TEST_F(SolveTest, BackPressureChartSavesItsAxesAndLegendAsTextAndReadsThePlace)
{
    solveForMach(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("2")); // Ae/At = 2
    auto &window = testing_gui::panelOf<Form_BackPressure>(form, "Mn_BackPressure");
    window.findChild<QLineEdit *>(QStringLiteral("Text_pbp0"))->setText(QStringLiteral("0.6")); // a shock inside
    auto *chart = window.findChild<ChartSurface *>(QStringLiteral("Picture_pressure"));
    chart->resize(600, 400); // the numbers a chart has room for depend on its size, which each platform's fonts set

    QStringList texts;
    std::set<QString> dashes;
    QXmlStreamReader svg(form_runtime::chartSvg(*chart));
    while (!svg.atEnd() && svg.readNext() != QXmlStreamReader::Invalid) {
        if (svg.isStartElement() && svg.name() == QLatin1String("text"))
            texts << svg.readElementText();
        else if (svg.isStartElement() && svg.attributes().hasAttribute(QLatin1String("stroke-dasharray"))) {
            // The pattern in line widths: a wider line of the same pattern is not another pattern.
            const double width = svg.attributes().hasAttribute(QLatin1String("stroke-width"))
                                     ? svg.attributes().value(QLatin1String("stroke-width")).toDouble() : 1;
            QStringList pattern;
            for (const auto &dash : svg.attributes().value(QLatin1String("stroke-dasharray")).split(QLatin1Char(' ')))
                pattern << QString::number(dash.toDouble() / width, 'g', 3);
            dashes.insert(pattern.join(QLatin1Char(' ')));
        }
    }
    ASSERT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    // The vertical axis titled and numbered 0 to 1; the places named with their
    // areas; the curves in the legend with their critical back pressures
    // (Ae/At = 2: 0.9372, 0.5134 and 0.09393, NACA 1135's table).
    for (const char *text : {"p/p01", "0", "0.2", "0.4", "0.6", "0.8", "1", "inlet", "A/At = 2.5", "throat", "exit",
                             "Ae/At = 2", "today's flow", "choked, subsonic exit (0.9372)",
                             "normal shock at the exit (0.5134)", "design (0.09393)", "pb/p01 = 0.6", "shock"})
        EXPECT_TRUE(texts.contains(QLatin1String(text))) << text << " in " << texts.join(QLatin1Char('|')).toStdString();
    // The three limiting curves each in a dash pattern of its own (the centre line dash-dotted too).
    EXPECT_EQ(dashes.size(), 3u) << "dashed, dotted, dash-dotted";

    // Read at the throat: sonic, p/p01 = (2/2.4)^3.5; at the exit, behind the shock: pb.
    EXPECT_EQ(chart->readOut(pixelOf(*chart, 1, 0.5)), QStringLiteral("Diverging part: A/At = 1.0000, M = 1.0000, p/p01 = 0.5283"));
    EXPECT_TRUE(chart->readOut(pixelOf(*chart, 3, 0.5)).endsWith(QLatin1String("A/At = 2.0000, M = 0.4719, p/p01 = 0.6000")))
        << chart->readOut(pixelOf(*chart, 3, 0.5)).toStdString();
    EXPECT_EQ(chart->readOut(pixelOf(*chart, 3.2, 0.5)), QStringLiteral("Beyond the exit: pb/p01 = 0.6000"));
}

TEST_F(SolveTest, ChartOpensLargeAndFollowsEverySolve)
{
    solveForMach(QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("1"));
    auto *geo = form.findChild<ChartSurface *>(QStringLiteral("Picture_geo"));
    openLarge(geo);
    auto *dock = form.findChild<QDockWidget *>(QStringLiteral("Dock_Large_Picture_geo"));
    ASSERT_NE(dock, nullptr);
    EXPECT_TRUE(dock->isVisible());
    auto *large = dock->findChild<ChartSurface *>(QStringLiteral("Picture_large"));
    ASSERT_NE(large, nullptr);
    EXPECT_GT(large->width(), geo->width());
    EXPECT_GT(large->height(), geo->height());
    EXPECT_TRUE(large->axesShown());
    EXPECT_EQ(large->strokes().size(), geo->strokes().size());
    EXPECT_EQ(large->description(), geo->description());

    // The pointer at M = 1.25 reads A/A* = (1/1.25) (1.3125/1.2)^3 = 1.04675.
    EXPECT_EQ(large->readOut(pixelOf(*large, 1.25, 1)), QStringLiteral("M = 1.25, A/A* = 1.0468"));

    // A new solve: the large chart shows its stations, labelled with their values.
    solveForArea(QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("2"));
    QCoreApplication::processEvents();
    EXPECT_EQ(large->strokes().size(), geo->strokes().size());
    QStringList labels;
    for (const ChartSurface::Label &label : large->labels())
        labels << label.text;
    EXPECT_EQ(labels, (QStringList{"M1 = 0.5", "M2 = 2"}));
    EXPECT_EQ(large->description(), geo->description());

    // Floated onto a 1920x1080 projector, its lines and texts grow with it.
    const double small = large->lineScale();
    dock->setFloating(true);
    dock->resize(1800, 1000);
    QCoreApplication::processEvents();
    EXPECT_GT(large->lineScale(), 2 * small);
    EXPECT_GT(form_runtime::decorate(*large, large->contentsRect()).font.pointSizeF(), 2 * large->font().pointSizeF());
    dock->setFloating(false);

    // Behind another panel's tab it keeps the drawing it had, and takes the
    // new one when it comes to the front.
    form.findChild<QAction *>(QStringLiteral("Mn_Stations"))->trigger();
    QCoreApplication::processEvents();
    ASSERT_TRUE(large->visibleRegion().isEmpty());
    const std::size_t before = large->strokes().size();
    solveForMach(QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("1"));
    QCoreApplication::processEvents();
    ASSERT_NE(geo->strokes().size(), before);
    EXPECT_EQ(large->strokes().size(), before) << "hidden, it followed the solve";
    openLarge(geo);
    EXPECT_EQ(large->strokes().size(), geo->strokes().size());
    EXPECT_EQ(large->description(), geo->description());

    // Opened again, the same panel comes forward; the other charts get their own.
    openLarge(geo);
    EXPECT_EQ(form.findChildren<QDockWidget *>(QStringLiteral("Dock_Large_Picture_geo")).size(), 1);
}

} // namespace
