#include "charts/duct_chart.h"

#include "charts/flow_styles.h"

#include "flow/arithmetic.h"
#include "flow/fanno.h"
#include "flow/isentropic.h"
#include "flow/rayleigh.h"
#include "form_runtime/chart_decor.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"
#include "form_runtime/text_box.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace charts {

namespace {

constexpr int kSamples = 80; // along each piece of a curve
constexpr double kBackPressureMark = 2.2;
using namespace styles;
const Style kExitChokes{RGB(0, 140, 140), 1.5F, Dash::Dashed};
// As the nozzle's own chart draws its limits: the throat just choked, a shock
// at the nozzle's exit, the supersonic exit at pb.
const Style kShockAtDuctExit{RGB(160, 60, 0), 2, Dash::Dashed};
const Style *const kLimitStyles[] = {&kChoked, &kExitChokes, &kShockAtExit, &kDesign, &kShockAtDuctExit};
const char *const kLimitNames[] = {"throat chokes", "duct's exit chokes", "shock at the nozzle's exit",
                                   "supersonic, matched", "shock at the duct's exit"};

// A point to draw: none where a figure is not finite, and figures too small
// for the drawing's numbers (a nozzle of Ae/At = 1e200) drawn as 0.
void addPoint(std::vector<QPointF> &points, double x, double y)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    const auto drawable = [](double v) { return std::fabs(v) < 1e-30 ? 0.0 : v; };
    points.push_back({drawable(x), drawable(y)});
}

// The nozzle by its Mach numbers from Ma to Mb, so that none has to be
// searched for: at each M its place from A/At = (A/A*) / scale, where scale
// is At over the stream's A*, and p/p01 = (p/p0) p0_p01.
void nozzlePiece(std::vector<QPointF> &points, const flow::DuctFlow &f, double Ma, double Mb, double scale,
                 double p0_p01, const flow::GasConstants &gas)
{
    for (int i = 0; i <= kSamples; ++i) {
        const double M = Ma + (Mb - Ma) * i / kSamples;
        if (!(M > 0) || !std::isfinite(M))
            continue; // a Mach number that underflowed: no place to draw
        const flow::IsentropicState s = flow::isentropicState(M, gas);
        const double x = f.Ae_At > 1 ? std::clamp((s.A_As / scale - 1) / (f.Ae_At - 1), 0.0, 1.0) : double(i) / kSamples;
        addPoint(points, x, s.p_p0 * p0_p01);
    }
}

// The duct from `start` (at `from` in its length, 0 to 1) to `end` (at `to`), by the
// Mach numbers between them: the place from the friction or heat each has
// taken, both spread evenly along the duct.
void ductPiece(std::vector<QPointF> &points, const flow::DuctFlow &f, const flow::DuctStation &start,
               const flow::DuctStation &end, double from, double to, const flow::GasConstants &gas)
{
    const double amount = f.duct.amount;
    const bool friction = f.duct.kind == flow::DuctKind::Friction;
    const auto ratios = [&](double M) { // (friction length to M = 1 or T0/T0*, p/p*)
        if (friction) {
            const flow::FannoState s = *flow::fannoState(M, gas);
            return std::pair{s.fLs_D, s.p_ps};
        }
        const flow::RayleighState s = *flow::rayleighState(M, gas);
        return std::pair{s.T0_T0s, s.p_ps};
    };
    if (!(start.M > 0) || !(end.M > 0))
        return;
    const auto [level0, p0] = ratios(start.M);
    for (int i = 0; i <= kSamples; ++i) {
        const double M = start.M + (end.M - start.M) * i / kSamples;
        const auto [level, p] = ratios(M);
        double t = double(i) / kSamples;
        if (friction && amount > 0)
            t = from + (level0 - level) / amount;
        else if (!friction && amount > 1) // T0 from T01 at the inlet to T02 at the exit
            t = (start.T0_T01 * level / level0 - 1) / (amount - 1);
        if (i == kSamples)
            t = to; // where `end` stands, not as rounding leaves it
        addPoint(points, kDuctInlet + std::clamp(t, 0.0, 1.0), start.p_p01 * p / p0);
    }
}

std::vector<QPointF> pressuresAlong(const flow::DuctFlow &f, const flow::GasConstants &gas)
{
    using flow::DuctRegime;
    std::vector<QPointF> points;
    if (f.regime == DuctRegime::NoFlow)
        return {{0, 1}, {kDuctExit, 1}};
    const double throatScale = flow::isentropicState(f.throatM, gas).A_As; // At over the stream's A*
    switch (f.regime) {
    case DuctRegime::Subsonic:
    case DuctRegime::ChokedSubsonic:
    case DuctRegime::ExitChoked:
        nozzlePiece(points, f, f.throatM, f.inlet.M, throatScale, 1, gas);
        ductPiece(points, f, f.inlet, f.exit, 0, 1, gas);
        break;
    case DuctRegime::ShockInNozzle:
        nozzlePiece(points, f, 1, f.beforeShock->M, 1, 1, gas);
        // Behind the shock A/A2* = (A/At)(At/A2*), and At/A2* = p02/p01.
        nozzlePiece(points, f, f.afterShock->M, f.inlet.M, f.afterShock->p0_p01, f.afterShock->p0_p01, gas);
        ductPiece(points, f, f.inlet, f.exit, 0, 1, gas);
        break;
    case DuctRegime::ShockInDuct: {
        const double at = f.duct.amount > 0 ? *f.shock4fx_D / f.duct.amount : 0;
        nozzlePiece(points, f, 1, f.inlet.M, 1, 1, gas);
        ductPiece(points, f, f.inlet, *f.beforeShock, 0, at, gas);
        ductPiece(points, f, *f.afterShock, f.exit, at, 1, gas);
        break;
    }
    default: // supersonic throughout
        nozzlePiece(points, f, 1, f.inlet.M, 1, 1, gas);
        ductPiece(points, f, f.inlet, f.exit, 0, 1, gas);
        break;
    }
    return points;
}

} // namespace

std::vector<QPointF> ductPressures(const flow::DuctFlow &f, const flow::GasConstants &gas)
{
    try {
        return pressuresAlong(f, gas);
    } catch (const flow::ArithmeticError &) {
        return {}; // a flow at the edge of the range of numbers: no line
    }
}

DuctLimits ductLimits(double Ae_At, flow::Duct duct, const flow::GasConstants &gas)
{
    DuctLimits limits{Ae_At, duct, gas.k, {}};
    const flow::DuctCriticalPressures c = flow::ductCriticalPressures(Ae_At, duct, gas);
    // A shock at the duct's exit where it differs from one at the nozzle's.
    const std::optional<double> atDuctExit =
        c.shockAtDuctExit != c.shockAtNozzleExit ? c.shockAtDuctExit : std::nullopt;
    const std::optional<double> pbs[] = {c.throatChokes, c.exitChokes, c.shockAtNozzleExit, c.matched, atDuctExit};
    for (int kind = 0; kind < 5; ++kind)
        if (pbs[kind])
            if (const std::optional<flow::DuctFlow> at = flow::ductFlow(Ae_At, duct, *pbs[kind], gas))
                limits.lines.push_back({kind, *pbs[kind], ductPressures(*at, gas)});
    return limits;
}

void grafik_duct(form_runtime::ChartSurface &chart, const flow::DuctFlow &f, const DuctLimits &limits,
                 const flow::GasConstants &gas)
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
    for (const DuctLimits::Line &line : limits.lines)
        draw(line.points, *kLimitStyles[line.kind]);
    draw(ductPressures(f, gas), kToday);

    chart.Line(kDuctExit, f.pb_p01, kBackPressureMark + 0.05, f.pb_p01, kBackPressure);
    chart.Circle(kBackPressureMark, f.pb_p01, 0.03, form_runtime::kRed);

    Surface::Axis across;
    across.marks = {{0, QStringLiteral("throat")},
                    {kDuctInlet, QStringLiteral("nozzle exit\nAe/At = %1").arg(form_runtime::shownText(f.Ae_At))},
                    {kDuctExit, QStringLiteral("duct exit")}};
    chart.setAxes(across, {QStringLiteral("p/p01"), 0, 1, false, true});
    chart.addLegendEntry({QStringLiteral("today's flow"), kToday});
    for (const DuctLimits::Line &line : limits.lines)
        chart.addLegendEntry({QStringLiteral("%1 (%2)").arg(kLimitNames[line.kind], ratioText(line.pb)),
                              *kLimitStyles[line.kind]});
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

namespace {

// The sonic state of the duct's line, over the reservoir's: T*/T01 and p*/p01,
// from the duct's inlet.
struct Sonic {
    double T, p;
};
Sonic sonicOf(const flow::DuctFlow &f, const flow::GasConstants &gas)
{
    if (f.duct.kind == flow::DuctKind::Friction) {
        const flow::FannoState s = *flow::fannoState(f.inlet.M, gas);
        return {f.inlet.T_T01 / s.T_Ts, f.inlet.p_p01 / s.p_ps};
    }
    const flow::RayleighState s = *flow::rayleighState(f.inlet.M, gas);
    return {f.inlet.T_T01 / s.T_Ts, f.inlet.p_p01 / s.p_ps};
}

const Style kLine{RGB(0, 128, 0), 1.5F, Dash::Solid};
const Style kPath{RGB(0, 0, 160), 2.5F, Dash::Solid};
const Style kShock{form_runtime::kRed, 2, Dash::Dashed};

} // namespace

QPointF entropyPlace(double T_T01, double p_p01, const flow::DuctFlow &f, const flow::GasConstants &gas)
{
    const Sonic sonic = sonicOf(f, gas);
    const double k = gas.k;
    return {k / (k - 1) * std::log(T_T01 / sonic.T) - std::log(p_p01 / sonic.p), T_T01};
}

namespace {

// A normal shock joins the two states where a Fanno and a Rayleigh line of
// the same mass flux cross: drawn along the line the duct does not follow
// (the Rayleigh line through them in a duct with friction, the Fanno line in
// a heated one), from the state behind the shock to the one before it; its
// points on the diagram.
std::vector<QPointF> shockCurve(const flow::DuctFlow &f, const flow::DuctStation &before,
                                const flow::DuctStation &behind, const flow::GasConstants &gas)
{
    const bool alongRayleigh = f.duct.kind == flow::DuctKind::Friction;
    const auto ratios = [&](double M) { // T/T*, p/p* of the other line
        if (alongRayleigh) {
            const flow::RayleighState s = *flow::rayleighState(M, gas);
            return std::pair{s.T_Ts, s.p_ps};
        }
        const flow::FannoState s = *flow::fannoState(M, gas);
        return std::pair{s.T_Ts, s.p_ps};
    };
    const auto [T0, p0] = ratios(before.M);
    const double Ts = before.T_T01 / T0, ps = before.p_p01 / p0; // that line's sonic state
    std::vector<QPointF> points{entropyPlace(behind.T_T01, behind.p_p01, f, gas)};
    for (int j = 1; j < kSamples; ++j) {
        const auto [T, p] = ratios(behind.M + (before.M - behind.M) * j / kSamples);
        points.push_back(entropyPlace(Ts * T, ps * p, f, gas));
    }
    points.push_back(entropyPlace(before.T_T01, before.p_p01, f, gas));
    return points;
}

} // namespace

void grafik_ts(form_runtime::ChartSurface &chart, const flow::DuctFlow &f, const flow::GasConstants &gas)
{
    chart.Cls();
    if (f.regime == flow::DuctRegime::NoFlow || !(f.inlet.M > 0))
        return;
    const bool friction = f.duct.kind == flow::DuctKind::Friction;
    const Sonic sonic = sonicOf(f, gas);
    // The line, by Mach number from slow to fast, both branches.
    const auto onLine = [&](double M) {
        if (friction) {
            const flow::FannoState s = *flow::fannoState(M, gas);
            return entropyPlace(sonic.T * s.T_Ts, sonic.p * s.p_ps, f, gas);
        }
        const flow::RayleighState s = *flow::rayleighState(M, gas);
        return entropyPlace(sonic.T * s.T_Ts, sonic.p * s.p_ps, f, gas);
    };
    std::vector<QPointF> line;
    const double fastest = std::max(3.0, 1.2 * std::max({f.inlet.M, f.exit.M, f.beforeShock ? f.beforeShock->M : 0.0}));
    for (int i = 0; i <= 240; ++i)
        line.push_back(onLine(0.15 * std::pow(fastest / 0.15, i / 240.0)));
    // The states the stream meets: the throat, the shock's two sides, the duct's inlet and exit.
    // Each with its Mach number where it lies on the duct's line.
    struct Mark {
        QPointF at;
        QString name;
        double lineM = 0; // 0: in the nozzle, off the line
    };
    std::vector<Mark> marks;
    const auto mark = [&](const flow::DuctStation &s, const QString &name, bool inDuct) {
        marks.push_back({entropyPlace(s.T_T01, s.p_p01, f, gas), name, inDuct ? s.M : 0});
    };
    const flow::IsentropicState throat = flow::isentropicState(f.throatM, gas);
    marks.push_back({entropyPlace(throat.T_T0, throat.p_p0, f, gas), QStringLiteral("throat")});
    const bool shockInNozzle = f.shockAs_At.has_value() && f.beforeShock && f.afterShock;
    if (shockInNozzle) {
        mark(*f.beforeShock, QStringLiteral("before the shock"), false);
        mark(*f.afterShock, QStringLiteral("behind it"), false);
    }
    mark(f.inlet, QStringLiteral("duct inlet"), true);
    if (f.shock4fx_D && f.beforeShock && f.afterShock) {
        mark(*f.beforeShock, QStringLiteral("before the shock"), true);
        mark(*f.afterShock, QStringLiteral("behind it"), true);
    }
    mark(f.exit, QStringLiteral("duct exit"), true);

    double left = 0, right = 0, low = sonic.T, high = sonic.T;
    const auto take = [&](QPointF p) {
        left = std::min(left, p.x()), right = std::max(right, p.x());
        low = std::min(low, p.y()), high = std::max(high, p.y());
    };
    for (const Mark &m : marks)
        take(m.at);
    const std::vector<QPointF> shock =
        f.beforeShock && f.afterShock ? shockCurve(f, *f.beforeShock, *f.afterShock, gas) : std::vector<QPointF>{};
    for (const QPointF &p : shock)
        take(p);
    const double reach = std::max(0.4, right - left);
    std::vector<QPointF> shown;
    for (const QPointF &p : line)
        if (p.x() >= left - 0.5 * reach && p.y() <= 1.05 * std::max(1.0, high) && p.y() >= 0.5 * low) {
            shown.push_back(p);
            take(p);
        }
    // The axes run to round numbers beyond what is drawn, so that their numbers cover it.
    const auto rounded = [](double from, double to) {
        const std::vector<double> coarse = form_runtime::roundNumbers(from, to, 5).values;
        const double step = coarse.size() > 1 ? coarse[1] - coarse[0] : 0.1;
        return std::pair{std::floor(from / step + 1e-9) * step, std::ceil(to / step - 1e-9) * step};
    };
    // Room right of the sonic point, the line's tip, for its name.
    std::tie(left, right) = rounded(left, right + 0.15 * (right - left));
    std::tie(low, high) = rounded(low, high);
    const double marginX = 0.02 * (right - left), marginY = 0.02 * (high - low);
    // A duct heated far beyond any textbook's (T02/T01 = 1e40) takes the
    // stream's temperatures out of the drawing's range: no diagram then.
    constexpr double kDrawable = 1e30;
    if (!(std::max({std::fabs(left), std::fabs(right), std::fabs(low), std::fabs(high)}) + marginX + marginY < kDrawable)) {
        chart.setDescription(QStringLiteral("T-s diagram: the stream's temperatures lie beyond what a chart can draw."));
        return;
    }
    chart.Scale(left - marginX, high + marginY, right + marginX, low - marginY);
    for (std::size_t i = 1; i < shown.size(); ++i)
        chart.Line(shown[i - 1].x(), shown[i - 1].y(), shown[i].x(), shown[i].y(), kLine);
    const QPointF star = entropyPlace(sonic.T, sonic.p, f, gas);
    chart.Circle(star.x(), star.y(), 0.012 * (right - left + 2 * marginX), RGB(0, 128, 0));
    chart.Text(star.x(), star.y(), QStringLiteral("M = 1"), Qt::AlignLeft | Qt::AlignVCenter, RGB(0, 128, 0));
    // Through the nozzle at constant entropy but across a shock; along the
    // line in the duct, by its Mach numbers.
    for (std::size_t i = 1; i < marks.size(); ++i) {
        const Mark &a = marks[i - 1], &b = marks[i];
        const bool jump = b.name == QLatin1String("behind it");
        if (jump && f.beforeShock && f.afterShock) {
            for (std::size_t j = 1; j < shock.size(); ++j)
                chart.Line(shock[j - 1].x(), shock[j - 1].y(), shock[j].x(), shock[j].y(), kShock);
            continue;
        }
        if (a.lineM == 0 || b.lineM == 0) {
            chart.Line(a.at.x(), a.at.y(), b.at.x(), b.at.y(), kPath);
            continue;
        }
        QPointF from = a.at;
        for (int j = 1; j <= kSamples; ++j) {
            const QPointF to = j == kSamples ? b.at : onLine(a.lineM + (b.lineM - a.lineM) * j / kSamples);
            chart.Line(from.x(), from.y(), to.x(), to.y(), kPath);
            from = to;
        }
    }
    for (const Mark &m : marks)
        chart.Circle(m.at.x(), m.at.y(), 0.008 * (right - left + 2 * marginX), RGB(0, 0, 160));
    chart.Text(marks.back().at.x(), marks.back().at.y(), marks.back().name, Qt::AlignLeft | Qt::AlignTop, RGB(0, 0, 160));

    chart.setAxes({QStringLiteral("(s \u2212 s*)/R"), left, right, false, true},
                  {QStringLiteral("T/T01"), low, high, false, true});
    chart.addLegendEntry({friction ? QStringLiteral("Fanno line") : QStringLiteral("Rayleigh line"), kLine});
    chart.addLegendEntry({QStringLiteral("the stream"), kPath});
    if (f.beforeShock && f.afterShock)
        chart.addLegendEntry({friction ? QStringLiteral("normal shock, along a Rayleigh line")
                                       : QStringLiteral("normal shock, along a Fanno line"),
                              kShock});
    chart.setReadOut([](double x, double y) {
        return QStringLiteral("(s \u2212 s*)/R = %1, T/T01 = %2")
            .arg(form_runtime::ratioText(x), form_runtime::ratioText(y))
            .replace(QLatin1Char('-'), QChar(0x2212));
    });
    QStringList path;
    for (const Mark &m : marks)
        path << QStringLiteral("%1 at (s \u2212 s*)/R = %2, T/T01 = %3")
                    .arg(m.name, form_runtime::ratioText(m.at.x()), form_runtime::ratioText(m.at.y()));
    chart.setDescription(QStringLiteral("T-s diagram of the %1 line. ").arg(friction ? QStringLiteral("Fanno")
                                                                                  : QStringLiteral("Rayleigh")) +
                         path.join(QStringLiteral("; ")) + QLatin1Char('.'));
}

} // namespace charts
