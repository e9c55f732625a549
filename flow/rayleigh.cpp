#include "flow/rayleigh.h"

#include "flow/branch_root.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace flow {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

bool isMach(double M) { return M > 0 && std::isfinite(M); }

// ln(p/p*) = -ln((1 + k M^2) / (1 + k)) = -log1p(k (M^2 - 1) / (k + 1)): as
// exact near M = 1 as M - 1 is.
double logPressure(double M, const GasConstants &gas)
{
    return -std::log1p(gas.k * ((M - 1) * (M + 1)) / (gas.k + 1));
}

// (s - s*)/R = k/(k-1) ln(T/T*) - ln(p/p*), with T/T* = (M p/p*)^2.
double entropy(double M, const GasConstants &gas)
{
    const double logP = logPressure(M, gas);
    return pressureExponent(gas) * 2 * (std::log(M) + logP) - logP;
}

// p0/p0* = p/p* (kc1 X)^(k/(k-1)) with X = 1 + kc2 M^2.
double stagnationRatio(double M, const GasConstants &gas)
{
    const double p_ps = (1 + gas.k) / (1 + gas.k * M * M);
    return p_ps * std::pow(gas.kc1 * (1 + gas.kc2 * M * M), pressureExponent(gas));
}

// M from V/V* = M^2 p/p* = (1+k) M^2 / (1 + k M^2): M^2 = v / ((1+k) - k v).
double machFromVelocity(double v, const GasConstants &gas) { return std::sqrt(v / ((1 + gas.k) - gas.k * v)); }

} // namespace

double RayleighState::operator[](RayleighQuantity q) const
{
    return const_cast<RayleighState &>(*this)[q];
}

double &RayleighState::operator[](RayleighQuantity q)
{
    switch (q) {
    case RayleighQuantity::M: return M;
    case RayleighQuantity::T0_T0s: return T0_T0s;
    case RayleighQuantity::p_ps: return p_ps;
    case RayleighQuantity::T_Ts: return T_Ts;
    case RayleighQuantity::rho_rhos: return rho_rhos;
    case RayleighQuantity::V_Vs: return V_Vs;
    case RayleighQuantity::p0_p0s: return p0_p0s;
    case RayleighQuantity::s_R: break;
    }
    return s_R;
}

std::optional<RayleighState> rayleighState(double M, const GasConstants &gas)
{
    if (!isMach(M))
        return std::nullopt;
    const double k = gas.k;
    RayleighState s{};
    s.M = M;
    // p/p* = (1 + k) / (1 + k M^2); T/T* = (M p/p*)^2; V/V* = M^2 p/p* = rho*/rho.
    s.p_ps = (1 + k) / (1 + k * M * M);
    s.T_Ts = (M * s.p_ps) * (M * s.p_ps);
    s.V_Vs = M * M * s.p_ps;
    s.rho_rhos = 1 / s.V_Vs;
    // T0/T0* = T/T* (1 + kc2 M^2) / (1 + kc2) = T/T* kc1 X.
    s.T0_T0s = s.T_Ts * gas.kc1 * (1 + gas.kc2 * M * M);
    s.p0_p0s = stagnationRatio(M, gas);
    s.s_R = entropy(M, gas);
    return s;
}

double rayleighStagnationLimit(const GasConstants &gas)
{
    return (1 + gas.k) * std::pow(gas.kc1, pressureExponent(gas));
}

std::optional<double> rayleighMachFrom(RayleighQuantity quantity, double value, Branch branch, const GasConstants &gas)
{
    if (std::isnan(value))
        return std::nullopt;
    const double k = gas.k;
    const bool supersonic = branch == Branch::Supersonic;
    switch (quantity) {
    case RayleighQuantity::M:
        return isMach(value) ? std::optional<double>(value) : std::nullopt;
    case RayleighQuantity::p_ps: // M^2 = ((1+k) / (p/p*) - 1) / k
        if (!(value > 0 && value < 1 + k))
            return std::nullopt;
        return std::sqrt(((1 + k) / value - 1) / k);
    case RayleighQuantity::V_Vs:
        if (!(value > 0 && value < (1 + k) / k))
            return std::nullopt;
        return machFromVelocity(value, gas);
    case RayleighQuantity::rho_rhos:
        if (!(value > k / (1 + k) && std::isfinite(value)))
            return std::nullopt;
        return machFromVelocity(1 / value, gas);
    case RayleighQuantity::T_Ts: {
        // sqrt(T/T*) = (1+k) M / (1 + k M^2): k c M^2 - (1+k) M + c = 0 with
        // c = sqrt(T/T*), whose roots lie either side of 1/sqrt(k).
        if (!(value > 0 && value <= (1 + k) * (1 + k) / (4 * k)))
            return std::nullopt;
        const double c = std::sqrt(value);
        const double wide = (1 + k) + std::sqrt(std::max(0.0, (1 + k) * (1 + k) - 4 * k * value));
        return supersonic ? wide / (2 * k * c) : 2 * c / wide;
    }
    case RayleighQuantity::T0_T0s: {
        // With y = M^2 and t = T0/T0*: (k^2 t - (k^2-1)) y^2 - 2 ((k+1) - k t) y + t = 0,
        // whose discriminant over 4 is (k+1)^2 (1 - t).
        const double floor = supersonic ? (k * k - 1) / (k * k) : 0;
        if (!(value > floor && value <= 1))
            return std::nullopt;
        const double wide = ((k + 1) - k * value) + (k + 1) * std::sqrt(1 - value);
        const double y = supersonic ? wide / (k * k * value - (k * k - 1)) : value / wide;
        return std::sqrt(y);
    }
    case RayleighQuantity::p0_p0s: {
        const double ceiling = supersonic ? kInfinity : rayleighStagnationLimit(gas);
        if (!(value >= 1 && value < ceiling && std::isfinite(value)))
            return std::nullopt;
        if (value == 1)
            return 1.0;
        const auto f = [&gas](double M) { return stagnationRatio(M, gas); };
        return roots::rootOnBranch(f, value, supersonic, true);
    }
    case RayleighQuantity::s_R: {
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
