#pragma once

// The one main window: the shell around the panels. It owns the case every
// panel shares and creates every panel, the form included: the form in the
// middle, scrolled where the window is smaller than it; the Stations, Back
// pressure and Reservoir panels and the charts opened large docked beside
// it, tabbed together, floatable onto another screen, each made when first
// asked for. Its menu bar shows the form's items (About, Gas) among its own;
// View zooms the whole window, and F6 goes round the form and the open
// panels. Nothing the shell places runs off the screen.

#include <QMainWindow>
#include <QPointer>

#include <utility>
#include <vector>

class Form_Ventrolex;
class NozzleCase;
class QAction;
class QDockWidget;
class QMenu;

namespace form_runtime {
class ChartSurface;
}

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    // The form in the middle, and the case it and every panel share.
    Form_Ventrolex &form() const { return *form_; }
    NozzleCase &nozzleCase() const { return *case_; }

    // The zoom in quarters (4: 100 %), and a step of it as the View menu makes it.
    int zoom() const;
    void setZoom(int quarters);

protected:
    bool event(QEvent *event) override;

private:
    void buildMenus();
    void buildViewMenu();
    void sizeToScreen();
    int formHeight() const;
    QDockWidget *dockPanel(QWidget *panel, const QString &title, const char *name);
    void showPanel(QDockWidget *dock);
    void placeBeside(QDockWidget *dock);
    void nextPanel(); // F6
    void fitToScreen();
    void fitFormAtZoom();
    void showAbout();
    void showStations();
    void showBackPressure();
    void showReservoir();
    void showDuct();
    void showWorking();
    std::vector<QDockWidget *> panels() const;
    void offerLargeView(form_runtime::ChartSurface *chart); // "Open large" in its menu
    void openLarge(const form_runtime::ChartSurface *chart);

    NozzleCase *case_;
    Form_Ventrolex *form_;
    QAction *Mn_Stations, *Mn_BackPressure, *Mn_Reservoir, *Mn_Duct, *Mn_Working;
    QMenu *Mn_View = nullptr;
    QAction *Mn_ZoomIn = nullptr, *Mn_ZoomOut = nullptr, *Mn_ZoomReset = nullptr;
    QPointer<QWidget> lastInForm; // the form's control that last had the focus
    QDockWidget *stationsDock = nullptr, *backPressureDock = nullptr, *reservoirDock = nullptr, *ductDock = nullptr,
                *workingDock = nullptr; // made when first opened
    std::vector<std::pair<const form_runtime::ChartSurface *, QDockWidget *>> largeDocks; // a chart's, opened large
    struct {
        QRect geometry;
        QByteArray state; // the panels' places and sizes
    } atActualSize;        // before the zoom's first step, for Actual size to come back to
    bool framed_ = false;  // sized again once the window manager's frame was known
};
