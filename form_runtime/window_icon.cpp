#include "form_runtime/window_icon.h"

#include <QCoreApplication>

namespace form_runtime {

namespace {

QIcon *theIcon = nullptr;

} // namespace

QIcon windowIcon()
{
    if (!theIcon) {
        theIcon = new QIcon;
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            theIcon->addFile(QStringLiteral(":/icons/ventrolex-%1.png").arg(size), QSize(size, size));
        // Its pixmaps go before the application does.
        qAddPostRoutine([] {
            delete theIcon;
            theIcon = nullptr;
        });
    }
    return *theIcon;
}

} // namespace form_runtime
