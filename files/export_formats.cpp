#include "export_formats.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "delimited_lines.h"
#include "log_row.h"
#include "station_text.h"

namespace capset {
namespace {

bool IsLabelChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
         c == '.';
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
    for (const auto& [role, point] : PointsOf(*r)) out += DatLine(labels[n] + "-" + role, "", point);
  }
  return out;
}

}  // namespace

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
  return CsvRecord(RowHeadings(width));
}

std::string CsvLine(const CapRecord& record) { return CsvRecord(ShownRowTexts(record, ".")); }

std::string ExportText(ExportFormat format, const std::vector<const CapRecord*>& records) {
  if (format == ExportFormat::kDat) return DatText(records);
  std::string out = kUtf8Bom;
  out += CsvRecord(RowHeadings(RowsWidth(records)));
  for (const CapRecord* r : records) out += CsvRecord(ShownRowTexts(*r, "."));
  return out;
}

std::string TsvText(const std::vector<const CapRecord*>& records, const std::string& sep) {
  std::string out = TsvRow(RowHeadings(RowsWidth(records))) + '\n';
  for (const CapRecord* r : records) out += TsvRow(ShownRowTexts(*r, sep)) + '\n';
  return out;
}

}  // namespace capset
