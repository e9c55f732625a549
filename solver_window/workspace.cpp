// The workspace: the form in the middle, scrolled where the window is
// smaller than it; the panels docked beside it, tabbed together, floatable
// onto another screen; the whole window zoomed from the View menu. Nothing
// the program places runs off the screen.

#include "solver_window/form_ventrolex.h"

#include "form_runtime/chart_surface.h"
#include "form_runtime/twips.h"
#include "large_chart/form_large_chart.h"
#include "solver_window/texts.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QWindow>

#include <algorithm>

namespace texts = solver_window::texts;
using form_runtime::twipsToPixels;

namespace {

constexpr int kFormWidth = 4335, kFormHeight = 7005; // the form's client area, in twips
constexpr int kPanelRoom = 440;                       // beside the form at the first size, in pixels at 100 %
constexpr int kLeastPanel = 300;                      // narrower than this beside the form, a panel docks below

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

QFont panelFont()
{
    QFont font = QApplication::font();
    if (form_runtime::zoomQuarters() != form_runtime::kActualSize)
        font.setPointSizeF(form_runtime::zoomed(font.pointSizeF()));
    return font;
}

QWidget *firstFocusable(QWidget *area)
{
    for (QWidget *w = area->nextInFocusChain(); w != area; w = w->nextInFocusChain())
        if (area->isAncestorOf(w) && w->isVisibleTo(area) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            return w;
    return area;
}

} // namespace

void Form_Ventrolex::buildWorkspace()
{
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("Scroll_Form"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll->setWidget(client); // at its own size: the form keeps the layout's places
    setCentralWidget(scroll);
    takeDesktopColours();
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks | QMainWindow::AllowNestedDocks);
    setTabPosition(Qt::AllDockWidgetAreas, QTabWidget::North);

    auto *f6 = new QShortcut(QKeySequence(Qt::Key_F6), this, this, &Form_Ventrolex::nextPanel);
    f6->setContext(Qt::ApplicationShortcut);
    // The form's control that last had the focus, for F6 to come back to.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && client->isAncestorOf(now))
            lastInForm = now;
    });
}

void Form_Ventrolex::sizeWorkspace()
{
    fitFormAtZoom(); // the controls are in their places and fonts already
    // The first size: the form, with room for a panel beside it, within the screen.
    const QRect screen = this->screen()->availableGeometry();
    const QMargins frame = frameOf(*this);
    const QSize form = client->size() + QSize(0, menuBar()->sizeHint().height());
    resize(QSize(form.width() + kPanelRoom, form.height())
               .boundedTo(screen.size().shrunkBy(frame)));
}

void Form_Ventrolex::buildViewMenu()
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

void Form_Ventrolex::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && client) // the desktop's, as the window follows it
        takeDesktopColours();
}

// The form's backgrounds are the desktop's, not a scroll area's: some styles
// (Windows 11) make a scroll area's background transparent, and the form
// would inherit that.
void Form_Ventrolex::takeDesktopColours()
{
    const QPalette desktop = QApplication::palette();
    QPalette colours = client->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base})
            colours.setBrush(group, role, desktop.brush(group, role));
    client->setPalette(colours);
}

int Form_Ventrolex::zoom() const
{
    return form_runtime::zoomQuarters();
}

void Form_Ventrolex::setZoom(int quarters)
{
    if (std::clamp(quarters, form_runtime::kLeastZoom, form_runtime::kMostZoom) == zoom())
        return;
    form_runtime::setZoomQuarters(quarters);
    layOutAtZoom();
    // The window grows with the form where the screen has room, and stays on it.
    const QSize form = client->size() + QSize(0, menuBar()->sizeHint().height());
    resize(size().expandedTo(form));
    fitToScreen();
}

// Every control at its place at the zoom, every font and panel at its size.
void Form_Ventrolex::layOutAtZoom()
{
    setFont(dialogFont());
    for (const auto &[control, r] : layoutTwips)
        control->setGeometry(form_runtime::twips(r.x(), r.y(), r.width(), r.height()));
    for (QDockWidget *dock : panels())
        dock->setFont(panelFont());
    fitFormAtZoom();
}

// The form's size at the zoom, and its room beside the panels.
void Form_Ventrolex::fitFormAtZoom()
{
    client->setFixedSize(twipsToPixels(kFormWidth), twipsToPixels(kFormHeight));
    // The form whole across beside the panels, where the screen has room for both.
    const int across = client->width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int screenWidth = screen()->availableGeometry().width() - frameOf(*this).left() - frameOf(*this).right();
    centralWidget()->setMinimumWidth(std::min(across, std::max(screenWidth - atZoom(kLeastPanel), screenWidth / 2)));
    Mn_ZoomIn->setEnabled(zoom() < form_runtime::kMostZoom);
    Mn_ZoomOut->setEnabled(zoom() > form_runtime::kLeastZoom);
    Mn_ZoomReset->setEnabled(zoom() != form_runtime::kActualSize);
}

// The window, frame and all, inside the screen's available area.
void Form_Ventrolex::fitToScreen()
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
QDockWidget *Form_Ventrolex::dockPanel(QWidget *panel, const QString &title, const char *name)
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

    QDockWidget *open = nullptr;
    for (QDockWidget *other : panels())
        if (other->isVisible() && !other->isFloating())
            open = other;
    const bool beside = this->screen()->availableGeometry().width() - frameOf(*this).left() - frameOf(*this).right() >=
                        client->width() + atZoom(kLeastPanel);
    if (open) {
        tabifyDockWidget(open, dock);
    } else {
        addDockWidget(beside ? Qt::RightDockWidgetArea : Qt::BottomDockWidgetArea, dock);
        if (beside)
            resizeDocks({dock}, {std::max(atZoom(kLeastPanel), width() - client->width())}, Qt::Horizontal);
    }
    return dock;
}

void Form_Ventrolex::showPanel(QDockWidget *dock)
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
void Form_Ventrolex::nextPanel()
{
    std::vector<QWidget *> areas{client};
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
        (lastInForm ? lastInForm.data() : firstFocusable(client))->setFocus(Qt::TabFocusReason);
    }
}

std::vector<QDockWidget *> Form_Ventrolex::panels() const
{
    std::vector<QDockWidget *> docks;
    for (QDockWidget *dock : {stationsDock, backPressureDock, reservoirDock})
        if (dock)
            docks.push_back(dock);
    for (const auto &[chart, dock] : largeDocks)
        docks.push_back(dock);
    return docks;
}

void Form_Ventrolex::offerLargeView(form_runtime::ChartSurface *chart)
{
    auto *open = new QAction(texts::kOpenLarge, chart);
    connect(open, &QAction::triggered, this, [this, chart] { openLarge(chart); });
    chart->addMenuAction(open);
}

// The chart as a panel of its own, made when first opened.
void Form_Ventrolex::openLarge(const form_runtime::ChartSurface *chart)
{
    auto known = std::find_if(largeDocks.begin(), largeDocks.end(), [chart](const auto &d) { return d.first == chart; });
    if (known == largeDocks.end()) {
        const QByteArray name = "Dock_Large_" + chart->objectName().toLatin1();
        largeDocks.emplace_back(chart, dockPanel(new Form_LargeChart(*chart), chart->accessibleName(), name.constData()));
        known = std::prev(largeDocks.end());
    }
    showPanel(known->second);
}
