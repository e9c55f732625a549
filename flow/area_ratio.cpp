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

double areaRatioBetween(double M1, double M2, const GasConstants &gas)
{
    // In this order: (M kc2) M + 1 for station 2, then for station 1; M1/M2;
    // the quotient of the sums, station 2 over station 1, to the power kc3;
    // that power times M1/M2.
    const double sum2 = multiply(multiply(M2, gas.kc2), M2) + 1;
    const double sum1 = multiply(multiply(M1, gas.kc2), M1) + 1;
    const double M1_M2 = divide(M1, M2);
    return multiply(power(divide(sum2, sum1), gas.kc3), M1_M2);
}

} // namespace flow
