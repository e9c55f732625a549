// What a student takes into a report: the iteration drawn step by step, the
// charts saved or copied, the results and iterates copied as a table.

#include "solve_fixture.h"

#include "charts/iteration_chart.h"
#include "form_runtime/chart_export.h"
#include "form_runtime/colour.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMenu>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <map>

namespace {

using form_runtime::ChartSurface;
using testing_gui::SolveTest;

QAction *menuItem(ChartSurface *chart, const char *text)
{
    for (QAction *a : chart->findChildren<QAction *>())
        if (a->text() == QString::fromUtf8(text))
            return a;
    ADD_FAILURE() << "no menu item " << text;
    return nullptr;
}

struct Cobweb {
    const char *A2;
    std::vector<float> subsonic, supersonic; // iterates, or the last one alone
    std::size_t subsonicSteps, supersonicSteps;
    const char *steps;
};

void PrintTo(const Cobweb &r, std::ostream *os) { *os << "A2_" << r.A2; }

class IteratesShown : public SolveTest, public testing::WithParamInterface<Cobweb> {};

TEST_P(IteratesShown, AreTheIterationsOwnStepsAndLeaveTheChartAsItWasWhenOff)
{
    const Cobweb &c = GetParam();
    solveForMach(QStringLiteral("1"), QStringLiteral("1"), QLatin1String(c.A2));
    const QImage plain = testing_gui::rendered(iter);
    menuItem(iter, "Show the iterates")->trigger();

    std::vector<ChartSurface::Stroke> cobweb;
    for (const auto &s : iter->strokes())
        if (s.colour == charts::kIterateColour)
            cobweb.push_back(s);
    ASSERT_EQ(cobweb.size(), 2 * (c.subsonicSteps + c.supersonicSteps));
    // From M = 1: down to the curve, then across to the diagonal at each iterate,
    // the subsonic branch first; each branch ends with the iterates of the worked example.
    EXPECT_EQ(cobweb[0].x1, 1.f);
    EXPECT_EQ(cobweb[0].y1, -1.f);
    std::vector<float> reached;
    for (std::size_t i = 1; i < cobweb.size(); i += 2) {
        EXPECT_EQ(cobweb[i].y2, -cobweb[i].x2);
        reached.push_back(cobweb[i].x2);
    }
    const auto supersonicStart = reached.begin() + c.subsonicSteps;
    EXPECT_EQ(std::vector<float>(supersonicStart - c.subsonic.size(), supersonicStart), c.subsonic);
    EXPECT_EQ(std::vector<float>(reached.end() - c.supersonic.size(), reached.end()), c.supersonic);
    EXPECT_TRUE(iter->description().endsWith(QLatin1String(c.steps)));

    menuItem(iter, "Show the iterates")->trigger();
    EXPECT_EQ(testing_gui::rendered(iter), plain);
}

INSTANTIATE_TEST_SUITE_P(
    AreaRatios, IteratesShown,
    testing::Values(Cobweb{"2",
                           {0.5f, 0.3349609375000001f, 0.30927118821317084f, 0.306277211023683f, 0.3059450183311363f,
                            0.3059083742283576f},
                           {1.5998519617043445f, 1.9599497186035955f, 2.111966215641589f, 2.1677002405874224f,
                            2.1871217813571997f, 2.1937714855386354f, 2.1960346114481037f, 2.196803257964375f,
                            2.1970641392510046f, 2.1971526623905615f},
                           6, 10, "subsonic: 6 steps; supersonic: 10 steps"},
                    // Not settled in 50 steps: all 50 are drawn.
                    Cobweb{"1.001", {0.9692205839573707f}, {1.0311621592033962f}, 50, 50,
                           "subsonic: 50 steps; supersonic: 50 steps"}));

TEST_F(SolveTest, SavedPicturesAreTheChartsOwnStrokes)
{
    solveForMach(QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("1"));
    QTemporaryDir dir;
    const QString svg = dir.filePath(QStringLiteral("nozzle-chart.svg"));
    const QString png = dir.filePath(QStringLiteral("nozzle-chart.png"));
    ASSERT_EQ(form_runtime::saveChart(*geo, svg), QString());
    ASSERT_EQ(form_runtime::saveChart(*geo, png), QString());

    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    std::map<QString, int> strokesByColour;
    int elements = 0;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (xml.isStartElement() && (xml.name() == QLatin1String("line") || xml.name() == QLatin1String("circle"))) {
            ++elements;
            ++strokesByColour[xml.attributes().value(QLatin1String("stroke")).toString()];
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(elements, int(geo->strokes().size()));
    // 16 grid lines, 2 x 395 wall segments, station 1 in blue, both station-2 marks in red.
    EXPECT_EQ(strokesByColour, (std::map<QString, int>{{QStringLiteral("#c8c8c8"), 16},
                                                        {QStringLiteral("#000000"), 790},
                                                        {QStringLiteral("#0000ff"), 1},
                                                        {QStringLiteral("#ff0000"), 2}}));

    // The solutions' circles keep their size: 0.05 in M is several pixels.
    const QString circles = dir.filePath(QStringLiteral("iteration-chart.svg"));
    ASSERT_EQ(form_runtime::saveChart(*iter, circles), QString());
    QFile circlesFile(circles);
    ASSERT_TRUE(circlesFile.open(QIODevice::ReadOnly));
    QStringList radii;
    for (QXmlStreamReader c(&circlesFile); !c.atEnd();)
        if (c.readNext() == QXmlStreamReader::StartElement && c.name() == QLatin1String("circle"))
            radii << c.attributes().value(QLatin1String("r")).toString();
    EXPECT_EQ(radii, (QStringList{"3", "3"}));

    // The PNG is four times the drawing area, with the marks where the screen has them.
    const QImage image(png);
    const QRectF area = geo->contentsRect();
    EXPECT_EQ(image.size(), (area.size() * 4).toSize());
    EXPECT_EQ(image.pixelColor(4, 4), QColor(255, 255, 192));
    const QImage screen = testing_gui::rendered(geo);
    for (const double M : {1.7023, 0.5}) {
        const QPointF at = geo->toPixel(M, 0.3);
        EXPECT_TRUE(testing_gui::hasColourNear(screen, at, Qt::red));
        EXPECT_TRUE(testing_gui::hasColourNear(image, (at - area.topLeft()) * 4, Qt::red, 4));
    }
}

TEST_F(SolveTest, PictureThatCannotBeWrittenIsReportedAndLeavesNoFile)
{
    solveForMach(QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("1"));
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.svg"))); // the name is a folder's
    const QString names[] = {dir.filePath(QStringLiteral("no-such-folder/chart.png")),
                             dir.filePath(QStringLiteral("taken.svg"))};
    for (const QString &name : names) {
        form_runtime::saveChartAs(*geo, name);
        ASSERT_FALSE(messages.texts().isEmpty());
        EXPECT_TRUE(messages.texts().last().startsWith(
            QStringLiteral("The picture could not be saved as %1: ").arg(QDir::toNativeSeparators(name))))
            << messages.texts().last().toStdString();
    }
    EXPECT_EQ(messages.texts().size(), 2);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"taken.svg"});
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("taken.svg"))).isEmpty());
}

struct CopiedTable {
    const char *option, *M1, *A1, *station2;
    const char *chart, *item, *text;
};

void PrintTo(const CopiedTable &r, std::ostream *os) { *os << r.option << "_" << r.chart << "_" << r.item; }

class Copied : public SolveTest, public testing::WithParamInterface<CopiedTable> {};

TEST_P(Copied, IsTabSeparatedShownAndUnrounded)
{
    const CopiedTable &c = GetParam();
    if (std::string_view(c.option) == "Option_A2")
        solveForArea(QLatin1String(c.M1), QLatin1String(c.A1), QLatin1String(c.station2));
    else
        solveForMach(QLatin1String(c.M1), QLatin1String(c.A1), QLatin1String(c.station2));
    menuItem(form.findChild<ChartSurface *>(QLatin1String(c.chart)), c.item)->trigger();
    // The results come first; the stations' table that follows them is the Stations window's.
    QString copied = QGuiApplication::clipboard()->text();
    if (const int table = copied.indexOf(QStringLiteral("\n\n")); table >= 0)
        copied.truncate(table + 1);
    EXPECT_EQ(copied, QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, Copied,
    testing::Values(CopiedTable{"Option_Msub", "1", "1", "2", "Picture_iter", "Copy results",
                                "Quantity\tShown\tValue\n"
                                "M1\t1\t1\n"
                                "A1\t1\t1\n"
                                "A*\t1\t1\n"
                                "A2\t2\t2\n"
                                "M2, subsonic\t0.3059\t0.3059083742283576\n"
                                "M2, supersonic\t2.1972\t2.1971526623905615\n"},
                    CopiedTable{"Option_A2", "1", "1", "1", "Picture_geo", "Copy results",
                                "Quantity\tShown\tValue\n"
                                "M1\t1\t1\n"
                                "A1\t1\t1\n"
                                "A*\t1\t1\n"
                                "M2\t1\t1\n"
                                "A2\t1\t1\n"},
                    CopiedTable{"Option_Msub", "1", "1", "2", "Picture_iter", "Copy the iterates",
                                "Step\tSubsonic M\tSupersonic M\n"
                                "1\t0.5\t1.5998519617043445\n"
                                "2\t0.3349609375000001\t1.9599497186035955\n"
                                "3\t0.30927118821317084\t2.111966215641589\n"
                                "4\t0.306277211023683\t2.1677002405874224\n"
                                "5\t0.3059450183311363\t2.1871217813571997\n"
                                "6\t0.3059083742283576\t2.1937714855386354\n"
                                "7\t\t2.1960346114481037\n"
                                "8\t\t2.196803257964375\n"
                                "9\t\t2.1970641392510046\n"
                                "10\t\t2.1971526623905615\n"}));

// The context menu a key opens on a chart: its items, disabled ones in brackets.
QStringList menuOpenedBy(QWidget *chart, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QStringList items;
    QTimer::singleShot(0, [&] {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            for (QAction *a : popup->actions())
                items << (a->isEnabled() ? a->text() : QStringLiteral("(%1)").arg(a->text()));
            popup->close();
        }
    });
    chart->setFocus();
    QTest::keyClick(chart, key, modifiers);
    return items;
}

TEST_F(SolveTest, ChartMenuOpensFromTheKeyboardWithItsItemsDisabledWhileBlank)
{
    const QStringList blank{"(Copy picture)", "(Save picture as…)", "(Copy results)", "(Open large)"};
    EXPECT_EQ(menuOpenedBy(geo, Qt::Key_F10, Qt::ShiftModifier), blank);
    EXPECT_EQ(menuOpenedBy(geo, Qt::Key_Menu), blank);
    QTest::mouseDClick(geo, Qt::LeftButton); // a bare chart: a picture, but no results yet
    EXPECT_EQ(menuOpenedBy(geo, Qt::Key_Menu), (QStringList{"Copy picture", "Save picture as…", "(Copy results)", "Open large"}));
    solveForArea(QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("2"));
    EXPECT_EQ(menuOpenedBy(geo, Qt::Key_F10, Qt::ShiftModifier),
              (QStringList{"Copy picture", "Save picture as…", "Copy results", "Open large"}));
    // A refused solve leaves the bare chart, and no results to copy.
    type("Text_Msub", QStringLiteral("0"));
    solve();
    EXPECT_EQ(menuOpenedBy(geo, Qt::Key_Menu), (QStringList{"Copy picture", "Save picture as…", "(Copy results)", "Open large"}));
}

} // namespace
