// The one window on the screens a class has (CTest runs this suite on a
// 1366x768 laptop at 100 % and 150 %, a 1920x1080 projector at 200 % and an
// 800x500 screen): with both panels open, at any zoom, the window lies inside
// the screen's available area, no panel covers the form, and every
// control can be scrolled into view. And a zoom there and back: everything
// larger at 150 %, back to the pixel at 100 %, the results unchanged.

#include "solve_fixture.h"

#include "backpressure_window/form_backpressure.h"
#include "form_runtime/chart_surface.h"
#include "stations_window/form_stations.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>

#include <algorithm>

namespace {

using testing_gui::SolveTest;

// Whether `control` can be scrolled into the view of the scroll area it is
// in: whole, or from its upper-left corner as much of it as the view holds.
bool reachable(QScrollArea *area, QWidget *control)
{
    const QPoint at = control->mapTo(area->widget(), QPoint(0, 0));
    area->horizontalScrollBar()->setValue(at.x());
    area->verticalScrollBar()->setValue(at.y());
    const QRect place(control->mapTo(area->viewport(), QPoint(0, 0)), control->size());
    const QRect seen = area->viewport()->rect().intersected(place);
    return seen.topLeft() == place.topLeft() && seen.width() == std::min(place.width(), area->viewport()->width() - place.x()) &&
           seen.height() == std::min(place.height(), area->viewport()->height() - place.y());
}

TEST_F(SolveTest, WorkspaceFitsTheScreenWithBothPanelsAtEveryZoom)
{
    const QRect screen = form.screen()->availableGeometry();
    SCOPED_TRACE(QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height()).toStdString());
    EXPECT_TRUE(screen.contains(form.frameGeometry()));
    solveForMach(QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("1"));
    form.findChild<QAction *>(QStringLiteral("Mn_Stations"))->trigger();
    form.findChild<QAction *>(QStringLiteral("Mn_BackPressure"))->trigger();
    QWidget *client = form.findChild<QWidget *>(QStringLiteral("client"));
    auto *formArea = static_cast<QScrollArea *>(form.centralWidget());
    for (int zoom : {4, 6, 8, 12, 4}) {
        form.setZoom(zoom);
        QCoreApplication::sendPostedEvents();
        SCOPED_TRACE(zoom);
        EXPECT_TRUE(screen.contains(form.frameGeometry()))
            << form.frameGeometry().width() << "x" << form.frameGeometry().height();
        for (const char *name : {"Dock_Stations", "Dock_BackPressure"}) {
            auto *dock = form.findChild<QDockWidget *>(QLatin1String(name));
            ASSERT_NE(dock, nullptr);
            EXPECT_FALSE(dock->isFloating());
            EXPECT_FALSE(dock->geometry().intersects(formArea->geometry())) << name;
        }
        // Where the screen has room for the form and a panel, the form is whole across.
        if (zoom == 4) {
            EXPECT_GE(formArea->viewport()->width(), client->width());
        }
        for (QWidget *control : client->findChildren<QWidget *>()) {
            if (control->isVisibleTo(client) && !control->objectName().isEmpty()) {
                EXPECT_TRUE(reachable(formArea, control)) << control->objectName().toStdString();
            }
        }
        for (QWidget *panel : {static_cast<QWidget *>(form.findChild<Form_Stations *>()),
                               static_cast<QWidget *>(form.findChild<Form_BackPressure *>())}) {
            auto *panelArea = qobject_cast<QScrollArea *>(panel->parentWidget()->parentWidget());
            ASSERT_NE(panelArea, nullptr);
            static_cast<QWidget *>(panelArea->parent())->raise(); // its tab on top
            QCoreApplication::sendPostedEvents();
            for (QWidget *control : panel->findChildren<QWidget *>()) {
                if (control->isVisibleTo(panel) && control->focusPolicy() != Qt::NoFocus &&
                    control->parentWidget() == panel) {
                    EXPECT_TRUE(reachable(panelArea, control)) << control->objectName().toStdString();
                }
            }
        }
    }
}

// F6 goes round the form and the open panels, each in view, and comes back
// to the form's control that last had the focus.
TEST_F(SolveTest, F6GoesRoundTheFormAndThePanels)
{
    form.findChild<QAction *>(QStringLiteral("Mn_Stations"))->trigger();
    form.findChild<QAction *>(QStringLiteral("Mn_BackPressure"))->trigger();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    box("Text_M1")->setFocus();
    QStringList round;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        QWidget *focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_TRUE(focus->isVisible()) << focus->objectName().toStdString();
        QWidget *panel = focus;
        while (panel && !qobject_cast<Form_Stations *>(panel) && !qobject_cast<Form_BackPressure *>(panel) &&
               panel->objectName() != QLatin1String("client"))
            panel = panel->parentWidget();
        round << (panel ? panel->objectName() : QString());
    }
    EXPECT_EQ(round, (QStringList{"Form_Stations", "Form_BackPressure", "client"}));
    EXPECT_EQ(QApplication::focusWidget(), box("Text_M1"));
}

// The fonts and places of the form at 150 %: the layout's twips times
// 1.5 over 15, and 8 pt times 1.5.
TEST_F(SolveTest, ZoomGrowsEverythingAndActualSizeComesBackToThePixel)
{
    solveForMach(QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("1"));
    form.findChild<QAction *>(QStringLiteral("Mn_Stations"))->trigger();
    QWidget *client = form.findChild<QWidget *>(QStringLiteral("client"));
    auto *stations = form.findChild<Form_Stations *>();
    // No control with the focus (no focus frame, no text cursor blinking) and
    // none under the pointer (the Windows style draws a box under it) in
    // either picture.
    const auto still = [&] {
        client->setFocus();
        QTest::mouseMove(geo, QPoint(2, 2));
        QTest::qWait(250); // the window system's leave and enter events, which come late under Wine
    };
    still();
    const QImage before = testing_gui::rendered(client);
    const auto places = [&] {
        QStringList all;
        for (const QWidget *w : client->findChildren<QWidget *>())
            all << QStringLiteral("%1 %2,%3 %4x%5 %6").arg(w->objectName()).arg(w->x()).arg(w->y()).arg(w->width())
                       .arg(w->height()).arg(w->font().toString());
        return all;
    };
    const QStringList placesBefore = places();
    const QImage geoBefore = testing_gui::rendered(geo), iterBefore = testing_gui::rendered(iter);
    const QRect chart = geo->geometry(), m1 = box("Text_M1")->geometry();
    const qreal panelPoints = stations->font().pointSizeF();

    form.findChild<QAction *>(QStringLiteral("Mn_ZoomIn"))->trigger();
    form.findChild<QAction *>(QStringLiteral("Mn_ZoomIn"))->trigger();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(form.zoom(), 6);
    EXPECT_EQ(client->size(), QSize(433, 700)); // (4335 x 1.5 + 7.5) / 15 and (7005 x 1.5 + 7.5) / 15, whole pixels
    EXPECT_EQ(box("Text_M1")->geometry(), QRect(60, 60, 73, 28)); // 600, 600, 735, 285 twips
    EXPECT_EQ(geo->geometry(), QRect(12, 192, 409, 229));         // 120, 1920, 4095, 2295 twips
    EXPECT_EQ(box("Text_M1")->font().pointSizeF(), 12.0);
    EXPECT_EQ(stations->font().pointSizeF(), panelPoints * 1.5);
    EXPECT_EQ(text("Text_Msup"), QStringLiteral("1.7023"));
    EXPECT_TRUE(testing_gui::hasColourNear(testing_gui::rendered(geo), geo->toPixel(1.7023, 0.5) * geo->devicePixelRatio(),
                                           Qt::red))
        << "the chart drawn again at its new size";

    form.findChild<QAction *>(QStringLiteral("Mn_ZoomReset"))->trigger();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(form.zoom(), 4);
    EXPECT_EQ(geo->geometry(), chart);
    EXPECT_EQ(box("Text_M1")->geometry(), m1);
    EXPECT_EQ(stations->font().pointSizeF(), panelPoints);
    still();
    EXPECT_EQ(places(), placesBefore);
    EXPECT_EQ(testing_gui::rendered(geo), geoBefore);
    EXPECT_EQ(testing_gui::rendered(iter), iterBefore);
    // The whole form to the pixel at whole-pixel scale, but under the Windows
    // 11 style, which draws the text boxes' frame corners anew after a
    // resize (at other scales Qt 6.8 does so too).
    if (QGuiApplication::platformName() != QLatin1String("windows") && client->devicePixelRatio() == 1) {
        EXPECT_EQ(testing_gui::rendered(client), before);
    }
    EXPECT_FALSE(form.findChild<QAction *>(QStringLiteral("Mn_ZoomReset"))->isEnabled());
    EXPECT_FALSE(form.findChild<QAction *>(QStringLiteral("Mn_ZoomOut"))->isEnabled());
}

void openLarge(form_runtime::ChartSurface *chart)
{
    for (QAction *action : chart->findChildren<QAction *>())
        if (action->text() == QLatin1String("Open large"))
            action->trigger();
    QCoreApplication::processEvents();
}

// Six panels in one tab bar, at 100 % and zoomed: every tab's title whole,
// none cut to "R…" (the bar scrolls its tabs where it has no room).
TEST_F(SolveTest, WorkspaceKeepsEveryTabTitleWholeWithSixPanels)
{
    solveForMach(QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("1"));
    for (const char *item : {"Mn_Stations", "Mn_BackPressure", "Mn_Reservoir"})
        form.findChild<QAction *>(QLatin1String(item))->trigger();
    openLarge(geo);
    openLarge(iter);
    openLarge(form.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_pressure")));
    for (int zoom : {4, 8, 4}) {
        form.setZoom(zoom);
        QCoreApplication::processEvents();
        SCOPED_TRACE(zoom);
        int tabs = 0;
        for (QTabBar *bar : form.findChildren<QTabBar *>()) {
            if (!bar->isVisible())
                continue;
            for (int i = 0; i < bar->count(); ++i, ++tabs) {
                EXPECT_GE(bar->tabRect(i).width(), bar->fontMetrics().horizontalAdvance(bar->tabText(i)))
                    << bar->tabText(i).toStdString();
            }
        }
        EXPECT_EQ(tabs, 6);
    }
}

// A panel floated lies beside the window where the screen has room, and
// never just over the place where it was docked.
TEST_F(SolveTest, WorkspaceFloatsAPanelBesideItsDockedPlace)
{
    const QRect screen = form.screen()->availableGeometry();
    for (const char *item : {"Mn_Stations", "Mn_BackPressure"})
        form.findChild<QAction *>(QLatin1String(item))->trigger();
    QCoreApplication::processEvents();
    auto *dock = form.findChild<QDockWidget *>(QStringLiteral("Dock_BackPressure"));
    const QRect docked(dock->mapToGlobal(QPoint()), dock->size());
    const QRect window = form.frameGeometry();
    dock->setFloating(true);
    QCoreApplication::processEvents();
    const QRect floated = dock->frameGeometry();
    EXPECT_TRUE(screen.contains(floated));
    EXPECT_GE((floated.topLeft() - docked.topLeft()).manhattanLength(), std::min(100, screen.width() / 8))
        << floated.x() << "," << floated.y() << " " << floated.width() << "x" << floated.height() << " over " << docked.x()
        << "," << docked.y() << " " << docked.width() << "x" << docked.height() << " window " << window.x() << ","
        << window.y() << " " << window.width() << "x" << window.height();
    if (screen.width() - window.width() >= floated.width()) {
        EXPECT_FALSE(floated.intersects(window));
    }
}

} // namespace
