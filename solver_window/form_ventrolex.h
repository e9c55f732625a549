#pragma once

// The main window. A student types station 1 (M1, A1), picks an output option
// and types the station-2 value; the command button then finds the throat
// area A* and either the area A2 at a given Mach number M2 (option "A2") or
// the subsonic and supersonic Mach numbers at a given area A2 (option "M"),
// shows them rounded to 4 decimals and draws the nozzle geometry chart and,
// for option "M", the iteration chart.

#include "charts/nozzle_chart.h"
#include "flow/gas_constants.h"

#include <QMainWindow>

#include <string_view>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace form_runtime {
class ChartSurface;
class CommandButton;
class TextBox;
} // namespace form_runtime

class Form_Ventrolex : public QMainWindow {
    Q_OBJECT

public:
    explicit Form_Ventrolex(QWidget *parent = nullptr);

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

private:
    void buildControls();
    void Form_Load();
    void Option_A2_Click();
    void Option_Msub_Click();
    struct Throat {
        double M1, A1, A1_As, As; // station 1, its area ratio A1/A*, the throat area A*
    };

    void Command1_Click();
    double read(const QLineEdit *box);
    Throat findThroat();
    void findAreaForMach();
    void findMachForArea();
    void Mn_About_Click();

    QGroupBox *Frame1, *Frame2, *Frame3, *Frame4;
    QLabel *Label1, *Label2, *Label3;
    form_runtime::TextBox *Text_A1, *Text_M1, *Text_Astar, *Text_A2, *Text_Msub, *Text_Msup;
    QRadioButton *Option_A2, *Option_Msub;
    form_runtime::CommandButton *Command1;
    form_runtime::ChartSurface *Picture_geo, *Picture_iter;
    QAction *Mn_About;

    flow::GasConstants gas{}; // k, kc1 ... kc4, set when the window loads
    charts::GeoTables geoTables;
    std::vector<const QLineEdit *> boxesRead; // by the solution under way, in order
};
