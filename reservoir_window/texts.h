#pragma once

#include <QString>

// Every text the Reservoir panel shows, spelled as the user sees it.
namespace reservoir_window::texts {

inline const QString kTitle = QStringLiteral("Reservoir");
inline const QString kIntro = QStringLiteral(
    "The nozzle in units: the reservoir it is fed from, the gas's R, and the unit the main window's areas A1, A* "
    "and A2 are read in. The panels then give their figures in units too.");
inline const QString kP0 = QStringLiteral("p0 =");
inline const QString kT0 = QStringLiteral("T0 =");
inline const QString kR = QStringLiteral("R =");
inline const QString kAreas = QStringLiteral("Areas in:");
inline const QString kSystem = QStringLiteral("Units:");
inline const QString kP0Spoken = QStringLiteral("Reservoir pressure p0");
inline const QString kT0Spoken = QStringLiteral("Reservoir temperature T0");
inline const QString kRSpoken = QStringLiteral("Specific gas constant R");
inline const QString kP0UnitSpoken = QStringLiteral("Unit of p0");
inline const QString kT0UnitSpoken = QStringLiteral("Unit of T0");
inline const QString kRUnitSpoken = QStringLiteral("Unit of R");
inline const QString kAreaUnitSpoken = QStringLiteral("Unit of the areas A1, A* and A2");
inline const QString kSystemSpoken = QStringLiteral("Unit system: sets every unit at once");

// A value that gives no reservoir.
inline QString noMeaning(const QString &quantity, const QString &value)
{
    return QStringLiteral("%1 = %2 has no physical meaning: it must be above 0%3.")
        .arg(quantity, value, quantity == QLatin1String("T0") ? QStringLiteral(" K") : QString());
}
// The results.
inline const QString kNoReservoir =
    QStringLiteral("Give p0, T0 and R above 0 for the figures in units.");
inline const QString kNoGasR = QStringLiteral("This gas has no single R: type the one of your mixture.");
// The throat; and, where the area unit is another now, that a new solve
// reads the main window's areas in it.
inline QString throat(const QString &As, const QString &solvedIn, const QString &readNowIn)
{
    if (readNowIn.isEmpty())
        return QStringLiteral("A* = %1, the last solution's throat (its areas were typed in %2).").arg(As, solvedIn);
    return QStringLiteral("A* = %1, the last solution's throat. Its areas were typed in %2; a new solve reads A1 and "
                          "A2 in %3.")
        .arg(As, solvedIn, readNowIn);
}
inline const QString kNoThroat = QStringLiteral("A*: no solution yet; solve in the main window for the mass flow.");
inline QString sonic(const QString &p, const QString &T, const QString &a)
{
    return QStringLiteral("At the throat, sonic: p* = %1, T* = %2, a* = %3.").arg(p, T, a);
}
inline QString massFlow(const QString &mdot)
{
    return QStringLiteral("\u1e41 = %1 through the throat.").arg(mdot);
}

} // namespace reservoir_window::texts
