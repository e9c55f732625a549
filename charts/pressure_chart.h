#pragma once

#include "flow/back_pressure.h"

namespace form_runtime {
class ChartSurface;
}

namespace charts {

// The nozzle drawn as a cone on each side of the throat: x runs from the
// inlet (x = 0, A/At = kInletArea) through the throat (x = 1) to the exit
// (x = 3), the radius changing linearly.
constexpr double kInletArea = 2.5;
double areaAt(double x, double Ae_At);    // A/At at x
double placeOf(double A_At, double Ae_At); // the x in the diverging part where A/At is reached

// Draws the pressure chart from scratch: the wall above, a grey grid of
// p/p01, the three limiting curves faint (subsonic at the first critical
// pressure, the shock in the exit plane, isentropic supersonic), today's
// curve bold with a shock as a vertical jump, and the back pressure as a red
// mark beyond the exit.
void grafik_pressure(form_runtime::ChartSurface &chart, const flow::BackPressureFlow &flow,
                     const flow::GasConstants &gas);

} // namespace charts
