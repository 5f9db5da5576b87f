#include "number_rules.h"

#include <optional>
#include <string_view>
#include <system_error>

#include "blanks.h"
#include "number_chars.h"
#include "utf8.h"

namespace capset {
namespace {

// The next symbol of `text` in the C form ('0' to '9', '.', '-', '+', 'e'),
// consumed from `text`; 0 when it is none of them.
char TakeSymbol(std::string_view& text, const NumberSymbols& symbols) {
  auto take = [&](std::string_view symbol) {
    if (symbol.empty() || !text.starts_with(symbol)) return false;
    text.remove_prefix(symbol.size());
    return true;
  };
  if (take(symbols.decimal)) return '.';
  if (take(symbols.minus) || take("-") || take("\u2212")) return '-';
  if (take(symbols.plus) || take("+")) return '+';
  if (take(symbols.exponent) || take("e") || take("E")) return 'e';
  if (text[0] >= '0' && text[0] <= '9') {
    const char digit = text[0];
    text.remove_prefix(1);
    return digit;
  }
  for (char32_t d = 0; d < 10; ++d) {
    if (take(Utf8(symbols.zeroDigit + d))) return static_cast<char>('0' + d);
  }
  return 0;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// [sign] (digits [. digits*] | . digits+) [e [sign] digits+]
bool WellFormed(std::string_view c) {
  std::size_t i = 0;
  auto sign = [&] {
    if (i < c.size() && (c[i] == '-' || c[i] == '+')) ++i;
  };
  auto digits = [&] {
    const std::size_t from = i;
    while (i < c.size() && IsDigit(c[i])) ++i;
    return i - from;
  };
  sign();
  const std::size_t whole = digits();
  std::size_t fraction = 0;
  if (i < c.size() && c[i] == '.') {
    ++i;
    fraction = digits();
  }
  if (whole == 0 && fraction == 0) return false;
  if (i < c.size() && c[i] == 'e') {
    ++i;
    sign();
    if (digits() == 0) return false;
  }
  return i == c.size();
}

// The number in the C form ("-12.5e3"), or nothing when it is none.
std::optional<std::string> CForm(const std::string& text, const NumberSymbols& symbols) {
  std::string_view rest = TrimBlanks(text);
  std::string c;
  while (!rest.empty()) {
    const char symbol = TakeSymbol(rest, symbols);
    if (symbol == 0) return std::nullopt;
    c += symbol;
  }
  if (!WellFormed(c)) return std::nullopt;
  return c;
}

}  // namespace

ReadResult ReadNumber(const std::string& text, const NumberSymbols& symbols) {
  constexpr ReadResult kNotNumber{ReadResult::Status::kNotNumber, 0};
  const std::optional<std::string> form = CForm(text, symbols);
  if (!form) return kNotNumber;
  const std::string& c = *form;
  // ReadDouble reads the C form without a leading "+" and knows no locale.
  const std::size_t from = c[0] == '+' ? 1 : 0;
  double value = 0;
  const auto [end, error] = ReadDouble(c.data() + from, c.data() + c.size(), value);
  if (error == std::errc::result_out_of_range) return {ReadResult::Status::kOutOfRange, 0};
  if (error != std::errc() || end != c.data() + c.size()) return kNotNumber;
  return {ReadResult::Status::kNumber, value};
}

std::string PortableNumber(const std::string& text, const NumberSymbols& typed, const std::string& decimal) {
  const ReadResult meant = ReadNumber(text, typed);
  const ReadResult plain = ReadNumber(text, NumberSymbols{.decimal = decimal});
  if (meant.status != ReadResult::Status::kNumber ||
      (plain.status == ReadResult::Status::kNumber && plain.value == meant.value)) {
    return text;
  }
  std::string c = *CForm(text, typed);
  if (const std::size_t point = c.find('.'); point != std::string::npos) c.replace(point, 1, decimal);
  return c;
}

}  // namespace capset
