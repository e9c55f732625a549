// The working as a student hands it in: for the README's worked examples, a
// nozzle in SI and one in US customary units, a shock inside and an
// overexpanded jet, every line's result follows from the numbers printed on
// it (the relation recomputed here in long double from its closed form, over
// the rounding of every number printed), and the working holds what the
// panels show.

#include "solve_fixture.h"

#include "backpressure_window/form_backpressure.h"
#include "form_runtime/text_box.h"
#include "nozzle_case/nozzle_case.h"
#include "reservoir_window/form_reservoir.h"
#include "duct_window/form_duct.h"
#include "stations_window/form_stations.h"
#include "stations_window/station_table.h"
#include "working_window/form_working.h"
#include "working_window/working.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTableView>

#include <cmath>
#include <functional>
#include <map>

namespace {

using LD = long double;
using Relation = std::function<LD(const std::vector<LD> &)>;

const LD kDegree = 180 / 3.141592653589793238462643383279502884L;

LD sum(LD M, LD k) { return 1 + (k - 1) / 2 * M * M; }
LD expo(LD k) { return (k + 1) / (2 * (k - 1)); }

// The closed forms, by the key each line names.
const std::map<QString, Relation> &relations()
{
    static const std::map<QString, Relation> r{
        {"A/A*", [](auto x) { return std::pow(2 / (x[1] + 1) * sum(x[0], x[1]), expo(x[1])) / x[0]; }},
        {"quotient", [](auto x) { return x[0] / x[1]; }},
        {"product", [](auto x) { return x[0] * x[1]; }},
        {"p/p0", [](auto x) { return std::pow(sum(x[0], x[1]), -x[1] / (x[1] - 1)); }},
        {"T/T0", [](auto x) { return 1 / sum(x[0], x[1]); }},
        {"rho/rho0", [](auto x) { return std::pow(sum(x[0], x[1]), -1 / (x[1] - 1)); }},
        {"rho", [](auto x) { return x[0] / (x[1] * x[2]); }},
        {"a", [](auto x) { return std::sqrt(x[0] * x[1] * x[2]); }},
        {"mdot",
         [](auto x) { return x[0] * x[1] * std::sqrt(x[2] / (x[3] * x[4])) * std::pow(2 / (x[2] + 1), expo(x[2])); }},
        {"p2/p1", [](auto x) { return 1 + 2 * x[1] / (x[1] + 1) * (x[0] * x[0] - 1); }},
        {"M2 shock",
         [](auto x) { return std::sqrt(sum(x[0], x[1]) / (x[1] * x[0] * x[0] - (x[1] - 1) / 2)); }},
        // P = (pe/p0e)(Ae/Ae*) = (2/(k+1))^e / (Me sqrt(1 + (k-1)/2 Me^2)), solved for Me by bisection.
        {"Me",
         [](auto x) {
             const LD k = x[1], top = std::pow(2 / (k + 1), expo(k));
             LD lo = 0, hi = 1;
             for (int i = 0; i < 200; ++i) {
                 const LD mid = (lo + hi) / 2;
                 (top / (mid * std::sqrt(sum(mid, k))) > x[0] ? lo : hi) = mid;
             }
             return lo;
         }},
        {"subsonic step",
         [](auto x) { return std::pow(sum(x[1], x[2]) / sum(1, x[2]), expo(x[2])) / x[0]; }},
        {"supersonic step",
         [](auto x) {
             const LD c = (x[2] - 1) / 2;
             return std::sqrt(((1 + c) * std::pow(x[0] * x[1], 1 / expo(x[2])) - 1) / c);
         }},
        {"rho V A", [](auto x) { return x[0] / (x[1] * x[2]) * x[3] * x[4]; }},
        {"F", [](auto x) { return x[0] * x[1] + (x[2] - x[3]) * x[4]; }},
        {"CF", [](auto x) { return x[0] / (x[1] * x[2]); }},
        {"c*", [](auto x) { return x[0] * x[1] / x[2]; }},
        {"Isp", [](auto x) { return x[0] / (x[1] * x[2]); }},
        // The lip's waves, angles in degrees: the normal Mach number of p2/p1, beta from it,
        // theta of the theta-beta-M relation, the Mach number of p/p0 and nu of Prandtl-Meyer.
        {"Mn", [](auto x) { return std::sqrt(1 + (x[1] + 1) / (2 * x[1]) * (x[0] - 1)); }},
        {"beta", [](auto x) { return std::asin(x[0] / x[1]) * kDegree; }},
        {"theta",
         [](auto x) {
             const LD M = x[0], b = x[1] / kDegree, k = x[2];
             return std::atan(2 / std::tan(b) * (M * M * std::sin(b) * std::sin(b) - 1) / (M * M * (k + std::cos(2 * b)) + 2)) *
                    kDegree;
         }},
        {"M of p/p0", [](auto x) { return std::sqrt(2 / (x[1] - 1) * (std::pow(1 / x[0], (x[1] - 1) / x[1]) - 1)); }},
        {"nu",
         [](auto x) {
             const LD m = x[0] * x[0] - 1, k = x[1];
             return (std::sqrt((k + 1) / (k - 1)) * std::atan(std::sqrt((k - 1) / (k + 1) * m)) - std::atan(std::sqrt(m))) *
                    kDegree;
         }},
        {"difference", [](auto x) { return x[0] - x[1]; }},
        {"M of T/T0", [](auto x) { return std::sqrt(2 / (x[1] - 1) * (1 / x[0] - 1)); }},
        {"M of rho/rho0", [](auto x) { return std::sqrt(2 / (x[1] - 1) * (std::pow(1 / x[0], x[1] - 1) - 1)); }},
        {"p02/p01 shock",
         [](auto x) {
             const LD m2 = x[0] * x[0], k = x[1];
             return std::pow((k + 1) * m2 / ((k - 1) * m2 + 2), k / (k - 1)) *
                    std::pow(2 * k / (k + 1) * m2 - (k - 1) / (k + 1), -1 / (k - 1));
         }},
        {"Mn of beta", [](auto x) { return x[0] * std::sin(x[1] / kDegree); }},
        // The duct's lines: Fanno's 4fL*/D and p/p*, Rayleigh's T0/T0* and p/p*.
        {"fanno",
         [](auto x) {
             const LD m2 = x[0] * x[0], k = x[1];
             return (1 - m2) / (k * m2) + (k + 1) / (2 * k) * std::log((k + 1) * m2 / (2 + (k - 1) * m2));
         }},
        {"rayleigh T0",
         [](auto x) {
             const LD m2 = x[0] * x[0], k = x[1];
             return (k + 1) * m2 * (2 + (k - 1) * m2) / ((1 + k * m2) * (1 + k * m2));
         }},
        {"fanno p ratio",
         [](auto x) {
             const LD k = x[2];
             return x[0] / x[1] * std::sqrt((2 + (k - 1) * x[0] * x[0]) / (2 + (k - 1) * x[1] * x[1]));
         }},
        {"rayleigh p ratio", [](auto x) { return (1 + x[2] * x[0] * x[0]) / (1 + x[2] * x[1] * x[1]); }},
        {"M2 oblique", [](auto x) { return x[0] / std::sin((x[1] - x[2]) / kDegree); }},
    };
    return r;
}

// A number as printed, and half a unit of its last digit: what its rounding allows.
struct Printed {
    LD value, half;
};
Printed printed(QString text)
{
    text.replace(QChar(0x2212), QLatin1Char('-'));
    text = text.section(QChar(0x00a0), 0, 0).trimmed();
    if (text.endsWith(QChar(0x00b0)))
        text.chop(1); // an angle in degrees
    const int e = text.indexOf(QRegularExpression(QStringLiteral("[eE]")));
    const QString mantissa = e < 0 ? text : text.left(e);
    const int exponent = e < 0 ? 0 : text.mid(e + 1).toInt();
    const int dot = mantissa.indexOf(QLatin1Char('.'));
    const int decimals = dot < 0 ? 0 : int(mantissa.size()) - dot - 1;
    return {std::stold(text.toStdString()), 0.5L * std::pow(10.0L, exponent - decimals)};
}

// The relation over every corner of its numbers' rounding: its least and greatest.
std::pair<LD, LD> span(const Relation &f, const std::vector<Printed> &in)
{
    LD lo = INFINITY, hi = -INFINITY;
    for (unsigned corner = 0; corner < (1u << in.size()); ++corner) {
        std::vector<LD> x;
        for (std::size_t i = 0; i < in.size(); ++i)
            x.push_back(in[i].value + ((corner >> i) & 1 ? in[i].half : -in[i].half));
        const LD y = f(x);
        lo = std::min(lo, y);
        hi = std::max(hi, y);
    }
    return {lo, hi};
}

class WorkingTest : public testing_gui::SolveTest {
protected:
    void SetUp() override
    {
        SolveTest::SetUp();
        if (HasFatalFailure())
            return;
        panel = &testing_gui::panelOf<Form_Working>(form, "Mn_Working");
        nozzle = form.findChild<NozzleCase *>();
    }
    void look(const char *menuItem) { form.findChild<QAction *>(QLatin1String(menuItem))->trigger(); }
    template <typename W = QLineEdit>
    W *in(QWidget *where, const char *name) { return where->findChild<W *>(QLatin1String(name)); }
    void reservoir(int system, const char *p0, const char *T0)
    {
        auto &r = testing_gui::panelOf<Form_Reservoir>(form, "Mn_Reservoir");
        in<QComboBox>(&r, "Unit_System")->setCurrentIndex(system);
        in(&r, "Text_p0")->setText(QLatin1String(p0));
        in(&r, "Text_T0")->setText(QLatin1String(T0));
    }
    void backPressure(const char *box, const char *value)
    {
        auto &b = testing_gui::panelOf<Form_BackPressure>(form, "Mn_BackPressure");
        in(&b, box)->setText(QLatin1String(value));
        look("Mn_Working");
    }

    // Every line's result follows from its numbers; every key has its relation.
    void expectEveryLineFollows()
    {
        const std::vector<working::Section> w = working::workingOf(*nozzle);
        int lines = 0;
        for (const working::Section &s : w)
            for (const working::Section::Item &item : s.items) {
                if (!item.line)
                    continue;
                const working::Line &l = *item.line;
                ++lines;
                SCOPED_TRACE((s.title + QStringLiteral(": ") + l.lhs.text + QStringLiteral(" = ") + l.numbers.text +
                              QStringLiteral(" = ") + l.result)
                                 .toStdString());
                const auto f = relations().find(l.key);
                ASSERT_NE(f, relations().end()) << l.key.toStdString();
                std::vector<Printed> in;
                for (const QString &n : l.putIn)
                    in.push_back(printed(n));
                const Printed result = printed(l.result);
                const auto [lo, hi] = span(f->second, in);
                EXPECT_TRUE(result.value + result.half >= lo * (1 - 1e-15L) && result.value - result.half <= hi * (1 + 1e-15L))
                    << "the numbers give " << double(lo) << " to " << double(hi);
                // The relation with the numbers put in shows each of them.
                for (const QString &n : l.putIn)
                    EXPECT_TRUE(l.numbers.text.contains(QString(n).replace(QLatin1Char('-'), QChar(0x2212)).section(QLatin1Char('e'), 0, 0)))
                        << n.toStdString();
            }
        EXPECT_GT(lines, 0);
    }

    Form_Working *panel = nullptr;
    NozzleCase *nozzle = nullptr;
};

TEST_F(WorkingTest, EveryLineFollowsFromItsNumbersAndHoldsWhatThePanelsShow)
{
    struct Case {
        const char *name;
        std::function<void()> solve;
        std::vector<QString> holds; // besides the main window's results
    };
    const std::vector<Case> cases{
        {"worked example, option M",
         [this] { solveForMach(QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("1")); },
         {QStringLiteral("stopped at 1.7023"), QStringLiteral("the root of A2/A* is 1.7024"),
          QStringLiteral("From M1 = 0.5, A1 = 1, A2 = 1")}},
        {"an iteration that does not settle",
         [this] { solveForMach(QStringLiteral("0.3"), QStringLiteral("5"), QStringLiteral("2.46")); },
         {QStringLiteral("does not settle in 50 steps")}},
        {"option A2", [this] { solveForArea(QStringLiteral("0.3"), QStringLiteral("5"), QStringLiteral("2")); },
         {}},
        {"SI nozzle into a shock inside",
         [this] {
             reservoir(0, "1000", "500");
             solveForMach(QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("20"));
             backPressure("Text_pbp0", "0.7");
         },
         {QStringLiteral("a normal shock stands in the diverging part"), QStringLiteral("kg/s")}},
        {"US nozzle, overexpanded",
         [this] {
             reservoir(1, "100", "540");
             solveForMach(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1.87"));
             backPressure("Text_pb", "40");
         },
         {QStringLiteral("lbm/s"), QStringLiteral("lbf"), QStringLiteral("psia"), QStringLiteral("Summerfield's test"),
          QStringLiteral("The exit lip"), QStringLiteral("\u03b8max")}},
        {"the three look-up rows", [this] {
             solveForMach(QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("1"));
             auto &stations = testing_gui::panelOf<Form_Stations>(form, "Mn_Stations");
             QAbstractItemModel &table = stations.table();
             int pColumn = 0;
             while (table.headerData(pColumn, Qt::Horizontal).toString() != QStringLiteral("p/p0"))
                 ASSERT_LT(++pColumn, table.columnCount());
             ASSERT_TRUE(table.setData(table.index(stations.table().lookUpRow(), pColumn), QStringLiteral("0.5"), Qt::EditRole));
             auto &b = testing_gui::panelOf<Form_BackPressure>(form, "Mn_BackPressure");
             QAbstractItemModel *shocks = b.findChild<QTableView *>(QStringLiteral("Table_Shock"))->model();
             ASSERT_TRUE(shocks->setData(shocks->index(shocks->rowCount() - 1, 2), QStringLiteral("4.5"), Qt::EditRole));
             QAbstractItemModel *oblique = b.findChild<QTableView *>(QStringLiteral("Table_Oblique"))->model();
             ASSERT_TRUE(oblique->setData(oblique->index(0, 0), QStringLiteral("2"), Qt::EditRole));
             ASSERT_TRUE(oblique->setData(oblique->index(0, 1), QStringLiteral("10"), Qt::EditRole));
         },
         {QStringLiteral("p/p0 = 0.5 was typed"), QStringLiteral("p2/p1 = 4.5 was typed"), QStringLiteral("39.3")}},
        {"a nozzle into a duct: a shock in the duct, then heat", [this] {
             solveForMach(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("2"));
             QWidget &duct = testing_gui::panelOf<Form_Duct>(form, "Mn_Duct");
             in(&duct, "Text_fLD")->setText(QStringLiteral("0.5"));
             in(&duct, "Text_pbp0")->setText(QStringLiteral("0.1"));
             look("Mn_Working");
             expectEveryLineFollows();
             EXPECT_TRUE(panel->plainText().contains(QStringLiteral("Normal shock in the duct, at 4fx/D = 0.1558")))
                 << panel->plainText().toStdString();
             in(&duct, "Text_T0Ratio")->setText(QStringLiteral("1.5"));
         },
         {QStringLiteral("T02/T01 = 1.5"), QStringLiteral("Normal shock in the nozzle")}},
        {"underexpanded", [this] {
             solveForMach(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("2"));
             backPressure("Text_pbp0", "0.05");
         },
         {QStringLiteral("underexpanded"), QStringLiteral("\u03bd")}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        c.solve();
        look("Mn_Working");
        expectEveryLineFollows();
        const QString text = panel->plainText();
        for (const char *result : {"Text_Astar", "Text_A2", "Text_Msub", "Text_Msup"})
            if (visible(result)) {
                EXPECT_TRUE(text.contains(QStringLiteral("= ") + box(result)->text())) << result << text.toStdString();
            }
        for (const QString &also : c.holds)
            EXPECT_TRUE(text.contains(also)) << also.toStdString() << "\n" << text.toStdString();
        // The thrust and its mass flow as the Back pressure panel's table shows
        // them, once it has caught up (in front).
        if (auto *b = form.findChild<Form_BackPressure *>()) {
            look("Mn_BackPressure");
            auto *performance = b->findChild<QTableView *>(QStringLiteral("Table_Performance"));
            if (!performance->isHidden())
                for (int row : {0, 3}) { // mdot, F
                    const QString shown = testing_gui::shownRow(performance, row).value(1);
                    EXPECT_TRUE(text.contains(shown)) << shown.toStdString() << "\n" << text.toStdString();
                }
        }
    }
}

// A refused solve leaves the reason and nothing of the old nozzle; a hidden
// panel writes nothing until it is seen.
TEST_F(WorkingTest, ARefusedSolveLeavesItsReasonAndAHiddenPanelWaits)
{
    solveForMach(QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("1"));
    look("Mn_Working");
    ASSERT_TRUE(panel->plainText().contains(QStringLiteral("A*")));
    // Opened, it reads from the top, where the working starts.
    EXPECT_EQ(in<QTextBrowser>(panel, "Text_Working")->textCursor().position(), 0);
    solveForMach(QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("0.1")); // narrower than the throat
    look("Mn_Working");
    EXPECT_FALSE(panel->plainText().contains(QStringLiteral("A\u2081/A* ="))) << "no line of the nozzle before";
    EXPECT_TRUE(panel->plainText().contains(nozzle->noSolutionWhy())) << panel->plainText().toStdString();
    // ... and in the main window's words, what stopped it.
    EXPECT_TRUE(panel->plainText().contains(QStringLiteral("Verilen A2/A1 oran\u0131 i\u00e7in \u00e7\u00f6z\u00fcm yok!")))
        << panel->plainText().toStdString();
    solveForMach(QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")); // M1 = 0 divides by zero
    look("Mn_Working");
    EXPECT_TRUE(panel->plainText().contains(QStringLiteral("ivision by zero"))) << panel->plainText().toStdString();
    // A box read otherwise than typed: the working says so, as the box's sign does.
    solveForMach(QStringLiteral("0.5"), QStringLiteral("3,5"), QStringLiteral("4"));
    look("Mn_Working");
    const QString note = static_cast<form_runtime::TextBox *>(box("Text_A1"))->note();
    ASSERT_FALSE(note.isEmpty());
    EXPECT_TRUE(panel->plainText().contains(note)) << note.toStdString() << "\n" << panel->plainText().toStdString();

    look("Mn_Stations"); // the Working panel behind its tab
    const int before = panel->rewrites();
    solveForMach(QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("2"));
    solveForMach(QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("3"));
    EXPECT_EQ(panel->rewrites(), before);
    look("Mn_Working");
    EXPECT_EQ(panel->rewrites(), before + 1);
    EXPECT_TRUE(panel->plainText().contains(QStringLiteral("= 3"))) << panel->plainText().toStdString();

    // The view rewrites only the sections that changed: after a back pressure
    // and then another, it reads as the whole working written anew.
    reservoir(0, "1000", "500");
    backPressure("Text_pbp0", "0.7");
    backPressure("Text_pbp0", "0.05");
    QTextDocument anew;
    anew.setHtml(working::html(working::workingOf(*nozzle), false));
    EXPECT_EQ(in<QTextBrowser>(panel, "Text_Working")->toPlainText().trimmed(), anew.toPlainText().trimmed());
    EXPECT_TRUE(anew.toPlainText().contains(QStringLiteral("pb/p01 = 0.05"))) << anew.toPlainText().toStdString();
}

// Copy, LaTeX and the page: the same working, each in its form, in SI and in
// US customary units.
TEST_F(WorkingTest, GivesTheWorkingAwayAsTextLatexAndAPage)
{
    struct Case {
        const char *name, *file; // the file's name after VENTROLEX_WORKING_OUT
        std::function<void()> solve;
    };
    const std::vector<Case> cases{
        {"SI nozzle into a shock inside", "",
         [this] {
             reservoir(0, "1000", "500");
             solveForMach(QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("20"));
             backPressure("Text_pbp0", "0.7");
         }},
        {"US nozzle, overexpanded", "-us",
         [this] {
             reservoir(1, "100", "540");
             solveForMach(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1.87"));
             backPressure("Text_pb", "40");
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        c.solve();
        look("Mn_Working");
        in<QPushButton>(panel, "Command_CopyWorking")->click();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), panel->plainText());
        in<QPushButton>(panel, "Command_CopyLatex")->click();
        const QString tex = QGuiApplication::clipboard()->text();
        EXPECT_EQ(tex.count(QStringLiteral("\\begin{align*}")), tex.count(QStringLiteral("\\end{align*}")));
        EXPECT_TRUE(tex.contains(QStringLiteral("\\frac{A_{1}}{A^*}")));
        EXPECT_EQ(tex.count(QLatin1Char('{')), tex.count(QLatin1Char('}')));
        EXPECT_FALSE(tex.contains(QChar(0x2212))) << "LaTeX's minus is -";
    // One block a line, in order, each ending in that line's result.
    std::vector<working::Line> lines;
    for (const working::Section &section : working::workingOf(*nozzle))
        for (const working::Section::Item &item : section.items)
            if (item.line)
                lines.push_back(*item.line);
    const QStringList blocks = tex.split(QStringLiteral("\\begin{align*}")).mid(1);
    ASSERT_EQ(std::size_t(blocks.size()), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QString last = blocks[int(i)].section(QStringLiteral("&= "), -1).section(QLatin1Char('\n'), 0, 0);
        const QString digits = lines[i].result.section(QLatin1Char('e'), 0, 0).left(3).replace(QChar(0x2212), QLatin1Char('-'));
        EXPECT_TRUE(last.startsWith(digits)) << lines[i].key.toStdString() << ": " << last.toStdString();
    }
        QTemporaryDir dir;
        QString why;
        ASSERT_TRUE(panel->savePage(dir.filePath(QStringLiteral("working.html")), why)) << why.toStdString();
        QFile page(dir.filePath(QStringLiteral("working.html")));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        EXPECT_TRUE(html.contains(QStringLiteral("size: A4")));
        EXPECT_TRUE(html.contains(QStringLiteral("A 1 over A star equals")));
        EXPECT_FALSE(panel->savePage(dir.filePath(QStringLiteral("no/such/folder/w.html")), why));
        EXPECT_FALSE(why.isEmpty());
        if (const char *out = std::getenv("VENTROLEX_WORKING_OUT")) { // for scripts/check-working
            const QString name = QString::fromLocal8Bit(out) + QLatin1String(c.file);
            QFile texFile(name + QStringLiteral(".tex"));
            ASSERT_TRUE(texFile.open(QIODevice::WriteOnly));
            texFile.write(tex.toUtf8());
            ASSERT_TRUE(panel->savePage(name + QStringLiteral(".html"), why));
        }
    }
}

} // namespace
