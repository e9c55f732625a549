// The Rayleigh table against the printed one (k = 1.4) and its closed forms
// in long double for gases from k = 1.1 to 5/3; the look-ups against the table.

#include "flow/rayleigh.h"

#include "reference_math.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

using flow::Branch;
using flow::RayleighQuantity;

const flow::GasConstants air = flow::gasConstants();

TEST(RayleighState, AgreesWithThePrintedTable)
{
    const flow::RayleighState two = *flow::rayleighState(2, air);
    const std::pair<double, double> columns[] = {
        {two.T0_T0s, 0.79339}, {two.p_ps, 0.36364}, {two.T_Ts, 0.52893}, {two.p0_p0s, 1.50310}, {two.V_Vs, 1.45455}};
    for (const auto &[ours, printed] : columns)
        EXPECT_NEAR(ours, printed, 0.000005) << printed;
}

// The textbook forms, in long double, with k as the gas has it.
using Exact = std::array<long double, 7>; // the columns after M, in the enum's order

Exact exactRayleigh(long double M, long double k)
{
    const long double m2 = M * M, d = 1 + k * m2;
    return {2 * (k + 1) * m2 * (1 + (k - 1) / 2 * m2) / (d * d),
            (1 + k) / d,
            m2 * (1 + k) * (1 + k) / (d * d),
            d / ((1 + k) * m2),
            (1 + k) * m2 / d,
            (1 + k) / d * std::pow((2 + (k - 1) * m2) / (k + 1), k / (k - 1)),
            k / (k - 1) * std::log(m2 * std::pow((1 + k) / d, (k + 1) / k))};
}

// How far a Mach number may come back off from a look-up: a few units in the
// last place, and more where column q is flat, its elasticity
// |d ln q / d ln M| (of the closed form) small, so that the rounding of q
// itself moves M. That rounding is a few tens of units: the powers of
// k/(k-1) and (k+1)/(2(k-1)), 11 and 10.5 at k = 1.1, spread it.
double tolerance(long double M, int q, long double k)
{
    if (q == 0)
        return 4e-15;
    const long double h = 1e-6L, value = exactRayleigh(M, k)[q - 1];
    const long double slope = (exactRayleigh(M * (1 + h), k)[q - 1] - exactRayleigh(M * (1 - h), k)[q - 1]) / (2 * h);
    return value == 0 ? 4e-15 : double(4e-15L + 5e-15L * std::fabs(value / slope));
}

TEST(RayleighState, AgreesWithItsClosedFormsForEveryGas)
{
    if (!testing_flow::referenceMathIsPrecise())
        GTEST_SKIP() << "long-double references no more precise than double here";
    for (const double k : {1.1, 1.2, 1.3, 1.4, 5.0 / 3}) {
        const flow::GasConstants gas = flow::gasConstants(k);
        for (const double M : {0.05, 0.3, 0.9, 0.99, 1.0, 1.01, 1.5, 3.0, 20.0}) {
            const flow::RayleighState s = *flow::rayleighState(M, gas);
            const Exact exact = exactRayleigh(M, gas.k);
            for (int q = 1; q <= int(RayleighQuantity::s_R); ++q) // some vanish at M = 1: an absolute floor
                EXPECT_LE(std::fabs(s[RayleighQuantity(q)] - exact[q - 1]), 1e-14L * std::fabs(exact[q - 1]) + 1e-16L)
                    << "k " << k << " M " << M << " column " << q;
        }
    }
}

TEST(RayleighMachFrom, GivesBackTheMachNumberOfEveryQuantityOnItsBranch)
{
    for (const double k : {1.1, 1.4, 5.0 / 3}) {
        const flow::GasConstants gas = flow::gasConstants(k);
        const double peak = 1 / std::sqrt(k); // where T/T* is highest
        for (int i = 0; i <= 2000; ++i) {
            const double M = 0.05 * std::pow(400.0, i / 2000.0); // 0.05 to 20
            const flow::RayleighState s = *flow::rayleighState(M, gas);
            for (int q = 0; q <= int(RayleighQuantity::s_R); ++q) {
                const RayleighQuantity quantity = RayleighQuantity(q);
                const double turn = quantity == RayleighQuantity::T_Ts ? peak : 1;
                const Branch branch = M < turn ? Branch::Subsonic : Branch::Supersonic;
                const std::optional<double> back = flow::rayleighMachFrom(quantity, s[quantity], branch, gas);
                ASSERT_TRUE(back) << "k " << k << " M " << M << " quantity " << q;
                EXPECT_LE(std::fabs(*back - M) / M, tolerance(M, q, gas.k)) << "k " << k << " M " << M << " quantity " << q;
            }
        }
    }
}

// Heating a slow stream raises its temperature past T* before it chokes: at
// T/T* = 1.02 both Mach numbers are subsonic, either side of 1/sqrt(k).
// Roots of 1.4 sqrt(t) M^2 - 2.4 M + sqrt(t) = 0, in 30-digit decimals.
TEST(RayleighMachFrom, TakesTheBranchAskedFor)
{
    EXPECT_NEAR(*flow::rayleighMachFrom(RayleighQuantity::T_Ts, 1.02, Branch::Subsonic, air), 0.771222730473343632, 1e-15);
    EXPECT_NEAR(*flow::rayleighMachFrom(RayleighQuantity::T_Ts, 1.02, Branch::Supersonic, air), 0.926173057486669469, 1e-15);
    EXPECT_NEAR(*flow::rayleighMachFrom(RayleighQuantity::T0_T0s, 0.79339, Branch::Supersonic, air), 2, 1e-4);
    EXPECT_LT(*flow::rayleighMachFrom(RayleighQuantity::T0_T0s, 0.79339, Branch::Subsonic, air), 0.6);
    EXPECT_NEAR(*flow::rayleighMachFrom(RayleighQuantity::p0_p0s, 1.50310, Branch::Supersonic, air), 2, 1e-4);
    EXPECT_EQ(flow::rayleighMachFrom(RayleighQuantity::p_ps, 0.36364, Branch::Subsonic, air),
              flow::rayleighMachFrom(RayleighQuantity::p_ps, 0.36364, Branch::Supersonic, air));
    EXPECT_EQ(flow::rayleighMachFrom(RayleighQuantity::T0_T0s, 1, Branch::Supersonic, air), 1.0);
}

TEST(RayleighMachFrom, FindsNoStreamOutsideAQuantitysRange)
{
    // Limits for air: T0/T0* above 0.96/1.96 = 0.48980 supersonic, T/T* at most
    // 2.4^2/5.6 = 1.0286, p/p* below 2.4, V/V* below 12/7, rho/rho* above 7/12,
    // p0/p0* below 2.4 (5/6)^3.5 = 1.26788 subsonic.
    const std::tuple<RayleighQuantity, double, Branch> none[] = {
        {RayleighQuantity::T0_T0s, 1.0001, Branch::Subsonic},  {RayleighQuantity::T0_T0s, 0.4897, Branch::Supersonic},
        {RayleighQuantity::T_Ts, 1.0287, Branch::Subsonic},    {RayleighQuantity::p_ps, 2.4, Branch::Subsonic},
        {RayleighQuantity::V_Vs, 1.7143, Branch::Subsonic},  {RayleighQuantity::rho_rhos, 0.583, Branch::Subsonic},
        {RayleighQuantity::p0_p0s, 1.268, Branch::Subsonic},   {RayleighQuantity::p0_p0s, 0.99, Branch::Supersonic},
        {RayleighQuantity::s_R, 0.01, Branch::Subsonic},       {RayleighQuantity::M, -1, Branch::Subsonic},
        {RayleighQuantity::T0_T0s, NAN, Branch::Subsonic}};
    for (const auto &[quantity, value, branch] : none)
        EXPECT_FALSE(flow::rayleighMachFrom(quantity, value, branch, air)) << int(quantity) << " " << value;
    EXPECT_FALSE(flow::rayleighState(0, air));
    EXPECT_NEAR(flow::rayleighStagnationLimit(air), 1.26788, 0.000005);
    EXPECT_GT(*flow::rayleighMachFrom(RayleighQuantity::T0_T0s, 0.48980, Branch::Supersonic, air), 50);
    EXPECT_NEAR(flow::rayleighMachFrom(RayleighQuantity::p0_p0s, 1.26787, Branch::Subsonic, air).value_or(1), 0, 0.01);
}

} // namespace
