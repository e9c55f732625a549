#include "flow/area_ratio.h"
#include "flow/arithmetic.h"
#include "flow/mach_iteration.h"
#include "flow/texts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using flow::ArithmeticError;
using flow::kSubsonic;
using flow::kSupersonic;

const flow::GasConstants gas = flow::gasConstants();

flow::MachIteration iterate(double AAr, const char *rejim, double Mr = 1)
{
    return flow::M_iter(AAr, Mr, rejim, gas);
}

TEST(MachIteration, FollowsTheSubsonicIteratesForRatioTwo)
{
    std::vector<double> iterates;
    const auto result = flow::M_iter(2, 1, kSubsonic, gas, &iterates);
    const std::vector<double> expected{0.5, 0.3349609375000001, 0.30927118821317084,
                                       0.306277211023683, 0.3059450183311363, 0.3059083742283576};
    EXPECT_EQ(iterates, expected);
    EXPECT_EQ(result.M, 0.3059083742283576);
    EXPECT_EQ(result.steps, 6);
    EXPECT_TRUE(result.converged);
}

TEST(MachIteration, FollowsTheSupersonicIteratesForRatioTwo)
{
    std::vector<double> iterates;
    const auto result = flow::M_iter(2, 1, kSupersonic, gas, &iterates);
    const std::vector<double> expected{
        1.5998519617043445, 1.9599497186035955, 2.111966215641589,  2.1677002405874224,
        2.1871217813571997, 2.1937714855386354, 2.1960346114481037, 2.196803257964375,
        2.1970641392510046, 2.1971526623905615};
    EXPECT_EQ(iterates, expected);
    EXPECT_EQ(result.M, expected.back());
    EXPECT_EQ(result.steps, 10);
    EXPECT_TRUE(result.converged);
}

struct StepCountCase {
    double AAr;
    int subsonicSteps;
    int supersonicSteps;
};

void PrintTo(const StepCountCase &c, std::ostream *os)
{
    *os << "AAr " << c.AAr;
}

class StepCount : public testing::TestWithParam<StepCountCase> {};

TEST_P(StepCount, MatchesTheTable)
{
    const auto sub = iterate(GetParam().AAr, kSubsonic);
    const auto sup = iterate(GetParam().AAr, kSupersonic);
    EXPECT_EQ(sub.steps, GetParam().subsonicSteps);
    EXPECT_EQ(sup.steps, GetParam().supersonicSteps);
    EXPECT_TRUE(sub.converged);
    EXPECT_TRUE(sup.converged);
    EXPECT_LE(sub.M, 1);
    EXPECT_GE(sup.M, 1);
}

INSTANTIATE_TEST_SUITE_P(Ratios, StepCount,
                         testing::Values(StepCountCase{1, 1, 1}, StepCountCase{1.01, 33, 35},
                                         StepCountCase{1.1, 14, 17}, StepCountCase{1.2, 11, 14},
                                         StepCountCase{1.5, 8, 12}, StepCountCase{3, 5, 10},
                                         StepCountCase{10, 4, 9}, StepCountCase{100, 3, 8}));

TEST(MachIteration, ReturnsTheSonicPointForRatioOne)
{
    EXPECT_EQ(iterate(1, kSubsonic).M, 1);
    EXPECT_EQ(iterate(1, kSupersonic).M, 1);
}

TEST(MachIteration, FindsBothRootsOfMachTwo)
{
    const auto sup = iterate(1.6875, kSupersonic);
    EXPECT_EQ(sup.M, 1.9999615049771253);
    EXPECT_EQ(sup.steps, 11);
    const auto sub = iterate(1.6875, kSubsonic);
    EXPECT_NEAR(sub.M, 0.3722502966, 5e-11);
    EXPECT_EQ(sub.steps, 7);
}

TEST(MachIteration, StopsAfterOneStepJustAboveOne)
{
    const auto sub = iterate(1.0001, kSubsonic);
    const auto sup = iterate(1.0001, kSupersonic);
    EXPECT_EQ(sub.M, 0.9999000099990001);
    EXPECT_EQ(sup.M, 1.0000999916676845);
    EXPECT_EQ(sub.steps, 1);
    EXPECT_EQ(sup.steps, 1);
    EXPECT_EQ(iterate(1.000101, kSubsonic).steps, 12);
    EXPECT_EQ(iterate(1.00011, kSubsonic).steps, 33);
    EXPECT_EQ(iterate(1.00011, kSupersonic).steps, 34);
}

TEST(MachIteration, ReturnsTheFiftiethIterateWhenItDoesNotConverge)
{
    const auto sub = iterate(1.001, kSubsonic);
    const auto sup = iterate(1.001, kSupersonic);
    EXPECT_EQ(sub.M, 0.9692205839573707);
    EXPECT_EQ(sup.M, 1.0311621592033962);
    EXPECT_FALSE(sub.converged);
    EXPECT_FALSE(sup.converged);
    EXPECT_EQ(sub.steps, 50);
    EXPECT_EQ(sup.steps, 50);
}

TEST(MachIteration, ReferenceMachTwo)
{
    const auto sub = iterate(1.5, kSubsonic, 2);
    const auto sup = iterate(1.5, kSupersonic, 2);
    EXPECT_EQ(sub.M, 0.23637825534920912);
    EXPECT_EQ(sub.steps, 5);
    EXPECT_EQ(sup.M, 2.456134468098075);
    EXPECT_EQ(sup.steps, 10);
}

TEST(MachIteration, MakesNoStepForAnUnknownRegime)
{
    for (const char *key : {"sesaltı", "SESÜSTÜ", "SesAlti", "", "SesAltı ", "SesUstu"}) {
        const auto result = iterate(2, key);
        EXPECT_EQ(result.M, 1) << key;
        EXPECT_EQ(result.steps, 0) << key;
        EXPECT_FALSE(result.converged) << key;
    }
}

TEST(MachIteration, NegativeRatioNegatesTheSubsonicIterates)
{
    const auto sub = iterate(-2, kSubsonic);
    EXPECT_EQ(sub.M, -0.3059083742283576);
    EXPECT_EQ(sub.steps, 6);
}

struct FaultCase {
    double AAr;
    const char *rejim;
    ArithmeticError::Kind kind;
    std::size_t stepsBeforeFault;
};

void PrintTo(const FaultCase &c, std::ostream *os)
{
    *os << "AAr " << c.AAr << ' ' << c.rejim;
}

class IterationFault : public testing::TestWithParam<FaultCase> {};

TEST_P(IterationFault, EndsWithTheErrorAtItsStep)
{
    std::vector<double> iterates;
    try {
        flow::M_iter(GetParam().AAr, 1, GetParam().rejim, gas, &iterates);
        FAIL() << "the iteration did not fail";
    } catch (const ArithmeticError &e) {
        EXPECT_EQ(e.kind(), GetParam().kind);
    }
    EXPECT_EQ(iterates.size(), GetParam().stepsBeforeFault);
}

INSTANTIATE_TEST_SUITE_P(
    Ratios, IterationFault,
    testing::Values(FaultCase{0.99, kSubsonic, ArithmeticError::Kind::Overflow, 21},
                    FaultCase{0.99, kSupersonic, ArithmeticError::Kind::InvalidArgument, 14},
                    FaultCase{-2, kSupersonic, ArithmeticError::Kind::InvalidArgument, 0},
                    FaultCase{0, kSubsonic, ArithmeticError::Kind::DivisionByZero, 0},
                    FaultCase{1e257, kSupersonic, ArithmeticError::Kind::Overflow, 3},
                    FaultCase{1e300, kSupersonic, ArithmeticError::Kind::Overflow, 1}));

TEST(MachIteration, RatiosJustBelowOne)
{
    EXPECT_EQ(iterate(0.99999, kSubsonic).M, 1.000010000100001);
    EXPECT_EQ(iterate(0.99999, kSupersonic).M, 0.9999899999166656);
    const auto sub = iterate(0.9999, kSubsonic);
    const auto sup = iterate(0.9999, kSupersonic);
    EXPECT_EQ(sub.M, 1.0053809851250384);
    EXPECT_EQ(sup.M, 0.9946225778501974);
    EXPECT_FALSE(sub.converged);
    EXPECT_FALSE(sup.converged);
}

TEST(MachIteration, DoesNotConvergeJustAboveTheFirstStepBand)
{
    EXPECT_FALSE(iterate(1.0002, kSubsonic).converged);
    EXPECT_FALSE(iterate(1.0024, kSubsonic).converged);
    EXPECT_TRUE(iterate(1.0026, kSubsonic).converged);
    EXPECT_FALSE(iterate(1.0027, kSupersonic).converged);
    EXPECT_TRUE(iterate(1.0029, kSupersonic).converged);
}

// The area ratio of a Mach number, iterated on its branch, gives the Mach
// number back. Mach numbers near 1 are left out: there the absolute step test
// stops short of the root.
TEST(MachIteration, InvertsTheAreaRatioOnEitherBranch)
{
    for (int i = 1; i <= 16; ++i) {
        const double M = 0.05 * i; // 0.05 to 0.8
        EXPECT_NEAR(iterate(flow::AAfM(M, gas), kSubsonic).M, M, 0.001) << M;
    }
    for (int i = 0; i <= 11; ++i) {
        const double M = 1.25 + 0.25 * i; // 1.25 to 4
        EXPECT_NEAR(iterate(flow::AAfM(M, gas), kSupersonic).M, M, 0.001) << M;
    }
}

} // namespace
