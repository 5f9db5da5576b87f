#pragma once
// Degrees and radians on the road, and the one range of an azimuth.
//
// The road is exact, so its conversions use the true π. The window's
// solvers keep the job's own Pi (cap_job.h) and never come here.

#include <cmath>
#include <numbers>

namespace capset {

inline constexpr double kRadiansPerDegree = std::numbers::pi / 180;
inline constexpr double kDegreesPerRadian = 180 / std::numbers::pi;

inline constexpr double ToRadians(double degrees) { return degrees * kRadiansPerDegree; }
inline constexpr double ToDegrees(double radians) { return radians * kDegreesPerRadian; }

// An azimuth brought into [0, 360), the one range in which the program
// shows and compares azimuths. A value already in range is returned as it
// is, bit for bit; a value whose remainder rounds to 360 is north, 0.
inline double WrappedAzimuth(double degrees) {
  if (degrees >= 0 && degrees < 360) return degrees;
  double wrapped = std::fmod(degrees, 360.0);  // exact, with the sign of `degrees`
  if (wrapped < 0) wrapped += 360;
  // A tiny negative remainder plus 360 rounds to 360 itself.
  return wrapped >= 360 ? 0 : wrapped;
}

// The azimuth of a heading in radians, in [0, 360).
inline double AzimuthOf(double radians) { return WrappedAzimuth(ToDegrees(radians)); }

}  // namespace capset
