#include "form_runtime/panel_parts.h"

#include "form_runtime/chart_export.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/table_view.h"
#include "form_runtime/value_table.h"

namespace form_runtime {

ChartSurface *paperChart(QWidget *panel, const char *name, const QString &accessibleName, const QString &fileBaseName,
                         QSize least)
{
    auto *chart = new ChartSurface(panel);
    chart->setObjectName(QLatin1String(name));
    chart->setAccessibleName(accessibleName);
    chart->setMinimumSize(least);
    QPalette paper = chart->palette();
    paper.setColor(QPalette::Window, Qt::white);
    paper.setColor(QPalette::WindowText, Qt::black);
    chart->setPalette(paper);
    addPictureMenu(*chart, fileBaseName);
    return chart;
}

QTableView *valueTableView(QWidget *panel, ValueTable *table, const QString &name, const char *objectName,
                           int rowsShown, const QString &widestName)
{
    auto *view = new TableView(panel);
    view->setObjectName(QLatin1String(objectName));
    view->setAccessibleName(name);
    view->setModel(table);
    view->setTabKeyNavigation(false);
    view->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::DoubleClicked);
    view->setWordWrap(false);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded); // across, where the panel is narrower
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->fitToFont(widestName, rowsShown); // as large as the most rows it has
    return view;
}

} // namespace form_runtime
