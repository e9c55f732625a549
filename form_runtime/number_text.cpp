#include "form_runtime/number_text.h"

#include "flow/arithmetic.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace form_runtime {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int digitValue(char c, int radix)
{
    int v = -1;
    if (isDigit(c))
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < radix ? v : -1;
}

std::string withoutBlanks(std::string_view text)
{
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;
    }
    return s;
}

// "&H1F" or "&o17": the non-negative integer the digits after the prefix
// spell; `used` counts those digits.
double radixValue(std::string_view digits, int radix, std::size_t &used)
{
    double value = 0;
    for (used = 0; used < digits.size(); ++used) {
        const int d = digitValue(digits[used], radix);
        if (d < 0)
            break;
        value = flow::finiteOrOverflow(value * radix + d);
    }
    return value;
}

// The decimal number at the start of s, rewritten in the form from_chars reads
// ("1.5D3" becomes "1.5e3"), or empty when s does not begin with one; `used`
// counts the characters of s it took.
std::string decimalPrefix(std::string_view s, std::size_t &used)
{
    used = 0;
    std::size_t i = 0;
    std::string out;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            out += '-';
        ++i;
    }
    bool digits = false;
    while (i < s.size() && isDigit(s[i])) {
        out += s[i++];
        digits = true;
    }
    if (i < s.size() && s[i] == '.') {
        out += s[i++];
        while (i < s.size() && isDigit(s[i])) {
            out += s[i++];
            digits = true;
        }
    }
    if (!digits)
        return {};
    used = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent += s[j++];
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                exponent += s[j++];
            out += exponent;
            used = j;
        }
    }
    return out;
}

// For a decimal numeral out of the double range: whether it is too large
// (true) or too small (false). Its order of magnitude decides, and out of range
// it is far from 0 either way.
bool isTooLarge(std::string_view numeral)
{
    long magnitude = 0; // position of the first significant digit, as a power of ten
    bool seenPoint = false, seenSignificant = false;
    std::size_t i = 0;
    for (; i < numeral.size() && numeral[i] != 'e'; ++i) {
        const char c = numeral[i];
        if (c == '.') {
            seenPoint = true;
        } else if (isDigit(c)) {
            if (!seenSignificant && c != '0')
                seenSignificant = true;
            if (seenSignificant && !seenPoint)
                ++magnitude;
            else if (!seenSignificant && seenPoint)
                --magnitude;
        }
    }
    if (i < numeral.size()) {
        // The exponent's digits, saturated: any exponent past a million decides alike.
        std::size_t j = i + 1;
        const bool negative = j < numeral.size() && numeral[j] == '-';
        if (j < numeral.size() && (numeral[j] == '-' || numeral[j] == '+'))
            ++j;
        long exponent = 0;
        for (; j < numeral.size(); ++j)
            exponent = std::min(exponent * 10 + (numeral[j] - '0'), 1000000L);
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude > 0;
}

// The double nearest to a numeral decimalPrefix made, into `value`; false when
// it lies beyond the doubles, too large or too small to be anything but 0.
bool readDecimal(const std::string &numeral, double &value)
{
#if defined(__EMSCRIPTEN__)
    // The browser build's C++ library has no from_chars for doubles. Its C
    // library's strtod rounds to nearest as exactly, and it knows no locale
    // but "C", so the point is always the decimal point.
    errno = 0;
    const double read = std::strtod(numeral.c_str(), nullptr);
    if (errno == ERANGE && (read == 0 || std::isinf(read)))
        return false;
    value = read;
    return true;
#else
    return std::from_chars(numeral.data(), numeral.data() + numeral.size(), value).ec
        != std::errc::result_out_of_range;
#endif
}

} // namespace

double valueOfText(std::string_view text)
{
    return readNumber(text).value;
}

NumberReading readNumber(std::string_view text)
{
    const std::string s = withoutBlanks(text);
    NumberReading reading;
    std::size_t used = 0;
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
        const int radix = s[1] == 'H' || s[1] == 'h' ? 16 : 8;
        reading.value = radixValue(std::string_view(s).substr(2), radix, used);
        reading.number = used > 0;
        reading.rest = s.substr(reading.number ? used + 2 : 0);
        return reading;
    }
    const std::string numeral = decimalPrefix(s, used);
    reading.rest = s.substr(used);
    if (numeral.empty())
        return reading;
    reading.number = true;
    if (!readDecimal(numeral, reading.value)) {
        if (isTooLarge(numeral))
            throw flow::ArithmeticError(flow::ArithmeticError::Kind::Overflow);
        reading.value = 0;
    }
    return reading;
}

std::string displayText(double value)
{
    // Scaled by 10^4, a value from 2^52 up has no fraction left to round.
    const double scaled = value * 10000;
    if (std::isfinite(scaled) && std::fabs(scaled) < 4503599627370496.0)
        value = std::nearbyint(scaled) / 10000; // the default rounding mode breaks ties to even
    if (value == 0)
        return "0"; // also for -0

    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    const auto e = text.find('e');
    if (e != std::string::npos)
        text[e] = 'E';
    return text;
}

} // namespace form_runtime
