#include "round3.h"

#include <cmath>

namespace capset {

// nearbyint rounds in the default mode: to nearest, an exact half to even.
double Round3(double x) { return std::nearbyint(Finite(x * 1000, FaultPlace::kRound3)) / 1000; }

std::optional<ArithmeticFault> Round3Fault(double x) { return FaultOf(x * 1000, FaultPlace::kRound3); }

}  // namespace capset
