#pragma once
// An azimuth brought into [0, 360), the one range in which the program
// shows and compares azimuths. A value already in range is returned as it
// is, bit for bit.

#include <cmath>

namespace capset {

inline double WrappedAzimuth(double degrees) {
  if (degrees >= 0 && degrees < 360) return degrees;
  double wrapped = std::fmod(degrees, 360.0);  // exact, with the sign of `degrees`
  if (wrapped < 0) wrapped += 360;
  // A tiny negative remainder plus 360 rounds to 360 itself.
  return wrapped >= 360 ? 0 : wrapped;
}

}  // namespace capset
