// A nozzle of Ae/At = 2 discharging into a duct with friction or heat: each
// regime against its textbook construction, solved here in long double from
// the closed forms alone; the regimes in order as pb falls, the mass carried
// through, and each critical back pressure met from both sides.

#include "flow/duct_flow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using flow::Duct;
using flow::DuctKind;
using flow::DuctRegime;
using LD = long double;

const flow::GasConstants air = flow::gasConstants();
constexpr double kAreas = 2; // Ae/At

// The closed forms, in long double, for air (k = 7/5 exactly).
struct Air {
    LD k = 1.4L;
    LD sum(LD M) const { return 1 + (k - 1) / 2 * M * M; }
    LD p_p0(LD M) const { return std::pow(sum(M), -k / (k - 1)); }
    LD area(LD M) const { return std::pow(2 * sum(M) / (k + 1), (k + 1) / (2 * (k - 1))) / M; } // A/A*
    LD fanno(LD M) const { return (1 - M * M) / (k * M * M) + (k + 1) / (2 * k) * std::log((k + 1) * M * M / (2 * sum(M))); }
    LD fannoP(LD M) const { return std::sqrt((k + 1) / (2 * sum(M))) / M; } // p/p*
    LD rayleighT0(LD M) const { return 2 * (k + 1) * M * M * sum(M) / ((1 + k * M * M) * (1 + k * M * M)); }
    LD rayleighP(LD M) const { return (1 + k) / (1 + k * M * M); }
    LD shockM2(LD M) const { return std::sqrt(((k - 1) * M * M + 2) / (2 * k * M * M - (k - 1))); }
    LD shockP(LD M) const { return 1 + 2 * k / (k + 1) * (M * M - 1); }
    LD shockP0(LD M) const
    {
        return std::pow((k + 1) * M * M / ((k - 1) * M * M + 2), k / (k - 1)) * std::pow(shockP(M), -1 / (k - 1));
    }
};
const Air exact;

// Where the monotonic f reaches target in [lo, hi]: plain bisection, long enough
// for long double.
template <typename F>
LD solve(F f, LD lo, LD hi, LD target)
{
    const bool rising = f(hi) > f(lo);
    for (int i = 0; i < 200; ++i) {
        const LD mid = (lo + hi) / 2;
        ((f(mid) < target) == rising ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

const LD Msup = solve([](LD M) { return exact.area(M); }, 1, 10, kAreas);

void expectClose(double ours, LD theirs, double relative, const char *what)
{
    EXPECT_LE(std::fabs(ours - theirs), relative * std::fabs(theirs)) << what << ": " << ours << " against " << double(theirs);
}

flow::DuctFlow flowAt(Duct duct, double pb)
{
    const std::optional<flow::DuctFlow> f = flow::ductFlow(kAreas, duct, pb, air);
    EXPECT_TRUE(f) << pb;
    return f.value_or(flow::DuctFlow{});
}

// A duct too long (4fL/D = 1) or too hot (T02/T01 = 1.5) for a supersonic
// stream: the shock stays in the nozzle where the subsonic stream behind it
// enters the duct at the Mach number that chokes it just at its exit.
TEST(DuctFlow, ALongOrHotDuctHoldsTheShockInTheNozzle)
{
    for (const Duct duct : {Duct{DuctKind::Friction, 1}, Duct{DuctKind::Heat, 1.5}}) {
        SCOPED_TRACE(int(duct.kind));
        const bool friction = duct.kind == DuctKind::Friction;
        const LD M1 = friction ? solve([](LD M) { return exact.fanno(M); }, 0.05L, 1, duct.amount)
                               : solve([](LD M) { return exact.rayleighT0(M); }, 0.05L, 1, 1 / LD(duct.amount));
        const LD p02 = exact.area(M1) / kAreas; // Ae/A2* = A/A* at the duct's inlet
        const LD Ms = solve([](LD M) { return exact.shockP0(M); }, 1, 10, p02);
        const LD pe = p02 * exact.p_p0(M1) / (friction ? exact.fannoP(M1) : exact.rayleighP(M1));

        const flow::DuctFlow f = flowAt(duct, 0.1);
        EXPECT_EQ(f.regime, DuctRegime::ShockInNozzle);
        EXPECT_TRUE(f.exitChoked);
        ASSERT_TRUE(f.shockAs_At && f.critical.exitChokes && f.beforeShock);
        expectClose(*f.shockAs_At, exact.area(Ms), 1e-11, "As/At");
        expectClose(f.beforeShock->M, Ms, 1e-11, "M before the shock");
        expectClose(f.inlet.M, M1, 1e-11, "inlet M");
        expectClose(*f.critical.exitChokes, pe, 1e-11, "exit pressure");
        expectClose(f.exit.p_p01, pe, 1e-11, "exit pressure");
        EXPECT_EQ(f.exit.M, 1);
        // The nozzle's choked flow leaves through a sonic exit of Ae = 2 At:
        // p0e / sqrt(T0e) = p01 / sqrt(T01) / 2.
        expectClose(f.p02_p01, std::sqrt(LD(f.exit.T0_T01)) / kAreas, 1e-11, "p02/p01");
        EXPECT_EQ(f.massFlow, 1);
    }
}

// 4fL/D = 0.5: a supersonic stream enters but cannot run the length; the
// shock stands where the subsonic stream behind it chokes at the exit.
TEST(DuctFlow, TheShockInTheDuctStandsWhereTheStreamBehindItChokesAtTheExit)
{
    const LD fL = 0.5;
    const LD Mx = solve([](LD M) { return exact.fanno(Msup) - exact.fanno(M) + exact.fanno(exact.shockM2(M)); }, 1, Msup, fL);
    const LD x = exact.fanno(Msup) - exact.fanno(Mx);
    const LD px = exact.p_p0(Msup) * exact.fannoP(Mx) / exact.fannoP(Msup);
    const LD pe = px * exact.shockP(Mx) / exact.fannoP(exact.shockM2(Mx));

    const flow::DuctFlow f = flowAt({DuctKind::Friction, double(fL)}, 0.1);
    EXPECT_EQ(f.regime, DuctRegime::ShockInDuct);
    EXPECT_TRUE(f.exitChoked);
    ASSERT_TRUE(f.shock4fx_D && f.beforeShock && f.afterShock && f.critical.exitChokes);
    expectClose(*f.shock4fx_D, x, 1e-11, "4fx/D");
    expectClose(f.beforeShock->M, Mx, 1e-11, "M before the shock");
    expectClose(f.afterShock->M, exact.shockM2(Mx), 1e-11, "M behind the shock");
    expectClose(f.beforeShock->p_p01, px, 1e-11, "p before the shock");
    expectClose(*f.critical.exitChokes, pe, 1e-11, "exit pressure");
    expectClose(f.inlet.M, Msup, 1e-12, "inlet M");
    EXPECT_FALSE(f.critical.matched);
}

// 4fL/D = 0.2 and T02/T01 = 1.2: supersonic throughout at low pb. With heat
// a shock anywhere in the duct leaves the same exit: the shock at the
// nozzle's exit and at the duct's have one back pressure.
TEST(DuctFlow, AShortOrMildDuctRunsSupersonicThroughout)
{
    for (const Duct duct : {Duct{DuctKind::Friction, 0.2}, Duct{DuctKind::Heat, 1.2}}) {
        SCOPED_TRACE(int(duct.kind));
        const bool friction = duct.kind == DuctKind::Friction;
        const auto level = [friction](LD M) { return friction ? exact.fanno(M) : exact.rayleighT0(M); };
        const auto pRatio = [friction](LD M) { return friction ? exact.fannoP(M) : exact.rayleighP(M); };
        const auto exitLevel = [&](LD M1) { return friction ? level(M1) - duct.amount : level(M1) * duct.amount; };
        const LD Me = solve(level, 1, Msup, exitLevel(Msup));
        const LD matched = exact.p_p0(Msup) * pRatio(Me) / pRatio(Msup);
        // The shock in the nozzle's exit plane: the subsonic stream behind it through the duct.
        const LD My = exact.shockM2(Msup);
        const LD M2 = solve(level, 0.05L, 1, exitLevel(My));
        const LD atNozzleExit = exact.shockP0(Msup) * exact.p_p0(My) * pRatio(M2) / pRatio(My);

        const flow::DuctCriticalPressures c = flow::ductCriticalPressures(kAreas, duct, air);
        ASSERT_TRUE(c.matched && c.shockAtDuctExit && c.shockAtNozzleExit);
        EXPECT_FALSE(c.exitChokes);
        expectClose(*c.matched, matched, 1e-11, "matched");
        expectClose(*c.shockAtDuctExit, matched * exact.shockP(Me), 1e-11, "shock at the duct's exit");
        expectClose(*c.shockAtNozzleExit, atNozzleExit, 1e-11, "shock at the nozzle's exit");
        if (!friction)
            expectClose(*c.shockAtNozzleExit, matched * exact.shockP(Me), 1e-11, "heat: one back pressure");

        for (const auto &[pb, regime] : {std::pair{1.1 * *c.matched, DuctRegime::Overexpanded},
                                         std::pair{*c.matched, DuctRegime::Matched},
                                         std::pair{0.9 * *c.matched, DuctRegime::Underexpanded}}) {
            const flow::DuctFlow f = flowAt(duct, pb);
            EXPECT_EQ(f.regime, regime) << pb;
            expectClose(f.exit.M, Me, 1e-11, "exit M");
            EXPECT_FALSE(f.shockAs_At || f.shock4fx_D);
        }
    }
}

// 4fL/D = 6 or T02/T01 = 4: the duct chokes a subsonic stream before the
// throat can; it then passes less than the nozzle's choked flow.
TEST(DuctFlow, ADuctThatChokesFirstPassesLessThanTheNozzle)
{
    for (const Duct duct : {Duct{DuctKind::Friction, 6}, Duct{DuctKind::Heat, 4}}) {
        SCOPED_TRACE(int(duct.kind));
        const bool friction = duct.kind == DuctKind::Friction;
        const LD M1 = friction ? solve([](LD M) { return exact.fanno(M); }, 0.01L, 1, duct.amount)
                               : solve([](LD M) { return exact.rayleighT0(M); }, 0.01L, 1, 1 / LD(duct.amount));
        const LD pe = exact.p_p0(M1) / (friction ? exact.fannoP(M1) : exact.rayleighP(M1));
        const LD throat = solve([](LD M) { return exact.area(M); }, 0.01L, 1, exact.area(M1) / kAreas);

        const flow::DuctCriticalPressures c = flow::ductCriticalPressures(kAreas, duct, air);
        ASSERT_TRUE(c.exitChokes);
        EXPECT_FALSE(c.throatChokes || c.shockAtNozzleExit || c.matched);
        expectClose(*c.exitChokes, pe, 1e-11, "exit pressure");
        for (const double pb : {*c.exitChokes, 0.5 * *c.exitChokes, 0.0}) {
            const flow::DuctFlow f = flowAt(duct, pb);
            EXPECT_EQ(f.regime, DuctRegime::ExitChoked) << pb;
            EXPECT_TRUE(f.exitChoked);
            expectClose(f.massFlow, kAreas / exact.area(M1), 1e-11, "mass flow");
            EXPECT_LT(f.massFlow, 1);
            expectClose(f.throatM, throat, 1e-11, "throat M");
        }
    }
}

// The more heat, the farther upstream the shock it holds in the nozzle.
TEST(DuctFlow, MoreHeatDrivesTheShockUpstream)
{
    double last = kAreas;
    for (const double heat : {1.4, 1.5, 1.8, 2.5}) {
        const flow::DuctFlow f = flowAt({DuctKind::Heat, heat}, 0.05);
        ASSERT_EQ(f.regime, DuctRegime::ShockInNozzle) << heat;
        EXPECT_LT(*f.shockAs_At, last) << heat;
        last = *f.shockAs_At;
    }
}

// No duct at all is the nozzle alone: the textbook figures of Ae/At = 2.
TEST(DuctFlow, ANozzleWithoutADuctKeepsItsOwnCriticalPressures)
{
    for (const Duct duct : {Duct{DuctKind::Friction, 0}, Duct{DuctKind::Heat, 1}}) {
        const flow::DuctCriticalPressures c = flow::ductCriticalPressures(kAreas, duct, air);
        ASSERT_TRUE(c.throatChokes && c.shockAtNozzleExit && c.shockAtDuctExit && c.matched);
        EXPECT_NEAR(*c.throatChokes, 0.9372, 0.00005);
        EXPECT_NEAR(*c.shockAtNozzleExit, 0.5134, 0.00005);
        EXPECT_NEAR(*c.shockAtDuctExit, 0.5134, 0.00005);
        EXPECT_NEAR(*c.matched, 0.0939, 0.00005);
    }
}

const Duct kDucts[] = {{DuctKind::Friction, 0},   {DuctKind::Friction, 0.2}, {DuctKind::Friction, 0.5},
                       {DuctKind::Friction, 1},   {DuctKind::Friction, 6},   {DuctKind::Heat, 1},
                       {DuctKind::Heat, 1.2},     {DuctKind::Heat, 1.5},     {DuctKind::Heat, 4}};

// pb from 1 down to 0 in every duct and gas: the regimes in their order, a
// subsonic exit at pb, the shock moving downstream, and the same mass flow
// through the duct's inlet and exit, m ~ p0 A / (A/A*(M) sqrt(T0)).
TEST(DuctFlow, RegimesFollowOneAnotherAndCarryTheMassThrough)
{
    for (const double k : {1.4, 1.1, 5.0 / 3}) {
        const flow::GasConstants gas = flow::gasConstants(k);
        const LD kk = gas.k;
        const auto area = [kk](LD M) { return std::pow(2 * (1 + (kk - 1) / 2 * M * M) / (kk + 1), (kk + 1) / (2 * (kk - 1))) / M; };
        for (const Duct duct : kDucts) {
            SCOPED_TRACE(testing::Message() << "k " << k << " kind " << int(duct.kind) << " amount " << duct.amount);
            DuctRegime last = DuctRegime::NoFlow;
            double lastAs = 1, lastX = 0;
            for (int i = 0; i <= 400; ++i) {
                const double pb = 1 - i / 400.0;
                const std::optional<flow::DuctFlow> f = flow::ductFlow(kAreas, duct, pb, gas);
                ASSERT_TRUE(f) << pb;
                EXPECT_GE(f->regime, last) << pb;
                last = f->regime;
                if (f->regime == DuctRegime::NoFlow)
                    continue;
                const bool subsonicExit = f->regime <= DuctRegime::ShockInDuct && !f->exitChoked;
                if (subsonicExit)
                    EXPECT_NEAR(f->exit.p_p01, pb, 1e-12) << pb;
                else if (f->regime == DuctRegime::Overexpanded)
                    EXPECT_LT(f->exit.p_p01, pb) << pb;
                else // a sonic exit, or a supersonic one, above pb
                    EXPECT_GE(f->exit.p_p01, pb * (1 - 1e-9)) << pb;
                const LD inlet = f->inlet.p0_p01 * kAreas / area(f->inlet.M) / std::sqrt(LD(f->inlet.T0_T01));
                const LD exit = f->exit.p0_p01 * kAreas / area(f->exit.M) / std::sqrt(LD(f->exit.T0_T01));
                expectClose(f->massFlow, inlet, 1e-11, "mass at the inlet");
                expectClose(f->massFlow, exit, 1e-11, "mass at the exit");
                if (f->shockAs_At) {
                    EXPECT_GE(*f->shockAs_At, lastAs) << pb;
                    lastAs = *f->shockAs_At;
                }
                if (f->shock4fx_D) {
                    EXPECT_GE(*f->shock4fx_D, lastX) << pb;
                    lastX = *f->shock4fx_D;
                }
            }
        }
    }
}

// Just above and just below each critical back pressure the flows meet: the
// exit and the mass flow differ by no more than the step in pb makes them,
// but where the shock leaves the duct: there the exits above and below are
// the two sides of a normal shock.
TEST(DuctFlow, RegimesMeetAtTheirCriticalBackPressures)
{
    for (const Duct duct : kDucts) {
        SCOPED_TRACE(testing::Message() << "kind " << int(duct.kind) << " amount " << duct.amount);
        const flow::DuctCriticalPressures c = flow::ductCriticalPressures(kAreas, duct, air);
        const std::optional<double> criticals[] = {c.throatChokes, c.exitChokes, c.shockAtNozzleExit, c.shockAtDuctExit,
                                                   c.matched};
        for (const std::optional<double> &critical : criticals) {
            if (!critical)
                continue;
            const flow::DuctFlow above = flowAt(duct, *critical * (1 + 1e-7));
            const flow::DuctFlow below = flowAt(duct, *critical * (1 - 1e-7));
            EXPECT_LE(above.regime, below.regime) << *critical;
            EXPECT_NEAR(above.massFlow, below.massFlow, 1e-3) << *critical;
            const bool shockLeaves = above.regime <= DuctRegime::ShockInDuct && below.regime > DuctRegime::ShockInDuct;
            EXPECT_EQ(shockLeaves, c.shockAtDuctExit && std::fabs(*critical - *c.shockAtDuctExit) <= 1e-9 * *critical)
                << *critical;
            EXPECT_NEAR(above.exit.M, double(shockLeaves ? exact.shockM2(below.exit.M) : below.exit.M), 2e-3) << *critical;
            if (above.shockAs_At && below.shockAs_At) {
                EXPECT_NEAR(*above.shockAs_At, *below.shockAs_At, 1e-3) << *critical;
            }
            if (above.shock4fx_D && below.shock4fx_D) {
                EXPECT_NEAR(*above.shock4fx_D, *below.shock4fx_D, 1e-3) << *critical;
            }
        }
    }
}

TEST(DuctFlow, RefusesWhatIsNoNozzleOrDuct)
{
    EXPECT_FALSE(flow::ductFlow(0.99, {DuctKind::Friction, 0.1}, 0.5, air));
    EXPECT_FALSE(flow::ductFlow(INFINITY, {DuctKind::Friction, 0.1}, 0.5, air));
    EXPECT_FALSE(flow::ductFlow(2, {DuctKind::Friction, -0.1}, 0.5, air));
    EXPECT_FALSE(flow::ductFlow(2, {DuctKind::Heat, 0.9}, 0.5, air)); // cooling
    EXPECT_FALSE(flow::ductFlow(2, {DuctKind::Heat, NAN}, 0.5, air));
    EXPECT_FALSE(flow::ductFlow(2, {DuctKind::Friction, 0.1}, 1.01, air));
    EXPECT_FALSE(flow::ductFlow(2, {DuctKind::Friction, 0.1}, -0.01, air));
    EXPECT_FALSE(flow::ductFlow(2, {DuctKind::Friction, 0.1}, NAN, air));
    const std::optional<flow::DuctFlow> still = flow::ductFlow(2, {DuctKind::Friction, 0.1}, 1, air);
    ASSERT_TRUE(still);
    EXPECT_EQ(still->regime, DuctRegime::NoFlow);
    EXPECT_EQ(still->massFlow, 0);
}

// Nozzles so wide that the stream behind the shock in them crawls: at pb/p01
// = 0.1 the duct's inlet is at A/A* = (Ae/At) 0.1, where M = (5/6)^3 / (A/A*)
// to far below a double's last digit, friction of 4fL/D = 0.2 leaves it
// there and heat of T02/T01 = 1.5 multiplies it by sqrt(1.5) (T0/T0* = 2.4
// (2 M^2) at such speeds). Wider still, its M^2 or 1/M^2 leaves the range
// of numbers: no flow, rather than figures made of what was never found.
TEST(DuctFlow, AVeryWideNozzleCrawlsIntoTheDuctOrIsRefused)
{
    for (const Duct duct : {Duct{DuctKind::Friction, 0.2}, Duct{DuctKind::Heat, 1.5}}) {
        const LD growth = duct.kind == DuctKind::Heat ? std::sqrt(1.5L) : 1;
        for (const double wide : {1e10, 1e50, 1e100}) {
            const std::optional<flow::DuctFlow> f = flow::ductFlow(wide, duct, 0.1, air);
            ASSERT_TRUE(f) << wide;
            EXPECT_EQ(f->regime, DuctRegime::ShockInNozzle) << wide;
            const LD inlet = 125.0L / 216 / (LD(wide) * 0.1L);
            expectClose(f->inlet.M, inlet, 1e-12, "inlet M");
            expectClose(f->exit.M, inlet * growth, 1e-9, "exit M");
            expectClose(f->exit.p_p01, 0.1L, 1e-12, "exit p/p01");
            EXPECT_EQ(f->massFlow, 1) << wide;
        }
        for (const double wider : {1e200, 1e300, 1.7e308}) {
            EXPECT_FALSE(flow::ductFlow(wider, duct, 0.1, air)) << wider;
            EXPECT_FALSE(flow::ductFlow(wider, duct, 0.9999, air)) << wider;
        }
    }
}

} // namespace
