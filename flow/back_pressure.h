#pragma once

// A converging-diverging nozzle off its design condition: throat area At,
// exit area Ae (Ae/At >= 1), fed from a reservoir at p01 and discharging to a
// back pressure pb. Quasi-one-dimensional flow of the program's gas,
// isentropic except across one normal shock.

#include "flow/gas_constants.h"
#include "flow/normal_shock.h"

#include <optional>

namespace flow {

// From the highest back pressure down.
enum class Regime {
    NoFlow,        // pb = p01
    Subsonic,      // subsonic throughout, the throat not choked
    ChokedSubsonic, // choked, subsonic from the throat on
    ShockInside,   // a normal shock in the diverging part
    ShockAtExit,   // a normal shock in the exit plane
    Overexpanded,  // supersonic exit below pb: shocks outside the nozzle
    Design,        // supersonic exit at pb
    Underexpanded, // supersonic exit above pb: expansion outside the nozzle
};

// The three back pressures, over p01, where the regime changes.
struct CriticalPressures {
    double chokedSubsonic; // the throat just chokes, the exit subsonic
    double shockAtExit;    // a normal shock stands in the exit plane
    double design;         // the isentropic supersonic exit
};
CriticalPressures criticalPressures(double Ae_At, const GasConstants &gas);

// The state at one place in the nozzle, as ratios to the reservoir and the throat.
struct NozzleStation {
    double M, A_At, p_p01, T_T01, rho_rho01, p0_p01;
};

struct BackPressureFlow {
    double Ae_At, pb_p01;
    Regime regime;
    CriticalPressures critical;
    NozzleStation throat, exit;
    std::optional<NozzleStation> beforeShock, afterShock; // where a shock stands in the nozzle
    std::optional<NormalShock> shock;                     // the same shock's relations
};

// The flow through the nozzle, or nothing where there is no nozzle: Ae/At
// below 1 or not finite, pb/p01 outside [0, 1] or not a number. A back
// pressure within 1e-9 (relative) of a critical one is taken as that one.
std::optional<BackPressureFlow> backPressureFlow(double Ae_At, double pb_p01, const GasConstants &gas);

// The Mach number and p/p01 of the flow where the area is A/At (from 1 to
// Ae/At): in the converging part, or in the diverging part, on the side of a
// shock its area says.
struct PlaceInFlow {
    double M, p_p01;
};
PlaceInFlow placeInFlow(const BackPressureFlow &flow, double A_At, bool diverging, const GasConstants &gas);

} // namespace flow
