#pragma once

#include <string>
#include <string_view>

namespace form_runtime {

// The number a student typed into a text box. Blanks, tabs and line feeds are
// dropped wherever they stand; then the longest numeric prefix is read: an
// optional sign, digits with at most one ".", an optional exponent (E or D,
// optional sign, digits), or "&H" / "&O" with hexadecimal / octal digits. Text
// that does not begin with a number reads as 0 ("", "abc", "0,5" all read 0).
// A number beyond the double range throws flow::ArithmeticError (overflow).
double valueOfText(std::string_view text);

// What valueOfText made of a text: the value, whether the text began with a
// number at all, and what of it was left unread (blanks dropped), so that a
// window can say when a box did not read as the student may have meant it.
struct NumberReading {
    double value = 0;
    bool number = false; // false: nothing numeric at the start, read as 0
    std::string rest;    // the text after the number; empty when it was read whole
};
NumberReading readNumber(std::string_view text);

// The text a result box shows for a value: rounded to 4 decimals with ties to
// the even digit, then at most 15 significant digits without trailing zeros,
// "." as the decimal point, and "1.5E+15" form from 1E+15 up.
std::string displayText(double value);

} // namespace form_runtime
