#include "form_runtime/message_box.h"

#include <QMessageBox>

namespace form_runtime {

namespace {

MessageAnswer answerInstead = nullptr;

} // namespace

void answerMessagesWith(MessageAnswer answer)
{
    answerInstead = answer;
}

void MsgBox(const QString &text, QWidget *parent)
{
    if (answerInstead) {
        answerInstead(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Ventrolex"), text, QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace form_runtime
