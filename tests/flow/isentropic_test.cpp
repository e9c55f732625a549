// The isentropic table against the printed one (NACA Report 1135, k = 1.4)
// and against its closed forms in long double; the look-ups against the table.

#include "flow/isentropic.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using flow::Branch;
using flow::Quantity;

const flow::GasConstants gas = flow::gasConstants();

struct Printed {
    double M, p_p0, rho_rho0, T_T0, A_As, mu, nu; // as printed: 5 significant digits, angles to 0.001 degree
};

TEST(IsentropicState, AgreesWithThePrintedTableAndItsClosedForms)
{
    const Printed table[] = {{0.5, 0.84302, 0.88517, 0.95238, 1.3398, NAN, NAN},
                             {1, 0.52828, 0.63394, 0.83333, 1.0000, 90.000, 0.000},
                             {2, 0.12780, 0.23005, 0.55556, 1.6875, 30.000, 26.380},
                             {4, 0.0065861, 0.027662, 0.23810, 10.719, 14.478, 65.785}};
    for (const Printed &row : table) {
        SCOPED_TRACE(row.M);
        const flow::IsentropicState s = flow::isentropicState(row.M, gas);
        // Every printed digit: within half a unit of the last.
        const auto printed = [](double value, double figure) {
            const double unit = std::pow(10.0, std::floor(std::log10(figure)) - 4);
            EXPECT_LE(std::fabs(value - figure), unit / 2) << figure;
        };
        printed(s.p_p0, row.p_p0);
        printed(s.rho_rho0, row.rho_rho0);
        printed(s.T_T0, row.T_T0);
        printed(s.A_As, row.A_As);
        if (row.M >= 1) {
            EXPECT_NEAR(s.mu, row.mu, 0.0005);
            EXPECT_NEAR(s.nu, row.nu, 0.0005);
        } else {
            EXPECT_TRUE(std::isnan(s.mu) && std::isnan(s.nu));
        }

        // The closed forms, with k = 7/5 exact, in long double.
        const long double M = row.M, sum = 1 + M * M / 5, sonic = sum * 5 / 6;
        const long double exact[] = {std::pow(sonic, 3.0L) / M, std::pow(sum, -3.5L), 1 / sum, std::pow(sum, -2.5L),
                                     std::pow(sonic, -3.5L),   1 / sonic,            std::pow(sonic, -2.5L)};
        const double ours[] = {s.A_As, s.p_p0, s.T_T0, s.rho_rho0, s.p_ps, s.T_Ts, s.rho_rhos};
        for (std::size_t i = 0; i < std::size(ours); ++i)
            EXPECT_LE(std::fabs((ours[i] - exact[i]) / exact[i]), 1e-14L) << "column " << i;
    }
}

TEST(MachFrom, GivesBackTheMachNumberOfEveryQuantityOnBothBranches)
{
    for (int i = 0; i <= 4000; ++i) {
        const double M = 0.01 * std::pow(2000.0, i / 4000.0); // 0.01 to 20
        const flow::IsentropicState s = flow::isentropicState(M, gas);
        const Branch branch = M < 1 ? Branch::Subsonic : Branch::Supersonic;
        for (int q = 0; q <= int(Quantity::nu); ++q) {
            const Quantity quantity = Quantity(q);
            if (std::isnan(s[quantity]))
                continue;
            // Where a quantity is flat, its own rounding decides: the ratios
            // below M = 0.05 (1 - p/p0 is about 0.7 M^2), A/A* near M = 1.
            double tolerance = 1e-12;
            if (quantity == Quantity::A_As && std::fabs(M - 1) < 1e-3)
                tolerance = 3e-12 * 1e-4 / std::max(std::fabs(M - 1), 1e-4);
            else if (M < 0.05 && quantity != Quantity::M && quantity != Quantity::A_As)
                tolerance = 1e-11;
            const std::optional<double> back = flow::machFrom(quantity, s[quantity], branch, gas);
            ASSERT_TRUE(back) << "M " << M << " quantity " << q;
            EXPECT_LE(std::fabs(*back - M) / M, tolerance) << "M " << M << " quantity " << q;
        }
    }
}

TEST(MachFrom, FindsNoStationOutsideAQuantitysRange)
{
    const std::pair<Quantity, double> none[] = {
        {Quantity::A_As, 0.999}, {Quantity::p_p0, 0},     {Quantity::p_p0, 1.0000000000000002}, {Quantity::T_T0, 1.5},
        {Quantity::rho_rho0, -0.2}, {Quantity::T_Ts, 1.2}, {Quantity::mu, 0},        {Quantity::mu, 90.5},
        {Quantity::nu, -1},      {Quantity::nu, 130.46}, {Quantity::M, 0},          {Quantity::p_p0, NAN}};
    for (const auto &[quantity, value] : none)
        EXPECT_FALSE(flow::machFrom(quantity, value, Branch::Supersonic, gas)) << int(quantity) << " " << value;
    EXPECT_EQ(flow::machFrom(Quantity::mu, 90, Branch::Subsonic, gas), 1.0);
    EXPECT_EQ(flow::machFrom(Quantity::A_As, 1, Branch::Subsonic, gas), 1.0);
    EXPECT_NEAR(flow::upperLimit(Quantity::nu, gas), 130.454, 0.0005);
}

} // namespace

namespace {

// Other gases: the constants from k by the same expressions, and every ratio
// against its closed form in long double, k being the double that stands for it.
TEST(OtherGases, ConstantsAndTheTableFollowK)
{
    struct Gas {
        double k, kc1, kc2, kc3, kc4;
    };
    for (const Gas &g : {Gas{5.0 / 3, 0.7499999999999999, 0.33333333333333337, 2.0, 0.5},
                         Gas{1.3, 0.8695652173913044, 0.15000000000000002, 3.8333333333333326, 0.26086956521739135},
                         Gas{1.289, 0.8737439930100481, 0.14449999999999996, 3.960207612456748, 0.25251201397990386},
                         Gas{1.2, 0.9090909090909091, 0.09999999999999998, 5.500000000000002, 0.18181818181818177}}) {
        SCOPED_TRACE(g.k);
        const flow::GasConstants c = flow::gasConstants(g.k);
        EXPECT_EQ(c.kc1, g.kc1);
        EXPECT_EQ(c.kc2, g.kc2);
        EXPECT_EQ(c.kc3, g.kc3);
        EXPECT_EQ(c.kc4, g.kc4);
        for (const long double M : {0.5L, 1.0L, 2.0L, 4.0L}) {
            const flow::IsentropicState s = flow::isentropicState(double(M), c);
            const long double k = g.k, sum = 1 + (k - 1) / 2 * M * M, sonic = sum * 2 / (k + 1);
            const long double p = k / (k - 1), rho = 1 / (k - 1), q = std::sqrt((k + 1) / (k - 1));
            const long double exact[] = {std::pow(sonic, (k + 1) / (2 * (k - 1))) / M,
                                         std::pow(sum, -p), 1 / sum, std::pow(sum, -rho),
                                         std::pow(sonic, -p), 1 / sonic, std::pow(sonic, -rho)};
            const double ours[] = {s.A_As, s.p_p0, s.T_T0, s.rho_rho0, s.p_ps, s.T_Ts, s.rho_rhos};
            for (std::size_t i = 0; i < std::size(ours); ++i)
                EXPECT_LE(std::fabs((ours[i] - exact[i]) / exact[i]), 1e-14L) << "M " << double(M) << " column " << i;
            if (M > 1) {
                const long double degrees = 180 / 3.14159265358979323846264338327950288L;
                const long double mu = std::asin(1 / M) * degrees;
                const long double nu = (q * std::atan(std::sqrt(M * M - 1) / q) - std::atan(std::sqrt(M * M - 1))) * degrees;
                EXPECT_LE(std::fabs((s.mu - mu) / mu), 1e-14L) << double(M);
                EXPECT_LE(std::fabs((s.nu - nu) / nu), 1e-14L) << double(M);
            }
        }
    }
    // Superheated steam at M = 2: A/A* 1.7732, p/p0 0.13046, T/T0 0.625, rho/rho0 0.20874.
    const flow::IsentropicState steam = flow::isentropicState(2, flow::gasConstants(1.3));
    EXPECT_NEAR(steam.A_As, 1.7732, 5e-5);
    EXPECT_NEAR(steam.p_p0, 0.13046, 5e-6);
    EXPECT_EQ(steam.T_T0, 0.625);
    EXPECT_NEAR(steam.rho_rho0, 0.20874, 5e-6);
    EXPECT_FALSE(flow::isIdealGasK(1));
    EXPECT_TRUE(flow::isIdealGasK(5.0 / 3));
    EXPECT_FALSE(flow::isIdealGasK(1.6666666666666670));
}

} // namespace
