#pragma once

// The units as every panel names them, in the order of flow/units.h, and
// the figures in units as the panels show them.

#include "flow/nozzle_performance.h"
#include "flow/units.h"
#include "form_runtime/value_table.h"
#include "nozzle_case/nozzle_case.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace nozzle_case::units {

inline const QStringList kPressure{QStringLiteral("Pa"),  QStringLiteral("kPa"),  QStringLiteral("MPa"),
                                   QStringLiteral("bar"), QStringLiteral("atm"),  QStringLiteral("psia"),
                                   QStringLiteral("lbf/ft\u00b2")};
inline const QStringList kTemperature{QStringLiteral("K"), QStringLiteral("\u00b0C"), QStringLiteral("\u00b0R"),
                                      QStringLiteral("\u00b0F")};
inline const QStringList kGasConstant{QStringLiteral("J/(kg\u00b7K)"), QStringLiteral("ft\u00b7lbf/(slug\u00b7\u00b0R)")};
inline const QStringList kArea{QStringLiteral("m\u00b2"), QStringLiteral("cm\u00b2"), QStringLiteral("mm\u00b2"),
                               QStringLiteral("in\u00b2"), QStringLiteral("ft\u00b2")};
inline const QStringList kSystem{QStringLiteral("SI"), QStringLiteral("US customary")};

inline QString figureUnit(flow::Figure figure, flow::UnitSystem system)
{
    const bool si = system == flow::UnitSystem::SI;
    switch (figure) {
    case flow::Figure::MassFlow: return si ? QStringLiteral("kg/s") : QStringLiteral("lbm/s");
    case flow::Figure::Velocity: return si ? QStringLiteral("m/s") : QStringLiteral("ft/s");
    case flow::Figure::Force: return si ? QStringLiteral("N") : QStringLiteral("lbf");
    case flow::Figure::Density: return si ? QStringLiteral("kg/m\u00b3") : QStringLiteral("lbm/ft\u00b3");
    }
    return {};
}

inline QString pressureUnit(const NozzleCase::Units &u) { return kPressure[int(u.pressure)]; }
inline QString temperatureUnit(const NozzleCase::Units &u) { return kTemperature[int(u.temperature)]; }
inline QString areaUnit(const NozzleCase::Units &u) { return kArea[int(u.area)]; }
inline QString areaUnit(flow::AreaUnit a) { return kArea[int(a)]; }

// Every selector as the system has it.
inline NozzleCase::Units systemUnits(flow::UnitSystem system)
{
    if (system == flow::UnitSystem::SI)
        return {flow::PressureUnit::kPa, flow::TemperatureUnit::K, flow::GasConstantUnit::JPerKgK, flow::AreaUnit::SqCm,
                system};
    return {flow::PressureUnit::psia, flow::TemperatureUnit::R, flow::GasConstantUnit::FtLbfPerSlugR,
            flow::AreaUnit::SqIn, system};
}

// A figure in units as shown: 6 significant digits, with its unit.
inline QString figureText(double value, const QString &unit)
{
    return QString::number(value, 'g', 6).replace(QLatin1Char('-'), QChar(0x2212)) + QChar(0x00a0) + unit;
}

// A column of figures in a unit, the unit named in its header: "p (kPa)".
inline form_runtime::TableColumn figureColumn(const QString &symbol, const QString &spoken, const QString &unit)
{
    return {QStringLiteral("%1 (%2)").arg(symbol, unit), QStringLiteral("%1, %2").arg(spoken, unit),
            form_runtime::TableColumn::Format::Measure};
}

// The columns of a state in units (p, T, rho, a, V), pressures in `pressure`,
// and a state's values for them.
inline std::vector<form_runtime::TableColumn> stateColumns(flow::PressureUnit pressure, const NozzleCase::Units &u)
{
    const QString V = figureUnit(flow::Figure::Velocity, u.system);
    return {figureColumn(QStringLiteral("p"), QStringLiteral("pressure"), kPressure[int(pressure)]),
            figureColumn(QStringLiteral("T"), QStringLiteral("temperature"), temperatureUnit(u)),
            figureColumn(QStringLiteral("\u03c1"), QStringLiteral("density"), figureUnit(flow::Figure::Density, u.system)),
            figureColumn(QStringLiteral("a"), QStringLiteral("speed of sound"), V),
            figureColumn(QStringLiteral("V"), QStringLiteral("velocity"), V)};
}
inline std::vector<double> stateValues(const flow::StateInUnits &s, flow::PressureUnit pressure, const NozzleCase::Units &u)
{
    return {flow::fromSI(pressure, s.p), flow::fromSI(u.temperature, s.T),
            flow::fromSI(flow::Figure::Density, u.system, s.rho), flow::fromSI(flow::Figure::Velocity, u.system, s.a),
            flow::fromSI(flow::Figure::Velocity, u.system, s.V)};
}
// What the columns' headers name, to tell when they must change.
inline QString stateUnitsKey(flow::PressureUnit pressure, const NozzleCase::Units &u)
{
    return QStringLiteral("%1|%2|%3").arg(int(pressure)).arg(int(u.temperature)).arg(int(u.system));
}

} // namespace nozzle_case::units
