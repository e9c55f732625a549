// The nozzle in units, as a student solves the two textbook problems: SI
// (air, R = 287, from 1 MPa and 500 K through 10 cm^2 to 25 cm^2, into
// 101.325 kPa), then US customary by the system switch (100 psia, 540 R,
// 1 in^2 to 1.87 in^2, into 40 psia, R = 1716 ft lbf/(slug R)).

#include "solve_fixture.h"

#include "backpressure_window/form_backpressure.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/text_box.h"
#include "nozzle_case/nozzle_case.h"
#include "reservoir_window/form_reservoir.h"
#include "stations_window/form_stations.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QMenu>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include <cmath>

namespace {

using testing_gui::shownRow;
using testing_gui::SolveTest;

// A cell that rounds to the figure printed in the problem, given to its last digit.
testing::AssertionResult printedAs(const QString &cell, double printed, double lastDigit)
{
    const double shown = QString(cell).replace(QChar(0x2212), QLatin1Char('-')).toDouble();
    if (std::fabs(shown - printed) <= lastDigit / 2 * (1 + 1e-9))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << cell.toStdString() << " is not " << printed;
}

TEST_F(SolveTest, NozzleInUnitsSolvesTheSiProblemThenTheUsOne)
{
    auto &reservoir = testing_gui::panelOf<Form_Reservoir>(form, "Mn_Reservoir");
    const auto box = [&reservoir](const char *name) { return reservoir.findChild<QLineEdit *>(QLatin1String(name)); };
    const auto unit = [](QWidget &panel, const char *name) { return panel.findChild<QComboBox *>(QLatin1String(name)); };
    const auto retype = [](QLineEdit *edit, const QString &text) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    };
    EXPECT_EQ(box("Text_R")->text(), QStringLiteral("287.0550228")) << "air's R: 8.314462618 / 0.0289647";

    // SI: areas in cm^2; A1 = 10 at M1 = 1 is the throat, A2 = 25.
    unit(reservoir, "Unit_p0")->setCurrentIndex(2); // MPa
    retype(box("Text_p0"), QStringLiteral("1"));
    retype(box("Text_T0"), QStringLiteral("500"));
    retype(box("Text_R"), QStringLiteral("287"));
    solveForMach(QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("25"));
    EXPECT_TRUE(reservoir.findChild<QLabel *>(QStringLiteral("Label_MassFlow"))->text().contains(QStringLiteral("1.80757\u00a0kg/s")));
    auto &panel = testing_gui::panelOf<Form_BackPressure>(form, "Mn_BackPressure");
    auto *performance = panel.findChild<QTableView *>(QStringLiteral("Table_Performance"));
    unit(panel, "Unit_pb")->setCurrentIndex(1); // kPa
    retype(panel.findChild<QLineEdit *>(QStringLiteral("Text_pb")), QStringLiteral("101.325"));
    EXPECT_EQ(panel.findChild<QLineEdit *>(QStringLiteral("Text_pbp0"))->text(), QStringLiteral("0.101325"));
    // A row each: mdot, Ve, pe, F, CF, c*, Isp. F = mdot Ve + (pe - pb) Ae = 1336.30 - 93.35 N.
    const auto figure = [performance](int row) { return shownRow(performance, row).value(1); };
    ASSERT_EQ(performance->model()->rowCount(), 7);
    EXPECT_EQ(shownRow(performance, 3)[0], QStringLiteral("F (N)"));
    EXPECT_TRUE(printedAs(figure(0), 1.80757, 1e-5));
    EXPECT_TRUE(printedAs(figure(1), 739.28, 0.01));
    EXPECT_TRUE(printedAs(figure(2), 63.984, 1e-3));
    EXPECT_TRUE(printedAs(figure(3), 1242.95, 0.01));
    EXPECT_TRUE(printedAs(figure(4), 1.24295, 1e-5)); // CF = F / (p01 At)
    // The Stations panel at the throat: T* = 500 / 1.2 K, a* = sqrt(1.4 287 T*), p* = 0.528282 MPa.
    auto &stations = testing_gui::panelOf<Form_Stations>(form, "Mn_Stations");
    auto *inUnits = form.findChild<QTableView *>(QStringLiteral("Table_StationUnits"));
    ASSERT_NE(inUnits, nullptr);
    const QStringList throat = shownRow(inUnits, 1);
    EXPECT_EQ(throat[0], QStringLiteral("Throat"));
    EXPECT_TRUE(printedAs(throat[1], 0.528282, 1e-6));
    EXPECT_TRUE(printedAs(throat[2], 416.667, 1e-3));
    EXPECT_TRUE(printedAs(throat[4], 409.166, 1e-3));
    EXPECT_TRUE(stations.findChild<QLabel *>(QStringLiteral("Label_MassFlow"))->text().contains(QStringLiteral("1.80757\u00a0kg/s")));
    stations.copyTable(); // the units in the headers
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(QStringLiteral("Station\tp (MPa)\tT (K)\t\u03c1 (kg/m\u00b3)")));

    // US customary: every selector at once; the boxes keep their quantities.
    unit(reservoir, "Unit_System")->setCurrentIndex(1);
    EXPECT_EQ(unit(reservoir, "Unit_p0")->currentText(), QStringLiteral("psia"));
    EXPECT_EQ(unit(reservoir, "Unit_Area")->currentText(), QStringLiteral("in\u00b2"));
    EXPECT_EQ(box("Text_p0")->text(), QStringLiteral("145.0377377")) << "1 MPa";
    EXPECT_EQ(box("Text_T0")->text(), QStringLiteral("900")) << "500 K";
    retype(box("Text_p0"), QStringLiteral("100"));
    retype(box("Text_T0"), QStringLiteral("540"));
    retype(box("Text_R"), QStringLiteral("1716"));
    solveForMach(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1.87"));
    retype(panel.findChild<QLineEdit *>(QStringLiteral("Text_pb")), QStringLiteral("40"));
    EXPECT_TRUE(printedAs(figure(0), 2.2886, 1e-4)); // lbm/s
    EXPECT_TRUE(printedAs(figure(1), 1752.6, 0.1));  // ft/s
    EXPECT_TRUE(printedAs(figure(2), 10.589, 1e-3)); // psia
    EXPECT_TRUE(printedAs(figure(3), 69.66, 0.01));  // lbf
    EXPECT_EQ(shownRow(performance, 0)[0], QStringLiteral("\u1e41 (lbm/s)"));
    EXPECT_TRUE(panel.findChild<QLabel *>(QStringLiteral("Label_Regime"))->text().contains(QLatin1String("separate from the wall")));

    // T0 of no physical meaning: the sign, and no figure in units.
    unit(reservoir, "Unit_T0")->setCurrentIndex(1); // degrees C
    retype(box("Text_T0"), QStringLiteral("-300"));
    EXPECT_FALSE(static_cast<form_runtime::TextBox *>(box("Text_T0"))->note().isEmpty());
    EXPECT_TRUE(performance->isHidden());
}

// The reservoir's boxes as the student types them: a value with no physical
// meaning or not read whole is signed and gives no figure; another unit
// keeps the quantity; each gas brings its own R.
TEST_F(SolveTest, ReservoirSignsWhatHasNoMeaningAndKeepsQuantitiesAcrossUnits)
{
    auto &reservoir = testing_gui::panelOf<Form_Reservoir>(form, "Mn_Reservoir");
    const auto box = [&reservoir](const char *name) { return reservoir.findChild<form_runtime::TextBox *>(QLatin1String(name)); };
    const auto unit = [&reservoir](const char *name) { return reservoir.findChild<QComboBox *>(QLatin1String(name)); };
    NozzleCase &nozzle = *form.findChild<NozzleCase *>();
    box("Text_p0")->setText(QStringLiteral("100"));
    box("Text_T0")->setText(QStringLiteral("300"));
    ASSERT_TRUE(nozzle.reservoir());
    struct Typed {
        const char *box;
        int unit; // of that box
        const char *text;
        bool signed_, reservoir;
    };
    for (const Typed &t : {Typed{"Text_p0", 1, "0", true, false}, {"Text_p0", 1, "-5", true, false},
                           {"Text_p0", 1, "abc", true, false}, {"Text_p0", 1, "1e999", true, false},
                           {"Text_p0", 1, "1,5", true, false}, {"Text_T0", 1, "-300", true, false},
                           {"Text_T0", 1, "-250", false, true}, {"Text_R", 0, "0", true, false},
                           {"Text_R", 0, "287", false, true}}) {
        SCOPED_TRACE(testing::Message() << t.box << " = " << t.text);
        const char *unitName = QByteArray(t.box).endsWith("p0") ? "Unit_p0" : QByteArray(t.box).endsWith("T0") ? "Unit_T0" : "Unit_R";
        unit(unitName)->setCurrentIndex(t.unit);
        box(t.box)->setText(QLatin1String(t.text));
        EXPECT_EQ(!box(t.box)->note().isEmpty(), t.signed_) << box(t.box)->note().toStdString();
        EXPECT_EQ(nozzle.reservoir().has_value(), t.reservoir);
        box(t.box)->setText(QStringLiteral("100"));
        unit(unitName)->setCurrentIndex(QByteArray(t.box).endsWith("T0") ? 0 : t.unit);
        box(t.box)->setText(QLatin1String(QByteArray(t.box).endsWith("R") ? "287" : QByteArray(t.box).endsWith("T0") ? "300" : "100"));
    }
    EXPECT_NEAR(nozzle.reservoir()->T0, 300, 1e-12);

    // 100 kPa is 14.50377377 psia; 300 K is 80.33 F; the case's quantities stay.
    unit("Unit_p0")->setCurrentIndex(5);
    EXPECT_EQ(box("Text_p0")->text(), QStringLiteral("14.50377377"));
    unit("Unit_T0")->setCurrentIndex(3);
    EXPECT_EQ(box("Text_T0")->text(), QStringLiteral("80.33"));
    EXPECT_EQ(nozzle.reservoir()->p0, 1e5) << "the quantity, not its ten shown digits";
    EXPECT_EQ(nozzle.reservoir()->T0, 300);

    // Helium and argon share k = 5/3 and a solution, not R (8.314462618 / molar mass).
    const QList<QAction *> gases = form.findChild<QMenu *>(QStringLiteral("Mn_Gas"))->actions();
    unit("Unit_R")->setCurrentIndex(0);
    gases[1]->trigger(); // helium
    EXPECT_EQ(box("Text_R")->text(), QStringLiteral("2077.264394"));
    solveForMach(QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("2"));
    gases[2]->trigger(); // argon: the same k, the solution stays
    EXPECT_EQ(box("Text_R")->text(), QStringLiteral("208.1321372"));
    EXPECT_TRUE(nozzle.solution());
    gases[5]->trigger(); // combustion gases: no single R
    EXPECT_TRUE(box("Text_R")->text().isEmpty());
    EXPECT_FALSE(nozzle.reservoir());
    gases[0]->trigger();
}

// pb and pb/p01 typed either way, in any unit; the announcement says the
// mass flow and the thrust; CF at design (the SI problem's 1.33630) on its
// chart; and without a reservoir pb waits for one, saying so.
TEST_F(SolveTest, BackPressureTakesPbInUnitsAndSaysTheThrust)
{
    auto &panel = testing_gui::panelOf<Form_BackPressure>(form, "Mn_BackPressure");
    auto *pb = panel.findChild<QLineEdit *>(QStringLiteral("Text_pb"));
    auto *ratio = panel.findChild<QLineEdit *>(QStringLiteral("Text_pbp0"));
    EXPECT_FALSE(pb->isEnabled());
    EXPECT_TRUE(panel.findChild<QLabel *>(QStringLiteral("Label_Units"))->text().contains(QLatin1String("Reservoir panel")));

    auto &reservoir = testing_gui::panelOf<Form_Reservoir>(form, "Mn_Reservoir");
    reservoir.findChild<QLineEdit *>(QStringLiteral("Text_p0"))->setText(QStringLiteral("1000")); // kPa
    reservoir.findChild<QLineEdit *>(QStringLiteral("Text_T0"))->setText(QStringLiteral("500"));
    reservoir.findChild<QLineEdit *>(QStringLiteral("Text_R"))->setText(QStringLiteral("287"));
    solveForMach(QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("25")); // Ae/At = 2.5
    ratio->setText(QStringLiteral("0.5"));
    EXPECT_TRUE(pb->isEnabled());
    EXPECT_EQ(pb->text(), QStringLiteral("500"));
    panel.findChild<QComboBox *>(QStringLiteral("Unit_pb"))->setCurrentIndex(3); // bar
    EXPECT_EQ(pb->text(), QStringLiteral("5"));
    pb->selectAll();
    QTest::keyClicks(pb, QStringLiteral("0.63984"));
    EXPECT_EQ(ratio->text(), QStringLiteral("0.063984")) << "near design";

    const QStringList heard = announcedWhile([] { QTest::qWait(800); });
    ASSERT_EQ(heard.size(), 1);
    EXPECT_TRUE(heard[0].contains(QStringLiteral("Mass flow 1.80757\u00a0kg/s, thrust 1336.3"))) << heard[0].toStdString();
    const auto *thrust = panel.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_CF"));
    bool design = false;
    for (const auto &entry : thrust->axes()->legend)
        design = design || entry.text == QLatin1String("design, CF = 1.3363");
    EXPECT_TRUE(design);
}

} // namespace
