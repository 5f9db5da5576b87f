#pragma once
// Where the tangents at two points of a road meet: the intersection point
// (JD, PI) of the curve between them.
//
// Notation
//   a, b     the poses at the two distances, relative to the road's origin
//   ta, tb   their forward tangents (cos θ, sin θ) in (X, Y)
//   s        ta × tb = sin(θb − θa), the sine of the angle the curve turns
//   T1, T2   the tangent lengths: JD = a + T1·ta = b − T2·tb
//
// The meeting is placed from s: T1 = (b − a) × tb / s. The poses carry
// rounding of some 1e-10 m in their points (relative to the origin, within
// the road's extent) and 1e-13 rad in their headings, which moves the JD by
// about (1e-10 m + |b − a|·1e-13)/s along the tangents. Tangents closer to
// parallel (or to opposite) than kTangentsInLine do not meet: below it that
// rounding alone would move the JD by 0.1 mm, and a curve turning less
// than 1e-6 rad (0.2″) turns less than the drawings' angles are given to.

#include <optional>

#include "road.h"

namespace capset {

constexpr double kTangentsInLine = 1e-6;

// The JD of the stretch from distance `from` to `to`, in the plane's
// coordinates, when the tangents there meet ahead of the one and behind
// the other (T1 > 0, T2 > 0); nothing for a curve turning 0°, 180° or more.
std::optional<PlanePoint> TangentsMeet(const Road& road, double from, double to);

}  // namespace capset
