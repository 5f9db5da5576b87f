#include "fault.h"

#include <cmath>

namespace capset {

double Quotient(double n, double d, FaultPlace where) {
  if (d == 0) throw ArithmeticFault{ErrorKind::kDivisionByZero, where};
  return Finite(n / d, where);
}

double Finite(double v, FaultPlace where) {
  if (const auto fault = FaultOf(v, where)) throw *fault;
  return v;
}

std::optional<ArithmeticFault> FaultOf(double v, FaultPlace where) {
  if (std::isnan(v)) return ArithmeticFault{ErrorKind::kInvalidOperation, where};
  if (std::isinf(v)) return ArithmeticFault{ErrorKind::kOverflow, where};
  return std::nullopt;
}

}  // namespace capset
