#pragma once

#include <QTableView>

class QKeyEvent;

namespace form_runtime {

// A table of a panel: as large as the whole table where there is room, else
// as high and scrolled across; typed into from the keyboard as the browser
// needs it; Ctrl+C copies the selected cells of a ValueTable, unrounded.
//
// A key that opens a cell's editor is the editor's first character, and is
// taken. Reported as not taken (as the item views do), a browser also types it
// into the page's text field that the editor takes the focus to, and the cell
// gets it twice or loses it.
//
// Keys stay in the row typed into: Tab and Backtab in a cell's editor go to
// the row's next or previous cell, Return ends the row and keeps the cell.
// Past the row's ends, Tab leaves the table as it leaves any control.
//
// The view asks for a new size when its rows or columns change, not when only
// its cells' values do: the item views' own adjusting to their contents asks
// at every change of a value, which lays the whole window out again.
class TableView : public QTableView {
public:
    explicit TableView(QWidget *parent);

    // Sizes from the font, again whenever it changes (a zoom): rows a line
    // high, columns at least as wide as their header and a number of the
    // usual width, the row names as wide as `longestName`; room for
    // `rowsShown` rows whatever rows it has, or for its rows when 0.
    void fitToFont(const QString &longestName, int rowsShown = 0);

    void setModel(QAbstractItemModel *model) override;

    // The whole table; narrower than that, it scrolls across, a whole column
    // at a time, and never shows a column in part.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fit();
    int widestValue() const;
    void snapToColumns();

    QString longestName_;
    int columnWidth_ = 0;
    int leastColumn_ = 0;     // the widest header, or a number of the usual width
    int numberCharacter_ = 0; // the widest character of a number
    int rowsShown_ = 0;
    bool fitted_ = false;
};

} // namespace form_runtime
