#pragma once

// The oblique-shock relations of the program's gas, and the waves at the lip
// of a supersonic nozzle exit that is not at its design pressure. Angles are
// in degrees, as the tables show them.

#include "flow/gas_constants.h"

#include <optional>

namespace flow {

// A shock at angle beta to a stream of Mach number M1 > 1, which turns the
// stream through theta towards the shock: its normal Mach number Mn1, and the
// Mach number and the ratios behind it.
struct ObliqueShock {
    double M1, beta, theta;
    double Mn1, M2, p2_p1, T2_T1, rho2_rho1, p02_p01;
};

// The shock at beta, from the Mach angle asin(1/M1) (a Mach wave) to 90 (a
// normal shock), or nothing where M1 is not above 1 or beta lies outside.
std::optional<ObliqueShock> obliqueShock(double M1, double beta, const GasConstants &gas);

// The deflection of a shock at beta: tan theta = 2 cot beta (M1^2 sin^2 beta - 1) /
// (M1^2 (k + cos 2 beta) + 2).
double deflection(double M1, double beta, const GasConstants &gas);

// The largest deflection an attached shock makes at M1, and its beta, in
// closed form.
struct MostDeflection {
    double theta, beta;
};
MostDeflection maxDeflection(double M1, const GasConstants &gas);

// The two shock angles of a deflection theta: the weak one below the beta of
// theta max, the strong one above it, by bisection down to adjacent doubles;
// both the beta of theta max at theta max (as maxDeflection gives it); nothing
// where theta is above theta max (the shock stands off) or below 0.
struct ShockAngles {
    double weak, strong;
};
std::optional<ShockAngles> shockAngles(double M1, double theta, const GasConstants &gas);

// The shock angle of a pressure ratio p2/p1, in closed form through the
// normal Mach number; nothing where p2/p1 lies outside 1 to the normal
// shock's.
std::optional<double> shockAngleFor(double M1, double p2_p1, const GasConstants &gas);

// The lip of an overexpanded nozzle: the oblique shock that raises the jet
// from pe to pb and turns it inward, theta max at the exit Mach number, and
// whether the shock would lie on the strong branch, beyond the beta of theta
// max, where a simple lip shock cannot stand and the shocks meet in a Mach
// disc. Nothing where pb/pe is not above 1 or beyond a normal shock's.
struct LipShock {
    ObliqueShock shock;
    MostDeflection most;
    bool machDisc;
};
std::optional<LipShock> lipShock(double Me, double pb_pe, const GasConstants &gas);

// The lip of an underexpanded nozzle: the Prandtl-Meyer fan that lowers the
// jet from pe to pb. Mb is the Mach number at p0/pb (infinite for pb = 0);
// the flow turns outward by nu(Mb) - nu(Me); the fan's first wave stands at
// mu(Me) to the jet's axis, its last at mu(Mb) - the turn. Nothing where
// Me is not above 1 or pb/p0 lies outside 0 to the exit's p/p0.
struct LipFan {
    double Mb, turn, firstWave, lastWave;
};
std::optional<LipFan> lipFan(double Me, double pb_p0, const GasConstants &gas);

} // namespace flow
