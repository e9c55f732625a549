#pragma once

#include "backpressure_window/texts.h"

#include <QAbstractTableModel>

#include <functional>
#include <vector>

namespace backpressure_window {

// A row of one of the window's tables: its name and a value for each column
// (NaN: none).
struct ValueRow {
    QString name;
    std::vector<double> values;
};

// A table of the window: named rows of values, shown with at least 4
// significant digits and unrounded in tooltips, in the editor and in copies.
// With a look-up, its last row is typed into: the look-up gets the column and
// the text, and says whether it filled the row.
class ValueTable : public QAbstractTableModel {
    Q_OBJECT

public:
    using LookUp = std::function<bool(int column, const QString &typed)>;

    ValueTable(const texts::Column *columns, int count, QObject *parent);

    // The same number of rows as before changes only the cells.
    void setRows(std::vector<ValueRow> rows);
    const std::vector<ValueRow> &rows() const { return rows_; }
    void setLookUp(LookUp lookUp) { lookUp_ = std::move(lookUp); }

    // The table as text: a header line starting with `header`, then a line
    // for each row, unrounded, the cells separated by `separator`.
    QString text(const QString &header, QChar separator) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

private:
    const texts::Column *columns_;
    int count_;
    std::vector<ValueRow> rows_;
    LookUp lookUp_;
};

} // namespace backpressure_window
