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

double finiteOrOverflow(double x)
{
    if (!std::isfinite(x))
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    return x;
}

double divide(double a, double b)
{
    if (b == 0) {
        throw ArithmeticError(a == 0 ? ArithmeticError::Kind::Overflow
                                     : ArithmeticError::Kind::DivisionByZero);
    }
    return finiteOrOverflow(a / b);
}

double multiply(double a, double b)
{
    return finiteOrOverflow(a * b);
}

double power(double base, double exponent)
{
    if (base < 0 && std::trunc(exponent) != exponent)
        throw ArithmeticError(ArithmeticError::Kind::InvalidArgument);
    if (base == 0 && exponent < 0)
        throw ArithmeticError(ArithmeticError::Kind::DivisionByZero);
    return finiteOrOverflow(std::pow(base, exponent));
}

double squareRoot(double x)
{
    if (x < 0)
        throw ArithmeticError(ArithmeticError::Kind::InvalidArgument);
    return std::sqrt(x);
}

} // namespace flow
