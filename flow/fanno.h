#pragma once

// Adiabatic flow with friction in a duct of constant area (the Fanno line) of
// the program's gas: the state at a Mach number as ratios to the sonic state
// the friction would bring it to, and the Mach number back from any of them.

#include "flow/gas_constants.h"
#include "flow/isentropic.h"

#include <optional>

namespace flow {

// The quantities of the Fanno table, in the order of its columns: 4fL*/D, the
// friction length that takes the stream to M = 1; the ratios of static
// pressure, temperature, density, velocity and stagnation pressure to their
// sonic values; and (s - s*)/R, at most 0.
enum class FannoQuantity { M, fLs_D, p_ps, T_Ts, rho_rhos, V_Vs, p0_p0s, s_R };

struct FannoState {
    double M, fLs_D, p_ps, T_Ts, rho_rhos, V_Vs, p0_p0s, s_R;

    double operator[](FannoQuantity q) const;
    double &operator[](FannoQuantity q);
};

// The state at Mach number M, or nothing where M is not a finite number above 0.
std::optional<FannoState> fannoState(double M, const GasConstants &gas);

// The Mach number at which `quantity` has `value`: on `branch` for 4fL*/D,
// p0/p0* and (s - s*)/R, which take each value once below and once above
// M = 1; the branch does not matter for the others, which take each value once.
// Nothing where no Mach number has the value: T/T* outside (0, (k+1)/2), V/V*
// outside (0, sqrt((k+1)/(k-1))), rho/rho* below sqrt((k-1)/(k+1)), p/p* not
// above 0, p0/p0* below 1, (s - s*)/R above 0, 4fL*/D below 0 or, supersonic,
// at or above supersonicFrictionLimit. Closed forms for p/p*, T/T*, rho/rho*
// and V/V*; the others by bisection down to adjacent doubles.
std::optional<double> fannoMachFrom(FannoQuantity quantity, double value, Branch branch, const GasConstants &gas);

// The 4fL*/D of a supersonic stream as its Mach number grows without end:
// (k+1)/(2k) ln((k+1)/(k-1)) - 1/k, 0.82153 for air. No supersonic stream
// runs farther before it chokes.
double supersonicFrictionLimit(const GasConstants &gas);

} // namespace flow
