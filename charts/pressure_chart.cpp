#include "charts/pressure_chart.h"

#include "flow/isentropic.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"

#include <cmath>
#include <functional>

namespace charts {

namespace {

constexpr double kExit = 3;
constexpr double kBackPressureMark = 3.3;
constexpr int kSamples = 120; // on each side of the throat
constexpr double kWallBase = 1.12, kWallHeight = 0.42;
constexpr int kGridGrey = form_runtime::RGB(200, 200, 200);
constexpr int kFaint = form_runtime::RGB(150, 150, 150);
constexpr int kDarkBlue = form_runtime::RGB(0, 0, 160);

using Curve = std::function<double(double x)>;

// A curve from x0 to x1 in kSamples segments.
void draw(form_runtime::ChartSurface &chart, const Curve &p, double x0, double x1, int colour, double thicken = 0)
{
    double xa = x0, pa = p(x0);
    for (int i = 1; i <= kSamples; ++i) {
        const double xb = x0 + (x1 - x0) * i / kSamples, pb = p(xb);
        chart.Line(xa, pa, xb, pb, colour);
        if (thicken != 0)
            chart.Line(xa, pa + thicken, xb, pb + thicken, colour);
        xa = xb;
        pa = pb;
    }
}

void jump(form_runtime::ChartSurface &chart, double x, double from, double to, int colour, double thicken = 0)
{
    chart.Line(x, from, x, to, colour);
    if (thicken != 0)
        chart.Line(x + thicken, from, x + thicken, to, colour);
}

} // namespace

double areaAt(double x, double Ae_At)
{
    const double r = x <= 1 ? std::sqrt(kInletArea) + (1 - std::sqrt(kInletArea)) * x
                            : 1 + (std::sqrt(Ae_At) - 1) * (x - 1) / (kExit - 1);
    return r * r;
}

double placeOf(double A_At, double Ae_At)
{
    return Ae_At == 1 ? kExit : 1 + (kExit - 1) * (std::sqrt(A_At) - 1) / (std::sqrt(Ae_At) - 1);
}

void grafik_pressure(form_runtime::ChartSurface &chart, const flow::BackPressureFlow &f, const flow::GasConstants &gas)
{
    const double Ae = f.Ae_At;
    chart.Scale(-0.15, kWallBase + kWallHeight + 0.06, kBackPressureMark + 0.2, -0.06);
    chart.Cls();

    // The grid: p/p01 in tenths, and the throat and the exit.
    for (int n = 0; n <= 10; ++n)
        chart.Line(0, n / 10.0, kExit, n / 10.0, kGridGrey);
    for (double x : {0.0, 1.0, kExit})
        chart.Line(x, 0, x, kWallBase + kWallHeight, kGridGrey);

    // The wall, as the nozzle's upper half.
    const double widest = std::sqrt(std::max(Ae, kInletArea));
    const auto wall = [Ae, widest](double x) { return kWallBase + kWallHeight * std::sqrt(areaAt(x, Ae)) / widest; };
    draw(chart, wall, 0, 1, form_runtime::RGB(0, 0, 0));
    draw(chart, wall, 1, kExit, form_runtime::RGB(0, 0, 0));
    chart.Line(0, kWallBase, kExit, kWallBase, kGridGrey); // the axis

    // The limiting curves.
    const auto subsonic = [Ae, &gas](double x) {
        return flow::isentropicState(*flow::machFrom(flow::Quantity::A_As, areaAt(x, Ae), flow::Branch::Subsonic, gas), gas)
            .p_p0;
    };
    const auto supersonic = [Ae, &gas](double x) {
        return flow::isentropicState(
                   *flow::machFrom(flow::Quantity::A_As, areaAt(x, Ae), flow::Branch::Supersonic, gas), gas)
            .p_p0;
    };
    draw(chart, subsonic, 0, 1, kFaint);
    draw(chart, subsonic, 1, kExit, kFaint);
    draw(chart, supersonic, 1, kExit, kFaint);
    jump(chart, kExit, f.critical.design, f.critical.shockAtExit, kFaint);

    // Today's curve, bold: twice, a pixel apart.
    const double pixel = 1.2 * (kWallBase + kWallHeight + 0.12) / std::max(1, chart.contentsRect().height());
    const auto along = [&f, &gas](bool diverging) {
        return [&f, &gas, diverging](double x) { return flow::pressureAlong(f, areaAt(x, f.Ae_At), diverging, gas); };
    };
    draw(chart, along(false), 0, 1, kDarkBlue, pixel);
    if (f.regime == flow::Regime::ShockInside) {
        const double xs = placeOf(f.beforeShock->A_At, Ae);
        const auto before = [&](double x) { return flow::pressureAlong(f, std::min(areaAt(x, Ae), f.beforeShock->A_At), true, gas); };
        draw(chart, before, 1, xs, kDarkBlue, pixel);
        jump(chart, xs, f.beforeShock->p_p01, f.afterShock->p_p01, kDarkBlue, pixel);
        const auto after = [&](double x) {
            return flow::pressureAlong(f, std::max(areaAt(x, Ae), std::nextafter(f.beforeShock->A_At, 2 * Ae)), true, gas);
        };
        draw(chart, after, xs, kExit, kDarkBlue, pixel);
    } else {
        draw(chart, along(true), 1, kExit, kDarkBlue, pixel);
        if (f.regime == flow::Regime::ShockAtExit)
            jump(chart, kExit, f.beforeShock->p_p01, f.afterShock->p_p01, kDarkBlue, pixel);
    }

    // The back pressure, beyond the exit.
    chart.Line(kExit, f.pb_p01, kBackPressureMark + 0.1, f.pb_p01, form_runtime::kRed);
    chart.Circle(kBackPressureMark, f.pb_p01, 0.04, form_runtime::kRed);
}

} // namespace charts
