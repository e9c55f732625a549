#include "nozzle_case/station_rows.h"

#include "form_runtime/csv_file.h"
#include "form_runtime/text_box.h"
#include "nozzle_case/texts.h"

namespace nozzle_case {

namespace {

constexpr int kColumns = int(std::size(texts::kColumns));

} // namespace

double cellValue(const StationRow &row, int column)
{
    const std::optional<flow::Quantity> quantity = texts::kColumnQuantities[column];
    return quantity ? row.state[*quantity] : row.A;
}

namespace {

std::optional<double> exactRoot(const NozzleCase::Station &s, double A2_As, const flow::GasConstants &gas)
{
    return s.branch ? flow::machFrom(flow::Quantity::A_As, A2_As, *s.branch, gas) : std::nullopt;
}

} // namespace

std::optional<BranchRoot> branchRoot(double iterate, double A2_As, flow::Branch branch, const flow::GasConstants &gas)
{
    const std::optional<double> root = flow::machFrom(flow::Quantity::A_As, A2_As, branch, gas);
    if (!root)
        return std::nullopt;
    const QString rootShown = form_runtime::shownText(*root), iterateShown = form_runtime::shownText(iterate);
    return BranchRoot{*root, rootShown == iterateShown, rootShown, iterateShown};
}

double exactMach(const NozzleCase::Station &station, double A2_As, const flow::GasConstants &gas)
{
    return exactRoot(station, A2_As, gas).value_or(station.M);
}

std::vector<StationRow> stationRows(const NozzleCase::Solution &solution, const flow::GasConstants &gas)
{
    std::vector<StationRow> rows;
    for (const NozzleCase::Station &s : solution.stations) {
        const std::optional<BranchRoot> exact = s.branch ? branchRoot(s.M, solution.A2_As, *s.branch, gas) : std::nullopt;
        if (!exact) { // station 1, the throat, station 2 of option A2, or a ratio below 1 let through by a negative M1
            rows.push_back({s.name, s.A, flow::isentropicState(s.M, gas), {}});
            continue;
        }
        StationRow row{s.name, s.A, flow::isentropicState(exact->root, gas), {}};
        row.state.A_As = solution.A2_As;
        if (!exact->shownByIterate)
            row.note = s.settled ? texts::iterationStoppedEarly(s.name, exact->rootShown, exact->iterateShown)
                                 : texts::iterationDidNotSettle(s.name, exact->rootShown, exact->iterateShown);
        rows.push_back(std::move(row));
    }
    return rows;
}

QString tableText(const std::vector<StationRow> &rows, QChar separator, const QString &areaUnit)
{
    QString text = texts::kStationHeader;
    for (const texts::Column &column : texts::kColumns)
        text += separator + form_runtime::csvCell(&column == &texts::kColumns[texts::kAreaColumn] && !areaUnit.isEmpty()
                                                      ? texts::areaHeader(areaUnit)
                                                      : column.shown,
                                                  separator);
    text += QLatin1Char('\n');
    for (const StationRow &row : rows) {
        text += form_runtime::csvCell(row.name, separator);
        for (int c = 0; c < kColumns; ++c)
            text += separator + form_runtime::unroundedText(cellValue(row, c));
        text += QLatin1Char('\n');
    }
    return text;
}

} // namespace nozzle_case
