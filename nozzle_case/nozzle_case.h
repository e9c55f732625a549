#pragma once

// What the whole program shares, with one owner: the gas and the last
// completed solution. The solve command and the Gas menu write to it; the
// panels read from it and follow its signals. No window pushes into another.

#include "flow/gas_constants.h"
#include "flow/isentropic.h"

#include <QObject>
#include <QString>

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
    };

    explicit NozzleCase(QObject *parent = nullptr);

    // The gas: air when the program starts.
    const flow::GasConstants &gas() const { return gas_; }
    const QString &gasName() const { return gasName_; }
    // Another k is another gas: the solution of the old one goes. The same k
    // under another name only renames it.
    void setGas(double k, const QString &name);

    // The last completed solution, or none since the gas was chosen.
    const std::optional<Solution> &solution() const { return solution_; }
    void setSolution(Solution solution);

signals:
    void gasChanged(bool anotherK);
    void solutionChanged();

private:
    flow::GasConstants gas_;
    QString gasName_;
    std::optional<Solution> solution_;
};
