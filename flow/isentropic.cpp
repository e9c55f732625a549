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

// The Mach number from s = 1 + kc2 M^2.
double machFromSum(double s, const GasConstants &gas)
{
    return std::sqrt(std::max(0.0, s - 1) / gas.kc2); // s rounds below 1 only at the ratio's limit
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
                                                   : value > 0 && value < limit;
    if (!inside || !std::isfinite(value))
        return std::nullopt;

    switch (quantity) {
    case Quantity::M:
        return value;
    case Quantity::T_T0:
        return machFromSum(1 / value, gas);
    case Quantity::p_p0:
        return machFromSum(std::pow(value, -1 / pressureExponent(gas)), gas);
    case Quantity::rho_rho0:
        return machFromSum(std::pow(value, -1 / densityExponent(gas)), gas);
    case Quantity::T_Ts:
        return machFromSum(1 / value / gas.kc1, gas);
    case Quantity::p_ps:
        return machFromSum(std::pow(value, -1 / pressureExponent(gas)) / gas.kc1, gas);
    case Quantity::rho_rhos:
        return machFromSum(std::pow(value, -1 / densityExponent(gas)) / gas.kc1, gas);
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
