#include "charts/thrust_chart.h"

#include "flow/nozzle_performance.h"
#include "form_runtime/chart_decor.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"
#include "form_runtime/text_box.h"

#include <algorithm>
#include <cmath>

namespace charts {

namespace {

using form_runtime::RGB;
using Surface = form_runtime::ChartSurface;
using Style = Surface::LineStyle;
using Dash = Surface::Dash;
constexpr int kSamples = 200;
const Style kCurve{RGB(0, 0, 160), 2.5F, Dash::Solid};
const Style kChoked{RGB(0, 128, 0), 1.5F, Dash::Dashed};
const Style kShockAtExit{RGB(200, 90, 0), 2, Dash::Dotted};
const Style kDesign{RGB(140, 0, 140), 1.5F, Dash::DashDotted};

} // namespace

ThrustCurve thrustCurve(double Ae_At, const flow::GasConstants &gas)
{
    ThrustCurve c{Ae_At, gas.k, {}, {}};
    for (int i = 0; i <= kSamples; ++i) {
        const double pb = double(i) / kSamples;
        if (const auto f = flow::backPressureFlow(Ae_At, pb, gas)) {
            c.pb.push_back(pb);
            c.CF.push_back(flow::thrustCoefficient(*f, gas));
        }
    }
    return c;
}

void grafik_CF(Surface &chart, const ThrustCurve &curve, const flow::BackPressureFlow &f, const flow::GasConstants &gas)
{
    const double CF = flow::thrustCoefficient(f, gas);
    const auto [low, high] = std::minmax_element(curve.CF.begin(), curve.CF.end());
    // The axis runs to round numbers beyond the curve, so that its numbers cover it.
    const double highest = std::max({*high, CF, 0.1}), lowest = std::min({*low, CF, 0.0});
    const std::vector<double> coarse = form_runtime::roundNumbers(lowest, highest, 4).values;
    const double step = coarse.size() > 1 ? coarse[1] - coarse[0] : 0.5;
    const double top = std::ceil(highest / step - 1e-9) * step, bottom = std::floor(lowest / step + 1e-9) * step;
    const double margin = 0.03 * (top - bottom);
    chart.Scale(-0.03, top + margin, 1.03, bottom - margin);
    chart.Cls();

    const auto critical = [&](double pb, const Style &style) { chart.Line(pb, bottom, pb, top, style); };
    critical(f.critical.chokedSubsonic, kChoked);
    critical(f.critical.shockAtExit, kShockAtExit);
    critical(f.critical.design, kDesign);
    chart.Line(0, 0, 1, 0, RGB(150, 150, 150));
    for (std::size_t i = 1; i < curve.pb.size(); ++i)
        chart.Line(curve.pb[i - 1], curve.CF[i - 1], curve.pb[i], curve.CF[i], kCurve);

    // The design point and the case at hand.
    const auto design = flow::backPressureFlow(f.Ae_At, f.critical.design, gas);
    const double CFdesign = design ? flow::thrustCoefficient(*design, gas) : NAN;
    chart.Circle(f.critical.design, CFdesign, 0.012, RGB(140, 0, 140));
    chart.Circle(f.pb_p01, CF, 0.012, form_runtime::kRed);
    chart.Text(f.pb_p01, CF, QStringLiteral("CF = %1").arg(form_runtime::ratioText(CF)), Qt::AlignLeft | Qt::AlignBottom,
               form_runtime::kRed);

    // Numbered to the chart's top, its title above.
    chart.setAxes({QStringLiteral("pb/p01"), 0, 1},
                  {QStringLiteral("CF = F/(p01 At)"), bottom, top, false, true});
    chart.addLegendEntry({QStringLiteral("CF of this nozzle"), kCurve});
    chart.addLegendEntry({QStringLiteral("design, CF = %1").arg(form_runtime::ratioText(CFdesign)), {RGB(140, 0, 140)}, true});
    chart.addLegendEntry({QStringLiteral("choked, subsonic exit"), kChoked});
    chart.addLegendEntry({QStringLiteral("normal shock at the exit"), kShockAtExit});
    chart.addLegendEntry({QStringLiteral("pb/p01 = %1").arg(form_runtime::shownText(f.pb_p01)), {form_runtime::kRed}, true});
    chart.setDescription(QStringLiteral("Horizontal: the back pressure pb/p01, 0 to 1. Vertical: the thrust coefficient "
                                        "CF. CF of this nozzle at every back pressure, with the critical back pressures "
                                        "and the design point, CF = %1; at pb/p01 = %2, CF = %3.")
                             .arg(form_runtime::ratioText(CFdesign), form_runtime::shownText(f.pb_p01),
                                  form_runtime::ratioText(CF)));
    chart.setReadOut([curve](double x, double) -> QString {
        if (curve.pb.empty() || x < 0 || x > 1)
            return {};
        const auto at = std::lower_bound(curve.pb.begin(), curve.pb.end(), x);
        const std::size_t i = std::min<std::size_t>(std::size_t(at - curve.pb.begin()), curve.pb.size() - 1);
        return QStringLiteral("pb/p01 = %1, CF = %2").arg(QString::number(curve.pb[i], 'f', 3), form_runtime::ratioText(curve.CF[i]));
    });
}

} // namespace charts
