#pragma once

#include "flow/gas_constants.h"

#include <QString>

#include <array>

namespace form_runtime {
class ChartSurface;
}

namespace charts {

// The sampled duct contour: Mach number and half-height (A/A*)/2 of samples
// 5 to 400, M = 0.05 to 4 in steps of 0.01.
struct GeoTables {
    std::array<double, 501> M_geo{};
    std::array<double, 501> Y_geo{};
};

// Draws the nozzle geometry chart from scratch: the Mach number runs from -0.2
// to 4.2 across and the half-height from -6.1 (top) to 6.1 (bottom); a grey
// grid and the duct contour at +-(A/A*)/2 in the foreground colour. Stations
// are marked afterwards in the same coordinates.
// Where the chart is shown with its axes (see ChartSurface::showAxes), they
// are named and numbered, and a legend names the contour; the pointer reads
// the Mach number and the area ratio of the contour under it.
void grafik_Geo(form_runtime::ChartSurface &Picture_geo, GeoTables &tables, const flow::GasConstants &gas);

// Marks a station of Mach number M and area ratio A/A* on the nozzle chart:
// a line across the contour in `colour`; with the axes, its value
// ("M1 = 0.5") above it (below it when `below`) and its name in the legend.
void markStation(form_runtime::ChartSurface &Picture_geo, double M, double A_As, int colour, const QString &value,
                 const QString &name, bool below = false);

} // namespace charts
