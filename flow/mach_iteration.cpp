#include "flow/mach_iteration.h"

#include "flow/arithmetic.h"
#include "flow/texts.h"

#include <cmath>

namespace flow {

namespace {

constexpr int kMaxSteps = 50;
constexpr double kTolerance = 0.0001;

double subsonicStep(double Mold, double AAr, double Mr, const GasConstants &gas)
{
    const double R = multiply(multiply(Mr, gas.kc2), Mr) + 1;
    const double N = multiply(multiply(Mold, gas.kc2), Mold) + 1;
    const double p = power(divide(N, R), gas.kc3);
    return multiply(p, divide(Mr, AAr));
}

double supersonicStep(double Mold, double AAr, double Mr, const GasConstants &gas)
{
    const double R = multiply(multiply(Mr, gas.kc2), Mr) + 1;
    const double B = divide(multiply(Mold, AAr), Mr);
    const double radicand = divide(multiply(power(B, gas.kc4), R) - 1, gas.kc2);
    return squareRoot(radicand);
}

} // namespace

std::optional<Branch> branchNamed(std::string_view rejim)
{
    if (rejim == kSubsonic)
        return Branch::Subsonic;
    if (rejim == kSupersonic)
        return Branch::Supersonic;
    return std::nullopt;
}

MachIteration M_iter(double AAr, double Mr, std::string_view rejim, const GasConstants &gas,
                     std::vector<double> *iterates)
{
    const std::optional<Branch> branch = branchNamed(rejim);
    if (!branch)
        return {1, 0, false};
    return M_iter(AAr, Mr, *branch, gas, iterates);
}

MachIteration M_iter(double AAr, double Mr, Branch branch, const GasConstants &gas, std::vector<double> *iterates)
{
    const auto step = branch == Branch::Subsonic ? subsonicStep : supersonicStep;
    double M = 1;
    for (int n = 1; n <= kMaxSteps; ++n) {
        const double Mold = M;
        M = step(Mold, AAr, Mr, gas);
        if (iterates)
            iterates->push_back(M);
        // Absolute and strict: a change of exactly the tolerance goes on.
        if (std::fabs(M - Mold) < kTolerance)
            return {M, n, true};
    }
    return {M, kMaxSteps, false};
}

IterationFunctions iterationFunctions(double AAr, double Mr, double M, const GasConstants &gas)
{
    // In the chart's order of operations, which fixes its points' last bits.
    const double R = 1 + multiply(multiply(gas.kc2, Mr), Mr);
    const double B = divide(multiply(AAr, M), Mr);
    const double D = (multiply(power(B, divide(1, gas.kc3)), R) - 1) / gas.kc2;
    const double N = 1 + gas.kc2 * M * M;
    return {multiply(divide(Mr, AAr), power(divide(N, R), gas.kc3)), D >= 0 ? squareRoot(D) : 0};
}

} // namespace flow
