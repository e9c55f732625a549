#pragma once

#include "flow/duct_flow.h"

#include <QPointF>

#include <vector>

namespace form_runtime {
class ChartSurface;
}

namespace charts {

// The nozzle's diverging part runs from the throat (x = 0) to its exit
// (x = 1), its area growing linearly; the duct from x = 1 to its exit (x = 2),
// friction or heat spread evenly along it.
constexpr double kDuctInlet = 1, kDuctExit = 2;

// p/p01 along the nozzle and the duct for a flow, as a line from the throat to
// the duct's exit; a shock is a vertical step.
std::vector<QPointF> ductPressures(const flow::DuctFlow &flow, const flow::GasConstants &gas);

// The flows at the critical back pressures of a nozzle and duct, which do not
// change with pb: kept by the panel while Ae/At, the duct and the gas stay.
struct DuctLimits {
    double Ae_At;
    flow::Duct duct;
    double k;
    struct Line {
        int kind; // the throat chokes, the duct's exit chokes, a shock at the nozzle's exit, matched, a shock at the duct's exit
        double pb;
        std::vector<QPointF> points;
    };
    std::vector<Line> lines;
    bool isFor(const flow::DuctFlow &f, double gasK) const
    {
        return Ae_At == f.Ae_At && duct.kind == f.duct.kind && duct.amount == f.duct.amount && k == gasK;
    }
};
DuctLimits ductLimits(double Ae_At, flow::Duct duct, const flow::GasConstants &gas);

// Draws the chart from scratch: the nozzle and the duct as walls above, a grid
// of p/p01, the flows at the critical back pressures faint, today's bold, and
// the back pressure as a red mark beyond the duct's exit.
void grafik_duct(form_runtime::ChartSurface &chart, const flow::DuctFlow &flow, const DuctLimits &limits,
                 const flow::GasConstants &gas);

// A state of the flow on the T-s diagram: its entropy from the duct line's
// sonic state, (s - s*)/R = k/(k-1) ln(T/T*) - ln(p/p*), and T/T01.
QPointF entropyPlace(double T_T01, double p_p01, const flow::DuctFlow &flow, const flow::GasConstants &gas);

// Draws the T-s diagram: the Fanno or Rayleigh line of the duct (both
// branches, the sonic point marked), the case's states marked and joined in
// the order the stream meets them, a normal shock as the jump between two
// states of the line.
void grafik_ts(form_runtime::ChartSurface &chart, const flow::DuctFlow &flow, const flow::GasConstants &gas);

} // namespace charts
