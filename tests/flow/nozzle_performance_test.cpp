// The nozzle in units: the two textbook problems, the relations against
// their closed forms in long double, and the units' round trips.

#include "flow/back_pressure.h"
#include "flow/nozzle_performance.h"
#include "flow/units.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const flow::GasConstants air = flow::gasConstants();

void expectPrinted(double value, double printed, double lastDigit)
{
    EXPECT_LE(std::fabs(value - printed), lastDigit / 2 * (1 + 1e-9)) << value << " printed as " << printed;
}

TEST(NozzlePerformance, SolvesTheTwoTextbookProblems)
{
    // SI: air (R = 287) from 1 MPa and 500 K through 10 cm^2 to 25 cm^2.
    const flow::Reservoir si{flow::toSI(flow::PressureUnit::MPa, 1), 500, 287};
    const double At = flow::toSI(flow::AreaUnit::SqCm, 10);
    const auto design = flow::backPressureFlow(2.5, 0.063984, air);
    const auto atSeaLevel = flow::backPressureFlow(2.5, flow::toSI(flow::PressureUnit::kPa, 101.325) / si.p0, air);
    ASSERT_TRUE(design && atSeaLevel);
    const flow::Performance d = flow::performance(*design, si, At, air);
    expectPrinted(flow::fromSI(flow::PressureUnit::kPa, d.exit.p), 63.984, 1e-3);
    expectPrinted(d.exit.T, 227.95, 0.01);
    expectPrinted(d.exit.rho, 0.97801, 1e-5);
    expectPrinted(d.exit.V, 739.28, 0.01);
    expectPrinted(d.massFlow, 1.80757, 1e-5);
    expectPrinted(d.thrust, 1336.30, 0.01);
    expectPrinted(d.CF, 1.33630, 1e-5);
    expectPrinted(d.Isp, 75.386, 1e-3);
    EXPECT_FALSE(d.separates);
    expectPrinted(flow::performance(*atSeaLevel, si, At, air).thrust, 1242.95, 0.01);

    // US: Ae/At = 1.87, 100 psia and 540 degrees R, At = 1 in^2, into 40 psia; R = 1716 ft lbf/(slug R).
    const flow::Reservoir us{flow::toSI(flow::PressureUnit::psia, 100), flow::toSI(flow::TemperatureUnit::R, 540),
                             flow::toSI(flow::GasConstantUnit::FtLbfPerSlugR, 1716)};
    const auto f = flow::backPressureFlow(1.87, 0.4, air);
    ASSERT_TRUE(f);
    const flow::Performance p = flow::performance(*f, us, flow::toSI(flow::AreaUnit::SqIn, 1), air);
    expectPrinted(f->exit.M, 2.1206, 1e-4);
    expectPrinted(flow::fromSI(flow::PressureUnit::psia, p.exit.p), 10.589, 1e-3);
    expectPrinted(flow::fromSI(flow::Figure::MassFlow, flow::UnitSystem::US, p.massFlow), 2.2886, 1e-4);
    expectPrinted(flow::fromSI(flow::Figure::Velocity, flow::UnitSystem::US, p.exit.V), 1752.6, 0.1);
    expectPrinted(flow::fromSI(flow::Figure::Force, flow::UnitSystem::US, p.thrust), 69.66, 0.01);
    EXPECT_TRUE(p.separates) << "pe/pb = 0.26";
}

TEST(NozzlePerformance, AgreesWithItsClosedFormsInLongDouble)
{
    using L = long double;
    for (const double k : {1.4, 1.3, 5.0 / 3}) {
        const flow::GasConstants gas = flow::gasConstants(k);
        for (const double pb : {0.0, 0.05, 0.3, 0.6, 0.97}) {
            const auto f = flow::backPressureFlow(2.5, pb, gas);
            ASSERT_TRUE(f);
            SCOPED_TRACE(testing::Message() << "k = " << k << ", pb/p01 = " << pb);
            const flow::Reservoir r{2e6, 800, 300};
            const double At = 3e-3;
            const flow::Performance p = flow::performance(*f, r, At, gas);
            const L K = k, Te = L(r.T0) * f->exit.T_T01, pe = L(r.p0) * f->exit.p_p01, Me = f->exit.M;
            const L Ve = Me * std::sqrt(K * r.R * Te), Ae = L(At) * 2.5;
            const bool choked = f->regime != flow::Regime::Subsonic;
            const L mdot = choked ? L(r.p0) * At * std::sqrt(K / (L(r.R) * r.T0)) * std::pow(2 / (K + 1), (K + 1) / (2 * (K - 1)))
                                  : pe / (L(r.R) * Te) * Ve * Ae;
            const L F = mdot * Ve + (pe - L(pb) * r.p0) * Ae;
            const auto near = [](double value, L exact) { EXPECT_NEAR(value, double(exact), 1e-12 * std::fabs(double(exact))); };
            near(p.exit.V, Ve);
            near(p.massFlow, mdot);
            near(p.thrust, F);
            near(p.CF, F / (L(r.p0) * At));
            near(p.cStar, L(r.p0) * At / mdot);
            near(p.Isp, F / (mdot * L(9.80665)));
            near(flow::thrustCoefficient(*f, gas), F / (L(r.p0) * At)); // from the ratios alone
        }
    }
}

// Summerfield's criterion judges pe against pb, not against p01: at
// Ae/At = 3 (Me = 2.6374, pe/p01 = 0.04730, shock at the exit from
// pb/p01 = 0.376) the jet into pb/p01 = 0.1 (pe/pb = 0.473) stays attached,
// into 0.2 (pe/pb = 0.237) it separates.
TEST(NozzlePerformance, SeparationComparesTheExitWithTheBackPressure)
{
    for (const auto &[pb, separates] : {std::pair{0.1, false}, std::pair{0.2, true}}) {
        const auto f = flow::backPressureFlow(3, pb, air);
        ASSERT_TRUE(f);
        ASSERT_EQ(f->regime, flow::Regime::Overexpanded);
        EXPECT_EQ(flow::separates(*f), separates) << pb;
        EXPECT_EQ(flow::performance(*f, {1e5, 300, 287}, 1e-3, air).separates, separates) << pb;
    }
}

TEST(NozzlePerformance, NoFlowHasNoMassFlowAndNoSpecificFigures)
{
    const auto still = flow::backPressureFlow(2, 1, air);
    ASSERT_TRUE(still);
    const flow::Performance p = flow::performance(*still, {1e5, 300, 287}, 1e-3, air);
    EXPECT_EQ(p.massFlow, 0);
    EXPECT_EQ(p.thrust, 0);
    EXPECT_TRUE(std::isnan(p.cStar)) << "c* = p01 At / 0";
    EXPECT_TRUE(std::isnan(p.Isp));
    EXPECT_FALSE(p.separates);
}

TEST(Units, RoundTripAndMatchTheExactFactors)
{
    struct Exact {
        double value, si; // the same quantity in a unit and in SI
    };
    using flow::toSI;
    // psi = 4.4482216152605 N / 0.0254^2 m^2 = 6894.757293168 Pa; lbf/ft^2 = psi / 144; atm = 101325 Pa.
    for (const auto &[unit, exact] : {std::pair{flow::PressureUnit::psia, Exact{1, 6894.757293168361}},
                                      {flow::PressureUnit::lbfPerSqFt, Exact{144, 6894.757293168361}},
                                      {flow::PressureUnit::atm, Exact{1, 101325}},
                                      {flow::PressureUnit::bar, Exact{1, 1e5}},
                                      {flow::PressureUnit::MPa, Exact{1.5, 1.5e6}}}) {
        EXPECT_NEAR(toSI(unit, exact.value), exact.si, 1e-13 * exact.si);
        EXPECT_NEAR(flow::fromSI(unit, toSI(unit, 123.456)), 123.456, 1e-13 * 123.456);
    }
    for (const auto &[unit, exact] : {std::pair{flow::TemperatureUnit::C, Exact{26.85, 300}},
                                      {flow::TemperatureUnit::R, Exact{540, 300}},
                                      {flow::TemperatureUnit::F, Exact{80.33, 300}}}) {
        EXPECT_NEAR(toSI(unit, exact.value), exact.si, 1e-12 * exact.si);
        EXPECT_NEAR(flow::fromSI(unit, toSI(unit, 77.7)), 77.7, 1e-12 * 77.7);
    }
    for (const auto &[unit, exact] : {std::pair{flow::AreaUnit::SqIn, Exact{1, 0.00064516}},
                                      {flow::AreaUnit::SqFt, Exact{1, 0.09290304}},
                                      {flow::AreaUnit::SqCm, Exact{1, 1e-4}},
                                      {flow::AreaUnit::SqMm, Exact{1, 1e-6}}}) {
        EXPECT_NEAR(toSI(unit, exact.value), exact.si, 1e-15 * exact.si);
        EXPECT_NEAR(flow::fromSI(unit, toSI(unit, 9.87)), 9.87, 1e-13 * 9.87);
    }
    // ft lbf/(slug R) = 0.3048^2 m^2/s^2 / (5/9 K) = 0.1672254 J/(kg K): air's 1716 is 286.96.
    EXPECT_NEAR(toSI(flow::GasConstantUnit::FtLbfPerSlugR, 1), 0.3048 * 0.3048 * 9 / 5, 1e-15);
    // lbm = 0.45359237 kg, ft = 0.3048 m, lbf = 4.4482216152605 N.
    EXPECT_NEAR(flow::fromSI(flow::Figure::MassFlow, flow::UnitSystem::US, 0.45359237), 1, 1e-15);
    EXPECT_NEAR(flow::fromSI(flow::Figure::Velocity, flow::UnitSystem::US, 0.3048), 1, 1e-15);
    EXPECT_NEAR(flow::fromSI(flow::Figure::Force, flow::UnitSystem::US, 4.4482216152605), 1, 1e-15);
    EXPECT_NEAR(flow::fromSI(flow::Figure::Density, flow::UnitSystem::US, 0.45359237 / (0.3048 * 0.3048 * 0.3048)), 1, 1e-14);
}

} // namespace
