#pragma once

class QWidget;

namespace form_runtime {

// Shows a window of its own at its own size, or brings it to the front when it
// is already open. In a browser, where no window manager places windows and
// Qt would fill the page with any window shown plainly, it opens in the middle
// of the page.
void showWindow(QWidget &window);

} // namespace form_runtime
