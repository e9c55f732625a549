#include "flow/isentropic.h"

#include "flow/area_ratio.h"
#include "flow/arithmetic.h"
#include "flow/root_search.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace flow {

namespace {

constexpr double kDegrees = 57.295779513082320876798154814105; // 180 / pi
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// sqrt((k+1)/(k-1)) = sqrt(2 kc3), the stretch of the Prandtl-Meyer function.
double prandtlMeyerScale(const GasConstants &gas) { return std::sqrt(2 * gas.kc3); }

double prandtlMeyer(double M, const GasConstants &gas)
{
    const double m2m1 = (M - 1) * (M + 1); // M^2 - 1 without cancellation near M = 1
    const double c = prandtlMeyerScale(gas);
    return (c * std::atan(std::sqrt(m2m1) / c) - std::atan(std::sqrt(m2m1))) * kDegrees;
}

double areaRatio(double M, const GasConstants &gas)
{
    try {
        return AAfM(M, gas);
    } catch (const ArithmeticError &) {
        if (M > 1) {
            // AAfM's power [kc1 (1 + kc2 M^2)]^kc3 overflows before its division
            // by M: halve the power, h^2 / M = h (h / M), infinite only where
            // A/A* itself leaves the double range.
            const double h = std::pow(gas.kc1 * (M * gas.kc2 * M + 1), gas.kc3 / 2);
            return h * (h / M);
        }
        return M < 0 ? -kInfinity : kInfinity;
    }
}

// The Mach number of a ratio to the stagnation state, v = (1 + kc2 M^2)^-e in
// (0, 1]: kc2 M^2 = v^(-1/e) - 1. Near 1 as expm1(-ln(v) / e), ln(v) =
// log1p(v - 1) with v - 1 exact: M = 0 at 1 only, and to full precision just
// below it. Further down from T/T0 = v^(1/e) = w as sqrt((1 - w) / kc2) / sqrt(w),
// which does not overflow for the tiniest v.
double machFromStagnation(double v, double e, const GasConstants &gas)
{
    if (v > 0.5)
        return std::sqrt(std::expm1(-std::log1p(v - 1) / e) / gas.kc2);
    const double w = std::pow(v, 1 / e);
    return std::sqrt((1 - w) / gas.kc2) / std::sqrt(w);
}

// The Mach number of a ratio to the sonic state, v = (kc1 (1 + kc2 M^2))^-e,
// below its value at M = 0, limit = kc1^-e: T/T0 = kc1 v^(1/e) = w, and 1 - w
// in one rounding. Where that rounds to 0 or below, v lies within rounding of
// the limit, and kc2 M^2 = (limit - v) / (e limit) to first order.
double machFromSonic(double v, double e, double limit, const GasConstants &gas)
{
    const double t = std::pow(v, 1 / e);
    double d = std::fma(-gas.kc1, t, 1);
    if (!(d > 0))
        d = (limit - v) / (e * limit);
    return std::sqrt(d / gas.kc2) / std::sqrt(gas.kc1 * t);
}

} // namespace

double IsentropicState::operator[](Quantity q) const
{
    return const_cast<IsentropicState &>(*this)[q];
}

double &IsentropicState::operator[](Quantity q)
{
    switch (q) {
    case Quantity::M: return M;
    case Quantity::A_As: return A_As;
    case Quantity::p_p0: return p_p0;
    case Quantity::T_T0: return T_T0;
    case Quantity::rho_rho0: return rho_rho0;
    case Quantity::p_ps: return p_ps;
    case Quantity::T_Ts: return T_Ts;
    case Quantity::rho_rhos: return rho_rhos;
    case Quantity::mu: return mu;
    case Quantity::nu: break;
    }
    return nu;
}

IsentropicState isentropicState(double M, const GasConstants &gas)
{
    IsentropicState s{};
    s.M = M;
    s.A_As = areaRatio(M, gas);
    // 1 + kc2 M^2, formed as AAfM forms it; T0/T.
    const double sum = M * gas.kc2 * M + 1;
    s.T_T0 = 1 / sum;
    s.p_p0 = std::pow(sum, -pressureExponent(gas));
    s.rho_rho0 = std::pow(sum, -densityExponent(gas));
    // T*/T0 = kc1, and kc1 (1 + kc2) is exactly 1: every sonic ratio is 1 at M = 1.
    const double sonic = gas.kc1 * sum;
    s.T_Ts = 1 / sonic;
    s.p_ps = std::pow(sonic, -pressureExponent(gas));
    s.rho_rhos = std::pow(sonic, -densityExponent(gas));
    s.mu = M >= 1 ? std::asin(1 / M) * kDegrees : kNaN;
    s.nu = M >= 1 ? prandtlMeyer(M, gas) : kNaN;
    return s;
}

double upperLimit(Quantity quantity, const GasConstants &gas)
{
    switch (quantity) {
    case Quantity::M:
    case Quantity::A_As: return kInfinity;
    case Quantity::p_p0:
    case Quantity::T_T0:
    case Quantity::rho_rho0: return 1;
    case Quantity::T_Ts: return 1 / gas.kc1;
    case Quantity::p_ps: return std::pow(gas.kc1, -pressureExponent(gas));
    case Quantity::rho_rhos: return std::pow(gas.kc1, -densityExponent(gas));
    case Quantity::mu: return 90;
    case Quantity::nu: return (prandtlMeyerScale(gas) - 1) * 90; // (c - 1) pi/2, in degrees
    }
    return kNaN;
}

std::optional<double> machFrom(Quantity quantity, double value, Branch branch, const GasConstants &gas)
{
    const double limit = upperLimit(quantity, gas);
    const bool inside = quantity == Quantity::mu   ? value > 0 && value <= limit
                        : quantity == Quantity::nu ? value >= 0 && value < limit
                        : quantity == Quantity::A_As ? value >= 1
                        : quantity == Quantity::M  ? value > 0
                        : limit == 1               ? value > 0 && value <= 1 // M = 0 at 1
                                                   : value > 0 && value < limit;
    if (!inside || !std::isfinite(value))
        return std::nullopt;

    switch (quantity) {
    case Quantity::M:
        return value;
    case Quantity::T_T0:
        return machFromStagnation(value, 1, gas);
    case Quantity::p_p0:
        return machFromStagnation(value, pressureExponent(gas), gas);
    case Quantity::rho_rho0:
        return machFromStagnation(value, densityExponent(gas), gas);
    case Quantity::T_Ts:
        return machFromSonic(value, 1, limit, gas);
    case Quantity::p_ps:
        return machFromSonic(value, pressureExponent(gas), limit, gas);
    case Quantity::rho_rhos:
        return machFromSonic(value, densityExponent(gas), limit, gas);
    case Quantity::mu:
        return 1 / std::sin(value / kDegrees);
    case Quantity::nu:
        if (value == 0)
            return 1.0;
        return roots::supersonicRoot([&](double M) { return prandtlMeyer(M, gas); }, value);
    case Quantity::A_As:
        if (value == 1) // the throat: A/A* rounds to 1 within about 1e-8 of it on either side
            return 1.0;
        if (branch == Branch::Supersonic)
            return roots::supersonicRoot([&](double M) { return areaRatio(M, gas); }, value);
        // Below M = 1, A/A* falls from infinity to 1, and kc1^kc3 / M <= A/A* <= 1 / M.
        const double lo = std::pow(gas.kc1, gas.kc3) / value;
        return roots::bisect([&](double M) { return -areaRatio(M, gas); }, lo, std::min(1.0, 1 / value), -value);
    }
    return std::nullopt;
}

} // namespace flow
