#pragma once

#include "flow/arithmetic.h"
#include "form_runtime/texts.h"

#include <QString>

// Every text the main window shows, spelled as the user sees it.
namespace solver_window::texts {

inline const QString kWindowCaption = QStringLiteral("  Ventrolex");
// The caption for a gas other than air.
inline QString windowCaption(const QString &k)
{
    return kWindowCaption + QStringLiteral(" (k = %1)").arg(k);
}
// The form's menu bar items, with their mnemonics (Alt and the underlined letter).
inline const QString kAbout = QStringLiteral("&About");
inline const QString kOutputOptions = QStringLiteral("Output options");
inline const QString kA1 = QStringLiteral("A1 =");
inline const QString kM1 = QStringLiteral("M1 =");
inline const QString kAstar = QStringLiteral("A* =");
inline const QString kOptionA2 = QStringLiteral("A2");
inline const QString kOptionM = QStringLiteral("M");
inline const QString kInitialValue = QStringLiteral("1");

// The gas menu: one item per gas, and one that asks for any k.
inline const QString kGas = QStringLiteral("&Gas");
struct GasItem {
    QString item, k; // the menu item, and k as the window shows it
    double value;
    double molarMass; // g/mol, for R; 0 for a mixture of no fixed make-up
};
inline const GasItem kGases[] = {
    {QStringLiteral("Air, k = 1.4"), QStringLiteral("1.4"), 1.4, 28.9647},
    {QStringLiteral("Helium, k = 5/3"), QStringLiteral("5/3"), 5.0 / 3, 4.002602},
    {QStringLiteral("Argon, k = 5/3"), QStringLiteral("5/3"), 5.0 / 3, 39.948},
    {QStringLiteral("Superheated steam, k = 1.3"), QStringLiteral("1.3"), 1.3, 18.01528},
    {QStringLiteral("Carbon dioxide, k = 1.289"), QStringLiteral("1.289"), 1.289, 44.0095},
    {QStringLiteral("Combustion gases, k = 1.2"), QStringLiteral("1.2"), 1.2, 0},
};
inline const QString kOtherK = QStringLiteral("Other k\u2026");
inline QString otherKItem(const QString &k)
{
    return QStringLiteral("Other k = %1\u2026").arg(k);
}
inline QString otherGas(const QString &k)
{
    return QStringLiteral("Other gas, k = %1").arg(k);
}
inline const QString kOtherKTitle = QStringLiteral("Other gas");
inline const QString kOtherKPrompt = QStringLiteral("Ratio of specific heats k, above 1 and at most 5/3:");
inline const QString kNoSuchGas = QStringLiteral(
    "k must be above 1 and at most 5/3: at k = 1 every exponent of the flow relations is infinite, "
    "and no ideal gas has k above 5/3, that of a monatomic gas such as helium or argon.");
// Ends a chart's description for a gas other than air.
inline QString gasOfTheChart(const QString &k)
{
    return QStringLiteral("; k = %1").arg(k);
}
inline const QString kGasQuantity = QStringLiteral("Gas");

// Command button prompts; "Choose an output option" is also the message when
// the button is clicked with no option selected.
inline const QString kChooseAnOutputOption = QStringLiteral("Choose an output option");
inline const QString kSetInputValues = QStringLiteral("SET input values then CLICK");

// A message as a sentence, to go before another: with its full stop.
inline QString sentence(const QString &message)
{
    const QString trimmed = message.trimmed();
    return trimmed.endsWith(QLatin1Char('.')) || trimmed.endsWith(QLatin1Char('!')) || trimmed.endsWith(QLatin1Char('?'))
               ? trimmed
               : trimmed + QLatin1Char('.');
}
inline const QString kNoSolution = QStringLiteral("Verilen A2/A1 oranı için çözüm yok! Oranı büyütün");

// Added to a fault's message when a box the solution read holds a comma.
inline const QString kCommaEndsTheNumber = QStringLiteral(
    " Numbers are read with \".\" as the decimal point, and a comma ends the number: 0,5 reads as 0.");

// The note of the warning sign on a box whose text was not read as the
// student may have meant it, or whose value has no physical meaning.
inline QString readEmpty()
{
    return QStringLiteral("Read as 0: the box is empty.");
}
inline QString readNotANumber(const QString &typed)
{
    return QStringLiteral("Read as 0: \u201c%1\u201d does not begin with a number.").arg(typed);
}
inline QString readUpToComma(const QString &value, const QString &withPoint, const QString &typed)
{
    return QStringLiteral("Read as %1: a comma ends a number here; type %2 for the decimal %3.")
        .arg(value, withPoint, typed);
}
inline QString readUpToText(const QString &value, const QString &rest)
{
    return QStringLiteral("Read as %1: \u201c%2\u201d after it is not part of the number.").arg(value, rest);
}
inline const QString kNegativeMach =
    QStringLiteral("A negative Mach number has no physical meaning; it was computed as given.");
inline const QString kZeroMach = QStringLiteral("A Mach number of 0 has no physical meaning: it must be above 0.");
inline const QString kNegativeArea =
    QStringLiteral("A negative area has no physical meaning; it was computed as given.");
inline const QString kZeroArea = QStringLiteral("An area of 0 has no physical meaning: it must be above 0.");
// Station 2 narrower than the throat, where the throat has an area above 0.
inline QString narrowerThanTheThroat(const QString &As)
{
    return QStringLiteral("No station is narrower than the throat: A2 must be at least A* = %1.").arg(As);
}
// The note of the warning sign on a result box whose iterate, as shown, is
// not the root of A2/A* as shown; and its short form.
inline QString iterateStoppedEarly(const QString &iterate, const QString &A2_As, const QString &root,
                                   const QString &rootInFull)
{
    return QStringLiteral("The iteration stopped at %1, once a step fell under 0.0001; the root of A2/A* = %2 is "
                          "%3 (%4).")
        .arg(iterate, A2_As, root, rootInFull);
}
inline QString iterateDidNotSettle(const QString &iterate, const QString &A2_As, const QString &root,
                                   const QString &rootInFull)
{
    return QStringLiteral("The iteration did not settle in 50 steps and stopped at its 50th iterate, %1; the root of "
                          "A2/A* = %2 is %3 (%4).")
        .arg(iterate, A2_As, root, rootInFull);
}
inline QString rootIs(const QString &box, const QString &root)
{
    return QStringLiteral("%1: the root is %2").arg(box, root);
}

// The same, short, at the end of the announcement and in Copy results.
inline QString readAs(const QString &box, const QString &value)
{
    return QStringLiteral("%1 read as %2.").arg(box, value);
}
inline QString isNegative(const QString &box)
{
    return QStringLiteral("%1 is negative.").arg(box);
}
inline QString isZero(const QString &box)
{
    return QStringLiteral("%1 is 0.").arg(box);
}
inline QString noteOn(const QString &box)
{
    return QStringLiteral("Note on %1").arg(box);
}

// What a screen reader hears of the groups and boxes: a name, and whether the
// box takes an input or shows a result.
inline const QString kStation1 = QStringLiteral("Station 1");
inline const QString kThroat = QStringLiteral("Throat");
struct SpokenRole {
    QString name, description;
};
inline const SpokenRole kInputM1{QStringLiteral("M1"), QStringLiteral("Input: type the Mach number at station 1")};
inline const SpokenRole kInputA1{QStringLiteral("A1"), QStringLiteral("Input: type the area at station 1")};
inline const SpokenRole kResultAstar{QStringLiteral("A*"), QStringLiteral("Result: the throat area")};
inline const SpokenRole kInputM2{QStringLiteral("M2"), QStringLiteral("Input: type the Mach number at station 2")};
inline const SpokenRole kResultA2{QStringLiteral("A2"), QStringLiteral("Result: the area at station 2")};
inline const SpokenRole kInputA2{QStringLiteral("A2"), QStringLiteral("Input: type the area at station 2")};
inline const SpokenRole kResultMsub{QStringLiteral("M2, subsonic"),
                                    QStringLiteral("Result: the subsonic Mach number at station 2")};
inline const SpokenRole kResultMsup{QStringLiteral("M2, supersonic"),
                                    QStringLiteral("Result: the supersonic Mach number at station 2")};
inline const QString kNozzleChart = QStringLiteral("Nozzle geometry chart");
inline const QString kIterationChart = QStringLiteral("Iteration chart");

// Said to a screen-reader user when a solution is complete.
inline QString areaFound(const QString &As, const QString &A2)
{
    return QStringLiteral("A* = %1; A2 = %2").arg(As, A2);
}
inline QString machNumbersFound(const QString &As, const QString &subsonic, const QString &supersonic)
{
    return QStringLiteral("A* = %1; M2 = %2 subsonic, %3 supersonic").arg(As, subsonic, supersonic);
}

// What a screen reader hears of the marks on the charts, after the chart's own description.
inline QString stationMarks(const QString &M1, const QString &M2)
{
    return QStringLiteral("; station 1 (blue) at M %1; station 2 (red) at M %2").arg(M1, M2);
}
inline const QString kStationOne = QStringLiteral("station 1");
inline const QString kStationTwo = QStringLiteral("station 2");
inline QString stationValue(int station, const QString &M)
{
    return QStringLiteral("M%1 = %2").arg(station).arg(M);
}
inline QString twoMachNumbers(const QString &subsonic, const QString &supersonic)
{
    return QStringLiteral("%1 and %2").arg(subsonic, supersonic);
}
inline QString solutionCircles(const QString &machNumbers)
{
    return QStringLiteral("; solutions circled at M %1").arg(machNumbers);
}

// The charts' context menus.
inline const QString kShowTheIterates = QStringLiteral("Show the iterates");
inline const QString kCopyResults = QStringLiteral("Copy results");
inline const QString kCopyTheIterates = QStringLiteral("Copy the iterates");
inline const QString kNozzleChartFile = QStringLiteral("nozzle-chart");
inline const QString kIterationChartFile = QStringLiteral("iteration-chart");
inline const QString kResultsHeader = QStringLiteral("Quantity\tShown\tValue\n");
inline const QString kIteratesHeader = QStringLiteral("Step\tSubsonic M\tSupersonic M\n");
inline QString iterationSteps(qsizetype subsonic, qsizetype supersonic)
{
    return QStringLiteral("; subsonic: %1 steps; supersonic: %2 steps").arg(subsonic).arg(supersonic);
}

// A solution that the arithmetic cannot carry out ends with one of these.
inline QString faultMessage(flow::ArithmeticError::Kind kind)
{
    switch (kind) {
    case flow::ArithmeticError::Kind::DivisionByZero:
        return QStringLiteral("Division by zero. M1, A1 and the station-2 value must not be 0.");
    case flow::ArithmeticError::Kind::Overflow:
        return QStringLiteral("Overflow. A value is out of range or undefined (such as 0/0). "
                              "Check that M1, A1 and the station-2 value are not 0 and not too large.");
    case flow::ArithmeticError::Kind::InvalidArgument:
        break;
    }
    return QStringLiteral("Invalid argument. The flow has no real solution for these values. "
                          "Check that M1, A1 and the station-2 value are not negative.");
}

// The second paragraph of a message box: what in the student's input caused
// it, with their numbers, and what to do.
using form_runtime::texts::kRangeOfNumbers;
inline QString causeEmpty(const QString &box)
{
    return QStringLiteral("%1 is empty, so it was read as 0.").arg(box);
}
inline QString causeNotANumber(const QString &box, const QString &typed)
{
    return QStringLiteral("%1 = \u201c%2\u201d is no number, so it was read as 0.").arg(box, typed);
}
inline QString causeComma(const QString &box, const QString &typed, const QString &value, const QString &withPoint)
{
    return QStringLiteral("%1 = \u201c%2\u201d was read up to its comma, as %3; the decimal is typed %4.")
        .arg(box, typed, value, withPoint);
}
inline QString causeReadInPart(const QString &box, const QString &typed, const QString &value, const QString &rest)
{
    return QStringLiteral("%1 = \u201c%2\u201d was read only in part, as %3: \u201c%4\u201d is not part of a number.")
        .arg(box, typed, value, rest);
}
inline QString causeOutOfRange(const QString &box, const QString &typed)
{
    return QStringLiteral("%1 = \u201c%2\u201d is beyond the range of numbers (%3).").arg(box, typed, kRangeOfNumbers);
}
inline QString causeNegative(const QString &box, const QString &value, bool mach)
{
    return QStringLiteral("%1 = %2 is negative: %3 below 0 has no physical meaning.")
        .arg(box, value, mach ? QStringLiteral("a Mach number") : QStringLiteral("an area"));
}
inline QString causeZero(const QString &box, bool mach)
{
    return QStringLiteral("%1 = 0 has no physical meaning: %2 must be above 0.")
        .arg(box, mach ? QStringLiteral("a Mach number") : QStringLiteral("an area"));
}
// What to do about the boxes named: "M1" or "M1 and A1".
inline QString giveNumbers(const QString &boxes, bool one)
{
    return one ? QStringLiteral("Give %1 a number above 0, with \u201c.\u201d as the decimal point.").arg(boxes)
               : QStringLiteral("Give %1 numbers above 0, with \u201c.\u201d as the decimal point.").arg(boxes);
}

// Where a solve stopped, and why.
enum class Step {
    Reading,
    StationOneRatio,
    Throat,
    RatioBetween,
    AreaTwo,
    StationTwoRatio,
    Existence,
    Subsonic,
    Supersonic,
    Chart,
};
inline QString stepName(Step step)
{
    switch (step) {
    case Step::Reading: return QStringLiteral("reading the boxes");
    case Step::StationOneRatio: return QStringLiteral("A1/A*, the area ratio of station 1 (it divides by M1)");
    case Step::Throat: return QStringLiteral("the throat area A* = A1 / (A1/A*)");
    case Step::RatioBetween: return QStringLiteral("A2/A1, the area ratio from M1 to M2 (it divides by M2)");
    case Step::AreaTwo: return QStringLiteral("the area A2 = (A2/A1) \u00b7 A1");
    case Step::StationTwoRatio: return QStringLiteral("A2/A*, the area ratio of station 2");
    case Step::Existence: return QStringLiteral("A2/A1 = A2 / A1 (it divides by A1)");
    case Step::Subsonic: return QStringLiteral("the subsonic iteration of M2");
    case Step::Supersonic: return QStringLiteral("the supersonic iteration of M2");
    case Step::Chart: return QStringLiteral("the iteration chart of A2/A*");
    }
    return {};
}
inline QString stoppedAt(Step step, flow::ArithmeticError::Kind kind, const QString &inputs)
{
    QString why;
    switch (kind) {
    case flow::ArithmeticError::Kind::DivisionByZero: why = QStringLiteral("it divided by zero"); break;
    case flow::ArithmeticError::Kind::Overflow:
        why = QStringLiteral("a value left the range of numbers (%1) or was undefined, as 0/0 is").arg(kRangeOfNumbers);
        break;
    case flow::ArithmeticError::Kind::InvalidArgument:
        why = QStringLiteral("it met a root or a fractional power of a negative number");
        break;
    }
    return QStringLiteral("The solve stopped at %1: %2, from %3.").arg(stepName(step), why, inputs);
}
inline QString inputValue(const QString &box, const QString &value)
{
    return QStringLiteral("%1 = %2").arg(box, value);
}
inline const QString kLargeInputs =
    QStringLiteral("Give values the flow relations can carry: a Mach number and areas above 0, none of them enormous "
                   "or tiny.");

// Station 2 narrower than the throat.
inline QString narrowerCause(const QString &A2, const QString &As, const QString &A2_A1, const QString &As_A1,
                             const QString &least)
{
    return QStringLiteral("A2 = %1 is narrower than the throat A* = %2 (A2/A1 = %3 is below A*/A1 = %4). "
                          "No station of this nozzle has that area: give A2 \u2265 %5.")
        .arg(A2, As, A2_A1, As_A1, least);
}
inline const QString kNoThroat = QStringLiteral(
    "So the nozzle has no throat area above 0 to compare A2 with: give M1 and A1 numbers above 0, then solve again.");

// The iteration that does not settle.
inline QString notSettled(bool subsonic, const QString &iterate, const QString &A2_As, const QString &root)
{
    const QString branch = subsonic ? QStringLiteral("subsonic") : QStringLiteral("supersonic");
    return QStringLiteral("The %1 iteration from M = 1 made its 50 steps without a step falling under 0.0001, so the "
                          "value shown is its 50th iterate, %2. For A2/A* = %3, just above 1, the steps shrink too "
                          "slowly for that test. The %1 root is %4.")
        .arg(branch, iterate, A2_As, root);
}

} // namespace solver_window::texts
