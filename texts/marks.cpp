#include "marks.h"

#include <cmath>

#include "number_text.h"
#include "round3.h"

namespace capset {

namespace {

double TenthsOfAMillimetre(double metres) { return std::nearbyint(metres * 10000) / 10; }

}  // namespace

std::string MetresText(double metres) { return NumberText(Round3(metres), ".") + " m"; }

std::string MillimetresText(double metres) { return NumberText(TenthsOfAMillimetre(metres), ".") + " 毫米"; }

std::optional<ArithmeticFault> MetresFault(double metres) { return Round3Fault(metres); }

std::optional<ArithmeticFault> MillimetresFault(double metres) { return NumberFault(TenthsOfAMillimetre(metres)); }

}  // namespace capset
