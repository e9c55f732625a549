#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace form_runtime {

// A column of a panel's table: its header as shown, as a screen reader says
// it, and how its values are shown.
struct TableColumn {
    // A column of one quantity shows its figures with the same decimals, as
    // many as its smallest figure needs; figures under 1e-4 and from 1e7 up
    // are in exponent form.
    enum class Format {
        Shown,   // 4 decimals, as a result box rounds (Mach numbers)
        Ratio,   // at least 4 decimals and 4 significant digits (see ratioText)
        Degrees, // 2 decimals
        Measure, // at least 6 significant digits (one quantity in a unit)
        Figure,  // 6 significant digits each (a column of several quantities)
    };
    QString shown, spoken;
    Format format = Format::Ratio;
};

// A row: its name, a value for each column (NaN: none), and a note that the
// first cell's tooltip adds.
struct TableRow {
    QString name;
    std::vector<double> values;
    QString note;
};

// The table model of every panel: named rows of values, shown rounded and
// unrounded in tooltips, in the editor and in copies. With a look-up, one row
// (the last, unless given) is typed into: the look-up gets the column and the
// text, and says whether it filled the row (the owner then gives the rows
// anew).
class ValueTable : public QAbstractTableModel {
    Q_OBJECT

public:
    using LookUp = std::function<bool(int column, const QString &typed)>;

    ValueTable(std::vector<TableColumn> columns, QObject *parent = nullptr);

    // The same number of rows as before changes only the cells and names;
    // rows come and go at the end, so that a look-up's editor above them
    // stays open.
    void setRows(std::vector<TableRow> rows);
    const std::vector<TableRow> &tableRows() const { return rows_; }
    void setLookUp(LookUp lookUp, int row = -1)
    {
        lookUp_ = std::move(lookUp);
        lookUpRow_ = row;
    }
    const std::vector<TableColumn> &columns() const { return columns_; }
    // A look-up cell whose text gave no row: it shows what was typed, with a
    // warning sign and, in its tooltip, why. Rows given anew take it away.
    void refuse(int column, const QString &typed, const QString &why);
    bool hasRefused() const { return refused_.has_value(); }
    // Other columns (units named in their headers), the rows emptied.
    void setColumns(std::vector<TableColumn> columns);
    // Another header for one column (its unit changed), the rows kept.
    void setHeader(int column, const QString &shown, const QString &spoken);

    // The table as text: a header line starting with `header`, then a line
    // for each row, unrounded, the cells separated by `separator` and quoted
    // as CSV wants them.
    QString text(const QString &header, QChar separator) const;
    // The unrounded values of the given cells: a line per row, tab-separated.
    QString cellsText(const QModelIndexList &cells) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

private:
    double value(int row, int column) const;
    QString shownText(int column, double v) const;
    void shareDecimals();
    bool isLookUpRow(int row) const { return lookUp_ && row == (lookUpRow_ < 0 ? rowCount() - 1 : lookUpRow_); }

    std::vector<TableColumn> columns_;
    std::vector<TableRow> rows_;
    std::vector<int> decimals_; // a column's decimals, for its figures in fixed form
    LookUp lookUp_;
    int lookUpRow_ = -1;
    struct Refused {
        int column;
        QString typed, why;
    };
    std::optional<Refused> refused_;
};

} // namespace form_runtime
