// The paths by which a student once got a wrong answer sheet without a word:
// pb typed with a comma or as text, a look-up row's keys landing in pb, a
// unit system that read the nozzle anew, a p0 that rewrote pb, a refused solve
// that left the old throat's figures, and values typed on the way that stayed.
// The references are the isentropic relations at 30 digits with the exact
// pound (0.45359237 kg) and psi (6894.757293168 Pa).

#include "solve_fixture.h"

#include "backpressure_window/form_backpressure.h"
#include "form_runtime/text_box.h"
#include "form_runtime/value_table.h"
#include "nozzle_case/nozzle_case.h"
#include "reservoir_window/form_reservoir.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QLabel>
#include <QSlider>
#include <QTableView>

#include <cmath>
#include <set>

namespace {

using testing_gui::shownRow;
using testing_gui::SolveTest;

class AnswerSheet : public SolveTest {
protected:
    void SetUp() override
    {
        SolveTest::SetUp();
        if (HasFatalFailure())
            return;
        reservoir = &testing_gui::panelOf<Form_Reservoir>(form, "Mn_Reservoir");
        panel = &testing_gui::panelOf<Form_BackPressure>(form, "Mn_BackPressure");
        performance = panel->findChild<QTableView *>(QStringLiteral("Table_Performance"));
    }
    template <typename W = QLineEdit>
    W *in(QWidget *where, const char *name) { return where->findChild<W *>(QLatin1String(name)); }
    void retype(QLineEdit *box, const QString &text)
    {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
    }
    // The reservoir in US customary units, and the nozzle solved from M1 = 1 at A1.
    void usNozzle(const char *p0, const char *T0, const char *A1, const char *A2)
    {
        in<QComboBox>(reservoir, "Unit_System")->setCurrentIndex(1);
        retype(in(reservoir, "Text_p0"), QLatin1String(p0));
        retype(in(reservoir, "Text_T0"), QLatin1String(T0));
        solveForMach(QStringLiteral("1"), QLatin1String(A1), QLatin1String(A2));
    }
    // A panel in front, as a student brings it to read it (a panel behind a tab catches up when seen).
    void look(const char *menuItem) { form.findChild<QAction *>(QLatin1String(menuItem))->trigger(); }
    QString massFlowLine()
    {
        look("Mn_Reservoir");
        return reservoir->findChild<QLabel *>(QStringLiteral("Label_MassFlow"))->text();
    }
    // The figure of a row of the performance table, read back.
    double performanceFigure(int row) const
    {
        return shownRow(performance, row).value(1).replace(QChar(0x2212), QLatin1Char('-')).toDouble();
    }
    bool noThrust()
    {
        look("Mn_BackPressure");
        return performance->isHidden() || performance->model()->rowCount() == 0;
    }

    Form_Reservoir *reservoir = nullptr;
    Form_BackPressure *panel = nullptr;
    QTableView *performance = nullptr;
};

// p0 = 100 psia into the Ae/At = 1.87 nozzle: pb typed as "3,5" or "abc"
// gives no thrust, neither of 3 psia (138.854 lbf) nor of the pb/p01 = 0.5
// before it (50.9638 lbf), and the box and its line say why.
TEST_F(AnswerSheet, PbNotReadWholeGivesNoThrust)
{
    usNozzle("100", "540", "1", "1.87");
    auto *pb = in<form_runtime::TextBox>(panel, "Text_pb");
    retype(in(panel, "Text_pbp0"), QStringLiteral("0.5"));
    ASSERT_FALSE(noThrust());
    EXPECT_NEAR(performanceFigure(3), 50.9638, 5e-5) << "F at pb/p01 = 0.5, lbf";
    for (const auto &[typed, cause] : {std::pair{"3,5", "comma"}, std::pair{"abc", "no number"}}) {
        retype(pb, QLatin1String(typed));
        EXPECT_TRUE(noThrust()) << typed;
        EXPECT_FALSE(panel->flow().has_value()) << typed;
        EXPECT_TRUE(pb->note().contains(QLatin1String(cause))) << pb->note().toStdString();
        EXPECT_TRUE(in<QLabel>(panel, "Label_Input")->text().startsWith(QStringLiteral("pb = \u201c")));
        EXPECT_TRUE(in(panel, "Text_pbp0")->text().isEmpty()) << "no pb/p01 from a text not read whole";
    }
}

// In "Any oblique shock", M1 = 2 then Tab: the keys that follow go to theta,
// and the nozzle's back pressure stays as it was.
TEST_F(AnswerSheet, LookUpRowKeepsItsKeys)
{
    auto *ratio = in(panel, "Text_pbp0");
    retype(ratio, QStringLiteral("0.3"));
    const double before = panel->flow()->pb_p01;
    auto *oblique = in<QTableView>(panel, "Table_Oblique");
    oblique->setFocus();
    oblique->setCurrentIndex(oblique->model()->index(0, 0));
    for (const char *keys : {"2", "10"}) { // key by key where the focus is, as a student types
        for (const char *c = keys; *c; ++c)
            QTest::keyClick(QApplication::focusWidget(), *c);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(ratio->text(), QStringLiteral("0.3"));
    EXPECT_EQ(panel->flow()->pb_p01, before);
    // theta = 10 degrees at M1 = 2: the weak shock at 39.31 degrees (NACA 1135, chart 2).
    EXPECT_EQ(shownRow(oblique, 0).mid(1, 3), (QStringList{"2.0000", "10.00", "39.31"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), oblique) << "Return ends the row, in the table";
}

// Solved in US customary units (150 psia, 1000 R, A* = 0.5 in^2), the nozzle
// is the same in SI: the mass flow 1.26112 lbm/s is 0.572034 kg/s, and the
// main window's areas stay as typed.
TEST_F(AnswerSheet, UnitSystemShowsTheSameNozzle)
{
    usNozzle("150", "1000", "0.5", "1.5");
    EXPECT_TRUE(massFlowLine().contains(QStringLiteral("1.26112\u00a0lbm/s"))) << massFlowLine().toStdString();
    in<QComboBox>(reservoir, "Unit_System")->setCurrentIndex(0);
    EXPECT_TRUE(massFlowLine().contains(QStringLiteral("0.572034\u00a0kg/s"))) << massFlowLine().toStdString();
    const QString throat = reservoir->findChild<QLabel *>(QStringLiteral("Label_Throat"))->text();
    EXPECT_TRUE(throat.contains(QStringLiteral("3.2258\u00a0cm\u00b2"))) << throat.toStdString(); // 0.5 in^2
    EXPECT_TRUE(throat.contains(QStringLiteral("typed in in\u00b2; a new solve reads A1 and A2 in cm\u00b2")))
        << "says what the areas were typed in, and what a new solve reads";
    EXPECT_EQ(text("Text_A1"), QStringLiteral("0.5"));
}

// pb typed in its unit stays when p0 changes, and pb/p01 follows: 101.325 kPa
// is 0.101325 of 1000 kPa and 0.20265 of 500 kPa. A pb/p01 typed stays the same way.
TEST_F(AnswerSheet, WhatWasTypedLastStays)
{
    retype(in(reservoir, "Text_p0"), QStringLiteral("1000"));
    retype(in(reservoir, "Text_T0"), QStringLiteral("500"));
    solveForMach(QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("25"));
    auto *pb = in(panel, "Text_pb"), *ratio = in(panel, "Text_pbp0");
    retype(pb, QStringLiteral("101.325"));
    EXPECT_EQ(panel->flow()->pb_p01, 101.325 / 1000);
    retype(in(reservoir, "Text_p0"), QStringLiteral("500"));
    EXPECT_EQ(pb->text(), QStringLiteral("101.325"));
    EXPECT_EQ(ratio->text(), QStringLiteral("0.20265"));
    EXPECT_EQ(panel->flow()->pb_p01, 101.325e3 / 500e3);

    retype(ratio, QStringLiteral("0.5"));
    retype(in(reservoir, "Text_p0"), QStringLiteral("800"));
    EXPECT_EQ(ratio->text(), QStringLiteral("0.5"));
    EXPECT_EQ(pb->text(), QStringLiteral("400"));
}

// A box the program fills shows a figure without binary noise, its start in
// view: pb = 14.7 psia of p0 = 150 psia is pb/p01 = 0.098.
TEST_F(AnswerSheet, FilledBoxShowsARoundedFigure)
{
    usNozzle("150", "1000", "0.5", "1.5");
    retype(in(panel, "Text_pb"), QStringLiteral("14.7"));
    auto *ratio = in(panel, "Text_pbp0");
    EXPECT_EQ(ratio->text(), QStringLiteral("0.098"));
    EXPECT_EQ(ratio->cursorPosition(), 0);
    EXPECT_NEAR(panel->flow()->pb_p01, 0.098, 1e-16) << "the full value is what is used";
}

// A refused solve withdraws its throat from every panel, each saying why.
TEST_F(AnswerSheet, RefusedSolveWithdrawsTheThroatEverywhere)
{
    usNozzle("100", "540", "1", "1.87");
    retype(in(panel, "Text_pb"), QStringLiteral("40"));
    ASSERT_FALSE(noThrust());
    ASSERT_TRUE(massFlowLine().contains(QLatin1String("lbm/s")));
    type("Text_A1", QStringLiteral("abc"));
    solve();
    EXPECT_TRUE(noThrust());
    look("Mn_Reservoir");
    EXPECT_TRUE(reservoir->findChild<QLabel *>(QStringLiteral("Label_MassFlow"))->isHidden());
    EXPECT_TRUE(reservoir->findChild<QLabel *>(QStringLiteral("Label_Throat"))->text().contains(QLatin1String("refused")));
    look("Mn_BackPressure");
    EXPECT_TRUE(in<QLabel>(panel, "Label_Units")->text().contains(QLatin1String("refused")));
}

// Values typed on the way do not stay: 200 psia, above p0 = 100 psia, leaves
// the slider where it stood before "20" was typed on the way; pb/p01 = "0,5"
// leaves pb empty.
TEST_F(AnswerSheet, ValuesTypedOnTheWayDoNotStay)
{
    usNozzle("100", "540", "1", "1.87");
    retype(in(panel, "Text_pbp0"), QStringLiteral("0.5"));
    in(panel, "Text_pbp0")->clearFocus();
    auto *slider = in<QSlider>(panel, "Slider_pbp0");
    const int before = slider->value();
    ASSERT_EQ(before, 500);
    retype(in(panel, "Text_pb"), QStringLiteral("200"));
    EXPECT_EQ(slider->value(), before);
    EXPECT_TRUE(in<QLabel>(panel, "Label_Input")->text().contains(QLatin1String("above p0")));
    retype(in(panel, "Text_pbp0"), QStringLiteral("0,5"));
    EXPECT_TRUE(in(panel, "Text_pb")->text().isEmpty());
    EXPECT_EQ(slider->value(), before);
}

// Messages name the real cause: a negative pb, a number beyond the range.
TEST_F(AnswerSheet, MessagesNameTheRealCause)
{
    usNozzle("100", "540", "1", "1.87");
    for (const auto &[box, typed, line] :
         {std::tuple{"Text_pb", "-5", "pb = \u22125\u00a0psia is negative"},
          {"Text_AeAt", "1e400", "Ae/At = \u201c1e400\u201d is beyond the range of numbers"}}) {
        retype(in(panel, box), QLatin1String(typed));
        EXPECT_TRUE(in<QLabel>(panel, "Label_Input")->text().startsWith(QString::fromUtf8(line)))
            << in<QLabel>(panel, "Label_Input")->text().toStdString();
    }
}

// Another gas brings its own R into the case at once, though the Reservoir
// panel lies behind a tab: the mass flow of the panel in front is helium's.
TEST_F(AnswerSheet, AnotherGasBringsItsROnceHiddenToo)
{
    look("Mn_BackPressure"); // the Reservoir panel behind it
    QAction *helium = form.findChild<QMenu *>(QStringLiteral("Mn_Gas"))->actions().at(1);
    helium->trigger();
    const std::optional<double> R = form.findChild<NozzleCase *>()->input(NozzleCase::Input::R).value;
    ASSERT_TRUE(R.has_value());
    EXPECT_NEAR(*R, 8.314462618 / 0.004002602, 1e-9); // J/(kg K), helium's molar mass 4.002602 g/mol
    form.findChild<QMenu *>(QStringLiteral("Mn_Gas"))->actions().at(0)->trigger();
}

// Tab goes through the Back pressure panel in reading order: the inputs, pb
// right after pb/p01, the tables and charts down the panel, the buttons last.
TEST_F(AnswerSheet, BackPressureTabsInReadingOrder)
{
    look("Mn_BackPressure");
    QStringList order;
    for (QWidget *w = panel->nextInFocusChain(); w != panel; w = w->nextInFocusChain())
        if (panel->isAncestorOf(w) && w->isVisibleTo(panel) && (w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty())
            order << w->objectName();
    EXPECT_EQ(order, (QStringList{"Text_AeAt", "Text_pbp0", "Text_pb", "Unit_pb", "Slider_pbp0", "Table_Nozzle",
                                  "Table_Shock", "Table_Oblique", "Picture_pressure", "Picture_CF",
                                  "Command_CopyTables", "Command_SaveAsCsv"}));
}

// A table's columns follow its values out and back: Ae/At passing 1e40 on
// the way to 1e400 leaves no column wider than the values shown after it.
TEST_F(AnswerSheet, TableColumnsFollowTheirValuesBack)
{
    look("Mn_BackPressure");
    auto *places = in<QTableView>(panel, "Table_Nozzle");
    auto *Ae = in(panel, "Text_AeAt");
    retype(Ae, QStringLiteral("2.5"));
    const int usual = places->columnWidth(1);
    retype(Ae, QStringLiteral("123456.7"));
    EXPECT_GT(places->columnWidth(1), usual) << "the wider value whole";
    EXPECT_GE(places->columnWidth(1), places->fontMetrics().horizontalAdvance(shownRow(places, 1)[2]));
    retype(Ae, QStringLiteral("2.5"));
    EXPECT_EQ(places->columnWidth(1), usual);
}

// Every column of one quantity shows its figures with the same decimals, as
// many as its smallest needs for its significant digits: with a station at
// M = 3.4 (p/p0 about 0.015) beside one at 0.5, in every panel's tables.
TEST_F(AnswerSheet, TablesReadAlike)
{
    reservoir->findChild<QLineEdit *>(QStringLiteral("Text_p0"))->setText(QStringLiteral("1000"));
    reservoir->findChild<QLineEdit *>(QStringLiteral("Text_T0"))->setText(QStringLiteral("500"));
    solveForMach(QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("5"));
    retype(in(panel, "Text_pbp0"), QStringLiteral("0.3"));
    look("Mn_Stations");
    look("Mn_BackPressure");
    const QRegularExpression fixed(QStringLiteral("^\u2212?[0-9]+\\.([0-9]+)$"));
    int columnsSeen = 0;
    for (QTableView *view : form.findChildren<QTableView *>()) {
        const auto *table = qobject_cast<const form_runtime::ValueTable *>(view->model());
        if (!table || table->rowCount() < 2)
            continue;
        for (int c = 0; c < table->columnCount(); ++c) {
            if (table->columns()[std::size_t(c)].format == form_runtime::TableColumn::Format::Figure)
                continue; // a column of several quantities, each figure its own
            std::set<qsizetype> decimals;
            for (int r = 0; r < table->rowCount(); ++r) {
                const QRegularExpressionMatch m = fixed.match(table->index(r, c).data().toString());
                if (m.hasMatch())
                    decimals.insert(m.capturedLength(1));
            }
            EXPECT_LE(decimals.size(), 1u) << view->objectName().toStdString() << " column " << c;
            columnsSeen += decimals.empty() ? 0 : 1;
        }
    }
    EXPECT_GE(columnsSeen, 20);
    // A/A* = 5 x 1.33984375 = 6.69921875 on the supersonic branch: M = 3.48562,
    // p/p0 = 0.0133817 (the isentropic relations at 30 digits), four
    // significant figures, and the subsonic station's 0.84302 beside it.
    auto *stations = form.findChild<QTableView *>(QStringLiteral("Table_Stations"));
    ASSERT_NE(stations, nullptr);
    EXPECT_EQ(shownRow(stations, 3).mid(1, 4), (QStringList{"3.4856", "5.0000", "6.6992", "0.01338"}));
    EXPECT_EQ(shownRow(stations, 0)[4], QStringLiteral("0.84302"));
}

// Copy tables carries the case's inputs in their units, beside the ratios:
// p0 = 100 psia, T0 = 540 R, At = 1 in^2 and pb = 50 psia at pb/p01 = 0.5.
TEST_F(AnswerSheet, CopyTablesCarriesTheInputsInTheirUnits)
{
    usNozzle("100", "540", "1", "1.87");
    retype(in(panel, "Text_pbp0"), QStringLiteral("0.5"));
    look("Mn_BackPressure");
    in<QPushButton>(panel, "Command_CopyTables")->click();
    const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    const auto figure = [&](const QString &name, const QString &unit) {
        for (const QString &line : lines) {
            const QStringList cells = line.split(QLatin1Char('\t'));
            if (cells.size() == 3 && cells[0] == name && cells[2] == unit)
                return cells[1].toDouble();
        }
        ADD_FAILURE() << "no line for " << name.toStdString() << " in " << unit.toStdString();
        return std::nan("");
    };
    EXPECT_NEAR(figure(QStringLiteral("p0"), QStringLiteral("psia")), 100, 1e-12);
    EXPECT_NEAR(figure(QStringLiteral("T0"), QStringLiteral("\u00b0R")), 540, 1e-12);
    EXPECT_GT(figure(QStringLiteral("R"), QStringLiteral("ft\u00b7lbf/(slug\u00b7\u00b0R)")), 1700);
    EXPECT_NEAR(figure(QStringLiteral("At"), QStringLiteral("in\u00b2")), 1, 1e-12);
    EXPECT_NEAR(figure(QStringLiteral("pb"), QStringLiteral("psia")), 50, 1e-12);
}

// An Alt chord that is no mnemonic types nothing into the box in focus.
TEST_F(AnswerSheet, AltChordTypesNothing)
{
    for (QLineEdit *b : {box("Text_M1"), in(panel, "Text_pbp0"), in(reservoir, "Text_p0")}) {
        retype(b, QStringLiteral("0.5"));
        QTest::keyClick(b, Qt::Key_M, Qt::AltModifier);
        EXPECT_EQ(b->text(), QStringLiteral("0.5")) << b->objectName().toStdString();
    }
}

} // namespace
