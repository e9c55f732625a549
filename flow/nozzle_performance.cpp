#include "flow/nozzle_performance.h"

#include "flow/isentropic.h"
#include "flow/units.h"

#include <cmath>

#define UNIT_LIB_DISABLE_IOSTREAM
#include <units.h>

namespace flow {

namespace {

namespace u = units;
using pascal_t = u::pressure::pascal_t;
using kelvin_t = u::temperature::kelvin_t;
using square_meter_t = u::area::square_meter_t;
using meters_per_second_t = u::velocity::meters_per_second_t;
using density_t = u::density::kilograms_per_cubic_meter_t;
using newton_t = u::force::newton_t;
using second_t = u::time::second_t;
using gas_constant_t = u::unit_t<
    u::compound_unit<u::energy::joules, u::inverse<u::mass::kilograms>, u::inverse<u::temperature::kelvin>>>;
using mass_flow_t = u::unit_t<u::compound_unit<u::mass::kilograms, u::inverse<u::time::seconds>>>;
using acceleration_t = u::acceleration::meters_per_second_squared_t;

struct Quantities {
    pascal_t p0;
    kelvin_t T0;
    gas_constant_t R;
};

Quantities quantities(const Reservoir &r)
{
    return {pascal_t(r.p0), kelvin_t(r.T0), gas_constant_t(r.R)};
}

StateInUnits state(const Quantities &q, double M, double p_p01, double T_T01, const GasConstants &gas)
{
    const pascal_t p = q.p0 * p_p01;
    const kelvin_t T = q.T0 * T_T01;
    const density_t rho = p / (q.R * T);
    const meters_per_second_t a = u::math::sqrt(gas.k * q.R * T);
    const meters_per_second_t V = M * a;
    return {p.value(), T.value(), rho.value(), a.value(), V.value()};
}

mass_flow_t chokedFlow(const Quantities &q, square_meter_t At, const GasConstants &gas)
{
    return q.p0 * At * u::math::sqrt(gas.k / (q.R * q.T0)) * std::pow(gas.kc1, gas.kc3);
}

} // namespace

StateInUnits stateInUnits(const Reservoir &reservoir, double M, double p_p01, double T_T01, const GasConstants &gas)
{
    return state(quantities(reservoir), M, p_p01, T_T01, gas);
}

StateInUnits sonicState(const Reservoir &reservoir, const GasConstants &gas)
{
    const IsentropicState s = isentropicState(1, gas);
    return state(quantities(reservoir), 1, s.p_p0, s.T_T0, gas);
}

double chokedMassFlow(const Reservoir &reservoir, double At, const GasConstants &gas)
{
    return chokedFlow(quantities(reservoir), square_meter_t(At), gas).value();
}

Performance performance(const BackPressureFlow &f, const Reservoir &reservoir, double At, const GasConstants &gas)
{
    const Quantities q = quantities(reservoir);
    const square_meter_t throat(At), Ae = throat * f.Ae_At;
    const StateInUnits e = state(q, f.exit.M, f.exit.p_p01, f.exit.T_T01, gas);
    const pascal_t pe(e.p), pb = q.p0 * f.pb_p01;
    const meters_per_second_t Ve(e.V);
    const bool choked = f.regime != Regime::NoFlow && f.regime != Regime::Subsonic;
    const mass_flow_t mdot = choked ? chokedFlow(q, throat, gas) : density_t(e.rho) * Ve * Ae;
    const newton_t F = mdot * Ve + (pe - pb) * Ae;
    const double CF = F / (q.p0 * throat);
    const meters_per_second_t cStar = q.p0 * throat / mdot;
    const second_t Isp = F / (mdot * acceleration_t(kStandardGravity));
    const bool flowing = mdot.value() > 0; // no flow: no c* and no Isp
    return {mdot.value(), e, pb.value(), F.value(), CF, flowing ? cStar.value() : NAN, flowing ? Isp.value() : NAN,
            separates(f)};
}

bool separates(const BackPressureFlow &f)
{
    return f.regime == Regime::Overexpanded && f.exit.p_p01 < kSeparationRatio * f.pb_p01;
}

double thrustCoefficient(const BackPressureFlow &f, const GasConstants &gas)
{
    return f.Ae_At * (f.exit.p_p01 * (1 + gas.k * f.exit.M * f.exit.M) - f.pb_p01);
}

} // namespace flow
