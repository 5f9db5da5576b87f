#pragma once
// Where a spiral meets a straight, and how an element's radii are told.
//
// Notation
//   κ, κ'   signed curvature at one end of an element and at its other end
//
// A spiral's end curvature is made as κ0 + c·L, which leaves a few 1e-19
// where the sum should be 0; read as a radius that would be 1e19 m, not the
// straight end (kNoRadius, written "inf" or "INF") it is. An end whose
// curvature is below kStraightEndRatio of the other end's is that straight
// end: a real spiral's radii differ by far less than a factor of 1e9 (the
// sharpest ramp is some 30 m, the flattest curve some 1e5 m), while the
// rounding leaves some 1e-16 of the curvature it started from.

#include <cmath>

#include "road.h"
#include "road_build.h"

namespace capset {

constexpr double kStraightEndRatio = 1e-9;

inline bool IsStraightEnd(double k, double other) { return std::fabs(k) <= kStraightEndRatio * std::fabs(other); }

// The radius at an end of curvature κ, kNoRadius at a straight end.
inline double EndRadius(double k, double other) { return IsStraightEnd(k, other) ? kNoRadius : 1 / std::fabs(k); }

// The side an element turns to: the sign of its larger curvature.
inline TurnSide TurnOf(const RoadElement& e) {
  const double k = std::fabs(e.startCurvature) >= std::fabs(e.endCurvature) ? e.startCurvature : e.endCurvature;
  return k < 0 ? TurnSide::kLeft : TurnSide::kRight;
}

}  // namespace capset
