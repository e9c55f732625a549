#pragma once

class QLineEdit;

namespace form_runtime {

// The number typed into a text box (see valueOfText).
double valueOf(const QLineEdit *box);

// Writes a result into a text box, rounded for display (see displayText).
void showValue(QLineEdit *box, double value);

} // namespace form_runtime
