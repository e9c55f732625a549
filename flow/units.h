#pragma once

// The units a student reads and writes dimensional figures in, and their
// conversions to and from SI. The conversions are the units library's
// (libunits-cpp-dev), with the US customary units the library gives only to
// ten digits defined again exactly: the pound-force is 4.4482216152605 N,
// the foot 0.3048 m, the pound 0.45359237 kg, the degree Rankine 5/9 K.

namespace flow {

enum class PressureUnit { Pa, kPa, MPa, bar, atm, psia, lbfPerSqFt };
enum class TemperatureUnit { K, C, R, F };
enum class GasConstantUnit { JPerKgK, FtLbfPerSlugR };
enum class AreaUnit { SqM, SqCm, SqMm, SqIn, SqFt };
enum class UnitSystem { SI, US };
// The figures a nozzle ends in, in the unit system's units: kg/s or lbm/s,
// m/s or ft/s, N or lbf, kg/m^3 or lbm/ft^3.
enum class Figure { MassFlow, Velocity, Force, Density };

double toSI(PressureUnit unit, double value);
double fromSI(PressureUnit unit, double pascals);
double toSI(TemperatureUnit unit, double value); // to kelvin, offsets and all
double fromSI(TemperatureUnit unit, double kelvin);
double toSI(GasConstantUnit unit, double value);
double fromSI(GasConstantUnit unit, double joulesPerKgK);
double toSI(AreaUnit unit, double value);
double fromSI(AreaUnit unit, double squareMetres);
double fromSI(Figure figure, UnitSystem system, double si);

// Standard gravity, for the specific impulse.
constexpr double kStandardGravity = 9.80665; // m/s^2
// The universal gas constant, for a gas's R from its molar mass.
constexpr double kUniversalGasConstant = 8.314462618; // J/(mol K)

} // namespace flow
