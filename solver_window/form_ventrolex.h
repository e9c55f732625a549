#pragma once

// The main window. A student types station 1 (M1, A1), picks an output option
// and types the station-2 value; the command button then finds the throat
// area A* and either the area A2 at a given Mach number M2 (option "A2") or
// the subsonic and supersonic Mach numbers at a given area A2 (option "M"),
// shows them rounded to 4 decimals and draws the nozzle geometry chart and,
// for option "M", the iteration chart. It writes the gas and its last
// completed solution to the case, which it is given by the shell that places
// it, or keeps of its own when it stands alone; the panels follow that case.

#include "charts/nozzle_chart.h"
#include "flow/gas_constants.h"
#include "flow/isentropic.h"
#include "form_runtime/accessibility.h"
#include "nozzle_case/nozzle_case.h"
#include "solver_window/texts.h"

#include <QMainWindow>

#include <limits>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

class QAction;
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
    // A form of its own, with its own case, or one that writes to `nozzleCase`.
    explicit Form_Ventrolex(QWidget *parent = nullptr);
    explicit Form_Ventrolex(NozzleCase &nozzleCase, QWidget *parent = nullptr);

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

    // What the shell that places the form shows of it: its menu items, in
    // the shell's menu bar once the form's own is hidden (About is the
    // shell's to answer), and the charts a user may open large.
    QAction *aboutItem() const { return Mn_About; }
    QMenu *gasMenu() const { return Mn_Gas; }
    void hideMenuBar();
    std::vector<form_runtime::ChartSurface *> charts() const { return {Picture_geo, Picture_iter}; }
    // Every control at its place at the zoom, its font and the form's size.
    void layOutAtZoom();

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
    void completed(Solution solution, NozzleCase::Solution shared, const QString &spoken);
    const flow::GasConstants &gas() const { return case_->gas(); }

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
    QWidget *client = nullptr; // the form's client area
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
