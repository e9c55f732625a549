// The Stations window: the whole isentropic table of the worked example, and
// the look-up row.

#include "solve_fixture.h"

#include "stations_window/form_stations.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QKeyEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QLabel>
#include <QMenu>
#include <QDir>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>

namespace {

using testing_gui::shownRow;
using testing_gui::SolveTest;


TEST_F(SolveTest, StationsWindowTabulatesTheSolutionAndLooksUpFromAnyColumn)
{
    solveForMach(QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("1"));
    form.findChild<QAction *>(QStringLiteral("Mn_Stations"))->trigger();
    Form_Stations &window = testing_gui::panelOf<Form_Stations>(form, "Mn_Stations");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto *view = window.findChild<QTableView *>(QStringLiteral("Table_Stations"));

    // M, A, A/A*, p/p0, T/T0, rho/rho0, p/p*, T/T*, rho/rho*, mu, nu: the printed table at M = 0.5 and 1.
    // A column's figures share their decimals; A names the unit the areas were typed in.
    EXPECT_EQ(shownRow(view, 0), (QStringList{"Station 1", "0.5000", "1.0000", "1.3398", "0.8430", "0.9524", "0.8852",
                                              "1.5958", "1.1429", "1.3963", "", ""}));
    EXPECT_EQ(shownRow(view, 1), (QStringList{"Throat", "1.0000", "0.7464", "1.0000", "0.5283", "0.8333", "0.6339",
                                              "1.0000", "1.0000", "1.0000", "90.00", "0.00"}));
    EXPECT_EQ(shownRow(view, 2).mid(0, 4), (QStringList{"Station 2, subsonic", "0.5000", "1.0000", "1.3398"}));
    EXPECT_EQ(shownRow(view, 3).mid(0, 4), (QStringList{"Station 2, supersonic", "1.7024", "1.0000", "1.3398"}));
    EXPECT_EQ(view->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("A (cm\u00b2)"));
    EXPECT_EQ(shownRow(view, 4), (QStringList{"Any station", "", "", "", "", "", "", "", "", "", "", ""}));
    // A screen reader hears a cell with its headers' spoken names.
    QAccessibleTableCellInterface *cell =
        QAccessible::queryAccessibleInterface(view)->tableInterface()->cellAt(1, 3)->tableCellInterface();
    const QList<QAccessibleInterface *> headers = cell->columnHeaderCells() + cell->rowHeaderCells();
    ASSERT_EQ(headers.size(), 2);
    EXPECT_EQ(headers[0]->text(QAccessible::Name), QStringLiteral("pressure ratio p over p0"));
    EXPECT_EQ(headers[1]->text(QAccessible::Name), QStringLiteral("Throat"));
    for (QAccessibleInterface *header : headers) // made for the caller, and not kept by Qt until handed over
        QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(header));

    // Typed into the look-up row's p/p0, from the keyboard; then a value no station has.
    const auto lookUp = [&](const char *typed) {
        view->setFocus();
        view->setCurrentIndex(view->model()->index(4, 3));
        for (const char *c = typed; *c; ++c) // the first key opens the cell's editor, which takes the rest
            QTest::keyClick(QApplication::focusWidget(), *c);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents(); // the editor hands its text over when control returns
    };
    auto *problem = window.findChild<QLabel *>(QStringLiteral("Label_LookUpProblem"));
    lookUp("0.5");
    EXPECT_EQ(problem->text(), QString());
    const QStringList found = shownRow(view, 4);
    EXPECT_EQ(found[1], QStringLiteral("1.0465"));
    EXPECT_EQ(found.mid(4, 3), (QStringList{"0.5000", "0.8203", "0.6095"}));
    EXPECT_EQ(found.mid(10), (QStringList{"72.86", "0.44"}));
    EXPECT_EQ(found[2], QStringLiteral("0.7477")) << "A is A* times A/A*, not the value typed";
    const QString noStation = QStringLiteral("No station has p/p0 = 1.5: p/p0 lies above 0 and up to 1, the gas at rest.");
    EXPECT_EQ(announcedWhile([&] { lookUp("1.5"); }), QStringList{noStation}) << "said, not only shown";
    EXPECT_EQ(problem->text(), noStation);
    QStringList refused(12);
    refused[0] = QStringLiteral("Any station");
    refused[4] = QStringLiteral("1.5");
    EXPECT_EQ(shownRow(view, 4), refused) << "what was typed, and nothing of the station before";
    EXPECT_EQ(view->model()->index(4, 3).data(Qt::ToolTipRole).toString(), noStation);
    lookUp("0.5");

    // The whole table goes with the results, and to the clipboard, unrounded.

    for (QAction *a : geo->findChildren<QAction *>())
        if (a->text() == QStringLiteral("Copy results"))
            a->trigger();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(
        QStringLiteral("\n\nStation\tM\tA (cm\u00b2)\tA/A*\tp/p0\tT/T0\t\u03c1/\u03c10\tp/p*\tT/T*\t\u03c1/\u03c1*\t\u03bc (\u00b0)\t\u03bd (\u00b0)\n"
                       "Station 1\t0.5\t1\t1.3398437500000004\t")));
    window.copyTable();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(QStringLiteral("\nAny station\t1.046455097470683")));
    window.close();
}

} // namespace

namespace {

// A/A* = 2 has a subsonic and a supersonic station (the worked A2/A* = 2
// iterates end at 0.3059 and 2.1972); the branch switch looks it up again.
TEST_F(SolveTest, StationsLookUpTakesTheChosenBranchAndSaysWhenTheCsvCannotBeWritten)
{
    form.findChild<QAction *>(QStringLiteral("Mn_Stations"))->trigger();
    Form_Stations &window = testing_gui::panelOf<Form_Stations>(form, "Mn_Stations");
    stations_window::StationTable &table = window.table();
    const QModelIndex areaRatio = table.index(table.lookUpRow(), 2);
    ASSERT_TRUE(table.setData(areaRatio, QStringLiteral("2"), Qt::EditRole));
    EXPECT_EQ(table.index(table.lookUpRow(), 0).data().toString(), QStringLiteral("0.3059"));
    window.findChild<QRadioButton *>(QStringLiteral("Option_Supersonic"))->click();
    EXPECT_EQ(table.index(table.lookUpRow(), 0).data().toString(), QStringLiteral("2.1972"));
    // No station is narrower than the throat, on either branch: the row's
    // station goes, and the cell keeps what was typed.
    EXPECT_FALSE(table.setData(areaRatio, QStringLiteral("0.5"), Qt::EditRole));
    EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("Label_LookUpProblem"))->text(),
              QStringLiteral("No station has A/A* = 0.5: A/A* lies at or above 1."));
    EXPECT_EQ(table.index(table.lookUpRow(), 0).data().toString(), QString());
    EXPECT_EQ(table.index(table.lookUpRow(), 2).data().toString(), QStringLiteral("0.5"));

    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("no-such-folder/stations.csv"));
    window.saveAsCsv(name);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].startsWith(
        QStringLiteral("The table could not be saved as %1: ").arg(QDir::toNativeSeparators(name))));
    window.close();
}

} // namespace

namespace {

// With option M the station-2 rows take M from A2/A* exactly, so that M, A and
// A/A* of a row agree; where the main window's iteration shows another M, the
// table says so. The rows name the solve they come from, and keep it through
// a refused one.
TEST_F(SolveTest, StationsRowsAgreeWithThemselvesAndNameTheirSolve)
{
    form.findChild<QAction *>(QStringLiteral("Mn_Stations"))->trigger();
    Form_Stations &window = testing_gui::panelOf<Form_Stations>(form, "Mn_Stations");
    auto *view = window.findChild<QTableView *>(QStringLiteral("Table_Stations"));
    auto *notes = window.findChild<QLabel *>(QStringLiteral("Label_StationNotes"));
    auto *from = window.findChild<QLabel *>(QStringLiteral("Label_Solution"));
    const auto value = [&](int row, int column) { return view->model()->index(row, column).data(Qt::EditRole).toDouble(); };

    struct Case {
        const char *M1, *A1, *A2, *A2shown, *mainSub, *mainSup, *rowSub, *rowSup, *from, *notes;
    };
    for (const Case &c : {
             Case{"0.3", "5", "2.46", "2.4600", "0.9645", "1.0361", "0.9617", "1.0392",
                  "From M1 = 0.3, A1 = 5, A2 = 2.46 (option M)",
                  "Station 2, subsonic: M = 0.9617, solved exactly; the main window's iteration stopped after 50 "
                  "steps at 0.9645.\n"
                  "Station 2, supersonic: M = 1.0392, solved exactly; the main window's iteration stopped after 50 "
                  "steps at 1.0361."},
             Case{"0.5", "1", "1", "1.0000", "0.5", "1.7023", "0.5000", "1.7024", "From M1 = 0.5, A1 = 1, A2 = 1 (option M)",
                  "Station 2, supersonic: M = 1.7024, solved exactly; the main window's iteration stopped at "
                  "1.7023, once a step was under 0.0001."}}) {
        solveForMach(c.M1, c.A1, c.A2);
        EXPECT_EQ(text("Text_Msub"), QLatin1String(c.mainSub));
        EXPECT_EQ(text("Text_Msup"), QLatin1String(c.mainSup));
        EXPECT_EQ(shownRow(view, 2).mid(0, 3), (QStringList{"Station 2, subsonic", c.rowSub, c.A2shown}));
        EXPECT_EQ(shownRow(view, 3).mid(0, 3), (QStringList{"Station 2, supersonic", c.rowSup, c.A2shown}));
        for (int row : {2, 3}) // A/A* is the row's A over the throat's
            EXPECT_NEAR(value(row, 2), value(row, 1) / value(1, 1), 1e-15 * value(row, 2)) << row;
        EXPECT_EQ(from->text(), QLatin1String(c.from));
        EXPECT_FALSE(from->isHidden());
        EXPECT_EQ(notes->text(), QLatin1String(c.notes));
        QCoreApplication::sendPostedEvents(); // the window's new layout
        for (const QLabel *line : {from, notes}) { // each line whole, wrapped at the table's width
            const QRect room = line->contentsRect();
            EXPECT_GE(room.width(), view->width());
            EXPECT_GE(room.height(), line->fontMetrics()
                                         .boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, line->text())
                                         .height())
                << line->objectName().toStdString();
        }
        EXPECT_TRUE(view->model()->index(3, 0).data(Qt::ToolTipRole).toString().endsWith(notes->text().split('\n').last()));
    }
    EXPECT_NEAR(value(3, 0), 1.702370, 1e-6);

    // A refused solve withdraws its stations, and says why.
    type("Text_A2", QStringLiteral("0.5"));
    solve();
    EXPECT_TRUE(from->isHidden());
    EXPECT_EQ(view->model()->rowCount(), 1) << "the look-up row alone";
    EXPECT_TRUE(window.findChild<QLabel *>(QStringLiteral("Label_NoSolution"))->text().contains(QLatin1String("refused")));
    window.close();
}

// The window is as large as its table: every cell in view whole, as the rows
// come with a solve and go with another gas.
TEST_F(SolveTest, StationsTableStaysWholeInViewAsItsRowsChange)
{
    form.findChild<QAction *>(QStringLiteral("Mn_Stations"))->trigger();
    Form_Stations &window = testing_gui::panelOf<Form_Stations>(form, "Mn_Stations");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto *view = window.findChild<QTableView *>(QStringLiteral("Table_Stations"));
    const auto wholeInView = [&](int rows) {
        QCoreApplication::sendPostedEvents(); // the window's new layout
        ASSERT_EQ(view->model()->rowCount(), rows);
        // Every row in view; every column there or scrolled to, in a panel narrower than the table.
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < view->model()->columnCount(); ++c) {
                view->scrollTo(view->model()->index(r, c));
                EXPECT_TRUE(view->viewport()->rect().contains(view->visualRect(view->model()->index(r, c))))
                    << "row " << r << ", column " << c;
                EXPECT_EQ(view->verticalScrollBar()->value(), 0) << "row " << r << " is below the table's end";
            }
    };
    const QList<QAction *> gases = form.findChild<QMenu *>(QStringLiteral("Mn_Gas"))->actions();
    gases[1]->trigger(); // another gas: the rows of the solutions before (the window outlives a test's main window) go
    gases[0]->trigger();
    wholeInView(1);
    solveForArea(QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("0.5"));
    wholeInView(4);
    solveForMach(QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("1"));
    wholeInView(5);
    gases[1]->trigger(); // another gas: the rows of air go
    wholeInView(1);
    gases[0]->trigger();
    window.close();
}

} // namespace

namespace {

// The key that starts a look-up is the cell's first character and is taken, so
// that nothing else (a browser's text field) types it again: in the Stations
// panel and in the Back pressure panel's normal-shock look-up.
TEST_F(SolveTest, KeyThatStartsALookUpIsTakenByTheCell)
{
    for (const auto &[menu, table] : {std::pair{"Mn_Stations", "Table_Stations"}, {"Mn_BackPressure", "Table_Shock"}}) {
        form.findChild<QAction *>(QLatin1String(menu))->trigger();
        QTableView *view = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (!view)
                view = w->findChild<QTableView *>(QLatin1String(table));
        ASSERT_NE(view, nullptr) << table;
        view->setFocus();
        view->setCurrentIndex(view->model()->index(view->model()->rowCount() - 1, 0));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
        press.ignore();
        QApplication::sendEvent(view, &press);
        EXPECT_TRUE(press.isAccepted()) << table;
        auto *editor = view->findChild<QLineEdit *>();
        ASSERT_NE(editor, nullptr) << table;
        EXPECT_EQ(editor->text(), QStringLiteral("1")) << table;
        // A browser's text field hands the view text, not keys: it opens the
        // editor just the same, and the first character is the editor's.
        QTest::keyClick(editor, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the editor closed
        ASSERT_EQ(view->findChild<QLineEdit *>(), nullptr) << table;
        QInputMethodEvent typed;
        typed.setCommitString(QStringLiteral("2.5"));
        QApplication::sendEvent(view, &typed);
        EXPECT_TRUE(typed.isAccepted()) << table;
        editor = view->findChild<QLineEdit *>();
        ASSERT_NE(editor, nullptr) << table;
        EXPECT_EQ(editor->text(), QStringLiteral("2.5")) << table;
        view->window()->close();
    }
}

} // namespace

namespace {

// The look-up row: at least 4 significant figures however small a ratio
// (NACA 1135 at M = 4: p/p0 0.0065861, rho/rho0 0.027662), and an area
// looked up again at the throat of every new solve.
TEST_F(SolveTest, LookUpShowsFourFiguresAndFollowsTheThroat)
{
    form.findChild<QAction *>(QStringLiteral("Mn_Stations"))->trigger();
    stations_window::StationTable &table = testing_gui::panelOf<Form_Stations>(form, "Mn_Stations").table();
    testing_gui::panelOf<Form_Stations>(form, "Mn_Stations").findChild<QRadioButton *>(QStringLiteral("Option_Subsonic"))->click();
    const auto shown = [&](int column) { return table.index(table.lookUpRow(), column).data().toString(); };
    ASSERT_TRUE(table.setData(table.index(table.lookUpRow(), 0), QStringLiteral("4"), Qt::EditRole));
    EXPECT_EQ(shown(3), QStringLiteral("0.006586"));
    EXPECT_EQ(shown(5), QStringLiteral("0.02766"));

    solveForMach("0.5", "1", "1"); // A* = 0.7464
    ASSERT_TRUE(table.setData(table.index(table.lookUpRow(), 1), QStringLiteral("2"), Qt::EditRole));
    EXPECT_EQ(shown(2), QStringLiteral("2.6797"));
    solveForMach("2", "1.6875", "2"); // A* = 1: A = 2 is A/A* = 2, subsonic M 0.3059
    EXPECT_EQ(shown(1), QStringLiteral("2.0000"));
    EXPECT_EQ(shown(2), QStringLiteral("2.0000"));
    EXPECT_EQ(shown(0), QStringLiteral("0.3059"));
    testing_gui::panelOf<Form_Stations>(form, "Mn_Stations").close();
}

} // namespace
