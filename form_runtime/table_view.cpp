#include "form_runtime/table_view.h"

#include "form_runtime/value_table.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>

#include <algorithm>

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

void TableView::fitToFont(const QString &longestName, int rowsShown)
{
    longestName_ = longestName;
    rowsShown_ = rowsShown;
    fitted_ = true;
    fit();
}

void TableView::fit()
{
    QHeaderView *columns = horizontalHeader();
    // As wide as the header, not as the values: the table keeps its size as
    // they come and go; a wider value is cut, and its tooltip gives it whole.
    const int number = fontMetrics().horizontalAdvance(QStringLiteral("0.000000")) + 12;
    columns->setMinimumSectionSize(number);
    for (int c = 0; c < columns->count(); ++c)
        columns->resizeSection(c, std::max(number, columns->sectionSizeHint(c)));
    QHeaderView *rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(fontMetrics().height() + 4);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);
    rows->setMinimumWidth(fontMetrics().horizontalAdvance(longestName_) + 16);
    updateGeometry();
}

void TableView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange && fitted_)
        fit();
}

QSize TableView::sizeHint() const
{
    const int frame = 2 * frameWidth();
    QSize size = viewportSizeHint() + QSize(frame, frame);
    if (rowsShown_ > 0)
        size.setHeight(horizontalHeader()->sizeHint().height() + rowsShown_ * verticalHeader()->defaultSectionSize() +
                       frame);
    // Narrower than the table, the scroll bar across it takes its room below the rows.
    if (width() < size.width() && isVisible())
        size.rheight() += style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return size;
}

QSize TableView::minimumSizeHint() const
{
    const QSize whole = sizeHint();
    const int least = verticalHeader()->width() + 2 * horizontalHeader()->minimumSectionSize();
    return {std::min(whole.width(), least), whole.height()};
}

void TableView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    updateGeometry(); // the scroll bar across comes or goes
}

void TableView::keyPressEvent(QKeyEvent *event)
{
    // Ctrl+C copies the selected cells, unrounded.
    if (event->matches(QKeySequence::Copy)) {
        if (const auto *table = qobject_cast<const ValueTable *>(model())) {
            if (const QString text = table->cellsText(selectionModel()->selectedIndexes()); !text.isEmpty())
                QGuiApplication::clipboard()->setText(text);
            event->accept();
            return;
        }
    }
    const bool editing = state() == EditingState;
    QTableView::keyPressEvent(event);
    if (!editing && state() == EditingState)
        event->accept();
}

} // namespace form_runtime
