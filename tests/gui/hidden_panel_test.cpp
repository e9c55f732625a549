// A panel nobody can see does no work: behind another panel's tab, or closed,
// it follows no solve, and it catches up at once when it is shown again.

#include "solve_fixture.h"

#include "backpressure_window/form_backpressure.h"
#include "large_chart/form_large_chart.h"
#include "reservoir_window/form_reservoir.h"
#include "stations_window/form_stations.h"
#include "working_window/form_working.h"

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QScrollArea>
#include <QSignalSpy>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <tuple>

namespace {

using testing_gui::SolveTest;

struct HiddenPanel {
    const char *name;
    const char *menuItem, *dock;
    // How often the panel has changed what it shows, counted from the call on.
    std::function<std::function<int()>(QWidget &panel)> countUpdates;
};

void PrintTo(const HiddenPanel &p, std::ostream *os)
{
    *os << p.name;
}

std::function<int()> count(std::shared_ptr<QSignalSpy> spy)
{
    return [spy] { return int(spy->count()); };
}

const HiddenPanel kPanels[] = {
    {"Stations", "Mn_Stations", "Dock_Stations",
     [](QWidget &panel) {
         auto &table = static_cast<Form_Stations &>(panel).table();
         return count(std::make_shared<QSignalSpy>(&table, &QAbstractItemModel::dataChanged));
     }},
    {"BackPressure", "Mn_BackPressure", "Dock_BackPressure",
     [](QWidget &panel) {
         auto *chart = panel.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_pressure"));
         return count(std::make_shared<QSignalSpy>(chart, &form_runtime::ChartSurface::drawingChanged));
     }},
    {"Reservoir", "Mn_Reservoir", "Dock_Reservoir",
     [](QWidget &panel) -> std::function<int()> {
         auto *throat = panel.findChild<QLabel *>(QStringLiteral("Label_Throat"));
         return [throat, before = throat->text()] { return int(throat->text() != before); };
     }},
    {"Duct", "Mn_Duct", "Dock_Duct",
     [](QWidget &panel) {
         auto *chart = panel.findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_duct"));
         return count(std::make_shared<QSignalSpy>(chart, &form_runtime::ChartSurface::drawingChanged));
     }},
    {"Working", "Mn_Working", "Dock_Working",
     [](QWidget &panel) -> std::function<int()> {
         auto &working = static_cast<Form_Working &>(panel);
         return [&working, before = working.rewrites()] { return working.rewrites() - before; };
     }},
};

enum class Hidden { BehindATab, Closed };

class HiddenPanelTest : public testing_gui::SolveTest,
                        public testing::WithParamInterface<std::tuple<HiddenPanel, Hidden>> {
protected:
    void open(const char *menuItem)
    {
        form.findChild<QAction *>(QLatin1String(menuItem))->trigger();
        QCoreApplication::sendPostedEvents();
    }
};

TEST_P(HiddenPanelTest, DoesNoWorkOnASolveAndCatchesUpWhenShown)
{
    const auto &[panel, hidden] = GetParam();
    for (const HiddenPanel &p : kPanels)
        open(p.menuItem);
    auto *dock = form.findChild<QDockWidget *>(QLatin1String(panel.dock));
    ASSERT_NE(dock, nullptr);
    if (hidden == Hidden::Closed)
        dock->close();
    else
        open(std::strcmp(panel.menuItem, kPanels[0].menuItem) == 0 ? kPanels[1].menuItem : kPanels[0].menuItem);
    QWidget &shown = *static_cast<QScrollArea *>(dock->widget())->widget();
    ASSERT_TRUE(shown.visibleRegion().isEmpty()) << "nothing of it on screen";

    const std::function<int()> updates = panel.countUpdates(shown);
    solveForMach(QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("1"));
    EXPECT_EQ(text("Text_Msup"), QStringLiteral("1.7023"));
    QCoreApplication::processEvents(); // a chart tells of its change once the event that drew is done
    EXPECT_EQ(updates(), 0) << "hidden, it followed the solve";

    open(panel.menuItem);
    QCoreApplication::processEvents();
    EXPECT_FALSE(shown.visibleRegion().isEmpty());
    EXPECT_GT(updates(), 0) << "shown, it did not catch up";
}

// Start-up builds no panel: each is made when first asked for.
TEST_F(SolveTest, StartUpBuildsNoPanel)
{
    EXPECT_EQ(form.findChild<Form_Stations *>(), nullptr);
    EXPECT_EQ(form.findChild<Form_BackPressure *>(), nullptr);
    EXPECT_EQ(form.findChild<Form_Reservoir *>(), nullptr);
    EXPECT_EQ(form.findChild<Form_LargeChart *>(), nullptr);
    EXPECT_EQ(form.findChild<Form_Working *>(), nullptr);
    EXPECT_EQ(form.findChildren<QDockWidget *>().size(), 0);
}

INSTANTIATE_TEST_SUITE_P(Panels, HiddenPanelTest,
                         testing::Combine(testing::ValuesIn(kPanels), testing::Values(Hidden::BehindATab, Hidden::Closed)),
                         [](const auto &info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == Hidden::Closed ? "Closed" : "BehindATab");
                         });

} // namespace
