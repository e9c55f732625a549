#pragma once

// The Mach number on one branch, subsonic or supersonic, where a relation that
// is monotonic on that branch takes a value: the searches of the duct flows.

#include "flow/root_search.h"

#include <optional>

namespace flow::roots {

// The M in (0, 1] where f, rising or falling with M there, reaches target:
// halved from 1/2 until [M, 2M] holds it, then bisected to adjacent doubles.
// M = 0 itself is never evaluated. Nothing when f does not reach target above
// about 1e-300.
template <typename F>
std::optional<double> subsonicRoot(F f, double target, bool rising)
{
    const auto up = [&](double M) { return rising ? f(M) : -f(M); };
    const double goal = rising ? target : -target;
    if (up(1) < goal)
        return std::nullopt;
    double lo = 0.5;
    while (up(lo) > goal) {
        if (lo < 1e-300)
            return std::nullopt;
        lo /= 2;
    }
    return bisect(up, lo, std::min(1.0, 2 * lo), goal);
}

// The M >= 1 where f, rising or falling with M there, reaches target, as
// supersonicRoot finds it.
template <typename F>
std::optional<double> supersonicRootOf(F f, double target, bool rising)
{
    if (rising)
        return supersonicRoot(f, target);
    return supersonicRoot([&](double M) { return -f(M); }, -target);
}

// The M on the branch asked for where f, whose extreme lies at M = 1, reaches
// target: f rises past M = 1 (falls below it) when `risesPastSonic`, else the
// other way round.
template <typename F>
std::optional<double> rootOnBranch(F f, double target, bool supersonic, bool risesPastSonic)
{
    return supersonic ? supersonicRootOf(f, target, risesPastSonic) : subsonicRoot(f, target, !risesPastSonic);
}

} // namespace flow::roots
