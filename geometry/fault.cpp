#include "fault.h"

#include <cmath>

namespace capset {

double Quotient(double n, double d, FaultPlace where) {
  if (d == 0) throw ArithmeticFault{ErrorKind::kDivisionByZero, where};
  return Finite(n / d, where);
}

double Finite(double v, FaultPlace where) {
  if (std::isnan(v)) throw ArithmeticFault{ErrorKind::kInvalidOperation, where};
  if (std::isinf(v)) throw ArithmeticFault{ErrorKind::kOverflow, where};
  return v;
}

}  // namespace capset
