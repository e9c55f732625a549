// The normal-shock relations against the printed table (NACA Report 1135,
// k = 1.4) and their closed forms in long double; the inverses both ways.

#include "flow/normal_shock.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using flow::ShockQuantity;

const flow::GasConstants air = flow::gasConstants();

TEST(NormalShock, AgreesWithThePrintedTableAndItsClosedForms)
{
    struct Printed {
        double M1, M2, p2_p1, rho2_rho1, T2_T1, p02_p01, p02_p1; // 5 significant digits
    };
    const Printed table[] = {{1.5, 0.70109, 2.4583, 1.8621, 1.3202, 0.92979, 3.4133},
                             {2, 0.57735, 4.5000, 2.6667, 1.6875, 0.72087, 5.6404},
                             {3, 0.47519, 10.333, 3.8571, 2.6790, 0.32834, 12.061}};
    for (const flow::GasConstants &gas : {air, flow::gasConstants(1.3)}) {
        for (const Printed &row : table) {
            SCOPED_TRACE(testing::Message() << "k = " << gas.k << ", M1 = " << row.M1);
            const flow::NormalShock s = flow::normalShock(row.M1, gas);
            if (gas.k == 1.4) {
                const auto printed = [](double value, double figure) {
                    const double unit = std::pow(10.0, std::floor(std::log10(figure)) - 4);
                    EXPECT_LE(std::fabs(value - figure), unit / 2) << figure;
                };
                printed(s.M2, row.M2);
                printed(s.p2_p1, row.p2_p1);
                printed(s.rho2_rho1, row.rho2_rho1);
                printed(s.T2_T1, row.T2_T1);
                printed(s.p02_p01, row.p02_p01);
                printed(s.p02_p1, row.p02_p1);
            }
            // The textbook forms, in long double.
            const long double k = gas.k, m2 = (long double)row.M1 * row.M1;
            const long double p = (2 * k * m2 - (k - 1)) / (k + 1);
            const long double r = (k + 1) * m2 / ((k - 1) * m2 + 2);
            const long double p0 = std::pow(r, k / (k - 1)) * std::pow(1 / p, 1 / (k - 1));
            const long double pitot = std::pow((k + 1) * (k + 1) * m2 / (4 * k * m2 - 2 * (k - 1)), k / (k - 1)) *
                                      (1 - k + 2 * k * m2) / (k + 1);
            const std::pair<double, long double> forms[] = {
                {s.M2, std::sqrt(((k - 1) * m2 + 2) / (2 * k * m2 - (k - 1)))},
                {s.p2_p1, p}, {s.rho2_rho1, r}, {s.T2_T1, p / r}, {s.p02_p01, p0}, {s.p02_p1, pitot}};
            for (const auto &[value, exact] : forms)
                EXPECT_LE(std::fabs(value - exact), 1e-14L * exact) << value;
        }
    }
}

// From each quantity back to M1 and on to the quantity again; and what no
// shock has gets nothing.
TEST(NormalShock, InversesRoundTripAndRefuseWhatNoShockHas)
{
    for (const flow::GasConstants &gas : {air, flow::gasConstants(1.1), flow::gasConstants(5.0 / 3)}) {
        for (double M1 = 1.0001; M1 <= 20; M1 *= 1.07) {
            const flow::NormalShock s = flow::normalShock(M1, gas);
            for (int q = 0; q < flow::kShockQuantities; ++q) {
                const auto quantity = ShockQuantity(q);
                SCOPED_TRACE(testing::Message() << "k = " << gas.k << ", M1 = " << M1 << ", quantity " << q);
                const std::optional<double> back = flow::shockMachFrom(quantity, s[quantity], gas);
                ASSERT_TRUE(back.has_value());
                EXPECT_NEAR(flow::normalShock(*back, gas)[quantity], s[quantity], 1e-12 * s[quantity]);
                // p02/p01 departs from 1 only as (M1 - 1)^3: near M1 = 1 its
                // doubles fix M1 to about 1e-5 relative, not better.
                const double conditioned = quantity == ShockQuantity::p02_p01 ? 1e-12 / std::pow(M1 - 1, 2) : 1e-12;
                EXPECT_NEAR(*back, M1, std::max(1e-12, conditioned) * M1);
            }
        }
        for (const auto &[quantity, value] : {std::pair{ShockQuantity::M1, 0.99}, {ShockQuantity::M2, 1.01},
                                              {ShockQuantity::M2, 0.1}, {ShockQuantity::p2_p1, 0.5},
                                              {ShockQuantity::rho2_rho1, 30.0}, {ShockQuantity::p02_p01, 1.2},
                                              {ShockQuantity::p02_p01, 0.0}, {ShockQuantity::p02_p1, 1.5},
                                              {ShockQuantity::T2_T1, NAN}})
            EXPECT_FALSE(flow::shockMachFrom(quantity, value, gas).has_value()) << int(quantity) << " " << value;
    }
}

} // namespace
