#include "day_file.h"

#include <algorithm>
#include <charconv>

#include "export_formats.h"
#include "log_row.h"

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

std::string LastHeaderLine(std::string_view text) {
  const std::string first = RowHeadings(1)[0] + ",";
  std::string_view last;
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t end = std::min(text.find('\n', from), text.size());
    std::string_view line = text.substr(from, end - from);
    if (line.starts_with(kUtf8Bom)) line.remove_prefix(std::string_view(kUtf8Bom).size());
    if (line.starts_with(first)) last = line;
    from = end + 1;
  }
  if (last.ends_with('\r')) last.remove_suffix(1);
  return std::string(last);
}

std::string HeaderBefore(std::string_view header, int width, bool heights) {
  std::string ours = CsvHeaderLine(width, heights);
  ours.resize(ours.size() - 2);  // its CR LF
  // The header names at least these columns, in this program's words.
  if (header.starts_with(ours) && (header.size() == ours.size() || header[ours.size()] == ',')) return "";
  return CsvHeaderLine(width, heights);
}

int DayFileWidth(int rowsWidth) { return std::max(rowsWidth, ColumnsFor(kDayFilePoints)); }

}  // namespace capset
