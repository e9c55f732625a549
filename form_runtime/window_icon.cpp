#include "form_runtime/window_icon.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace form_runtime {

namespace {

QIcon *theIcon = nullptr;

} // namespace

QIcon windowIcon()
{
    if (!theIcon) {
        QSvgRenderer drawing(QStringLiteral(":/icons/org.example.Ventrolex.svg"));
        theIcon = new QIcon;
        for (int size : {16, 24, 32, 48, 64, 128, 256}) {
            QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            drawing.render(&painter);
            painter.end();
            theIcon->addPixmap(QPixmap::fromImage(image));
        }
        // Its pixmaps go before the application does.
        qAddPostRoutine([] {
            delete theIcon;
            theIcon = nullptr;
        });
    }
    return *theIcon;
}

} // namespace form_runtime
