#include "charts/pressure_chart.h"

#include "flow/isentropic.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace charts {

namespace {

constexpr double kExit = 3;
constexpr double kBackPressureMark = 3.3;
constexpr int kSamples = 100; // along each piece of a curve
constexpr double kWallBase = 1.12, kWallHeight = 0.42;
constexpr int kGridGrey = form_runtime::RGB(200, 200, 200);
constexpr int kFaint = form_runtime::RGB(150, 150, 150);
constexpr int kDarkBlue = form_runtime::RGB(0, 0, 160);
constexpr int kBlack = form_runtime::RGB(0, 0, 0);

// Where the converging part has area ratio A/At.
double inletPlaceOf(double A_At)
{
    return (std::sqrt(A_At) - std::sqrt(kInletArea)) / (1 - std::sqrt(kInletArea));
}

// A piece of an isentropic curve, drawn by its Mach number from Ma to Mb: at
// each M the area ratio A/At = (A/A*) / scale and p/p01 = (p/p0) p0_p01, so
// that no Mach number has to be searched for.
struct Piece {
    double Ma, Mb;
    bool diverging;
    double scale = 1;  // A/A* over A/At: 1 where the throat is sonic
    double p0_p01 = 1; // behind a shock, below 1
};

// Draws the pieces of one curve in one colour, twice and `thicken` apart
// when it is bold.
class Pen {
public:
    Pen(form_runtime::ChartSurface &chart, double Ae_At, const flow::GasConstants &gas, int colour, double thicken)
        : chart_(chart), Ae_At_(Ae_At), gas_(gas), colour_(colour), thicken_(thicken)
    {
    }

    void draw(const Piece &piece) const
    {
        QPointF a = at(piece, piece.Ma);
        for (int i = 1; i <= kSamples; ++i) {
            const QPointF b = at(piece, piece.Ma + (piece.Mb - piece.Ma) * i / kSamples);
            line(a, b);
            a = b;
        }
    }
    void line(QPointF a, QPointF b) const
    {
        chart_.Line(a.x(), a.y(), b.x(), b.y(), colour_);
        if (thicken_ != 0)
            chart_.Line(a.x(), a.y() + thicken_, b.x(), b.y() + thicken_, colour_);
    }
    void jump(double x, double from, double to) const { line({x, from}, {x, to}); }

private:
    QPointF at(const Piece &piece, double M) const
    {
        // A/A* = (1/M) [kc1 (1 + kc2 M^2)]^kc3 and p/p0 = (1 + kc2 M^2)^-(k/(k-1)).
        const double sum = M * gas_.kc2 * M + 1;
        const double A_At = std::max(1.0, std::pow(gas_.kc1 * sum, gas_.kc3) / M / piece.scale);
        return {piece.diverging ? placeOf(std::min(A_At, Ae_At_), Ae_At_) : std::max(0.0, inletPlaceOf(A_At)),
                std::pow(sum, -flow::pressureExponent(gas_)) * piece.p0_p01};
    }
    form_runtime::ChartSurface &chart_;
    double Ae_At_;
    const flow::GasConstants &gas_;
    int colour_;
    double thicken_;
};

double mach(double A_As, flow::Branch branch, const flow::GasConstants &gas)
{
    return *flow::machFrom(flow::Quantity::A_As, A_As, branch, gas);
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
    using flow::Branch;
    using flow::Regime;
    const double Ae = f.Ae_At;
    chart.Scale(-0.15, kWallBase + kWallHeight + 0.06, kBackPressureMark + 0.2, -0.06);
    chart.Cls();

    // The grid: p/p01 in tenths, and the inlet, the throat and the exit.
    for (int n = 0; n <= 10; ++n)
        chart.Line(0, n / 10.0, kExit, n / 10.0, kGridGrey);
    for (double x : {0.0, 1.0, kExit})
        chart.Line(x, 0, x, kWallBase + kWallHeight, kGridGrey);

    // The wall, as the nozzle's upper half: straight on each side of the throat.
    const double widest = std::sqrt(std::max(Ae, kInletArea));
    const auto wall = [Ae, widest](double x) { return kWallBase + kWallHeight * std::sqrt(areaAt(x, Ae)) / widest; };
    chart.Line(0, wall(0), 1, wall(1), kBlack);
    chart.Line(1, wall(1), kExit, wall(kExit), kBlack);
    chart.Line(0, kWallBase, kExit, kWallBase, kGridGrey); // the axis

    // The limiting curves, faint: subsonic through a sonic throat, supersonic,
    // and the supersonic curve's jump at a shock in the exit plane.
    const double inlet = mach(kInletArea, Branch::Subsonic, gas);
    const double exitSub = mach(Ae, Branch::Subsonic, gas), exitSup = mach(Ae, Branch::Supersonic, gas);
    Pen faint(chart, Ae, gas, kFaint, 0);
    faint.draw({inlet, 1, false});
    faint.draw({1, exitSub, true});
    faint.draw({1, exitSup, true});
    faint.jump(kExit, f.critical.design, f.critical.shockAtExit);

    // Today's curve, bold: twice, a pixel apart.
    const double pixel = 1.2 * (kWallBase + kWallHeight + 0.12) / std::max(1, chart.contentsRect().height());
    Pen bold(chart, Ae, gas, kDarkBlue, pixel);
    switch (f.regime) {
    case Regime::NoFlow:
        bold.line({0, 1}, {kExit, 1});
        break;
    case Regime::Subsonic: {
        const double scale = flow::isentropicState(f.throat.M, gas).A_As; // At/A* of the stream
        bold.draw({mach(kInletArea * scale, Branch::Subsonic, gas), f.throat.M, false, scale});
        bold.draw({f.throat.M, f.exit.M, true, scale});
        break;
    }
    case Regime::ChokedSubsonic:
        bold.draw({inlet, 1, false});
        bold.draw({1, exitSub, true});
        break;
    case Regime::ShockInside: {
        const double p02 = f.afterShock->p0_p01;
        bold.draw({inlet, 1, false});
        bold.draw({1, f.beforeShock->M, true});
        bold.jump(placeOf(f.beforeShock->A_At, Ae), f.beforeShock->p_p01, f.afterShock->p_p01);
        bold.draw({f.afterShock->M, f.exit.M, true, p02, p02}); // A/At = (A/A2*) (A2*/At), A2*/At = p01/p02
        break;
    }
    default:
        bold.draw({inlet, 1, false});
        bold.draw({1, exitSup, true});
        if (f.regime == Regime::ShockAtExit)
            bold.jump(kExit, f.beforeShock->p_p01, f.afterShock->p_p01);
        break;
    }

    // The back pressure, beyond the exit.
    chart.Line(kExit, f.pb_p01, kBackPressureMark + 0.1, f.pb_p01, form_runtime::kRed);
    chart.Circle(kBackPressureMark, f.pb_p01, 0.04, form_runtime::kRed);
}

} // namespace charts
