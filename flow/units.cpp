#include "flow/units.h"

#define UNIT_LIB_DISABLE_IOSTREAM
#include <units.h>

namespace flow {

namespace {

namespace u = units;

// The US customary units, exactly.
using pound_force = u::unit<std::ratio<44482216152605, 10000000000000>, u::force::newtons>;
using psi = u::compound_unit<pound_force, u::inverse<u::squared<u::length::inches>>>;
using pound_force_per_square_foot = u::compound_unit<pound_force, u::inverse<u::squared<u::length::feet>>>;
using slug = u::compound_unit<pound_force, u::squared<u::time::seconds>, u::inverse<u::length::feet>>;
using foot_pound_force_per_slug_rankine =
    u::compound_unit<u::length::feet, pound_force, u::inverse<slug>, u::inverse<u::temperature::rankine>>;
using joule_per_kilogram_kelvin =
    u::compound_unit<u::energy::joules, u::inverse<u::mass::kilograms>, u::inverse<u::temperature::kelvin>>;
using square_centimeter = u::squared<u::length::centimeters>;
using square_millimeter = u::squared<u::length::millimeters>;
using kilograms_per_second = u::compound_unit<u::mass::kilograms, u::inverse<u::time::seconds>>;
using pounds_per_second = u::compound_unit<u::mass::pounds, u::inverse<u::time::seconds>>;
using pounds_per_cubic_foot = u::compound_unit<u::mass::pounds, u::inverse<u::cubed<u::length::feet>>>;

static_assert(u::traits::is_convertible_unit<psi, u::pressure::pascals>::value);
static_assert(u::traits::is_convertible_unit<foot_pound_force_per_slug_rankine, joule_per_kilogram_kelvin>::value);

template <typename From, typename To>
double convert(double value)
{
    return u::convert<From, To>(value);
}

} // namespace

double toSI(PressureUnit unit, double value)
{
    using P = u::pressure::pascals;
    switch (unit) {
    case PressureUnit::Pa: return value;
    case PressureUnit::kPa: return convert<u::pressure::kilopascals, P>(value);
    case PressureUnit::MPa: return convert<u::pressure::megapascals, P>(value);
    case PressureUnit::bar: return convert<u::pressure::bars, P>(value);
    case PressureUnit::atm: return convert<u::pressure::atmospheres, P>(value);
    case PressureUnit::psia: return convert<psi, P>(value);
    case PressureUnit::lbfPerSqFt: return convert<pound_force_per_square_foot, P>(value);
    }
    return value;
}

double fromSI(PressureUnit unit, double pascals)
{
    using P = u::pressure::pascals;
    switch (unit) {
    case PressureUnit::Pa: return pascals;
    case PressureUnit::kPa: return convert<P, u::pressure::kilopascals>(pascals);
    case PressureUnit::MPa: return convert<P, u::pressure::megapascals>(pascals);
    case PressureUnit::bar: return convert<P, u::pressure::bars>(pascals);
    case PressureUnit::atm: return convert<P, u::pressure::atmospheres>(pascals);
    case PressureUnit::psia: return convert<P, psi>(pascals);
    case PressureUnit::lbfPerSqFt: return convert<P, pound_force_per_square_foot>(pascals);
    }
    return pascals;
}

double toSI(TemperatureUnit unit, double value)
{
    using K = u::temperature::kelvin;
    switch (unit) {
    case TemperatureUnit::K: return value;
    case TemperatureUnit::C: return convert<u::temperature::celsius, K>(value);
    case TemperatureUnit::R: return convert<u::temperature::rankine, K>(value);
    case TemperatureUnit::F: return convert<u::temperature::fahrenheit, K>(value);
    }
    return value;
}

double fromSI(TemperatureUnit unit, double kelvin)
{
    using K = u::temperature::kelvin;
    switch (unit) {
    case TemperatureUnit::K: return kelvin;
    case TemperatureUnit::C: return convert<K, u::temperature::celsius>(kelvin);
    case TemperatureUnit::R: return convert<K, u::temperature::rankine>(kelvin);
    case TemperatureUnit::F: return convert<K, u::temperature::fahrenheit>(kelvin);
    }
    return kelvin;
}

double toSI(GasConstantUnit unit, double value)
{
    return unit == GasConstantUnit::JPerKgK ? value
                                            : convert<foot_pound_force_per_slug_rankine, joule_per_kilogram_kelvin>(value);
}

double fromSI(GasConstantUnit unit, double joulesPerKgK)
{
    return unit == GasConstantUnit::JPerKgK
               ? joulesPerKgK
               : convert<joule_per_kilogram_kelvin, foot_pound_force_per_slug_rankine>(joulesPerKgK);
}

double toSI(AreaUnit unit, double value)
{
    using M2 = u::area::square_meters;
    switch (unit) {
    case AreaUnit::SqM: return value;
    case AreaUnit::SqCm: return convert<square_centimeter, M2>(value);
    case AreaUnit::SqMm: return convert<square_millimeter, M2>(value);
    case AreaUnit::SqIn: return convert<u::area::square_inches, M2>(value);
    case AreaUnit::SqFt: return convert<u::area::square_feet, M2>(value);
    }
    return value;
}

double fromSI(AreaUnit unit, double squareMetres)
{
    using M2 = u::area::square_meters;
    switch (unit) {
    case AreaUnit::SqM: return squareMetres;
    case AreaUnit::SqCm: return convert<M2, square_centimeter>(squareMetres);
    case AreaUnit::SqMm: return convert<M2, square_millimeter>(squareMetres);
    case AreaUnit::SqIn: return convert<M2, u::area::square_inches>(squareMetres);
    case AreaUnit::SqFt: return convert<M2, u::area::square_feet>(squareMetres);
    }
    return squareMetres;
}

double fromSI(Figure figure, UnitSystem system, double si)
{
    if (system == UnitSystem::SI)
        return si;
    switch (figure) {
    case Figure::MassFlow: return convert<kilograms_per_second, pounds_per_second>(si);
    case Figure::Velocity: return convert<u::velocity::meters_per_second, u::velocity::feet_per_second>(si);
    case Figure::Force: return convert<u::force::newtons, pound_force>(si);
    case Figure::Density: return convert<u::density::kilograms_per_cubic_meter, pounds_per_cubic_foot>(si);
    }
    return si;
}

} // namespace flow
