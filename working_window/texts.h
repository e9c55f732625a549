#pragma once

#include <QString>

// Every text the Working panel shows, spelled as the user sees it.
namespace working_window::texts {

inline const QString kTitle = QStringLiteral("Working");
inline const QString kViewName = QStringLiteral("Working");
inline const QString kViewSpoken = QStringLiteral(
    "The working: each result with its relation, the numbers put in and the result as shown");
inline const QString kCopyWorking = QStringLiteral("Copy working");
inline const QString kCopyLatex = QStringLiteral("Copy as LaTeX");
inline const QString kSaveWorking = QStringLiteral("Save working\u2026");
inline const QString kSaveTitle = QStringLiteral("Save working");
inline const QString kPageFilter = QStringLiteral("Web page (*.html)");
inline const QString kPageTitle = QStringLiteral("Ventrolex: the working");
inline QString notSaved(const QString &file, const QString &why)
{
    return QStringLiteral("The working was not saved to %1: %2").arg(file, why);
}

// The sections, in the order a student solves.
inline const QString kNozzle = QStringLiteral("The nozzle");
inline const QString kStations = QStringLiteral("The stations");
inline const QString kInSI = QStringLiteral("The reservoir in SI units");
inline const QString kBackPressure = QStringLiteral("The back pressure");
inline const QString kPerformance = QStringLiteral("The performance");
inline const QString kLip = QStringLiteral("The exit lip");
inline const QString kLookUps = QStringLiteral("The look-ups");
inline const QString kDuct = QStringLiteral("The nozzle into the duct");
inline QString ductGiven(const QString &Ae, bool heat, const QString &amount, const QString &pb)
{
    return QStringLiteral("The Duct panel's nozzle, Ae/At = %1, into a duct with %2, at pb/p01 = %3.")
        .arg(Ae, heat ? QStringLiteral("heat added, T02/T01 = %1").arg(amount) : QStringLiteral("friction, 4fL/D = %1").arg(amount), pb);
}
inline QString ductInlet(const QString &M, const QString &p)
{
    return QStringLiteral("At the duct's inlet (subscript i), from the nozzle: M = %1, p/p01 = %2.").arg(M, p);
}
inline QString ductMach(const QString &at, const QString &level, const QString &M)
{
    return QStringLiteral("Where the line's level is %2, at %1 M = %3 (found by search on the same branch).").arg(at, level, M);
}
inline QString ductChoked(const QString &at) { return QStringLiteral("At %1 the stream is sonic: M = 1.").arg(at); }
inline QString ductMassFlow(const QString &ratio)
{
    return QStringLiteral("The mass flow is %1 of the nozzle's choked flow.").arg(ratio);
}
inline const QString kIsentropicTable = QStringLiteral("isentropic table (Stations)");
inline const QString kNormalShockTable = QStringLiteral("normal shock (Back pressure)");
inline QString lookedUp(const QString &table, const QString &column, const QString &value)
{
    return QStringLiteral("In the %1 look-up row, %2 = %3 was typed.").arg(table, column, value);
}
inline QString foundBySearch(const QString &branch, const QString &M)
{
    return QStringLiteral("On the %1 branch it lies at M = %2 (found by search).").arg(branch, M);
}
inline QString shockMachOf(const QString &column, const QString &M)
{
    return QStringLiteral("A normal shock has that %1 where M1 = %2 (found by search).").arg(column, M);
}
inline QString obliqueLookedUp(const QString &M1, const QString &column, const QString &value, const QString &beta)
{
    return QStringLiteral("In the oblique shock's look-up row (Back pressure), M1 = %1 and %2 = %3 were typed: the "
                          "shock stands at \u03b2 = %4\u00b0.")
        .arg(M1, column, value, beta);
}
inline QString mostDeflection(const QString &theta, const QString &beta)
{
    return QStringLiteral("At this Me an attached shock turns the jet by at most \u03b8max = %1\u00b0 (at \u03b2 = "
                          "%2\u00b0, in closed form): the shock stands on the weak branch, below it.")
        .arg(theta, beta);
}
inline QString machDisc(const QString &theta, const QString &beta)
{
    return QStringLiteral("This \u03b2 lies beyond that of \u03b8max = %1\u00b0 (\u03b2 = %2\u00b0): no simple lip "
                          "shock stands; the shocks meet in a Mach disc.")
        .arg(theta, beta);
}

inline const QString kNothingSolved = QStringLiteral("Solve the nozzle in the main window: its working appears here.");
inline QString gasLine(const QString &name) { return QStringLiteral("The gas: %1.").arg(name); }
inline QString iterationStart(const QString &branch) { return QStringLiteral("The %1 iteration starts at M = 1.").arg(branch); }
inline QString iterationSteps(int steps, const QString &before, const QString &last, bool settled)
{
    return settled ? QStringLiteral("It settles after %1 steps: the last two iterates are %2 and %3, less than 0.0001 apart.")
                         .arg(steps)
                         .arg(before, last)
                   : QStringLiteral("It does not settle in %1 steps: the last two iterates are %2 and %3.")
                         .arg(steps)
                         .arg(before, last);
}
inline QString iterateIsNotRoot(const QString &iterate, const QString &root)
{
    return QStringLiteral("The iteration stopped at %1, once a step was under 0.0001; the root of A2/A* is %2, as the "
                          "other panels show it.")
        .arg(iterate, root);
}
inline const QString kExitMachClosedForm = QStringLiteral(
    "Behind the shock the flow is isentropic to the exit at p02, so P = (pb/p01)(Ae/At) = (pe/p02)(Ae/A2*), a "
    "function of Me alone that gives it in closed form.");
inline QString stationHeading(const QString &name, const QString &M) { return QStringLiteral("%1, M = %2:").arg(name, M); }
inline QString branchMach(const QString &branch, const QString &Ae_At, const QString &M)
{
    return QStringLiteral("On the %1 branch, A/A* = Ae/At = %2 at M = %3 (found by search).").arg(branch, Ae_At, M);
}
inline QString shockMach(const QString &p02, const QString &M)
{
    return QStringLiteral("A normal shock has p02/p01 = %1 where the Mach number before it is M = %2 (found by "
                          "search on M > 1).")
        .arg(p02, M);
}
inline QString separation(const QString &ratio, bool separates)
{
    return separates ? QStringLiteral("Summerfield's test: pe/pb = %1, below 0.4: the jet likely separates from the "
                                      "wall inside the nozzle, and F and Isp above, which take it attached, are not "
                                      "to be trusted.")
                           .arg(ratio)
                     : QStringLiteral("Summerfield's test: pe/pb = %1, not below 0.4: the jet stays on the wall.")
                           .arg(ratio);
}
inline const QString kNoReservoir =
    QStringLiteral("Give p0, T0 and R in the Reservoir panel for the stations and the thrust in units.");

} // namespace working_window::texts
