#pragma once

// The main window. A student types station 1 (M1, A1), picks an output option
// and types the station-2 value; the command button then finds the throat
// area A* and either the area A2 at a given Mach number M2 (option "A2") or
// the subsonic and supersonic Mach numbers at a given area A2 (option "M"),
// shows them rounded to 4 decimals and draws the nozzle geometry chart and,
// for option "M", the iteration chart. The Stations and Back pressure panels
// dock beside it and follow the case the window writes to: its gas and its
// last completed solution. The View menu zooms the whole window.

#include "charts/nozzle_chart.h"
#include "flow/gas_constants.h"
#include "flow/isentropic.h"
#include "form_runtime/accessibility.h"
#include "nozzle_case/nozzle_case.h"
#include "solver_window/texts.h"

#include <QMainWindow>
#include <QPointer>

#include <limits>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

class QAction;
class QDockWidget;
class QLabel;
class QLineEdit;
class QMenu;

namespace form_runtime {
class ChartSurface;
class CommandButton;
class GroupFrame;
class OptionButton;
class TextBox;
} // namespace form_runtime

class Form_Ventrolex : public QMainWindow {
    Q_OBJECT

public:
    explicit Form_Ventrolex(QWidget *parent = nullptr);

    // What a box was read as, where that may not be what the student meant:
    // the note its warning sign shows, and the short form that ends the
    // announcement ("A1 read as 5.").
    struct Doubt {
        QString note, brief;
    };

    // A/A* at Mach number Mi (throws flow::ArithmeticError for Mi = 0).
    double AAfM(double Mi) const;
    // The Mach number with area ratio AAr to a reference station of Mach
    // number Mr, on the branch that rejim names; shows "iterasyon 50 adımda
    // yakınsamadı" and returns the last iterate when the iteration does not
    // settle or the regime is unknown.
    double M_iter(double AAr, double Mr, std::string_view rejim);
    // Redraws the bare nozzle geometry chart.
    void grafik_Geo();
    // Redraws the iteration chart for the area ratio AAr and reference Mach Mr.
    void Grafik_iter(double AAr, double Mr);

    // What the whole program shares: the gas and the last completed solution.
    NozzleCase &nozzleCase() { return *case_; }
    // The zoom in quarters (4: 100 %), and a step of it as the View menu makes it.
    int zoom() const;
    void setZoom(int quarters);

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildControls();
    void Form_Load();
    void Option_A2_Click();
    void Option_Msub_Click();
    void speakStationTwoRoles();
    struct Throat {
        double M1, A1, A1_As, As; // station 1, its area ratio A1/A*, the throat area A*
    };

    // What the last completed solution read and found, for the charts' menus.
    struct Solution {
        std::vector<std::pair<QString, double>> quantities; // inputs, then results
        std::vector<std::pair<QString, QString>> notes;     // a box's name, and what it was read as
        bool iteration = false;                             // option "M": the iteration chart shows it
        double A2_As = 0, Msub = 0, Msup = 0;
        double rootSub = 0, rootSup = 0; // the roots of A2/A*, as the charts name the solutions
        std::vector<double> subsonicSteps, supersonicSteps;
        QString gas; // as the gas menu names it
    };

    void Command1_Click();
    double read(form_runtime::TextBox *box);
    Throat findThroat();
    void findAreaForMach();
    void findMachForArea();
    void Mn_About_Click();
    void Mn_Stations_Click();
    void Mn_BackPressure_Click();
    void Mn_Reservoir_Click();
    void completed(Solution solution, NozzleCase::Solution shared, const QString &spoken);
    const flow::GasConstants &gas() const { return case_->gas(); }

    // The workspace: the form, scrolled where the window is smaller;
    // the panels docked beside it (or below it on a narrow screen).
    void buildWorkspace();
    void sizeWorkspace();
    void buildViewMenu();
    QDockWidget *dockPanel(QWidget *panel, const QString &title, const char *name);
    void showPanel(QDockWidget *dock);
    void nextPanel(); // F6
    void fitToScreen();
    void layOutAtZoom();
    void fitFormAtZoom();
    void takeDesktopColours();
    static QFont dialogFont(); // the form's, at the zoom
    void solveOnReturn(form_runtime::TextBox *box);

    std::vector<std::pair<form_runtime::TextBox *, Doubt>> doubtsAboutInput() const;
    void flagDoubtfulInput();
    // What the boxes read were read as, where that may be the cause of a
    // refused solve: one sentence a box, and the names of those boxes.
    QStringList inputCauses(QStringList *boxes = nullptr) const;
    QString faultCause(flow::ArithmeticError::Kind kind) const;
    QString narrowerCause(double A2, double As, double A2_A1, double A1_As) const;
    void flagIterate(form_runtime::TextBox *box, Solution &solution, double iterate, flow::Branch branch,
                     bool settled, QStringList &roots);
    void unflagInput();
    void withdrawResults();

    void buildChartMenus();
    void buildGasMenu();
    void askForOtherK();
    void chooseGas(QAction *item, double k, const QString &name, const QString &kText, std::optional<double> R);
    QString withGas(const QString &description) const;
    void bareNozzleChart();
    void drawIterationChart(const Solution &solution);
    void copyResults();
    void copyIterates();

    form_runtime::GroupFrame *Frame1, *Frame2, *Frame3, *Frame4;
    QLabel *Label1, *Label2, *Label3;
    form_runtime::TextBox *Text_A1, *Text_M1, *Text_Astar, *Text_A2, *Text_Msub, *Text_Msup;
    form_runtime::OptionButton *Option_A2, *Option_Msub;
    form_runtime::CommandButton *Command1;
    form_runtime::ChartSurface *Picture_geo, *Picture_iter;
    QAction *Mn_About;
    QAction *Mn_Stations;
    QAction *Mn_BackPressure;
    QAction *Mn_Reservoir;
    QMenu *Mn_View = nullptr;
    QAction *Mn_ZoomIn = nullptr, *Mn_ZoomOut = nullptr, *Mn_ZoomReset = nullptr;
    QWidget *client = nullptr;                             // the form
    QPointer<QWidget> lastInForm;                          // its control that last had the focus
    QDockWidget *stationsDock = nullptr, *backPressureDock = nullptr, *reservoirDock = nullptr; // made when first opened
    std::vector<std::pair<const form_runtime::ChartSurface *, QDockWidget *>> largeDocks; // a chart's, opened large
    std::vector<QDockWidget *> panels() const;
    void offerLargeView(form_runtime::ChartSurface *chart); // "Open large" in its menu
    void openLarge(const form_runtime::ChartSurface *chart);
    std::vector<std::pair<QWidget *, QRect>> layoutTwips; // every control's place in twips
    QMenu *Mn_Gas = nullptr;
    QAction *otherK = nullptr;  // "Other k…"
    QAction *gasItem = nullptr; // the item of the program's gas
    QAction *showIterates = nullptr; // on the iteration chart's menu: draw the cobweb

    NozzleCase *case_;        // the gas (air when the window loads) and the last completed solution
    QString gasK;             // k as the window shows it
    QString otherKText;       // the k last accepted for "Other k…"
    charts::GeoTables geoTables;
    std::vector<form_runtime::TextBox *> boxesRead; // by the solution under way, in order
    std::optional<double> narrowerThan;             // the throat area that refused the station-2 area
    bool throatShown = false;                       // the solution under way has shown its A*
    solver_window::texts::Step step = solver_window::texts::Step::Reading; // where it is
    form_runtime::Announcement announcement{this}; // the results of the last solution, for a screen reader
    std::vector<double> lastIterates;          // of the last M_iter call
    bool lastConverged = true;                 // whether that call settled
    std::optional<Solution> lastSolution;
    bool solutionShown = false; // the last solution's results are on screen
    double bareChartK = std::numeric_limits<double>::quiet_NaN(); // the gas of the nozzle chart drawn bare, NaN when it has marks
};
