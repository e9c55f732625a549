#include "flow/area_ratio.h"
#include "flow/arithmetic.h"

#include <gtest/gtest.h>

namespace {

using flow::ArithmeticError;

const flow::GasConstants gas = flow::gasConstants();

TEST(GasConstants, CarryTheRoundingOfTheirExpressions)
{
    EXPECT_EQ(gas.k, 1.4);
    EXPECT_EQ(gas.kc1, 0.8333333333333334);
    EXPECT_EQ(gas.kc2, 0.19999999999999996);
    EXPECT_EQ(gas.kc3, 3.0000000000000004);
    EXPECT_EQ(gas.kc4, 0.33333333333333326);
    EXPECT_EQ((1 + gas.kc2) * gas.kc1, 1.0);
}

struct AreaRatioCase {
    double M;
    double ratio;
};

void PrintTo(const AreaRatioCase &c, std::ostream *os)
{
    *os << "M " << c.M;
}

class AreaRatio : public testing::TestWithParam<AreaRatioCase> {};

TEST_P(AreaRatio, IsBitExact)
{
    EXPECT_EQ(flow::AAfM(GetParam().M, gas), GetParam().ratio);
}

INSTANTIATE_TEST_SUITE_P(TabulatedMachNumbers, AreaRatio,
                         testing::Values(AreaRatioCase{1, 1},
                                         AreaRatioCase{0.5, 1.3398437500000004},
                                         AreaRatioCase{2, 1.6875000000000002},
                                         AreaRatioCase{3, 4.23456790123457},
                                         AreaRatioCase{0.1, 5.821828750000001},
                                         AreaRatioCase{1.5, 1.1761670524691357},
                                         AreaRatioCase{5, 25.000000000000007},
                                         AreaRatioCase{10, 535.9375000000003},
                                         // (0.8 kc2) 0.8; (0.8 0.8) kc2 would give 1.0382300000000004
                                         AreaRatioCase{0.8, 1.0382299999999998},
                                         AreaRatioCase{-2, -1.6875000000000002}));

ArithmeticError::Kind faultOf(double M)
{
    try {
        flow::AAfM(M, gas);
    } catch (const ArithmeticError &e) {
        return e.kind();
    }
    ADD_FAILURE() << "AAfM(" << M << ") did not fail";
    return {};
}

TEST(AreaRatio, FailsAtZeroAndBeyondTheDoubleRange)
{
    EXPECT_EQ(faultOf(0), ArithmeticError::Kind::DivisionByZero);
    EXPECT_EQ(faultOf(1e52), ArithmeticError::Kind::Overflow);
    EXPECT_EQ(faultOf(1e-309), ArithmeticError::Kind::Overflow);
    EXPECT_NO_THROW(flow::AAfM(5e51, gas));
}

TEST(Arithmetic, TellsItsFaultsApart)
{
    using Kind = ArithmeticError::Kind;
    auto kind = [](auto operation) {
        try {
            operation();
        } catch (const ArithmeticError &e) {
            return e.kind();
        }
        ADD_FAILURE() << "no fault";
        return Kind{};
    };
    EXPECT_EQ(kind([] { flow::divide(1, 0); }), Kind::DivisionByZero);
    EXPECT_EQ(kind([] { flow::divide(0, 0); }), Kind::Overflow);
    EXPECT_EQ(kind([] { flow::multiply(1e200, 1e200); }), Kind::Overflow);
    EXPECT_EQ(kind([] { flow::power(-2, 0.5); }), Kind::InvalidArgument);
    EXPECT_EQ(kind([] { flow::squareRoot(-1e-300); }), Kind::InvalidArgument);
    EXPECT_EQ(flow::power(-2, 3), -8);
    EXPECT_EQ(flow::squareRoot(0), 0);
}

} // namespace
