#pragma once
// Arithmetic faults. C++ does not trap a division by zero, an overflow or an
// invalid operation: left alone they would reach a box as "inf" or "nan" or as
// a wrong number. The checked operations below raise an ArithmeticFault where
// the fault arises; the button handler catches it once and reports it.

#include <string>

namespace capset {

enum class ErrorKind {
  kTypeMismatch,      // an answer that is not a number
  kOverflow,          // a value beyond the range of the field or of a double
  kDivisionByZero,
  kInvalidOperation,  // 0/0, the root of a negative number, a NaN
};

struct ArithmeticFault {
  ErrorKind kind;
  std::string where;  // the quantity being formed, in the user's words
};

// n / d, refusing a zero divisor and a result beyond the double range.
double Quotient(double n, double d, const char* where);

// v itself when finite; an infinity raises an overflow, a NaN an invalid operation.
double Finite(double v, const char* where);

}  // namespace capset
