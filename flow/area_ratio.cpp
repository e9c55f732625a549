#include "flow/area_ratio.h"

#include "flow/arithmetic.h"

namespace flow {

double AAfM(double Mi, const GasConstants &gas)
{
    // One double operation per step; kc2 Mi^2 is formed as (Mi kc2) Mi, which
    // fixes the last bits of the tabulated ratios.
    const double q = divide(1, Mi);
    double s = multiply(Mi, gas.kc2);
    s = multiply(s, Mi);
    s = s + 1;
    s = s * gas.kc1;
    s = power(s, gas.kc3);
    return multiply(s, q);
}

} // namespace flow
