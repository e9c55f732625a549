// The Fanno table against the printed one (k = 1.4) and its closed forms in
// long double for gases from k = 1.1 to 5/3; the look-ups against the table.

#include "flow/fanno.h"

#include "reference_math.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

using flow::Branch;
using flow::FannoQuantity;

const flow::GasConstants air = flow::gasConstants();

// Every printed digit: within half a unit of the last of `digits` significant ones.
void expectPrinted(double value, double figure, int digits)
{
    const double unit = std::pow(10.0, std::floor(std::log10(figure)) - (digits - 1));
    EXPECT_LE(std::fabs(value - figure), unit / 2) << figure;
}

TEST(FannoState, AgreesWithThePrintedTable)
{
    const flow::FannoState two = *flow::fannoState(2, air);
    expectPrinted(two.fLs_D, 0.30500, 5);
    expectPrinted(two.p_ps, 0.40825, 5);
    expectPrinted(two.T_Ts, 0.66667, 5);
    expectPrinted(two.p0_p0s, 1.6875, 5);
    expectPrinted(two.V_Vs, 1.63299, 6);
    const flow::FannoState half = *flow::fannoState(0.5, air);
    expectPrinted(half.fLs_D, 1.06906, 6);
    expectPrinted(half.p_ps, 2.13809, 6);
}

// The textbook forms, in long double, with k as the gas has it.
using Exact = std::array<long double, 7>; // the columns after M, in the enum's order

Exact exactFanno(long double M, long double k)
{
    const long double d = 2 + (k - 1) * M * M, T = (k + 1) / d;
    return {(1 - M * M) / (k * M * M) + (k + 1) / (2 * k) * std::log((k + 1) * M * M / d),
            std::sqrt(T) / M,
            T,
            std::sqrt(d / (k + 1)) / M,
            M * std::sqrt(T),
            std::pow(d / (k + 1), (k + 1) / (2 * (k - 1))) / M,
            std::log(M) + (k + 1) / (2 * (k - 1)) * std::log(T)};
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
    const long double h = 1e-6L, value = exactFanno(M, k)[q - 1];
    const long double slope = (exactFanno(M * (1 + h), k)[q - 1] - exactFanno(M * (1 - h), k)[q - 1]) / (2 * h);
    return value == 0 ? 4e-15 : double(4e-15L + 5e-15L * std::fabs(value / slope));
}

TEST(FannoState, AgreesWithItsClosedFormsForEveryGas)
{
    if (!testing_flow::referenceMathIsPrecise())
        GTEST_SKIP() << "long-double references no more precise than double here";
    for (const double k : {1.1, 1.2, 1.3, 1.4, 5.0 / 3}) {
        const flow::GasConstants gas = flow::gasConstants(k);
        for (const double M : {0.05, 0.3, 0.9, 0.99, 1.0, 1.01, 1.5, 3.0, 20.0}) {
            const flow::FannoState s = *flow::fannoState(M, gas);
            const Exact exact = exactFanno(M, gas.k);
            for (int q = 1; q <= int(FannoQuantity::s_R); ++q) // some vanish at M = 1: an absolute floor
                EXPECT_LE(std::fabs(s[FannoQuantity(q)] - exact[q - 1]), 1e-14L * std::fabs(exact[q - 1]) + 1e-17L)
                    << "k " << k << " M " << M << " column " << q;
        }
    }
}

TEST(FannoMachFrom, GivesBackTheMachNumberOfEveryQuantityOnItsBranch)
{
    for (const double k : {1.1, 1.4, 5.0 / 3}) {
        const flow::GasConstants gas = flow::gasConstants(k);
        for (int i = 0; i <= 2000; ++i) {
            const double M = 0.05 * std::pow(400.0, i / 2000.0); // 0.05 to 20
            const flow::FannoState s = *flow::fannoState(M, gas);
            const Branch branch = M < 1 ? Branch::Subsonic : Branch::Supersonic;
            for (int q = 0; q <= int(FannoQuantity::s_R); ++q) {
                const FannoQuantity quantity = FannoQuantity(q);
                const std::optional<double> back = flow::fannoMachFrom(quantity, s[quantity], branch, gas);
                ASSERT_TRUE(back) << "k " << k << " M " << M << " quantity " << q;
                EXPECT_LE(std::fabs(*back - M) / M, tolerance(M, q, gas.k)) << "k " << k << " M " << M << " quantity " << q;
            }
        }
    }
}

// The printed table's values give its Mach numbers back on the branch asked
// for, and the other branch gives the other stream.
TEST(FannoMachFrom, TakesTheBranchAskedFor)
{
    EXPECT_NEAR(*flow::fannoMachFrom(FannoQuantity::fLs_D, 1.06906, Branch::Subsonic, air), 0.5, 1e-5);
    EXPECT_NEAR(*flow::fannoMachFrom(FannoQuantity::fLs_D, 0.30500, Branch::Supersonic, air), 2, 1e-4);
    EXPECT_NEAR(*flow::fannoMachFrom(FannoQuantity::p0_p0s, 1.6875, Branch::Supersonic, air), 2, 1e-4);
    EXPECT_LT(*flow::fannoMachFrom(FannoQuantity::p0_p0s, 1.6875, Branch::Subsonic, air), 0.4);
    EXPECT_GT(*flow::fannoMachFrom(FannoQuantity::s_R, -0.1, Branch::Supersonic, air), 1);
    EXPECT_LT(*flow::fannoMachFrom(FannoQuantity::s_R, -0.1, Branch::Subsonic, air), 1);
    // The single-valued ratios ignore the branch.
    EXPECT_EQ(flow::fannoMachFrom(FannoQuantity::p_ps, 0.40825, Branch::Subsonic, air),
              flow::fannoMachFrom(FannoQuantity::p_ps, 0.40825, Branch::Supersonic, air));
}

TEST(FannoMachFrom, FindsNoStreamOutsideAQuantitysRange)
{
    // Limits for air: (k+1)/2 = 1.2, sqrt(6) = 2.449, 1/sqrt(6) = 0.408, and
    // 6/7 ln 6 - 5/7 = 0.821508 supersonic.
    const std::tuple<FannoQuantity, double, Branch> none[] = {
        {FannoQuantity::M, 0, Branch::Subsonic},          {FannoQuantity::M, INFINITY, Branch::Subsonic},
        {FannoQuantity::T_Ts, 1.2, Branch::Subsonic},     {FannoQuantity::T_Ts, 0, Branch::Subsonic},
        {FannoQuantity::V_Vs, 2.4495, Branch::Subsonic},  {FannoQuantity::rho_rhos, 0.408, Branch::Subsonic},
        {FannoQuantity::p_ps, 0, Branch::Subsonic},       {FannoQuantity::p0_p0s, 0.999, Branch::Subsonic},
        {FannoQuantity::s_R, 1e-9, Branch::Supersonic},   {FannoQuantity::fLs_D, -1e-9, Branch::Subsonic},
        {FannoQuantity::fLs_D, 0.821509, Branch::Supersonic}, {FannoQuantity::fLs_D, NAN, Branch::Subsonic}};
    for (const auto &[quantity, value, branch] : none)
        EXPECT_FALSE(flow::fannoMachFrom(quantity, value, branch, air)) << int(quantity) << " " << value;
    EXPECT_FALSE(flow::fannoState(0, air));
    EXPECT_FALSE(flow::fannoState(-2, air));
    EXPECT_NEAR(flow::supersonicFrictionLimit(air), 0.82151, 0.000005);
    // Just below the supersonic limit there is a stream, and a fast one.
    EXPECT_GT(*flow::fannoMachFrom(FannoQuantity::fLs_D, 0.82150, Branch::Supersonic, air), 50);
    EXPECT_EQ(flow::fannoMachFrom(FannoQuantity::fLs_D, 0, Branch::Supersonic, air), 1.0);
}

} // namespace
