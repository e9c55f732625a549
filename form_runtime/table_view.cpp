#include "form_runtime/table_view.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace form_runtime {

TableView::TableView(QWidget *parent) : QTableView(parent)
{
    const auto resized = [this] { updateGeometry(); };
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, resized);
    connect(verticalHeader(), &QHeaderView::sectionResized, this, resized);
    connect(horizontalHeader(), &QHeaderView::geometriesChanged, this, resized);
    connect(verticalHeader(), &QHeaderView::geometriesChanged, this, resized);
    connect(verticalHeader(), &QHeaderView::sectionCountChanged, this, resized);
}

QSize TableView::sizeHint() const
{
    const int frame = 2 * frameWidth();
    return viewportSizeHint() + QSize(frame, frame);
}

void TableView::keyPressEvent(QKeyEvent *event)
{
    const bool editing = state() == EditingState;
    QTableView::keyPressEvent(event);
    if (!editing && state() == EditingState)
        event->accept();
}

} // namespace form_runtime
