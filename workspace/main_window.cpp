#include "workspace/main_window.h"

#include "about_window/form_about.h"
#include "backpressure_window/form_backpressure.h"
#include "duct_window/form_duct.h"
#include "working_window/form_working.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/top_level.h"
#include "form_runtime/twips.h"
#include "form_runtime/window_icon.h"
#include "form_runtime/zoomed_fonts.h"
#include "large_chart/form_large_chart.h"
#include "nozzle_case/nozzle_case.h"
#include "reservoir_window/form_reservoir.h"
#include "solver_window/form_ventrolex.h"
#include "stations_window/form_stations.h"
#include "workspace/texts.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QTabBar>
#include <QToolTip>
#include <QWindow>

#include <algorithm>

namespace texts = workspace::texts;

namespace {

constexpr int kPanelRoom = 440;  // beside the form at the first size, in pixels at 100 %
constexpr int kLeastPanel = 300; // narrower than this beside the form, a panel docks below

int atZoom(int pixels)
{
    return pixels * form_runtime::zoomQuarters() / form_runtime::kActualSize;
}

// The window manager's frame around a window, or a likely one before it is shown.
QMargins frameOf(const QWidget &window)
{
    const QWindow *handle = window.windowHandle();
    if (handle && window.isVisible() && !handle->frameMargins().isNull())
        return handle->frameMargins();
    return QGuiApplication::platformName() == QLatin1String("offscreen") ? QMargins() : QMargins(4, 30, 4, 4);
}

// The application's font at the zoom, not the form's, which the window has.
QFont panelFont()
{
    return QApplication::font();
}

QWidget *firstFocusable(QWidget *area)
{
    for (QWidget *w = area->nextInFocusChain(); w != area; w = w->nextInFocusChain())
        if (area->isAncestorOf(w) && w->isVisibleTo(area) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            return w;
    return area;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), case_(new NozzleCase(this)), form_(new Form_Ventrolex(*case_))
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowIcon(form_runtime::windowIcon());
    setWindowTitle(form_->windowTitle());
    connect(form_, &QWidget::windowTitleChanged, this, &QWidget::setWindowTitle); // the gas it solves for
    setFont(form_->font()); // the menu bar's, as the form's

    // The form at its own size, so that it keeps the layout's places.
    QWidget *focus = form_->focusWidget(); // a new window's tab chain forgets it
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("Scroll_Form"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll->setWidget(form_);
    setCentralWidget(scroll);
    if (focus)
        focus->setFocus();
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks | QMainWindow::AllowNestedDocks);
    setTabPosition(Qt::AllDockWidgetAreas, QTabWidget::North);

    auto *f6 = new QShortcut(QKeySequence(Qt::Key_F6), this, this, &MainWindow::nextPanel);
    f6->setContext(Qt::ApplicationShortcut);
    // The form's control that last had the focus, for F6 to come back to.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && form_->isAncestorOf(now))
            lastInForm = now;
    });

    buildMenus();
    for (form_runtime::ChartSurface *chart : form_->charts())
        offerLargeView(chart);
    sizeToScreen();
}

// About, Stations, Back pressure, Gas, Reservoir (beside the gas, whose R it
// shows) and View: the form's items in the shell's one menu bar.
void MainWindow::buildMenus()
{
    form_->hideMenuBar();
    menuBar()->addAction(form_->aboutItem());
    connect(form_->aboutItem(), &QAction::triggered, this, &MainWindow::showAbout);
    const auto item = [this](const QString &text, const char *name, void (MainWindow::*show)()) {
        QAction *a = menuBar()->addAction(text);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, show);
        return a;
    };
    Mn_Stations = item(texts::kStations, "Mn_Stations", &MainWindow::showStations);
    Mn_BackPressure = item(texts::kBackPressure, "Mn_BackPressure", &MainWindow::showBackPressure);
    menuBar()->addMenu(form_->gasMenu());
    Mn_Reservoir = item(texts::kReservoir, "Mn_Reservoir", &MainWindow::showReservoir);
    Mn_Duct = item(texts::kDuct, "Mn_Duct", &MainWindow::showDuct);
    Mn_Working = item(texts::kWorking, "Mn_Working", &MainWindow::showWorking);
    buildViewMenu();
}

void MainWindow::buildViewMenu()
{
    Mn_View = menuBar()->addMenu(texts::kView);
    Mn_View->setObjectName(QStringLiteral("Mn_View"));
    const auto item = [this](const QString &text, const char *name, const QKeySequence &keys, int step) {
        QAction *a = Mn_View->addAction(text);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(keys);
        a->setShortcutContext(Qt::ApplicationShortcut); // from a floating panel too
        connect(a, &QAction::triggered, this, [this, step] { setZoom(step ? zoom() + step : form_runtime::kActualSize); });
        return a;
    };
    Mn_ZoomIn = item(texts::kZoomIn, "Mn_ZoomIn", QKeySequence::ZoomIn, 1);
    Mn_ZoomOut = item(texts::kZoomOut, "Mn_ZoomOut", QKeySequence::ZoomOut, -1);
    Mn_ZoomReset = item(texts::kActualSize, "Mn_ZoomReset", QKeySequence(Qt::CTRL | Qt::Key_0), 0);
}

// The first size: the form, with room for a panel beside it, within the screen.
void MainWindow::sizeToScreen()
{
    fitFormAtZoom();
    const QRect screen = this->screen()->availableGeometry();
    const QMargins frame = frameOf(*this);
    resize(QSize(form_->width() + kPanelRoom, formHeight()).boundedTo(screen.size().shrunkBy(frame)));
}

// The form's height with the menu bar above it.
int MainWindow::formHeight() const
{
    return form_->height() + menuBar()->sizeHint().height();
}

int MainWindow::zoom() const
{
    return form_runtime::zoomQuarters();
}

// Every control at its place at the zoom, every font and panel at its size,
// in every window; the window grows with the zoom where the screen has room,
// and stays on it. Actual size puts the window and its panels back as they
// were before the first step.
void MainWindow::setZoom(int quarters)
{
    quarters = std::clamp(quarters, form_runtime::kLeastZoom, form_runtime::kMostZoom);
    if (quarters == zoom())
        return;
    if (zoom() == form_runtime::kActualSize)
        atActualSize = {geometry(), saveState()};
    form_runtime::setZoomQuarters(quarters);
    QToolTip::hideText(); // one open now keeps the box of the old size; the next comes at the new
    form_runtime::zoomApplicationFonts();
    form_->layOutAtZoom();
    setFont(form_->font());
    for (QDockWidget *dock : panels())
        dock->setFont(panelFont());
    fitFormAtZoom();
    if (isMaximized() || isFullScreen())
        return;
    if (quarters == form_runtime::kActualSize) {
        setGeometry(atActualSize.geometry);
        restoreState(atActualSize.state);
        fitToScreen();
        return;
    }
    resize((atActualSize.geometry.size() * quarters / form_runtime::kActualSize).expandedTo(QSize(form_->width(), formHeight())));
    fitToScreen();
    for (QDockWidget *dock : panels())
        if (dock->isVisible() && !dock->isFloating() && dockWidgetArea(dock) == Qt::RightDockWidgetArea)
            resizeDocks({dock}, {width() - centralWidget()->minimumWidth()}, Qt::Horizontal);
}

// The form whole across beside the panels, where the screen has room for both.
void MainWindow::fitFormAtZoom()
{
    const int across = form_->width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int screenWidth = screen()->availableGeometry().width() - frameOf(*this).left() - frameOf(*this).right();
    centralWidget()->setMinimumWidth(std::min(across, std::max(screenWidth - atZoom(kLeastPanel), screenWidth / 2)));
    Mn_ZoomIn->setEnabled(zoom() < form_runtime::kMostZoom);
    Mn_ZoomOut->setEnabled(zoom() > form_runtime::kLeastZoom);
    Mn_ZoomReset->setEnabled(zoom() != form_runtime::kActualSize);
}

// The window, frame and all, inside the screen's available area.
void MainWindow::fitToScreen()
{
    if (isMaximized() || isFullScreen())
        return;
    const QRect screen = this->screen()->availableGeometry();
    const QMargins frame = frameOf(*this);
    const QSize inner = size().boundedTo(screen.size().shrunkBy(frame));
    if (inner != size())
        resize(inner);
    const QRect outer = QRect(pos(), inner.grownBy(frame));
    const int x = std::clamp(outer.left(), screen.left(), screen.right() + 1 - outer.width());
    const int y = std::clamp(outer.top(), screen.top(), screen.bottom() + 1 - outer.height());
    if (QPoint(x, y) != outer.topLeft())
        move(x, y);
}

// A panel docked at the right of the form (below it where the screen has no
// room for it beside the form), tabbed with an open one, its contents
// scrolled where the panel is smaller than they are. Escape closes it while
// it floats.
QDockWidget *MainWindow::dockPanel(QWidget *panel, const QString &title, const char *name)
{
    auto *dock = new QDockWidget(title, this);
    dock->setObjectName(QLatin1String(name));
    dock->setFont(panelFont());
    auto *scroll = new QScrollArea(dock);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(panel);
    dock->setWidget(scroll);
    dock->setFocusProxy(panel);

    auto *escape = new QShortcut(QKeySequence::Cancel, dock, dock, &QWidget::close);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    escape->setEnabled(false);
    connect(dock, &QDockWidget::topLevelChanged, escape, &QShortcut::setEnabled);
    connect(dock, &QDockWidget::topLevelChanged, this, [this, dock](bool floating) {
        if (floating)
            placeBeside(dock);
    });

    QDockWidget *open = nullptr;
    for (QDockWidget *other : panels())
        if (other->isVisible() && !other->isFloating())
            open = other;
    const bool beside = this->screen()->availableGeometry().width() - frameOf(*this).left() - frameOf(*this).right() >=
                        form_->width() + atZoom(kLeastPanel);
    if (open) {
        tabifyDockWidget(open, dock);
    } else {
        addDockWidget(beside ? Qt::RightDockWidgetArea : Qt::BottomDockWidgetArea, dock);
        if (beside)
            resizeDocks({dock}, {std::max(atZoom(kLeastPanel), width() - form_->width())}, Qt::Horizontal);
    }
    return dock;
}

// A panel just floated, beside the window where the screen has room for it,
// else beside the place where it was docked, never over that place. Dragged,
// it follows the pointer from its next move on.
void MainWindow::placeBeside(QDockWidget *dock)
{
    const QRect screen = dock->screen()->availableGeometry();
    const QRect window = frameGeometry();
    const QMargins frame = frameOf(*dock);
    const QSize outer = dock->size().boundedTo(screen.size().shrunkBy(frame)).grownBy(frame);
    const QRect docked(dock->pos(), outer); // where Qt floats it: over its docked place
    const int y = std::clamp(docked.top(), screen.top(), screen.bottom() + 1 - outer.height());
    QPoint at;
    if (screen.right() - window.right() >= outer.width())
        at = QPoint(window.right() + 1, y);
    else if (window.left() - screen.left() >= outer.width())
        at = QPoint(window.left() - outer.width(), y);
    else // over the form, clear of the dock's place where there is room
        at = QPoint(std::max(screen.left(), docked.left() - outer.width()), y);
    dock->resize(outer.shrunkBy(frame));
    dock->move(at);
}

// A tab's title whole, never cut to a letter: where the tabs take more room
// than the bar has, the bar scrolls them.
bool MainWindow::event(QEvent *event)
{
    // The first size took the window manager's frame to be a usual one; once
    // the real frame is known, the form is given what room it has, so that no
    // scroll bar stands beside it for the few pixels a title bar took.
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && !framed_ && isVisible() &&
        windowHandle() && !windowHandle()->frameMargins().isNull()) {
        framed_ = true;
        const QRect screen = this->screen()->availableGeometry();
        const int room = screen.height() - (frameGeometry().height() - height());
        const int wanted = std::min(formHeight(), room);
        if (!isMaximized() && !isFullScreen() && height() < wanted) {
            resize(width(), wanted);
            const int below = frameGeometry().bottom() - screen.bottom();
            if (below > 0)
                move(x(), y() - below);
        }
    }
    if (event->type() == QEvent::ChildPolished)
        if (auto *bar = qobject_cast<QTabBar *>(static_cast<QChildEvent *>(event)->child())) {
            bar->setElideMode(Qt::ElideNone);
            bar->setUsesScrollButtons(true);
        }
    return QMainWindow::event(event);
}

void MainWindow::showPanel(QDockWidget *dock)
{
    const bool opening = dock->isHidden();
    dock->show();
    dock->raise();
    if (opening && !dock->isFloating() && !isMaximized() && !isFullScreen()) {
        // As tall and wide as the panel would like, where the screen has room;
        // the form keeps its width, and the panel takes the rest.
        const QSize panel = static_cast<QScrollArea *>(dock->widget())->widget()->sizeHint() +
                            QSize(0, 3 * fontMetrics().height() + 16); // its title and tab
        const QSize wanted(centralWidget()->minimumWidth() + panel.width(), menuBar()->sizeHint().height() + panel.height());
        resize(size().expandedTo(wanted));
        fitToScreen();
        if (dockWidgetArea(dock) == Qt::RightDockWidgetArea)
            resizeDocks({dock}, {width() - centralWidget()->minimumWidth()}, Qt::Horizontal);
    }
    firstFocusable(dock->widget())->setFocus(Qt::OtherFocusReason);
}

// F6: the focus to the next of the form and the open panels, each in view.
void MainWindow::nextPanel()
{
    std::vector<QWidget *> areas{form_};
    for (QDockWidget *dock : panels())
        if (dock->isVisible())
            areas.push_back(dock);
    if (areas.size() < 2)
        return;
    QWidget *focus = QApplication::focusWidget();
    std::size_t now = 0;
    for (std::size_t i = 0; i < areas.size(); ++i)
        if (focus && (areas[i] == focus || areas[i]->isAncestorOf(focus)))
            now = i;
    QWidget *next = areas[(now + 1) % areas.size()];
    if (auto *dock = qobject_cast<QDockWidget *>(next)) {
        dock->raise();
        if (dock->isFloating())
            dock->activateWindow();
        firstFocusable(dock->widget())->setFocus(Qt::TabFocusReason);
    } else {
        activateWindow();
        (lastInForm ? lastInForm.data() : firstFocusable(form_))->setFocus(Qt::TabFocusReason);
    }
}

std::vector<QDockWidget *> MainWindow::panels() const
{
    std::vector<QDockWidget *> docks;
    for (QDockWidget *dock : {stationsDock, backPressureDock, reservoirDock, ductDock, workingDock})
        if (dock)
            docks.push_back(dock);
    for (const auto &[chart, dock] : largeDocks)
        docks.push_back(dock);
    return docks;
}

void MainWindow::showAbout()
{
    form_runtime::showWindow(Form_About::instance());
}

void MainWindow::showStations()
{
    if (!stationsDock)
        stationsDock = dockPanel(new Form_Stations(*case_), texts::kStationsPanel, "Dock_Stations");
    showPanel(stationsDock);
}

// The reservoir and the units: the nozzle's figures in units in every panel.
void MainWindow::showReservoir()
{
    if (!reservoirDock)
        reservoirDock = dockPanel(new Form_Reservoir(*case_), texts::kReservoirPanel, "Dock_Reservoir");
    showPanel(reservoirDock);
}

// The nozzle of the last solution discharging into a duct.
void MainWindow::showDuct()
{
    if (!ductDock) {
        auto *panel = new Form_Duct(*case_);
        ductDock = dockPanel(panel, texts::kDuctPanel, "Dock_Duct");
        for (form_runtime::ChartSurface *chart : panel->charts())
            offerLargeView(chart);
    }
    showPanel(ductDock);
}

// The solution written out with its relations and numbers.
void MainWindow::showWorking()
{
    if (!workingDock)
        workingDock = dockPanel(new Form_Working(*case_), texts::kWorkingPanel, "Dock_Working");
    showPanel(workingDock);
}

// The nozzle of the last solution off design: station 2 is its exit, A* its throat.
void MainWindow::showBackPressure()
{
    if (!backPressureDock) {
        auto *panel = new Form_BackPressure(*case_);
        backPressureDock = dockPanel(panel, texts::kBackPressurePanel, "Dock_BackPressure");
        for (form_runtime::ChartSurface *chart : panel->charts())
            offerLargeView(chart);
    }
    showPanel(backPressureDock);
}

void MainWindow::offerLargeView(form_runtime::ChartSurface *chart)
{
    auto *open = new QAction(texts::kOpenLarge, chart);
    connect(open, &QAction::triggered, this, [this, chart] { openLarge(chart); });
    chart->addMenuAction(open);
}

// The chart as a panel of its own, made when first opened.
void MainWindow::openLarge(const form_runtime::ChartSurface *chart)
{
    auto known = std::find_if(largeDocks.begin(), largeDocks.end(), [chart](const auto &d) { return d.first == chart; });
    if (known == largeDocks.end()) {
        const QByteArray name = "Dock_Large_" + chart->objectName().toLatin1();
        largeDocks.emplace_back(chart, dockPanel(new Form_LargeChart(*chart), chart->accessibleName(), name.constData()));
        known = std::prev(largeDocks.end());
    }
    showPanel(known->second);
}
