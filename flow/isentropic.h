#pragma once

// The isentropic state of the tool's gas at any Mach number, and the Mach
// number back from any one quantity of it: the table that the printed
// isentropic tables give, computed to full double precision.

#include "flow/gas_constants.h"

#include <optional>

namespace flow {

// The quantities of one station, in the order of the table's columns.
enum class Quantity { M, A_As, p_p0, T_T0, rho_rho0, p_ps, T_Ts, rho_rhos, mu, nu };

// The state at Mach number M: ratios to the stagnation state (p0, T0, rho0)
// and to the sonic state (p*, T*, rho*), A/A* (as AAfM gives it; where AAfM's
// power overflows though A/A* does not, from M about 6e51 for air, without
// it; infinite beyond the double range), and the Mach angle mu and
// Prandtl-Meyer angle nu in degrees, which exist for M >= 1 only (NaN below).
struct IsentropicState {
    double M, A_As, p_p0, T_T0, rho_rho0, p_ps, T_Ts, rho_rhos, mu, nu;

    double operator[](Quantity q) const;
    double &operator[](Quantity q);
};

IsentropicState isentropicState(double M, const GasConstants &gas);

// Where A/A* has two Mach numbers, the branch looked up.
enum class Branch { Subsonic, Supersonic };

// The Mach number (> 0) at which `quantity` has `value`, on `branch` for A/A*,
// or nothing when no station has that value: A/A* below 1, a ratio to the
// stagnation state outside (0, 1], a ratio to the sonic state outside
// (0, its upperLimit), mu outside (0, 90], nu outside [0, its limit of about
// 130.45 degrees). A ratio to the stagnation state of exactly 1 is the stream
// at rest, M = 0; just below 1 the Mach number is tiny, to full precision.
// Closed forms where they exist; A/A* and nu by bisection down to adjacent
// doubles.
std::optional<double> machFrom(Quantity quantity, double value, Branch branch, const GasConstants &gas);

// The largest value each quantity can take (A/A* and M have none: infinity).
double upperLimit(Quantity quantity, const GasConstants &gas);

} // namespace flow
