#include "backpressure_window/value_table.h"

#include "form_runtime/csv_file.h"
#include "form_runtime/text_box.h"

#include <cmath>

namespace backpressure_window {

ValueTable::ValueTable(const texts::Column *columns, int count, QObject *parent)
    : QAbstractTableModel(parent), columns_(columns), count_(count)
{
}

void ValueTable::setRows(std::vector<ValueRow> rows)
{
    if (rows.size() == rows_.size()) {
        rows_ = std::move(rows);
        if (!rows_.empty()) {
            emit dataChanged(index(0, 0), index(rowCount() - 1, count_ - 1));
            emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
        }
        return;
    }
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

QString ValueTable::text(const QString &header, QChar separator) const
{
    QString text = form_runtime::csvCell(header, separator);
    for (int c = 0; c < count_; ++c)
        text += separator + form_runtime::csvCell(columns_[c].shown, separator);
    text += QLatin1Char('\n');
    for (const ValueRow &row : rows_) {
        text += form_runtime::csvCell(row.name, separator);
        for (double v : row.values)
            text += separator + form_runtime::unroundedText(v);
        text += QLatin1Char('\n');
    }
    return text;
}

int ValueTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int ValueTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count_;
}

QVariant ValueTable::data(const QModelIndex &index, int role) const
{
    const ValueRow &row = rows_[std::size_t(index.row())];
    const double v = std::size_t(index.column()) < row.values.size() ? row.values[std::size_t(index.column())] : NAN;
    switch (role) {
    case Qt::DisplayRole:
        if (std::isnan(v))
            return QString();
        if (std::isinf(v))
            return QStringLiteral("\u221e");
        return columns_[index.column()].shown.startsWith(QLatin1Char('M')) ? form_runtime::shownText(v)
                                                                           : form_runtime::ratioText(v);
    case Qt::EditRole:
    case Qt::ToolTipRole:
        return form_runtime::unroundedText(v);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant ValueTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section < count_) {
        if (role == Qt::DisplayRole)
            return columns_[section].shown;
        if (role == Qt::AccessibleTextRole || role == Qt::ToolTipRole)
            return columns_[section].spoken;
    } else if (orientation == Qt::Vertical && std::size_t(section) < rows_.size() &&
               (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)) {
        return rows_[std::size_t(section)].name;
    }
    return {};
}

Qt::ItemFlags ValueTable::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (lookUp_ && index.row() == rowCount() - 1)
        f |= Qt::ItemIsEditable;
    return f;
}

bool ValueTable::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !lookUp_ || index.row() != rowCount() - 1)
        return false;
    const QString typed = value.toString().trimmed();
    if (typed.isEmpty() || typed == data(index, Qt::EditRole).toString())
        return false; // left as it was
    return lookUp_(index.column(), typed);
}

} // namespace backpressure_window
