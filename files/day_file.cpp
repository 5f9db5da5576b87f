#include "day_file.h"

#include <algorithm>
#include <charconv>

namespace capset {
namespace {

// A row of ours starts with its number, a field of digits alone.
int NumberOf(std::string_view line) {
  const std::size_t comma = line.find(',');
  if (comma == std::string_view::npos || comma == 0 || comma > 9) return 0;
  int number = 0;
  const auto [end, error] = std::from_chars(line.data(), line.data() + comma, number);
  return error == std::errc() && end == line.data() + comma ? number : 0;
}

}  // namespace

int LastRowNumber(std::string_view text, bool whole) {
  // The bytes before the first line end may be the end of a line cut off.
  std::size_t from = 0;
  if (!whole) {
    from = text.find('\n');
    if (from == std::string_view::npos) return 0;
    ++from;
  }
  int last = 0;
  while (from < text.size()) {
    const std::size_t end = std::min(text.find('\n', from), text.size());
    last = std::max(last, NumberOf(text.substr(from, end - from)));
    from = end + 1;
  }
  return last;
}

}  // namespace capset
