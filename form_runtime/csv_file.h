#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QWidget;

namespace form_runtime {

// A cell of a table as text: quoted, its quotes doubled, when it holds the
// separator or a quote.
QString csvCell(const QString &text, QChar separator);

// Asks where a table goes as a CSV file, starting in the user's documents
// folder with `fileName`, and hands the chosen name (ending in .csv) to
// `save`. A page cannot write files: there the table (`content`) is
// downloaded, and the browser asks where it goes.
void chooseCsvFile(QWidget *parent, const QString &title, const QString &fileName, const QString &filter,
                   const QByteArray &content, const std::function<void(const QString &)> &save);

} // namespace form_runtime
