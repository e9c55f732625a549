#pragma once

// A converging-diverging nozzle (throat At, exit Ae, Ae/At >= 1) fed from a
// reservoir at p01, T01 and discharging into a duct of constant area Ae, with
// friction (Fanno) or heat added (Rayleigh) along it, and the duct's exit to a
// back pressure pb. Isentropic in the nozzle, with at most one normal shock.

#include "flow/gas_constants.h"

#include <optional>

namespace flow {

// What the duct does to the stream: friction over its length, 4fL/D, or heat
// that raises the stagnation temperature from T01 to T02 = T02/T01 T01.
enum class DuctKind { Friction, Heat };
struct Duct {
    DuctKind kind;
    double amount; // 4fL/D (friction) or T02/T01 (heat)
};

// From the highest back pressure down.
enum class DuctRegime {
    NoFlow,         // pb = p01
    Subsonic,       // subsonic throughout, the exit at pb, nothing choked
    ChokedSubsonic, // the throat just choked, subsonic from it on, the exit at pb
    ExitChoked,     // subsonic throughout, the duct's exit sonic: the duct lets
                    // through less than the nozzle's choked flow (or just that)
    ShockInNozzle,  // a normal shock in the diverging part at As/At
    ShockInDuct,    // a normal shock in the duct at 4fx/D (friction only)
    Overexpanded,   // supersonic throughout, the exit below pb
    Matched,        // supersonic throughout, the exit at pb
    Underexpanded,  // supersonic throughout, the exit above pb
};

// The back pressures, over p01, where the regime changes; those the duct does
// not have are absent (all of them where the figures leave the range of
// numbers). With heat a shock reaching the nozzle's exit and one reaching the
// duct's give the same exit state: one back pressure.
struct DuctCriticalPressures {
    std::optional<double> throatChokes;      // the throat just chokes, subsonic after it
    std::optional<double> exitChokes;        // at and below it the duct's exit stays sonic
    std::optional<double> shockAtNozzleExit; // a normal shock in the nozzle's exit plane
    std::optional<double> shockAtDuctExit;   // a normal shock in the duct's exit plane
    std::optional<double> matched;           // the supersonic exit at pb
};
DuctCriticalPressures ductCriticalPressures(double Ae_At, Duct duct, const GasConstants &gas);

// A station of the flow as ratios to the reservoir.
struct DuctStation {
    double M, p_p01, T_T01, p0_p01, T0_T01;
};

struct DuctFlow {
    double Ae_At, pb_p01;
    Duct duct;
    DuctRegime regime;
    bool exitChoked; // the duct's exit sonic: a lower pb changes nothing inside
    DuctCriticalPressures critical;
    double throatM;
    DuctStation inlet, exit;                              // the duct's
    std::optional<DuctStation> beforeShock, afterShock;   // where there is a shock
    std::optional<double> shockAs_At;                     // a shock in the nozzle: its place
    std::optional<double> shock4fx_D;                     // a shock in the duct: its place
    double p02_p01;                                       // at the duct's exit
    double massFlow;                                      // over the nozzle's choked flow
};

// The flow, or nothing where there is none to find: Ae/At below 1 or not
// finite, 4fL/D below 0 or T02/T01 below 1 (cooling) or either not finite,
// pb/p01 outside [0, 1]; or where the flow's figures leave the range of
// numbers (a nozzle so wide, Ae/At about 1e150 and up for air, that the
// subsonic M in it and in the duct, or 1/M^2, leaves that range). A back pressure within 1e-9 (relative) of a critical
// one is taken as that one. Where the shock's place in the duct is not
// determined (heat, or no friction: every place leaves the same exit), the
// shock is given in the nozzle's exit plane.
std::optional<DuctFlow> ductFlow(double Ae_At, Duct duct, double pb_p01, const GasConstants &gas);

} // namespace flow
