// The relations at the edges of their ranges, swept over a few thousand
// inputs each: where a flow chokes, where a shock turns the most, where a
// ratio is all but 1 and where the powers leave the double range. Every
// expectation is a closed form evaluated in long double, k being the double
// that stands for it; each tolerance says what limits it.

#include "flow/back_pressure.h"
#include "flow/isentropic.h"
#include "flow/normal_shock.h"
#include "flow/oblique_shock.h"

#include "reference_math.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <optional>
#include <vector>

namespace {

using L = long double;

const double kGases[] = {1.05, 1.1, 1.2, 1.3, 1.4, 5.0 / 3};
const L kDegrees = 180 / 3.141592653589793238462643383279502884L;
constexpr double kEps = DBL_EPSILON;

// The ratios of the isentropic table that fall from their value at M = 0 (1
// to the stagnation state, (2/(k+1))^-e to the sonic state) as
// [2/(k+1) (1 + (k-1)/2 M^2)]^-e with e = k/(k-1) for p, 1/(k-1) for rho and
// 1 for T: the value at M and the Mach number of a value, in long double,
// with no cancellation near M = 0 and no overflow for tiny values.
struct Ratio {
    flow::Quantity quantity;
    bool sonic;
    L exponent(L k) const
    {
        switch (quantity) {
        case flow::Quantity::p_p0:
        case flow::Quantity::p_ps: return k / (k - 1);
        case flow::Quantity::rho_rho0:
        case flow::Quantity::rho_rhos: return 1 / (k - 1);
        default: return 1;
        }
    }
    L value(L M, L k) const
    {
        return std::exp(-exponent(k) * (std::log1p((k - 1) / 2 * M * M) + (sonic ? std::log(2 / (k + 1)) : 0)));
    }
    L mach(L v, L k) const
    {
        const L log = v < 0.5L ? std::log(v) : std::log1p(v - 1);
        const L x = -log / exponent(k) + (sonic ? std::log((k + 1) / 2) : 0); // ln (1 + (k-1)/2 M^2)
        return std::sqrt(2 / (k - 1) * std::expm1(x));
    }
};

// A nozzle whose exit is its throat (Ae/At = 1), and ones an ulp or four
// longer, with pb/p01 within 2e-8 of the choking ratio (2/(k+1))^(k/(k-1)).
// At Ae/At = 1 the throat is at the exit's M above it (to 1e-14), sonic below
// it; taking a back pressure within 1e-9 of the choking one as it moves M by
// up to 2e-9. Longer, the throat is at least as fast as the exit and at most
// sonic, to within the 1e-7 that the doubles of A/A* near 1 fix M to.
TEST(Edges, BackPressureAtTheThroatNearTheChokingRatio)
{
    const Ratio exitFromPressure{flow::Quantity::p_p0, false};
    for (const double k : kGases) {
        const flow::GasConstants gas = flow::gasConstants(k);
        const L K = k, choking = std::pow(2 / (K + 1), K / (K - 1));
        for (const double Ae_At : {1.0, 1 + 0x1p-52, 1 + 0x1p-50}) {
            for (int i = -250; i <= 250; ++i) {
                const double pb = double(choking * (1 + i * 8e-11L));
                SCOPED_TRACE(testing::Message() << "k = " << k << ", Ae/At = " << Ae_At << ", pb/p01 = " << pb);
                const auto f = flow::backPressureFlow(Ae_At, pb, gas);
                ASSERT_TRUE(f);
                const double throat = f->throat.M;
                EXPECT_TRUE(throat >= f->exit.M - 1e-7 && throat <= 1) << throat << " " << f->exit.M;
                if (Ae_At != 1)
                    continue;
                EXPECT_EQ(throat, f->exit.M);
                const L exact = pb > choking ? exitFromPressure.mach(pb, K) : 1;
                EXPECT_NEAR(throat, double(exact), f->regime == flow::Regime::Subsonic ? 1e-14 : 2e-9);
            }
        }
    }
    // The case the sweep found: the throat came out at M = 2 to 10.5.
    const auto f = flow::backPressureFlow(1, 0.5846792949332303, flow::gasConstants(1.1));
    ASSERT_TRUE(f);
    EXPECT_NEAR(f->throat.M, double(exitFromPressure.mach(0.5846792949332303, 1.1L)), 1e-14);
}

// theta max at 60 Mach numbers from 1.0001 to 100, the theta just below it
// (from 1e-1 to 1e-15 below, relative, and the double below) and the double
// above it. At theta max both angles are its beta; below it, each angle gives
// theta back through tan theta = 2 cot beta (M1^2 sin^2 beta - 1) /
// (M1^2 (k + cos 2 beta) + 2), the weak one at most, the strong one at least,
// the beta of sin^2 beta = [(k+1) M1^2 - 4 + sqrt((k+1) ((k+1) M1^4 + 8 (k-1)
// M1^2 + 16))] / (4 k M1^2). Above it the shock stands off.
TEST(Edges, ObliqueShockAtAndNearTheLargestDeflection)
{
    for (const double k : kGases) {
        const flow::GasConstants gas = flow::gasConstants(k);
        for (int i = 0; i < 60; ++i) {
            const double M1 = 1 + 1e-4 * std::pow(1e6, i / 59.0);
            const L M = M1, K = k;
            const auto theta = [&](L beta) {
                const L b = beta / kDegrees, s = std::sin(b);
                const L t = 2 / std::tan(b) * (M * M * s * s - 1) / (M * M * (K + std::cos(2 * b)) + 2);
                return std::atan(t) * kDegrees;
            };
            const L root = std::sqrt((K + 1) * ((K + 1) * M * M * M * M + 8 * (K - 1) * M * M + 16));
            const L sin2 = ((K + 1) * M * M - 4 + root) / (4 * K * M * M);
            const L betaMax = std::asin(std::sqrt(sin2)) * kDegrees, thetaMax = theta(betaMax);
            // Near M1 = 1, M1^2 sin^2 beta - 1 cancels: theta holds fewer digits.
            const double digits = double(1e-13L * M * M * sin2 / (M * M * sin2 - 1));
            const flow::MostDeflection most = flow::maxDeflection(M1, gas);
            SCOPED_TRACE(testing::Message() << "k = " << k << ", M1 = " << M1);
            ASSERT_NEAR(most.beta, double(betaMax), 1e-13 * most.beta);
            ASSERT_NEAR(most.theta, double(thetaMax), digits * most.theta);
            const auto atMost = flow::shockAngles(M1, most.theta, gas);
            ASSERT_TRUE(atMost);
            EXPECT_EQ(atMost->weak, most.beta);
            EXPECT_EQ(atMost->strong, most.beta);
            EXPECT_FALSE(flow::shockAngles(M1, std::nextafter(most.theta, 90.0), gas));
            for (int j = 1; j <= 16; ++j) {
                const double t = j == 16 ? std::nextafter(most.theta, 0.0) : most.theta * (1 - std::pow(10.0, -j));
                const auto angles = flow::shockAngles(M1, t, gas);
                ASSERT_TRUE(angles) << t;
                EXPECT_LE(angles->weak, double(betaMax * (1 + 1e-13L))) << t;
                EXPECT_GE(angles->strong, double(betaMax * (1 - 1e-13L))) << t;
                EXPECT_NEAR(double(theta(angles->weak)), t, digits * t) << t;
                EXPECT_NEAR(double(theta(angles->strong)), t, digits * t) << t;
            }
        }
    }
}

// The normal shock's quantities at M1, in the order of ShockQuantity: M2 and
// the ratios from the textbook forms, p02/p01 and p02/p1 (Rayleigh's pitot
// formula) through logarithms, which long double holds for any M1 here.
std::array<L, flow::kShockQuantities> shockForms(L M1, L k)
{
    const L m2 = M1 * M1, p = (2 * k * m2 - (k - 1)) / (k + 1), rho = (k + 1) * m2 / ((k - 1) * m2 + 2);
    const L pitot = std::exp(k / (k - 1) * std::log((k + 1) * (k + 1) * m2 / (4 * k * m2 - 2 * (k - 1)))) * p;
    return {M1, std::sqrt(((k - 1) * m2 + 2) / (2 * k * m2 - (k - 1))), p, p / rho, rho,
            std::exp(k / (k - 1) * std::log(rho) - std::log(p) / (k - 1)), pitot};
}

// Normal shocks from just above M1 = 1 (1 + 2^-52 on) to M1 = 1e200: each
// quantity to a few units in the last place (the p02 ratios, powers of up to
// k/(k-1) = 21, to 2 kp + 2 |ln value| units, the exponent's rounding counting
// once per unit of the logarithm); infinite only above the double range.
// Each value back to an M1 at which the closed form gives it again, to that
// and the step between adjacent M1; outside the range stated for it only
// within rounding of a limit.
TEST(Edges, NormalShockFromNoShockToFarBeyondTheTables)
{
    if (!testing_flow::referenceMathIsPrecise())
        GTEST_SKIP() << "long-double references no more precise than double here";
    std::vector<double> machs;
    for (int j = 0; j <= 52; ++j)
        machs.push_back(1 + std::ldexp(1.0, -j) * (j < 52 ? 1.5 : 1));
    for (int i = 0; i <= 400; ++i)
        machs.push_back(std::pow(10.0, i / 2.0));
    for (const double k : kGases) {
        const flow::GasConstants gas = flow::gasConstants(k);
        const double kp = flow::pressureExponent(gas);
        for (const double M1 : machs) {
            const flow::NormalShock s = flow::normalShock(M1, gas);
            const auto exact = shockForms(M1, k);
            for (int q = 1; q < flow::kShockQuantities; ++q) {
                const auto quantity = flow::ShockQuantity(q);
                SCOPED_TRACE(testing::Message() << "k = " << k << ", M1 = " << M1 << ", quantity " << q);
                const L r = exact[std::size_t(q)];
                const bool power = quantity == flow::ShockQuantity::p02_p01 || quantity == flow::ShockQuantity::p02_p1;
                const L log = std::fabs(std::log(std::max(r, L(DBL_TRUE_MIN))));
                const double units = power ? double(2 * kp + 2 * log) : 4;
                if (r > DBL_MAX) {
                    EXPECT_TRUE(std::isinf(s[quantity])) << s[quantity];
                    continue;
                }
                EXPECT_LE(std::fabs(s[quantity] - r), units * kEps * r + DBL_TRUE_MIN) << s[quantity];
                const double v = double(r);
                const flow::ShockRange range = flow::shockRange(quantity, gas);
                const bool rising = range.strong > range.weak;
                if (!(rising ? v >= range.weak && v < range.strong : v <= range.weak && v > range.strong)) {
                    // Outside the range only by the rounding of a limit.
                    const auto near = [v](double limit) { return std::fabs(v - limit) <= 4 * kEps * limit; };
                    EXPECT_TRUE(near(range.weak) || (std::isfinite(range.strong) && near(range.strong))) << v;
                    continue;
                }
                if (v < DBL_MIN)
                    continue; // fewer digits than a look-up needs
                const std::optional<double> back = flow::shockMachFrom(quantity, v, gas);
                ASSERT_TRUE(back) << v;
                const L again = shockForms(*back, k)[std::size_t(q)];
                EXPECT_LE(std::fabs(again - v), (units + 2 * kp + 4) * kEps * v) << *back;
            }
        }
    }
}

// M2 and rho2/rho1 an ulp to four inside the limits they tend to, for 400
// gases from k = 1 to 5/3: a strong shock whose closed form gives them again,
// to 2 ulps (k + 1 rounded to a double moves rho2/rho1 by up to one), never
// no shock (M1 = 1) or M1 infinite.
TEST(Edges, NormalShockLookUpsNextToTheirLimits)
{
    for (int i = 1; i <= 400; ++i) {
        const double k = 1 + 2.0 / 3 * i / 400;
        const flow::GasConstants gas = flow::gasConstants(k);
        for (const auto quantity : {flow::ShockQuantity::M2, flow::ShockQuantity::rho2_rho1}) {
            double v = flow::shockRange(quantity, gas).strong;
            for (int j = 1; j <= 4; ++j) {
                v = std::nextafter(v, 1.0);
                SCOPED_TRACE(testing::Message() << "k = " << k << ", quantity " << int(quantity) << ", value " << v);
                const std::optional<double> back = flow::shockMachFrom(quantity, v, gas);
                ASSERT_TRUE(back);
                EXPECT_TRUE(*back > 1e6 && *back < 1e10) << *back;
                const L again = shockForms(*back, k)[std::size_t(quantity)];
                EXPECT_LE(std::fabs(again - v), 2 * (std::nextafter(v, 2 * v) - v)) << *back;
            }
        }
    }
}

// A/A* = [2/(k+1) (1 + (k-1)/2 M^2)]^((k+1)/(2(k-1))) / M, through
// logarithms, which long double holds for any M here.
L areaForm(L M, L k)
{
    return std::exp((k + 1) / (2 * (k - 1)) * std::log(2 / (k + 1) * (1 + (k - 1) / 2 * M * M)) - std::log(M));
}

// A/A* from M = 1e4 to 1e300, across where AAfM's power overflows though
// A/A* does not (M about 6e51 for air): to 2 kc3 + 4 + 2 |ln A/A*| units in
// the last place (a power of kc3 = (k+1)/(2(k-1)), its exponent rounded),
// infinite only above the double range; each value back to an M at which the
// closed form gives it again, to that and the step between adjacent M.
TEST(Edges, AreaRatioOfVeryFastStreams)
{
    for (const double k : kGases) {
        const flow::GasConstants gas = flow::gasConstants(k);
        for (int i = 0; i <= 1184; ++i) {
            const double M = std::pow(10.0, 4 + i / 4.0);
            SCOPED_TRACE(testing::Message() << "k = " << k << ", M = " << M);
            const double A = flow::isentropicState(M, gas).A_As;
            const L exact = areaForm(M, k);
            if (exact > DBL_MAX) {
                EXPECT_TRUE(std::isinf(A)) << A;
                continue;
            }
            const double units = 2 * gas.kc3 + 4 + 2 * double(std::log(exact));
            EXPECT_LE(std::fabs(A - exact), units * kEps * exact) << A;
            const double v = double(exact);
            const std::optional<double> back = flow::machFrom(flow::Quantity::A_As, v, flow::Branch::Supersonic, gas);
            ASSERT_TRUE(back);
            EXPECT_LE(std::fabs(areaForm(*back, k) - v), (units + 2 * gas.kc3 + 2) * kEps * v) << *back;
        }
    }
}

// The table's ratios from M = 1e-12 to 1e150 to 4 + 2 e + |ln v| units in
// the last place (1 + (k-1)/2 M^2 rounded, raised to e), fewer digits only
// below the normal doubles. Each ratio all but at its value at M = 0 (an ulp
// to 64 below it, and from 1e-1 to 1e-15 below), at the values the table
// gives (the round trip), and far out, down to 1e-300: M = 0 exactly at 1 to the
// stagnation state, M above 0 below it, to 8 + |ln v| units in the last place
// (the exponent's rounding counting once per unit of the logarithm), M = 0
// nowhere else. To the sonic state the limit (refused) holds the rounding of
// 2/(k+1) raised to e: M there holds no more than (e + 2) eps limit /
// (limit - v), and within rounding of the limit is just some small M.
TEST(Edges, MachFromTheRatiosNearMachZeroAndFarOut)
{
    if (!testing_flow::referenceMathIsPrecise())
        GTEST_SKIP() << "long-double references no more precise than double here";
    using flow::Quantity;
    const Ratio ratios[] = {{Quantity::p_p0, false}, {Quantity::T_T0, false}, {Quantity::rho_rho0, false},
                            {Quantity::p_ps, true},  {Quantity::T_Ts, true},  {Quantity::rho_rhos, true}};
    for (const double k : kGases) {
        const flow::GasConstants gas = flow::gasConstants(k);
        for (const Ratio &ratio : ratios) {
            const double limit = flow::upperLimit(ratio.quantity, gas);
            std::vector<double> values;
            for (double v = limit, j = 1; j <= 64; ++j)
                values.push_back(v = std::nextafter(v, 0.0));
            for (int x = 1; x <= 300; ++x)
                values.push_back(x <= 15 ? limit * (1 - std::pow(10.0, -x)) : std::pow(10.0, -x));
            for (int i = 0; i <= 324; ++i) {
                const double M = std::pow(10.0, -12 + i / 2.0);
                const double v = flow::isentropicState(M, gas)[ratio.quantity];
                const L exact = ratio.value(M, k), log = std::fabs(std::log(std::max(exact, L(DBL_TRUE_MIN))));
                EXPECT_LE(std::fabs(v - exact), double(4 + 2 * ratio.exponent(k) + log) * kEps * exact + DBL_MIN)
                    << "k = " << k << ", quantity " << int(ratio.quantity) << ", M " << M;
                values.push_back(v);
            }
            const auto zero = flow::machFrom(ratio.quantity, limit, flow::Branch::Subsonic, gas);
            EXPECT_EQ(zero, ratio.sonic ? std::nullopt : std::optional<double>(0.0)) << int(ratio.quantity);
            for (const double v : values) {
                if (!(v >= DBL_MIN && v < limit))
                    continue; // the table's values beyond the double range or at the limit
                SCOPED_TRACE(testing::Message() << "k = " << k << ", quantity " << int(ratio.quantity)
                                                << ", value " << v);
                const std::optional<double> M = flow::machFrom(ratio.quantity, v, flow::Branch::Subsonic, gas);
                ASSERT_TRUE(M);
                const double rounding = ratio.sonic ? double((ratio.exponent(k) + 2) * limit / (limit - v)) : 0;
                EXPECT_GT(*M, 0);
                if (rounding * kEps > 0.01) { // within rounding of the limit: some small M
                    EXPECT_LT(*M, 1e-5);
                    continue;
                }
                const L exact = ratio.mach(v, k);
                EXPECT_LE(std::fabs(*M - exact), (8 + std::fabs(std::log(v)) + rounding) * kEps * exact) << *M;
            }
        }
    }
}

} // namespace
