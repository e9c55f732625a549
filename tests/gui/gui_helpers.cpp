#include "gui_helpers.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QWidget>

#include <cmath>

namespace testing_gui {

MessageBoxAnswerer::MessageBoxAnswerer()
{
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &MessageBoxAnswerer::answer);
    timer_.start();
}

QStringList MessageBoxAnswerer::texts() const
{
    QStringList list;
    for (const ShownMessage &m : shown_)
        list << m.text;
    return list;
}

namespace {

// The font a dialog shows its message or prompt in.
QFont textFont(const QWidget *dialog)
{
    const QLabel *text = dialog->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    if (!text)
        text = dialog->findChild<QLabel *>();
    return text ? text->font() : dialog->font();
}

} // namespace

void MessageBoxAnswerer::answer()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        shown_.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                          box->windowModality(), box->informativeText(), textFont(box)});
        if (QAbstractButton *ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    } else if (auto *input = qobject_cast<QInputDialog *>(modal); input && !typed_.isEmpty()) {
        asked_.push_back(textFont(input));
        input->setTextValue(typed_.takeFirst());
        input->accept();
    } else {
        ++otherModals_;
        modal->close();
    }
}

bool hasColourNear(const QImage &image, QPointF at, QColor colour, int radius, int tolerance)
{
    const int cx = int(std::floor(at.x())), cy = int(std::floor(at.y()));
    for (int y = cy - radius; y <= cy + radius; ++y) {
        for (int x = cx - radius; x <= cx + radius; ++x) {
            if (!image.valid(x, y))
                continue;
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <=
                tolerance)
                return true;
        }
    }
    return false;
}

QImage rendered(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void setScreenReaderListening(bool listening)
{
    QPlatformAccessibility *accessibility = QGuiApplicationPrivate::platformIntegration()->accessibility();
    ASSERT_NE(accessibility, nullptr);
    accessibility->setActive(listening);
}

QStringList shownRow(const QTableView *view, int row)
{
    QStringList cells{view->model()->headerData(row, Qt::Vertical).toString()};
    for (int c = 0; c < view->model()->columnCount(); ++c)
        cells << view->model()->index(row, c).data().toString();
    return cells;
}

} // namespace testing_gui
