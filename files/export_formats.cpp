#include "export_formats.h"

#include <algorithm>
#include <unordered_set>

#include "log_row.h"
#include "number_text.h"

namespace capset {
namespace {

constexpr char kFileLineEnd[] = "\r\n";

bool NeedsQuotes(char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; }

void AppendCsvField(std::string& out, const std::string& text) {
  if (std::ranges::none_of(text, NeedsQuotes)) {
    out += text;
    return;
  }
  out += '"';
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

// A tab or a line break inside a text would split the pasted row.
void AppendTsvField(std::string& out, const std::string& text) {
  for (char c : text) out += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
}

void AppendJoined(std::string& out, const RowTexts& texts, char separator,
                  void (*append)(std::string&, const std::string&)) {
  for (int c = 0; c < kRowColumnCount; ++c) {
    if (c > 0) out += separator;
    append(out, texts[c]);
  }
}

void AppendCsvLine(std::string& out, const RowTexts& texts) {
  AppendJoined(out, texts, ',', AppendCsvField);
  out += kFileLineEnd;
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

std::string PointLabel(const CapRecord& record) {
  std::string label;
  for (char c : record.name) {
    if (static_cast<unsigned char>(c) >= 0x80) return std::to_string(record.number);
    if (IsLabelChar(c)) label += c;
  }
  return label.empty() ? std::to_string(record.number) : label;
}

std::string CsvHeaderLine() {
  std::string line;
  AppendCsvLine(line, RowHeadings());
  return line;
}

std::string CsvLine(const CapRecord& record) {
  std::string line;
  AppendCsvLine(line, RowTextsOf(record, "."));
  return line;
}

std::string ExportText(ExportFormat format, const std::vector<const CapRecord*>& records) {
  if (format == ExportFormat::kDat) return DatText(records);
  std::string out = kUtf8Bom;
  AppendCsvLine(out, RowHeadings());
  for (const CapRecord* r : records) AppendCsvLine(out, RowTextsOf(*r, "."));
  return out;
}

std::string TsvText(const std::vector<const CapRecord*>& records, const std::string& sep) {
  std::string out;
  AppendJoined(out, RowHeadings(), '\t', AppendTsvField);
  out += '\n';
  for (const CapRecord* r : records) {
    AppendJoined(out, RowTextsOf(*r, sep), '\t', AppendTsvField);
    out += '\n';
  }
  return out;
}

}  // namespace capset
