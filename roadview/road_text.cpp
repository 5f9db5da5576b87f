#include "road_text.h"

#include <cmath>
#include <cstdio>

namespace capset {
namespace {

// Degrees as D.MMSS with `decimals` digits after the seconds; seconds that
// round to 60 carry into the minutes, minutes into the degrees.
std::string Dms(double degrees, int decimals) {
  const double scale = std::pow(10.0, decimals);
  const long long units = std::llround(std::fabs(degrees) * 3600 * scale);
  const long long perMinute = 60 * static_cast<long long>(scale);
  const long long d = units / (60 * perMinute), m = units / perMinute % 60, s = units % perMinute;
  char text[64];
  if (decimals == 0) {
    std::snprintf(text, sizeof text, "%lld.%02lld%02lld", d, m, s);
  } else {
    std::snprintf(text, sizeof text, "%lld.%02lld%0*lld", d, m, 2 + decimals, s);
  }
  return text;
}

}  // namespace

std::string TurnText(double degrees) { return Dms(degrees, 0) + (degrees < 0 ? " 左" : " 右"); }

std::string MetreText(double metres) {
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", metres);
  return std::string(text) == "-0.000" ? "0.000" : text;
}

std::string AzimuthText(double degrees) { return Dms(degrees, 1); }

}  // namespace capset
