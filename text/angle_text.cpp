#include "angle_text.h"

#include <cmath>

#include "fault.h"

namespace capset {

double DmsToDegrees(double packed) {
  if (packed < 0) return -DmsToDegrees(-packed);
  const double d = std::trunc(packed);
  const double h = packed * 100;
  const double t = Finite(packed * 10000, FaultPlace::kDms);
  // 1E-10 keeps a product that falls a hair short of a whole number from
  // losing a minute: 1.15 × 100 is 114.99999999999999 as a double.
  const double n = std::trunc(h + 1E-10);
  const double minutes = n - 100 * d;
  const double seconds = t - 100 * n;
  return (minutes / 60 + d) + seconds / 3600;
}

std::string DmsText(double degrees) {
  // Tenths of a second, rounded once, so 59.96″ carries into the minute.
  const long long tenths = std::llround(std::fabs(degrees) * 36000);
  const long long d = tenths / 36000;
  const long long m = tenths / 600 % 60;
  const long long t = tenths % 600;
  auto two = [](long long v) { return (v < 10 ? "0" : "") + std::to_string(v); };
  return std::string(degrees < 0 ? "-" : "") + std::to_string(d) + "°" + two(m) + "′" + two(t / 10) + "." +
         std::to_string(t % 10) + "″";
}

}  // namespace capset
