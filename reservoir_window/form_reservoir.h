#pragma once

#include <QWidget>

#include <map>
#include <optional>

class NozzleCase;
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
    struct Reading {
        std::optional<double> si; // the value in SI, when it has a physical meaning
        QString note;             // why it may not be what was meant; empty when sound
    };
    Reading read(form_runtime::TextBox *box, const QString &quantity, double (*toSI)(int unit, double value),
                 int unit) const;
    void readBoxes();
    void unitChosen(form_runtime::TextBox *box, QComboBox *unit, int &was, double (*toSI)(int, double),
                    double (*fromSI)(int, double));
    void systemChosen(int system);
    void followGas();
    void showResults();
    void writeUnits();

    NozzleCase &case_;
    form_runtime::TextBox *Text_p0, *Text_T0, *Text_R;
    QComboBox *Unit_p0, *Unit_T0, *Unit_R, *Unit_Area, *Unit_System;
    QLabel *Label_Input, *Label_Throat, *Label_Sonic, *Label_MassFlow;
    int p0Unit_, T0Unit_, RUnit_; // the units the boxes' numbers are in now
    // A box's quantity as it was before another unit rounded its number to
    // ten digits, until the box is typed into again.
    std::map<const form_runtime::TextBox *, double> kept_;
    bool settingSystem_ = false;
};
