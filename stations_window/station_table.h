#pragma once

// The Stations panel's table: one row for each station of the last
// completed solution and a look-up row, "Any station", where a value typed
// into any one column gives the rest of the row.

#include "flow/gas_constants.h"
#include "flow/isentropic.h"
#include "form_runtime/value_table.h"
#include "nozzle_case/station_rows.h"

#include <optional>
#include <vector>

namespace stations_window {

using nozzle_case::StationRow;

class StationTable : public form_runtime::ValueTable {
    Q_OBJECT

public:
    explicit StationTable(QObject *parent = nullptr);

    // The stations of a new solution, whose throat area is As.
    void setStations(std::vector<StationRow> stations, double As);
    // The gas the look-ups use; the rows and the look-up of another gas go.
    void setGas(const flow::GasConstants &gas);
    bool hasStations() const { return !stations_.empty(); }
    // Which branch a look-up from A/A* (or A) takes; a look-up made is made again.
    void setBranch(flow::Branch branch);
    int lookUpRow() const { return int(stations_.size()); }
    // Every row, the look-up row when it holds a station.
    std::vector<StationRow> rows() const;
    // The look-up's column and value, and the station it found.
    const std::optional<std::pair<int, double>> &lookUpInput() const { return input_; }
    const std::optional<StationRow> &lookUpFound() const { return found_; }
    flow::Branch branch() const { return branch_; }
    // The rows' notes, one a line.
    QString notes() const;

signals:
    // A look-up has been made: `problem` is empty when it found its station,
    // else one line that says why there is none (and the row is as it was).
    void lookedUp(const QString &problem);

private:
    bool lookUpTyped(int column, const QString &typed);
    bool lookUp(int column, double value);
    void showRows();

    flow::GasConstants gas_;
    std::vector<StationRow> stations_;
    double As_;
    flow::Branch branch_ = flow::Branch::Subsonic;
    std::optional<std::pair<int, double>> input_; // the look-up's column and value
    std::optional<StationRow> found_;
};

} // namespace stations_window
