#include "packed_dms_text.h"

#include <cmath>

#include "angles.h"
#include "number_text.h"

namespace capset {
namespace {

std::string TwoDigits(long long v) { return (v < 10 ? "0" : "") + std::to_string(v); }

}  // namespace

std::string PackedDmsTenths(double degrees) {
  if (!(std::fabs(degrees) < 1e6)) return NumberText(degrees, ".");
  // One product and one rounding, then whole numbers: the carries are exact.
  const long long tenths = std::llround(std::fabs(degrees) * 36000);
  const long long d = tenths / 36000;
  const long long m = tenths / 600 % 60;
  const long long s = tenths / 10 % 60;
  const long long t = tenths % 10;
  return (degrees < 0 && tenths != 0 ? "-" : "") + std::to_string(d) + "." + TwoDigits(m) + TwoDigits(s) +
         std::to_string(t);
}

std::string PackedAzimuthTenths(double degrees) {
  if (!std::isfinite(degrees)) return NumberText(degrees, ".");
  const std::string text = PackedDmsTenths(WrappedAzimuth(degrees));
  // Only a value a hair below 360 rounds up to it.
  return text.starts_with("360.") ? PackedDmsTenths(0) : text;
}

}  // namespace capset
