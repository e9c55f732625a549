#pragma once

#include "flow/back_pressure.h"
#include "form_runtime/value_table.h"

#include <QString>

// Every text the Back pressure window shows, spelled as the user sees it.
namespace backpressure_window::texts {

inline const QString kTitle = QStringLiteral("Back pressure");
inline const QString kAeAt = QStringLiteral("Ae/At =");
inline const QString kPbP01 = QStringLiteral("pb/p01 =");
inline const QString kAeAtSpoken = QStringLiteral("Exit area over throat area, Ae over At");
inline const QString kPbP01Spoken = QStringLiteral("Back pressure over reservoir pressure, pb over p01");
inline QString gasLine(const QString &gas)
{
    return QStringLiteral("Perfect gas: %1. The nozzle is fed from a reservoir at p01, T01 and discharges to pb.")
        .arg(gas);
}
inline const QString kConical = QStringLiteral(
    "The chart draws a conical nozzle (straight walls, inlet area 2.5 At) above its centre line: the tool knows "
    "areas, not lengths. Point at a place to read its A/At, M and p/p01.");

// The one line for inputs that make no nozzle.
inline const QString kAeAtNotANumber = QStringLiteral("Ae/At is not a number: type it with \".\" as the decimal point, as in 2.");
inline const QString kNoDivergingPart = QStringLiteral("Ae/At must be at least 1: the exit is never narrower than the throat.");
inline const QString kPbNotANumber = QStringLiteral("pb/p01 is not a number: type it with \".\" as the decimal point, as in 0.6.");
inline const QString kPbOutside = QStringLiteral("pb/p01 must lie from 0 to 1: the back pressure is at most the reservoir's.");

inline const QString kNoCase = QStringLiteral("No case: the inputs make no nozzle flow.");

// The regime, in one line.
inline QString regimeLine(const flow::BackPressureFlow &f, const QString &As_At)
{
    using flow::Regime;
    switch (f.regime) {
    case Regime::NoFlow: return QStringLiteral("No flow: the back pressure equals the reservoir pressure.");
    case Regime::Subsonic: return QStringLiteral("Subsonic throughout: the throat is not choked.");
    case Regime::ChokedSubsonic: return QStringLiteral("Choked, with a subsonic exit: the throat is just sonic.");
    case Regime::ShockInside: return QStringLiteral("Normal shock in the diverging part, at As/At = %1.").arg(As_At);
    case Regime::ShockAtExit: return QStringLiteral("Normal shock in the exit plane.");
    case Regime::Overexpanded:
        return QStringLiteral("Overexpanded: supersonic exit below the back pressure; shocks stand outside the nozzle.");
    case Regime::Design: return QStringLiteral("Design: the supersonic exit is at the back pressure.");
    case Regime::Underexpanded:
        return QStringLiteral("Underexpanded: supersonic exit above the back pressure; the jet expands outside.");
    }
    return {};
}

inline QString criticalLines(const QString &choked, const QString &shockAtExit, const QString &design)
{
    return QStringLiteral("Critical back pressures pb/p01:\n"
                          "  %1: choked, subsonic exit\n"
                          "  %2: normal shock in the exit plane\n"
                          "  %3: design, isentropic supersonic exit")
        .arg(choked, shockAtExit, design);
}

// The nozzle table.
inline const QString kNozzleTableName = QStringLiteral("Nozzle table");
inline const QString kPlaceHeader = QStringLiteral("Place");
inline const QString kThroat = QStringLiteral("Throat");
inline const QString kBeforeShock = QStringLiteral("Before the shock");
inline const QString kAfterShock = QStringLiteral("After the shock");
inline const QString kExit = QStringLiteral("Exit");

// The shock table.
inline const QString kShockTableName = QStringLiteral("Normal shock table");
inline const QString kShockHeader = QStringLiteral("Shock");
inline const QString kThisShock = QStringLiteral("This shock");
inline const QString kAnyShock = QStringLiteral("Any normal shock");
inline const QString kLookUpHelp =
    QStringLiteral("Type a value into any cell of the row \u201cAny normal shock\u201d to get the rest of the row.");
inline QString noShock(const QString &column, const QString &typed, const QString &range)
{
    return QStringLiteral("No normal shock has %1 = %2: %1 lies %3.").arg(column, typed, range);
}
inline QString tooStrong(const QString &column, const QString &typed)
{
    return QStringLiteral("A normal shock with %1 = %2 is too strong to compute: its ratios leave the range of numbers.")
        .arg(column, typed);
}

// A column: its header as shown, and as a screen reader says it.
using Column = form_runtime::TableColumn;
using Format = form_runtime::TableColumn::Format;
inline const Column kNozzleColumns[] = {
    {QStringLiteral("M"), QStringLiteral("Mach number M"), Format::Shown},
    {QStringLiteral("A/At"), QStringLiteral("area ratio A over At")},
    {QStringLiteral("p/p01"), QStringLiteral("pressure ratio p over p01")},
    {QStringLiteral("T/T01"), QStringLiteral("temperature ratio T over T01")},
    {QStringLiteral("\u03c1/\u03c101"), QStringLiteral("density ratio rho over rho01")},
    {QStringLiteral("p0/p01"), QStringLiteral("stagnation pressure ratio p0 over p01")},
};
inline const Column kShockColumns[] = {
    {QStringLiteral("M1"), QStringLiteral("Mach number before the shock, M1"), Format::Shown},
    {QStringLiteral("M2"), QStringLiteral("Mach number behind the shock, M2"), Format::Shown},
    {QStringLiteral("p2/p1"), QStringLiteral("pressure ratio p2 over p1")},
    {QStringLiteral("T2/T1"), QStringLiteral("temperature ratio T2 over T1")},
    {QStringLiteral("\u03c12/\u03c11"), QStringLiteral("density ratio rho2 over rho1")},
    {QStringLiteral("p02/p01"), QStringLiteral("stagnation pressure ratio p02 over p01")},
    {QStringLiteral("p02/p1"), QStringLiteral("pitot pressure ratio p02 over p1")},
};

inline const QString kCopyTables = QStringLiteral("Copy tables");
inline const QString kSaveAsCsv = QStringLiteral("Save as CSV\u2026");
inline const QString kCsvFilter = QStringLiteral("CSV table (*.csv)");
inline const QString kCsvFile = QStringLiteral("back-pressure.csv");
inline const QString kChartFile = QStringLiteral("pressure-along-the-nozzle");
inline const QString kChartName = QStringLiteral("Pressure along the nozzle chart");
inline QString chartDescription(const QString &regime, const QString &pb)
{
    return QStringLiteral("Horizontal: the place along the nozzle, from the inlet through the throat to the exit "
                          "and beyond it. Vertical: the pressure p/p01, 0 to 1. Today's flow bold, with the three "
                          "limiting curves dashed, dotted and dash-dotted: %1 pb/p01 = %2.")
        .arg(regime, pb);
}

} // namespace backpressure_window::texts
