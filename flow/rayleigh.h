#pragma once

// Frictionless flow with heat added or taken away in a duct of constant area
// (the Rayleigh line) of the program's gas: the state at a Mach number as
// ratios to the sonic state the heat would bring it to, and the Mach number
// back from any of them.

#include "flow/gas_constants.h"
#include "flow/isentropic.h"

#include <optional>

namespace flow {

// The quantities of the Rayleigh table, in the order of its columns: the
// ratios of stagnation temperature, static pressure, temperature, density,
// velocity and stagnation pressure to their sonic values, and (s - s*)/R, at
// most 0.
enum class RayleighQuantity { M, T0_T0s, p_ps, T_Ts, rho_rhos, V_Vs, p0_p0s, s_R };

struct RayleighState {
    double M, T0_T0s, p_ps, T_Ts, rho_rhos, V_Vs, p0_p0s, s_R;

    double operator[](RayleighQuantity q) const;
    double &operator[](RayleighQuantity q);
};

// The state at Mach number M, or nothing where M is not a finite number above 0.
std::optional<RayleighState> rayleighState(double M, const GasConstants &gas);

// The Mach number at which `quantity` has `value`. T0/T0*, p0/p0* and
// (s - s*)/R take a value once below and once above M = 1: `branch` picks.
// T/T* peaks at M = 1/sqrt(k), not at 1: Branch::Subsonic gives the Mach
// number below the peak, Branch::Supersonic the one above it, which is
// subsonic too where T/T* is above 1. p/p*, rho/rho* and V/V* take each value
// once, whatever the branch. Nothing where no Mach number has the value:
// T0/T0* outside (0, 1] or, supersonic, not above (k^2-1)/k^2; T/T* outside
// (0, (k+1)^2/(4k)]; p/p* outside (0, k+1); V/V* outside (0, (k+1)/k);
// rho/rho* not above k/(k+1); p0/p0* below 1 or, subsonic, not below its
// value at M = 0 (rayleighStagnationLimit); (s - s*)/R above 0. Closed forms
// but for p0/p0* and (s - s*)/R, which are bisected down to adjacent doubles.
std::optional<double> rayleighMachFrom(RayleighQuantity quantity, double value, Branch branch, const GasConstants &gas);

// p0/p0* of a subsonic stream as M falls to 0: (k+1) (2/(k+1))^(k/(k-1)),
// 1.2679 for air. No subsonic stream has a higher one.
double rayleighStagnationLimit(const GasConstants &gas);

} // namespace flow
