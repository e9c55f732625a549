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
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed); // as high as its rows, no higher
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

// The widest value now shown. A number's width is taken as its length
// times the widest character a number has, which is never less than it
// is: measuring every value at every change would cost more than the step.
int TableView::widestValue() const
{
    static const QString kNumberCharacters = QStringLiteral("0123456789.-+eE\u2212\u221e");
    const QAbstractItemModel *m = model();
    int widest = 0;
    for (int r = 0; m && r < m->rowCount(); ++r)
        for (int c = 0; c < m->columnCount(); ++c) {
            const QString text = m->index(r, c).data().toString();
            const bool number = std::all_of(text.begin(), text.end(), [](QChar ch) { return kNumberCharacters.contains(ch); });
            widest = std::max(widest, number ? int(text.size()) * numberCharacter_ : fontMetrics().horizontalAdvance(text));
        }
    return widest + 12;
}

void TableView::fit()
{
    // Every column as wide as the widest header, a number of the usual width
    // and the widest value now shown: the columns follow the values, wider
    // and back, so that no value is ever cut. Columns of one width scroll
    // across one whole column at a time.
    QHeaderView *columns = horizontalHeader();
    const QFontMetrics metrics = fontMetrics();
    numberCharacter_ = 0;
    for (const QChar c : QStringLiteral("0123456789.-+eE\u2212\u221e"))
        numberCharacter_ = std::max(numberCharacter_, metrics.horizontalAdvance(c));
    leastColumn_ = metrics.horizontalAdvance(QStringLiteral("0.000000")) + 12;
    columns->setMinimumSectionSize(1); // the headers' own hints, not the columns' last width
    for (int c = 0; c < columns->count(); ++c)
        leastColumn_ = std::max(leastColumn_, columns->sectionSizeHint(c));
    columnWidth_ = std::max(leastColumn_, widestValue());
    columns->setMinimumSectionSize(columnWidth_);
    columns->setDefaultSectionSize(columnWidth_);
    for (int c = 0; c < columns->count(); ++c)
        columns->resizeSection(c, columnWidth_);
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
    const int width = verticalHeader()->width() + horizontalHeader()->length() + frame;
    const int rows = rowsShown_ > 0 ? rowsShown_ * verticalHeader()->defaultSectionSize() : verticalHeader()->length();
    // Narrower than the table, its scroll bar across takes its room below the rows.
    const int across = this->width() < width ? style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) : 0;
    return {width, horizontalHeader()->sizeHint().height() + rows + across + frame};
}

QSize TableView::minimumSizeHint() const
{
    const QSize whole = sizeHint();
    const int least = verticalHeader()->width() + 2 * horizontalHeader()->minimumSectionSize() + 2 * frameWidth();
    return {std::min(whole.width(), least), whole.height()};
}

void TableView::setModel(QAbstractItemModel *model)
{
    QTableView::setModel(model);
    // Values wider or narrower than the columns make them so, in every
    // column at once.
    const auto widen = [this] {
        if (!fitted_)
            return;
        bool same = std::max(leastColumn_, widestValue()) == columnWidth_;
        for (int c = 0; same && c < horizontalHeader()->count(); ++c)
            same = horizontalHeader()->sectionSize(c) == columnWidth_;
        if (!same)
            fit();
    };
    connect(model, &QAbstractItemModel::dataChanged, this, widen);
    connect(model, &QAbstractItemModel::rowsInserted, this, widen);
    // New columns or headers: their widths are measured anew.
    const auto refit = [this] {
        if (fitted_)
            fit();
    };
    connect(model, &QAbstractItemModel::modelReset, this, refit);
    connect(model, &QAbstractItemModel::headerDataChanged, this, [refit](Qt::Orientation o) {
        if (o == Qt::Horizontal)
            refit();
    });
}

// Narrower than the whole table, the view shows only the columns that fit
// whole: what is left beside them stays blank, and no column shows in part.
void TableView::snapToColumns()
{
    const QMargins was = viewportMargins();
    const int room = width() - 2 * frameWidth() - verticalHeader()->width();
    const int whole = columnWidth_ > 0 ? room / columnWidth_ * columnWidth_ : room;
    const int all = horizontalHeader()->length();
    const int blank = room >= all || whole <= 0 ? 0 : room - whole;
    if (was.right() != blank)
        setViewportMargins(was.left(), was.top(), blank, was.bottom());
}

void TableView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    snapToColumns();
    // A new width may bring or take away the scroll bar across, and so change
    // the height asked for: asked again once this layout is done.
    QMetaObject::invokeMethod(this, &QWidget::updateGeometry, Qt::QueuedConnection);
}

void TableView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    const QModelIndex at = currentIndex();
    const bool across = hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
    QTableView::closeEditor(editor, across ? QAbstractItemDelegate::NoHint : hint);
    if (!across || !at.isValid())
        return;
    const int column = at.column() + (hint == QAbstractItemDelegate::EditNextItem ? 1 : -1);
    if (column < 0 || column >= model()->columnCount()) {
        focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
        return;
    }
    setFocus(Qt::TabFocusReason);
    setCurrentIndex(model()->index(at.row(), column));
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
    // Tab and Backtab go along a look-up row as they do from its editor.
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    const QModelIndex at = currentIndex();
    if (tab && !(event->modifiers() & Qt::ControlModifier) && at.isValid() && (at.flags() & Qt::ItemIsEditable)) {
        const int column = at.column() + (event->key() == Qt::Key_Tab ? 1 : -1);
        if (column >= 0 && column < model()->columnCount()) {
            setCurrentIndex(at.siblingAtColumn(column));
            event->accept();
            return;
        }
    }
    const bool editing = state() == EditingState;
    QTableView::keyPressEvent(event);
    if (!editing && state() == EditingState) {
        event->accept();
    }
}

// A browser hands what is typed to the view as text, not as keys: the first
// character opens the cell's editor and is its first character, as a key is.
void TableView::inputMethodEvent(QInputMethodEvent *event)
{
    const QString typed = event->commitString();
    if (state() != EditingState && !typed.isEmpty() && event->preeditString().isEmpty()) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
        if (edit(currentIndex(), AnyKeyPressed, &key)) {
            event->accept();
            return;
        }
    }
    QTableView::inputMethodEvent(event);
}

} // namespace form_runtime
