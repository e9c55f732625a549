#include "form_runtime/top_level.h"

#include <QMargins>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace form_runtime {

namespace {

constexpr int kGap = 8; // between the two windows' frames

// Moves `window`, not shown yet, beside `other`; false when the screen has no room.
bool placeBeside(QWidget &window, const QWidget &other)
{
    const QRect frame = other.frameGeometry(), inner = other.geometry();
    // The window manager's frame of the new window is not known before it is
    // shown; it is taken to be the other window's.
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                           frame.bottom() - inner.bottom());
    const QSize own = window.testAttribute(Qt::WA_Resized) ? window.size() : window.sizeHint();
    const QSize size = own.expandedTo(window.minimumSize()).grownBy(margins);
    const QRect screen = other.screen()->availableGeometry();
    // To the right or the left, its top with the other's; else below or
    // above, its left with the other's; each kept on the screen.
    const auto along = [](int at, int first, int last) { return std::clamp(at, first, std::max(first, last)); };
    const int x = along(frame.left(), screen.left(), screen.right() + 1 - size.width());
    const int y = along(frame.top(), screen.top(), screen.bottom() + 1 - size.height());
    if (frame.right() + 1 + kGap + size.width() <= screen.right() + 1)
        window.move(frame.right() + 1 + kGap, y); // a window's position is its frame's
    else if (frame.left() - kGap - size.width() >= screen.left())
        window.move(frame.left() - kGap - size.width(), y);
    else if (frame.bottom() + 1 + kGap + size.height() <= screen.bottom() + 1)
        window.move(x, frame.bottom() + 1 + kGap);
    else if (frame.top() - kGap - size.height() >= screen.top())
        window.move(x, frame.top() - kGap - size.height());
    else
        return false;
    return true;
}

} // namespace

void showWindow(QWidget &window, const QWidget *beside)
{
    if (window.isHidden()) {
        const bool placed = beside && beside->isVisible() && placeBeside(window, *beside);
        window.showNormal();
#ifdef Q_OS_WASM
        if (!placed) {
            const QRect page = window.screen()->availableGeometry();
            window.move(page.center() - window.frameGeometry().center() + window.pos());
        }
#else
        (void)placed;
#endif
    }
    window.raise();
    window.activateWindow();
}

} // namespace form_runtime
