#include "export_formats.h"

#include <charconv>
#include <unordered_set>

#include "log_row.h"
#include "round3.h"

namespace capset {
namespace {

constexpr char kFileLineEnd[] = "\r\n";

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string Joined(const RowTexts& texts, char separator, std::string (*field)(const std::string&)) {
  std::string line;
  for (int c = 0; c < kRowColumnCount; ++c) {
    if (c > 0) line += separator;
    line += field(texts[c]);
  }
  return line;
}

// A tab or a line break inside a text would split the pasted row.
std::string TsvField(const std::string& text) {
  std::string field = text;
  for (char& c : field) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return field;
}

bool IsLabelChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
         c == '.';
}

void AddPoint(std::string& out, const std::string& name, PlanePoint p) {
  out += name + "," + "," + FixedCoordinateText(p.Y) + "," + FixedCoordinateText(p.X) + ",0.000" + kFileLineEnd;
}

std::string DatText(const std::vector<const CapRecord*>& records) {
  std::string out;
  // Two caps of one name (a station computed twice, say) must not give two
  // points of one name: an instrument would keep only the last.
  std::unordered_set<std::string> labels;
  for (const CapRecord* r : records) {
    const CapSolution* s = r->Solution();
    if (s == nullptr) continue;
    std::string label = PointLabel(*r);
    while (!labels.insert(label).second) label += "_" + std::to_string(r->number);
    AddPoint(out, label + "-C", s->centre);
    if (s->outer.status == SideStatus::kSolved) AddPoint(out, label + "-O", s->outer.point);
    if (s->inner.status == SideStatus::kSolved) AddPoint(out, label + "-I", s->inner.point);
    for (std::size_t i = 0; i < r->axisPoints.size(); ++i) {
      AddPoint(out, label + "-P" + std::to_string(i + 1), r->axisPoints[i].point);
    }
  }
  return out;
}

}  // namespace

std::string FixedCoordinateText(double value) {
  double rounded = Round3(value);
  if (rounded == 0) rounded = 0;  // no "-0.000"
  char buffer[400];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, 3);
  return std::string(buffer, written.ptr);
}

std::string PointLabel(const CapRecord& record) {
  std::string label;
  for (char c : record.name) {
    if (static_cast<unsigned char>(c) >= 0x80) return std::to_string(record.number);
    if (IsLabelChar(c)) label += c;
  }
  return label.empty() ? std::to_string(record.number) : label;
}

std::string CsvHeaderLine() { return Joined(RowHeadings(), ',', CsvField) + kFileLineEnd; }

std::string CsvLine(const CapRecord& record) { return Joined(RowTextsOf(record, "."), ',', CsvField) + kFileLineEnd; }

std::string ExportText(ExportFormat format, const std::vector<const CapRecord*>& records) {
  if (format == ExportFormat::kDat) return DatText(records);
  std::string out = std::string(kUtf8Bom) + CsvHeaderLine();
  for (const CapRecord* r : records) out += CsvLine(*r);
  return out;
}

std::string TsvText(const std::vector<const CapRecord*>& records, const std::string& sep) {
  std::string out = Joined(RowHeadings(), '\t', TsvField) + "\n";
  for (const CapRecord* r : records) out += Joined(RowTextsOf(*r, sep), '\t', TsvField) + "\n";
  return out;
}

}  // namespace capset
