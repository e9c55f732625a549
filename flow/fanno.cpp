#include "flow/fanno.h"

#include "flow/branch_root.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace flow {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

bool isMach(double M) { return M > 0 && std::isfinite(M); }

// ln(kc1 X) with X = 1 + kc2 M^2, as log1p((k-1)/(k+1) (M^2 - 1)): its value
// near M = 1 is then as exact as M - 1 is.
double logSonicSum(double M, const GasConstants &gas)
{
    return std::log1p(gas.kc1 * gas.kc2 * ((M - 1) * (M + 1)));
}

// 4fL*/D = (1 - M^2)/(k M^2) + (k+1)/(2k) ln((k+1) M^2 / (2 X)).
double frictionLength(double M, const GasConstants &gas)
{
    const double k = gas.k;
    const double shortfall = (1 - M) / M * ((1 + M) / M); // (1 - M^2) / M^2: accurate near M = 1, finite for any M
    return shortfall / k + (k + 1) / (2 * k) * (2 * std::log(M) - logSonicSum(M, gas));
}

// (s - s*)/R = ln(p0*/p0) = ln M - kc3 ln(kc1 X).
double entropy(double M, const GasConstants &gas) { return std::log(M) - gas.kc3 * logSonicSum(M, gas); }

// p0/p0* = (kc1 X)^kc3 / M, the A/A* of the isentropic table.
double stagnationRatio(double M, const GasConstants &gas)
{
    return std::pow(gas.kc1 * (1 + gas.kc2 * M * M), gas.kc3) / M;
}

// M from V/V* = M sqrt(T/T*): M^2 = kc1 v^2 / (1 - kc1 kc2 v^2).
double machFromVelocity(double v, const GasConstants &gas)
{
    return std::sqrt(gas.kc1 * v * v / (1 - gas.kc1 * gas.kc2 * v * v));
}

} // namespace

double FannoState::operator[](FannoQuantity q) const
{
    return const_cast<FannoState &>(*this)[q];
}

double &FannoState::operator[](FannoQuantity q)
{
    switch (q) {
    case FannoQuantity::M: return M;
    case FannoQuantity::fLs_D: return fLs_D;
    case FannoQuantity::p_ps: return p_ps;
    case FannoQuantity::T_Ts: return T_Ts;
    case FannoQuantity::rho_rhos: return rho_rhos;
    case FannoQuantity::V_Vs: return V_Vs;
    case FannoQuantity::p0_p0s: return p0_p0s;
    case FannoQuantity::s_R: break;
    }
    return s_R;
}

std::optional<FannoState> fannoState(double M, const GasConstants &gas)
{
    if (!isMach(M))
        return std::nullopt;
    FannoState s{};
    s.M = M;
    s.fLs_D = frictionLength(M, gas);
    // T/T* = (k+1) / (2 X) = 1 / (kc1 X); the rest follow from it and M.
    s.T_Ts = 1 / (gas.kc1 * (1 + gas.kc2 * M * M));
    const double root = std::sqrt(s.T_Ts);
    s.p_ps = root / M;
    s.rho_rhos = 1 / (M * root);
    s.V_Vs = M * root;
    s.p0_p0s = stagnationRatio(M, gas);
    s.s_R = entropy(M, gas);
    return s;
}

double supersonicFrictionLimit(const GasConstants &gas)
{
    const double k = gas.k;
    return (k + 1) / (2 * k) * std::log((k + 1) / (k - 1)) - 1 / k;
}

std::optional<double> fannoMachFrom(FannoQuantity quantity, double value, Branch branch, const GasConstants &gas)
{
    if (std::isnan(value))
        return std::nullopt;
    const double k = gas.k;
    const bool supersonic = branch == Branch::Supersonic;
    switch (quantity) {
    case FannoQuantity::M:
        return isMach(value) ? std::optional<double>(value) : std::nullopt;
    case FannoQuantity::T_Ts: // X = 1 / (kc1 T/T*), M^2 = (X - 1) / kc2
        if (!(value > 0 && value < (k + 1) / 2))
            return std::nullopt;
        return std::sqrt(std::max(0.0, 1 / (gas.kc1 * value) - 1) / gas.kc2);
    case FannoQuantity::V_Vs:
        if (!(value > 0 && value < std::sqrt((k + 1) / (k - 1))))
            return std::nullopt;
        return machFromVelocity(value, gas);
    case FannoQuantity::rho_rhos: // rho V is the same all along the duct
        if (!(value > std::sqrt((k - 1) / (k + 1)) && std::isfinite(value)))
            return std::nullopt;
        return machFromVelocity(1 / value, gas);
    case FannoQuantity::p_ps: {
        // kc1 kc2 M^4 + kc1 M^2 = r^2 with r = p*/p; the positive root without
        // cancellation, divided through by r so that r^2 does not overflow.
        if (!(value > 0 && std::isfinite(value)))
            return std::nullopt;
        const double r = 1 / value, q = gas.kc1 / r;
        return std::sqrt(2 * r / (q + std::sqrt(q * q + 4 * gas.kc1 * gas.kc2)));
    }
    case FannoQuantity::fLs_D: {
        const double limit = supersonic ? supersonicFrictionLimit(gas) : kInfinity;
        if (!(value >= 0 && value < limit))
            return std::nullopt;
        if (value == 0)
            return 1.0;
        const auto f = [&gas](double M) { return frictionLength(M, gas); };
        return roots::rootOnBranch(f, value, supersonic, true);
    }
    case FannoQuantity::p0_p0s: {
        if (!(value >= 1 && std::isfinite(value)))
            return std::nullopt;
        if (value == 1)
            return 1.0;
        const auto f = [&gas](double M) { return stagnationRatio(M, gas); };
        return roots::rootOnBranch(f, value, supersonic, true);
    }
    case FannoQuantity::s_R: {
        if (!(value <= 0 && std::isfinite(value)))
            return std::nullopt;
        if (value == 0)
            return 1.0;
        const auto f = [&gas](double M) { return entropy(M, gas); };
        return roots::rootOnBranch(f, value, supersonic, false);
    }
    }
    return std::nullopt;
}

} // namespace flow
