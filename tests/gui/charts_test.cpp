#include "gui_helpers.h"

#include "charts/iteration_chart.h"
#include "charts/nozzle_chart.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"

#include <gtest/gtest.h>

namespace {

using form_runtime::ChartSurface;
using Shape = ChartSurface::Stroke::Shape;

const flow::GasConstants gas = flow::gasConstants();
constexpr int kGrey = form_runtime::RGB(200, 200, 200);

TEST(NozzleChart, SamplesTheContourFromMachPointZeroFiveToFour)
{
    ChartSurface surface;
    charts::GeoTables t;
    charts::grafik_Geo(surface, t, gas);
    EXPECT_EQ(t.M_geo[5], 0.05);
    EXPECT_NEAR(t.Y_geo[5], 5.795722, 5e-7);
    EXPECT_EQ(t.M_geo[50], 0.5);
    EXPECT_EQ(t.Y_geo[50], 1.3398437500000004 / 2);
    EXPECT_EQ(t.M_geo[100], 1);
    EXPECT_EQ(t.Y_geo[100], 0.5);
    EXPECT_EQ(t.Y_geo[200], 0.84375000000000011);
    EXPECT_NEAR(t.Y_geo[400], 5.359375, 1e-12);
    EXPECT_EQ(t.M_geo[4], 0); // never written
    EXPECT_EQ(t.M_geo[401], 0);
}

TEST(NozzleChart, DrawsGridThenBothWallsSegmentBySegment)
{
    ChartSurface surface;
    charts::GeoTables t;
    charts::grafik_Geo(surface, t, gas);
    const ChartSurface::Frame f = surface.frame();
    EXPECT_EQ(f.x1, -0.2f);
    EXPECT_EQ(f.y1, -6.1f);
    EXPECT_EQ(f.x2, 4.2f);
    EXPECT_EQ(f.y2, 6.1f);

    const auto &s = surface.strokes();
    ASSERT_EQ(s.size(), 9u + 7u + 2u * 395u);
    for (int n = 0; n < 9; ++n) {
        EXPECT_EQ(s[n].x1, 0.5f * n);
        EXPECT_EQ(s[n].x2, 0.5f * n);
        EXPECT_EQ(s[n].y1, -6);
        EXPECT_EQ(s[n].y2, 6);
        EXPECT_EQ(s[n].colour, kGrey);
    }
    for (int n = 0; n < 7; ++n) {
        EXPECT_EQ(s[9 + n].y1, -6 + 2 * n);
        EXPECT_EQ(s[9 + n].x1, 0);
        EXPECT_EQ(s[9 + n].x2, 4);
        EXPECT_EQ(s[9 + n].colour, kGrey);
    }
    // The walls start at M = 0.05, half-height 5.795722, and end at M = 4, 5.359375.
    const auto &upper = s[16], &lower = s[17];
    EXPECT_EQ(upper.x1, 0.05f);
    EXPECT_NEAR(upper.y1, 5.795722, 1e-6);
    EXPECT_NEAR(lower.y1, -5.795722, 1e-6);
    EXPECT_FALSE(upper.colour.has_value());
    EXPECT_EQ(s.back().x2, 4.0f);
    EXPECT_EQ(s.back().y2, -5.359375f);

    // A second drawing replaces the first.
    surface.Circle(1, 1, 1, form_runtime::kRed);
    charts::grafik_Geo(surface, t, gas);
    EXPECT_EQ(s.size(), 9u + 7u + 2u * 395u);
}

TEST(IterationChart, SamplesBothIterationFunctions)
{
    const charts::IterTables t = charts::iterationSamples(2, 1, gas);
    struct Row {
        int i;
        double Mx, F_sup, F_sub;
    };
    for (const Row &r : {Row{1, 0.02, 0, 0.289421}, Row{14, 0.28, 0, 0.303178}, Row{15, 0.3, 0.246163, 0.305260},
                         Row{25, 0.5, 1, 0.334961}, Row{50, 1, 1.599852, 0.5}, Row{100, 2, 2.127065, 1.6875},
                         Row{200, 4, 2.645751, 21.4375}}) {
        EXPECT_NEAR(t.Mx[r.i], r.Mx, 1e-15) << r.i;
        EXPECT_NEAR(t.F_sup[r.i], r.F_sup, 5e-7) << r.i;
        EXPECT_NEAR(t.F_sub[r.i], r.F_sub, 5e-7) << r.i;
    }
    for (int i = 1; i <= 14; ++i)
        EXPECT_EQ(t.F_sup[i], 0) << i;
    EXPECT_EQ(t.Ymax, 5);
}

TEST(IterationChart, HeightFollowsTheLargestSupersonicValue)
{
    const charts::IterTables wide = charts::iterationSamples(100, 1, gas);
    EXPECT_NEAR(wide.Ymax, 6.261659, 5e-7);
    EXPECT_GT(wide.F_sup[1], 0);
    const charts::IterTables two = charts::iterationSamples(2, 1, gas);
    EXPECT_GT(two.F_sub[200], two.Ymax); // F_sub never raises it

    const charts::IterTables sonic = charts::iterationSamples(1, 1, gas);
    EXPECT_EQ(sonic.F_sup[28], 0);
    EXPECT_GT(sonic.F_sup[29], 0);
    EXPECT_NEAR(sonic.F_sup[50], 1, 1e-15);
    EXPECT_NEAR(sonic.F_sub[50], 1, 1e-15);
}

TEST(IterationChart, DrawsSonicLineAxisThenThreeCurves)
{
    ChartSurface surface;
    charts::Grafik_iter(surface, 2, 1, gas);
    charts::Grafik_iter(surface, 100, 1, gas); // only the second drawing remains
    const ChartSurface::Frame f = surface.frame();
    EXPECT_EQ(f.x1, -0.2f);
    EXPECT_NEAR(f.y1, -6.261659, 5e-6);
    EXPECT_EQ(f.x2, 4.2f);
    EXPECT_EQ(f.y2, 0.1f);

    const auto &s = surface.strokes();
    ASSERT_EQ(s.size(), 2u + 3u * 199u);
    EXPECT_EQ(s[0].x1, 1);
    EXPECT_EQ(s[0].y1, -5);
    EXPECT_EQ(s[0].y2, 5);
    EXPECT_EQ(s[1].x2, 3);
    EXPECT_EQ(s[1].y2, 0);
    EXPECT_FALSE(s[0].colour.has_value()); // sonic line and axis in the foreground colour
    EXPECT_FALSE(s[1].colour.has_value());
    const auto &diagonal = s[2], &sup = s[3], &sub = s[4];
    EXPECT_EQ(diagonal.x1, 0.02f);
    EXPECT_EQ(diagonal.y1, -0.02f);
    EXPECT_FALSE(diagonal.colour.has_value());
    EXPECT_EQ(sup.colour, form_runtime::kRed);
    EXPECT_EQ(sub.colour, form_runtime::kRed);
    EXPECT_LT(sup.y1, 0); // negated values
    EXPECT_EQ(s.back().x2, 4);
}

} // namespace
