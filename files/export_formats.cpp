#include "export_formats.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "delimited_lines.h"
#include "height_columns.h"
#include "log_export_points.h"
#include "log_row.h"
#include "station_text.h"

namespace capset {
namespace {

bool IsLabelChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
         c == '.';
}

std::string DatText(const std::vector<const CapRecord*>& records) {
  std::string out;
  const std::vector<std::string> labels = FileLabels(records);
  std::vector<ExportPoint> points;
  for (std::size_t n = 0; n < records.size(); ++n) {
    points.clear();
    AppendCapPoints(*records[n], labels[n], points);
    // A row made without a profile keeps the file's 0.000 as before; a
    // point of a row with heights that has none (off the profile) is left
    // empty, never a 0 the instrument would take for a height.
    for (const ExportPoint& p : points) {
      out += DatLine(p.name, "", p.xy, records[n]->heights ? p.height : std::optional(0.0));
    }
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

std::vector<std::optional<double>> PointHeightsOf(const CapRecord& record) {
  std::vector<std::optional<double>> heights;
  if (!record.Placed()) return heights;
  const RowHeights none;
  const RowHeights& h = record.heights ? *record.heights : none;
  heights.push_back(h.centre);
  const auto axis = [&h](std::size_t i) { return i < h.axis.size() ? h.axis[i] : std::nullopt; };
  if (const ExactCap* e = record.Exact()) {
    if (e->cap.left.problem == CapSideProblem::kNone) heights.push_back(h.edge1);
    if (e->cap.right.problem == CapSideProblem::kNone) heights.push_back(h.edge2);
    for (std::size_t i = 0; i < e->cap.points.size(); ++i) heights.push_back(axis(i));
    return heights;
  }
  const CapSolution* s = record.Solution();
  if (s->outer.status == SideStatus::kSolved) heights.push_back(h.edge1);
  if (s->inner.status == SideStatus::kSolved) heights.push_back(h.edge2);
  for (std::size_t i = 0; i < record.axisPoints.size(); ++i) heights.push_back(axis(i));
  return heights;
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

std::string CsvHeaderLine(int width, bool heights) { return CsvRecord(LogHeadings(width, heights)); }

std::string CsvLine(const CapRecord& record) {
  return CsvRecord(LogRowTexts(record, ".", record.heights.has_value()));
}

std::string ExportText(ExportFormat format, const std::vector<const CapRecord*>& records) {
  if (format == ExportFormat::kDat) return DatText(records);
  const bool heights = AnyRowHeights(records);
  std::string out = kUtf8Bom;
  out += CsvRecord(LogHeadings(RowsWidth(records), heights));
  for (const CapRecord* r : records) out += CsvRecord(LogRowTexts(*r, ".", heights));
  return out;
}

std::string TsvText(const std::vector<const CapRecord*>& records, const std::string& sep) {
  const bool heights = AnyRowHeights(records);
  std::string out = TsvRow(LogHeadings(RowsWidth(records), heights)) + '\n';
  for (const CapRecord* r : records) out += TsvRow(LogRowTexts(*r, sep, heights)) + '\n';
  return out;
}

}  // namespace capset
