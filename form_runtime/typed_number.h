#pragma once

#include "form_runtime/number_text.h"

#include <QString>

#include <optional>

namespace form_runtime {

// How a box's text was read by the one number reader (readNumber): the
// reading, whether it left the double range, and, for a decimal comma, the
// same text with a point in its place.
struct BoxReading {
    NumberReading reading;
    bool outOfRange = false;
    QString trimmed;   // the text without the blanks around it
    QString withPoint; // empty unless the comma was meant as a decimal point
    // Whether the whole text is one number inside the double range.
    bool whole() const { return !outOfRange && reading.number && reading.rest.empty(); }
};
BoxReading readBox(const QString &typed);

// What a panel makes of a box or a look-up cell: a number only for text read
// whole; otherwise no value, and one sentence that names the box, quotes what
// was typed and says why ("pb = “3,5” has a comma: ..."). A panel shows no
// figure of a text that is not read whole, nor of any text before it.
struct TypedNumber {
    std::optional<double> value;
    QString problem;
};
TypedNumber readTyped(const QString &name, const QString &typed);

} // namespace form_runtime
