#include "charts/lip_chart.h"

#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"

#include <QString>

#include <algorithm>
#include <cmath>

namespace charts {

namespace {

using form_runtime::RGB;
using Style = form_runtime::ChartSurface::LineStyle;
using Dash = form_runtime::ChartSurface::Dash;

constexpr double kRadians = 0.017453292519943295769236907684886; // pi / 180
constexpr double kLeft = -1.6, kHalfHeight = 1.75; // the exit at x = 0, its lips at y = +-1
constexpr double kWallAngle = 12;                  // the diverging wall's half-angle, as sketched
const Style kWall{RGB(0, 0, 0), 2.5F, Dash::Solid};
const Style kAxis{RGB(120, 120, 120), 1, Dash::DashDotted};
const Style kShock{RGB(200, 0, 0), 2, Dash::Solid};
const Style kFan{RGB(0, 128, 0), 1.5F, Dash::Solid};
const Style kJet{RGB(0, 0, 160), 1.5F, Dash::Dashed};

QString degrees(double angle, int decimals = 2)
{
    return QString::number(angle, 'f', decimals) + QChar(0x00b0);
}

// A line from the upper lip and its mirror from the lower one.
void fromBothLips(form_runtime::ChartSurface &chart, double x, double y, const Style &style)
{
    chart.Line(0, 1, x, y, style);
    chart.Line(0, -1, x, -y, style);
}

} // namespace

void grafik_lip(form_runtime::ChartSurface &chart, const std::optional<flow::LipShock> &shock,
                const std::optional<flow::LipFan> &fan)
{
    const QRect area = chart.contentsRect();
    const double right = kLeft + 2 * kHalfHeight * area.width() / std::max(1, area.height());
    chart.Scale(kLeft, kHalfHeight, right, -kHalfHeight);
    chart.Cls();
    if (!shock && !fan)
        return;

    // The walls up to the lips, and the axis.
    const double inlet = 1 - 1.5 * std::tan(kWallAngle * kRadians);
    chart.Line(-1.5, inlet, 0, 1, kWall);
    chart.Line(-1.5, -inlet, 0, -1, kWall);
    chart.Line(kLeft, 0, right, 0, kAxis);
    chart.Text(-0.75, 0.5, QStringLiteral("pe"), Qt::AlignHCenter | Qt::AlignVCenter);
    chart.Text(0.15, 1.15, QStringLiteral("pb"), Qt::AlignLeft | Qt::AlignBottom);

    if (shock && shock->machDisc) {
        // No simple lip shock stands: shocks as steep as an attached one can
        // be (the beta of theta max) end on a disc across the axis.
        constexpr double kDisc = 0.4;
        const double end = (1 - kDisc) / std::tan(shock->most.beta * kRadians);
        fromBothLips(chart, end, kDisc, kShock);
        chart.Line(end, kDisc, end, -kDisc, kShock);
        chart.Text(end, 0, QStringLiteral("Mach disc"), Qt::AlignLeft | Qt::AlignVCenter, kShock.colour);
        chart.Text(end / 2, (1 + kDisc) / 2, QStringLiteral("β beyond %1").arg(degrees(shock->most.beta)),
                   Qt::AlignLeft | Qt::AlignBottom, kShock.colour);
        chart.setDescription(QStringLiteral("Exit lip sketch: the lip shock would be steeper than %1, the most an "
                                            "attached shock can be; the shocks meet in a Mach disc")
                                 .arg(degrees(shock->most.beta, 1)));
        return;
    }
    if (shock) {
        const double beta = shock->shock.beta, theta = shock->shock.theta;
        const double end = 1 / std::tan(beta * kRadians); // where the shocks meet on the axis
        fromBothLips(chart, end, 0, kShock);
        fromBothLips(chart, end, 1 - end * std::tan(theta * kRadians), kJet);
        chart.Text(end / 2, 0.5, QStringLiteral("β = %1").arg(degrees(beta)), Qt::AlignLeft | Qt::AlignTop,
                   kShock.colour);
        chart.Text(end, 1 - end * std::tan(theta * kRadians), QStringLiteral("θ = %1 inward").arg(degrees(theta)),
                   Qt::AlignLeft | Qt::AlignBottom, kJet.colour);
        chart.setDescription(QStringLiteral("Exit lip sketch: oblique shock at %1 to the axis, flow turned %2 inward")
                                 .arg(degrees(beta, 1), degrees(theta, 1)));
        return;
    }

    // The fan: its first, middle and last waves from each lip, each to the
    // axis or the sketch's edge.
    constexpr int kWaves = 4;
    const auto waveLength = [right](double angle) {
        const double toEdge = right / std::cos(angle);
        return angle > 0 ? std::min(1 / std::sin(angle), toEdge) : toEdge;
    };
    for (int i = 0; i <= kWaves; ++i) {
        const double angle = (fan->firstWave + (fan->lastWave - fan->firstWave) * i / kWaves) * kRadians;
        const double length = waveLength(angle);
        fromBothLips(chart, length * std::cos(angle), 1 - length * std::sin(angle), kFan);
    }
    const double turn = fan->turn * kRadians;
    const double length = std::max(0.5, right - 0.3);
    fromBothLips(chart, length * std::cos(turn), 1 + length * std::sin(turn), kJet);
    const double first = fan->firstWave * kRadians, half = waveLength(first) / 2;
    chart.Text(half * std::cos(first), 1 - half * std::sin(first),
               QStringLiteral("first wave %1").arg(degrees(fan->firstWave)), Qt::AlignRight | Qt::AlignTop, kFan.colour);
    // The turn named on the jet's boundary, short of where it leaves the sketch.
    const double named = turn > 0 ? std::min(length, 0.85 * (kHalfHeight - 1) / std::sin(turn)) : length;
    chart.Text(named * std::cos(turn), 1 + named * std::sin(turn),
               QStringLiteral("%1 outward").arg(degrees(fan->turn)), Qt::AlignRight | Qt::AlignBottom, kJet.colour);
    chart.setDescription(QStringLiteral("Exit lip sketch: expansion fan from %1 to %2 to the axis, flow turned %3 outward")
                             .arg(degrees(fan->firstWave, 1), degrees(fan->lastWave, 1), degrees(fan->turn, 1)));
}

} // namespace charts
