#pragma once

#include "flow/back_pressure.h"

#include <vector>

namespace form_runtime {
class ChartSurface;
}

namespace charts {

// The thrust coefficient of a nozzle at every back pressure: CF from
// pb/p01 = 0 to 1, sampled once for the nozzle and its gas.
struct ThrustCurve {
    double Ae_At = 0, k = 0;
    std::vector<double> pb, CF;
};
ThrustCurve thrustCurve(double Ae_At, const flow::GasConstants &gas);

// Draws CF against pb/p01 with its axes named and numbered: the curve, the
// three critical back pressures as lines in the pressure chart's styles, the
// design point and the case at hand (`flow`) marked and labelled.
void grafik_CF(form_runtime::ChartSurface &chart, const ThrustCurve &curve, const flow::BackPressureFlow &flow,
               const flow::GasConstants &gas);

} // namespace charts
