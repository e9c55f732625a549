#include "charts/duct_chart.h"

#include "flow/fanno.h"
#include "flow/isentropic.h"
#include "flow/rayleigh.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"
#include "form_runtime/text_box.h"

#include <algorithm>
#include <cmath>

namespace charts {

namespace {

constexpr int kSamples = 80; // along each piece of a curve
constexpr double kBackPressureMark = 2.2;
constexpr double kWallBase = 1.12, kWallHeight = 0.42;
using form_runtime::RGB;
using Style = form_runtime::ChartSurface::LineStyle;
using Dash = form_runtime::ChartSurface::Dash;
const Style kGrid{RGB(200, 200, 200), 1, Dash::Solid, true};
constexpr int kBlack = RGB(0, 0, 0);
const Style kToday{RGB(0, 0, 160), 2.5F, Dash::Solid};
const Style kThroatChokes{RGB(0, 128, 0), 1.5F, Dash::Dashed};
const Style kExitChokes{RGB(0, 140, 140), 1.5F, Dash::Dashed};
const Style kShockAtNozzleExit{RGB(200, 90, 0), 2, Dash::Dotted};
const Style kMatched{RGB(140, 0, 140), 1.5F, Dash::DashDotted};
const Style kBackPressure{form_runtime::kRed, 1, Dash::Solid};
const Style kCentreLine{RGB(120, 120, 120), 1, Dash::DashDotted};

flow::Branch branchOf(double M)
{
    return M > 1 ? flow::Branch::Supersonic : flow::Branch::Subsonic;
}

// The nozzle from x0 to x1 on one branch: at each place its A/At, the
// stream's A/A* = (A/At) scale, and p/p01 = (p/p0) p0_p01.
void nozzlePiece(std::vector<QPointF> &points, const flow::DuctFlow &f, double x0, double x1, flow::Branch branch,
                 double scale, double p0_p01, const flow::GasConstants &gas)
{
    for (int i = 0; i <= kSamples; ++i) {
        const double x = x0 + (x1 - x0) * i / kSamples;
        const double A_As = std::max(1.0, (1 + (f.Ae_At - 1) * x) * scale);
        const std::optional<double> M = flow::machFrom(flow::Quantity::A_As, A_As, branch, gas);
        if (M)
            points.push_back({x, flow::isentropicState(*M, gas).p_p0 * p0_p01});
    }
}

// The duct from the place `from` (in its length, 0 to 1) to `to`, entered at
// `start` there.
void ductPiece(std::vector<QPointF> &points, const flow::DuctFlow &f, const flow::DuctStation &start, double from,
               double to, const flow::GasConstants &gas)
{
    const flow::Branch branch = branchOf(start.M);
    if (f.duct.kind == flow::DuctKind::Friction) {
        const std::optional<flow::FannoState> s = flow::fannoState(start.M, gas);
        if (!s)
            return;
        for (int i = 0; i <= kSamples; ++i) {
            const double t = from + (to - from) * i / kSamples;
            const double left = std::max(0.0, s->fLs_D - (t - from) * f.duct.amount);
            const std::optional<double> M =
                left == 0 ? std::optional<double>(1) : flow::fannoMachFrom(flow::FannoQuantity::fLs_D, left, branch, gas);
            if (M)
                points.push_back({kDuctInlet + t, start.p_p01 * flow::fannoState(*M, gas)->p_ps / s->p_ps});
        }
        return;
    }
    const std::optional<flow::RayleighState> s = flow::rayleighState(start.M, gas);
    if (!s)
        return;
    for (int i = 0; i <= kSamples; ++i) {
        const double t = from + (to - from) * i / kSamples;
        // T0 rises evenly from the start's to T02 at the exit.
        const double T0 = start.T0_T01 + (f.exit.T0_T01 - start.T0_T01) * (t - from) / std::max(1e-12, 1 - from);
        const double T0_T0s = std::min(1.0, s->T0_T0s * T0 / start.T0_T01);
        const std::optional<double> M =
            T0_T0s >= 1 ? std::optional<double>(1) : flow::rayleighMachFrom(flow::RayleighQuantity::T0_T0s, T0_T0s, branch, gas);
        if (M)
            points.push_back({kDuctInlet + t, start.p_p01 * flow::rayleighState(*M, gas)->p_ps / s->p_ps});
    }
}

} // namespace

std::vector<QPointF> ductPressures(const flow::DuctFlow &f, const flow::GasConstants &gas)
{
    using flow::DuctRegime;
    std::vector<QPointF> points;
    if (f.regime == DuctRegime::NoFlow)
        return {{0, 1}, {kDuctExit, 1}};
    const double throatScale = flow::isentropicState(f.throatM, gas).A_As; // At/A* of the stream
    switch (f.regime) {
    case DuctRegime::Subsonic:
    case DuctRegime::ChokedSubsonic:
    case DuctRegime::ExitChoked:
        nozzlePiece(points, f, 0, 1, flow::Branch::Subsonic, throatScale, 1, gas);
        ductPiece(points, f, f.inlet, 0, 1, gas);
        break;
    case DuctRegime::ShockInNozzle: {
        const double at = f.shockAs_At && f.Ae_At > 1 ? (*f.shockAs_At - 1) / (f.Ae_At - 1) : 1;
        nozzlePiece(points, f, 0, at, flow::Branch::Supersonic, 1, 1, gas);
        // Behind the shock A/A2* = (A/At)(At/A2*), and At/A2* = p02/p01.
        nozzlePiece(points, f, at, 1, flow::Branch::Subsonic, f.afterShock->p0_p01, f.afterShock->p0_p01, gas);
        ductPiece(points, f, f.inlet, 0, 1, gas);
        break;
    }
    case DuctRegime::ShockInDuct: {
        const double at = f.duct.amount > 0 ? *f.shock4fx_D / f.duct.amount : 0;
        nozzlePiece(points, f, 0, 1, flow::Branch::Supersonic, 1, 1, gas);
        ductPiece(points, f, f.inlet, 0, at, gas);
        ductPiece(points, f, *f.afterShock, at, 1, gas);
        break;
    }
    default: // supersonic throughout
        nozzlePiece(points, f, 0, 1, flow::Branch::Supersonic, 1, 1, gas);
        ductPiece(points, f, f.inlet, 0, 1, gas);
        break;
    }
    return points;
}

void grafik_duct(form_runtime::ChartSurface &chart, const flow::DuctFlow &f, const flow::GasConstants &gas)
{
    using Surface = form_runtime::ChartSurface;
    using form_runtime::ratioText;
    chart.Scale(-0.1, kWallBase + kWallHeight + 0.06, kBackPressureMark + 0.15, -0.06);
    chart.Cls();

    for (double x : {0.0, kDuctInlet, kDuctExit})
        chart.Line(x, 0, x, kWallBase, kGrid);
    // The wall: the diverging part, then the duct at the exit's width.
    const double widest = std::sqrt(f.Ae_At);
    const auto wall = [widest](double A_At) { return kWallBase + kWallHeight * std::sqrt(A_At) / widest; };
    chart.Line(0, wall(1), kDuctInlet, wall(f.Ae_At), kBlack);
    chart.Line(kDuctInlet, wall(f.Ae_At), kDuctExit, wall(f.Ae_At), kBlack);
    chart.Line(-0.05, kWallBase, kDuctExit + 0.05, kWallBase, kCentreLine);

    const auto draw = [&chart](const std::vector<QPointF> &line, const Style &style) {
        for (std::size_t i = 1; i < line.size(); ++i)
            chart.Line(line[i - 1].x(), line[i - 1].y(), line[i].x(), line[i].y(), style);
    };
    // The flows at the critical back pressures, faint; today's bold.
    struct Limit {
        const std::optional<double> &pb;
        const Style &style;
        QString name;
    };
    const flow::DuctCriticalPressures &c = f.critical;
    const Limit limits[] = {{c.throatChokes, kThroatChokes, QStringLiteral("throat chokes")},
                            {c.exitChokes, kExitChokes, QStringLiteral("duct's exit chokes")},
                            {c.shockAtNozzleExit, kShockAtNozzleExit, QStringLiteral("shock at the nozzle's exit")},
                            {c.matched, kMatched, QStringLiteral("supersonic, matched")}};
    std::vector<const Limit *> drawn;
    for (const Limit &limit : limits) {
        if (!limit.pb)
            continue;
        if (const std::optional<flow::DuctFlow> at = flow::ductFlow(f.Ae_At, f.duct, *limit.pb, gas)) {
            draw(ductPressures(*at, gas), limit.style);
            drawn.push_back(&limit);
        }
    }
    draw(ductPressures(f, gas), kToday);

    chart.Line(kDuctExit, f.pb_p01, kBackPressureMark + 0.05, f.pb_p01, kBackPressure);
    chart.Circle(kBackPressureMark, f.pb_p01, 0.03, form_runtime::kRed);

    Surface::Axis across;
    across.marks = {{0, QStringLiteral("throat")},
                    {kDuctInlet, QStringLiteral("nozzle exit\nAe/At = %1").arg(form_runtime::shownText(f.Ae_At))},
                    {kDuctExit, QStringLiteral("duct exit")}};
    chart.setAxes(across, {QStringLiteral("p/p01"), 0, 1, false, true});
    chart.addLegendEntry({QStringLiteral("today's flow"), kToday});
    for (const Limit *limit : drawn)
        chart.addLegendEntry({QStringLiteral("%1 (%2)").arg(limit->name, ratioText(*limit->pb)), limit->style});
    chart.addLegendEntry({QStringLiteral("pb/p01 = %1").arg(form_runtime::shownText(f.pb_p01)), kBackPressure, true});

    const std::vector<QPointF> today = ductPressures(f, gas);
    chart.setReadOut([today, pb = f.pb_p01](double x, double) -> QString {
        if (x < 0 || x > kBackPressureMark + 0.1)
            return {};
        if (x > kDuctExit)
            return QStringLiteral("Beyond the duct: pb/p01 = %1").arg(form_runtime::ratioText(pb));
        const auto near = std::min_element(today.begin(), today.end(), [x](const QPointF &a, const QPointF &b) {
            return std::fabs(a.x() - x) < std::fabs(b.x() - x);
        });
        if (near == today.end())
            return {};
        return QStringLiteral("%1: p/p01 = %2")
            .arg(x <= kDuctInlet ? QStringLiteral("Nozzle") : QStringLiteral("Duct"), form_runtime::ratioText(near->y()));
    });
}

} // namespace charts
