#include "gui_helpers.h"

#include "about_window/form_about.h"
#include "flow/mach_iteration.h"
#include "flow/texts.h"
#include "form_runtime/chart_surface.h"
#include "solver_window/form_ventrolex.h"
#include "workspace/main_window.h"

#include <QAction>
#include <QMenu>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using form_runtime::ChartSurface;

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    template <typename T = QWidget>
    T *find(const char *name)
    {
        T *w = form.findChild<T *>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit *box(const char *name) { return find<QLineEdit>(name); }
    void click(const char *name)
    {
        QWidget *w = find(name);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
    }

    testing_gui::MessageBoxAnswerer messages;
    MainWindow form; // the shell, with the form in its middle
};

struct ControlCase {
    const char *name;
    const char *kind;
    const char *container;
    QRect geometry;
    const char *caption;
};

void PrintTo(const ControlCase &c, std::ostream *os)
{
    *os << c.name;
}

class Layout : public MainWindowTest, public testing::WithParamInterface<ControlCase> {};

QString captionOf(QWidget *w)
{
    if (auto *g = qobject_cast<QGroupBox *>(w))
        return g->title();
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        return b->text();
    return {};
}

TEST_P(Layout, PlacesEachControlWithItsCaption)
{
    const ControlCase &c = GetParam();
    QWidget *w = find(c.name);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->inherits(c.kind)) << w->metaObject()->className();
    EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(c.container));
    EXPECT_EQ(w->geometry(), c.geometry);
    EXPECT_EQ(captionOf(w), QString::fromUtf8(c.caption));
}

// Positions in pixels: the layout's twips over 15.
INSTANTIATE_TEST_SUITE_P(
    Controls, Layout,
    testing::Values(
        ControlCase{"Frame1", "QGroupBox", "client", QRect(8, 0, 273, 121), ""},
        ControlCase{"Frame2", "QGroupBox", "Frame1", QRect(8, 8, 97, 65), ""},
        ControlCase{"Label1", "QLabel", "Frame2", QRect(8, 16, 41, 17), "A1 ="},
        ControlCase{"Text_A1", "QLineEdit", "Frame2", QRect(40, 16, 49, 19), "1"},
        ControlCase{"Label2", "QLabel", "Frame2", QRect(8, 40, 41, 17), "M1 ="},
        ControlCase{"Text_M1", "QLineEdit", "Frame2", QRect(40, 40, 49, 19), "1"},
        ControlCase{"Frame4", "QGroupBox", "Frame1", QRect(8, 72, 97, 41), ""},
        ControlCase{"Label3", "QLabel", "Frame4", QRect(8, 16, 33, 17), "A* ="},
        ControlCase{"Text_Astar", "QLineEdit", "Frame4", QRect(40, 16, 49, 19), "1"},
        ControlCase{"Frame3", "QGroupBox", "Frame1", QRect(112, 8, 153, 105), "Output options"},
        ControlCase{"Option_A2", "QRadioButton", "Frame3", QRect(8, 16, 41, 17), "A2"},
        ControlCase{"Text_A2", "QLineEdit", "Frame3", QRect(56, 16, 41, 19), "1"},
        ControlCase{"Option_Msub", "QRadioButton", "Frame3", QRect(8, 40, 33, 17), "M"},
        ControlCase{"Text_Msub", "QLineEdit", "Frame3", QRect(56, 40, 41, 19), "1"},
        ControlCase{"Text_Msup", "QLineEdit", "Frame3", QRect(104, 40, 41, 19), "1"},
        ControlCase{"Command1", "QPushButton", "Frame3", QRect(8, 64, 105, 33), "Choose an output option"},
        ControlCase{"Picture_geo", "form_runtime::ChartSurface", "client", QRect(8, 128, 273, 153), ""},
        ControlCase{"Picture_iter", "form_runtime::ChartSurface", "client", QRect(8, 288, 269, 173), ""}));

TEST_F(MainWindowTest, LoadsWithTheStationTwoBoxesAndIterationChartHidden)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("  Ventrolex"));
    EXPECT_EQ(find("client")->size(), QSize(289, 467)); // the form, whatever the window's size
    for (const char *name : {"Text_A2", "Text_Msub", "Text_Msup", "Picture_iter"})
        EXPECT_FALSE(find(name)->isVisible()) << name;
    for (const char *name : {"Text_A1", "Text_M1", "Text_Astar", "Picture_geo", "Command1"})
        EXPECT_TRUE(find(name)->isVisible()) << name;
    EXPECT_FALSE(find<QRadioButton>("Option_A2")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("Option_Msub")->isChecked());
    EXPECT_EQ(form.focusWidget(), find("Picture_geo"));
    EXPECT_TRUE(find<ChartSurface>("Picture_geo")->strokes().empty());
    EXPECT_EQ(find("Picture_geo")->palette().color(QPalette::Window), QColor(255, 255, 192));
    EXPECT_EQ(box("Text_Msub")->accessibleName(), QStringLiteral("M2, subsonic"));
    // Resizing moves and resizes no control.
    const QRect chart = find("Picture_geo")->geometry();
    form.resize(600, 700);
    EXPECT_EQ(find("Picture_geo")->geometry(), chart);
    // The gas constants are in place: A/A* at Mach 2 is bit-exact.
    EXPECT_EQ(form.form().AAfM(2), 1.6875000000000002);
}

TEST_F(MainWindowTest, TabOrderFollowsTheLayout)
{
    const char *order[] = {"Picture_geo", "Text_Astar", "Text_Msup", "Text_Msub", "Text_A2", "Text_A1",
                           "Text_M1", "Picture_iter", "Command1", "Option_A2", "Option_Msub"};
    QWidget *w = find(order[0]);
    for (std::size_t i = 1; i < std::size(order); ++i) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        EXPECT_EQ(w->objectName(), QLatin1String(order[i]));
    }
}

TEST_F(MainWindowTest, CaptionsAreReadableAtTheirSize)
{
    for (const char *name : {"Label1", "Label2", "Label3", "Option_A2", "Option_Msub"}) {
        QWidget *w = find(name);
        const QString text = captionOf(w);
        const int needed = w->fontMetrics().horizontalAdvance(text) +
                           (qobject_cast<QRadioButton *>(w) ? 18 : 0);
        EXPECT_LE(needed, w->width()) << name;
    }
    // A six-character result fits the narrow station-2 boxes.
    QLineEdit *narrow = box("Text_Msup");
    EXPECT_LE(narrow->fontMetrics().horizontalAdvance(QStringLiteral("1.7023")), narrow->width() - 6);
}

TEST_F(MainWindowTest, MenuBarHoldsAboutStationsBackPressureAndGas)
{
    auto *about = form.findChild<QAction *>(QStringLiteral("Mn_About"));
    auto *stations = form.findChild<QAction *>(QStringLiteral("Mn_Stations"));
    ASSERT_NE(about, nullptr);
    ASSERT_NE(stations, nullptr);
    // Each with its mnemonic: Alt+A, Alt+S, Alt+B, Alt+G, Alt+R, Alt+D, Alt+W, Alt+V.
    EXPECT_EQ(about->text(), QStringLiteral("&About"));
    EXPECT_EQ(stations->text(), QStringLiteral("&Stations"));
    EXPECT_EQ(about->menu(), nullptr);
    auto *gas = form.findChild<QMenu *>(QStringLiteral("Mn_Gas"));
    ASSERT_NE(gas, nullptr);
    auto *backPressure = form.findChild<QAction *>(QStringLiteral("Mn_BackPressure"));
    ASSERT_NE(backPressure, nullptr);
    EXPECT_EQ(backPressure->text(), QStringLiteral("&Back pressure"));
    auto *reservoir = form.findChild<QAction *>(QStringLiteral("Mn_Reservoir"));
    ASSERT_NE(reservoir, nullptr);
    EXPECT_EQ(reservoir->text(), QStringLiteral("&Reservoir"));
    auto *duct = form.findChild<QAction *>(QStringLiteral("Mn_Duct"));
    ASSERT_NE(duct, nullptr);
    EXPECT_EQ(duct->text(), QStringLiteral("&Duct"));
    auto *working = form.findChild<QAction *>(QStringLiteral("Mn_Working"));
    ASSERT_NE(working, nullptr);
    EXPECT_EQ(working->text(), QStringLiteral("&Working"));
    auto *view = form.findChild<QMenu *>(QStringLiteral("Mn_View"));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(gas->title(), QStringLiteral("&Gas"));
    EXPECT_EQ(view->title(), QStringLiteral("&View"));
    EXPECT_EQ(form.menuBar()->actions(),
              (QList<QAction *>{about, stations, backPressure, gas->menuAction(), reservoir, duct, working,
                                   view->menuAction()}));
    QStringList items;
    for (QAction *item : gas->actions())
        items << (item->isChecked() ? QStringLiteral("[x] ") : QStringLiteral("[ ] ")) + item->text();
    EXPECT_EQ(items, (QStringList{"[x] Air, k = 1.4", "[ ] Helium, k = 5/3", "[ ] Argon, k = 5/3", "[ ] Superheated steam, k = 1.3",
                                  "[ ] Carbon dioxide, k = 1.289", "[ ] Combustion gases, k = 1.2",
                                  "[ ] Other k\u2026"}));
}

struct Visibility {
    bool A2, Msub, Msup;
};

void expectVisible(QLineEdit *A2, QLineEdit *Msub, QLineEdit *Msup, Visibility v)
{
    EXPECT_EQ(A2->isVisible(), v.A2);
    EXPECT_EQ(Msub->isVisible(), v.Msub);
    EXPECT_EQ(Msup->isVisible(), v.Msup);
}

TEST_F(MainWindowTest, OptionClicksPrepareTheStationTwoBoxes)
{
    QLineEdit *A2 = box("Text_A2"), *Msub = box("Text_Msub"), *Msup = box("Text_Msup");
    auto *command = find<QPushButton>("Command1");

    click("Option_A2");
    EXPECT_TRUE(find<QRadioButton>("Option_A2")->isChecked());
    expectVisible(A2, Msub, Msup, {false, true, false});
    EXPECT_EQ(Msub->text(), QString());
    EXPECT_EQ(A2->text(), QStringLiteral("1")); // hidden, keeps its text
    EXPECT_EQ(command->text(), QStringLiteral("SET input values then CLICK"));

    Msub->setText(QStringLiteral("2"));
    click("Option_Msub");
    EXPECT_FALSE(find<QRadioButton>("Option_A2")->isChecked());
    expectVisible(A2, Msub, Msup, {true, false, false});
    EXPECT_EQ(A2->text(), QString());
    EXPECT_EQ(Msub->text(), QStringLiteral("2")); // the typed M2 stays, hidden

    // Clicking the selected option again prepares the boxes again.
    A2->setText(QStringLiteral("3"));
    command->setText(QStringLiteral("Choose an output option"));
    click("Option_Msub");
    EXPECT_EQ(A2->text(), QString());
    EXPECT_EQ(command->text(), QStringLiteral("SET input values then CLICK"));

    for (const char *name : {"Text_M1", "Text_A1", "Text_Astar"})
        EXPECT_EQ(box(name)->text(), QStringLiteral("1")) << name;
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(MainWindowTest, CommandWithoutAnOptionAsksForOne)
{
    QTest::mouseClick(find("Command1"), Qt::LeftButton);
    ASSERT_EQ(messages.shown().size(), 1u);
    const auto &m = messages.shown().front();
    EXPECT_EQ(m.text, QStringLiteral("Choose an output option"));
    EXPECT_EQ(m.title, QStringLiteral("Ventrolex"));
    EXPECT_EQ(m.icon, QMessageBox::NoIcon);
    EXPECT_EQ(m.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(m.modality, Qt::ApplicationModal);
    EXPECT_EQ(box("Text_Astar")->text(), QStringLiteral("1"));
    EXPECT_EQ(find<QPushButton>("Command1")->text(), QStringLiteral("Choose an output option"));
}

TEST_F(MainWindowTest, MachIterationReportsWhenItDoesNotSettle)
{
    EXPECT_EQ(form.form().M_iter(1.001, 1, flow::kSubsonic), 0.9692205839573707);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("iterasyon 50 adımda yakınsamadı")});
    EXPECT_EQ(form.form().M_iter(2, 1, flow::kSupersonic), 2.1971526623905615);
    EXPECT_EQ(form.form().M_iter(2, 1, "sesaltı"), 1);
    EXPECT_EQ(messages.shown().size(), 2u);
}

TEST_F(MainWindowTest, AboutWindowIsOneModelessWindowOfItsOwn)
{
    QAction *about = form.findChild<QAction *>(QStringLiteral("Mn_About"));
    about->trigger();
    about->trigger();
    int aboutWindows = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        aboutWindows += w->objectName() == QLatin1String("Form_About") && w->isVisible();
    EXPECT_EQ(aboutWindows, 1);

    Form_About &window = Form_About::instance();
    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(window.parentWidget(), nullptr);
    EXPECT_EQ(window.windowModality(), Qt::NonModal);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(window.size(), QSize(240, 118));
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(255, 255, 192));
    auto *title = window.findChild<QLabel *>(QStringLiteral("Label2"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), QStringLiteral("Program for Solving"));
    EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("Label5"))->palette().color(QPalette::WindowText),
              QColor(0, 0, 255));
    EXPECT_EQ(window.findChildren<QLabel *>().size(), 6);
    for (const QLabel *label : window.findChildren<QLabel *>())
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << label->text().toStdString();

    window.close();
    about->trigger();
    EXPECT_TRUE(Form_About::instance().isVisible());
    EXPECT_EQ(&Form_About::instance(), &window);

    // The main window closes on its own; the About window stays, and the
    // application ends only when it is closed too.
    bool aboutOpenAfterMainClosed = false, aboutClosedBeforeTheEnd = false;
    QTimer::singleShot(0, [&] {
        form.close();
        QTimer::singleShot(50, [&] {
            aboutOpenAfterMainClosed = window.isVisible();
            aboutClosedBeforeTheEnd = true;
            window.close();
        });
    });
    QTimer::singleShot(5000, [] { QApplication::exit(1); }); // never waits for ever
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(aboutOpenAfterMainClosed);
    EXPECT_TRUE(aboutClosedBeforeTheEnd);
}

} // namespace

namespace {

// The form stands on its own, as in a test or a tool that needs no panels:
// its own case, its own menu bar with About and Gas, and the same solution
// as in the main window, bit for bit. Placed in the main window, it writes
// to the main window's one case.
TEST(FormOnItsOwn, SolvesIntoItsOwnCaseAsInTheMainWindow)
{
    testing_gui::MessageBoxAnswerer messages;
    Form_Ventrolex alone;
    MainWindow window;
    EXPECT_EQ(&window.form().nozzleCase(), &window.nozzleCase());
    QStringList items;
    for (QAction *item : alone.menuBar()->actions())
        items << item->text();
    EXPECT_EQ(items, (QStringList{"&About", "&Gas"}));
    for (QWidget *form : {static_cast<QWidget *>(&alone), static_cast<QWidget *>(&window)}) {
        form->findChild<QLineEdit *>(QStringLiteral("Text_M1"))->setText(QStringLiteral("0.5"));
        form->findChild<QRadioButton *>(QStringLiteral("Option_Msub"))->click();
        form->findChild<QLineEdit *>(QStringLiteral("Text_A2"))->setText(QStringLiteral("1"));
        form->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    }
    ASSERT_TRUE(alone.nozzleCase().solution());
    ASSERT_TRUE(window.nozzleCase().solution());
    EXPECT_EQ(alone.nozzleCase().solution()->A2_As, window.nozzleCase().solution()->A2_As);
    for (const char *name : {"Text_Astar", "Text_Msub", "Text_Msup"})
        EXPECT_EQ(alone.findChild<QLineEdit *>(QLatin1String(name))->text(),
                  window.findChild<QLineEdit *>(QLatin1String(name))->text())
            << name;
    EXPECT_EQ(alone.findChild<QLineEdit *>(QStringLiteral("Text_Msup"))->text(), QStringLiteral("1.7023"));
    EXPECT_TRUE(messages.shown().empty());
}

} // namespace
