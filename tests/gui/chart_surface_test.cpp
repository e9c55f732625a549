#include "gui_helpers.h"

#include "flow/arithmetic.h"
#include "form_runtime/chart_decor.h"
#include "form_runtime/chart_export.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"

#include <QTest>
#include <QXmlStreamReader>

#include <cmath>

#include <gtest/gtest.h>

namespace {

using form_runtime::ChartSurface;
using form_runtime::colourOf;
using testing_gui::hasColourNear;
using testing_gui::rendered;

const QColor red = colourOf(form_runtime::kRed);
const QColor blue = colourOf(form_runtime::kBlue);
const QColor background(255, 255, 192);

class ChartSurfaceTest : public testing::Test {
protected:
    void SetUp() override
    {
        QPalette palette = surface.palette();
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::WindowText, Qt::black);
        surface.setPalette(palette);
        surface.resize(200, 120);
        surface.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
    }

    ChartSurface surface;
};

TEST_F(ChartSurfaceTest, ScaleMapsTheCornersOfTheDrawingArea)
{
    const QRectF area = surface.contentsRect();
    surface.Scale(-1, 10, 3, -2); // y points upward
    EXPECT_EQ(surface.toPixel(-1, 10), area.topLeft());
    EXPECT_EQ(surface.toPixel(3, -2), QPointF(area.left() + area.width(), area.top() + area.height()));
    EXPECT_EQ(surface.toPixel(1, 4), QPointF(area.left() + area.width() / 2, area.top() + area.height() / 2));

    surface.Scale(0, 0, 4, 2); // y points downward
    EXPECT_LT(surface.toPixel(0, 0.5).y(), surface.toPixel(0, 1.5).y());
}

TEST_F(ChartSurfaceTest, DrawsLinesInTheirColourOrTheForeground)
{
    surface.Scale(0, 0, 4, 4);
    surface.Line(0, 1, 4, 1, form_runtime::kRed);
    surface.Line(0, 3, 4, 3);
    const QImage image = rendered(&surface);
    EXPECT_TRUE(hasColourNear(image, surface.toPixel(2, 1), red));
    EXPECT_TRUE(hasColourNear(image, surface.toPixel(2, 3), Qt::black));
    EXPECT_TRUE(hasColourNear(image, surface.toPixel(2, 2), background, 0, 0));
    ASSERT_EQ(surface.strokes().size(), 2u);
    EXPECT_EQ(surface.strokes()[0].colour, form_runtime::kRed);
    EXPECT_FALSE(surface.strokes()[1].colour.has_value());
}

TEST_F(ChartSurfaceTest, CircleIsRoundWithItsRadiusInXUnits)
{
    surface.resize(204, 124); // a drawing area of 200 x 120 inside the 2-pixel border
    surface.Scale(0, 0, 4, 1); // 50 pixels an x unit, 120 a y unit
    surface.Circle(2, 0.5, 0.5, form_runtime::kBlue);
    const QImage image = rendered(&surface);
    const QPointF centre(2 + 100, 2 + 60);
    for (QPointF edge : {QPointF(25, 0), QPointF(-25, 0), QPointF(0, 25), QPointF(0, -25)})
        EXPECT_TRUE(hasColourNear(image, centre + edge, blue)) << edge.x() << "," << edge.y();
    EXPECT_FALSE(hasColourNear(image, centre + QPointF(0, 40), blue, 3));
    EXPECT_TRUE(hasColourNear(image, centre, background, 0, 0));
}

TEST_F(ChartSurfaceTest, ClsRemovesEverythingDrawn)
{
    surface.Scale(0, 0, 4, 4);
    surface.Line(0, 2, 4, 2, form_runtime::kRed);
    surface.Cls();
    EXPECT_TRUE(surface.strokes().empty());
    EXPECT_FALSE(hasColourNear(rendered(&surface), surface.toPixel(2, 2), red, 2));
}

TEST_F(ChartSurfaceTest, DrawingSurvivesResizingButNotHiding)
{
    surface.Scale(0, 0, 4, 4);
    surface.Line(0, 2, 4, 2, form_runtime::kRed);
    surface.resize(300, 200);
    EXPECT_TRUE(hasColourNear(rendered(&surface), surface.toPixel(2, 2), red));
    surface.setDescription(QStringLiteral("a red line"));
    // Hidden by the program, it shows only its background when shown again.
    surface.hide();
    surface.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
    EXPECT_FALSE(hasColourNear(rendered(&surface), surface.toPixel(2, 2), red, 2));
    EXPECT_TRUE(surface.description().isEmpty());
}

TEST_F(ChartSurfaceTest, CoordinatesBeyondSinglePrecisionOverflow)
{
    surface.Scale(0, 0, 4, 4);
    try {
        surface.Line(0, 0, 1e39, 1);
        FAIL() << "no overflow";
    } catch (const flow::ArithmeticError &e) {
        EXPECT_EQ(e.kind(), flow::ArithmeticError::Kind::Overflow);
    }
    EXPECT_TRUE(surface.strokes().empty());
    // Far but representable points are clipped, not lost: the line still crosses the area.
    surface.Line(-3e38, 2, 3e38, 2, form_runtime::kRed);
    EXPECT_TRUE(hasColourNear(rendered(&surface), surface.toPixel(2, 2), red));
}

TEST_F(ChartSurfaceTest, DoubleClickIsReported)
{
    int doubleClicks = 0;
    QObject::connect(&surface, &ChartSurface::activated, [&] { ++doubleClicks; });
    QTest::mouseDClick(&surface, Qt::LeftButton);
    EXPECT_EQ(doubleClicks, 1);
}

} // namespace

namespace {

// Round numbers for an axis: steps of 1, 2 or 5 times a power of ten, no more
// than asked for, with the decimals the step needs.
TEST(ChartAxes, RoundNumbersStepByOneTwoOrFiveWithTheDecimalsTheyNeed)
{
    struct Case {
        double from, to;
        int most;
        std::vector<double> values;
        int decimals;
    };
    const Case cases[] = {
        {0, 1, 5, {0, 0.2, 0.4, 0.6, 0.8, 1}, 1},
        {-6, 6, 6, {-6, -4, -2, 0, 2, 4, 6}, 0},
        {0, 4, 8, {0, 0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4}, 1},
        {-0.2, 1.57, 4, {0, 0.5, 1, 1.5}, 1},
        {0.0012, 0.0031, 4, {0.0015, 0.002, 0.0025, 0.003}, 4},
        {5, 0, 2, {0, 5}, 0}, // either way round
        {1, 1, 5, {}, 0},     // no range, no numbers
        {0, INFINITY, 5, {}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " to " << c.to << ", at most " << c.most);
        const form_runtime::RoundNumbers r = form_runtime::roundNumbers(c.from, c.to, c.most);
        ASSERT_EQ(r.values.size(), c.values.size());
        for (std::size_t i = 0; i < c.values.size(); ++i)
            EXPECT_NEAR(r.values[i], c.values[i], 1e-12);
        EXPECT_EQ(r.decimals, c.decimals);
    }
}

} // namespace

TEST_F(ChartSurfaceTest, AxesShrinkTheDrawingAndBringTheirNotesIntoEveryCopy)
{
    surface.resize(400, 300);
    surface.Scale(0, 1, 4, 0);
    surface.Line(0, 0.5, 4, 0.5, form_runtime::ChartSurface::LineStyle{form_runtime::kRed, 2, form_runtime::ChartSurface::Dash::Dashed});
    surface.setAxes({QStringLiteral("M"), 0, 4}, {QStringLiteral("p/p0"), 0, 1});
    surface.addLegendEntry({QStringLiteral("the red line"), {form_runtime::kRed}});
    surface.Note(2, 0.5, QStringLiteral("a note"), Qt::AlignHCenter | Qt::AlignBottom);
    const auto svgTexts = [this] {
        QStringList texts;
        QXmlStreamReader svg(form_runtime::chartSvg(surface));
        while (!svg.atEnd() && svg.readNext() != QXmlStreamReader::Invalid)
            if (svg.isStartElement() && svg.name() == QLatin1String("text"))
                texts << svg.readElementText();
        return texts;
    };
    // Hidden, the axes take no room and their note is nowhere.
    EXPECT_EQ(surface.plotArea(surface.contentsRect()), QRectF(surface.contentsRect()));
    EXPECT_TRUE(svgTexts().isEmpty());
    surface.showAxes(true);
    const QRectF plot = surface.plotArea(surface.contentsRect());
    EXPECT_GT(plot.left(), surface.contentsRect().left() + 10) << "room for the numbers";
    EXPECT_LT(plot.bottom(), surface.contentsRect().bottom() - 20) << "room for the numbers, the title and the legend";
    for (const char *text : {"M", "p/p0", "0", "1", "4", "the red line", "a note"})
        EXPECT_TRUE(svgTexts().contains(QLatin1String(text))) << text;
    // The dashed line has its gaps, and lies in the drawing's smaller area.
    const QImage image = rendered(&surface);
    const double y = ChartSurface::map(surface.frame(), 0, 0.5, plot).y();
    int dashes = 0, gaps = 0;
    for (double x = plot.left() + 2; x < plot.right() - 2; x += 1)
        (hasColourNear(image, QPointF(x, y), red, 0) ? dashes : gaps) += 1;
    EXPECT_GT(dashes, 100);
    EXPECT_GT(gaps, 30);
}
