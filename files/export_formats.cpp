#include "export_formats.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
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
  for (std::size_t c = 0; c < texts.size(); ++c) {
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

// The label each placed cap's points take in the file: its own, or with the
// row number added where a label is shared, so no two caps give points of
// one name. A label that the number makes equal to another takes it again.
std::vector<std::string> DatLabels(const std::vector<const CapRecord*>& records) {
  std::unordered_map<std::string, int> uses;
  for (const CapRecord* r : records) {
    if (r->Placed()) ++uses[CapLabel(*r)];
  }
  std::unordered_set<std::string> taken;
  for (const auto& [label, count] : uses) taken.insert(label);
  std::vector<std::string> labels;
  for (const CapRecord* r : records) {
    std::string label = CapLabel(*r);
    if (r->Placed() && uses[label] > 1) {
      do {
        label += "_" + std::to_string(r->number);
      } while (!taken.insert(label).second);
    }
    labels.push_back(std::move(label));
  }
  return labels;
}

std::string DatText(const std::vector<const CapRecord*>& records) {
  std::string out;
  const std::vector<std::string> labels = DatLabels(records);
  for (std::size_t n = 0; n < records.size(); ++n) {
    const CapRecord* r = records[n];
    if (!r->Placed()) continue;
    for (const auto& [role, point] : PointsOf(*r)) AddPoint(out, labels[n] + "-" + role, point);
  }
  return out;
}

}  // namespace

std::string StationLabel(double station) {
  // Whole millimetres, so that metres that round to 1000 carry into the
  // kilometre: 1999.9996 is K2+000.
  if (!(std::fabs(station) < 1e15)) return "K" + NumberText(station, ".");
  const long long mm = std::llround(std::fabs(station) * 1000);
  std::string metres = std::to_string(mm % 1000000 / 1000);
  metres.insert(0, 3 - metres.size(), '0');
  std::string fraction = std::to_string(mm % 1000);
  fraction.insert(0, 3 - fraction.size(), '0');
  fraction.erase(fraction.find_last_not_of('0') + 1);
  return std::string(station < 0 && mm != 0 ? "-" : "") + "K" + std::to_string(mm / 1000000) + "+" + metres +
         (fraction.empty() ? "" : "." + fraction);
}

std::string CapLabel(const CapRecord& record) {
  std::string label;
  for (char c : record.name) {
    if (static_cast<unsigned char>(c) >= 0x80) return StationLabel(record.CentreStation());
    if (IsLabelChar(c)) label += c;
  }
  return label.empty() ? StationLabel(record.CentreStation()) : label;
}

std::vector<std::pair<std::string, PlanePoint>> PointsOf(const CapRecord& record) {
  std::vector<std::pair<std::string, PlanePoint>> points;
  if (const ExactCap* e = record.Exact()) {
    if (!e->Placed()) return points;
    points.emplace_back("C", e->cap.centre.point);
    if (e->cap.left.problem == CapSideProblem::kNone) points.emplace_back("L", e->cap.left.point.point);
    if (e->cap.right.problem == CapSideProblem::kNone) points.emplace_back("R", e->cap.right.point.point);
    for (std::size_t i = 0; i < e->cap.points.size(); ++i) {
      points.emplace_back("P" + std::to_string(i + 1), e->cap.points[i].point);
    }
    return points;
  }
  const CapSolution* s = record.Solution();
  if (s == nullptr) return points;
  points.emplace_back("C", s->centre);
  if (s->outer.status == SideStatus::kSolved) points.emplace_back("O", s->outer.point);
  if (s->inner.status == SideStatus::kSolved) points.emplace_back("I", s->inner.point);
  for (std::size_t i = 0; i < record.axisPoints.size(); ++i) {
    points.emplace_back("P" + std::to_string(i + 1), record.axisPoints[i].point);
  }
  return points;
}

std::vector<SharedLabel> SharedLabels(const std::vector<const CapRecord*>& records) {
  std::vector<SharedLabel> shared;
  std::unordered_map<std::string, std::size_t> at;
  std::unordered_map<std::string, std::vector<int>> numbers;
  std::vector<std::string> order;
  for (const CapRecord* r : records) {
    if (!r->Placed()) continue;
    const std::string label = CapLabel(*r);
    if (numbers[label].empty()) order.push_back(label);
    numbers[label].push_back(r->number);
  }
  for (const std::string& label : order) {
    if (numbers[label].size() > 1) shared.push_back({label, numbers[label]});
  }
  return shared;
}

std::string CsvHeaderLine(int width) {
  std::string line;
  AppendCsvLine(line, RowHeadings(width));
  return line;
}

std::string CsvLine(const CapRecord& record) {
  std::string line;
  AppendCsvLine(line, ShownRowTexts(record, "."));
  return line;
}

std::string ExportText(ExportFormat format, const std::vector<const CapRecord*>& records) {
  if (format == ExportFormat::kDat) return DatText(records);
  std::string out = kUtf8Bom;
  AppendCsvLine(out, RowHeadings(RowsWidth(records)));
  for (const CapRecord* r : records) AppendCsvLine(out, ShownRowTexts(*r, "."));
  return out;
}

std::string TsvText(const std::vector<const CapRecord*>& records, const std::string& sep) {
  std::string out;
  AppendJoined(out, RowHeadings(RowsWidth(records)), '\t', AppendTsvField);
  out += '\n';
  for (const CapRecord* r : records) {
    AppendJoined(out, ShownRowTexts(*r, sep), '\t', AppendTsvField);
    out += '\n';
  }
  return out;
}

}  // namespace capset
