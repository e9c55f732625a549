#pragma once

#include "form_runtime/accessibility.h"
#include "stations_window/station_table.h"

#include <QWidget>

class QLabel;
class QRadioButton;
class QTableView;

// The Stations window that "Stations" opens: the whole isentropic table at
// every station of the last completed solution, and a look-up row. Like the
// About window, the application keeps one, created on first use; it is
// modeless, and the main window goes on working while it is open.
class Form_Stations : public QWidget {
    Q_OBJECT

public:
    explicit Form_Stations(QWidget *parent = nullptr);

    // The application's one Stations window, created on first use; and
    // whether it has been created.
    static Form_Stations &instance();
    static Form_Stations *existing();

    // The stations of a completed solution, whose throat area is As;
    // `solvedFrom` names its inputs.
    void setStations(std::vector<stations_window::StationRow> stations, double As, const QString &solvedFrom);
    // The program's gas, named as its menu names it; the stations of another go.
    void setGas(const flow::GasConstants &gas, const QString &name);
    stations_window::StationTable &table() { return *table_; }

    void copyTable();
    void saveAsCsv(const QString &fileName);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void copySelection();
    void chooseCsvFile();
    QByteArray csv() const; // the table as the CSV file holds it

    stations_window::StationTable *table_;
    QTableView *view_;
    QLabel *gas_, *noSolution_, *solvedFrom_, *notes_, *lookUpLine_;
    QString gasName_;
    QRadioButton *subsonic_, *supersonic_;
    form_runtime::Announcement announcement_{this};
};
