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

// The one line for inputs that make no nozzle: each names the box and what
// was typed.
inline const QString kAeAtName = QStringLiteral("Ae/At");
inline const QString kPbP01Name = QStringLiteral("pb/p01");
inline const QString kPbName = QStringLiteral("pb");
inline QString noDivergingPart(const QString &Ae)
{
    return QStringLiteral("Ae/At = %1 is below 1: the exit is never narrower than the throat.").arg(Ae);
}
inline QString negative(const QString &box, const QString &value)
{
    return QStringLiteral("%1 = %2 is negative: a pressure is never below 0.").arg(box, value);
}
inline QString ratioAboveOne(const QString &ratio)
{
    return QStringLiteral("pb/p01 = %1 is above 1: the back pressure is at most the reservoir's.").arg(ratio);
}
inline QString pbAboveP0(const QString &pb, const QString &p0)
{
    return QStringLiteral("pb = %1 is above p0 = %2: the back pressure is at most the reservoir's.").arg(pb, p0);
}
inline QString pbNeedsP0(const QString &pb)
{
    return QStringLiteral("pb = %1 needs the reservoir's p0: give p0, T0 and R in the Reservoir panel, or type pb/p01.")
        .arg(pb);
}

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

// At the exit lip of an over- or underexpanded nozzle.
inline const QString kLipTableName = QStringLiteral("Exit lip table");
inline const QString kLipHeader = QStringLiteral("At the exit lip");
inline const Column kLipColumns[] = {
    {QStringLiteral("Angle (°)"), QStringLiteral("angle to the jet's axis, degrees"), Format::Degrees},
    {QStringLiteral("Turn (°)"), QStringLiteral("turn of the flow, degrees"), Format::Degrees},
    {QStringLiteral("M beyond"), QStringLiteral("Mach number beyond the wave"), Format::Shown},
    {QStringLiteral("p/p01 beyond"), QStringLiteral("pressure beyond the wave over p01")},
};
inline const QString kLipShock = QStringLiteral("Oblique shock");
inline const QString kLipMost = QStringLiteral("θmax at Me");
inline const QString kFanFirst = QStringLiteral("Fan, first wave");
inline const QString kFanLast = QStringLiteral("Fan, last wave");
inline const QString kLipInward = QStringLiteral("The shock turns the jet inward, towards its axis.");
inline const QString kLipOutward = QStringLiteral("The fan turns the jet outward, away from its axis.");
inline QString lipShockLine(const QString &beta, const QString &theta)
{
    return QStringLiteral("At the exit lip: an oblique shock at %1° to the axis raises the jet from pe to pb "
                          "and turns it %2° inward.")
        .arg(beta, theta);
}
inline QString machDiscLine(const QString &betaOfMost)
{
    return QStringLiteral("At the exit lip: the shock would stand beyond %1°, the β of θmax, on the "
                          "strong branch. A simple lip shock cannot stand there: the shocks meet in a Mach disc.")
        .arg(betaOfMost);
}
inline QString fanLine(const QString &turn)
{
    return QStringLiteral("At the exit lip: a Prandtl–Meyer fan lowers the jet from pe to pb and turns it "
                          "%1° outward.")
        .arg(turn);
}
inline QString vacuumLine(const QString &turn)
{
    return QStringLiteral("At the exit lip: into a vacuum, a Prandtl–Meyer fan turns the jet %1° outward, "
                          "to the largest turn the gas has.")
        .arg(turn);
}
inline const QString kDesignLip = QStringLiteral("At the exit lip: no wave; the jet leaves at pb, straight.");
inline const QString kLipChartName = QStringLiteral("Exit lip sketch");
inline const QString kLipChartFile = QStringLiteral("exit-lip");

// The oblique-shock look-up.
inline const QString kObliqueTableName = QStringLiteral("Oblique shock table");
inline const QString kObliqueHeader = QStringLiteral("Oblique shock");
inline const Column kObliqueColumns[] = {
    {QStringLiteral("M1"), QStringLiteral("Mach number before the shock, M1"), Format::Shown},
    {QStringLiteral("θ (°)"), QStringLiteral("deflection theta, degrees"), Format::Degrees},
    {QStringLiteral("β (°)"), QStringLiteral("shock angle beta, degrees"), Format::Degrees},
    {QStringLiteral("p2/p1"), QStringLiteral("pressure ratio p2 over p1")},
    {QStringLiteral("M2"), QStringLiteral("Mach number behind the shock, M2"), Format::Shown},
    {QStringLiteral("T2/T1"), QStringLiteral("temperature ratio T2 over T1")},
    {QStringLiteral("ρ2/ρ1"), QStringLiteral("density ratio rho2 over rho1")},
    {QStringLiteral("p02/p01"), QStringLiteral("stagnation pressure ratio p02 over p01")},
};
enum ObliqueColumn { kObliqueM1, kObliqueTheta, kObliqueBeta, kObliqueP };
inline const QString kAnyOblique = QStringLiteral("Any oblique shock");
inline const QString kStrong = QStringLiteral("Strong solution");
inline const QString kMostOblique = QStringLiteral("θmax at this M1");
inline const QString kObliqueHelp = QStringLiteral(
    "Type M1 into the row “Any oblique shock”, then θ, β or p2/p1: the row gives the weak "
    "solution, the row under it the strong one, and the last row θmax for that M1.");
inline const QString kObliqueNeedsM1 = QStringLiteral("Type M1 first: the Mach number before the shock, above 1.");
inline const QString kObliqueTypeInto = QStringLiteral("Type M1, then θ, β or p2/p1: the other cells follow.");
inline QString obliqueM1Outside(const QString &typed)
{
    return QStringLiteral("No oblique shock has M1 = %1: M1 must be above 1.").arg(typed);
}
inline QString negativeTurn(const QString &theta)
{
    return QStringLiteral("θ = %1° is negative: the shock turns the flow by θ from 0° up to θmax; type it without its sign.")
        .arg(QString(theta).replace(QLatin1Char('-'), QChar(0x2212)));
}
inline QString standsOff(const QString &theta, const QString &most, const QString &M1)
{
    return QStringLiteral("No attached shock: θ = %1° is above θmax = %2° at M1 = %3; the shock "
                          "stands off.")
        .arg(theta, most, M1);
}
inline QString betaOutside(const QString &beta, const QString &mu, const QString &M1)
{
    return QStringLiteral("No oblique shock has β = %1° at M1 = %3: β lies from %2° (a Mach wave) "
                          "to 90° (a normal shock).")
        .arg(beta, mu, M1);
}
inline QString pressureOutside(const QString &p, const QString &normal, const QString &M1)
{
    return QStringLiteral("No oblique shock has p2/p1 = %1 at M1 = %3: p2/p1 lies from 1 (no shock) to %2 (the "
                          "normal shock).")
        .arg(p, normal, M1);
}

// In units.
inline const QString kPb = QStringLiteral("pb =");
inline const QString kPbSpoken = QStringLiteral("Back pressure pb, in its unit");
inline const QString kPbUnitSpoken = QStringLiteral("Unit of pb");
inline const QString kNozzleUnitsName = QStringLiteral("Nozzle table in units");
inline const QString kPerformanceName = QStringLiteral("Performance table");
inline const QString kPerformanceHeader = QStringLiteral("Performance");
inline const QString kAtPb = QStringLiteral("At pb");
inline const QString kAtPbSpoken = QStringLiteral("at the back pressure pb");
inline const QString kNoReservoir = QStringLiteral(
    "For pb and the figures in units, give p0, T0 and R in the Reservoir panel (Reservoir in the menu bar).");
inline const QString kNoThroatArea = QStringLiteral(
    "For the mass flow and the thrust, solve in the main window: they need its throat area A*.");
inline QString separation(const QString &pe_pb)
{
    return QStringLiteral(" The jet would likely separate from the wall (pe/pb = %1, below 0.4 by Summerfield's "
                          "criterion); the figures are those of the attached one-dimensional flow.")
        .arg(pe_pb);
}
inline QString saidInUnits(const QString &mdot, const QString &F)
{
    return QStringLiteral("Mass flow %1, thrust %2.").arg(mdot, F);
}
inline const QString kThrustChartName = QStringLiteral("Thrust coefficient chart");
inline const QString kThrustChartFile = QStringLiteral("thrust-coefficient");

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
