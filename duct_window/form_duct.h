#pragma once

#include "charts/duct_chart.h"
#include "flow/duct_flow.h"
#include "form_runtime/accessibility.h"

#include <QWidget>

#include <map>
#include <optional>
#include <vector>

class NozzleCase;
class QLabel;
class QRadioButton;
class QTableView;

namespace form_runtime {
class ChartSurface;
class Slider;
class TextBox;
class ValueTable;
} // namespace form_runtime

// The Duct panel that "Duct" opens: a nozzle of Ae/At discharging into a duct
// of its exit's area, with friction (4fL/D) or heat (T02/T01) along it, to a
// back pressure pb: its regime, where a shock stands, the places of the flow
// and the pressure along both; and the Fanno and Rayleigh tables to look up.
// It follows the case: its gas, the last solution's A2/A* as Ae/At, and the
// reservoir for the mass flow and the heat in units.
class Form_Duct : public QWidget {
    Q_OBJECT

public:
    explicit Form_Duct(NozzleCase &nozzleCase, QWidget *parent = nullptr);

    // The flow shown, or nothing while the inputs make none.
    const std::optional<flow::DuctFlow> &flow() const { return flow_; }
    std::vector<form_runtime::ChartSurface *> charts() const { return {Picture_duct, Picture_ts}; }
    QString tablesText(QChar separator) const;

private:
    void followSolution();
    void followGas(bool anotherK);
    void typedInto(form_runtime::TextBox *box);
    void readInput(form_runtime::TextBox *box);
    void fill(form_runtime::TextBox *box, const QString &text);
    void kindChosen();
    void sliderMoved(int value);
    void solve();
    void showFlow();
    QString inUnits() const;
    bool lookUp(bool fanno, int column, const QString &typed);
    void showLookUps();

    NozzleCase &case_;
    QLabel *Label_Gas, *Label_Input, *Label_Regime, *Label_Critical, *Label_Flow, *Label_LookUpProblem;
    QRadioButton *Option_Fanno, *Option_Rayleigh;
    form_runtime::TextBox *Text_AeAt, *Text_fLD, *Text_T0Ratio, *Text_pbp0;
    form_runtime::Slider *Slider_pbp0;
    form_runtime::ValueTable *places_, *fanno_, *rayleigh_;
    QTableView *Table_Places, *Table_Fanno, *Table_Rayleigh;
    form_runtime::ChartSurface *Picture_duct, *Picture_ts;
    std::optional<flow::DuctFlow> flow_;
    charts::DuctLimits limits_{0, {flow::DuctKind::Friction, -1}, 0, {}}; // none yet
    std::map<form_runtime::TextBox *, QString> problems_;
    std::vector<double> fannoFound_, rayleighFound_; // Mach numbers looked up
    bool filling_ = false;
    form_runtime::Announcement announcement_{this};
};
