// The nozzle off design, Ae/At = 2 in air: the critical back pressures, the
// shock inside at pb/p01 = 0.6, and every regime as pb falls.

#include "flow/back_pressure.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using flow::Regime;

const flow::GasConstants air = flow::gasConstants();

TEST(BackPressure, CriticalPressuresAndTheShockInsideAgreeWithTheTextbookFigures)
{
    const flow::CriticalPressures c = flow::criticalPressures(2, air);
    EXPECT_NEAR(c.chokedSubsonic, 0.9372, 0.00005);
    EXPECT_NEAR(c.shockAtExit, 0.5134, 0.00005);
    EXPECT_NEAR(c.design, 0.0939, 0.00005);

    const std::optional<flow::BackPressureFlow> f = flow::backPressureFlow(2, 0.6, air);
    ASSERT_TRUE(f && f->beforeShock && f->afterShock && f->shock);
    EXPECT_EQ(f->regime, Regime::ShockInside);
    EXPECT_NEAR(f->beforeShock->A_At, 1.7557, 0.00005);
    EXPECT_NEAR(f->beforeShock->M, 2.0472, 0.00005);
    EXPECT_NEAR(f->afterShock->M, 0.5695, 0.00005);
    EXPECT_NEAR(f->afterShock->p0_p01, 0.6988, 0.00005);
    EXPECT_NEAR(f->exit.M, 0.4719, 0.00005);
    EXPECT_EQ(f->throat.M, 1);
}

// An unchoked nozzle's throat is on the subsonic branch; a nozzle whose exit
// is its throat (Ae/At = 1, a converging nozzle) is a nozzle. Mach numbers
// from p/p0 and A/A* in 40-digit decimals.
TEST(BackPressure, UnchokedAndConvergingNozzlesAgreeWithClosedForms)
{
    struct Case {
        double Ae_At, pb;
        Regime regime;
        double throatM, exitM;
    };
    for (const Case &c : {Case{2, 0.95, Regime::Subsonic, 0.67603052349157070, 0.27169046111338039},
                          Case{1, 0.6, Regime::Subsonic, 0.88639307282872753, 0.88639307282872753},
                          Case{1, 0.4, Regime::Underexpanded, 1, 1}}) {
        const std::optional<flow::BackPressureFlow> f = flow::backPressureFlow(c.Ae_At, c.pb, air);
        ASSERT_TRUE(f) << c.Ae_At << " " << c.pb;
        EXPECT_EQ(f->regime, c.regime) << c.Ae_At << " " << c.pb;
        EXPECT_NEAR(f->throat.M, c.throatM, 1e-12) << c.Ae_At << " " << c.pb;
        EXPECT_NEAR(f->exit.M, c.exitM, 1e-12) << c.Ae_At << " " << c.pb;
    }
}

// pb/p01 from 1 down to 0: each regime in its turn, the shock moving towards
// the exit as pb falls, and in every shock case the exit at pb and
// p02 A2* = p01 At.
TEST(BackPressure, RegimesFollowOneAnotherAsTheBackPressureFalls)
{
    for (const flow::GasConstants &gas : {air, flow::gasConstants(1.3)}) {
        SCOPED_TRACE(gas.k);
        const flow::CriticalPressures c = flow::criticalPressures(2, gas);
        std::vector<Regime> seen;
        double lastShock = 1;
        const auto at = [&](double pb) {
            const std::optional<flow::BackPressureFlow> f = flow::backPressureFlow(2, pb, gas);
            ASSERT_TRUE(f) << pb;
            if (seen.empty() || seen.back() != f->regime)
                seen.push_back(f->regime);
            if (f->regime == Regime::ShockInside) {
                EXPECT_GT(f->beforeShock->A_At, lastShock) << pb;
                lastShock = f->beforeShock->A_At;
                EXPECT_NEAR(f->exit.p_p01, pb, 1e-12 * pb);
                // Ae/A2* at the exit's Mach number, times A2*/At = p01/p02, is Ae/At.
                const long double k = gas.k, M = f->exit.M;
                const long double exitArea = std::pow(2 / (k + 1) * (1 + (k - 1) / 2 * M * M), (k + 1) / (2 * (k - 1))) / M;
                EXPECT_NEAR(double(exitArea / f->afterShock->p0_p01), 2, 2e-12) << pb;
            }
            if (f->regime <= Regime::ShockInside) {
                EXPECT_NEAR(f->exit.p_p01, pb, 1e-12) << pb;
            }
        };
        for (double pb = 1; pb >= 0; pb -= 1.0 / 512) {
            at(pb);
            for (double critical : {c.chokedSubsonic, c.shockAtExit, c.design})
                if (pb > critical && pb - 1.0 / 512 < critical)
                    at(critical);
        }
        at(0);
        EXPECT_EQ(seen, (std::vector<Regime>{Regime::NoFlow, Regime::Subsonic, Regime::ChokedSubsonic,
                                             Regime::ShockInside, Regime::ShockAtExit, Regime::Overexpanded,
                                             Regime::Design, Regime::Underexpanded}));
        EXPECT_GT(lastShock, 1.9);
    }
    for (const auto &[Ae_At, pb] : {std::pair{0.9, 0.5}, {2.0, -0.1}, {2.0, 1.1}, {NAN, 0.5}, {2.0, NAN},
                                    {INFINITY, 0.5}})
        EXPECT_FALSE(flow::backPressureFlow(Ae_At, pb, air)) << Ae_At << " " << pb;
}

// The flow at any place of the nozzle Ae/At = 2 (what its chart reads under
// the pointer), against the area-Mach relation solved here by bisection in
// long double: the converging part subsonic; the diverging part subsonic,
// supersonic, or subsonic behind the shock with A/A2* = (A/At) (p02/p01).
TEST(BackPressure, EveryPlaceAgreesWithTheAreaMachRelation)
{
    using L = long double;
    const L k = 1.4L;
    const auto areaRatio = [k](L M) { return std::pow(2 / (k + 1) * (1 + (k - 1) / 2 * M * M), (k + 1) / (2 * (k - 1))) / M; };
    const auto mach = [&](L A_As, bool supersonic) {
        L lo = supersonic ? 1 : 1e-9L, hi = supersonic ? 50 : 1;
        for (int i = 0; i < 200; ++i) {
            const L mid = (lo + hi) / 2;
            ((areaRatio(mid) > A_As) == supersonic ? hi : lo) = mid;
        }
        return (lo + hi) / 2;
    };
    const auto pressure = [k](L M) { return std::pow(1 + (k - 1) / 2 * M * M, -k / (k - 1)); };
    struct Place {
        double pb, A_At;
        bool diverging;
    };
    for (const Place &c : {Place{0.95, 1.5, true}, {0.95, 2.0, false}, {0.6, 1.2, true}, {0.6, 1.9, true},
                           {0.6, 1.5, false}, {0.3, 1.6, true}, {0.3, 2.2, false}}) {
        SCOPED_TRACE(testing::Message() << "pb/p01 = " << c.pb << ", A/At = " << c.A_At << (c.diverging ? " diverging" : ""));
        const auto f = flow::backPressureFlow(2, c.pb, air);
        ASSERT_TRUE(f);
        L M, p;
        if (f->regime == flow::Regime::Subsonic) { // A* beyond the throat: At/A* from the throat's M
            M = mach(c.A_At * areaRatio(f->throat.M), false);
            p = pressure(M);
        } else if (c.diverging && f->beforeShock && c.A_At > f->beforeShock->A_At) {
            const L p02 = f->afterShock->p0_p01;
            M = mach(c.A_At * p02, false);
            p = pressure(M) * p02;
        } else {
            M = mach(c.A_At, c.diverging);
            p = pressure(M);
        }
        const flow::PlaceInFlow at = flow::placeInFlow(*f, c.A_At, c.diverging, air);
        EXPECT_NEAR(at.M, double(M), 1e-12 * double(M));
        EXPECT_NEAR(at.p_p01, double(p), 1e-12 * double(p));
    }
}

} // namespace
