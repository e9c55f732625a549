// The Back pressure window, driven from the keyboard and the slider: Ae/At
// from the main window's solution, the regime and tables of the textbook case
// Ae/At = 2, pb/p01 = 0.6, the one line for what makes no nozzle, and the
// normal-shock look-up.

#include "solve_fixture.h"

#include "backpressure_window/form_backpressure.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"
#include "form_runtime/top_level.h"

#include <QAction>
#include <QClipboard>
#include <QDockWidget>
#include <QWindow>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QLabel>
#include <QScreen>
#include <QSlider>
#include <QTableView>

#include <cmath>

namespace {

using testing_gui::shownRow;
using testing_gui::SolveTest;


TEST_F(SolveTest, BackPressureWindowFindsTheShockAndFollowsItsInputs)
{
    solveForMach(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("2")); // A2/A* = 2
    form.findChild<QAction *>(QStringLiteral("Mn_BackPressure"))->trigger();
    Form_BackPressure &window = testing_gui::panelOf<Form_BackPressure>(form, "Mn_BackPressure");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto *Ae = window.findChild<QLineEdit *>(QStringLiteral("Text_AeAt"));
    auto *pb = window.findChild<QLineEdit *>(QStringLiteral("Text_pbp0"));
    auto *slider = window.findChild<QSlider *>(QStringLiteral("Slider_pbp0"));
    auto *regime = window.findChild<QLabel *>(QStringLiteral("Label_Regime"));
    auto *input = window.findChild<QLabel *>(QStringLiteral("Label_Input"));
    auto *places = window.findChild<QTableView *>(QStringLiteral("Table_Nozzle"));
    auto *shocks = window.findChild<QTableView *>(QStringLiteral("Table_Shock"));
    EXPECT_EQ(Ae->text(), QStringLiteral("2"));

    const auto typeInto = [](QWidget *box, const QString &text) {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
    };
    const QStringList heard = announcedWhile([&] {
        typeInto(pb, QStringLiteral("0.6"));
        QTest::qWait(800); // the input rests: the regime is said once
    });
    EXPECT_EQ(heard, QStringList{QStringLiteral("Normal shock in the diverging part, at As/At = 1.7557.")});
    EXPECT_EQ(regime->text(), heard.value(0));
    EXPECT_EQ(slider->value(), 600);
    EXPECT_EQ(shownRow(places, 0), (QStringList{"Throat", "1.0000", "1.0000", "0.5283", "0.8333", "0.6339", "1.0000"}));
    EXPECT_EQ(shownRow(places, 1).mid(0, 3), (QStringList{"Before the shock", "2.0472", "1.7557"}));
    EXPECT_EQ(shownRow(places, 2).mid(0, 2), (QStringList{"After the shock", "0.5695"}));
    EXPECT_EQ(shownRow(places, 2)[6], QStringLiteral("0.6988"));
    EXPECT_EQ(shownRow(places, 3).mid(0, 4), (QStringList{"Exit", "0.4719", "2.0000", "0.6000"}));
    EXPECT_EQ(shownRow(shocks, 0).mid(0, 3), (QStringList{"This shock", "2.0472", "0.5695"}));
    // The chart's bold curve jumps at the shock, x = 1 + 2 (sqrt(1.7557) - 1) / (sqrt(2) - 1) on
    // the conical nozzle, from p1 to p2, and ends at the exit (x = 3) at pb.
    int jumps = 0, atExit = 0;
    for (const auto &s : window.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_pressure"))->strokes()) {
        if (s.colour != form_runtime::RGB(0, 0, 160))
            continue;
        if (std::fabs(s.x1 - 2.5694) < 2e-3 && std::fabs(s.x2 - s.x1) < 2e-3 && std::fabs(s.y1 - 0.1188) < 2e-3 &&
            std::fabs(s.y2 - 0.5608) < 2e-3)
            ++jumps;
        if (std::fabs(s.x2 - 3) < 1e-6 && std::fabs(s.y2 - 0.6) < 2e-3)
            ++atExit;
    }
    EXPECT_GE(jumps, 1);
    EXPECT_GE(atExit, 1);

    // Up steps the box; the slider moves the box; each regime as it comes.
    QTest::keyClick(pb, Qt::Key_Up);
    EXPECT_EQ(pb->text(), QStringLiteral("0.61"));
    struct Step {
        int position;
        const char *regime;
    };
    for (const Step &s : {Step{950, "Subsonic throughout: the throat is not choked."},
                          Step{300, "Overexpanded: supersonic exit below the back pressure; shocks stand outside the "
                                    "nozzle. The jet would likely separate from the wall (pe/pb = 0.3131, below 0.4 by "
                                    "Summerfield's criterion); the figures are those of the attached one-dimensional flow."},
                          Step{50, "Underexpanded: supersonic exit above the back pressure; the jet expands outside."},
                          Step{1000, "No flow: the back pressure equals the reservoir pressure."}}) {
        slider->setValue(s.position);
        EXPECT_EQ(pb->text(), QString::number(s.position / 1000.0));
        EXPECT_EQ(regime->text(), QLatin1String(s.regime));
        EXPECT_EQ(places->model()->rowCount(), 2);
    }

    // Text not read whole as a number in range is one line in the regime's
    // place: the results of what was typed on the way ("0" of "0,5", "1e40"
    // of "1e400") are withdrawn and the slider stays; the critical ratios of a
    // sound Ae/At stay. A sound value brings everything back at once.
    auto *critical = window.findChild<QLabel *>(QStringLiteral("Label_Critical"));
    typeInto(Ae, QStringLiteral("2"));
    typeInto(pb, QStringLiteral("0.95"));
    const QString criticalOfTwo = critical->text();
    EXPECT_TRUE(criticalOfTwo.contains(QStringLiteral("0.9372"))) << criticalOfTwo.toStdString(); // (1 + 0.2 * 0.30590^2)^-3.5
    for (const auto &[box, typed, line] :
         {std::tuple{pb, "0,5", "pb/p01 = \u201c0,5\u201d has a comma, which is no decimal point here: type 0.5."},
          {Ae, "1e400", "Ae/At = \u201c1e400\u201d is beyond the range of numbers (about 1.8E+308)."},
          {Ae, "2,5", "Ae/At = \u201c2,5\u201d has a comma, which is no decimal point here: type 2.5."},
          {Ae, "0.5", "Ae/At = 0.5 is below 1: the exit is never narrower than the throat."},
          {pb, "1.5", "pb/p01 = 1.5 is above 1: the back pressure is at most the reservoir's."}}) {
        typeInto(box, QLatin1String(typed));
        EXPECT_EQ(input->text(), QString::fromUtf8(line));
        EXPECT_TRUE(input->isVisible());
        EXPECT_FALSE(regime->isVisible()) << typed;
        EXPECT_FALSE(window.flow().has_value()) << typed;
        EXPECT_EQ(places->model()->rowCount(), 0) << typed;
        EXPECT_EQ(shownRow(shocks, 0)[0], QStringLiteral("Any normal shock")) << typed;
        EXPECT_TRUE(window.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_pressure"))->strokes().empty());
        // Where "0" or "1" was typed on the way to pb, the slider went there, and stays.
        EXPECT_EQ(slider->value(), box == pb ? (*typed == '0' ? 0 : 1000) : 950) << typed;
        EXPECT_EQ(critical->text(), box == pb ? criticalOfTwo : QString()) << typed;
        typeInto(box, box == Ae ? QStringLiteral("2") : QStringLiteral("0.95"));
        EXPECT_FALSE(input->isVisible());
        EXPECT_EQ(regime->text(), QStringLiteral("Subsonic throughout: the throat is not choked."));
        EXPECT_EQ(places->model()->rowCount(), 2);
    }

    // Any normal shock: p2/p1 = 4.5 is M1 = 2 (NACA 1135); 0.5 has none.
    QAbstractItemModel *model = shocks->model();
    const QModelIndex p2p1 = model->index(model->rowCount() - 1, 2);
    EXPECT_TRUE(model->setData(p2p1, QStringLiteral("4.5"), Qt::EditRole));
    EXPECT_EQ(shownRow(shocks, model->rowCount() - 1),
              (QStringList{"Any normal shock", "2.0000", "0.5774", "4.5000", "1.6875", "2.6667", "0.7209", "5.6404"}));
    const QStringList refused = announcedWhile([&] { model->setData(p2p1, QStringLiteral("0.5"), Qt::EditRole); });
    EXPECT_EQ(refused, QStringList{QStringLiteral(
                           "No normal shock has p2/p1 = 0.5: p2/p1 lies from 1.0000 (no shock) up towards \u221e, "
                           "not reached.")});
    EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("Label_LookUpProblem"))->text(), refused.value(0));

    // Escape closes the panel floating onto another screen, when it has the
    // focus (on a desktop, the main window may have taken it back while the
    // test typed); docked, the panel stays.
    auto *dock = form.findChild<QDockWidget *>(QStringLiteral("Dock_BackPressure"));
    QTest::keyClick(pb, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    dock->setFloating(true);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dock));
    dock->windowHandle()->requestActivate();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dock->windowHandle()));
    pb->setFocus();
    QTest::keyClick(pb, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    dock->setFloating(false);

    // A window opened beside the main window stands to its right, where the
    // screen (here 800 pixels wide) has room for it.
    form.resize(300, form.height());
    QWidget small;
    small.resize(200, 150);
    form_runtime::showWindow(small, &form);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&small));
    EXPECT_GT(small.frameGeometry().left(), form.frameGeometry().right());
    EXPECT_EQ(small.frameGeometry().top(), form.frameGeometry().top());
    // With the main window near the screen's right edge, a window too wide
    // for the room at its right stands at its left, on the screen.
    small.hide();
    small.resize(400, 150);
    const QRect screen = form.screen()->availableGeometry();
    form.move(screen.right() + 1 - form.frameGeometry().width() - 50, screen.top());
    form_runtime::showWindow(small, &form);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&small));
    EXPECT_TRUE(screen.contains(small.frameGeometry())) << small.frameGeometry().x() << " " << small.frameGeometry().width();
    EXPECT_LT(small.frameGeometry().right(), form.frameGeometry().left());
}

// An open window takes every completed solve's A2/A* as its Ae/At, whatever
// the option; the box keeps what is typed; a shock too strong for the
// number range is refused, not shown as blanks.
TEST_F(SolveTest, BackPressureWindowFollowsEverySolveAndKeepsWhatIsTyped)
{
    form.findChild<QAction *>(QStringLiteral("Mn_BackPressure"))->trigger();
    Form_BackPressure &window = testing_gui::panelOf<Form_BackPressure>(form, "Mn_BackPressure");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto *Ae = window.findChild<QLineEdit *>(QStringLiteral("Text_AeAt"));
    auto *pb = window.findChild<QLineEdit *>(QStringLiteral("Text_pbp0"));
    auto *input = window.findChild<QLabel *>(QStringLiteral("Label_Input"));
    struct Handed {
        bool findArea;
        const char *M1, *A1, *station2;
        double Ae_At; // A2/A*: AAfM(2) = 0.5 * 1.5^3 with option A2, not A2/A1 = 1.2595
    };
    for (const Handed &h : {Handed{true, "0.5", "1", "2", 1.6875}, Handed{false, "1", "1", "2", 2},
                            Handed{false, "1", "1", "1", 1}}) { // the exit at the throat: a converging nozzle
        if (h.findArea)
            solveForArea(h.M1, h.A1, h.station2);
        else
            solveForMach(h.M1, h.A1, h.station2);
        EXPECT_NEAR(Ae->text().toDouble(), h.Ae_At, 1e-12) << h.station2;
        EXPECT_FALSE(input->isVisible()) << input->text().toStdString();
        ASSERT_TRUE(window.flow().has_value());
        EXPECT_EQ(window.flow()->Ae_At, Ae->text().toDouble());
    }

    QGuiApplication::clipboard()->setText(QStringLiteral("0.6123")); // pasted whole
    pb->selectAll();
    QTest::keyClick(pb, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(pb->text(), QStringLiteral("0.6123")) << "the slider does not write back";
    EXPECT_EQ(window.findChild<QSlider *>(QStringLiteral("Slider_pbp0"))->value(), 612);
    EXPECT_EQ(window.flow()->pb_p01, 0.6123);

    QAbstractItemModel *shocks = window.findChild<QTableView *>(QStringLiteral("Table_Shock"))->model();
    const QString rowBefore = shownRow(window.findChild<QTableView *>(QStringLiteral("Table_Shock")), 0).join(u'|');
    EXPECT_FALSE(shocks->setData(shocks->index(shocks->rowCount() - 1, 0), QStringLiteral("1e200"), Qt::EditRole));
    EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("Label_LookUpProblem"))->text(),
              QStringLiteral("A normal shock with M1 = 1e200 is too strong to compute: its ratios leave the range of "
                             "numbers."));
    EXPECT_EQ(shownRow(window.findChild<QTableView *>(QStringLiteral("Table_Shock")), 0).join(u'|'),
              QString(rowBefore).replace(QStringLiteral("shock|"), QStringLiteral("shock|1e200")))
        << "what was typed, signed, and no figure";
    EXPECT_FALSE(shocks->index(shocks->rowCount() - 1, 0).data(Qt::DecorationRole).isNull());

    // Ctrl+C copies the cells selected, unrounded: the throat of this converging
    // nozzle is its exit, at pb: M = sqrt(5 ((pb/p01)^(-2/7) - 1)).
    auto *places = window.findChild<QTableView *>(QStringLiteral("Table_Nozzle"));
    places->setFocus();
    places->selectionModel()->select(places->model()->index(0, 0), QItemSelectionModel::Select);
    places->selectionModel()->select(places->model()->index(0, 2), QItemSelectionModel::Select);
    QTest::keyClick(places, Qt::Key_C, Qt::ControlModifier);
    const QStringList copied = QGuiApplication::clipboard()->text().trimmed().split(QLatin1Char('\t'));
    ASSERT_EQ(copied.size(), 2);
    EXPECT_NEAR(copied[0].toDouble(), double(std::sqrt(5 * (std::pow(0.6123L, -2.0L / 7) - 1))), 1e-12);
    EXPECT_NEAR(copied[1].toDouble(), 0.6123, 1e-12);
    EXPECT_GT(copied[1].size(), 12) << "unrounded";
    window.close();
}

// The window takes the program's gas; Copy tables gives the gas, the inputs,
// the regime and both tables unrounded; another gas with inputs that make no
// nozzle leaves nothing of the old gas standing.
TEST_F(SolveTest, BackPressureWindowTakesTheGasAndCopiesItsTablesUnrounded)
{
    form.findChild<QAction *>(QStringLiteral("Mn_BackPressure"))->trigger();
    Form_BackPressure &window = testing_gui::panelOf<Form_BackPressure>(form, "Mn_BackPressure");
    auto *Ae = window.findChild<QLineEdit *>(QStringLiteral("Text_AeAt"));
    auto *pb = window.findChild<QLineEdit *>(QStringLiteral("Text_pbp0"));
    auto *places = window.findChild<QTableView *>(QStringLiteral("Table_Nozzle"));
    Ae->setText(QStringLiteral("2"));
    pb->setText(QStringLiteral("0.6"));
    const QList<QAction *> gases = form.findChild<QMenu *>(QStringLiteral("Mn_Gas"))->actions();
    gases[3]->trigger(); // superheated steam, k = 1.3
    EXPECT_TRUE(window.findChild<QLabel *>(QStringLiteral("Label_Gas"))->text().contains(QStringLiteral("k = 1.3")));
    // At the sonic throat p/p01 = (2 / (k + 1))^(k / (k - 1)): 0.5457 for k = 1.3, 0.5283 for air.
    EXPECT_EQ(shownRow(places, 0).mid(0, 4), (QStringList{"Throat", "1.0000", "1.0000", "0.5457"}));

    window.findChild<QPushButton *>(QStringLiteral("Command_CopyTables"))->click();
    const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 8);
    EXPECT_EQ(lines.mid(0, 4), (QStringList{"Gas\tSuperheated steam, k = 1.3", "Ae/At\t2", "pb/p01\t0.6",
                                            "Regime\t\"" + window.findChild<QLabel *>(QStringLiteral("Label_Regime"))->text() + "\""}));
    EXPECT_EQ(lines[4], QStringLiteral("Place\tM\tA/At\tp/p01\tT/T01\t\u03c1/\u03c101\tp0/p01"));
    EXPECT_TRUE(lines[5].startsWith(QStringLiteral("Throat\t1\t1\t0.5457")));
    EXPECT_GT(lines[5].section(QLatin1Char('\t'), 3).size(), 12); // unrounded

    Ae->setText(QStringLiteral("0.5"));
    gases[0]->trigger();
    EXPECT_EQ(places->model()->rowCount(), 0);
    EXPECT_TRUE(window.findChild<QLabel *>(QStringLiteral("Label_Regime"))->text().isEmpty());
    window.close();
}

} // namespace

// The wave at the exit lip of Ae/At = 7 (Me = 3.5328, pe/p01 = 0.012515):
// an oblique shock at pb = 2 pe, a fan at pb = pe / 2, a Mach disc just
// below the normal shock at the exit, none with a shock inside; and the
// oblique look-up of M1 = 2, theta = 10 (NACA 1135: 39.31 and 83.70 degrees,
// theta max 22.97 at beta 64.67).
TEST_F(SolveTest, BackPressureWindowShowsTheWaveAtTheExitLipAndLooksUpObliqueShocks)
{
    Form_BackPressure &window = testing_gui::panelOf<Form_BackPressure>(form, "Mn_BackPressure");
    window.findChild<QLineEdit *>(QStringLiteral("Text_AeAt"))->setText(QStringLiteral("7"));
    auto *pb = window.findChild<QLineEdit *>(QStringLiteral("Text_pbp0"));
    auto *said = window.findChild<QLabel *>(QStringLiteral("Label_Lip"));
    auto *lip = window.findChild<QTableView *>(QStringLiteral("Table_Lip"));
    auto *sketch = window.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_lip"));
    struct Lip {
        const char *pb;
        const char *line;                            // a part of the line said
        QStringList row;                             // the table's wave row, as shown
        const char *sketch;                          // a part of its description
    };
    for (const Lip &c : {Lip{"0.02503", "an oblique shock at 22.69\u00b0 to the axis", {"Oblique shock", "22.69", "8.26", "3.0337", "0.02503"},
                             "oblique shock at 22.7\u00b0 to the axis, flow turned 8.3\u00b0 inward"},
                         Lip{"0.0062575", "turns it 7.24\u00b0 outward", {"Fan, first wave", "16.44", "0.00", "3.5328", "0.012515"},
                             "expansion fan from 16.4\u00b0"},
                         Lip{"0.17", "the shocks meet in a Mach disc", {"Oblique shock"}, "Mach disc"}}) {
        SCOPED_TRACE(c.pb);
        pb->setText(QLatin1String(c.pb));
        EXPECT_TRUE(said->isVisible());
        EXPECT_TRUE(said->text().contains(QString::fromUtf8(c.line))) << said->text().toStdString();
        EXPECT_EQ(shownRow(lip, 0).mid(0, c.row.size()), c.row);
        EXPECT_TRUE(sketch->isVisible());
        EXPECT_FALSE(sketch->strokes().empty());
        EXPECT_TRUE(sketch->description().contains(QString::fromUtf8(c.sketch))) << sketch->description().toStdString();
    }
    EXPECT_EQ(shownRow(lip, 1).mid(0, 3), (QStringList{"\u03b8max at Me", "65.72", "37.01"}));
    pb->setText(QStringLiteral("0.0062575"));
    EXPECT_EQ(shownRow(lip, 1).mid(0, 3), (QStringList{"Fan, last wave", "7.10", "7.24"}));
    EXPECT_TRUE(shownRow(lip, 1)[3].startsWith(QLatin1String("4.038")));
    pb->setText(QStringLiteral("0.5")); // a shock inside: no wave at the lip
    EXPECT_FALSE(said->isVisible());
    EXPECT_FALSE(lip->isVisible());
    EXPECT_FALSE(sketch->isVisible());

    auto *oblique = window.findChild<QTableView *>(QStringLiteral("Table_Oblique"));
    auto *problem = window.findChild<QLabel *>(QStringLiteral("Label_ObliqueProblem"));
    QAbstractItemModel *model = oblique->model();
    EXPECT_FALSE(model->setData(model->index(0, 1), QStringLiteral("10"), Qt::EditRole)) << "no M1 yet";
    EXPECT_FALSE(problem->text().isEmpty());
    ASSERT_TRUE(model->setData(model->index(0, 0), QStringLiteral("2"), Qt::EditRole));
    ASSERT_TRUE(model->setData(model->index(0, 1), QStringLiteral("10"), Qt::EditRole));
    EXPECT_EQ(shownRow(oblique, 0).mid(0, 4), (QStringList{"Any oblique shock", "2.0000", "10.00", "39.31"}));
    EXPECT_EQ(shownRow(oblique, 1).mid(0, 4), (QStringList{"Strong solution", "2.0000", "10.00", "83.70"}));
    EXPECT_EQ(shownRow(oblique, 2).mid(0, 4), (QStringList{"\u03b8max at this M1", "2.0000", "22.97", "64.67"}));
    EXPECT_FALSE(model->setData(model->index(0, 1), QStringLiteral("25"), Qt::EditRole));
    EXPECT_TRUE(problem->text().contains(QLatin1String("the shock stands off"))) << problem->text().toStdString();
    EXPECT_EQ(shownRow(oblique, 0).mid(0, 4), (QStringList{"Any oblique shock", "2.0000", "25", ""}))
        << "M1 stays; nothing of theta = 10 stands beside the 25 typed";
    // What no oblique shock at M1 = 2 has is refused with its range: beta from mu = 30 degrees, p2/p1 to 4.5.
    for (const auto &[column, typed, range] : {std::tuple{2, "20", "from 30.00\u00b0 (a Mach wave)"},
                                               {3, "5", "to 4.5000 (the normal shock)"},
                                               {0, "0.8", "M1 must be above 1"},
                                               {4, "0.5", "Type M1, then"}}) {
        EXPECT_FALSE(model->setData(model->index(0, column), QLatin1String(typed), Qt::EditRole)) << typed;
        EXPECT_TRUE(problem->text().contains(QString::fromUtf8(range))) << problem->text().toStdString();
    }
    ASSERT_TRUE(model->setData(model->index(0, 0), QStringLiteral("2"), Qt::EditRole)); // the refused 0.8 left no M1
    ASSERT_TRUE(model->setData(model->index(0, 3), QStringLiteral("4.5"), Qt::EditRole)); // p2/p1 of the normal shock
    EXPECT_EQ(shownRow(oblique, 0).mid(0, 6), (QStringList{"Any oblique shock", "2.0000", "0.00", "90.00", "4.5000", "0.5774"}));
}
