#pragma once
// Doubles to digits and back, in the C form and independent of any locale:
// the one place the core turns a double into characters for the number
// forms, the files and the messages, and reads typed digits back.
//
// With a standard library that has floating std::to_chars/std::from_chars
// (libstdc++ 11 and later) these call them. Where it lacks them (libc++ 13
// of the WebAssembly toolchain) the same characters come from the C
// library's correctly rounded printf and strtod: the shortest digits that
// read back to the same double, chosen as std::to_chars chooses them, and
// integers of 2^53 and above written with every digit of their exact value.
// Both ways are always built, so the tests compare them on every platform.

#include <cstddef>
#include <string>
#include <system_error>

namespace capset {

// std::to_chars(value): the shortest digits that read back to `value`, in
// fixed or exponent form, whichever is shorter (fixed on a tie): "0.1",
// "1e+21", "123456789012345683968", "5e-324".
std::string ShortestText(double value);
// std::to_chars(value, fixed): the shortest digits in fixed form: "0.0000001",
// "1000000000000000000000".
std::string ShortestFixedText(double value);
// std::to_chars(value, general, digits): rounded once to `digits` (1 … 17)
// significant digits as printf's "%.<digits>g" in the C locale.
std::string GeneralDigitsText(double value, int digits);
// std::to_chars(value, fixed, decimals): exactly `decimals` (0 or more)
// decimals, rounded once from the exact value.
std::string FixedDigitsText(double value, int decimals);

// std::from_chars(first, last, value) in the general format: the longest
// prefix that is a number ("-" allowed, "+" not), `value` left as it was on
// an error; std::errc::result_out_of_range when the digits lie beyond the
// doubles (1e400) or below the least of them (1e-400).
struct DoubleRead {
  const char* end;
  std::errc error;
};
DoubleRead ReadDouble(const char* first, const char* last, double& value);

// The same, always through the C library; for the tests and the platforms
// without floating std::to_chars.
namespace portable {
std::string ShortestText(double value);
std::string ShortestFixedText(double value);
std::string GeneralDigitsText(double value, int digits);
std::string FixedDigitsText(double value, int decimals);
DoubleRead ReadDouble(const char* first, const char* last, double& value);
}  // namespace portable

}  // namespace capset
