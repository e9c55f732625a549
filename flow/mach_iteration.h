#pragma once

#include "flow/gas_constants.h"
#include "flow/isentropic.h"

#include <optional>
#include <string_view>
#include <vector>

namespace flow {

struct MachIteration {
    double M;       // the last iterate: the answer, or the start value 1
    int steps;      // steps made, 0 to 50
    bool converged; // whether the last step changed M by less than 0.0001
};

// Solves the area-Mach relation A/Ar = AAr between a reference station of Mach
// number Mr and the sought one by fixed-point iteration from M = 1:
//   Subsonic:   M = (N / R)^kc3 * (Mr / AAr)                with N = kc2 M^2 + 1
//   Supersonic: M = sqrt((R * (M AAr / Mr)^kc4 - 1) / kc2)  with R = kc2 Mr^2 + 1
// at most 50 steps, stopping at the first step that changes M by less than
// 0.0001. When `iterates` is given, every new iterate is appended to it as it
// is made. Throws ArithmeticError where a step divides by zero, overflows or
// takes the root or fractional power of a negative number.
MachIteration M_iter(double AAr, double Mr, Branch branch, const GasConstants &gas,
                     std::vector<double> *iterates = nullptr);

// The branch a regime names: kSubsonic or kSupersonic; none for any other text.
std::optional<Branch> branchNamed(std::string_view rejim);

// The same by the regime's name. An unknown regime makes no step and returns
// 1, not converged.
MachIteration M_iter(double AAr, double Mr, std::string_view rejim, const GasConstants &gas,
                     std::vector<double> *iterates = nullptr);

// The two functions of M that the iteration steps with, as the iteration
// chart draws them: the subsonic form (Mr/AAr) (N/R)^kc3 and the supersonic
// form sqrt((R (AAr M / Mr)^(1/kc3) - 1) / kc2), which is 0 where the root's
// argument is negative. Throws ArithmeticError as M_iter does.
struct IterationFunctions {
    double subsonic, supersonic;
};
IterationFunctions iterationFunctions(double AAr, double Mr, double M, const GasConstants &gas);

} // namespace flow
