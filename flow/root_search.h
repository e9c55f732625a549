#pragma once

// Root searches shared by the flow relations that have no closed inverse.

#include <algorithm>
#include <cmath>
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

// The same root, found in far fewer steps where f is smooth: regula falsi,
// the end that stays twice running given half its weight (the Illinois
// method), and a halving step whenever the secant leaves the bracket or f
// is no number. It too ends at two adjacent doubles, or where f meets target.
template <typename F>
double illinois(F f, double lo, double hi, double target)
{
    double flo = f(lo) - target, fhi = f(hi) - target;
    if (!(flo < 0))
        return lo;
    if (!(fhi > 0))
        return hi;
    int kept = 0; // -1: lo moved last, 1: hi moved last
    for (int step = 0; step < 400; ++step) {
        const double mid = lo + (hi - lo) / 2;
        if (mid <= lo || mid >= hi)
            break;
        double x = (lo * fhi - hi * flo) / (fhi - flo);
        if (!(x > lo && x < hi) || step % 8 == 7) // every eighth step a halving, whatever the secant does
            x = mid;
        const double fx = f(x) - target;
        if (fx == 0)
            return x;
        if (fx < 0) {
            lo = x, flo = fx;
            if (kept == -1)
                fhi /= 2;
            kept = -1;
        } else {
            hi = x, fhi = std::isnan(fx) ? fhi : fx;
            if (kept == 1)
                flo /= 2;
            kept = 1;
        }
    }
    return f(hi) - target <= target - f(lo) ? hi : lo;
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
