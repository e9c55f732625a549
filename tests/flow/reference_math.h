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
    const long double root = std::pow(2.0L, 0.5L), e = std::exp(std::log(3.0L));
    return std::fabs(root * root - 2) < 1e3L * LDBL_EPSILON && std::fabs(e - 3) < 1e3L * LDBL_EPSILON &&
           LDBL_EPSILON < DBL_EPSILON;
}

} // namespace testing_flow
