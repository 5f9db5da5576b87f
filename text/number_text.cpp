#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "fault.h"

namespace capset {
namespace {

constexpr int kDoubleDigits = 15;
constexpr int kFloatDigits = 7;

// A positive magnitude rounded once to `digits` significant digits:
// value = d1.d2d3... × 10^exponent, trailing zeros removed. std::to_chars
// rounds exactly and knows no locale, so the digits never depend on the C
// locale that the toolkit takes from the environment.
struct Decimal {
  std::string digits;
  int exponent;
};

Decimal RoundToSignificant(double magnitude, int digits) {
  char buffer[64];
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, digits - 1);
  const std::string_view text(buffer, written.ptr - buffer);  // "d.ddde+XX"
  const std::size_t e = text.find('e');
  Decimal d{std::string(text.substr(0, 1)), 0};
  if (digits > 1) d.digits += text.substr(2, e - 2);
  const std::string_view exponent = text.substr(e + (text[e + 1] == '+' ? 2 : 1));
  std::from_chars(exponent.data(), exponent.data() + exponent.size(), d.exponent);
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

// "E", the sign, at least two digits: E-05, E+16, E-300.
std::string ExponentText(int exponent) {
  const std::string digits = std::to_string(std::abs(exponent));
  return std::string("E") + (exponent < 0 ? "-" : "+") + (digits.size() < 2 ? "0" : "") + digits;
}

std::string MagnitudeText(double magnitude, int digits, const std::string& sep, bool zeroBeforeSep) {
  if (magnitude == 0) return "0";
  const Decimal d = RoundToSignificant(magnitude, digits);
  const std::string& g = d.digits;
  if (d.exponent < -4 || d.exponent >= digits) {
    return g.substr(0, 1) + (g.size() > 1 ? sep + g.substr(1) : "") + ExponentText(d.exponent);
  }
  if (d.exponent < 0) {
    return (zeroBeforeSep ? "0" : "") + sep + std::string(-d.exponent - 1, '0') + g;
  }
  const std::size_t whole = d.exponent + 1;
  if (g.size() <= whole) return g + std::string(whole - g.size(), '0');
  return g.substr(0, whole) + sep + g.substr(whole);
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

std::string EchoText(double value, const std::string& sep) {
  return " " + NumberText(value, sep);
}

std::string SignedText(double value) {
  Finite(value, FaultPlace::kStationText);
  return (value < 0 ? "-" : " ") + MagnitudeText(std::fabs(value), kDoubleDigits, ".", false);
}

}  // namespace capset
