#pragma once

#include "flow/gas_constants.h"

namespace flow {

// A/A*: the duct area at Mach number Mi over the sonic throat area,
// (1/Mi) * [kc1 (1 + kc2 Mi^2)]^kc3. AAfM(1) is exactly 1; a negative Mach
// number gives the negated ratio. Throws ArithmeticError for Mi = 0 (division by
// zero) and where the result leaves the double range (overflow).
double AAfM(double Mi, const GasConstants &gas);

} // namespace flow
