#include "charts/nozzle_chart.h"

#include "flow/area_ratio.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"

namespace charts {

namespace {

constexpr double kMachRange = 4;
constexpr double kHalfHeightRange = 6;
constexpr int kDivisions = 400;
constexpr int kFirstSample = 5;
constexpr int kGridGrey = form_runtime::RGB(200, 200, 200);

} // namespace

void grafik_Geo(form_runtime::ChartSurface &Picture_geo, GeoTables &tables, const flow::GasConstants &gas)
{
    auto &[M_geo, Y_geo] = tables;
    for (int i = kFirstSample; i <= kDivisions; ++i) {
        M_geo[i] = kMachRange * (double(i) / kDivisions);
        Y_geo[i] = flow::AAfM(M_geo[i], gas) / 2;
    }

    Picture_geo.Scale(-0.2, -(kHalfHeightRange + 0.1), kMachRange + 0.2, kHalfHeightRange + 0.1);
    Picture_geo.Cls();

    for (int n = 0; n <= 8; ++n) {
        const double x = 0.5 * n;
        Picture_geo.Line(x, -kHalfHeightRange, x, kHalfHeightRange, kGridGrey);
    }
    for (int y = -6; y <= 6; y += 2)
        Picture_geo.Line(0, y, kMachRange, y, kGridGrey);

    // Upper and lower wall, segment by segment.
    for (int i = kFirstSample + 1; i <= kDivisions; ++i) {
        Picture_geo.Line(M_geo[i - 1], Y_geo[i - 1], M_geo[i], Y_geo[i]);
        Picture_geo.Line(M_geo[i - 1], -Y_geo[i - 1], M_geo[i], -Y_geo[i]);
    }
    Picture_geo.setDescription(QStringLiteral("Nozzle contour from M 0.05 to 4"));
}

} // namespace charts
