#include "flow/normal_shock.h"

#include "flow/root_search.h"

#include <cmath>
#include <limits>

namespace flow {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Above this M1 the relations are formed in 1/M1^2: M1^2 times k would overflow from about 1e154.
constexpr double kStrong = 1e100;

// M1 from M1^2, kept at 1 where the square rounds just below it.
double machFromSquare(double m2) { return m2 <= 1 ? 1.0 : std::sqrt(m2); }

} // namespace

double NormalShock::operator[](ShockQuantity q) const
{
    return const_cast<NormalShock &>(*this)[q];
}

double &NormalShock::operator[](ShockQuantity q)
{
    switch (q) {
    case ShockQuantity::M1: return M1;
    case ShockQuantity::M2: return M2;
    case ShockQuantity::p2_p1: return p2_p1;
    case ShockQuantity::T2_T1: return T2_T1;
    case ShockQuantity::rho2_rho1: return rho2_rho1;
    case ShockQuantity::p02_p01: return p02_p01;
    case ShockQuantity::p02_p1: break;
    }
    return p02_p1;
}

NormalShock normalShock(double M1, const GasConstants &gas)
{
    const double k = gas.k;
    NormalShock s{};
    s.M1 = M1;
    double M2squared;
    if (M1 <= kStrong) {
        const double m2 = M1 * M1;
        const double excess = (M1 - 1) * (M1 + 1); // M1^2 - 1, without cancellation near M1 = 1
        // p2/p1 = 1 + 2k/(k+1) (M1^2 - 1); rho2/rho1 = (k+1) M1^2 / ((k-1) M1^2 + 2).
        s.p2_p1 = 1 + 2 * k / (k + 1) * excess;
        const double behind = (k - 1) * m2 + 2;
        s.rho2_rho1 = (k + 1) * m2 / behind;
        s.T2_T1 = s.p2_p1 / s.rho2_rho1;
        // M2^2 = ((k-1) M1^2 + 2) / (2k M1^2 - (k-1)).
        M2squared = behind / (2 * k * m2 - (k - 1));
    } else {
        // The same in u = 1/M1^2, M1 multiplied in last: p2/p1 and T2/T1
        // overflow only where they leave the double range, the rest tend to
        // their limits (M1 infinite is the limit itself).
        const double u = 1 / M1 / M1;
        const double p = (2 * k - (k - 1) * u) / (k + 1); // p2/p1 over M1^2
        s.p2_p1 = p * M1 * M1;
        s.rho2_rho1 = (k + 1) / ((k - 1) + 2 * u);
        s.T2_T1 = p / s.rho2_rho1 * M1 * M1;
        M2squared = ((k - 1) + 2 * u) / (2 * k - (k - 1) * u);
    }
    s.M2 = std::sqrt(M2squared);
    // p02/p01 = (rho2/rho1)^(k/(k-1)) (p1/p2)^(1/(k-1)) = ((rho2/rho1)^k p1/p2)^(1/(k-1)):
    // one power, which leaves the double range only where the ratio does.
    s.p02_p01 = std::pow(std::pow(s.rho2_rho1, k) / s.p2_p1, densityExponent(gas));
    // p02/p1 = (p02/p2) (p2/p1), p02/p2 = (1 + kc2 M2^2)^(k/(k-1)) isentropic behind the shock.
    s.p02_p1 = std::pow(1 + gas.kc2 * M2squared, pressureExponent(gas)) * s.p2_p1;
    return s;
}

ShockRange shockRange(ShockQuantity quantity, const GasConstants &gas)
{
    const double k = gas.k;
    switch (quantity) {
    case ShockQuantity::M1:
    case ShockQuantity::p2_p1:
    case ShockQuantity::T2_T1: return {1, kInfinity};
    case ShockQuantity::M2: return {1, std::sqrt((k - 1) / (2 * k))};
    case ShockQuantity::rho2_rho1: return {1, (k + 1) / (k - 1)};
    case ShockQuantity::p02_p01: return {1, 0};
    case ShockQuantity::p02_p1: break;
    }
    return {std::pow(gas.kc1, -pressureExponent(gas)), kInfinity}; // p0/p* at M1 = 1
}

std::optional<double> shockMachFrom(ShockQuantity quantity, double value, const GasConstants &gas)
{
    const ShockRange range = shockRange(quantity, gas);
    const bool rising = range.strong > range.weak;
    const bool inside = rising ? value >= range.weak && value < range.strong
                               : value <= range.weak && value > range.strong;
    if (!inside || !std::isfinite(value))
        return std::nullopt;
    const double k = gas.k;
    const auto of = [&gas, quantity](double M1) { return normalShock(M1, gas)[quantity]; };
    switch (quantity) {
    case ShockQuantity::M1:
        return value;
    case ShockQuantity::M2: { // the relation is its own inverse
        // 2k M2^2 - (k-1) vanishes at the limit M2 tends to: formed with M2^2
        // split exactly into v2 + e, which leaves one rounding.
        const double v2 = value * value, e = std::fma(value, value, -v2);
        const double below = std::fma(2 * k, v2, -(k - 1)) + 2 * k * e;
        if (!(below > 0))
            return std::nullopt; // at or beyond the limit, within rounding of the double given for it
        return machFromSquare(((k - 1) * v2 + 2) / below);
    }
    case ShockQuantity::p2_p1: {
        const double square = 1 + (value - 1) * (k + 1) / (2 * k);
        if (std::isinf(square)) // M1^2 beyond the double range, M1 not
            return std::sqrt(value / (2 * k)) * std::sqrt(k + 1);
        return machFromSquare(square);
    }
    case ShockQuantity::rho2_rho1: {
        const double below = std::fma(-(k - 1), value, k + 1); // vanishes at the limit, in one rounding
        if (!(below > 0))
            return std::nullopt;
        return machFromSquare(2 * value / below);
    }
    case ShockQuantity::T2_T1:
    case ShockQuantity::p02_p1:
        if (value == range.weak)
            return 1.0;
        return roots::supersonicRoot(of, value);
    case ShockQuantity::p02_p01:
        if (value == 1)
            return 1.0;
        return roots::supersonicRoot([&of](double M1) { return -of(M1); }, -value);
    }
    return std::nullopt;
}

} // namespace flow
