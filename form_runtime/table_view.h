#pragma once

#include <QTableView>

class QKeyEvent;

namespace form_runtime {

// A table of a window: as large as the whole table, and typed into from the
// keyboard as the browser needs it.
//
// A key that opens a cell's editor is the editor's first character, and is
// taken. Reported as not taken (as the item views do), a browser also types it
// into the page's text field that the editor takes the focus to, and the cell
// gets it twice or loses it.
//
// The view asks for a new size when its rows or columns change, not when only
// its cells' values do: the item views' own adjusting to their contents asks
// at every change of a value, which lays the whole window out again.
class TableView : public QTableView {
public:
    explicit TableView(QWidget *parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace form_runtime
