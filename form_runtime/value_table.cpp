#include "form_runtime/value_table.h"

#include "form_runtime/csv_file.h"
#include "form_runtime/text_box.h"

#include <QApplication>
#include <QStringList>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <map>

namespace form_runtime {

ValueTable::ValueTable(std::vector<TableColumn> columns, QObject *parent)
    : QAbstractTableModel(parent), columns_(std::move(columns))
{
    shareDecimals();
}

void ValueTable::setRows(std::vector<TableRow> rows)
{
    refused_.reset();
    const int was = rowCount(), now = int(rows.size());
    if (now < was) {
        beginRemoveRows({}, now, was - 1);
        rows_.resize(std::size_t(now));
        endRemoveRows();
    }
    if (now > was) {
        beginInsertRows({}, was, now - 1);
        rows_.resize(std::size_t(now));
        endInsertRows();
    }
    rows_ = std::move(rows);
    shareDecimals();
    if (!rows_.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    }
}

void ValueTable::refuse(int column, const QString &typed, const QString &why)
{
    if (!lookUp_ || rows_.empty())
        return;
    const int row = lookUpRow_ < 0 ? rowCount() - 1 : lookUpRow_;
    refused_ = Refused{column, typed, why};
    emit dataChanged(index(row, column), index(row, column));
}

void ValueTable::setColumns(std::vector<TableColumn> columns)
{
    beginResetModel();
    columns_ = std::move(columns);
    rows_.clear();
    shareDecimals();
    endResetModel();
}

void ValueTable::setHeader(int column, const QString &shown, const QString &spoken)
{
    TableColumn &c = columns_.at(std::size_t(column));
    if (c.shown == shown && c.spoken == spoken)
        return;
    c.shown = shown;
    c.spoken = spoken;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

namespace {

bool inExponentForm(double v)
{
    return v != 0 && (std::fabs(v) < 1e-4 || std::fabs(v) >= 1e7);
}

// The decimals a figure needs in fixed form: its significant digits beyond
// those before the point, and at least `least`.
int decimalsFor(double v, int significant, int least)
{
    const int magnitude = v == 0 ? 0 : int(std::floor(std::log10(std::fabs(v))));
    return std::max(least, significant - 1 - magnitude);
}

} // namespace

void ValueTable::shareDecimals()
{
    decimals_.assign(columns_.size(), 0);
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        int significant = 0, least = 0;
        switch (columns_[c].format) {
        case TableColumn::Format::Shown: least = 4; break;
        case TableColumn::Format::Degrees: least = 2; break;
        case TableColumn::Format::Ratio: significant = least = 4; break;
        case TableColumn::Format::Measure: significant = 6; break;
        case TableColumn::Format::Figure: break; // each figure its own
        }
        int decimals = least;
        if (significant > 0)
            for (const TableRow &row : rows_)
                if (c < row.values.size() && std::isfinite(row.values[c]) && !inExponentForm(row.values[c]))
                    decimals = std::max(decimals, decimalsFor(row.values[c], significant, least));
        decimals_[c] = decimals;
    }
}

QString ValueTable::shownText(int column, double v) const
{
    const TableColumn::Format format = columns_[std::size_t(column)].format;
    QString text;
    if (format == TableColumn::Format::Figure)
        text = QString::number(v, 'g', 6);
    else if (inExponentForm(v) && format != TableColumn::Format::Degrees)
        text = QString::number(v, 'e', format == TableColumn::Format::Measure ? 5 : 3);
    else
        text = QString::number(v, 'f', decimals_[std::size_t(column)]);
    return text.replace(QLatin1Char('-'), QChar(0x2212));
}

double ValueTable::value(int row, int column) const
{
    const std::vector<double> &values = rows_[std::size_t(row)].values;
    return std::size_t(column) < values.size() ? values[std::size_t(column)] : NAN;
}

QString ValueTable::text(const QString &header, QChar separator) const
{
    QString text = csvCell(header, separator);
    for (const TableColumn &column : columns_)
        text += separator + csvCell(column.shown, separator);
    text += QLatin1Char('\n');
    for (int r = 0; r < rowCount(); ++r) {
        text += csvCell(rows_[std::size_t(r)].name, separator);
        for (int c = 0; c < columnCount(); ++c)
            text += separator + unroundedText(value(r, c));
        text += QLatin1Char('\n');
    }
    return text;
}

QString ValueTable::cellsText(const QModelIndexList &cells) const
{
    std::map<int, std::map<int, QString>> byRow;
    for (const QModelIndex &i : cells)
        byRow[i.row()][i.column()] = unroundedText(value(i.row(), i.column()));
    QString text;
    for (const auto &[r, columns] : byRow) {
        QStringList line;
        for (const auto &[c, v] : columns)
            line << v;
        text += line.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

int ValueTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int ValueTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant ValueTable::data(const QModelIndex &index, int role) const
{
    if (refused_ && refused_->column == index.column() && isLookUpRow(index.row())) {
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: return refused_->typed;
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole: return refused_->why;
        case Qt::DecorationRole:
            if (qobject_cast<QApplication *>(QCoreApplication::instance()))
                return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
            return {}; // no widgets, no icon: the tooltip says why
        }
    }
    const double v = value(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
        if (std::isnan(v))
            return QString();
        if (std::isinf(v))
            return v > 0 ? QStringLiteral("\u221e") : QStringLiteral("\u2212\u221e");
        return shownText(index.column(), v);
    case Qt::EditRole:
        return unroundedText(v);
    case Qt::ToolTipRole:
        if (index.column() == 0 && !rows_[std::size_t(index.row())].note.isEmpty())
            return unroundedText(v) + QLatin1Char('\n') + rows_[std::size_t(index.row())].note;
        return unroundedText(v);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant ValueTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section < columnCount()) {
        if (role == Qt::DisplayRole)
            return columns_[std::size_t(section)].shown;
        if (role == Qt::AccessibleTextRole || role == Qt::ToolTipRole)
            return columns_[std::size_t(section)].spoken;
    } else if (orientation == Qt::Vertical && section < rowCount() &&
               (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)) {
        return rows_[std::size_t(section)].name;
    }
    return {};
}

Qt::ItemFlags ValueTable::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (isLookUpRow(index.row()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool ValueTable::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !isLookUpRow(index.row()))
        return false;
    const QString typed = value.toString().trimmed();
    if (typed == data(index, Qt::EditRole).toString())
        return false; // left as it was
    return lookUp_(index.column(), typed);
}

} // namespace form_runtime
