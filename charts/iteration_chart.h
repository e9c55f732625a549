#pragma once

#include "flow/gas_constants.h"

#include <array>
#include <vector>

namespace form_runtime {
class ChartSurface;
}

namespace charts {

// The two iteration functions of the Mach number iteration, sampled at
// Mx = 0.02 to 4 (indices 1 to 200): F_sup, the supersonic square-root form
// (0 where its radicand is negative), and F_sub, the subsonic power form.
// Ymax is the chart's height: 5, or the largest F_sup above it.
struct IterTables {
    std::array<double, 201> Mx{};
    std::array<double, 201> F_sup{};
    std::array<double, 201> F_sub{};
    double Ymax = 5;
};

// Samples both iteration functions for the area ratio AAr against a reference
// station of Mach number Mr. Throws flow::ArithmeticError where they are
// undefined (AAr or Mr not above 0).
IterTables iterationSamples(double AAr, double Mr, const flow::GasConstants &gas);

// Draws the iteration chart from scratch: both functions in red against the
// diagonal, a line at M = 1 and the axis up to M = 3. Values are drawn negated,
// so a solution M sits at (M, -M) on the diagonal.
void Grafik_iter(form_runtime::ChartSurface &Picture_iter, double AAr, double Mr,
                 const flow::GasConstants &gas);

// Draws the steps of a fixed-point iteration from M = 1 as a cobweb: for each
// iterate, a vertical segment from the diagonal to the curve, then a
// horizontal one back to the diagonal, in the chart's negated coordinates.
void drawIterates(form_runtime::ChartSurface &Picture_iter, const std::vector<double> &iterates);

// A solution: the iterate the chart circles, and the root its label names.
struct Solved {
    double iterate, root;
};
// Circles the two solutions on the diagonal; with the axes, each is labelled
// with its root, and the legend names them (and the iterates, when drawn).
void markSolutions(form_runtime::ChartSurface &Picture_iter, Solved subsonic, Solved supersonic, bool withIterates);

// The cobweb's colour: a mid blue that reads on light and dark backgrounds.
constexpr int kIterateColour = 0xC87800; // red 0, green 120, blue 200

} // namespace charts
