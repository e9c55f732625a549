#pragma once

namespace flow {

// Regime keys of the Mach number iteration. They are compared byte for byte:
// "SesAltı" ends in a dotless i, "SesÜstü" holds two umlauts.
inline constexpr char kSubsonic[] = "SesAltı";
inline constexpr char kSupersonic[] = "SesÜstü";

// Shown when the iteration did not meet its step test within 50 steps, or was
// given a key that names no regime.
inline constexpr char kNotConverged[] = "iterasyon 50 adımda yakınsamadı";

} // namespace flow
