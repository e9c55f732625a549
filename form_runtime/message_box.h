#pragma once

class QString;
class QWidget;

namespace form_runtime {

// Shows `text` in a box modal to the whole application, titled "Ventrolex",
// with no icon and a single OK button, and returns when the user closes it.
// A non-empty `cause` stands below the text as its second paragraph: what was
// wrong and what to do.
void MsgBox(const QString &text, QWidget *parent = nullptr);
void MsgBox(const QString &text, const QString &cause, QWidget *parent);

// For the fuzz target alone: every message is handed to `answer` instead of
// being shown, and MsgBox returns at once, without a nested event loop.
// nullptr brings the real boxes back.
using MessageAnswer = void (*)(const QString &text);
void answerMessagesWith(MessageAnswer answer);

} // namespace form_runtime
