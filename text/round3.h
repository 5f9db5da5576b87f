#pragma once

#include <optional>

#include "fault.h"

namespace capset {

// The value rounded to 3 decimals, an exact half going to the even
// neighbour. The product with 1000 is taken as a double and its fraction
// judged as it stands, so 0.0005 (exactly 0.5 after the product) gives 0 and
// 999.9995 (exactly 999999.5) gives 1000. Only shown texts are rounded.
double Round3(double x);

// The fault Round3 would raise (a product beyond the double range), or nothing.
std::optional<ArithmeticFault> Round3Fault(double x);

}  // namespace capset
