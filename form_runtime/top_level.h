#pragma once

class QWidget;

namespace form_runtime {

// Shows a window of its own at its own size, or brings it to the front when it
// is already open. Opened `beside` a window, it stands to the right of that
// window's frame, or to its left, where the screen has room for it whole.
// Otherwise (or in a browser, where no window manager places windows and Qt
// would fill the page with any window shown plainly) it opens in the middle of
// the screen or page.
void showWindow(QWidget &window, const QWidget *beside = nullptr);

} // namespace form_runtime
