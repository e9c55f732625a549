#pragma once

// The references of the accuracy tests are closed forms in long double. Where
// the C library's long-double pow and log are no more precise than double
// (WebAssembly's, whose long double is wider but whose functions round as
// double), they cannot judge a double's last bits, and those tests skip.

#include <cfloat>
#include <cmath>

namespace testing_flow {

inline bool referenceMathIsPrecise()
{
    // Read at run time: Debian 13's clang crashes folding long-double pow for WebAssembly.
    volatile long double two = 2, half = 0.5, three = 3;
    const long double root = std::pow(two, half), e = std::exp(std::log(three));
    return std::fabs(root * root - 2) < 1e3L * LDBL_EPSILON && std::fabs(e - 3) < 1e3L * LDBL_EPSILON &&
           LDBL_EPSILON < DBL_EPSILON;
}

} // namespace testing_flow
