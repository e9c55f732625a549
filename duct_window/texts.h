#pragma once

#include "flow/duct_flow.h"
#include "form_runtime/value_table.h"

#include <QString>

// Every text the Duct panel shows, spelled as the user sees it.
namespace duct_window::texts {

inline const QString kTitle = QStringLiteral("Duct");
inline const QString kFanno = QStringLiteral("&Friction (Fanno)");
inline const QString kRayleigh = QStringLiteral("&Heat (Rayleigh)");
inline const QString kAeAt = QStringLiteral("Ae/At =");
inline const QString kFLD = QStringLiteral("4fL/D =");
inline const QString kT0Ratio = QStringLiteral("T02/T01 =");
inline const QString kPbP01 = QStringLiteral("pb/p01 =");
inline const QString kAeAtSpoken = QStringLiteral("Nozzle exit area over throat area, Ae over At");
inline const QString kFLDSpoken = QStringLiteral("Duct friction, 4 f L over D");
inline const QString kT0RatioSpoken = QStringLiteral("Heat added: stagnation temperature ratio T02 over T01");
inline const QString kPbP01Spoken = QStringLiteral("Back pressure over reservoir pressure, pb over p01");
inline QString gasLine(const QString &gas)
{
    return QStringLiteral("Perfect gas: %1. The nozzle discharges into a duct of its exit's area, with friction or "
                          "heat added along it, and the duct to pb.")
        .arg(gas);
}

// The names the one line for inputs gives the boxes.
inline const QString kAeAtName = QStringLiteral("Ae/At");
inline const QString kFLDName = QStringLiteral("4fL/D");
inline const QString kT0RatioName = QStringLiteral("T02/T01");
inline const QString kPbP01Name = QStringLiteral("pb/p01");
inline QString noDivergingPart(const QString &Ae)
{
    return QStringLiteral("Ae/At = %1 is below 1: the exit is never narrower than the throat.").arg(Ae);
}
inline QString negativeFriction(const QString &fLD)
{
    return QStringLiteral("4fL/D = %1 is negative: friction is 0 or more.").arg(fLD);
}
inline QString cooling(const QString &ratio)
{
    return QStringLiteral("T02/T01 = %1 is below 1: the duct adds heat here, it does not cool.").arg(ratio);
}
inline QString flowBeyondRange(const QString &Ae)
{
    return QStringLiteral("Ae/At = %1: the flow of so wide a nozzle leaves the range of numbers.").arg(Ae);
}
inline QString negativePb(const QString &ratio)
{
    return QStringLiteral("pb/p01 = %1 is negative: a pressure is never below 0.").arg(ratio);
}
inline QString ratioAboveOne(const QString &ratio)
{
    return QStringLiteral("pb/p01 = %1 is above 1: the back pressure is at most the reservoir's.").arg(ratio);
}

// The regime, from the highest back pressure down.
inline const QString kExitChokedToo =
    QStringLiteral(" The duct's exit is choked (M = 1), above pb: a lower pb changes nothing inside.");
inline QString criticalLine(const QString &list)
{
    return QStringLiteral("Critical pb/p01: %1.").arg(list);
}
inline const QString kThroatChokes = QStringLiteral("throat chokes");
inline const QString kExitChokes = QStringLiteral("duct's exit chokes");
inline const QString kShockAtNozzleExit = QStringLiteral("shock at the nozzle's exit");
inline const QString kShockAtDuctExit = QStringLiteral("shock at the duct's exit");
inline const QString kMatched = QStringLiteral("matched");
inline QString flowLine(const QString &massFlow, const QString &p02)
{
    return QStringLiteral("Mass flow %1 of the nozzle's choked flow; p02/p01 = %2 at the duct's exit.").arg(massFlow, p02);
}
inline QString massFlowInUnits(const QString &massFlow) { return QStringLiteral(" Mass flow %1.").arg(massFlow); }
inline QString heatInUnits(const QString &q) { return QStringLiteral(" Heat added q = cp (T02 \u2212 T01) = %1.").arg(q); }

// The places of the flow.
inline const QString kPlaceHeader = QStringLiteral("Place");
inline const QString kInlet = QStringLiteral("Nozzle exit = duct inlet");
inline const QString kBeforeShock = QStringLiteral("Before the shock");
inline const QString kBehindShock = QStringLiteral("Behind the shock");
inline const QString kDuctExit = QStringLiteral("Duct exit");
using Column = form_runtime::TableColumn;
using Format = form_runtime::TableColumn::Format;
inline const Column kPlaceColumns[] = {
    {QStringLiteral("M"), QStringLiteral("Mach number M"), Format::Shown},
    {QStringLiteral("p/p01"), QStringLiteral("pressure ratio p over p01")},
    {QStringLiteral("T/T01"), QStringLiteral("temperature ratio T over T01")},
    {QStringLiteral("p0/p01"), QStringLiteral("stagnation pressure ratio p0 over p01")},
};
inline const QString kPlacesName = QStringLiteral("Places of the flow");

// The look-up tables: type any cell of the row.
inline const QString kAnyFanno = QStringLiteral("Any Fanno state");
inline const QString kAnyRayleigh = QStringLiteral("Any Rayleigh state");
inline const QString kOtherBranch = QStringLiteral("Same value, supersonic");
inline const QString kFannoName = QStringLiteral("Fanno look-up");
inline const QString kRayleighName = QStringLiteral("Rayleigh look-up");
inline const Column kFannoColumns[] = {
    {QStringLiteral("M"), QStringLiteral("Mach number M"), Format::Shown},
    {QStringLiteral("4fL*/D"), QStringLiteral("friction length to choking, 4 f L star over D")},
    {QStringLiteral("p/p*"), QStringLiteral("pressure ratio p over p star")},
    {QStringLiteral("T/T*"), QStringLiteral("temperature ratio T over T star")},
    {QStringLiteral("\u03c1/\u03c1*"), QStringLiteral("density ratio rho over rho star")},
    {QStringLiteral("V/V*"), QStringLiteral("velocity ratio V over V star")},
    {QStringLiteral("p0/p0*"), QStringLiteral("stagnation pressure ratio p0 over p0 star")},
    {QStringLiteral("(s\u2212s*)/R"), QStringLiteral("entropy s minus s star over R")},
};
inline const Column kRayleighColumns[] = {
    {QStringLiteral("M"), QStringLiteral("Mach number M"), Format::Shown},
    {QStringLiteral("T0/T0*"), QStringLiteral("stagnation temperature ratio T0 over T0 star")},
    {QStringLiteral("p/p*"), QStringLiteral("pressure ratio p over p star")},
    {QStringLiteral("T/T*"), QStringLiteral("temperature ratio T over T star")},
    {QStringLiteral("\u03c1/\u03c1*"), QStringLiteral("density ratio rho over rho star")},
    {QStringLiteral("V/V*"), QStringLiteral("velocity ratio V over V star")},
    {QStringLiteral("p0/p0*"), QStringLiteral("stagnation pressure ratio p0 over p0 star")},
    {QStringLiteral("(s\u2212s*)/R"), QStringLiteral("entropy s minus s star over R")},
};
inline const QString kLookUpHelp =
    QStringLiteral("Type a value into any cell of a row \u201cAny \u2026 state\u201d to get the rest of the row; where two "
                   "Mach numbers share it, the subsonic one, and the supersonic one below it.");
inline QString noState(const QString &table, const QString &column, const QString &typed)
{
    return QStringLiteral("No %1 state has %2 = %3.").arg(table, column, typed);
}
inline QString beyondRange(const QString &column, const QString &typed)
{
    return QStringLiteral("%1 = %2 gives a state whose ratios lie beyond the range of numbers.").arg(column, typed);
}
inline const QString kChartName = QStringLiteral("Pressure along the nozzle and the duct");
inline const QString kChartFile = QStringLiteral("duct-pressure");
inline const QString kTsChartName = QStringLiteral("T-s diagram of the duct");
inline const QString kTsChartFile = QStringLiteral("duct-ts");
inline const QString kCopyTables = QStringLiteral("Copy tables");

} // namespace duct_window::texts
