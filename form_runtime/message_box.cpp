#include "form_runtime/message_box.h"

#include <QMessageBox>

#ifdef Q_OS_WASM
#include "form_runtime/web_page.h"
#endif

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
    MsgBox(text, QString(), parent);
}

void MsgBox(const QString &text, const QString &cause, QWidget *parent)
{
    if (answerInstead) {
        answerInstead(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Ventrolex"), text, QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.setInformativeText(cause);
#ifdef Q_OS_WASM
    web_page::alert(cause.isEmpty() ? text : text + QStringLiteral("\n") + cause);
#endif
    box.exec();
#ifdef Q_OS_WASM
    web_page::alert(QString());
#endif
}

} // namespace form_runtime
