#include "number_chars.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <version>

// Notation: a positive finite double m is written d₁.d₂…dₙ × 10^E; "digits"
// holds d₁…dₙ without trailing zeros and E is "exponent".

namespace capset {
namespace portable {
namespace {

// The C library writes and reads the locale's decimal mark; the core's
// texts always use ".".
std::string LocaleMark() {
  const char* mark = std::localeconv()->decimal_point;
  return mark != nullptr && *mark != '\0' ? mark : ".";
}

std::string Printed(const char* format, int precision, double value) {
  // Wide enough for %.17f of 1.8e308 (309 digits, a sign, a point and 17
  // decimals); a longer text is printed again at its own length.
  char buffer[400];
  const int length = std::snprintf(buffer, sizeof buffer, format, precision, value);
  std::string text;
  if (length > 0 && static_cast<std::size_t>(length) < sizeof buffer) {
    text.assign(buffer, static_cast<std::size_t>(length));
  } else if (length > 0) {
    text.resize(static_cast<std::size_t>(length) + 1);
    std::snprintf(text.data(), text.size(), format, precision, value);
    text.pop_back();
  }
  const std::string mark = LocaleMark();
  if (mark != ".") {
    if (const std::size_t at = text.find(mark); at != std::string::npos) text.replace(at, mark.size(), ".");
  }
  return text;
}

// strtod of a number in the C form, whatever the locale.
double CRead(std::string text) {
  const std::string mark = LocaleMark();
  if (mark != ".") {
    if (const std::size_t at = text.find('.'); at != std::string::npos) text.replace(at, 1, mark);
  }
  return std::strtod(text.c_str(), nullptr);
}

std::string NonFinite(double value) {
  return std::string(std::signbit(value) ? "-" : "") + (std::isinf(value) ? "inf" : "nan");
}

struct Decimal {
  std::string digits;
  int exponent = 0;

  std::string Scientific() const {
    std::string text = digits.substr(0, 1);
    if (digits.size() > 1) text += "." + digits.substr(1);
    const int e = std::abs(exponent);
    return text + (exponent < 0 ? "e-" : "e+") + (e < 10 ? "0" : "") + std::to_string(e);
  }
};

// "d.ddde±XX" as %.*e writes it.
Decimal FromExponentForm(const std::string& text) {
  Decimal d;
  const std::size_t e = text.find('e');
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] != '.') d.digits += text[i];
  }
  d.exponent = std::atoi(text.c_str() + e + 1);
  return d;
}

void DropTrailingZeros(Decimal& d) {
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
}

// One unit more in the last digit: 1.99 → 2.00 → "2", 9.9 → 10 → "1" with E + 1.
Decimal NextUp(Decimal d) {
  std::size_t i = d.digits.size();
  while (i > 0 && d.digits[i - 1] == '9') d.digits[--i] = '0';
  if (i == 0) {
    d.digits.insert(d.digits.begin(), '1');
    d.digits.pop_back();
    ++d.exponent;
  } else {
    ++d.digits[i - 1];
  }
  DropTrailingZeros(d);
  return d;
}

// The n-digit decimal that reads back to m, if one does. The nearest
// (printf's correctly rounded %.*e) reads back whenever any n-digit decimal
// does, except at a power of two: there the doubles below lie twice as
// close as those above, so the n-digit decimal above m may read back while
// the nearer one below does not.
std::optional<Decimal> ReadingBack(double m, int n, bool powerOfTwo) {
  const Decimal nearest = FromExponentForm(Printed("%.*e", n - 1, m));
  Decimal shortened = nearest;
  DropTrailingZeros(shortened);
  if (CRead(shortened.Scientific()) == m) return shortened;
  if (powerOfTwo) {
    const Decimal up = NextUp(nearest);
    if (CRead(up.Scientific()) == m) return up;
  }
  return std::nullopt;
}

// The shortest digits that read back to m (> 0, finite), the nearest to m
// among the shortest. If n digits read back, so do n + 1 (the finer grid has
// a point at least as near), so the count is found by halving 1 … 17; 17
// significant digits always read back.
Decimal Shortest(double m) {
  int binaryExponent = 0;
  const bool powerOfTwo = std::frexp(m, &binaryExponent) == 0.5;
  int low = 1;
  int high = 17;
  while (low < high) {
    const int middle = (low + high) / 2;
    if (ReadingBack(m, middle, powerOfTwo)) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  if (const std::optional<Decimal> d = ReadingBack(m, low, powerOfTwo)) return *d;
  Decimal d = FromExponentForm(Printed("%.*e", 16, m));
  DropTrailingZeros(d);
  return d;
}

// 2^53: from here on every double is an integer, written with all its digits.
constexpr double kExactIntegers = 9007199254740992.0;

std::string FixedOf(double m, const Decimal& d) {
  if (m >= kExactIntegers) return Printed("%.*f", 0, m);
  const int length = static_cast<int>(d.digits.size());
  if (d.exponent < 0) return "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
  if (d.exponent >= length - 1) return d.digits + std::string(static_cast<std::size_t>(d.exponent - (length - 1)), '0');
  return d.digits.substr(0, d.exponent + 1) + "." + d.digits.substr(d.exponent + 1);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Case-blind: does [at, last) start with `word`?
bool StartsWith(const char* at, const char* last, const char* word) {
  const std::size_t n = std::strlen(word);
  if (static_cast<std::size_t>(last - at) < n) return false;
  for (std::size_t i = 0; i < n; ++i) {
    if ((at[i] | 0x20) != word[i]) return false;
  }
  return true;
}

}  // namespace

std::string ShortestText(double value) {
  if (!std::isfinite(value)) return NonFinite(value);
  const std::string sign = std::signbit(value) ? "-" : "";
  const double m = std::fabs(value);
  if (m == 0) return sign + "0";
  const Decimal d = Shortest(m);
  const std::string fixed = FixedOf(m, d);
  const std::string scientific = d.Scientific();
  return sign + (fixed.size() <= scientific.size() ? fixed : scientific);
}

std::string ShortestFixedText(double value) {
  if (!std::isfinite(value)) return NonFinite(value);
  const std::string sign = std::signbit(value) ? "-" : "";
  const double m = std::fabs(value);
  if (m == 0) return sign + "0";
  return sign + FixedOf(m, Shortest(m));
}

std::string GeneralDigitsText(double value, int digits) {
  if (!std::isfinite(value)) return NonFinite(value);
  return Printed("%.*g", digits, value);
}

std::string FixedDigitsText(double value, int decimals) {
  if (!std::isfinite(value)) return NonFinite(value);
  return Printed("%.*f", decimals, value);
}

DoubleRead ReadDouble(const char* first, const char* last, double& value) {
  const char* at = first;
  const bool negative = at != last && *at == '-';
  if (negative) ++at;
  if (StartsWith(at, last, "inf")) {
    at += StartsWith(at, last, "infinity") ? 8 : 3;
    value = negative ? -HUGE_VAL : HUGE_VAL;
    return {at, std::errc()};
  }
  if (StartsWith(at, last, "nan")) {
    at += 3;
    value = negative ? -std::nan("") : std::nan("");
    return {at, std::errc()};
  }
  bool nonzero = false;
  std::size_t mantissaDigits = 0;
  for (; at != last && IsDigit(*at); ++at, ++mantissaDigits) nonzero |= *at != '0';
  if (at != last && *at == '.') {
    ++at;
    for (; at != last && IsDigit(*at); ++at, ++mantissaDigits) nonzero |= *at != '0';
  }
  if (mantissaDigits == 0) return {first, std::errc::invalid_argument};
  // An exponent counts only with at least one digit: "1e" reads as "1".
  if (at != last && (*at == 'e' || *at == 'E')) {
    const char* exponent = at + 1;
    if (exponent != last && (*exponent == '+' || *exponent == '-')) ++exponent;
    if (exponent != last && IsDigit(*exponent)) {
      at = exponent;
      while (at != last && IsDigit(*at)) ++at;
    }
  }
  const double read = CRead(std::string(first, at));
  if (std::isinf(read) || (read == 0 && nonzero)) return {at, std::errc::result_out_of_range};
  value = read;
  return {at, std::errc()};
}

}  // namespace portable

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L

namespace {
// Wide enough for every double in fixed form with 17 decimals; a form that
// does not fit (more decimals than any caller asks) is written by printf.
template <typename... Format>
std::optional<std::string> Chars(double value, Format... format) {
  char buffer[400];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, format...);
  if (written.ec != std::errc()) return std::nullopt;
  return std::string(buffer, written.ptr);
}
}  // namespace

std::string ShortestText(double value) {
  if (auto text = Chars(value)) return *text;
  return portable::ShortestText(value);
}
std::string ShortestFixedText(double value) {
  if (auto text = Chars(value, std::chars_format::fixed)) return *text;
  return portable::ShortestFixedText(value);
}
std::string GeneralDigitsText(double value, int digits) {
  if (auto text = Chars(value, std::chars_format::general, digits)) return *text;
  return portable::GeneralDigitsText(value, digits);
}
std::string FixedDigitsText(double value, int decimals) {
  if (auto text = Chars(value, std::chars_format::fixed, decimals)) return *text;
  return portable::FixedDigitsText(value, decimals);
}
DoubleRead ReadDouble(const char* first, const char* last, double& value) {
  const auto [end, error] = std::from_chars(first, last, value);
  return {end, error};
}

#else

std::string ShortestText(double value) { return portable::ShortestText(value); }
std::string ShortestFixedText(double value) { return portable::ShortestFixedText(value); }
std::string GeneralDigitsText(double value, int digits) { return portable::GeneralDigitsText(value, digits); }
std::string FixedDigitsText(double value, int decimals) { return portable::FixedDigitsText(value, decimals); }
DoubleRead ReadDouble(const char* first, const char* last, double& value) {
  return portable::ReadDouble(first, last, value);
}

#endif

}  // namespace capset
