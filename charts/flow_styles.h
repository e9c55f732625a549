#pragma once

// The lines the charts of a flow along a nozzle share: the grid, the wall
// and centre line, today's flow bold and each limiting flow in its own colour
// and dash pattern, told apart on a projector and on a grey printout alike.

#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"

namespace charts::styles {

using form_runtime::RGB;
using Style = form_runtime::ChartSurface::LineStyle;
using Dash = form_runtime::ChartSurface::Dash;

// The wall drawn above the flow's chart, as the nozzle's upper half.
constexpr double kWallBase = 1.12, kWallHeight = 0.42;
inline const Style kGrid{RGB(200, 200, 200), 1, Dash::Solid, true};
constexpr int kBlack = RGB(0, 0, 0);
inline const Style kToday{RGB(0, 0, 160), 2.5F, Dash::Solid};
inline const Style kChoked{RGB(0, 128, 0), 1.5F, Dash::Dashed};
inline const Style kShockAtExit{RGB(200, 90, 0), 2, Dash::Dotted};
inline const Style kDesign{RGB(140, 0, 140), 1.5F, Dash::DashDotted};
inline const Style kBackPressure{form_runtime::kRed, 1, Dash::Solid};
inline const Style kCentreLine{RGB(120, 120, 120), 1, Dash::DashDotted};

} // namespace charts::styles
