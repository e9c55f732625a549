// Any bytes typed into a text box read as a number or fail with an overflow,
// and any number read shows as a finite, non-empty text.

#include "flow/arithmetic.h"
#include "form_runtime/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    double value = 0;
    try {
        value = form_runtime::valueOfText(text);
    } catch (const flow::ArithmeticError &e) {
        if (e.kind() != flow::ArithmeticError::Kind::Overflow)
            std::abort();
        return 0;
    }
    if (!std::isfinite(value))
        std::abort();
    const std::string shown = form_runtime::displayText(value);
    if (shown.empty() || shown.find_first_of("abcdfghijklmnopqrstuvwxyz") != std::string::npos)
        std::abort(); // "inf", "nan" or other letters; only "E" may stand in a number
    // What is shown reads back as the rounded value.
    const double back = form_runtime::valueOfText(shown);
    if (std::fabs(back - value) > 0.00005 * (1 + std::fabs(value)) + 1e-300 && std::fabs(value) < 1e15)
        std::abort();
    return 0;
}
