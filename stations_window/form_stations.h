#pragma once

#include "form_runtime/accessibility.h"
#include "stations_window/station_table.h"

#include <QWidget>

class NozzleCase;
class QLabel;
class QRadioButton;

namespace form_runtime {
class TableView;
class ValueTable;
}

// The Stations panel that "Stations" opens: the whole isentropic table at
// every station of the case's last completed solution, in its gas, and a
// look-up row.
class Form_Stations : public QWidget {
    Q_OBJECT

public:
    explicit Form_Stations(NozzleCase &nozzleCase, QWidget *parent = nullptr);

    stations_window::StationTable &table() { return *table_; }

    void copyTable();
    void saveAsCsv(const QString &fileName);

private:
    void followGas(bool anotherK);
    void followSolution();
    void chooseCsvFile();
    QString inUnitsText(QChar separator) const;
    QString areaUnit() const;
    void showInUnits(); // where the reservoir is given: p, T, rho, a and V at each station, and the mass flow
    QByteArray csv() const; // the table as the CSV file holds it

    NozzleCase &case_;
    stations_window::StationTable *table_;
    form_runtime::TableView *view_;
    QLabel *gas_, *noSolution_, *solvedFrom_, *notes_, *lookUpLine_, *massFlow_;
    form_runtime::ValueTable *units_;
    form_runtime::TableView *unitsView_;
    QString columnUnits_;
    QRadioButton *subsonic_, *supersonic_;
    form_runtime::Announcement announcement_{this};
};
