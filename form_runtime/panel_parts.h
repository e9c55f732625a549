#pragma once

#include <QSize>
#include <QString>

class QTableView;
class QWidget;

namespace form_runtime {

class ChartSurface;
class ValueTable;

// A chart of a panel on white paper whatever the desktop's colours, as its
// curves are drawn in fixed colours, with its picture menu (copy, save).
ChartSurface *paperChart(QWidget *panel, const char *name, const QString &accessibleName, const QString &fileBaseName,
                         QSize least);

// A view of a panel's table: typed into from the keyboard, Tab leaving it,
// as large as `rowsShown` rows and the widest row name need.
QTableView *valueTableView(QWidget *panel, ValueTable *table, const QString &name, const char *objectName,
                           int rowsShown, const QString &widestName);

} // namespace form_runtime
