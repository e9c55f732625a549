#pragma once

class QString;
class QWidget;

namespace form_runtime {

// Shows `text` in a box modal to the whole application, titled "Ventrolex",
// with no icon and a single OK button, and returns when the user closes it.
void MsgBox(const QString &text, QWidget *parent = nullptr);

// For the fuzz target alone: every message is handed to `answer` instead of
// being shown, and MsgBox returns at once, without a nested event loop.
// nullptr brings the real boxes back.
using MessageAnswer = void (*)(const QString &text);
void answerMessagesWith(MessageAnswer answer);

} // namespace form_runtime
