#pragma once

#include "flow/gas_constants.h"

namespace flow {

// A/A*: the duct area at Mach number Mi over the sonic throat area,
// (1/Mi) * [kc1 (1 + kc2 Mi^2)]^kc3. AAfM(1) is exactly 1; a negative Mach
// number gives the negated ratio. Throws ArithmeticError for Mi = 0 (division by
// zero) and where the result leaves the double range (overflow).
double AAfM(double Mi, const GasConstants &gas);

// A2/A1 between two stations of one isentropic stream, from their Mach
// numbers: (M1/M2) [(1 + kc2 M2^2) / (1 + kc2 M1^2)]^kc3. Throws
// ArithmeticError for M2 = 0 and where a value leaves the double range.
double areaRatioBetween(double M1, double M2, const GasConstants &gas);

} // namespace flow
