#include "charts/pressure_chart.h"

#include "charts/flow_styles.h"

#include "flow/isentropic.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"
#include "form_runtime/text_box.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace charts {

namespace {

constexpr double kExit = 3;
constexpr double kBackPressureMark = 3.3;
constexpr int kSamples = 100; // along each piece of a curve
using namespace styles;

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

// Draws the pieces of one curve in one style.
class Pen {
public:
    Pen(form_runtime::ChartSurface &chart, double Ae_At, const flow::GasConstants &gas, const Style &style)
        : chart_(chart), Ae_At_(Ae_At), gas_(gas), style_(style)
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
    void line(QPointF a, QPointF b) const { chart_.Line(a.x(), a.y(), b.x(), b.y(), style_); }
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
    Style style_;
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
    using Surface = form_runtime::ChartSurface;
    const double Ae = f.Ae_At;
    chart.Scale(-0.15, kWallBase + kWallHeight + 0.06, kBackPressureMark + 0.2, -0.06);
    chart.Cls();

    // The inlet, the throat and the exit across the flow.
    for (double x : {0.0, 1.0, kExit})
        chart.Line(x, 0, x, kWallBase, kGrid);

    // The wall, as the nozzle's upper half: straight on each side of the
    // throat, above the nozzle's centre line.
    const double widest = std::sqrt(std::max(Ae, kInletArea));
    const auto wall = [Ae, widest](double x) { return kWallBase + kWallHeight * std::sqrt(areaAt(x, Ae)) / widest; };
    chart.Line(0, wall(0), 1, wall(1), kBlack);
    chart.Line(1, wall(1), kExit, wall(kExit), kBlack);
    chart.Line(-0.1, kWallBase, kExit + 0.1, kWallBase, kCentreLine);

    // The limiting curves: subsonic through a sonic throat, supersonic, and
    // the supersonic curve's jump at a shock in the exit plane. The
    // converging part is common to all three.
    const double inlet = mach(kInletArea, Branch::Subsonic, gas);
    const double exitSub = mach(Ae, Branch::Subsonic, gas), exitSup = mach(Ae, Branch::Supersonic, gas);
    Pen(chart, Ae, gas, kChoked).draw({inlet, 1, false});
    Pen(chart, Ae, gas, kChoked).draw({1, exitSub, true});
    Pen(chart, Ae, gas, kDesign).draw({1, exitSup, true});
    Pen(chart, Ae, gas, kShockAtExit).jump(kExit, f.critical.design, f.critical.shockAtExit);

    // Today's curve, bold.
    Pen bold(chart, Ae, gas, kToday);
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
        const double at = placeOf(f.beforeShock->A_At, Ae);
        bold.draw({inlet, 1, false});
        bold.draw({1, f.beforeShock->M, true});
        bold.jump(at, f.beforeShock->p_p01, f.afterShock->p_p01);
        bold.draw({f.afterShock->M, f.exit.M, true, p02, p02}); // A/At = (A/A2*) (A2*/At), A2*/At = p01/p02
        chart.Text(at, f.afterShock->p_p01, QStringLiteral("shock\nA/At = %1").arg(form_runtime::ratioText(f.beforeShock->A_At)),
                   Qt::AlignRight | Qt::AlignBottom, kToday.colour);
        break;
    }
    default:
        bold.draw({inlet, 1, false});
        bold.draw({1, exitSup, true});
        if (f.regime == Regime::ShockAtExit) {
            bold.jump(kExit, f.beforeShock->p_p01, f.afterShock->p_p01);
            chart.Text(kExit, f.afterShock->p_p01, QStringLiteral("shock"), Qt::AlignRight | Qt::AlignBottom,
                       kToday.colour);
        }
        break;
    }

    // The back pressure, beyond the exit.
    chart.Line(kExit, f.pb_p01, kBackPressureMark + 0.1, f.pb_p01, kBackPressure);
    chart.Circle(kBackPressureMark, f.pb_p01, 0.04, form_runtime::kRed);
    chart.Text(kBackPressureMark, f.pb_p01 + 0.03, QStringLiteral("pb"), Qt::AlignHCenter | Qt::AlignBottom,
               form_runtime::kRed);

    // Its axes: p/p01 numbered, the places named, and what each line is.
    using form_runtime::ratioText;
    Surface::Axis across;
    across.marks = {{0, QStringLiteral("inlet\nA/At = %1").arg(form_runtime::shownText(kInletArea))},
                    {1, QStringLiteral("throat\nA/At = 1")},
                    {kExit, QStringLiteral("exit\nAe/At = %1").arg(form_runtime::shownText(Ae))}};
    chart.setAxes(across, {QStringLiteral("p/p01"), 0, 1, false, true});
    chart.addLegendEntry({QStringLiteral("today's flow"), kToday});
    chart.addLegendEntry({QStringLiteral("choked, subsonic exit (%1)").arg(ratioText(f.critical.chokedSubsonic)), kChoked});
    chart.addLegendEntry({QStringLiteral("normal shock at the exit (%1)").arg(ratioText(f.critical.shockAtExit)), kShockAtExit});
    chart.addLegendEntry({QStringLiteral("design (%1)").arg(ratioText(f.critical.design)), kDesign});
    chart.addLegendEntry({QStringLiteral("pb/p01 = %1").arg(form_runtime::shownText(f.pb_p01)), kBackPressure, true});

    // What the pointer reads: the place, its area ratio and today's p/p01 there.
    chart.setReadOut([f, gas](double x, double) -> QString {
        if (x < 0 || x > kBackPressureMark + 0.2)
            return {};
        if (x > kExit)
            return QStringLiteral("Beyond the exit: pb/p01 = %1").arg(ratioText(f.pb_p01));
        const double A_At = areaAt(x, f.Ae_At);
        const flow::PlaceInFlow at = flow::placeInFlow(f, A_At, x > 1, gas);
        return QStringLiteral("%1: A/At = %2, M = %3, p/p01 = %4")
            .arg(x < 1 ? QStringLiteral("Converging part") : QStringLiteral("Diverging part"), ratioText(A_At),
                 ratioText(at.M), ratioText(at.p_p01));
    });
}

} // namespace charts
