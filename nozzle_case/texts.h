#pragma once

#include "flow/duct_flow.h"
#include "flow/isentropic.h"
#include "form_runtime/value_table.h"

#include <QString>

#include <iterator>
#include <optional>

// The texts of the case that every window names alike: the gas the program
// starts with, the stations of a solution and the inputs it came from.
namespace nozzle_case::texts {

inline const QString kAir = QStringLiteral("Air, k = 1.4");
constexpr double kAirMolarMass = 28.9647; // g/mol
constexpr double kAirR = 8.314462618 / (kAirMolarMass / 1000); // J/(kg K), 287.05

inline const QString kStation1 = QStringLiteral("Station 1");
inline const QString kThroat = QStringLiteral("Throat");
inline const QString kStation2 = QStringLiteral("Station 2");
inline const QString kStation2Subsonic = QStringLiteral("Station 2, subsonic");
inline const QString kStation2Supersonic = QStringLiteral("Station 2, supersonic");

// Why no panel shows a throat after a solve the main window refused.
inline const QString kSolveRefused =
    QStringLiteral("No throat: the last solve in the main window was refused, so nothing of its nozzle is shown. "
                   "Solve again for these figures.");

// The solution the rows belong to, above the table.
inline QString fromMachSolve(const QString &M1, const QString &A1, const QString &A2)
{
    return QStringLiteral("From M1 = %1, A1 = %2, A2 = %3 (option M)").arg(M1, A1, A2);
}
inline QString fromAreaSolve(const QString &M1, const QString &A1, const QString &M2)
{
    return QStringLiteral("From M1 = %1, A1 = %2, M2 = %3 (option A2)").arg(M1, A1, M2);
}

// The isentropic table of a station: its columns, each as shown and as a
// screen reader says it.
inline const QString kStationHeader = QStringLiteral("Station");

using Column = form_runtime::TableColumn;
using Format = form_runtime::TableColumn::Format;
inline const Column kColumns[] = {
    {QStringLiteral("M"), QStringLiteral("Mach number M"), Format::Shown},
    {QStringLiteral("A"), QStringLiteral("area A")},
    {QStringLiteral("A/A*"), QStringLiteral("area ratio A over A star")},
    {QStringLiteral("p/p0"), QStringLiteral("pressure ratio p over p0")},
    {QStringLiteral("T/T0"), QStringLiteral("temperature ratio T over T0")},
    {QStringLiteral("\u03c1/\u03c10"), QStringLiteral("density ratio rho over rho0")},
    {QStringLiteral("p/p*"), QStringLiteral("pressure ratio p over p star")},
    {QStringLiteral("T/T*"), QStringLiteral("temperature ratio T over T star")},
    {QStringLiteral("\u03c1/\u03c1*"), QStringLiteral("density ratio rho over rho star")},
    {QStringLiteral("\u03bc (\u00b0)"), QStringLiteral("Mach angle mu, degrees"), Format::Degrees},
    {QStringLiteral("\u03bd (\u00b0)"), QStringLiteral("Prandtl-Meyer angle nu, degrees"), Format::Degrees},
};

// The quantity of the state each column shows; the area column (A itself,
// not a ratio) shows none.
inline constexpr std::optional<flow::Quantity> kColumnQuantities[] = {
    flow::Quantity::M,     std::nullopt,          flow::Quantity::A_As, flow::Quantity::p_p0,
    flow::Quantity::T_T0,  flow::Quantity::rho_rho0, flow::Quantity::p_ps, flow::Quantity::T_Ts,
    flow::Quantity::rho_rhos, flow::Quantity::mu,  flow::Quantity::nu,
};
static_assert(std::size(kColumnQuantities) == std::size(kColumns));

// The area column's header once a solution names the unit its areas were
// typed in: "A (cm²)".
inline constexpr int kAreaColumn = 1;
inline QString areaHeader(const QString &unit) { return QStringLiteral("A (%1)").arg(unit); }
inline QString areaHeaderSpoken(const QString &unit) { return QStringLiteral("area A, %1").arg(unit); }

// A row whose Mach number the main window shows otherwise.
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

// The regime of a nozzle into a duct, in one line, as the Duct and Working panels say it.
inline QString ductRegimeLine(flow::DuctRegime regime, const QString &shockPlace)
{
    using R = flow::DuctRegime;
    switch (regime) {
    case R::NoFlow: return QStringLiteral("No flow: pb equals p01.");
    case R::Subsonic: return QStringLiteral("Subsonic throughout; the duct's exit at pb.");
    case R::ChokedSubsonic: return QStringLiteral("The throat just choked; subsonic after it, the duct's exit at pb.");
    case R::ExitChoked:
        return QStringLiteral("The duct's exit is choked (M = 1): the duct lets less through than the nozzle could.");
    case R::ShockInNozzle: return QStringLiteral("Normal shock in the nozzle's diverging part, at %1.").arg(shockPlace);
    case R::ShockInDuct: return QStringLiteral("Normal shock in the duct, at %1.").arg(shockPlace);
    case R::Overexpanded: return QStringLiteral("Supersonic throughout; the jet is overexpanded at the duct's exit.");
    case R::Matched: return QStringLiteral("Supersonic throughout; the duct's exit at pb (matched).");
    case R::Underexpanded: return QStringLiteral("Supersonic throughout; the jet is underexpanded at the duct's exit.");
    }
    return {};
}

} // namespace nozzle_case::texts
