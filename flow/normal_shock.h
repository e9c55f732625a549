#pragma once

// The normal-shock relations of the program's gas: the state behind a normal
// shock from the Mach number before it, and the Mach number back from any one
// of them, to full double precision.

#include "flow/gas_constants.h"

#include <optional>

namespace flow {

// The quantities of a normal shock, in the order of its table's columns:
// Mach numbers before (1) and behind (2) it, the ratios of static pressure,
// temperature and density across it, the ratio of stagnation pressures, and
// p02/p1, what a pitot tube reads in a supersonic stream.
enum class ShockQuantity { M1, M2, p2_p1, T2_T1, rho2_rho1, p02_p01, p02_p1 };
constexpr int kShockQuantities = 7;

struct NormalShock {
    double M1, M2, p2_p1, T2_T1, rho2_rho1, p02_p01, p02_p1;

    double operator[](ShockQuantity q) const;
    double &operator[](ShockQuantity q);
};

// The shock at Mach number M1 >= 1 (at M1 = 1 every ratio is 1: no shock),
// for any M1: p2/p1, T2/T1 and p02/p1 grow as M1^2 and are infinite only where
// they leave the double range (M1 from about 1e154); M2 and rho2/rho1 tend to
// their limits; p02/p01 falls as M1^(-2/(k-1)) and keeps its digits down to
// the smallest normal double, 2.2e-308, fewer below it, 0 below the range.
NormalShock normalShock(double M1, const GasConstants &gas);

// The Mach number M1 >= 1 at which `quantity` has `value`, or nothing when no
// shock has it (see shockRange; a value within rounding of a limit that M2
// or rho2/rho1 never reach may have none). Closed forms for M1, M2, p2/p1 and
// rho2/rho1; T2/T1, p02/p01 and p02/p1 by bisection down to adjacent doubles.
std::optional<double> shockMachFrom(ShockQuantity quantity, double value, const GasConstants &gas);

// The values a quantity takes over every shock, M1 from 1 up: from `weak`
// (at M1 = 1) towards `strong` (as M1 grows without end, never reached).
struct ShockRange {
    double weak, strong;
};
ShockRange shockRange(ShockQuantity quantity, const GasConstants &gas);

} // namespace flow
