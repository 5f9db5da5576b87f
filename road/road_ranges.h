#pragma once
// What each number of a road may be, on a real road and a real computer.
//
// Coordinates and stations lie within ±1e8 m: a national grid's northing is
// below 1e7 m and a road's chainage below 1e7 m, and to 1e8 m a double still
// holds a coordinate to 1.5e-8 m, far below the millimetre the drawings give.
// Radii and lengths run from 1 mm, the rounding of the drawings, to 1e6 m:
// an arc of 1e6 m radius bends its chord of 1 km by 0.125 mm, so nothing
// straighter is meant as a curve, and no element is 1000 km long. An Ls of 0
// leaves the spiral out, an element of length 0 adds nothing (files hold
// them), and a straight end of a spiral is kNoRadius. An azimuth is within
// ±360°: beyond, the turn of a curve would be lost in the heading's
// rounding. Within these ranges every product and quotient the road forms
// (curvature 1/(R·Ls) at most 1e6 per m², a turn Ls/2R at most 5e8 rad, which
// the builders refuse before they lay it) stays far from overflow and from
// subnormal numbers.

#include <cmath>
#include <optional>

#include "road_problem.h"

namespace capset {

inline constexpr double kMostCoordinate = 1e8;
inline constexpr double kLeastLength = 1e-3;
inline constexpr double kMostLength = 1e6;
inline constexpr double kMostAzimuth = 360;

inline constexpr NumberRange kCoordinateRange{-kMostCoordinate, kMostCoordinate, false};
inline constexpr NumberRange kRadiusRange{kLeastLength, kMostLength, false};
// Ls, and an element's length in a file: 0 is allowed.
inline constexpr NumberRange kLengthRange{kLeastLength, kMostLength, true};
// A line or an arc as the road's own conversions give it: two curves of a
// table that meet within a millimetre leave a straight of micrometres, a
// curve whose spirals take nearly all its turn an arc of less. Nothing
// divides by the length of either, so any length short of the longest is
// sound; a spiral's curvature rate divides by its length, and keeps the floor.
inline constexpr NumberRange kLineLengthRange{0, kMostLength, true};
// An element as the user types it: 0 is nothing to type.
inline constexpr NumberRange kElementLengthRange{kLeastLength, kMostLength, false};
inline constexpr NumberRange kAzimuthRange{-kMostAzimuth, kMostAzimuth, false};
// An offset from the centreline: a road's width with all its verges is
// some tens of metres, and 1e4 m holds any point set out from it.
inline constexpr double kMostOffset = 1e4;
inline constexpr NumberRange kOffsetRange{-kMostOffset, kMostOffset, false};
// The step of a station table.
inline constexpr NumberRange kStepRange{kLeastLength, kMostLength, false};

inline bool InRange(double value, const NumberRange& range) {
  return (range.zero && value == 0) || (value >= range.low && value <= range.high);
}

// The problem of a finite value outside its range, or of one that is not
// finite; nothing when it is within.
inline std::optional<RoadProblem> CheckRange(double value, const NumberRange& range, RoadPart part, int index,
                                             RoadField field) {
  if (!std::isfinite(value)) return RoadProblem{RoadFault::kNotFinite, part, index, field, value};
  if (InRange(value, range)) return std::nullopt;
  RoadProblem p{RoadFault::kOutOfRange, part, index, field, value};
  p.range = range;
  return p;
}

}  // namespace capset
