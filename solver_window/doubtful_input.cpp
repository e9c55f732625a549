// Input that the solution read, but perhaps not as the student meant it: a
// comma taken for the decimal point, text after the number, a box with no
// number, a Mach number or an area at or below 0. The results stay as the
// reading gives them; the box that was typed into says so with a warning
// sign, and a solution refused leaves no result of the one before it.

#include "solver_window/form_ventrolex.h"

#include "flow/arithmetic.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/number_text.h"
#include "form_runtime/option_button.h"
#include "form_runtime/text_box.h"
#include "solver_window/texts.h"
#include "stations_window/texts.h"

#include <QStringList>

namespace texts = solver_window::texts;
using stations_window::texts::quoted;

namespace {

// What a box's text was read as, where that may not be what was meant: the
// sign's note and the short form for the announcement; both empty otherwise.
Form_Ventrolex::Doubt doubtAbout(const QString &typed, const QString &name, bool mach)
{
    form_runtime::NumberReading reading;
    try {
        reading = form_runtime::readNumber(typed.toStdString());
    } catch (const flow::ArithmeticError &) {
        return {}; // the fault's own message says the number is out of range
    }
    const QString value = form_runtime::unroundedText(reading.value);
    const QString trimmed = typed.trimmed();
    QStringList notes, briefs;
    if (!reading.number) {
        notes << (trimmed.isEmpty() ? texts::readEmpty() : texts::readNotANumber(quoted(trimmed)));
    } else if (!reading.rest.empty()) {
        // A decimal comma: the same text with a point in its place would read whole.
        QString withPoint = trimmed;
        const qsizetype comma = withPoint.indexOf(QLatin1Char(','));
        if (comma >= 0)
            withPoint[comma] = QLatin1Char('.');
        bool whole = false;
        try {
            whole = reading.rest[0] == ',' && form_runtime::readNumber(withPoint.toStdString()).rest.empty();
        } catch (const flow::ArithmeticError &) {
        }
        notes << (whole ? texts::readUpToComma(value, quoted(withPoint), quoted(trimmed))
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
    for (auto &[box, doubt] : doubtsAboutInput()) {
        if (box == Text_A2 && narrowerThan)
            doubt.note += QLatin1Char(' ') + texts::narrowerThanTheThroat(form_runtime::unroundedText(*narrowerThan));
        box->flag(doubt.note);
    }
    if (narrowerThan && Text_A2->note().isEmpty())
        Text_A2->flag(texts::narrowerThanTheThroat(form_runtime::unroundedText(*narrowerThan)));
}

void Form_Ventrolex::unflagInput()
{
    for (form_runtime::TextBox *box : {Text_M1, Text_A1, Text_A2, Text_Msub})
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
    if (!Picture_geo->strokes().empty() && bareChartK != gas.k) // not when it is bare for this gas already
        bareNozzleChart();
    solutionShown = false;
}
