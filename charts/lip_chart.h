#pragma once

#include "flow/oblique_shock.h"

#include <optional>

namespace form_runtime {
class ChartSurface;
}

namespace charts {

// Sketches the exit of an over- or underexpanded nozzle: the last part of
// its walls, the lips and the jet's axis, in equal units across and up so
// that every angle is drawn true. From each lip the wave stands at its
// angle to the axis (the oblique shock, or the fan's first, middle and last
// waves), and the jet's boundary leaves the lip turned by the flow's turn.
// With a Mach disc, the two shocks end on it. Draws nothing when neither
// wave is given. Redrawn when the surface changes size.
void grafik_lip(form_runtime::ChartSurface &chart, const std::optional<flow::LipShock> &shock,
                const std::optional<flow::LipFan> &fan);

} // namespace charts
