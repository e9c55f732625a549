#pragma once

#include <QString>

// Every text the shell shows, spelled as the user sees it.
namespace workspace::texts {

// The menu bar's items of the shell, with their mnemonics (Alt and the
// underlined letter); About and Gas are the form's.
inline const QString kStations = QStringLiteral("&Stations");
inline const QString kBackPressure = QStringLiteral("&Back pressure");
inline const QString kReservoir = QStringLiteral("&Reservoir");
inline const QString kDuct = QStringLiteral("&Duct");
inline const QString kWorking = QStringLiteral("&Working");
inline const QString kView = QStringLiteral("&View");
inline const QString kZoomIn = QStringLiteral("Zoom in");
inline const QString kZoomOut = QStringLiteral("Zoom out");
inline const QString kActualSize = QStringLiteral("Actual size");
// The panels' titles.
inline const QString kStationsPanel = QStringLiteral("Stations");
inline const QString kBackPressurePanel = QStringLiteral("Back pressure");
inline const QString kReservoirPanel = QStringLiteral("Reservoir");
inline const QString kDuctPanel = QStringLiteral("Duct");
inline const QString kWorkingPanel = QStringLiteral("Working");
// The item every chart's context menu ends with.
inline const QString kOpenLarge = QStringLiteral("Open large");

} // namespace workspace::texts
