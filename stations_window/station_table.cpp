#include "stations_window/station_table.h"

#include "nozzle_case/station_rows.h"

#include "form_runtime/text_box.h"
#include "form_runtime/typed_number.h"
#include "stations_window/texts.h"

#include <QLocale>
#include <QStringList>

#include <cmath>
#include <limits>

namespace stations_window {

namespace {

using nozzle_case::cellValue;
constexpr int kM = 0, kA = 1, kAAs = 2, kPP0 = 3, kRhoRho0 = 5, kMu = 9, kNu = 10, kColumns = 11;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Where a quantity's stations lie, for the line that says a value has none.
QString range(int column, double As, const flow::GasConstants &gas)
{
    switch (column) {
    case kM: return QStringLiteral("above 0");
    case kA: return QStringLiteral("at or above A* = %1").arg(form_runtime::shownText(As));
    case kAAs: return QStringLiteral("at or above 1");
    case kMu: return QStringLiteral("above 0\u00b0 and up to 90\u00b0");
    case kNu:
        return QStringLiteral("from 0\u00b0 up to, not at, its limit of %1\u00b0")
            .arg(QString::number(flow::upperLimit(flow::Quantity::nu, gas), 'f', 2));
    }
    if (column >= kPP0 && column <= kRhoRho0)
        return QStringLiteral("above 0 and up to 1, the gas at rest");
    return QStringLiteral("between 0 and %1, both left out")
        .arg(QString::number(flow::upperLimit(*nozzle_case::texts::kColumnQuantities[column], gas), 'g', 4));
}

} // namespace

StationTable::StationTable(QObject *parent)
    : ValueTable({std::begin(texts::kColumns), std::end(texts::kColumns)}, parent), gas_(flow::gasConstants()),
      As_(kNaN)
{
    setLookUp([this](int column, const QString &typed) { return lookUpTyped(column, typed); });
    showRows();
}

// The stations, then the look-up row, blank until it finds a station.
void StationTable::showRows()
{
    std::vector<form_runtime::TableRow> shown;
    const auto values = [](const StationRow &row) {
        std::vector<double> v(kColumns);
        for (int c = 0; c < kColumns; ++c)
            v[std::size_t(c)] = cellValue(row, c);
        return v;
    };
    for (const StationRow &station : stations_)
        shown.push_back({station.name, values(station), station.note});
    shown.push_back({texts::kAnyStation, found_ ? values(*found_) : std::vector<double>(kColumns, kNaN), {}});
    setRows(std::move(shown));
}

void StationTable::setGas(const flow::GasConstants &gas)
{
    if (gas.k == gas_.k)
        return;
    gas_ = gas;
    stations_.clear();
    As_ = kNaN;
    input_.reset();
    found_.reset();
    showRows();
}

void StationTable::setStations(std::vector<StationRow> stations, double As)
{
    stations_ = std::move(stations);
    As_ = As;
    // The look-up's area follows the new throat; an area below it has no station now.
    if (input_ && !lookUp(input_->first, input_->second)) {
        input_.reset();
        found_.reset();
    }
    showRows();
}

void StationTable::setBranch(flow::Branch branch)
{
    branch_ = branch;
    if (input_ && (input_->first == kA || input_->first == kAAs) && lookUp(input_->first, input_->second))
        showRows();
}

std::vector<StationRow> StationTable::rows() const
{
    std::vector<StationRow> all = stations_;
    if (found_)
        all.push_back(*found_);
    return all;
}

QString StationTable::notes() const
{
    QStringList lines;
    for (const StationRow &station : stations_)
        if (!station.note.isEmpty())
            lines << station.note;
    return lines.join(QLatin1Char('\n'));
}

bool StationTable::lookUpTyped(int column, const QString &typed)
{
    const form_runtime::TypedNumber v = form_runtime::readTyped(texts::kColumns[column].shown, typed);
    QString problem = v.problem;
    if (v.value && column == kA && std::isnan(As_))
        problem = texts::areaNeedsAThroat();
    else if (v.value && !lookUp(column, *v.value))
        problem = texts::noStation(texts::kColumns[column].shown, typed, range(column, As_, gas_));
    if (!problem.isEmpty()) {
        // Nothing of the station found before stands beside what was typed.
        input_.reset();
        found_.reset();
    }
    showRows();
    if (!problem.isEmpty())
        refuse(column, typed, problem);
    emit lookedUp(problem);
    return problem.isEmpty();
}

// Fills the look-up row from `value` in `column`; false when no station has it.
bool StationTable::lookUp(int column, double value)
{
    const double ratio = column == kA ? value / As_ : value;
    const flow::Quantity quantity = nozzle_case::texts::kColumnQuantities[column].value_or(flow::Quantity::A_As);
    const std::optional<double> M = flow::machFrom(quantity, ratio, branch_, gas_);
    if (!M)
        return false;
    StationRow found{texts::kAnyStation, kNaN, flow::isentropicState(*M, gas_), {}};
    found.state[quantity] = ratio; // the value typed stands as typed; the rest follows from M
    found.A = column == kA ? value : As_ * found.state.A_As;
    input_ = {column, value};
    found_ = found;
    return true;
}

} // namespace stations_window
