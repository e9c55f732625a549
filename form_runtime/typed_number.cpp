#include "form_runtime/typed_number.h"

#include "flow/arithmetic.h"
#include "form_runtime/text_box.h"
#include "form_runtime/texts.h"

namespace form_runtime {

BoxReading readBox(const QString &typed)
{
    BoxReading r;
    r.trimmed = typed.trimmed();
    try {
        r.reading = readNumber(typed.toStdString());
    } catch (const flow::ArithmeticError &) {
        r.outOfRange = true;
        return r;
    }
    if (r.reading.number && !r.reading.rest.empty() && r.reading.rest[0] == ',') {
        // A decimal comma: the same text with a point in its place would read whole.
        QString withPoint = r.trimmed;
        withPoint[withPoint.indexOf(QLatin1Char(','))] = QLatin1Char('.');
        try {
            if (readNumber(withPoint.toStdString()).rest.empty())
                r.withPoint = withPoint;
        } catch (const flow::ArithmeticError &) {
        }
    }
    return r;
}

TypedNumber readTyped(const QString &name, const QString &typed)
{
    const BoxReading r = readBox(typed);
    const QString shown = texts::quoted(r.trimmed);
    if (r.outOfRange)
        return {std::nullopt, texts::typedOutOfRange(name, shown)};
    if (!r.reading.number)
        return {std::nullopt, r.trimmed.isEmpty() ? texts::typedEmpty(name) : texts::typedNotANumber(name, shown)};
    if (!r.withPoint.isEmpty())
        return {std::nullopt, texts::typedComma(name, shown, texts::quoted(r.withPoint))};
    if (!r.reading.rest.empty())
        return {std::nullopt, texts::typedInPart(name, shown, texts::quoted(QString::fromStdString(r.reading.rest)))};
    return {r.reading.value, {}};
}

} // namespace form_runtime
