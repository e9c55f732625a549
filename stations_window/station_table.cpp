#include "stations_window/station_table.h"

#include "nozzle_case/station_rows.h"

#include "form_runtime/csv_file.h"
#include "form_runtime/text_box.h"
#include "stations_window/texts.h"

#include <QLocale>

#include <cmath>
#include <limits>
#include <map>

namespace stations_window {

namespace {

using nozzle_case::cellValue;
constexpr int kM = 0, kA = 1, kAAs = 2, kMu = 9, kNu = 10, kColumns = 11;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();


QString shown(int column, double v)
{
    if (std::isnan(v))
        return {};
    if (std::isinf(v))
        return v > 0 ? QStringLiteral("\u221e") : QStringLiteral("\u2212\u221e");
    if (column == kM || column == kA)
        return form_runtime::shownText(v);
    if (column == kMu || column == kNu)
        return QString::number(v, 'f', 2);
    return form_runtime::ratioText(v);
}


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
    return QStringLiteral("between 0 and %1, both left out")
        .arg(QString::number(flow::upperLimit(flow::Quantity(column - 1), gas), 'g', 4));
}

} // namespace

StationTable::StationTable(QObject *parent)
    : QAbstractTableModel(parent), gas_(flow::gasConstants()), As_(kNaN)
{
}

void StationTable::setGas(const flow::GasConstants &gas)
{
    if (gas.k == gas_.k)
        return;
    beginResetModel();
    gas_ = gas;
    stations_.clear();
    As_ = kNaN;
    input_.reset();
    found_.reset();
    endResetModel();
}

void StationTable::setStations(std::vector<StationRow> stations, double As)
{
    // The same stations as before with new values only change the cells (the
    // rows' names go with their number); a different number changes the rows.
    const bool sameRows = stations.size() == stations_.size();
    if (!sameRows)
        beginResetModel();
    stations_ = std::move(stations);
    As_ = As;
    // The look-up's area follows the new throat; an area below it has no station now.
    if (input_ && !lookUp(input_->first, input_->second)) {
        input_.reset();
        found_.reset();
    }
    if (!sameRows)
        endResetModel();
    else
        emit dataChanged(index(0, 0), index(lookUpRow(), kColumns - 1));
}

void StationTable::setBranch(flow::Branch branch)
{
    branch_ = branch;
    if (input_ && (input_->first == kA || input_->first == kAAs) && lookUp(input_->first, input_->second))
        emit dataChanged(index(lookUpRow(), 0), index(lookUpRow(), kColumns - 1));
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

const StationRow *StationTable::row(int r) const
{
    if (r < lookUpRow())
        return &stations_[std::size_t(r)];
    return found_ ? &*found_ : nullptr;
}

QString StationTable::cellsText(const QModelIndexList &cells) const
{
    std::map<int, std::map<int, QString>> byRow;
    for (const QModelIndex &i : cells)
        if (const StationRow *r = row(i.row()))
            byRow[i.row()][i.column()] = form_runtime::unroundedText(cellValue(*r, i.column()));
    QString text;
    for (const auto &[r, columns] : byRow) {
        QStringList line;
        for (const auto &[c, value] : columns)
            line << value;
        text += line.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

int StationTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : lookUpRow() + 1;
}

int StationTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant StationTable::data(const QModelIndex &index, int role) const
{
    const StationRow *r = row(index.row());
    if (!r)
        return {};
    const double v = cellValue(*r, index.column());
    switch (role) {
    case Qt::DisplayRole:
        return shown(index.column(), v);
    case Qt::EditRole:
        return form_runtime::unroundedText(v);
    case Qt::ToolTipRole:
        if (index.column() == kM && !r->note.isEmpty())
            return form_runtime::unroundedText(v) + QLatin1Char('\n') + r->note;
        return form_runtime::unroundedText(v);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant StationTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section < kColumns) {
        const texts::Column &c = texts::kColumns[section];
        if (role == Qt::DisplayRole)
            return c.shown;
        if (role == Qt::AccessibleTextRole || role == Qt::ToolTipRole)
            return c.spoken;
    } else if (orientation == Qt::Vertical && (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)) {
        return section < lookUpRow() ? stations_[std::size_t(section)].name : texts::kAnyStation;
    }
    return {};
}

Qt::ItemFlags StationTable::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.row() == lookUpRow())
        f |= Qt::ItemIsEditable;
    return f;
}

bool StationTable::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || index.row() != lookUpRow())
        return false;
    const QString typed = value.toString().trimmed();
    if (typed.isEmpty() || (found_ && typed == data(index, Qt::EditRole).toString()))
        return false; // left as it was
    bool ok = false;
    const double v = QLocale::c().toDouble(typed, &ok);
    const int column = index.column();
    QString problem;
    if (!ok)
        problem = texts::notANumber(typed);
    else if (column == kA && std::isnan(As_))
        problem = texts::areaNeedsAThroat();
    else if (!lookUp(column, v))
        problem = texts::noStation(texts::kColumns[column].shown, typed, range(column, As_, gas_));
    if (problem.isEmpty())
        emit dataChanged(this->index(lookUpRow(), 0), this->index(lookUpRow(), kColumns - 1));
    emit lookedUp(problem);
    return problem.isEmpty();
}

// Fills the look-up row from `value` in `column`; false when no station has it.
bool StationTable::lookUp(int column, double value)
{
    const double ratio = column == kA ? value / As_ : value;
    const flow::Quantity quantity = column == kA ? flow::Quantity::A_As : flow::Quantity(std::max(0, column - 1));
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
