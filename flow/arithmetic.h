#pragma once

#include <cmath>
#include <exception>

namespace flow {

// An arithmetic fault of the flow calculations. The run-time this tool stands in
// for stopped at the faulting operation instead of producing inf or NaN; every
// operation below that can fail checks its operands and result and throws this.
class ArithmeticError : public std::exception {
public:
    enum class Kind { DivisionByZero, Overflow, InvalidArgument };

    explicit ArithmeticError(Kind kind) noexcept : kind_(kind) {}
    Kind kind() const noexcept { return kind_; }
    const char *what() const noexcept override;

private:
    Kind kind_;
};

// Throws the fault; kept out of line so that the checks below stay small.
[[noreturn]] void fail(ArithmeticError::Kind kind);

// x itself when it is a finite number, an overflow otherwise.
inline double finiteOrOverflow(double x)
{
    if (!std::isfinite(x))
        fail(ArithmeticError::Kind::Overflow);
    return x;
}

// a / b. A finite a over 0 is a division by zero; 0 / 0 and a result beyond the
// double range are an overflow.
inline double divide(double a, double b)
{
    if (b == 0)
        fail(a == 0 ? ArithmeticError::Kind::Overflow : ArithmeticError::Kind::DivisionByZero);
    return finiteOrOverflow(a / b);
}

// a * b; a result beyond the double range is an overflow.
inline double multiply(double a, double b)
{
    return finiteOrOverflow(a * b);
}

// base ^ exponent as a real power. A negative base with a fractional exponent is
// an invalid argument, 0 to a negative power a division by zero, a result beyond
// the double range an overflow.
inline double power(double base, double exponent)
{
    if (base < 0 && std::trunc(exponent) != exponent)
        fail(ArithmeticError::Kind::InvalidArgument);
    if (base == 0 && exponent < 0)
        fail(ArithmeticError::Kind::DivisionByZero);
    return finiteOrOverflow(std::pow(base, exponent));
}

// Square root; a negative argument is an invalid argument.
double squareRoot(double x);

} // namespace flow
