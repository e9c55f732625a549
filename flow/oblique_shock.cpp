#include "flow/oblique_shock.h"

#include "flow/isentropic.h"
#include "flow/normal_shock.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace flow {

namespace {

constexpr double kDegrees = 57.295779513082320876798154814105; // 180 / pi

double machAngle(double M)
{
    return std::asin(1 / M) * kDegrees;
}

// The x in [a, b] where a continuous f changes sign, down to adjacent doubles.
template <typename F>
double bisect(double a, double b, F f)
{
    const bool risingAtB = f(b) > 0;
    for (;;) {
        const double mid = a + (b - a) / 2;
        if (!(mid > a && mid < b))
            return mid;
        ((f(mid) > 0) == risingAtB ? b : a) = mid;
    }
}

} // namespace

double deflection(double M1, double beta, const GasConstants &gas)
{
    const double b = beta / kDegrees;
    const double s = std::sin(b);
    const double t = 2 / std::tan(b) * (M1 * M1 * s * s - 1) / (M1 * M1 * (gas.k + std::cos(2 * b)) + 2);
    return std::atan(t) * kDegrees;
}

std::optional<ObliqueShock> obliqueShock(double M1, double beta, const GasConstants &gas)
{
    if (!(M1 > 1) || !std::isfinite(M1) || !(beta >= machAngle(M1)) || !(beta <= 90))
        return std::nullopt;
    const double Mn1 = std::max(1.0, M1 * std::sin(beta / kDegrees));
    const NormalShock n = normalShock(Mn1, gas);
    const double theta = beta == 90 ? 0 : std::max(0.0, deflection(M1, beta, gas));
    return ObliqueShock{M1, beta, theta, Mn1, n.M2 / std::sin((beta - theta) / kDegrees), n.p2_p1, n.T2_T1,
                        n.rho2_rho1, n.p02_p01};
}

MostDeflection maxDeflection(double M1, const GasConstants &gas)
{
    // sin^2 beta = [(k+1) M^2 - 4 + sqrt((k+1) ((k+1) M^4 + 8 (k-1) M^2 + 16))] / (4 k M^2)
    const double k = gas.k, M2 = M1 * M1;
    const double root = std::sqrt((k + 1) * ((k + 1) * M2 * M2 + 8 * (k - 1) * M2 + 16));
    const double beta = std::asin(std::sqrt(((k + 1) * M2 - 4 + root) / (4 * k * M2))) * kDegrees;
    return {deflection(M1, beta, gas), beta};
}

std::optional<ShockAngles> shockAngles(double M1, double theta, const GasConstants &gas)
{
    if (!(M1 > 1) || !std::isfinite(M1) || !(theta >= 0))
        return std::nullopt;
    const MostDeflection most = maxDeflection(M1, gas);
    if (theta > most.theta)
        return std::nullopt;
    if (theta == most.theta) // the two angles meet; bisection from one end would leave it
        return ShockAngles{most.beta, most.beta};
    const auto off = [&](double beta) { return deflection(M1, beta, gas) - theta; };
    return ShockAngles{theta == 0 ? machAngle(M1) : bisect(machAngle(M1), most.beta, off),
                       theta == 0 ? 90 : bisect(most.beta, 90, off)};
}

std::optional<double> shockAngleFor(double M1, double p2_p1, const GasConstants &gas)
{
    if (!(M1 > 1) || !std::isfinite(M1) || !(p2_p1 >= 1) || p2_p1 > normalShock(M1, gas).p2_p1)
        return std::nullopt;
    const std::optional<double> Mn1 = shockMachFrom(ShockQuantity::p2_p1, p2_p1, gas);
    if (!Mn1)
        return std::nullopt;
    return std::asin(std::min(1.0, *Mn1 / M1)) * kDegrees;
}

std::optional<LipShock> lipShock(double Me, double pb_pe, const GasConstants &gas)
{
    if (!(pb_pe > 1))
        return std::nullopt;
    const std::optional<double> beta = shockAngleFor(Me, pb_pe, gas);
    if (!beta)
        return std::nullopt;
    const MostDeflection most = maxDeflection(Me, gas);
    return LipShock{*obliqueShock(Me, *beta, gas), most, *beta > most.beta};
}

std::optional<LipFan> lipFan(double Me, double pb_p0, const GasConstants &gas)
{
    if (!(Me > 1) || !std::isfinite(Me) || !(pb_p0 >= 0) || !(pb_p0 <= isentropicState(Me, gas).p_p0))
        return std::nullopt;
    const double nuE = isentropicState(Me, gas).nu;
    if (pb_p0 == 0) { // into a vacuum: the fan turns the jet to nu max, Mb without end
        const double turn = upperLimit(Quantity::nu, gas) - nuE;
        return LipFan{std::numeric_limits<double>::infinity(), turn, machAngle(Me), -turn};
    }
    const std::optional<double> Mb = machFrom(Quantity::p_p0, pb_p0, Branch::Supersonic, gas);
    if (!Mb)
        return std::nullopt;
    const double turn = isentropicState(*Mb, gas).nu - nuE;
    return LipFan{*Mb, turn, machAngle(Me), machAngle(*Mb) - turn};
}

} // namespace flow
