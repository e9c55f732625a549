#include "flow/back_pressure.h"

#include "flow/isentropic.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace flow {

namespace {

constexpr double kCloseTo = 1e-9;
constexpr double kInfinity = std::numeric_limits<double>::infinity(); // how near a critical back pressure counts as at it

bool near(double a, double b) { return std::fabs(a - b) <= kCloseTo * b; }

// The Mach numbers of A/A* on either branch. Where A/A* is 1, or rounds just
// below it near the throat (its doubles fix M there to about 1e-8 only), the
// stream is sonic.
double subsonicMach(double A_As, const GasConstants &gas)
{
    return A_As > 1 ? machFrom(Quantity::A_As, A_As, Branch::Subsonic, gas).value_or(0) : 1;
}

double supersonicMach(double A_As, const GasConstants &gas)
{
    return A_As > 1 ? machFrom(Quantity::A_As, A_As, Branch::Supersonic, gas).value_or(kInfinity) : 1;
}

// A station at Mach number M, area A/At, behind stagnation pressure p0/p01
// (T0 does not change across a shock).
NozzleStation station(double M, double A_At, double p0_p01, const GasConstants &gas)
{
    const IsentropicState s = isentropicState(M, gas);
    return {M, A_At, s.p_p0 * p0_p01, s.T_T0, s.rho_rho0 * p0_p01, p0_p01};
}

// The exit Mach number behind a shock inside, in closed form from
// P = pb Ae / (p01 At) = (pe/p0e)(Ae/Ae*) = kc1^kc3 / (Me sqrt(1 + kc2 Me^2)):
// kc2 Me^4 + Me^2 - C = 0 with C = (kc1^kc3 / P)^2.
double exitMachBehindShock(double P, const GasConstants &gas)
{
    const double c = std::pow(std::pow(gas.kc1, gas.kc3) / P, 2);
    const double m2 = 2 * c / (1 + std::sqrt(1 + 4 * gas.kc2 * c)); // the root without cancellation
    return std::sqrt(m2);
}

} // namespace

CriticalPressures criticalPressures(double Ae_At, const GasConstants &gas)
{
    const double design = isentropicState(supersonicMach(Ae_At, gas), gas).p_p0;
    return {isentropicState(subsonicMach(Ae_At, gas), gas).p_p0,
            design * normalShock(supersonicMach(Ae_At, gas), gas).p2_p1, design};
}

std::optional<BackPressureFlow> backPressureFlow(double Ae_At, double pb_p01, const GasConstants &gas)
{
    if (!(Ae_At >= 1) || !std::isfinite(Ae_At) || !(pb_p01 >= 0 && pb_p01 <= 1))
        return std::nullopt;
    BackPressureFlow f{};
    f.Ae_At = Ae_At;
    f.pb_p01 = pb_p01;
    f.critical = criticalPressures(Ae_At, gas);
    const CriticalPressures &c = f.critical;
    const double Msup = supersonicMach(Ae_At, gas);

    if (pb_p01 == 1) {
        f.regime = Regime::NoFlow;
        f.throat = station(0, 1, 1, gas);
        f.exit = station(0, Ae_At, 1, gas);
    } else if (pb_p01 > c.chokedSubsonic && !near(pb_p01, c.chokedSubsonic)) {
        // Subsonic throughout: the exit takes pb, and the throat's Mach number
        // follows from the exit's A/A* over Ae/At (at Ae/At = 1 the throat is
        // the exit).
        f.regime = Regime::Subsonic;
        const double Me = machFrom(Quantity::p_p0, pb_p01, Branch::Subsonic, gas).value_or(0);
        const double Ae_As = isentropicState(Me, gas).A_As;
        f.throat = station(Ae_At == 1 ? Me : subsonicMach(Ae_As / Ae_At, gas), 1, 1, gas);
        f.exit = station(Me, Ae_At, 1, gas);
    } else if (near(pb_p01, c.chokedSubsonic) || Ae_At == 1) {
        f.regime = pb_p01 > c.design && !near(pb_p01, c.design) ? Regime::ChokedSubsonic
                   : near(pb_p01, c.design)                     ? Regime::Design
                                                                : Regime::Underexpanded;
        f.throat = station(1, 1, 1, gas);
        f.exit = station(f.regime == Regime::ChokedSubsonic ? subsonicMach(Ae_At, gas) : Msup, Ae_At, 1, gas);
    } else if (pb_p01 > c.shockAtExit && !near(pb_p01, c.shockAtExit)) {
        f.regime = Regime::ShockInside;
        const double Me = exitMachBehindShock(pb_p01 * Ae_At, gas);
        const double p02_p01 = pb_p01 / isentropicState(Me, gas).p_p0;
        // p02/p01 rounds above 1 only with the shock at the throat.
        const double M1 = shockMachFrom(ShockQuantity::p02_p01, p02_p01, gas).value_or(1);
        f.shock = normalShock(M1, gas);
        const double As_At = isentropicState(M1, gas).A_As;
        f.throat = station(1, 1, 1, gas);
        f.beforeShock = station(M1, As_At, 1, gas);
        f.afterShock = station(f.shock->M2, As_At, p02_p01, gas);
        f.exit = station(Me, Ae_At, p02_p01, gas);
    } else {
        f.regime = near(pb_p01, c.shockAtExit) ? Regime::ShockAtExit
                   : near(pb_p01, c.design)    ? Regime::Design
                   : pb_p01 > c.design         ? Regime::Overexpanded
                                               : Regime::Underexpanded;
        f.throat = station(1, 1, 1, gas);
        f.exit = station(Msup, Ae_At, 1, gas);
        if (f.regime == Regime::ShockAtExit) {
            f.shock = normalShock(Msup, gas);
            f.beforeShock = f.exit;
            f.afterShock = station(f.shock->M2, Ae_At, f.shock->p02_p01, gas);
        }
    }
    return f;
}

PlaceInFlow placeInFlow(const BackPressureFlow &f, double A_At, bool diverging, const GasConstants &gas)
{
    const auto mach = [&gas](double A_As, Branch branch) {
        return machFrom(Quantity::A_As, std::max(1.0, A_As), branch, gas).value_or(1);
    };
    const auto isentropic = [&gas](double M, double p0_p01) { return PlaceInFlow{M, isentropicState(M, gas).p_p0 * p0_p01}; };
    switch (f.regime) {
    case Regime::NoFlow: return {0, 1};
    case Regime::Subsonic: // A* of the stream lies beyond the throat: A/A* = (A/At) (At/A*)
        return isentropic(mach(A_At * isentropicState(f.throat.M, gas).A_As, Branch::Subsonic), 1);
    case Regime::ChokedSubsonic: return isentropic(mach(A_At, Branch::Subsonic), 1);
    case Regime::ShockInside:
        if (diverging && A_At > f.beforeShock->A_At) { // behind the shock: A/A2* = (A/At) (At/A2*), At/A2* = p02/p01
            const double p02 = f.afterShock->p0_p01;
            return isentropic(mach(A_At * p02, Branch::Subsonic), p02);
        }
        break;
    default: break;
    }
    return isentropic(mach(A_At, diverging ? Branch::Supersonic : Branch::Subsonic), 1);
}

} // namespace flow
