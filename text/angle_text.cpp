#include "angle_text.h"

#include <cmath>

#include "angles.h"
#include "number_text.h"

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

std::optional<PackedSlip> PackedAngleSlip(double packed) {
  packed = std::fabs(packed);
  if (!(packed * 10000 < 1e300)) return std::nullopt;
  // The parts as DmsToDegrees takes them apart.
  const double d = std::trunc(packed);
  const double n = std::trunc(packed * 100 + 1E-10);
  const double minutes = n - 100 * d;
  const double seconds = packed * 10000 - 100 * n;
  // A typed 60 seconds may come out a hair short of 60 after the product.
  const PackedSlip slip{minutes >= 60, seconds >= 60 - 1E-6};
  if (!slip.minutes && !slip.seconds) return std::nullopt;
  return slip;
}

std::optional<ArithmeticFault> DmsFault(double packed) {
  return FaultOf(std::fabs(packed) * 10000, FaultPlace::kDms);
}

std::string DmsText(double degrees, DmsForm form, const std::string& sep) {
  if (!(std::fabs(degrees) < 1e6)) return NumberText(degrees, sep) + "°";
  long long perSecond = 1;
  for (int i = 0; i < form.secondDecimals; ++i) perSecond *= 10;
  // One product with the whole scale, so each form rounds as it always has.
  const long long units = std::llround(std::fabs(degrees) * static_cast<double>(3600 * perSecond));
  const long long seconds = units / perSecond % 60;
  const long long fraction = units % perSecond;
  auto two = [](long long v) { return (v < 10 ? "0" : "") + std::to_string(v); };
  std::string text = (degrees < 0 && units != 0 ? "-" : "") + std::to_string(units / (3600 * perSecond)) + "°" +
                     two(units / (60 * perSecond) % 60) + "′" + two(seconds);
  if (form.secondDecimals > 0 && !(form.dropZeroFraction && fraction == 0)) {
    std::string digits = std::to_string(fraction);
    digits.insert(0, form.secondDecimals - digits.size(), '0');
    if (form.dropZeroFraction) digits.erase(digits.find_last_not_of('0') + 1);
    text += sep + digits;
  }
  return text + "″";
}

std::string AzimuthText(double degrees, const std::string& sep) {
  if (!std::isfinite(degrees)) return NumberText(degrees, sep) + "°";
  const std::string text = DmsText(WrappedAzimuth(degrees), kTenthsOfASecond, sep);
  // Only a value a hair below 360 rounds up to it.
  return text.starts_with("360°") ? DmsText(0, kTenthsOfASecond, sep) : text;
}

std::string DecimalAzimuthText(double degrees, int decimals) {
  const std::string text = FixedText(std::isfinite(degrees) ? WrappedAzimuth(degrees) : degrees, decimals);
  return text == FixedText(360, decimals) ? FixedText(0, decimals) : text;
}


std::string PackedAngleText(double degrees, const std::string& sep) {
  const long long micro = std::llround(std::fabs(degrees) * 3600e6);
  const long long d = micro / 3600000000LL, m = micro / 60000000LL % 60, s = micro % 60000000LL;
  std::string digits = std::to_string(m);
  digits.insert(0, 2 - digits.size(), '0');
  std::string seconds = std::to_string(s);
  seconds.insert(0, 8 - seconds.size(), '0');
  digits += seconds;
  digits.erase(digits.find_last_not_of('0') + 1);
  return (degrees < 0 && micro != 0 ? "-" : "") + std::to_string(d) + (digits.empty() ? "" : sep + digits);
}

}  // namespace capset
