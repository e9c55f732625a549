#pragma once

namespace flow {

// The perfect gas of the tool (ratio of specific heats k = 1.4) and the four
// numbers derived from it that the area-Mach relation uses.
struct GasConstants {
    double k;
    double kc1; // 2 / (k + 1)
    double kc2; // (k - 1) / 2
    double kc3; // (k + 1) / (2 (k - 1)), the exponent of the area ratio
    double kc4; // 1 / kc3
};

// Computes the constants from k = 1.4 in double arithmetic. kc3 comes out as
// 3.0000000000000004 and kc4 as 0.33333333333333326; the literals 3 and 1/3
// would change results in the last bits.
GasConstants gasConstants();

} // namespace flow
