#include "blanks.h"

#include "utf8.h"

namespace capset {
namespace {

constexpr char32_t kUnicodeBlanks[] = {0x85,   0xA0,   0x1680, 0x2000, 0x2001, 0x2002, 0x2003,
                                       0x2004, 0x2005, 0x2006, 0x2007, 0x2008, 0x2009, 0x200A,
                                       0x2028, 0x2029, 0x202F, 0x205F, 0x3000};

// The length of a blank that ends `text` exactly; 0 when none.
std::size_t BlankBefore(std::string_view text) {
  for (std::size_t n = 1; n <= 3 && n <= text.size(); ++n) {
    if (BlankAt(text.substr(text.size() - n)) == n) return n;
  }
  return 0;
}

}  // namespace

std::size_t BlankAt(std::string_view text) {
  if (text.empty()) return 0;
  if (text[0] == ' ' || (text[0] >= '\t' && text[0] <= '\r')) return 1;
  for (char32_t blank : kUnicodeBlanks) {
    const std::string b = Utf8(blank);
    if (text.starts_with(b)) return b.size();
  }
  return 0;
}

std::string_view TrimBlanks(std::string_view text) {
  for (std::size_t n; (n = BlankAt(text)) != 0;) text.remove_prefix(n);
  for (std::size_t n; (n = BlankBefore(text)) != 0;) text.remove_suffix(n);
  return text;
}

bool IsBlank(std::string_view text) { return TrimBlanks(text).empty(); }

std::string BlanksAsSpaces(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    if (const std::size_t n = BlankAt(text); n != 0) {
      out += ' ';
      text.remove_prefix(n);
    } else {
      out += text[0];
      text.remove_prefix(1);
    }
  }
  return out;
}

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  for (std::size_t n; !text.empty();) {
    if ((n = BlankAt(text)) != 0) {
      text.remove_prefix(n);
      continue;
    }
    std::size_t end = 0;
    while (end < text.size() && BlankAt(text.substr(end)) == 0) ++end;
    words.emplace_back(text.substr(0, end));
    text.remove_prefix(end);
  }
  return words;
}

std::pair<std::string, std::string> FirstWord(std::string_view text) {
  text = TrimBlanks(text);
  std::size_t end = 0;
  while (end < text.size() && BlankAt(text.substr(end)) == 0) ++end;
  return {std::string(text.substr(0, end)), std::string(TrimBlanks(text.substr(end)))};
}

}  // namespace capset
