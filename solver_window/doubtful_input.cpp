// Input that the solution read, but perhaps not as the student meant it: a
// comma taken for the decimal point, text after the number, a box with no
// number, a Mach number or an area at or below 0. The results stay as the
// reading gives them; the box that was typed into says so with a warning
// sign, and a solution refused leaves no result of the one before it.

#include "solver_window/form_ventrolex.h"

#include "nozzle_case/station_rows.h"

#include "flow/arithmetic.h"
#include "flow/isentropic.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/number_text.h"
#include "form_runtime/option_button.h"
#include "form_runtime/text_box.h"
#include "form_runtime/texts.h"
#include "form_runtime/typed_number.h"
#include "solver_window/texts.h"

#include <QStringList>

#include <cmath>

namespace texts = solver_window::texts;
using form_runtime::texts::quoted;

namespace {

// What a box's text was read as, where that may not be what was meant: the
// sign's note and the short form for the announcement; both empty otherwise.
Form_Ventrolex::Doubt doubtAbout(const QString &typed, const QString &name, bool mach)
{
    const form_runtime::BoxReading r = form_runtime::readBox(typed);
    if (r.outOfRange)
        return {}; // the fault's own message says the number is out of range
    const form_runtime::NumberReading &reading = r.reading;
    const QString value = form_runtime::unroundedText(reading.value);
    QStringList notes, briefs;
    if (!reading.number) {
        notes << (r.trimmed.isEmpty() ? texts::readEmpty() : texts::readNotANumber(quoted(r.trimmed)));
    } else if (!reading.rest.empty()) {
        notes << (!r.withPoint.isEmpty() ? texts::readUpToComma(value, quoted(r.withPoint), quoted(r.trimmed))
                                         : texts::readUpToText(value, quoted(QString::fromStdString(reading.rest))));
    }
    if (!notes.isEmpty())
        briefs << texts::readAs(name, value);
    // A box with no number already says why it holds 0.
    if (reading.number && reading.value < 0) {
        notes << (mach ? texts::kNegativeMach : texts::kNegativeArea);
        briefs << texts::isNegative(name);
    } else if (reading.number && reading.value == 0) {
        notes << (mach ? texts::kZeroMach : texts::kZeroArea);
        briefs << texts::isZero(name);
    }
    return {notes.join(QLatin1Char(' ')), briefs.join(QLatin1Char(' '))};
}

// The same for a message box's second paragraph: one sentence with the text as typed.
QString causeIn(const QString &typed, const QString &name, bool mach)
{
    const form_runtime::BoxReading r = form_runtime::readBox(typed);
    const form_runtime::NumberReading &reading = r.reading;
    const QString value = form_runtime::unroundedText(reading.value);
    if (r.outOfRange)
        return texts::causeOutOfRange(name, quoted(r.trimmed));
    if (!reading.number)
        return r.trimmed.isEmpty() ? texts::causeEmpty(name) : texts::causeNotANumber(name, quoted(r.trimmed));
    if (!reading.rest.empty())
        return !r.withPoint.isEmpty()
                   ? texts::causeComma(name, quoted(r.trimmed), value, quoted(r.withPoint))
                   : texts::causeReadInPart(name, quoted(r.trimmed), value, quoted(QString::fromStdString(reading.rest)));
    if (reading.value < 0)
        return texts::causeNegative(name, value, mach);
    if (reading.value == 0)
        return texts::causeZero(name, mach);
    return {};
}

} // namespace

std::vector<std::pair<form_runtime::TextBox *, Form_Ventrolex::Doubt>> Form_Ventrolex::doubtsAboutInput() const
{
    std::vector<std::pair<form_runtime::TextBox *, Doubt>> doubts;
    for (form_runtime::TextBox *box : boxesRead) {
        const bool mach = box == Text_M1 || box == Text_Msub;
        Doubt doubt = doubtAbout(box->text(), box->accessibleName(), mach);
        if (!doubt.note.isEmpty())
            doubts.emplace_back(box, std::move(doubt));
    }
    return doubts;
}

void Form_Ventrolex::flagDoubtfulInput()
{
    // A throat of no area above 0 makes no least area for A2: the boxes that
    // gave it say why.
    const bool leastArea = narrowerThan && *narrowerThan > 0 && std::isfinite(*narrowerThan);
    for (auto &[box, doubt] : doubtsAboutInput()) {
        if (box == Text_A2 && leastArea)
            doubt.note += QLatin1Char(' ') + texts::narrowerThanTheThroat(form_runtime::unroundedText(*narrowerThan));
        box->flag(doubt.note);
    }
    if (leastArea && Text_A2->note().isEmpty())
        Text_A2->flag(texts::narrowerThanTheThroat(form_runtime::unroundedText(*narrowerThan)));
}

QStringList Form_Ventrolex::inputCauses(QStringList *boxes) const
{
    QStringList causes;
    for (const form_runtime::TextBox *box : boxesRead) {
        const QString cause = causeIn(box->text(), box->accessibleName(), box == Text_M1 || box == Text_Msub);
        if (cause.isEmpty())
            continue;
        causes << cause;
        if (boxes)
            *boxes << box->accessibleName();
    }
    return causes;
}

// What stopped a solve that the arithmetic could not carry out, with the
// student's numbers, and what to do.
QString Form_Ventrolex::faultCause(flow::ArithmeticError::Kind kind) const
{
    QStringList doubtful;
    QStringList sentences = inputCauses(&doubtful);
    if (step != texts::Step::Reading) {
        QStringList inputs;
        for (const form_runtime::TextBox *box : boxesRead)
            inputs << texts::inputValue(box->accessibleName(), form_runtime::unroundedText(form_runtime::valueOf(box)));
        sentences << texts::stoppedAt(step, kind, inputs.join(QStringLiteral(", ")));
    }
    if (doubtful.isEmpty())
        sentences << texts::kLargeInputs;
    else
        sentences << texts::giveNumbers(doubtful.join(QStringLiteral(" and ")), doubtful.size() == 1);
    return sentences.join(QLatin1Char(' '));
}

// Why station 2 is narrower than the throat, and the least area that has a station.
QString Form_Ventrolex::narrowerCause(double A2, double As, double A2_A1, double A1_As) const
{
    QStringList sentences = inputCauses();
    const double As_A1 = 1 / A1_As;
    if (!(As > 0) || !std::isfinite(As) || !(As_A1 > 0) || !std::isfinite(As_A1)) {
        sentences << texts::kNoThroat;
        return sentences.join(QLatin1Char(' '));
    }
    const double least = std::ceil(As * 1e4) / 1e4;
    sentences << texts::narrowerCause(form_runtime::unroundedText(A2), form_runtime::shownText(As),
                                      QString::number(A2_A1, 'g', 6), QString::number(As_A1, 'g', 6),
                                      std::isfinite(least) && As < 1e15 ? QString::number(least, 'f', 4)
                                                                        : form_runtime::unroundedText(As));
    return sentences.join(QLatin1Char(' '));
}

// A result box whose iterate, rounded as shown, is not the root of A2/A*
// rounded the same way gets the warning sign, with both numbers.
void Form_Ventrolex::flagIterate(form_runtime::TextBox *box, Solution &solution, double iterate, flow::Branch branch,
                                 bool settled, QStringList &roots)
{
    // A ratio below 1, let through by a negative M1, has no root.
    const std::optional<nozzle_case::BranchRoot> root = nozzle_case::branchRoot(iterate, solution.A2_As, branch, gas());
    if (!root || root->shownByIterate)
        return;
    const QString ratio = QString::number(solution.A2_As, 'g', 6), inFull = QString::number(root->root, 'f', 6);
    const QString note = settled ? texts::iterateStoppedEarly(root->iterateShown, ratio, root->rootShown, inFull)
                                 : texts::iterateDidNotSettle(root->iterateShown, ratio, root->rootShown, inFull);
    box->flag(note);
    solution.notes.emplace_back(box->accessibleName(), note);
    roots << texts::rootIs(box->accessibleName(), root->rootShown);
}

void Form_Ventrolex::unflagInput()
{
    for (form_runtime::TextBox *box : {Text_M1, Text_A1, Text_A2, Text_Msub, Text_Msup})
        box->unflag();
}

// A solution that ends with a message leaves no result of the one before it
// beside inputs they were not computed from: the result boxes are emptied and
// hidden, as choosing the option leaves them, the nozzle chart loses its marks
// and the iteration chart its drawing.
void Form_Ventrolex::withdrawResults()
{
    if (Option_A2->isChecked()) {
        Text_A2->setText(QString());
        Text_A2->setVisible(false);
    } else {
        for (form_runtime::TextBox *result : {Text_Msub, Text_Msup}) {
            result->setText(QString());
            result->setVisible(false);
        }
    }
    Picture_iter->Cls();
    if (!Picture_geo->strokes().empty() && bareChartK != gas().k) // not when it is bare for this gas already
        bareNozzleChart();
    solutionShown = false;
}
