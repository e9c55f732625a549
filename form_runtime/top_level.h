#pragma once

#include <QCoreApplication>
#include <QPointer>

class QWidget;

namespace form_runtime {

// Shows a window of its own at its own size, or brings it to the front when it
// is already open. Opened `beside` a window, it stands to the right of that
// window's frame, or to its left, or else below or above it, where the screen
// has room for it whole.
// Otherwise (or in a browser, where no window manager places windows and Qt
// would fill the page with any window shown plainly) it opens in the middle of
// the screen or page.
void showWindow(QWidget &window, const QWidget *beside = nullptr);

// The application's one window of a kind, created on first use; it goes with
// the application, not with the window that opened it.
template <typename Window>
QPointer<Window> &theWindowOf()
{
    static QPointer<Window> window;
    return window;
}
template <typename Window>
Window &oneWindow()
{
    QPointer<Window> &window = theWindowOf<Window>();
    if (!window) {
        window = new Window;
        qAddPostRoutine([] { delete theWindowOf<Window>().data(); });
    }
    return *window;
}

} // namespace form_runtime
