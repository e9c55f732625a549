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
    return QStringLiteral("The iterate's shown digits are not the root's: %1 against the root %2.").arg(iterate, root);
}
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
                                      "wall inside the nozzle.")
                           .arg(ratio)
                     : QStringLiteral("Summerfield's test: pe/pb = %1, not below 0.4: the jet stays on the wall.")
                           .arg(ratio);
}
inline const QString kNoReservoir =
    QStringLiteral("Give p0, T0 and R in the Reservoir panel for the stations and the thrust in units.");

} // namespace working_window::texts
