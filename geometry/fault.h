#pragma once
// Arithmetic faults. C++ does not trap a division by zero, an overflow or an
// invalid operation: left alone they would reach a box as "inf" or "nan" or as
// a wrong number. The checked operations below raise an ArithmeticFault where
// the fault arises; the button handler catches it once and reports it.

#include <optional>

namespace capset {

enum class ErrorKind {
  kTypeMismatch,      // an answer that is not a number
  kOverflow,          // a value beyond the range of the field or of a double
  kDivisionByZero,
  kInvalidOperation,  // 0/0, the root of a negative number, a NaN
};

// The quantity being formed when a fault arose; the report names it in the
// user's words.
enum class FaultPlace {
  kSeries,         // the clothoid series
  kChord,          // chord length
  kDeflection,     // chord deflection
  kTangentAngle,
  kCoordinate,     // a point placed by distance and azimuth
  kBearing,
  kStartValue,     // the straight-road start value of a foot point
  kDms,            // a packed angle turned into degrees
  kRound3,         // a value rounded to 3 decimals
  kNumberText,     // a number shown in a box
  kStationText,    // a station shown in a box
};

struct ArithmeticFault {
  ErrorKind kind;
  FaultPlace where;

  bool operator==(const ArithmeticFault&) const = default;
};

// n / d, refusing a zero divisor and a result beyond the double range.
double Quotient(double n, double d, FaultPlace where);

// v itself when finite; an infinity raises an overflow, a NaN an invalid operation.
double Finite(double v, FaultPlace where);

// The fault Finite would raise for v, or nothing: for a check that must
// not throw to find out.
std::optional<ArithmeticFault> FaultOf(double v, FaultPlace where);

// The first fault of several steps, checked in the order they are taken.
struct FirstFault {
  std::optional<ArithmeticFault> fault;
  void operator()(const std::optional<ArithmeticFault>& next) {
    if (!fault) fault = next;
  }
};

}  // namespace capset
