#include "form_runtime/top_level.h"

#include <QScreen>
#include <QWidget>

namespace form_runtime {

void showWindow(QWidget &window)
{
    if (window.isHidden()) {
        window.showNormal();
#ifdef Q_OS_WASM
        const QRect page = window.screen()->availableGeometry();
        window.move(page.center() - window.frameGeometry().center() + window.pos());
#endif
    }
    window.raise();
    window.activateWindow();
}

} // namespace form_runtime
