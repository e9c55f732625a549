#include "form_runtime/text_box.h"

#include "form_runtime/number_text.h"

#include <QLineEdit>

namespace form_runtime {

double valueOf(const QLineEdit *box)
{
    return valueOfText(box->text().toStdString());
}

void showValue(QLineEdit *box, double value)
{
    box->setText(QString::fromStdString(displayText(value)));
    box->setCursorPosition(0);
}

} // namespace form_runtime
