#include "check_table.h"

#include <charconv>
#include <cmath>

#include "check_texts.h"
#include "round3.h"
#include "station_text.h"

namespace capset {
namespace {

constexpr char kCheckTag[] = "CHECK";
constexpr char kUnknown[] = "-";

bool OnRoad(const CheckResult& r) { return r.foot.status == WhereStatus::kOnRoad; }

// A station that exists twice (in a 长链) says which of the two it is.
std::string Occurrence(const StationRef& station) {
  return station.occurrence > 0 ? "(" + std::to_string(station.occurrence) + ")" : "";
}

bool NeedsQuotes(const std::string& text) { return text.find_first_of(",\"\r\n") != std::string::npos; }

std::string CsvField(const std::string& text) {
  if (!NeedsQuotes(text)) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

// A tab or a line break inside a name would split the pasted row.
std::string TsvField(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

template <typename Field>
void AppendLine(std::string& out, const std::vector<std::string>& cells, char separator, Field field,
                const char* end) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) out += separator;
    out += field(cells[i]);
  }
  out += end;
}

}  // namespace

std::string FixedText(double value, int decimals, const std::string& sep) {
  // Millimetres are rounded as the boxes round them, so a coordinate reads
  // the same here as in the window and its files.
  if (decimals == 3) value = Round3(value);
  char buffer[400];
  auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  std::string text(buffer, written.ptr);
  if (text.find_first_not_of("-0.") == std::string::npos && text.starts_with('-')) text.erase(0, 1);
  if (const std::size_t dot = text.find('.'); dot != std::string::npos) text.replace(dot, 1, sep);
  return text;
}

std::vector<std::string> CheckCells(const CheckResult& r, const std::string& sep) {
  std::vector<std::string> cells{r.measured.name, FixedText(r.measured.point.X, 3, sep),
                                 FixedText(r.measured.point.Y, 3, sep)};
  if (OnRoad(r)) {
    cells.push_back(FootStationText(r.foot.station.value) + Occurrence(r.foot.station));
    cells.push_back(FixedText(r.foot.offset, 3, sep));
  } else {
    cells.insert(cells.end(), {kCheckOffRoad, ""});
  }
  if (const auto& c = r.cap) {
    cells.insert(cells.end(), {CheckCapText(c->name, c->row), FixedText(c->along, 3, sep), FixedText(c->across, 3, sep),
                               c->nearest, FixedText(c->dX * 1000, 1, sep), FixedText(c->dY * 1000, 1, sep),
                               FixedText(c->distance * 1000, 1, sep), c->over ? kCheckOver : kCheckOk});
  } else {
    if (r.farFromCaps) cells.push_back(kCheckNoCapNear);
    cells.resize(CheckHeadings().size());
  }
  return cells;
}

std::string CheckTsv(const std::vector<CheckResult>& results, const std::string& sep) {
  std::string out;
  AppendLine(out, CheckHeadings(), '\t', TsvField, "\n");
  for (const CheckResult& r : results) AppendLine(out, CheckCells(r, sep), '\t', TsvField, "\n");
  return out;
}

std::string CheckCsv(const std::vector<CheckResult>& results) {
  std::string out = "\xEF\xBB\xBF";
  AppendLine(out, CheckHeadings(), ',', CsvField, "\r\n");
  for (const CheckResult& r : results) AppendLine(out, CheckCells(r, "."), ',', CsvField, "\r\n");
  return out;
}

std::string CheckLine(const CheckResult& r) {
  auto m = [](double v) { return FixedText(v, 6, "."); };
  std::vector<std::string> fields{kCheckTag, r.measured.name};
  if (OnRoad(r)) {
    fields.push_back(m(r.foot.station.value) + Occurrence(r.foot.station));
    fields.push_back(m(r.foot.offset));
  } else {
    fields.insert(fields.end(), {kUnknown, kUnknown});
  }
  if (const auto& c = r.cap) {
    fields.insert(fields.end(), {std::to_string(c->row), m(c->along), m(c->across), c->nearest, m(c->dX), m(c->dY),
                                 m(c->distance), c->over ? "over" : "ok"});
  } else {
    fields.insert(fields.end(), 7, kUnknown);
    fields.push_back(r.farFromCaps ? "far" : kUnknown);
  }
  std::string line;
  AppendLine(line, fields, '\t', TsvField, "");
  return line;
}

}  // namespace capset
