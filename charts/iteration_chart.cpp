#include "charts/iteration_chart.h"

#include "flow/mach_iteration.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"
#include "form_runtime/text_box.h"

#include <cmath>

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
    Picture_iter.setDescription(QStringLiteral("Horizontal: the Mach number, 0 to 4. Vertical: the next iterate, "
                                               "each form's value at M, 0 to %1. Iteration functions for A2/A* %2")
                                    .arg(form_runtime::shownText(Ymax), form_runtime::shownText(AAr)));

    // Values are drawn negated, and so are the numbers.
    Picture_iter.setAxes({QStringLiteral("M"), 0, kMachRange}, {QStringLiteral("next iterate F(M)"), -Ymax, 0, true});
    // Both forms are drawn alike: one entry for both, each named at its curve.
    Picture_iter.addLegendEntry({QStringLiteral("subsonic and supersonic forms"), {form_runtime::kRed}});
    Picture_iter.addLegendEntry({QStringLiteral("M = g(M)"), {}});
    // Each red curve named at its far end, or where it leaves the chart.
    const auto namedAt = [&Ymax = Ymax](const std::array<double, 201> &F) {
        int i = 170; // M = 3.4
        while (i > 1 && !(F[i] < 0.85 * Ymax))
            --i;
        return i;
    };
    const int sub = namedAt(F_sub), sup = namedAt(F_sup);
    Picture_iter.Note(Mx[sub], -F_sub[sub], QStringLiteral("subsonic form"), Qt::AlignLeft | Qt::AlignVCenter,
                      form_runtime::kRed);
    Picture_iter.Note(Mx[sup], -F_sup[sup], QStringLiteral("supersonic form"), Qt::AlignHCenter | Qt::AlignBottom,
                      form_runtime::kRed);
    Picture_iter.setReadOut([AAr, Mr, gas](double x, double) -> QString {
        const double M = std::round(x * 100) / 100;
        if (M <= 0 || M > kMachRange)
            return {};
        const flow::IterationFunctions f = flow::iterationFunctions(AAr, Mr, M, gas);
        return QStringLiteral("M = %1: subsonic form %2, supersonic form %3")
            .arg(QString::number(M, 'f', 2), form_runtime::ratioText(f.subsonic), form_runtime::ratioText(f.supersonic));
    });
}

void markSolutions(form_runtime::ChartSurface &Picture_iter, Solved subsonic, Solved supersonic, bool withIterates)
{
    Picture_iter.Circle(subsonic.iterate, -subsonic.iterate, 0.05, form_runtime::kRed);
    Picture_iter.Circle(supersonic.iterate, -supersonic.iterate, 0.05, form_runtime::kRed);
    for (const Solved &s : {subsonic, supersonic})
        Picture_iter.Note(s.iterate, -s.iterate, QStringLiteral("M2 = %1").arg(form_runtime::shownText(s.root)),
                          Qt::AlignLeft | Qt::AlignTop);
    if (withIterates)
        Picture_iter.addLegendEntry({QStringLiteral("iterates"), {kIterateColour}});
    Picture_iter.addLegendEntry({QStringLiteral("solutions"), {form_runtime::kRed}, true});
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
