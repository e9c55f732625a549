#pragma once

// The nozzle in units: from the reservoir (p01, T01), the gas's R and the
// throat area, the dimensional state at any place, the sonic state, the mass
// flow, and at a back pressure the exit state and the thrust with its
// coefficients. Everything in SI (Pa, K, J/(kg K), m^2, kg/s, m/s, N, s);
// the relations are written with the units library's quantities, so that
// their dimensions are checked when they compile.

#include "flow/back_pressure.h"
#include "flow/gas_constants.h"

namespace flow {

struct Reservoir {
    double p0; // Pa
    double T0; // K
    double R;  // J/(kg K)
};

// The state at a place of the stream: p, T, rho, the speed of sound a and V.
struct StateInUnits {
    double p, T, rho, a, V;
};
// At Mach number M, where p/p01 and T/T01 are as given (behind a shock p/p01
// already carries p02/p01).
StateInUnits stateInUnits(const Reservoir &reservoir, double M, double p_p01, double T_T01, const GasConstants &gas);

// The sonic state p*, T*, a* of an isentropic stream from the reservoir.
StateInUnits sonicState(const Reservoir &reservoir, const GasConstants &gas);

// The mass flow through a sonic throat of area At:
// p01 At sqrt(k / (R T01)) (2 / (k + 1))^((k + 1) / (2 (k - 1))).
double chokedMassFlow(const Reservoir &reservoir, double At, const GasConstants &gas);

// Summerfield's criterion: an overexpanded jet likely separates from the
// wall where pe/pb falls below this.
constexpr double kSeparationRatio = 0.4;
// Whether the jet of `flow` likely separates: overexpanded, pe/pb below 0.4.
bool separates(const BackPressureFlow &flow);

// The nozzle at the back pressure of `flow`: the mass flow (choked from p01,
// T01 and At; unchoked from the exit state), the exit state (behind the
// shock where one stands inside), the thrust F = mdot Ve + (pe - pb) Ae, the
// thrust coefficient CF = F / (p01 At), the characteristic velocity
// c* = p01 At / mdot and the specific impulse Isp = F / (mdot g0).
struct Performance {
    double massFlow;
    StateInUnits exit;
    double pb, thrust, CF, cStar, Isp;
    bool separates; // overexpanded with pe/pb below Summerfield's 0.4
};
Performance performance(const BackPressureFlow &flow, const Reservoir &reservoir, double At, const GasConstants &gas);

// CF from the ratios alone: (Ae/At) ((pe/p01) (1 + k Me^2) - pb/p01), as
// mdot Ve = rho_e Ve^2 Ae = k pe Me^2 Ae.
double thrustCoefficient(const BackPressureFlow &flow, const GasConstants &gas);

} // namespace flow
