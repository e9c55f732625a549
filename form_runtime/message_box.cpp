#include "form_runtime/message_box.h"

#include <QMessageBox>

namespace form_runtime {

void MsgBox(const QString &text, QWidget *parent)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Ventrolex"), text, QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace form_runtime
