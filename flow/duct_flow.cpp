#include "flow/duct_flow.h"

#include "flow/arithmetic.h"

#include "flow/fanno.h"
#include "flow/isentropic.h"
#include "flow/normal_shock.h"
#include "flow/rayleigh.h"
#include "flow/root_search.h"

#include <cmath>
#include <optional>

namespace flow {

namespace {

constexpr double kCloseTo = 1e-9;  // how near a critical back pressure counts as at it
constexpr double kPastSonic = 1e-12; // how far past sonic a rounded exit still counts as sonic

bool near(double a, double b) { return std::fabs(a - b) <= kCloseTo * b; }

// pb above the critical pressure c and not at it.
bool above(double pb, double c) { return pb > c && !near(pb, c); }

// What a look-up or search found. Where it found nothing the flow's figures
// have left the range of numbers (a subsonic Mach number underflowed, a level
// overflowed), and no flow is given.
template <typename T>
T found(const std::optional<T> &value)
{
    if (!value)
        fail(ArithmeticError::Kind::Overflow);
    return *value;
}

DuctStation isentropicStation(double M, double p0_p01, double T0_T01, const GasConstants &gas)
{
    const IsentropicState s = isentropicState(M, gas);
    return {M, s.p_p0 * p0_p01, s.T_T0 * T0_T01, p0_p01, T0_T01};
}

double subsonicMach(double A_As, const GasConstants &gas)
{
    return found(machFrom(Quantity::A_As, A_As, Branch::Subsonic, gas));
}

Branch branchOf(double M) { return M < 1 ? Branch::Subsonic : Branch::Supersonic; }

// The duct's law: the Fanno or the Rayleigh line through the inlet's state,
// on which the duct's length or heat moves the stream towards M = 1. Its
// level is 4fL*/D (friction) or T0/T0* (heat).
class Law {
public:
    Law(DuctKind kind, const GasConstants &gas) : kind_(kind), gas_(gas) {}

    double level(double M) const
    {
        return kind_ == DuctKind::Friction ? found(fannoState(M, gas_)).fLs_D : found(rayleighState(M, gas_)).T0_T0s;
    }

    // The level at the exit of `amount` of duct from the level at its inlet.
    double exitLevel(double inlet, double amount) const
    {
        return kind_ == DuctKind::Friction ? inlet - amount : inlet * amount;
    }

    // The inlet Mach number on `branch` at which `amount` of duct just chokes
    // (M = 1 at its exit), or nothing where no inlet on that branch does.
    std::optional<double> chokingMach(Branch branch, double amount) const
    {
        if (kind_ == DuctKind::Friction)
            return fannoMachFrom(FannoQuantity::fLs_D, amount, branch, gas_);
        return rayleighMachFrom(RayleighQuantity::T0_T0s, 1 / amount, branch, gas_);
    }

    // The exit of `amount` of duct from its inlet `in`, on the inlet's branch,
    // or nothing where the duct chokes before its exit. A `choked` duct's exit
    // is taken as sonic: its level, flat there, would leave M a few parts in
    // 1e8 off 1, and p/p* as much.
    std::optional<DuctStation> exit(const DuctStation &in, double amount, bool choked = false) const
    {
        const double level = exitLevel(this->level(in.M), amount);
        const bool friction = kind_ == DuctKind::Friction;
        const double past = friction ? -level : level - 1; // beyond sonic when above 0
        if (past > kPastSonic * (friction ? std::max(1.0, amount) : 1))
            return std::nullopt;
        double M = 1;
        if (past < 0 && !choked)
            M = found(friction ? fannoMachFrom(FannoQuantity::fLs_D, level, branchOf(in.M), gas_)
                               : rayleighMachFrom(RayleighQuantity::T0_T0s, level, branchOf(in.M), gas_));
        const Ratios r1 = ratios(in.M), r2 = ratios(M);
        const double T = in.T_T01 * r2.T / r1.T;
        return DuctStation{M, in.p_p01 * r2.p / r1.p, T, in.p0_p01 * r2.p0 / r1.p0, T * (1 + gas_.kc2 * M * M)};
    }

private:
    struct Ratios {
        double p, T, p0; // to the sonic state of the line
    };
    Ratios ratios(double M) const
    {
        if (kind_ == DuctKind::Friction) {
            const FannoState s = found(fannoState(M, gas_));
            return {s.p_ps, s.T_Ts, s.p0_p0s};
        }
        const RayleighState s = found(rayleighState(M, gas_));
        return {s.p_ps, s.T_Ts, s.p0_p0s};
    }

    DuctKind kind_;
    const GasConstants &gas_;
};

// The nozzle and the duct together, and the flows through them that the
// regimes are made of.
struct System {
    double Ae_At;
    Duct duct;
    const GasConstants &gas;
    Law law;
    double Msub, Msup; // the nozzle's exit Mach numbers, isentropic from a choked throat
    double chokingInlet; // the subsonic inlet Mach number the duct just chokes at

    System(double Ae_At_, Duct duct_, const GasConstants &gas_)
        : Ae_At(Ae_At_), duct(duct_), gas(gas_), law(duct_.kind, gas_),
          Msub(subsonicMach(Ae_At_, gas_)), Msup(found(machFrom(Quantity::A_As, Ae_At_, Branch::Supersonic, gas_))),
          chokingInlet(found(law.chokingMach(Branch::Subsonic, duct_.amount)))
    {
    }

    // The duct chokes before the nozzle's throat does.
    bool ductChokesFirst() const { return chokingInlet <= Msub; }

    // Subsonic throughout with the duct's inlet at M1: its exit.
    DuctStation subsonicExit(double M1, bool choked = false) const
    {
        if (M1 == 0)
            return {0, 1, 1, 1, 1};
        return found(law.exit(isentropicStation(M1, 1, 1, gas), duct.amount, choked));
    }

    // A shock in the nozzle with p02/p01 behind it: the duct's inlet, where
    // A/A2* = (Ae/At) (At/A2*) = (Ae/At) p02/p01.
    DuctStation inletBehindNozzleShock(double p02_p01) const
    {
        return isentropicStation(subsonicMach(std::max(1.0, Ae_At * p02_p01), gas), p02_p01, 1, gas);
    }

    // The duct's supersonic inlet, the nozzle isentropic from its choked throat.
    DuctStation supersonicInlet() const { return isentropicStation(Msup, 1, 1, gas); }

    // A shock in the duct at 4fx/D: the stations before and behind it.
    std::pair<DuctStation, DuctStation> ductShock(double x) const
    {
        const DuctStation before = found(law.exit(supersonicInlet(), x));
        const NormalShock s = normalShock(before.M, gas);
        const double T = before.T_T01 * s.T2_T1;
        const DuctStation after{s.M2, before.p_p01 * s.p2_p1, T, before.p0_p01 * s.p02_p01,
                                T * (1 + gas.kc2 * s.M2 * s.M2)};
        return {before, after};
    }

    // The duct's exit with a shock in it at 4fx/D, or nothing where the
    // stream behind it chokes before the exit.
    std::optional<DuctStation> exitBehindDuctShock(double x, bool choked = false) const
    {
        return law.exit(ductShock(x).second, duct.amount - x, choked);
    }

    // p02/p01 behind a shock in the nozzle's exit plane.
    double p02AtNozzleExit() const { return normalShock(Msup, gas).p02_p01; }

    // p02/p01 behind the shock in the nozzle that puts the duct's inlet at
    // chokingInlet: Ae/At p02/p01 = A/A* there.
    double p02ChokingDuct() const { return isentropicState(chokingInlet, gas).A_As / Ae_At; }

    // The duct is long enough, or heated enough, to choke behind a shock
    // before the shock reaches the nozzle's exit.
    bool chokesWithShockInNozzle() const { return p02ChokingDuct() > p02AtNozzleExit(); }

    // 4fx/D of the shock in the duct behind which the stream chokes just at
    // the exit: x + 4fL*/D behind it = 4fL/D, x + 4fL*/D behind falling as x grows.
    double shockChokingDuct() const
    {
        const double top = law.level(Msup);
        const auto reach = [this](double x) {
            return x + law.level(ductShock(x).second.M);
        };
        return roots::illinois([&reach](double x) { return -reach(x); }, 0, top, -duct.amount);
    }

    // Supersonic throughout: the duct's exit, or nothing where it chokes.
    std::optional<DuctStation> supersonicExit() const { return law.exit(supersonicInlet(), duct.amount); }
};

} // namespace

namespace {

DuctCriticalPressures criticalPressures(double Ae_At, Duct duct, const GasConstants &gas)
{
    const System sys(Ae_At, duct, gas);
    DuctCriticalPressures c;
    if (sys.ductChokesFirst()) {
        c.exitChokes = sys.subsonicExit(sys.chokingInlet, true).p_p01;
        return c;
    }
    c.throatChokes = sys.subsonicExit(sys.Msub).p_p01;
    if (sys.chokesWithShockInNozzle()) {
        c.exitChokes = found(sys.law.exit(sys.inletBehindNozzleShock(sys.p02ChokingDuct()), duct.amount, true)).p_p01;
        return c;
    }
    c.shockAtNozzleExit = found(sys.law.exit(sys.inletBehindNozzleShock(sys.p02AtNozzleExit()), duct.amount)).p_p01;
    const std::optional<DuctStation> supersonic = sys.supersonicExit();
    if (!supersonic) { // friction: a shock in the duct
        c.exitChokes = found(sys.exitBehindDuctShock(sys.shockChokingDuct(), true)).p_p01;
        return c;
    }
    c.matched = supersonic->p_p01;
    c.shockAtDuctExit = supersonic->p_p01 * normalShock(supersonic->M, gas).p2_p1;
    if (duct.kind == DuctKind::Heat) // behind a shock anywhere the exit is the same
        c.shockAtDuctExit = c.shockAtNozzleExit;
    return c;
}

} // namespace

DuctCriticalPressures ductCriticalPressures(double Ae_At, Duct duct, const GasConstants &gas)
{
    try {
        return criticalPressures(Ae_At, duct, gas);
    } catch (const ArithmeticError &) {
        return {}; // a nozzle so wide that its subsonic exit leaves the range of numbers
    }
}

namespace {

std::optional<DuctFlow> flowOf(double Ae_At, Duct duct, double pb_p01, const GasConstants &gas)
{
    const bool friction = duct.kind == DuctKind::Friction;
    if (!(Ae_At >= 1) || !std::isfinite(Ae_At) || !(pb_p01 >= 0 && pb_p01 <= 1) || !std::isfinite(duct.amount) ||
        !(friction ? duct.amount >= 0 : duct.amount >= 1))
        return std::nullopt;
    const System sys(Ae_At, duct, gas);
    DuctFlow f{};
    f.Ae_At = Ae_At;
    f.pb_p01 = pb_p01;
    f.duct = duct;
    f.critical = criticalPressures(Ae_At, duct, gas);
    const DuctCriticalPressures &c = f.critical;
    f.throatM = 1;
    f.massFlow = 1;

    // Subsonic throughout with the duct's inlet at M1.
    const auto subsonic = [&](double M1, bool choked) {
        f.exitChoked = choked;
        f.inlet = M1 == 0 ? DuctStation{0, 1, 1, 1, 1} : isentropicStation(M1, 1, 1, gas);
        f.exit = sys.subsonicExit(M1, choked);
        if (M1 > 0) {
            const double A_As = isentropicState(M1, gas).A_As; // the duct's A over the stream's A*
            f.massFlow = Ae_At / A_As;
            f.throatM = M1 == sys.Msub ? 1 : subsonicMach(A_As / Ae_At, gas);
        } else {
            f.massFlow = f.throatM = 0;
        }
    };
    // The inlet Mach number in (0, top] that puts the exit at pb.
    const auto subsonicAtPb = [&](double top) {
        return roots::illinois([&](double M1) { return -sys.subsonicExit(M1).p_p01; }, 0, top, -pb_p01);
    };
    // A shock in the nozzle with p02/p01 behind it.
    const auto nozzleShock = [&](double p02_p01, bool choked) {
        f.exitChoked = choked;
        const double Ms = found(shockMachFrom(ShockQuantity::p02_p01, p02_p01, gas));
        const NormalShock s = normalShock(Ms, gas);
        f.shockAs_At = isentropicState(Ms, gas).A_As;
        f.beforeShock = isentropicStation(Ms, 1, 1, gas);
        f.afterShock = isentropicStation(s.M2, p02_p01, 1, gas);
        f.inlet = sys.inletBehindNozzleShock(p02_p01);
        f.exit = found(sys.law.exit(f.inlet, duct.amount, choked));
    };
    // The p02/p01 in [lowest, 1] behind a shock in the nozzle that puts the exit at pb.
    const auto nozzleShockAtPb = [&](double lowest) {
        const auto exitPressure = [&](double p02) { return found(sys.law.exit(sys.inletBehindNozzleShock(p02), duct.amount)).p_p01; };
        return roots::illinois(exitPressure, lowest, 1, pb_p01);
    };
    // A shock in the duct at 4fx/D.
    const auto ductShock = [&](double x, bool choked) {
        f.exitChoked = choked;
        const auto [before, after] = sys.ductShock(x);
        f.shock4fx_D = x;
        f.beforeShock = before;
        f.afterShock = after;
        f.inlet = sys.supersonicInlet();
        f.exit = found(sys.law.exit(after, duct.amount - x, choked));
    };
    // The 4fx/D in [0, farthest] of the shock in the duct that puts the exit at pb.
    const auto ductShockAtPb = [&](double farthest) {
        return roots::illinois([&](double x) { return -found(sys.exitBehindDuctShock(x)).p_p01; }, 0, farthest, -pb_p01);
    };

    if (pb_p01 == 1) {
        f.regime = DuctRegime::NoFlow;
        subsonic(0, false);
    } else if (sys.ductChokesFirst()) {
        const bool open = above(pb_p01, *c.exitChokes);
        f.regime = open ? DuctRegime::Subsonic : DuctRegime::ExitChoked;
        subsonic(open ? subsonicAtPb(sys.chokingInlet) : sys.chokingInlet, !open);
    } else if (above(pb_p01, *c.throatChokes)) {
        f.regime = DuctRegime::Subsonic;
        subsonic(subsonicAtPb(sys.Msub), false);
    } else if (near(pb_p01, *c.throatChokes)) {
        f.regime = DuctRegime::ChokedSubsonic;
        subsonic(sys.Msub, false);
    } else if (sys.chokesWithShockInNozzle()) {
        f.regime = DuctRegime::ShockInNozzle;
        const double lowest = sys.p02ChokingDuct();
        const bool open = above(pb_p01, *c.exitChokes);
        nozzleShock(open ? nozzleShockAtPb(lowest) : lowest, !open);
    } else if (!near(pb_p01, *c.shockAtNozzleExit) && pb_p01 > *c.shockAtNozzleExit) {
        f.regime = DuctRegime::ShockInNozzle;
        nozzleShock(nozzleShockAtPb(sys.p02AtNozzleExit()), false);
    } else if (near(pb_p01, *c.shockAtNozzleExit) && (!friction || duct.amount == 0)) {
        // With heat, or no duct, a shock anywhere in the duct gives this same
        // exit: it is taken in the nozzle's exit plane.
        f.regime = DuctRegime::ShockInNozzle;
        nozzleShock(sys.p02AtNozzleExit(), false);
    } else if (c.exitChokes || (c.shockAtDuctExit && above(pb_p01, *c.shockAtDuctExit) && friction)) {
        f.regime = DuctRegime::ShockInDuct;
        const double farthest = c.exitChokes ? sys.shockChokingDuct() : duct.amount;
        const double floor = c.exitChokes ? *c.exitChokes : *c.shockAtDuctExit;
        const bool open = above(pb_p01, floor);
        ductShock(open ? ductShockAtPb(farthest) : farthest, !open && c.exitChokes.has_value());
    } else if (friction && near(pb_p01, *c.shockAtDuctExit)) {
        f.regime = DuctRegime::ShockInDuct;
        ductShock(duct.amount, false);
    } else {
        f.regime = near(pb_p01, *c.matched) ? DuctRegime::Matched
                   : pb_p01 < *c.matched    ? DuctRegime::Underexpanded
                                            : DuctRegime::Overexpanded;
        f.inlet = sys.supersonicInlet();
        f.exit = found(sys.supersonicExit());
    }
    f.exitChoked = f.exitChoked || f.exit.M == 1;
    f.p02_p01 = f.exit.p0_p01;
    return f;
}

} // namespace

std::optional<DuctFlow> ductFlow(double Ae_At, Duct duct, double pb_p01, const GasConstants &gas)
{
    try {
        return flowOf(Ae_At, duct, pb_p01, gas);
    } catch (const ArithmeticError &) {
        return std::nullopt; // its figures leave the range of numbers
    }
}

} // namespace flow
