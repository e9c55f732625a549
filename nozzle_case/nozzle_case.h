#pragma once

// What the whole program shares, with one owner: the gas, the last completed
// solution, and the reservoir with the units its figures are read and shown
// in. The solve command, the Gas menu and the Reservoir panel write to it;
// the panels read from it and follow its signals. No window pushes into
// another.

#include "flow/gas_constants.h"
#include "flow/isentropic.h"
#include "flow/nozzle_performance.h"
#include "flow/units.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class NozzleCase : public QObject {
    Q_OBJECT

public:
    // A station of a completed solution: its name, Mach number and area. A
    // station 2 that the main window's iteration found names its branch, so
    // that a panel can solve it exactly from A2/A*, and says whether the
    // iteration settled at the Mach number it showed.
    struct Station {
        QString name;
        double M, A;
        std::optional<flow::Branch> branch = std::nullopt;
        bool settled = true;
    };
    struct Solution {
        std::vector<Station> stations; // station 1, the throat, station 2 (or both)
        double As, A2_As;              // the throat area, and station 2's area ratio
        QString solvedFrom;            // its inputs, as the panels name them
        // The unit the main window's areas were typed in when it was solved:
        // another unit later shows the same nozzle, never reads it anew.
        flow::AreaUnit areaUnit = flow::AreaUnit::SqCm;
        // How the boxes were read where it may not be what was meant: one
        // sentence a box ("A1 read as 3: …").
        QStringList doubts = {};
    };

    // An input of the panels as it stands: the text in its box, the unit it
    // is in (an index into its quantity's units; 0 where it has none), and
    // its value (in SI where it has a unit) when the text was read whole and
    // has a physical meaning. A text the program wrote (the figure of another
    // unit, or one that follows another input) is `filled`: shown rounded,
    // while its value stays exact.
    // The Duct panel's own: its nozzle's Ae/At, the duct's friction 4fL/D and heat T02/T01, which
    // of them it has (1 for heat), and the back pressure at its exit.
    enum class Input { AeAt, pbRatio, pb, p0, T0, R, ductAeAt, fLD, T0Ratio, ductKind, ductPbRatio };
    struct Typed {
        QString text;
        int unit = 0;
        std::optional<double> value;
        bool filled = false;
    };

    explicit NozzleCase(QObject *parent = nullptr);

    // The units the dimensional figures are read and shown in: the
    // reservoir's boxes and pb in theirs, the main window's areas in `area`,
    // the rest (mass flow, velocity, force, density) in the system's.
    struct Units {
        flow::PressureUnit pressure = flow::PressureUnit::kPa;
        flow::TemperatureUnit temperature = flow::TemperatureUnit::K;
        flow::GasConstantUnit R = flow::GasConstantUnit::JPerKgK;
        flow::AreaUnit area = flow::AreaUnit::SqCm;
        flow::UnitSystem system = flow::UnitSystem::SI;
    };

    // The gas: air when the program starts. Its specific gas constant R in
    // J/(kg K), where the gas has one (a mixture of no fixed make-up has none).
    const flow::GasConstants &gas() const { return gas_; }
    const QString &gasName() const { return gasName_; }
    std::optional<double> gasR() const { return gasR_; }
    // Another k is another gas: the solution of the old one goes. The same k
    // under another name (helium or argon) keeps it.
    void setGas(double k, const QString &name, std::optional<double> R = std::nullopt);

    // The reservoir, in SI, once sound values are given; and the units.
    const std::optional<flow::Reservoir> &reservoir() const { return reservoir_; }
    void setReservoir(std::optional<flow::Reservoir> reservoir);
    const Units &units() const { return units_; }
    void setUnits(const Units &units);
    // The last solution's throat area in m^2, in the unit it was solved in.
    std::optional<double> throatArea() const;
    // The same in the area unit chosen now.
    std::optional<double> throatAreaShown() const;

    // The last completed solution, or none: none since the gas was chosen,
    // or since a solve was refused, and then why; and what stopped it, in
    // the words the main window gives under its message.
    const std::optional<Solution> &solution() const { return solution_; }
    const QString &noSolutionWhy() const { return noSolutionWhy_; }
    const QString &noSolutionCause() const { return noSolutionCause_; }
    void setSolution(Solution solution);
    void withdrawSolution(const QString &why, const QString &cause = {});

    // What the panels' boxes hold. Setting p0, T0 or R sets the reservoir,
    // once all three have values. Of pb and pb/p01, the one typed last gives
    // the back pressure; the other follows it.
    const Typed &input(Input which) const { return inputs_[std::size_t(which)]; }

    // A look-up row a panel filled from one value typed into it: the
    // isentropic table's (Stations), the normal shock's and the oblique
    // shock's (Back pressure). The column as its header names it, the value
    // typed, the quantity of the isentropic table it is (A as A/A*), and the
    // Mach number found (for a shock, M1) on its branch.
    enum class Table { Isentropic, NormalShock, ObliqueShock };
    struct LookUp {
        QString column;
        double value;
        double M;
        flow::Quantity quantity = flow::Quantity::M;
        double ratio = 0; // the value as the quantity's ratio
        flow::Branch branch = flow::Branch::Subsonic;
    };
    const std::optional<LookUp> &lookUp(Table table) const { return lookUps_[std::size_t(table)]; }
    void setLookUp(Table table, std::optional<LookUp> lookUp);
    void setInput(Input which, Typed typed);
    Input backPressureGiven() const { return backPressureGiven_; }

signals:
    void gasChanged(bool anotherK);
    void solutionChanged();
    void reservoirChanged(); // the reservoir or the units
    void inputChanged(NozzleCase::Input which);
    void lookUpChanged();

private:
    flow::GasConstants gas_;
    QString gasName_;
    std::optional<double> gasR_;
    std::optional<Solution> solution_;
    QString noSolutionWhy_, noSolutionCause_;
    Typed inputs_[11];
    std::optional<LookUp> lookUps_[3];
    Input backPressureGiven_ = Input::pbRatio;
    std::optional<flow::Reservoir> reservoir_;
    Units units_;
};
