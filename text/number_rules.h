#pragma once
// How an answer is read as a number. The whole text, blanks around it
// (blanks.h) aside, must be a decimal number in the user's locale: an optional sign,
// digits with at most one decimal separator (".5" and "5." are numbers), and
// an optional exponent such as 1E-9. No group separator: a de_DE "1.500" is a
// mistyped 1,5 far more often than fifteen hundred, so it is refused rather
// than read as 1500. The words "inf" and "nan" are not numbers.

#include <string>
#include <vector>

namespace capset {

// The symbols of a locale, UTF-8. Besides the locale's own signs, "-", "+"
// and the minus sign U+2212 are always understood, as are "e" and "E".
struct NumberSymbols {
  std::string decimal = ".";
  std::string minus = "-";
  std::string plus = "+";
  std::string exponent = "E";
  char32_t zeroDigit = U'0';  // the locale's ten digits run from here; ASCII digits always count
};

struct ReadResult {
  enum class Status { kNumber, kNotNumber, kOutOfRange };
  Status status;
  double value;  // meaningful for kNumber only; always finite then
};

// A number that overflows a double, or so small that it would read as 0
// (1e-400), is out of range; subnormal values such as 1e-310 are read.
ReadResult ReadNumber(const std::string& text, const NumberSymbols& symbols);

// A number typed by `typed`'s rules, written so that the plain rules with
// `decimal` ("." or ",") read the same value: as typed when they do already,
// otherwise in ASCII digits with `decimal`, "-" and "E" (an Arabic
// "١٢٫٥" becomes "12.5"). A text that is not a number stays as it is.
std::string PortableNumber(const std::string& text, const NumberSymbols& typed, const std::string& decimal);

}  // namespace capset
