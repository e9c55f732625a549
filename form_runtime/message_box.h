#pragma once

class QString;
class QWidget;

namespace form_runtime {

// Shows `text` in a box modal to the whole application, titled "Ventrolex",
// with no icon and a single OK button, and returns when the user closes it.
void MsgBox(const QString &text, QWidget *parent = nullptr);

} // namespace form_runtime
