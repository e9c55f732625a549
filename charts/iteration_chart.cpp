#include "charts/iteration_chart.h"

#include "flow/mach_iteration.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"
#include "form_runtime/text_box.h"

namespace charts {

namespace {

constexpr double kMachRange = 4;
constexpr int kDivisions = 200;

} // namespace

IterTables iterationSamples(double AAr, double Mr, const flow::GasConstants &gas)
{
    IterTables t;
    for (int i = 1; i <= kDivisions; ++i) {
        t.Mx[i] = kMachRange * (double(i) / kDivisions);
        const flow::IterationFunctions f = flow::iterationFunctions(AAr, Mr, t.Mx[i], gas);
        t.F_sup[i] = f.supersonic;
        t.F_sub[i] = f.subsonic;
        if (t.F_sup[i] > t.Ymax)
            t.Ymax = t.F_sup[i];
    }
    return t;
}

void Grafik_iter(form_runtime::ChartSurface &Picture_iter, double AAr, double Mr,
                 const flow::GasConstants &gas)
{
    const IterTables t = iterationSamples(AAr, Mr, gas);
    const auto &[Mx, F_sup, F_sub, Ymax] = t;

    Picture_iter.Scale(-0.2, -Ymax, kMachRange + 0.2, 0.1);
    Picture_iter.Cls();
    Picture_iter.Line(1, -5, 1, 5);
    Picture_iter.Line(0, 0, 3, 0);
    for (int i = 2; i <= kDivisions; ++i) {
        Picture_iter.Line(Mx[i - 1], -Mx[i - 1], Mx[i], -Mx[i]);
        Picture_iter.Line(Mx[i - 1], -F_sup[i - 1], Mx[i], -F_sup[i], form_runtime::kRed);
        Picture_iter.Line(Mx[i - 1], -F_sub[i - 1], Mx[i], -F_sub[i], form_runtime::kRed);
    }
    Picture_iter.setDescription(QStringLiteral("Iteration functions for A2/A* %1")
                                              .arg(form_runtime::shownText(AAr)));
}

void drawIterates(form_runtime::ChartSurface &Picture_iter, const std::vector<double> &iterates)
{
    double M = 1;
    for (const double next : iterates) {
        Picture_iter.Line(M, -M, M, -next, kIterateColour);
        Picture_iter.Line(M, -next, next, -next, kIterateColour);
        M = next;
    }
}

} // namespace charts
