#pragma once

#include "form_runtime/texts.h"
#include "nozzle_case/texts.h"

#include <QString>

// Every text the Stations window shows, spelled as the user sees it.
namespace stations_window::texts {

using namespace form_runtime::texts;
using namespace nozzle_case::texts;

inline const QString kTitle = QStringLiteral("Stations");
inline QString gasLine(const QString &gas)
{
    return QStringLiteral("Perfect gas: %1. Ratios to the stagnation state (0) and to the sonic state (*); "
                          "the angles, in degrees, exist from M = 1 on.")
        .arg(gas);
}
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

// The look-up row's name.
inline const QString kAnyStation = QStringLiteral("Any station");

// The one line a look-up that finds no station shows.
inline QString noStation(const QString &column, const QString &typed, const QString &range)
{
    return QStringLiteral("No station has %1 = %2: %1 lies %3.").arg(column, quoted(typed), range);
}
inline QString areaNeedsAThroat()
{
    return QStringLiteral("The area needs a throat area: solve in the main window first, or type A/A*.");
}

inline const QString kUnitsTableName = QStringLiteral("Stations in units");
inline QString massFlow(const QString &mdot, const QString &As)
{
    return QStringLiteral("Mass flow \u1e41 = %1 through A* = %2, the same at every station.").arg(mdot, As);
}

} // namespace stations_window::texts
