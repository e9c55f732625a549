// The zoom as a teacher at a projector uses it (CTest runs this suite on
// every screen in tests/gui/screens): any steps in and out, then Actual size,
// and every panel, tab bar and the form are back where they were; no more
// than 300 %; the menus, tooltips and dialogs grow with the rest.

#include "solve_fixture.h"

#include "form_runtime/chart_surface.h"
#include "form_runtime/message_box.h"
#include "solver_window/form_ventrolex.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScrollArea>
#include <QTabBar>
#include <QTest>
#include <QToolTip>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using testing_gui::SolveTest;

struct Place {
    QString name;
    QRect rect; // in the window
};

// The form's area, every panel in view and every tab bar of the window, each
// where it lies in the window, a tab bar's tabs and the tab it marks too; in
// the order of their names.
std::vector<Place> placesIn(QMainWindow &window)
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    const QRect inside(QPoint(), window.size());
    std::vector<Place> places{{QStringLiteral("form"), window.centralWidget()->geometry()},
                              {QStringLiteral("window"), inside}};
    for (QDockWidget *dock : window.findChildren<QDockWidget *>()) {
        const QRect at(dock->mapTo(&window, QPoint()), dock->size());
        if (dock->isVisible() && inside.intersects(at)) // not behind another's tab
            places.push_back({dock->objectName(), at});
    }
    for (QTabBar *bar : window.findChildren<QTabBar *>()) {
        if (!bar->isVisible() || bar->count() == 0)
            continue;
        const QString name = QStringLiteral("tab bar of ") + bar->tabText(0);
        places.push_back({name, QRect(bar->mapTo(&window, QPoint()), bar->size())});
        places.push_back({name + QStringLiteral(" marks ") + bar->tabText(bar->currentIndex()), QRect()});
        for (int i = 0; i < bar->count(); ++i)
            places.push_back({name + QStringLiteral(": ") + bar->tabText(i), bar->tabRect(i)});
    }
    std::stable_sort(places.begin(), places.end(), [](const Place &a, const Place &b) { return a.name < b.name; });
    return places;
}

void openLarge(form_runtime::ChartSurface *chart)
{
    for (QAction *action : chart->findChildren<QAction *>())
        if (action->text() == QLatin1String("Open large"))
            action->trigger();
    QCoreApplication::processEvents();
}

// Steps of the View menu's zoom: + Zoom in, - Zoom out.
const char *const kStepsThere[] = {"+", "++", "+-+", "++++", "++++++++", "++-+-"};

TEST_F(SolveTest, ZoomStepsAndActualSizePutEveryPanelAndTabBackInItsPlace)
{
    const QRect screen = form.screen()->availableGeometry();
    SCOPED_TRACE(QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height()).toStdString());
    solveForMach(QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("1"));
    for (const char *item : {"Mn_Stations", "Mn_BackPressure", "Mn_Reservoir"})
        form.findChild<QAction *>(QLatin1String(item))->trigger();
    openLarge(geo);
    auto *zoomIn = form.findChild<QAction *>(QStringLiteral("Mn_ZoomIn"));
    auto *zoomOut = form.findChild<QAction *>(QStringLiteral("Mn_ZoomOut"));
    auto *actualSize = form.findChild<QAction *>(QStringLiteral("Mn_ZoomReset"));
    const std::vector<Place> before = placesIn(form);
    ASSERT_GE(before.size(), 9u) << "the form, the window, a panel, their tab bar, the tab it marks and four tabs";

    for (const char *steps : kStepsThere) {
        SCOPED_TRACE(steps);
        const QSize at100 = form.size();
        for (const char *step = steps; *step; ++step)
            (*step == '+' ? zoomIn : zoomOut)->trigger();
        QCoreApplication::processEvents();
        if (form.zoom() > 4 && at100.width() * 11 / 10 < screen.width()) {
            EXPECT_GT(form.width(), at100.width()) << "the window grows where the screen has room";
        }
        actualSize->trigger();
        const std::vector<Place> after = placesIn(form);
        ASSERT_EQ(after.size(), before.size());
        for (std::size_t i = 0; i < before.size(); ++i) {
            const QRect a = before[i].rect, b = after[i].rect;
            ASSERT_EQ(after[i].name, before[i].name);
            EXPECT_TRUE(std::abs(a.left() - b.left()) <= 2 && std::abs(a.top() - b.top()) <= 2 &&
                        std::abs(a.right() - b.right()) <= 2 && std::abs(a.bottom() - b.bottom()) <= 2)
                << before[i].name.toStdString() << ": " << a.x() << "," << a.y() << " " << a.width() << "x" << a.height()
                << " before, " << b.x() << "," << b.y() << " " << b.width() << "x" << b.height() << " after";
        }
    }
}

// At 200 % the windows that set no font of their own read at 200 % too: the
// menus under the menu bar, tooltips, message boxes and the Other k dialog;
// back at 100 % they are as they were.
TEST_F(SolveTest, ZoomGrowsTheMenusTooltipsAndDialogs)
{
    auto *view = form.findChild<QMenu *>(QStringLiteral("Mn_View"));
    QMenu *gas = form.form().gasMenu();
    const double points = QApplication::font().pointSizeF(), menuPoints = view->font().pointSizeF(),
                 gasPoints = gas->font().pointSizeF(), tipPoints = QToolTip::font().pointSizeF();
    ASSERT_GT(points, 0);
    const auto shown = [&] {
        messages.type({QStringLiteral("1.3")});
        for (QAction *item : gas->actions())
            if (item->text().startsWith(QLatin1String("Other k")))
                item->trigger();
        form_runtime::MsgBox(QStringLiteral("A message"), &form);
        EXPECT_FALSE(messages.shown().empty());
        EXPECT_FALSE(messages.askedIn().empty());
        return std::pair(messages.shown().back().font.pointSizeF(), messages.askedIn().back().pointSizeF());
    };
    const auto [messagePoints, askedPoints] = shown();

    QToolTip::showText(form.mapToGlobal(QPoint(20, 20)), QStringLiteral("A tip open at the step"), &form);
    const bool tipShown = QToolTip::isVisible();
    form.setZoom(8);
    QCoreApplication::sendPostedEvents();
    if (tipShown) { // the platform shows tooltips; Qt hides one within 300 ms
        EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 1000))
            << "a tooltip left in its old box, its text cut";
    }
    EXPECT_EQ(view->font().pointSizeF(), 2 * menuPoints);
    EXPECT_EQ(gas->font().pointSizeF(), 2 * gasPoints);
    EXPECT_EQ(QToolTip::font().pointSizeF(), 2 * tipPoints);
    const auto [messageAt200, askedAt200] = shown();
    EXPECT_EQ(messageAt200, 2 * messagePoints);
    EXPECT_EQ(askedAt200, 2 * askedPoints);
    EXPECT_EQ(messages.otherModals(), 0);

    form.setZoom(4);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(QApplication::font().pointSizeF(), points);
    EXPECT_EQ(view->font().pointSizeF(), menuPoints);
    EXPECT_EQ(QToolTip::font().pointSizeF(), tipPoints);
    EXPECT_EQ(shown().first, messagePoints);
}

// The panels' bold regime lines grow with the zoom and come back with it.
TEST_F(SolveTest, ZoomGrowsTheBoldLines)
{
    std::vector<QLabel *> lines;
    for (const char *menu : {"Mn_BackPressure", "Mn_Duct"}) {
        form.findChild<QAction *>(QLatin1String(menu))->trigger();
        for (QLabel *line : form.findChildren<QLabel *>(QStringLiteral("Label_Regime")))
            if (std::find(lines.begin(), lines.end(), line) == lines.end())
                lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 2u);
    const double points = lines[0]->font().pointSizeF();
    form.setZoom(8);
    QCoreApplication::sendPostedEvents();
    for (QLabel *line : lines) {
        EXPECT_EQ(line->font().pointSizeF(), 2 * points) << line->parentWidget()->objectName().toStdString();
        EXPECT_TRUE(line->font().bold());
    }
    form.setZoom(4);
    QCoreApplication::sendPostedEvents();
    for (QLabel *line : lines)
        EXPECT_EQ(line->font().pointSizeF(), points);
}

// Zoom in goes up to 300 % and no further, and is greyed there; Zoom out
// comes back from it.
TEST_F(SolveTest, ZoomStopsAt300PercentWithZoomInGreyed)
{
    auto *zoomIn = form.findChild<QAction *>(QStringLiteral("Mn_ZoomIn"));
    auto *zoomOut = form.findChild<QAction *>(QStringLiteral("Mn_ZoomOut"));
    QWidget *client = form.findChild<QWidget *>(QStringLiteral("client"));
    const QSize at100 = client->size();
    for (int i = 0; i < 12; ++i)
        zoomIn->trigger();
    EXPECT_EQ(form.zoom(), 12);
    EXPECT_FALSE(zoomIn->isEnabled());
    EXPECT_TRUE(zoomOut->isEnabled());
    EXPECT_EQ(client->size(), QSize(867, 1401)); // (4335 x 3 + 7.5) / 15 and (7005 x 3 + 7.5) / 15
    EXPECT_LE(client->width(), 3 * at100.width() + 1);
    form.setZoom(16);
    EXPECT_EQ(form.zoom(), 12);
    zoomOut->trigger();
    EXPECT_EQ(form.zoom(), 11);
    EXPECT_TRUE(zoomIn->isEnabled());
    form.setZoom(4);
}

} // namespace
