#pragma once

#include <QString>

// Every text the Stations window shows, spelled as the user sees it.
namespace stations_window::texts {

inline const QString kTitle = QStringLiteral("Stations");
inline QString gasLine(const QString &gas)
{
    return QStringLiteral("Perfect gas: %1. Ratios to the stagnation state (0) and to the sonic state (*); "
                          "the angles, in degrees, exist from M = 1 on.")
        .arg(gas);
}
inline const QString kAir = QStringLiteral("Air, k = 1.4");
// The first line of a copied or saved table.
inline const QString kGasHeader = QStringLiteral("Gas");
inline const QString kNoSolutionYet =
    QStringLiteral("No solution yet: solve in the main window, and its stations appear here.");
inline const QString kLookUpHelp =
    QStringLiteral("Type a value into any cell of the row \u201cAny station\u201d to get the rest of the row.");
inline const QString kBranch = QStringLiteral("A/A* look-up on the branch:");
inline const QString kSubsonic = QStringLiteral("subsonic");
inline const QString kSupersonic = QStringLiteral("supersonic");
inline const QString kCopyTable = QStringLiteral("Copy table");
inline const QString kSaveAsCsv = QStringLiteral("Save as CSV\u2026");
inline const QString kCsvFilter = QStringLiteral("CSV table (*.csv)");
inline const QString kCsvFile = QStringLiteral("stations.csv");
inline const QString kTableName = QStringLiteral("Stations table");

// The solution the rows belong to, above the table.
inline QString fromMachSolve(const QString &M1, const QString &A1, const QString &A2)
{
    return QStringLiteral("From M1 = %1, A1 = %2, A2 = %3 (option M)").arg(M1, A1, A2);
}
inline QString fromAreaSolve(const QString &M1, const QString &A1, const QString &M2)
{
    return QStringLiteral("From M1 = %1, A1 = %2, M2 = %3 (option A2)").arg(M1, A1, M2);
}

// A station 2 of option M whose exact Mach number the main window shows
// otherwise, from its iteration.
inline QString iterationDidNotSettle(const QString &row, const QString &exact, const QString &iterate)
{
    return QStringLiteral("%1: M = %2, solved exactly; the main window's iteration stopped after 50 steps at %3.")
        .arg(row, exact, iterate);
}
inline QString iterationStoppedEarly(const QString &row, const QString &exact, const QString &iterate)
{
    return QStringLiteral(
               "%1: M = %2, solved exactly; the main window's iteration stopped at %3, once a step was under 0.0001.")
        .arg(row, exact, iterate);
}

// Row names.
inline const QString kStation1 = QStringLiteral("Station 1");
inline const QString kThroat = QStringLiteral("Throat");
inline const QString kStation2 = QStringLiteral("Station 2");
inline const QString kStation2Subsonic = QStringLiteral("Station 2, subsonic");
inline const QString kStation2Supersonic = QStringLiteral("Station 2, supersonic");
inline const QString kAnyStation = QStringLiteral("Any station");
inline const QString kStationHeader = QStringLiteral("Station");

// A column: its header as shown, and as a screen reader says it.
struct Column {
    QString shown, spoken;
};
inline const Column kColumns[] = {
    {QStringLiteral("M"), QStringLiteral("Mach number M")},
    {QStringLiteral("A"), QStringLiteral("area A")},
    {QStringLiteral("A/A*"), QStringLiteral("area ratio A over A star")},
    {QStringLiteral("p/p0"), QStringLiteral("pressure ratio p over p0")},
    {QStringLiteral("T/T0"), QStringLiteral("temperature ratio T over T0")},
    {QStringLiteral("\u03c1/\u03c10"), QStringLiteral("density ratio rho over rho0")},
    {QStringLiteral("p/p*"), QStringLiteral("pressure ratio p over p star")},
    {QStringLiteral("T/T*"), QStringLiteral("temperature ratio T over T star")},
    {QStringLiteral("\u03c1/\u03c1*"), QStringLiteral("density ratio rho over rho star")},
    {QStringLiteral("\u03bc (\u00b0)"), QStringLiteral("Mach angle mu, degrees")},
    {QStringLiteral("\u03bd (\u00b0)"), QStringLiteral("Prandtl-Meyer angle nu, degrees")},
};

// What was typed, as the one line below the table quotes it: on one line,
// and cut short when long.
inline QString quoted(const QString &typed)
{
    QString line = typed.simplified();
    for (QChar &c : line)
        if (!c.isPrint())
            c = QChar(u'\ufffd');
    return line.size() > 24 ? line.left(23) + QChar(u'\u2026') : line;
}

// The one line a look-up that finds no station shows.
inline QString notANumber(const QString &typed)
{
    return QStringLiteral("\u201c%1\u201d is not a number. Type it with \".\" as the decimal point, as in 0.5.")
        .arg(quoted(typed));
}
inline QString noStation(const QString &column, const QString &typed, const QString &range)
{
    return QStringLiteral("No station has %1 = %2: %1 lies %3.").arg(column, quoted(typed), range);
}
inline QString areaNeedsAThroat()
{
    return QStringLiteral("The area needs a throat area: solve in the main window first, or type A/A*.");
}
inline QString tableNotSaved(const QString &file, const QString &reason)
{
    return QStringLiteral("The table could not be saved as %1: %2.").arg(file, reason);
}

} // namespace stations_window::texts
