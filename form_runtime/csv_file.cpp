#include "form_runtime/csv_file.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace form_runtime {

QString csvCell(const QString &text, QChar separator)
{
    if (!text.contains(separator) && !text.contains(QLatin1Char('"')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
}

void chooseCsvFile(QWidget *parent, const QString &title, const QString &fileName, const QString &filter,
                   const QByteArray &content, const std::function<void(const QString &)> &save)
{
#ifdef Q_OS_WASM
    (void)title;
    (void)filter;
    (void)save;
    QFileDialog::saveFileContent(content, fileName, parent);
#else
    (void)content;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString name = QFileDialog::getSaveFileName(parent, title, QDir(folder).filePath(fileName), filter);
    if (name.isEmpty())
        return;
    if (!name.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        name += QLatin1String(".csv");
    save(name);
#endif
}

} // namespace form_runtime
