// Renders the main window after one solution to a PNG, for the README:
//   ventrolex_screenshot OUT.png A2|M M1 A1 VALUE [iterates|stations|backpressure|large-CHART]
// VALUE is M2 for option "A2" and A2 for option "M"; "iterates" turns on the
// iteration chart's "Show the iterates"; "stations" renders the Stations
// window instead, with p/p0 = 0.5 looked up; "backpressure" the Back pressure
// window, at pb/p01 = 0.6 (or "backpressure=PB" at PB) with M1 = 2 looked up,
// "lip=PB" only its exit lip's line, table and sketch at PB; "reservoir" the
// Reservoir panel with the SI problem (1 MPa, 500 K, R = 287, areas in cm^2),
// "performance" the Back pressure panel's top for it at 101.325 kPa; "large-Picture_geo",
// "large-Picture_iter" or "large-Picture_pressure" that chart opened large,
// at 1280x800 (the Back pressure chart at pb/p01 = 0.6). Runs headless;
// VENTROLEX_DARK set, under a dark palette.

#include "form_runtime/application.h"
#include "workspace/main_window.h"
#include "backpressure_window/form_backpressure.h"
#include "stations_window/form_stations.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>

#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    form_runtime::Application app(argc, argv);
    const QStringList args = QApplication::arguments();
    const bool iterates = args.size() == 7 && args[6] == QLatin1String("iterates");
    const bool stations = args.size() == 7 && args[6] == QLatin1String("stations");
    const QString large = args.size() == 7 && args[6].startsWith(QLatin1String("large-")) ? args[6].mid(6) : QString();
    const bool lip = args.size() == 7 && args[6].startsWith(QLatin1String("lip="));
    const bool reservoirShown = args.size() == 7 && args[6] == QLatin1String("reservoir");
    const bool performanceShown = args.size() == 7 && args[6] == QLatin1String("performance");
    const bool inUnits = reservoirShown || performanceShown;
    const QString pb = args.size() == 7 && args[6].startsWith(QLatin1String("backpressure=")) ? args[6].mid(13)
                       : lip                                                                   ? args[6].mid(4)
                                                                                               : QStringLiteral("0.6");
    const bool backPressure = args.size() == 7 && (args[6].startsWith(QLatin1String("backpressure")) || lip || performanceShown ||
                                                   large == QLatin1String("Picture_pressure"));
    if ((args.size() != 6 && !iterates && !stations && !backPressure && large.isEmpty() && !inUnits) || (args[2] != QLatin1String("A2") && args[2] != QLatin1String("M"))) {
        std::fprintf(stderr, "usage: ventrolex_screenshot OUT.png A2|M M1 A1 VALUE [iterates|stations|backpressure]\n");
        return 2;
    }
    if (qEnvironmentVariableIsSet("VENTROLEX_DARK")) { // a dark desktop, as a student may have
        QPalette dark = QApplication::palette();
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            dark.setColor(role, QColor(40, 40, 40));
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, QColor(235, 235, 235));
        QApplication::setPalette(dark);
    }
    MainWindow form; // the shell, with the form in its middle
    form.show();
    form.resize(form.minimumSizeHint().width(), form.height()); // the form alone: no room for a panel

    // A message box would wait for a user: report it and close it.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            std::fprintf(stderr, "message shown and closed\n");
            modal->close();
        }
    });
    closer.start(10);

    if (inUnits) { // the SI problem: 1 MPa, 500 K, R = 287, areas in cm^2
        form.findChild<QAction *>(QStringLiteral("Mn_Reservoir"))->trigger();
        auto *panel = form.findChild<QWidget *>(QStringLiteral("Form_Reservoir"));
        panel->findChild<QComboBox *>(QStringLiteral("Unit_p0"))->setCurrentIndex(2);
        panel->findChild<QLineEdit *>(QStringLiteral("Text_p0"))->setText(QStringLiteral("1"));
        panel->findChild<QLineEdit *>(QStringLiteral("Text_T0"))->setText(QStringLiteral("500"));
        panel->findChild<QLineEdit *>(QStringLiteral("Text_R"))->setText(QStringLiteral("287"));
    }
    const bool findArea = args[2] == QLatin1String("A2");
    form.findChild<QLineEdit *>(QStringLiteral("Text_M1"))->setText(args[3]);
    form.findChild<QLineEdit *>(QStringLiteral("Text_A1"))->setText(args[4]);
    form.findChild<QAbstractButton *>(findArea ? QStringLiteral("Option_A2") : QStringLiteral("Option_Msub"))->click();
    form.findChild<QLineEdit *>(findArea ? QStringLiteral("Text_Msub") : QStringLiteral("Text_A2"))->setText(args[5]);
    form.findChild<QAbstractButton *>(QStringLiteral("Command1"))->click();
    if (iterates) {
        for (QAction *action : form.findChild<QWidget *>(QStringLiteral("Picture_iter"))->findChildren<QAction *>())
            if (action->isCheckable())
                action->setChecked(true);
    }

    QWidget *shown = &form;
    if (stations) {
        form.findChild<QAction *>(QStringLiteral("Mn_Stations"))->trigger();
        auto *panel = form.findChild<Form_Stations *>();
        auto &table = panel->table();
        table.setData(table.index(table.lookUpRow(), 3), QStringLiteral("0.5"), Qt::EditRole);
        shown = panel;
        QApplication::processEvents();
    }
    if (backPressure) {
        form.findChild<QAction *>(QStringLiteral("Mn_BackPressure"))->trigger();
        Form_BackPressure &window = *form.findChild<Form_BackPressure *>();
        if (performanceShown) // pb and the places in kPa
            window.findChild<QComboBox *>(QStringLiteral("Unit_pb"))->setCurrentIndex(1);
        window.findChild<QLineEdit *>(QStringLiteral("Text_pbp0"))->setText(performanceShown ? QStringLiteral("0.101325") : pb);
        auto *shocks = window.findChild<QTableView *>(QStringLiteral("Table_Shock"))->model();
        shocks->setData(shocks->index(shocks->rowCount() - 1, 0), QStringLiteral("2"), Qt::EditRole);
        shown = &window;
        QApplication::processEvents();
    }
    if (!large.isEmpty()) {
        for (QAction *action : form.findChild<QWidget *>(large)->findChildren<QAction *>())
            if (action->text() == QLatin1String("Open large"))
                action->trigger();
        QApplication::processEvents();
        shown = form.findChild<QDockWidget *>(QStringLiteral("Dock_Large_") + large)->widget();
        auto *dock = qobject_cast<QDockWidget *>(shown->parentWidget());
        dock->setFloating(true);
        dock->resize(1280, 800);
        QApplication::processEvents();
    } else if (shown != &form) { // a panel floating at a size with room for its tables
        auto *dock = qobject_cast<QDockWidget *>(shown->parentWidget()->parentWidget()->parentWidget());
        dock->setFloating(true);
        dock->resize(stations ? 960 : 660, stations ? 420 : 800);
        if (backPressure) // the whole panel, however long
            dock->resize(660, std::max(800, shown->sizeHint().height() + 40));
        QApplication::processEvents();
    }
    if (reservoirShown) {
        shown = form.findChild<QWidget *>(QStringLiteral("Form_Reservoir"));
        auto *dock = qobject_cast<QDockWidget *>(shown->parentWidget()->parentWidget()->parentWidget());
        dock->setFloating(true);
        dock->resize(520, 330);
        QApplication::processEvents();
    }
    QRect part; // the whole of what is shown, or the exit lip's part of the panel
    if (performanceShown) {
        const auto *last = shown->findChild<QWidget *>(QStringLiteral("Table_NozzleUnits"));
        part = QRect(QPoint(0, 0), QPoint(shown->width() - 1, last->geometry().bottom() + 6));
    }
    if (lip) {
        const auto *line = shown->findChild<QWidget *>(QStringLiteral("Label_Lip"));
        const auto *sketch = shown->findChild<QWidget *>(QStringLiteral("Picture_lip"));
        part = QRect(QPoint(0, line->y() - 4), QPoint(shown->width() - 1, sketch->geometry().bottom() + 4));
    }
    if (!shown->grab(part.isNull() ? QRect(QPoint(0, 0), QSize(-1, -1)) : part).save(args[1])) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
