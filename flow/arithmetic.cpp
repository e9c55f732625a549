#include "flow/arithmetic.h"

#include <cmath>

namespace flow {

const char *ArithmeticError::what() const noexcept
{
    switch (kind_) {
    case Kind::DivisionByZero:
        return "division by zero";
    case Kind::Overflow:
        return "overflow";
    case Kind::InvalidArgument:
        return "invalid argument";
    }
    return "arithmetic error";
}

void fail(ArithmeticError::Kind kind)
{
    throw ArithmeticError(kind);
}

double squareRoot(double x)
{
    if (x < 0)
        fail(ArithmeticError::Kind::InvalidArgument);
    return std::sqrt(x);
}

} // namespace flow
