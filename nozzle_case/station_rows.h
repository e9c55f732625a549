#pragma once

// The stations of a completed solution as rows of the isentropic table, and
// that table as text: what the Stations panel shows and Copy results carries.

#include "flow/gas_constants.h"
#include "flow/isentropic.h"
#include "nozzle_case/nozzle_case.h"

#include <QString>

#include <optional>
#include <vector>

namespace nozzle_case {

// A station: its name, its area and its isentropic state; and, where the
// main window shows another Mach number for it, a line that says so.
struct StationRow {
    QString name;
    double A;
    flow::IsentropicState state;
    QString note;
};

// The root of A2/A* on a branch, where the main window iterated for it: the
// root, and whether the iterate shows it (its shown digits are the root's),
// with both as shown. None where A2/A* has no root on the branch.
struct BranchRoot {
    double root;
    bool shownByIterate;
    QString rootShown, iterateShown;
};
std::optional<BranchRoot> branchRoot(double iterate, double A2_As, flow::Branch branch, const flow::GasConstants &gas);

// A station's Mach number as every place outside the main window's result
// boxes shows it: for a station 2 that the iteration found, the root of
// A2/A* on its branch; otherwise (and where A2/A* has no root) its own M.
double exactMach(const NozzleCase::Station &station, double A2_As, const flow::GasConstants &gas);

// The rows of a completed solution's stations in the gas. A station 2 that the
// main window's iteration found is solved exactly from A2/A*, so that its M,
// A and A/A* agree; where the iteration showed another M, its row says so.
std::vector<StationRow> stationRows(const NozzleCase::Solution &solution, const flow::GasConstants &gas);

// The table as text for a report or a spreadsheet: a header line, then a
// line for each row, the cells separated by `separator` and holding the
// unrounded values (empty where a quantity does not exist). A cell that holds
// the separator or a quotation mark is quoted, as CSV wants it. The area
// column's header names `areaUnit` when it is given.
QString tableText(const std::vector<StationRow> &rows, QChar separator, const QString &areaUnit = {});

// A row's value in a column of the table (A, or a quantity of its state).
double cellValue(const StationRow &row, int column);

} // namespace nozzle_case
