#pragma once

#include "nozzle_case/nozzle_case.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <optional>

class QComboBox;
class QLabel;

namespace form_runtime {
class TextBox;
}

// The Reservoir panel that "Reservoir" opens: p0, T0 and the gas's R, each in
// a unit of its choice, the unit of the main window's areas, and a unit
// system that sets them all. It writes the reservoir and the units to the
// case, which every panel follows, and shows the last solution's A*, the
// sonic state and the mass flow through the throat.
class Form_Reservoir : public QWidget {
    Q_OBJECT

public:
    explicit Form_Reservoir(NozzleCase &nozzleCase, QWidget *parent = nullptr);

private:
    // A box, its unit and the case's input it holds.
    struct Field {
        form_runtime::TextBox *box;
        QComboBox *unit;
        NozzleCase::Input input;
        QString name;
        double (*toSI)(int unit, double value);
        double (*fromSI)(int unit, double value);
        const QStringList *units;
        QString problem; // why its text gives no value, or empty
    };
    void typedInto(Field &f);
    void read(Field &f, bool typed);
    void fill(Field &f, std::optional<double> si);
    void unitChosen(Field &f);
    void systemChosen(int system);
    void followGas();
    void showProblems();
    void showResults();
    void writeUnits();

    NozzleCase &case_;
    form_runtime::TextBox *Text_p0, *Text_T0, *Text_R;
    QComboBox *Unit_p0, *Unit_T0, *Unit_R, *Unit_Area, *Unit_System;
    QLabel *Label_Input, *Label_Throat, *Label_Sonic, *Label_MassFlow;
    std::array<Field, 3> fields_;
    bool filling_ = false;       // the program writes a box: no typing to read
    bool settingSystem_ = false;
};
