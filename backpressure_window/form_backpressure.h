#pragma once

#include "charts/thrust_chart.h"
#include "flow/back_pressure.h"
#include "flow/oblique_shock.h"
#include "form_runtime/accessibility.h"

class NozzleCase;

#include <QSize>
#include <QWidget>

#include <map>
#include <optional>
#include <utility>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class QTimer;

namespace form_runtime {
class ChartSurface;
class Slider;
class TextBox;
class ValueTable;
struct TableRow;
} // namespace form_runtime

// The Back pressure panel that "Back pressure" opens: a nozzle of exit to
// throat area ratio Ae/At discharging to a back pressure pb, its regime, the
// normal shock and where it stands, and the pressure along it. It follows the
// case: its gas, and the last solution's A2/A* as Ae/At.
class Form_BackPressure : public QWidget {
    Q_OBJECT

public:
    explicit Form_BackPressure(NozzleCase &nozzleCase, QWidget *parent = nullptr);

    // The flow shown, or nothing before the inputs first made a nozzle.
    const std::optional<flow::BackPressureFlow> &flow() const { return flow_; }
    QString tablesText(QChar separator) const;
    void copyTables();
    void saveAsCsv(const QString &fileName);
    // The charts a user may open large: the pressure along the nozzle and the thrust coefficient.
    std::vector<form_runtime::ChartSurface *> charts() const { return {Picture_pressure, Picture_lip, Picture_CF}; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void followGas(bool anotherK);
    void followSolution(); // Ae/At from the last solution: A2/A*, when at least 1
    // A box typed into: its text read whole into the case's input, or why not.
    void typedInto(form_runtime::TextBox *box);
    void readInput(form_runtime::TextBox *box);
    // The program writes a figure into a box: rounded, its start in view.
    void fill(form_runtime::TextBox *box, const QString &text);
    // The back pressure from the one of pb and pb/p01 typed last, or why none.
    std::optional<double> backPressure(QString &problem, form_runtime::TextBox *&at) const;
    void solve();          // the results from the inputs, when they make a nozzle
    void showFlow();
    void showCritical(const flow::CriticalPressures &critical);
    void showShocks();
    void drawChart();
    void sliderMoved(int position);
    bool lookUpShock(int column, const QString &typed);
    void chooseCsvFile();
    form_runtime::ChartSurface *paperChart(const char *name, const QString &accessibleName,
                                           const QString &fileBaseName, QSize least);
    QTableView *tableView(form_runtime::ValueTable *table, const QString &name, const char *objectName,
                          int rowsShown, const QString &widestName);

    // At the exit lip (exit_lip.cpp): the wave of an over- or underexpanded
    // nozzle, its table and sketch, and the oblique-shock look-up.
    void buildExitLip();
    void showLip();
    void drawLip();
    bool lookUpOblique(int column, const QString &typed);
    // The look-up's rows from what was typed, or why there are none.
    std::pair<std::vector<form_runtime::TableRow>, QString> obliqueRows() const;
    void showOblique();

    // In units (in_units.cpp): pb in a unit of its choice, the places in
    // units and the thrust at pb where the reservoir is given; the thrust
    // coefficient against pb/p01 always.
    void buildInUnits();
    void showInUnits();
    void pbUnitChosen();
    void followUnits();
    QString separationNote() const; // Summerfield's criterion, for the regime line
    QString inputsInUnitsText(QChar separator) const;

    NozzleCase &case_;
    std::optional<flow::BackPressureFlow> flow_;
    form_runtime::TextBox *Text_AeAt = nullptr, *Text_pbp0 = nullptr;
    form_runtime::Slider *Slider_pbp0;
    QLabel *Label_Gas, *Label_Input, *Label_Regime, *Label_Critical, *Label_LookUpProblem;
    form_runtime::ValueTable *nozzle_, *shock_;
    QTableView *Table_Nozzle, *Table_Shock;
    form_runtime::ChartSurface *Picture_pressure;
    std::optional<flow::NormalShock> lookedUp_; // the look-up row's shock
    QLabel *Label_Lip, *Label_ObliqueHelp, *Label_ObliqueProblem;
    form_runtime::ValueTable *lip_, *oblique_;
    QTableView *Table_Lip, *Table_Oblique;
    form_runtime::ChartSurface *Picture_lip = nullptr;
    std::optional<flow::LipShock> lipShock_;
    std::optional<flow::LipFan> lipFan_;
    form_runtime::TextBox *Text_pb = nullptr;
    QComboBox *Unit_pb;
    std::map<const form_runtime::TextBox *, QString> problems_; // why a box's text gives no value
    bool filling_ = false;   // the program writes a box: no typing to read
    int sliderRest_ = 0;     // where the slider stood before the boxes were typed into
    int pressureUnit_ = 0;   // the case's pressure unit that Unit_pb last followed
    QLabel *Label_Units;
    form_runtime::ValueTable *nozzleUnits_, *performance_;
    QTableView *Table_NozzleUnits, *Table_Performance;
    form_runtime::ChartSurface *Picture_CF;
    charts::ThrustCurve thrust_;   // CF at every pb/p01 of this nozzle and gas
    QString columnUnits_;          // the units the tables' headers name
    QString saidInUnits_;          // the mass flow and thrust, for the announcement
    std::optional<double> obliqueM1_;                     // typed into the oblique look-up
    std::optional<std::pair<int, double>> obliqueGiven_; // then theta, beta or p2/p1: its column and value
    QTimer *rest_;                              // the inputs have rested: the regime is announced
    form_runtime::Announcement announcement_{this};
};
