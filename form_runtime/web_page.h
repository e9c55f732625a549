#pragma once

class QString;

// The page around the program when it runs in a browser (built with
// Emscripten only). The browser's screen-reader view of the window is thin,
// so what must be heard is also written into the page's live regions, which a
// screen reader speaks whatever has the focus.
namespace form_runtime::web_page {

// The results just found, spoken once, politely; an empty text withdraws them.
void announce(const QString &text);

// A message box's text, spoken at once as an alert; empty when it has closed.
void alert(const QString &text);

// From now on, each control that takes the keyboard focus is described in the
// page's focus region as a screen reader names it on the desktop: its name,
// its kind, its value or state, and its description. The browser's screen
// reader sees only the page's own text input, whichever box has the focus.
void describeFocus();

// From now on, when the program's last window is closed, the page says so and
// offers to start the program again, instead of going blank.
void sayWhenClosed();

} // namespace form_runtime::web_page
