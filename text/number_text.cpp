#include "number_text.h"

#include <cmath>

#include "number_chars.h"
#include "round3.h"

namespace capset {
namespace {

constexpr int kDoubleDigits = 15;
constexpr int kFloatDigits = 7;

// The magnitude rounded once to `digits` significant digits in the general
// form, as printf's "%.15G" writes it in the C locale: trailing zeros
// dropped, the exponent form below 1E-4 and from 1E+digits, an exponent of
// at least two digits. GeneralDigitsText rounds exactly and knows no locale, so
// the digits never depend on the C locale that the toolkit takes from the
// environment; only its "e" and "." are ours to replace.
std::string MagnitudeText(double magnitude, int digits, const std::string& sep, bool zeroBeforeSep) {
  if (magnitude == 0) return "0";
  std::string text;
  for (const char c : GeneralDigitsText(magnitude, digits)) {
    if (c == 'e') {
      text += 'E';
    } else if (c == '.') {
      text += sep;
    } else {
      text += c;
    }
  }
  if (!zeroBeforeSep && text.starts_with("0" + sep)) text.erase(0, 1);
  return text;
}

std::string GeneralText(double value, int digits, const std::string& sep) {
  Finite(value, FaultPlace::kNumberText);
  const std::string magnitude = MagnitudeText(std::fabs(value), digits, sep, true);
  return (value < 0 ? "-" : "") + magnitude;
}

}  // namespace

std::string NumberText(double value, const std::string& sep) {
  return GeneralText(value, kDoubleDigits, sep);
}

std::string NumberText(float value, const std::string& sep) {
  return GeneralText(static_cast<double>(value), kFloatDigits, sep);
}

std::optional<ArithmeticFault> NumberFault(double value) { return FaultOf(value, FaultPlace::kNumberText); }

std::string EchoText(double value, const std::string& sep) {
  return " " + NumberText(value, sep);
}

std::string SignedText(double value) {
  Finite(value, FaultPlace::kStationText);
  return (value < 0 ? "-" : " ") + MagnitudeText(std::fabs(value), kDoubleDigits, ".", false);
}

std::string FixedText(double value, int decimals, const std::string& sep) {
  Finite(value, FaultPlace::kNumberText);
  if (!(std::fabs(value) < 1e15)) return NumberText(value, sep);
  double scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  double rounded = std::nearbyint(value * scale) / scale;
  if (rounded == 0) rounded = 0;  // no "-0.000"
  std::string text = FixedDigitsText(rounded, decimals);
  if (sep != ".") {
    if (const std::size_t dot = text.find('.'); dot != std::string::npos) text.replace(dot, 1, sep);
  }
  return text;
}

std::string FixedCoordinateText(double value) { return FixedText(value, 3); }

}  // namespace capset
