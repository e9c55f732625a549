#pragma once

namespace flow {

// A perfect gas (ratio of specific heats k; air, k = 1.4, unless another is
// chosen) and the four numbers derived from it that the area-Mach relation uses.
struct GasConstants {
    double k;
    double kc1; // 2 / (k + 1)
    double kc2; // (k - 1) / 2
    double kc3; // (k + 1) / (2 (k - 1)), the exponent of the area ratio
    double kc4; // 1 / kc3
};

// The exponents of the temperature ratio T0/T that give the pressure and the
// density ratios: k/(k-1) = kc3 + 1/2 and 1/(k-1) = kc3 - 1/2.
inline double pressureExponent(const GasConstants &gas) { return gas.kc3 + 0.5; }
inline double densityExponent(const GasConstants &gas) { return gas.kc3 - 0.5; }

// The ratio of specific heats of air.
constexpr double kAir = 1.4;

// Computes the constants from k in double arithmetic, in the order of their
// definitions. For air kc3 comes out as 3.0000000000000004 and kc4 as
// 0.33333333333333326; the literals 3 and 1/3 would change results in the
// last bits.
GasConstants gasConstants(double k = kAir);

// Whether k belongs to an ideal gas the relations hold for: above 1 (at 1
// every exponent is infinite) and at most 5/3 (a monatomic gas).
bool isIdealGasK(double k);

} // namespace flow
