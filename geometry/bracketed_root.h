#pragma once
// A root of a function of one variable inside a bracket where it changes
// sign: Newton steps, each falling back to halving the bracket when it
// would leave it (or the slope is 0). The bracket only shrinks, so the
// search cannot run away; near the root the steps are Newton's, so it
// closes on it in a few. Nothing here depends on the problem's scale.

#include <algorithm>
#include <cmath>

namespace capset {

struct BracketedRoot {
  double x;
  int steps;  // evaluations made
};

struct RootValue {
  double value;
  double slope;
};

// `evaluate(x)` gives the value and slope at x; the value is above 0 at `lo`
// when `positiveAtLo`. The search starts from `start` (brought into the
// bracket) and stops when a step or the bracket is within `tolerance`, or
// after `maxSteps` evaluations.
template <typename Evaluate>
BracketedRoot FindBracketedRoot(double lo, double hi, double start, bool positiveAtLo, Evaluate&& evaluate,
                                double tolerance, int maxSteps) {
  double x = std::isfinite(start) ? std::clamp(start, lo, hi) : (lo + hi) / 2;
  for (int step = 1; step <= maxSteps; ++step) {
    const RootValue v = evaluate(x);
    if (v.value == 0) return {x, step};
    ((v.value > 0) == positiveAtLo ? lo : hi) = x;
    double next = v.slope != 0 ? x - v.value / v.slope : (lo + hi) / 2;
    // A step onto an end of the bracket is allowed: the root may lie there.
    if (!(next >= lo && next <= hi)) next = (lo + hi) / 2;
    const bool done = std::fabs(next - x) <= tolerance || hi - lo <= tolerance;
    x = next;
    if (done) return {x, step};
  }
  return {x, maxSteps};
}

}  // namespace capset
