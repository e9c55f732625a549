// The oblique-shock relations against NACA Report 1135's chart figures and
// their closed forms in long double; the inverses round-trip; the waves at
// the lip of the textbook nozzle Ae/At = 7.

#include "flow/back_pressure.h"
#include "flow/isentropic.h"
#include "flow/oblique_shock.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const flow::GasConstants air = flow::gasConstants();

// `value` rounds to `printed`, given to its last digit.
void expectPrinted(double value, double printed, double lastDigit)
{
    EXPECT_LE(std::fabs(value - printed), lastDigit / 2 * (1 + 1e-9)) << value << " printed as " << printed;
}

TEST(ObliqueShock, AgreesWithNaca1135AndTheTextbookNozzle)
{
    // Theta max and its beta (NACA 1135, chart 2), the two angles of theta = 10 at M1 = 2.
    const flow::MostDeflection at2 = flow::maxDeflection(2, air), at3 = flow::maxDeflection(3, air);
    expectPrinted(at2.theta, 22.97, 0.01);
    expectPrinted(at2.beta, 64.67, 0.01);
    expectPrinted(at3.theta, 34.07, 0.01);
    const auto angles = flow::shockAngles(2, 10, air);
    ASSERT_TRUE(angles);
    expectPrinted(angles->weak, 39.31, 0.01);
    expectPrinted(angles->strong, 83.70, 0.01);

    // Ae/At = 7: Me = 3.5328, pe/p0 = 0.012515; the normal shock stands at the exit at pb/p0 = 0.1801.
    const double Me = *flow::machFrom(flow::Quantity::A_As, 7, flow::Branch::Supersonic, air);
    const double pe = flow::isentropicState(Me, air).p_p0;
    expectPrinted(Me, 3.5328, 1e-4);
    expectPrinted(pe, 0.012515, 1e-6);
    expectPrinted(flow::criticalPressures(7, air).shockAtExit, 0.1801, 1e-4);
    // pb = 2 pe: an oblique shock at 22.69 degrees turns the jet 8.26 degrees inward, to M 3.034.
    const auto lip = flow::lipShock(Me, 2, air);
    ASSERT_TRUE(lip);
    expectPrinted(lip->shock.beta, 22.69, 0.01);
    expectPrinted(lip->shock.theta, 8.26, 0.01);
    expectPrinted(lip->shock.M2, 3.034, 1e-3);
    EXPECT_FALSE(lip->machDisc);
    // pb = pe / 2: a fan turns it 7.24 degrees outward, to M 4.038; its first wave at 16.44 degrees.
    const auto fan = flow::lipFan(Me, pe / 2, air);
    ASSERT_TRUE(fan);
    expectPrinted(fan->turn, 7.24, 0.01);
    expectPrinted(fan->Mb, 4.038, 1e-3);
    expectPrinted(fan->firstWave, 16.44, 0.01);
    // Just below the normal shock at the exit the lip shock is strong: a Mach disc.
    const double normal = 1 + 2.8 / 2.4 * (Me * Me - 1); // p2/p1 of the normal shock at Me
    EXPECT_TRUE(flow::lipShock(Me, normal * 0.999, air)->machDisc);
    // Into a vacuum the fan turns the jet to nu max (130.45 degrees for air) less nu(Me).
    expectPrinted(flow::lipFan(Me, 0, air)->turn + flow::isentropicState(Me, air).nu, 130.45, 0.01);
    // No lip wave where there is none to stand.
    EXPECT_FALSE(flow::lipShock(Me, 1, air));
    EXPECT_FALSE(flow::lipShock(Me, normal * 1.001, air));
    EXPECT_FALSE(flow::lipFan(Me, pe * 1.001, air));
    EXPECT_FALSE(flow::shockAngles(2, 23, air)) << "above theta max the shock stands off";
    EXPECT_FALSE(flow::obliqueShock(0.9, 60, air));
}

TEST(ObliqueShock, AgreesWithItsClosedFormsInLongDouble)
{
    using L = long double;
    const L pi = 3.141592653589793238462643383279502884L;
    for (const double k : {1.4, 1.3, 5.0 / 3}) {
        const flow::GasConstants gas = flow::gasConstants(k);
        for (const double M1 : {1.5, 2.0, 3.0, 6.0}) {
            const flow::MostDeflection most = flow::maxDeflection(M1, gas);
            for (const double beta : {45.0, 60.0, 75.0, 88.0}) {
                SCOPED_TRACE(testing::Message() << "k = " << k << ", M1 = " << M1 << ", beta = " << beta);
                const auto s = flow::obliqueShock(M1, beta, gas);
                ASSERT_TRUE(s);
                const L b = beta * pi / 180, M = M1, K = k, sb = std::sin(b);
                const L theta = std::atan(2 / std::tan(b) * (M * M * sb * sb - 1) / (M * M * (K + std::cos(2 * b)) + 2));
                const L Mn1 = M * sb;
                const L Mn2 = std::sqrt((1 + (K - 1) / 2 * Mn1 * Mn1) / (K * Mn1 * Mn1 - (K - 1) / 2));
                const L p = 1 + 2 * K / (K + 1) * (Mn1 * Mn1 - 1);
                const L rho = (K + 1) * Mn1 * Mn1 / ((K - 1) * Mn1 * Mn1 + 2);
                const auto near = [](double value, L exact) { EXPECT_NEAR(value, double(exact), 1e-12 * std::fabs(double(exact))); };
                near(s->theta, theta * 180 / pi);
                near(s->M2, Mn2 / std::sin(b - theta));
                near(s->p2_p1, p);
                near(s->rho2_rho1, rho);
                near(s->T2_T1, p / rho);
            }
            const L M = M1, K = k;
            const L sin2 = ((K + 1) * M * M - 4 + std::sqrt((K + 1) * ((K + 1) * M * M * M * M + 8 * (K - 1) * M * M + 16))) /
                           (4 * K * M * M);
            EXPECT_NEAR(most.beta, double(std::asin(std::sqrt(sin2)) * 180 / pi), 1e-12 * most.beta);
        }
    }
}

TEST(ObliqueShock, InversesRoundTrip)
{
    for (const double M1 : {1.05, 1.5, 2.0, 3.5, 8.0, 30.0}) {
        const flow::MostDeflection most = flow::maxDeflection(M1, air);
        for (const double share : {0.0, 0.01, 0.3, 0.7, 0.99, 0.999999}) {
            const double theta = share * most.theta;
            SCOPED_TRACE(testing::Message() << "M1 = " << M1 << ", theta = " << theta);
            const auto angles = flow::shockAngles(M1, theta, air);
            ASSERT_TRUE(angles);
            EXPECT_LE(angles->weak, most.beta);
            EXPECT_GE(angles->strong, most.beta);
            for (const double beta : {angles->weak, angles->strong}) {
                const auto s = flow::obliqueShock(M1, beta, air);
                ASSERT_TRUE(s);
                EXPECT_NEAR(s->theta, theta, 1e-12 * most.theta);
                if (beta < 85) { // asin loses digits towards 90 degrees
                    EXPECT_NEAR(*flow::shockAngleFor(M1, s->p2_p1, air), beta, 1e-12 * beta);
                }
            }
        }
    }
}

} // namespace
