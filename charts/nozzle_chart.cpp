#include "charts/nozzle_chart.h"

#include "flow/area_ratio.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"
#include "form_runtime/text_box.h"

#include <algorithm>
#include <cmath>

namespace charts {

namespace {

constexpr double kMachRange = 4;
constexpr double kHalfHeightRange = 6;
constexpr int kDivisions = 400;
constexpr int kFirstSample = 5;
constexpr int kGridGrey = form_runtime::RGB(200, 200, 200);
const form_runtime::ChartSurface::LineStyle kGrid{kGridGrey, 1, form_runtime::ChartSurface::Dash::Solid, true};

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
        Picture_geo.Line(x, -kHalfHeightRange, x, kHalfHeightRange, kGrid);
    }
    for (int y = -6; y <= 6; y += 2)
        Picture_geo.Line(0, y, kMachRange, y, kGrid);

    // Upper and lower wall, segment by segment.
    for (int i = kFirstSample + 1; i <= kDivisions; ++i) {
        Picture_geo.Line(M_geo[i - 1], Y_geo[i - 1], M_geo[i], Y_geo[i]);
        Picture_geo.Line(M_geo[i - 1], -Y_geo[i - 1], M_geo[i], -Y_geo[i]);
    }
    Picture_geo.setDescription(QStringLiteral("Horizontal: the Mach number, 0.05 to 4. Vertical: half the area "
                                              "ratio, ±(A/A*)/2, 0 to 6 each way. Nozzle contour from M 0.05 to 4"));

    // The upper wall is drawn at minus the half-height: its numbers are negated.
    Picture_geo.setAxes({QStringLiteral("M"), 0, kMachRange},
                        {QStringLiteral("\u00b1(A/A*)/2"), -kHalfHeightRange, kHalfHeightRange, true});
    Picture_geo.addLegendEntry({QStringLiteral("contour ±(A/A*)/2"), {}});
    Picture_geo.setReadOut([gas](double x, double) -> QString {
        const double M = std::round(x * 100) / 100; // the pointer is good for two decimals
        if (M < 0.05 || M > kMachRange)
            return {};
        return QStringLiteral("M = %1, A/A* = %2").arg(QString::number(M, 'f', 2), form_runtime::ratioText(flow::AAfM(M, gas)));
    });
}

void markStation(form_runtime::ChartSurface &Picture_geo, double M, double A_As, int colour, const QString &value,
                 const QString &name, bool below)
{
    Picture_geo.Line(M, A_As / 2, M, -A_As / 2, colour);
    // Station 1's value below the contour, station 2's above it: apart where both have one Mach number.
    const double edge = std::min(A_As / 2, kHalfHeightRange);
    if (below)
        Picture_geo.Note(M, edge, value, Qt::AlignHCenter | Qt::AlignTop, colour);
    else
        Picture_geo.Note(M, -edge, value, Qt::AlignHCenter | Qt::AlignBottom, colour);
    const auto &axes = Picture_geo.axes();
    if (axes && std::none_of(axes->legend.begin(), axes->legend.end(), [&name](const auto &e) { return e.text == name; }))
        Picture_geo.addLegendEntry({name, {colour}});
}

} // namespace charts
