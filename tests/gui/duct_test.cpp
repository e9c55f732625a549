// The Duct panel as a student does the chapter's homework with it: the Fanno
// and Rayleigh tables looked up from any column (the printed tables at k = 1.4),
// the nozzle of the last solution discharging into a duct with friction or
// heat, the regime and the shock's place against closed forms at 30 digits.

#include "solve_fixture.h"

#include "charts/duct_chart.h"
#include "duct_window/form_duct.h"
#include "form_runtime/chart_surface.h"

#include <QAction>
#include <QLabel>
#include <QRadioButton>
#include <QTableView>

#include <cmath>
#include <utility>

namespace {

using testing_gui::shownRow;
using testing_gui::SolveTest;

class DuctTest : public SolveTest {
protected:
    void SetUp() override
    {
        SolveTest::SetUp();
        if (HasFatalFailure())
            return;
        form.findChild<QAction *>(QStringLiteral("Mn_Duct"))->trigger();
        panel = form.findChild<Form_Duct *>();
        ASSERT_NE(panel, nullptr);
    }
    template <typename W = QLineEdit>
    W *in(const char *name) { return panel->findChild<W *>(QLatin1String(name)); }
    bool lookUp(const char *table, int column, const char *typed)
    {
        QAbstractItemModel *model = in<QTableView>(table)->model();
        return model->setData(model->index(0, column), QLatin1String(typed), Qt::EditRole);
    }
    Form_Duct *panel = nullptr;
};

// At M = 2: Fanno 4fL*/D 0.30500, p/p* 0.40825, T/T* 0.66667, rho/rho* 0.61237,
// V/V* 1.63299, p0/p0* 1.6875; Rayleigh T0/T0* 0.79339, p/p* 0.36364,
// T/T* 0.52893, rho/rho* 0.6875, V/V* 1.45455, p0/p0* 1.50310.
TEST_F(DuctTest, LooksUpTheFannoAndRayleighTablesFromAnyColumn)
{
    ASSERT_TRUE(lookUp("Table_Fanno", 0, "2"));
    EXPECT_EQ(shownRow(in<QTableView>("Table_Fanno"), 0).mid(0, 7),
              (QStringList{"Any Fanno state", "2.0000", "0.3050", "0.4082", "0.6667", "0.6124", "1.6330"}));
    EXPECT_EQ(shownRow(in<QTableView>("Table_Fanno"), 0)[7], QStringLiteral("1.6875"));
    ASSERT_TRUE(lookUp("Table_Rayleigh", 0, "2"));
    EXPECT_EQ(shownRow(in<QTableView>("Table_Rayleigh"), 0).mid(0, 8),
              (QStringList{"Any Rayleigh state", "2.0000", "0.7934", "0.3636", "0.5289", "0.6875", "1.4545", "1.5031"}));

    // 4fL*/D = 0.305 belongs to a subsonic M = 0.65726 and a supersonic M = 2.00001.
    ASSERT_TRUE(lookUp("Table_Fanno", 1, "0.305"));
    auto *fanno = in<QTableView>("Table_Fanno");
    ASSERT_EQ(fanno->model()->rowCount(), 2);
    EXPECT_EQ(shownRow(fanno, 0).mid(0, 3), (QStringList{"Any Fanno state", "0.6573", "0.3050"}));
    EXPECT_EQ(shownRow(fanno, 1).mid(0, 3), (QStringList{"Same value, supersonic", "2.0000", "0.3050"}));
    // A value no state has: said, and the rows go.
    EXPECT_FALSE(lookUp("Table_Fanno", 3, "1.3")); // T/T* is at most (k + 1)/2 = 1.2
    EXPECT_EQ(fanno->model()->rowCount(), 1);
    EXPECT_TRUE(in<QLabel>("Label_LookUpProblem")->text().contains(QStringLiteral("T/T*")));
}

// The nozzle of the last solution (A2/A* = 2) into a duct of 4fL/D = 0.5 at
// pb/p01 = 0.1: the shock stands in the duct where the stream behind it
// chokes at its exit, 4fx/D = 0.155783 (Msup 2.19720, Mx 1.69023).
TEST_F(DuctTest, FollowsTheSolutionAndPlacesTheShock)
{
    solveForMach(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("2"));
    EXPECT_EQ(in("Text_AeAt")->text(), QStringLiteral("2"));
    in("Text_fLD")->setText(QStringLiteral("0.5"));
    in("Text_pbp0")->setText(QStringLiteral("0.1"));
    ASSERT_TRUE(panel->flow());
    // pb/p01 = 0.1 lies below the exit's 0.264141: the exit is choked, and the line says so.
    EXPECT_EQ(in<QLabel>("Label_Regime")->text(),
              QStringLiteral("Normal shock in the duct, at 4fx/D = 0.1558. The duct's exit is choked (M = 1), above "
                             "pb: a lower pb changes nothing inside."));
    // The critical back pressures from the highest down: 0.901175, 0.405037, 0.264141.
    EXPECT_EQ(in<QLabel>("Label_Critical")->text(),
              QStringLiteral("Critical pb/p01: throat chokes 0.9012; shock at the nozzle's exit 0.4050; duct's exit "
                             "chokes 0.2641."));
    auto *places = in<QTableView>("Table_Places");
    ASSERT_EQ(places->model()->rowCount(), 4);
    EXPECT_EQ(shownRow(places, 0).mid(0, 2), (QStringList{"Nozzle exit = duct inlet", "2.1972"}));
    EXPECT_EQ(shownRow(places, 1).mid(0, 2), (QStringList{"Before the shock", "1.6902"}));
    EXPECT_EQ(shownRow(places, 3).mid(0, 2), (QStringList{"Duct exit", "1.0000"}));
    EXPECT_FALSE(panel->findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_duct"))->strokes().empty());

    // Typing the heat makes the duct a heated one: T02/T01 = 1.5 holds the shock in the nozzle.
    in("Text_T0Ratio")->setText(QStringLiteral("1.5"));
    EXPECT_TRUE(in<QRadioButton>("Option_Rayleigh")->isChecked());
    EXPECT_TRUE(in<QLabel>("Label_Regime")->text().startsWith(QStringLiteral("Normal shock in the nozzle")));
    // A nozzle so wide that the Mach number behind its shock leaves the range
    // of numbers: no flow, and the line that says why; no figures left over.
    for (const auto &[wide, shown] : {std::pair{"1e200", "1e+200"}, std::pair{"1e300", "1e+300"}}) {
        for (const char *amount : {"Text_fLD", "Text_T0Ratio"}) {
            in(amount)->setText(QLatin1String(amount[5] == 'f' ? "0.2" : "1.5"));
            in("Text_AeAt")->setText(QLatin1String(wide));
            EXPECT_FALSE(panel->flow()) << wide << amount;
            EXPECT_EQ(in<QLabel>("Label_Input")->text(),
                      QStringLiteral("Ae/At = %1: the flow of so wide a nozzle leaves the range of numbers.")
                          .arg(QLatin1String(shown)));
        }
    }
    in("Text_AeAt")->setText(QStringLiteral("2"));
    in("Text_pbp0")->setText(QStringLiteral("0.1"));
    ASSERT_TRUE(panel->flow());
    // And a text not read whole gives no flow.
    in("Text_T0Ratio")->setText(QStringLiteral("1,5"));
    EXPECT_FALSE(panel->flow());
    EXPECT_TRUE(in<QLabel>("Label_Input")->text().contains(QStringLiteral("T02/T01")));
}

// The pressure along the nozzle and the duct, for each regime of Ae/At = 2 in
// air: it starts at the throat, a choked throat at p*/p01 = (2/2.4)^3.5 =
// 0.528282; it ends at the duct's exit pressure; a shock is one vertical
// step, at x = (As/At - 1)/(Ae/At - 1) in the nozzle or 1 + (4fx/D)/(4fL/D) in
// the duct; elsewhere the line runs on without a step.
TEST(DuctPressures, RunFromTheThroatToTheExitWithTheShockAtItsPlace)
{
    const flow::GasConstants air = flow::gasConstants();
    constexpr double kChokedThroat = 0.52828178771;
    struct Case {
        flow::Duct duct;
        double pb;
        flow::DuctRegime regime;
    };
    using flow::DuctKind;
    using flow::DuctRegime;
    for (const Case &c : {Case{{DuctKind::Friction, 0.5}, 0.1, DuctRegime::ShockInDuct},
                          Case{{DuctKind::Friction, 1}, 0.1, DuctRegime::ShockInNozzle},
                          Case{{DuctKind::Friction, 0.2}, 0.05, DuctRegime::Underexpanded},
                          Case{{DuctKind::Friction, 6}, 0.1, DuctRegime::ExitChoked},
                          Case{{DuctKind::Heat, 1.5}, 0.1, DuctRegime::ShockInNozzle},
                          Case{{DuctKind::Heat, 1.2}, 0.05, DuctRegime::Underexpanded},
                          Case{{DuctKind::Friction, 0.2}, 0.99, DuctRegime::Subsonic}}) {
        SCOPED_TRACE(testing::Message() << int(c.duct.kind) << " " << c.duct.amount << " at " << c.pb);
        const flow::DuctFlow f = *flow::ductFlow(2, c.duct, c.pb, air);
        ASSERT_EQ(f.regime, c.regime);
        const std::vector<QPointF> line = charts::ductPressures(f, air);
        ASSERT_GT(line.size(), 100u);
        EXPECT_EQ(line.front().x(), 0);
        if (f.throatM == 1) {
            EXPECT_NEAR(line.front().y(), kChokedThroat, 1e-10);
        }
        EXPECT_DOUBLE_EQ(line.back().x(), charts::kDuctExit);
        EXPECT_NEAR(line.back().y(), f.exit.p_p01, 1e-12);
        std::vector<double> steps; // places where p/p01 jumps without x moving
        for (std::size_t i = 1; i < line.size(); ++i) {
            EXPECT_GE(line[i].x(), line[i - 1].x() - 1e-12) << i;
            if (line[i].x() - line[i - 1].x() < 1e-12 && std::fabs(line[i].y() - line[i - 1].y()) > 0.01)
                steps.push_back(line[i].x());
            else
                EXPECT_LT(std::fabs(line[i].y() - line[i - 1].y()), 0.05) << "a step where no shock stands, at " << i;
        }
        if (f.shockAs_At) {
            ASSERT_EQ(steps.size(), 1u);
            EXPECT_NEAR(steps[0], (*f.shockAs_At - 1) / (2 - 1), 1e-9);
        } else if (f.shock4fx_D) {
            ASSERT_EQ(steps.size(), 1u);
            EXPECT_NEAR(steps[0], charts::kDuctInlet + *f.shock4fx_D / c.duct.amount, 1e-9);
        } else {
            EXPECT_TRUE(steps.empty());
        }
    }
}

// On the T-s diagram the nozzle's states before a shock share the
// reservoir's entropy, and the shock raises it by -ln(p02/p01) (in units of R).
TEST(DuctEntropy, IsTheReservoirsBeforeTheShockAndRisesAcrossIt)
{
    const flow::GasConstants air = flow::gasConstants();
    const flow::DuctFlow f = *flow::ductFlow(2, {flow::DuctKind::Friction, 1}, 0.1, air);
    ASSERT_TRUE(f.beforeShock && f.afterShock);
    const double throatT = 2 / 2.4, throatP = 0.52828178771; // the sonic throat
    const QPointF throat = charts::entropyPlace(throatT, throatP, f, air);
    const QPointF before = charts::entropyPlace(f.beforeShock->T_T01, f.beforeShock->p_p01, f, air);
    const QPointF behind = charts::entropyPlace(f.afterShock->T_T01, f.afterShock->p_p01, f, air);
    EXPECT_NEAR(before.x(), throat.x(), 1e-9);
    EXPECT_NEAR(behind.x() - before.x(), -std::log(f.afterShock->p0_p01), 1e-9);
    EXPECT_GT(behind.x(), before.x());
}

} // namespace
