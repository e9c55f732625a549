#include "solve_fixture.h"

#include "form_runtime/chart_surface.h"
#include "form_runtime/colour.h"
#include "form_runtime/text_box.h"
#include "stations_window/form_stations.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <charconv>

namespace {

using form_runtime::ChartSurface;
using Shape = ChartSurface::Stroke::Shape;
using testing_gui::hasColourNear;
using testing_gui::rendered;

const QString kChoose = QStringLiteral("Choose an output option");
const QString kSetInputs = QStringLiteral("SET input values then CLICK");
const QString kNoSolution = QStringLiteral("Verilen A2/A1 oranı için çözüm yok! Oranı büyütün");
const QString kNotConverged = QStringLiteral("iterasyon 50 adımda yakınsamadı");
const QString kDivisionByZero = QStringLiteral("Division by zero. M1, A1 and the station-2 value must not be 0.");

using testing_gui::SolveTest;

void expectVerticalMark(const ChartSurface::Stroke &s, float M, float halfHeight, int colour)
{
    EXPECT_EQ(s.shape, Shape::Line);
    EXPECT_EQ(s.x1, M);
    EXPECT_EQ(s.x2, M);
    EXPECT_EQ(s.y1, halfHeight);
    EXPECT_EQ(s.y2, -halfHeight);
    EXPECT_EQ(s.colour, colour);
}

TEST_F(SolveTest, FindsTheAreaAtAGivenMachNumber)
{
    solveForArea("0.5", "1", "2");
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(text("Text_Astar"), QStringLiteral("0.7464"));
    EXPECT_EQ(text("Text_A2"), QStringLiteral("1.2595"));
    EXPECT_EQ(text("Text_Msub"), QStringLiteral("2"));
    EXPECT_TRUE(visible("Text_A2"));
    EXPECT_TRUE(visible("Text_Msub"));
    EXPECT_FALSE(visible("Text_Msup"));
    EXPECT_FALSE(visible("Picture_iter"));
    EXPECT_EQ(caption(), kChoose);
    EXPECT_TRUE(form.findChild<QRadioButton *>(QStringLiteral("Option_A2"))->isChecked());

    const auto marks = lastStrokes(geo, 2);
    expectVerticalMark(marks[0], 0.5f, 0.669921875f, form_runtime::kBlue);
    expectVerticalMark(marks[1], 2.0f, 0.84375f, form_runtime::kRed);
    EXPECT_TRUE(blueAt(0.5, 0.3));
    EXPECT_TRUE(redAt(2, -0.3));
    EXPECT_FALSE(redAt(3, -0.3));
}

TEST_F(SolveTest, SameMachNumberGivesTheSameArea)
{
    solveForArea("0.5", "2.34567", "0.5");
    EXPECT_EQ(text("Text_A2"), QStringLiteral("2.3457"));
    const auto marks = lastStrokes(geo, 2);
    EXPECT_EQ(marks[0].y1, marks[1].y1); // the red line lies over the blue one
    EXPECT_TRUE(redAt(0.5, 0.3));
}

TEST_F(SolveTest, FindsBothMachNumbersAtAGivenArea)
{
    solveForMach("0.5", "1", "1");
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(text("Text_Astar"), QStringLiteral("0.7464"));
    EXPECT_EQ(text("Text_Msub"), QStringLiteral("0.5"));
    EXPECT_EQ(text("Text_Msup"), QStringLiteral("1.7023"));
    EXPECT_EQ(text("Text_A2"), QStringLiteral("1"));
    for (const char *name : {"Text_A2", "Text_Msub", "Text_Msup", "Picture_iter"})
        EXPECT_TRUE(visible(name)) << name;
    EXPECT_EQ(caption(), kChoose);

    const auto circles = lastStrokes(iter, 2);
    for (const auto &c : circles) {
        EXPECT_EQ(c.shape, Shape::Circle);
        EXPECT_EQ(c.y1, -c.x1); // on the diagonal
        EXPECT_EQ(c.x2, 0.05f);
        EXPECT_EQ(c.colour, form_runtime::kRed);
    }
    EXPECT_NEAR(circles[0].x1, 0.5, 1e-4);
    EXPECT_NEAR(circles[1].x1, 1.7023, 1e-4);
    EXPECT_EQ(iter->strokes().size(), 2u + 3u * 199u + 2u);

    const auto marks = lastStrokes(geo, 3);
    expectVerticalMark(marks[0], 0.5f, 0.669921875f, form_runtime::kBlue);
    EXPECT_EQ(marks[1].colour, form_runtime::kRed);
    EXPECT_EQ(marks[1].y1, 0.669921875f);
    EXPECT_NEAR(marks[1].x1, 0.5, 1e-4);
    EXPECT_NEAR(marks[2].x1, 1.7023, 1e-4);
    EXPECT_TRUE(redAt(0.5, 0.3)); // station 2 covers station 1
    EXPECT_TRUE(redAt(1.7023, 0.3));
    EXPECT_FALSE(blueAt(0.5, 0.3));
    // The marks stand at the iterate the box shows; what the charts say names
    // the root, M = 1.70237... for A/A* = 1.33984 (the box keeps 1.7023).
    EXPECT_EQ(geo->description(),
              QStringLiteral("Horizontal: the Mach number, 0.05 to 4. Vertical: half the area ratio, \u00b1(A/A*)/2, 0 to 6 each way. Nozzle contour from M 0.05 to 4; station 1 (blue) at M 0.5; station 2 (red) at M 0.5 and 1.7024"));
    EXPECT_EQ(iter->description(),
              QStringLiteral("Horizontal: the Mach number, 0 to 4. Vertical: the next iterate, each form's value at M, 0 to 5. "
                             "Iteration functions for A2/A* 1.3398; solutions circled at M 0.5 and 1.7024"));
    for (const form_runtime::ChartSurface *chart : {geo, iter}) { // the labels a large view shows
        QStringList labels;
        for (const auto &label : chart->labels())
            labels << label.text;
        EXPECT_TRUE(labels.contains(QStringLiteral("M2 = 1.7024"))) << labels.join(u'|').toStdString();
        EXPECT_FALSE(labels.contains(QStringLiteral("M2 = 1.7023")));
    }

    // The same click again draws the same again.
    const auto before = geo->strokes().size();
    solve();
    EXPECT_EQ(geo->strokes().size(), before);
    EXPECT_EQ(text("Text_Msup"), QStringLiteral("1.7023"));
    EXPECT_TRUE(messages.shown().empty());
}

// M1 = 2, A1 = 1.6875 puts the throat at A* = 1, so A2 = 2 is the ratio 2 of the
// tabulated iteration chart: the red lines span +-1, the curves and circles lie
// where the ratio 2 puts them.
TEST_F(SolveTest, MarksAStationTwoOfAnotherArea)
{
    solveForMach("2", "1.6875", "2");
    EXPECT_EQ(text("Text_Astar"), QStringLiteral("1"));
    EXPECT_EQ(text("Text_Msub"), QStringLiteral("0.3059"));
    EXPECT_EQ(text("Text_Msup"), QStringLiteral("2.1972"));

    const auto marks = lastStrokes(geo, 3);
    expectVerticalMark(marks[0], 2.0f, 0.84375f, form_runtime::kBlue);
    expectVerticalMark(marks[1], float(0.3059083742283576), 1.0f, form_runtime::kRed);
    expectVerticalMark(marks[2], float(2.1971526623905615), 1.0f, form_runtime::kRed);

    // After the sonic line and the axis, each sample adds the diagonal, F_sup and F_sub.
    const auto &s = iter->strokes();
    ASSERT_EQ(s.size(), 2u + 3u * 199u + 2u);
    EXPECT_EQ(iter->frame().y1, -5.0f);
    EXPECT_NEAR(s[2 + 2].y1, -0.289421, 1e-6);            // F_sub at M = 0.02
    EXPECT_NEAR(s[2 + 3 * 14 + 1].y1, -0.246163, 1e-6);   // F_sup at M = 0.3
    EXPECT_NEAR(s[2 + 3 * 99 + 1].y1, -2.127065, 1e-6);   // F_sup at M = 2
    EXPECT_NEAR(s[2 + 3 * 99 + 2].y1, -1.6875, 1e-6);     // F_sub at M = 2
    EXPECT_NEAR(s[s.size() - 2].x1, 0.3059083742283576, 1e-6);
    EXPECT_NEAR(s[s.size() - 1].x1, 2.1971526623905615, 1e-6);
}

TEST_F(SolveTest, StationNarrowerThanTheThroatHasNoSolution)
{
    solveForMach("0.5", "1", "0.7");
    EXPECT_EQ(messages.texts(), QStringList{kNoSolution});
    EXPECT_EQ(text("Text_Astar"), QStringLiteral("0.7464"));
    EXPECT_FALSE(visible("Text_Msub"));
    EXPECT_FALSE(visible("Picture_iter"));
    EXPECT_EQ(caption(), kSetInputs);
    EXPECT_TRUE(geo->strokes().empty());
}

TEST_F(SolveTest, EmptyAreaReadsAsZeroAndHasNoSolution)
{
    type("Text_M1", "0.5");
    choose("Option_Msub");
    solve();
    EXPECT_EQ(messages.texts(), QStringList{kNoSolution});
}

TEST_F(SolveTest, RatioJustAboveOneReportsBothIterations)
{
    solveForMach("0.5", "1", "0.7471");
    EXPECT_EQ(messages.texts(), (QStringList{kNotConverged, kNotConverged}));
    EXPECT_EQ(text("Text_Msub"), QStringLiteral("0.9693"));
    EXPECT_EQ(text("Text_Msup"), QStringLiteral("1.0311"));
    EXPECT_EQ(caption(), kChoose);
    EXPECT_NEAR(lastStrokes(iter, 1)[0].x1, 1.0311, 1e-4);
}

TEST_F(SolveTest, AreaEqualToTheThroatGivesTheSonicPoint)
{
    // The shortest text that reads back as exactly A*/A1 for M1 = 0.5.
    const double throat = 1 / form.form().AAfM(0.5);
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, throat).ptr;
    solveForMach("0.5", "1", QString::fromLatin1(digits, int(end - digits)));
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(text("Text_Msub"), QStringLiteral("1"));
    EXPECT_EQ(text("Text_Msup"), QStringLiteral("1"));
}

TEST_F(SolveTest, RoundedThroatAreaStopsBothIterationsAtOnce)
{
    solveForMach("0.5", "1", "0.7464");
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(text("Text_Msub"), QStringLiteral("0.9999"));
    EXPECT_EQ(text("Text_Msup"), QStringLiteral("1.0001"));
}

TEST_F(SolveTest, AreaSolveHidesTheIterationChartAndItsDrawing)
{
    solveForMach("0.5", "1", "1");
    solveForArea("0.5", "1", "2");
    EXPECT_FALSE(visible("Picture_iter"));
    EXPECT_TRUE(iter->strokes().empty());
    // Switching options keeps A* and the geometry chart.
    const auto geometryStrokes = geo->strokes().size();
    choose("Option_Msub");
    EXPECT_EQ(text("Text_Astar"), QStringLiteral("0.7464"));
    EXPECT_EQ(text("Text_A2"), QString());
    EXPECT_FALSE(visible("Text_Msub"));
    EXPECT_EQ(geo->strokes().size(), geometryStrokes);
}

TEST_F(SolveTest, DoubleClickOnTheGeometryChartRemovesTheMarks)
{
    solveForArea("0.5", "1", "2");
    ASSERT_TRUE(redAt(2, -0.3));
    QTest::mouseDClick(geo, Qt::LeftButton);
    EXPECT_EQ(geo->strokes().size(), 9u + 7u + 2u * 395u);
    EXPECT_FALSE(redAt(2, -0.3));
    EXPECT_FALSE(blueAt(0.5, 0.3));
    EXPECT_EQ(geo->description(), QStringLiteral("Horizontal: the Mach number, 0.05 to 4. Vertical: half the area ratio, \u00b1(A/A*)/2, 0 to 6 each way. Nozzle contour from M 0.05 to 4"));
}

TEST_F(SolveTest, DoubleClickBeforeAnySolutionDrawsTheBareChart)
{
    EXPECT_TRUE(geo->strokes().empty());
    QTest::mouseDClick(geo, Qt::LeftButton);
    EXPECT_EQ(geo->strokes().size(), 9u + 7u + 2u * 395u);
    // The throat: the contour is narrowest at M = 1, half-height 0.5. It is
    // antialiased, so its pixels are dark rather than black.
    const QImage image = rendered(geo);
    EXPECT_TRUE(hasColourNear(image, geo->toPixel(1, 0.5), Qt::black, 1, 400));
    EXPECT_TRUE(hasColourNear(image, geo->toPixel(1, -0.5), Qt::black, 1, 400));
    EXPECT_FALSE(hasColourNear(image, geo->toPixel(1, 0.25), Qt::black, 1, 400));
}

struct FaultCase {
    const char *option;
    const char *M1, *A1, *station2;
    const char *message; // how the message begins
    const char *Astar;   // A* shown before the fault, or empty where it came before A* was found
};

void PrintTo(const FaultCase &c, std::ostream *os)
{
    *os << c.option << " M1=" << c.M1 << " A1=" << c.A1 << " station 2=" << c.station2;
}

class SolveFault : public SolveTest, public testing::WithParamInterface<FaultCase> {};

TEST_P(SolveFault, EndsTheSolutionWithOneClearMessage)
{
    const FaultCase &c = GetParam();
    if (QLatin1String(c.option) == QLatin1String("Option_A2"))
        solveForArea(c.M1, c.A1, c.station2);
    else
        solveForMach(c.M1, c.A1, c.station2);

    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.texts().front().startsWith(QLatin1String(c.message))) << messages.texts().front().toStdString();
    EXPECT_FALSE(messages.texts().front().contains(QLatin1String("comma")));
    EXPECT_EQ(text("Text_Astar"), QLatin1String(c.Astar));
    EXPECT_EQ(caption(), kSetInputs);
    EXPECT_TRUE(geo->strokes().empty());
    EXPECT_FALSE(visible("Text_Msup"));
    if (QLatin1String(c.option) == QLatin1String("Option_A2")) {
        EXPECT_FALSE(visible("Picture_iter"));
    }

    // The window goes on working.
    solveForArea("0.5", "1", "2");
    EXPECT_EQ(text("Text_A2"), QStringLiteral("1.2595"));
    EXPECT_EQ(caption(), kChoose);
    EXPECT_EQ(messages.shown().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, SolveFault,
    testing::Values(FaultCase{"Option_A2", "0", "1", "2", "Division by zero", ""},
                    FaultCase{"Option_Msub", "0", "1", "1", "Division by zero", ""},
                    FaultCase{"Option_Msub", "abc", "1", "1", "Division by zero", ""},
                    FaultCase{"Option_A2", "0.5", "0", "2", "Overflow", "0"},
                    FaultCase{"Option_Msub", "0.5", "0", "1", "Division by zero", "0"},
                    FaultCase{"Option_A2", "0.5", "1", "", "Division by zero", "0.7464"},
                    FaultCase{"Option_Msub", "-0.5", "1", "1", "Invalid argument", "-0.7464"},
                    FaultCase{"Option_A2", "0.5", "1", "1e200", "Overflow", "0.7464"},
                    FaultCase{"Option_Msub", "0.5", "1", "1e300", "Overflow", "0.7464"},
                    FaultCase{"Option_A2", "0.5", "1e999", "2", "Overflow", ""}));

// "0,5" reads as 0. A fault message says why when a box read before the fault
// holds a comma, and only then.
TEST_F(SolveTest, FaultMessageExplainsACommaInABoxItRead)
{
    struct Case {
        bool findArea;
        const char *M1, *station2;
        bool explained;
    };
    for (const Case &c : {Case{true, "0,5", "2", true}, Case{true, "0.5", "0,5", true},
                          Case{false, "0", "1,5", false}}) {
        const int before = int(messages.shown().size());
        if (c.findArea)
            solveForArea(c.M1, "1", c.station2);
        else
            solveForMach(c.M1, "1", c.station2);
        ASSERT_EQ(int(messages.shown().size()), before + 1) << c.M1 << " " << c.station2;
        const QString message = messages.texts().back();
        EXPECT_TRUE(message.startsWith(QLatin1String("Division by zero"))) << message.toStdString();
        EXPECT_EQ(message.endsWith(QStringLiteral(
                      "Numbers are read with \".\" as the decimal point, and a comma ends the number: 0,5 reads as 0.")),
                  c.explained)
            << message.toStdString();
    }
}

} // namespace

namespace {

// A box read otherwise than the student may have meant: the results are the
// reading's, and the box says what it was read as, until it is edited.
struct DoubtCase {
    const char *option, *M1, *A1, *station2;
    const char *flagged, *note;
    const char *Astar, *resultBox, *result;
    const char *spoken; // the announcement; empty for a refused solve
};

void PrintTo(const DoubtCase &c, std::ostream *os)
{
    *os << c.flagged << " " << c.note;
}

class DoubtfulInput : public SolveTest, public testing::WithParamInterface<DoubtCase> {};

// The warning sign a box shows, or null.
QAction *signIn(QLineEdit *box)
{
    auto *sign = box->findChild<QAction *>(QStringLiteral("Sign_Doubt"));
    return sign && sign->isVisible() ? sign : nullptr;
}

TEST_P(DoubtfulInput, IsFlaggedInItsBoxAndTheResultsAreTheReadingsOwn)
{
    const DoubtCase &c = GetParam();
    const QStringList spoken = announcedWhile([&] {
        if (QLatin1String(c.option) == QLatin1String("Option_A2"))
            solveForArea(c.M1, c.A1, c.station2);
        else
            solveForMach(c.M1, c.A1, c.station2);
    });
    EXPECT_EQ(text("Text_Astar"), QLatin1String(c.Astar));
    EXPECT_EQ(text(c.resultBox), QLatin1String(c.result));
    EXPECT_EQ(spoken, *c.spoken ? QStringList{QString::fromUtf8(c.spoken)} : QStringList{});
    EXPECT_LE(messages.shown().size(), 1u) << "no message of its own";

    QLineEdit *flagged = box(c.flagged);
    const QString note = QString::fromUtf8(c.note);
    QAction *sign = signIn(flagged);
    ASSERT_NE(sign, nullptr);
    EXPECT_EQ(sign->toolTip(), note);
    EXPECT_EQ(flagged->toolTip(), note);
    EXPECT_TRUE(flagged->accessibleDescription().endsWith(note)) << flagged->accessibleDescription().toStdString();
    for (const char *other : {"Text_M1", "Text_A1", "Text_A2", "Text_Msub"}) {
        if (QLatin1String(other) != QLatin1String(c.flagged)) {
            EXPECT_EQ(signIn(box(other)), nullptr) << other;
        }
    }

    QTest::keyClick(flagged, Qt::Key_End);
    QTest::keyClick(flagged, Qt::Key_Backspace);
    EXPECT_EQ(signIn(flagged), nullptr);
    EXPECT_EQ(flagged->toolTip(), QString());
    EXPECT_FALSE(flagged->accessibleDescription().contains(note));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, DoubtfulInput,
    testing::Values(
        DoubtCase{"Option_Msub", "0.3", "5,5", "8", "Text_A1",
                  "Read as 5: a comma ends a number here; type 5.5 for the decimal 5,5.", "2.4569", "Text_Msup",
                  "2.7239", "A* = 2.4569; M2 = 0.1813 subsonic, 2.7239 supersonic. A1 read as 5."},
        DoubtCase{"Option_A2", "0.5abc", "1", "2", "Text_M1",
                  "Read as 0.5: \u201cabc\u201d after it is not part of the number.", "0.7464", "Text_A2", "1.2595",
                  "A* = 0.7464; A2 = 1.2595. M1 read as 0.5."},
        DoubtCase{"Option_A2", "0.5", "1", "abc", "Text_Msub", "Read as 0: \u201cabc\u201d does not begin with a number.",
                  "0.7464", "Text_A2", "", ""},
        DoubtCase{"Option_A2", "-0.5", "1", "2", "Text_M1",
                  "A negative Mach number has no physical meaning; it was computed as given.", "-0.7464", "Text_A2",
                  "-1.2595", "A* = -0.7464; A2 = -1.2595. M1 is negative."},
        DoubtCase{"Option_Msub", "0.5", "0", "1", "Text_A1",
                  "An area of 0 has no physical meaning: it must be above 0.", "0", "Text_Msub", "", ""}));

// A refused solve leaves no result of the one before it beside the new inputs;
// the A* it found stands.
// A refused solve leaves nothing of the solve before it, A* included where
// it stopped before finding one; its sign and its message's second paragraph
// name the real cause with the student's numbers. The sound solve that
// follows each shows the worked figures with no sign left over.
TEST_F(SolveTest, RefusedSolveWithdrawsTheResultsBeforeItAndNamesItsCause)
{
    struct Refused {
        const char *M1, *A1, *A2, *message, *Astar;
        const char *flagged, *note; // the box with a sign, and its note
        const char *cause;          // in the message's second paragraph
    };
    for (const Refused &r : {
             Refused{"0.3", "5", "2", "Verilen A2/A1", "2.4569", "Text_A2",
                     "No station is narrower than the throat: A2 must be at least A* = 2.4569236635865157.",
                     "A2 = 2 is narrower than the throat A* = 2.4569 (A2/A1 = 0.4 is below A*/A1 = 0.491385). No "
                     "station of this nozzle has that area: give A2 \u2265 2.4570."},
             Refused{"0.3", "0", "8", "Division by zero", "0", "Text_A1",
                     "An area of 0 has no physical meaning: it must be above 0.", "A1 = 0 has no physical meaning"},
             Refused{"0,5", "5", "8", "Division by zero", "", "Text_M1",
                     "Read as 0: a comma ends a number here; type 0.5 for the decimal 0,5. A Mach number of 0 has no "
                     "physical meaning: it must be above 0.",
                     "M1 = \u201c0,5\u201d was read up to its comma, as 0"},
             Refused{"abc", "5", "8", "Division by zero", "", "Text_M1",
                     "Read as 0: \u201cabc\u201d does not begin with a number.",
                     "M1 = \u201cabc\u201d is no number, so it was read as 0."},
             Refused{"0.3", "1e400", "8", "Overflow", "", nullptr, nullptr,
                     "A1 = \u201c1e400\u201d is beyond the range of numbers"},
             Refused{"1", "-1", "2", "Verilen A2/A1", "-1", "Text_A1",
                     "A negative area has no physical meaning; it was computed as given.",
                     "A1 = -1 is negative: an area below 0 has no physical meaning. So the nozzle has no throat area "
                     "above 0 to compare A2 with"},
             Refused{"0.3", "5", "", "Verilen A2/A1", "2.4569", "Text_A2",
                     "Read as 0: the box is empty. No station is narrower than the throat: A2 must be at least A* = "
                     "2.4569236635865157.",
                     "A2 is empty, so it was read as 0. A2 = 0 is narrower than the throat A* = 2.4569"}}) {
        solveForMach("0.3", "5", "8");
        ASSERT_EQ(text("Text_Astar"), QStringLiteral("2.4569"));
        ASSERT_EQ(text("Text_Msub"), QStringLiteral("0.1813"));
        ASSERT_EQ(text("Text_Msup"), QStringLiteral("2.7239"));
        for (const char *b : {"Text_M1", "Text_A1", "Text_A2", "Text_Astar", "Text_Msub", "Text_Msup"})
            EXPECT_EQ(static_cast<form_runtime::TextBox *>(box(b))->note(), QString()) << b << " after " << r.M1;
        const auto before = messages.shown().size();
        type("Text_M1", QLatin1String(r.M1));
        type("Text_A1", QLatin1String(r.A1));
        type("Text_A2", QLatin1String(r.A2));
        solve();
        ASSERT_EQ(messages.shown().size(), before + 1);
        EXPECT_TRUE(messages.texts().back().startsWith(QString::fromUtf8(r.message)));
        EXPECT_TRUE(messages.shown().back().informative.contains(QString::fromUtf8(r.cause)))
            << messages.shown().back().informative.toStdString();
        EXPECT_EQ(text("Text_Astar"), QLatin1String(r.Astar));
        for (const char *result : {"Text_Msub", "Text_Msup"}) {
            EXPECT_EQ(text(result), QString()) << result;
            EXPECT_FALSE(visible(result)) << result;
        }
        EXPECT_EQ(geo->strokes().size(), 9u + 7u + 2u * 395u) << "the nozzle chart without its marks";
        EXPECT_TRUE(iter->strokes().empty());
        for (const char *b : {"Text_M1", "Text_A1", "Text_A2"}) {
            const bool flagged = r.flagged && QLatin1String(b) == QLatin1String(r.flagged);
            EXPECT_EQ(box(b)->toolTip(), flagged ? QString::fromUtf8(r.note) : QString()) << b << " for " << r.A1;
        }
    }
}

// Sound numbers in every form the boxes read get no sign; a completed solve
// takes away the signs of the refused one before it, also on a box not typed
// into since.
TEST_F(SolveTest, SoundInputLeavesNoSign)
{
    const auto signs = [&] {
        QStringList flagged;
        for (const char *b : {"Text_M1", "Text_A1", "Text_A2"})
            if (!static_cast<form_runtime::TextBox *>(box(b))->note().isEmpty())
                flagged << QLatin1String(b);
        return flagged;
    };
    for (const char *A1 : {"1.5e3", "15E+2", "1500.", " 1 500 ", "15D2"}) {
        solveForMach("0.3", A1, "4000");
        EXPECT_EQ(text("Text_Astar"), QStringLiteral("737.0771")) << A1; // 1500 / 2.0350652623456793
        EXPECT_EQ(signs(), QStringList{}) << A1;
    }
    solveForMach("0.3", "5", "2");
    ASSERT_EQ(signs(), QStringList{"Text_A2"});
    type("Text_A1", QStringLiteral("1")); // A* = 0.4914: A2 = 2 has its stations now
    solve();
    EXPECT_EQ(text("Text_Msub"), QStringLiteral("0.144")); // the root is 0.143958
    EXPECT_EQ(signs(), QStringList{});
}

// Where the iterate shown is not the root of A2/A* shown, the result box gets
// the sign, with both numbers; the message of an unsettled iteration gives the
// root. Roots by bisection of the area-Mach relation in 40-digit decimals.
TEST_F(SolveTest, IterateWhoseDigitsAreNotTheRootsIsSigned)
{
    struct Case {
        const char *M1, *A1, *A2, *Msub, *Msup, *subNote, *supNote;
        int messages;
    };
    for (const Case &c : {
             Case{"0.5", "1", "1", "0.5", "1.7023", "",
                  "The iteration stopped at 1.7023, once a step fell under 0.0001; the root of A2/A* = 1.33984 is 1.7024 "
                  "(1.702370).", 0},
             Case{"1", "10", "25", "0.2395", "2.4427", "",
                  "The iteration stopped at 2.4427, once a step fell under 0.0001; the root of A2/A* = 2.5 is 2.4428 "
                  "(2.442765).", 0},
             Case{"0.3", "5", "8", "0.1813", "2.7239", "", "", 0},
             Case{"0.5", "1", "0.7471", "0.9693", "1.0311",
                  "The iteration did not settle in 50 steps and stopped at its 50th iterate, 0.9693; the root of A2/A* "
                  "= 1.001 is 0.9657 (0.965746).",
                  "The iteration did not settle in 50 steps and stopped at its 50th iterate, 1.0311; the root of A2/A* "
                  "= 1.001 is 1.0349 (1.034919).", 2}}) {
        const auto before = messages.shown().size();
        solveForMach(c.M1, c.A1, c.A2);
        ASSERT_EQ(messages.shown().size(), before + c.messages);
        EXPECT_EQ(text("Text_Msub"), QLatin1String(c.Msub));
        EXPECT_EQ(text("Text_Msup"), QLatin1String(c.Msup));
        EXPECT_EQ(static_cast<form_runtime::TextBox *>(box("Text_Msub"))->note(), QLatin1String(c.subNote)) << c.A2;
        EXPECT_EQ(static_cast<form_runtime::TextBox *>(box("Text_Msup"))->note(), QLatin1String(c.supNote)) << c.A2;
    }
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].informative,
              QStringLiteral("The subsonic iteration from M = 1 made its 50 steps without a step falling under 0.0001, "
                             "so the value shown is its 50th iterate, 0.9693. For A2/A* = 1.001, just above 1, the "
                             "steps shrink too slowly for that test. The subsonic root is 0.9657."));
    EXPECT_TRUE(messages.shown()[1].informative.endsWith(QStringLiteral("The supersonic root is 1.0349.")));
}

} // namespace

namespace {

QAction *gasItem(QWidget &form, const QString &text)
{
    for (QAction *item : form.findChild<QMenu *>(QStringLiteral("Mn_Gas"))->actions())
        if (item->text() == text)
            return item;
    return nullptr;
}

// Another gas withdraws the results of the old one and keeps the inputs; one
// click solves with it; air again gives every figure as before, bit for bit.
TEST_F(SolveTest, ChosenGasIsTheWholeProgramsAndAirIsExactlyAsBefore)
{
    solveForArea("0.5", "1", "2");
    const auto airStrokes = geo->strokes();
    form.findChild<QAction *>(QStringLiteral("Mn_Stations"))->trigger();
    Form_Stations &stations = testing_gui::panelOf<Form_Stations>(form, "Mn_Stations");

    struct Gas {
        const char *item, *title, *Astar, *A2, *stationsGas;
    };
    for (const Gas &g : {Gas{"Superheated steam, k = 1.3", "  Ventrolex (k = 1.3)", "0.7419", "1.3156",
                             "Perfect gas: Superheated steam, k = 1.3."},
                         Gas{"Air, k = 1.4", "  Ventrolex", "0.7464", "1.2595", "Perfect gas: Air, k = 1.4."}}) {
        gasItem(form, QString::fromUtf8(g.item))->trigger();
        EXPECT_EQ(text("Text_Astar"), QString());
        EXPECT_EQ(text("Text_A2"), QString());
        EXPECT_EQ(caption(), kSetInputs);
        EXPECT_EQ(text("Text_Msub"), QStringLiteral("2")) << "the inputs stay";
        EXPECT_EQ(geo->strokes().size(), 9u + 7u + 2u * 395u);
        EXPECT_FALSE(stations.table().hasStations());

        solve();
        EXPECT_EQ(form.windowTitle(), QLatin1String(g.title));
        EXPECT_EQ(text("Text_Astar"), QLatin1String(g.Astar));
        EXPECT_EQ(text("Text_A2"), QLatin1String(g.A2));
        EXPECT_TRUE(stations.findChild<QLabel *>(QStringLiteral("Label_Gas"))->text().startsWith(QString::fromUtf8(g.stationsGas)));
        EXPECT_EQ(stations.table().index(1, 1).data().toString(), QLatin1String(g.Astar));
    }
    const auto same = [](const ChartSurface::Stroke &a, const ChartSurface::Stroke &b) {
        return a.shape == b.shape && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.colour == b.colour;
    };
    ASSERT_EQ(geo->strokes().size(), airStrokes.size());
    EXPECT_TRUE(std::equal(airStrokes.begin(), airStrokes.end(), geo->strokes().begin(), same));
    EXPECT_EQ(geo->description(), QStringLiteral("Horizontal: the Mach number, 0.05 to 4. Vertical: half the area ratio, \u00b1(A/A*)/2, 0 to 6 each way. Nozzle contour from M 0.05 to 4; station 1 (blue) at M 0.5; station 2 (red) at M 2"));
    EXPECT_TRUE(messages.shown().empty());
    stations.close();
}

} // namespace

namespace {

// "Other k…" takes any k above 1 and at most 5/3; anything else is answered
// with one message, and the gas stays as it was.
TEST_F(SolveTest, OtherKTakesAnIdealGasOnly)
{
    const auto typeK = [&](const char *k) {
        messages.type({QLatin1String(k)});
        gasItem(form, QStringLiteral("Other k\u2026"))->trigger();
        EXPECT_EQ(messages.otherModals(), 0);
    };
    typeK("1");
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].startsWith(QStringLiteral("k must be above 1 and at most 5/3")));
    EXPECT_TRUE(gasItem(form, QStringLiteral("Air, k = 1.4"))->isChecked());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("  Ventrolex"));

    // Text not read whole is named for what it is, not for the range of k.
    typeK("1,3");
    ASSERT_EQ(messages.texts().size(), 2);
    EXPECT_EQ(messages.texts()[1],
              QStringLiteral("k = \u201c1,3\u201d has a comma, which is no decimal point here: type 1.3."));
    EXPECT_TRUE(gasItem(form, QStringLiteral("Air, k = 1.4"))->isChecked());

    typeK("1.15");
    EXPECT_EQ(messages.texts().size(), 2);
    EXPECT_TRUE(gasItem(form, QStringLiteral("Other k = 1.15\u2026"))->isChecked());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("  Ventrolex (k = 1.15)"));
}

} // namespace
