#pragma once

// Root searches shared by the flow relations that have no closed inverse.

#include <algorithm>
#include <optional>

namespace flow::roots {

// The x in [lo, hi] where the increasing f reaches `target`, bisected until
// the bracket holds two adjacent doubles.
template <typename F>
double bisect(F f, double lo, double hi, double target)
{
    for (;;) {
        const double mid = lo + (hi - lo) / 2;
        if (mid <= lo || mid >= hi)
            return f(hi) - target <= target - f(lo) ? hi : lo;
        (f(mid) < target ? lo : hi) = mid;
    }
}

// The supersonic Mach number, in a bracket [hi / 2, hi], where the increasing
// f reaches target; nothing when it does not below about 1e300.
template <typename F>
std::optional<double> supersonicRoot(F f, double target)
{
    double hi = 2;
    while (f(hi) < target) {
        if (hi > 1e300)
            return std::nullopt;
        hi *= 2;
    }
    return bisect(f, std::max(1.0, hi / 2), hi, target);
}

} // namespace flow::roots
