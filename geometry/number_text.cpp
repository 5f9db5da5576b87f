#include "number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "fault.h"

namespace capset {
namespace {

constexpr int kDoubleDigits = 15;
constexpr int kFloatDigits = 7;

// A positive magnitude rounded once to `digits` significant digits:
// value = 0.d1d2d3... × 10^(exponent + 1), trailing zeros removed.
struct Decimal {
  std::string digits;
  int exponent;
};

Decimal RoundToSignificant(double magnitude, int digits) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, magnitude);
  std::string text(buffer);
  const std::size_t e = text.find('e');
  Decimal d{text.substr(0, 1) + (digits > 1 ? text.substr(2, e - 2) : ""),
            std::atoi(text.c_str() + e + 1)};
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

std::string MagnitudeText(double magnitude, int digits, const std::string& sep, bool zeroBeforeSep) {
  if (magnitude == 0) return "0";
  const Decimal d = RoundToSignificant(magnitude, digits);
  const std::string& g = d.digits;
  if (d.exponent < -4 || d.exponent >= digits) {
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "E%+03d", d.exponent);
    return g.substr(0, 1) + (g.size() > 1 ? sep + g.substr(1) : "") + exponent;
  }
  if (d.exponent < 0) {
    return (zeroBeforeSep ? "0" : "") + sep + std::string(-d.exponent - 1, '0') + g;
  }
  const std::size_t whole = d.exponent + 1;
  if (g.size() <= whole) return g + std::string(whole - g.size(), '0');
  return g.substr(0, whole) + sep + g.substr(whole);
}

std::string GeneralText(double value, int digits, const std::string& sep) {
  Finite(value, "数值显示");
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
  Finite(value, "桩号显示");
  return (value < 0 ? "-" : " ") + MagnitudeText(std::fabs(value), kDoubleDigits, ".", false);
}

}  // namespace capset
