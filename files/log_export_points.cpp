#include "log_export_points.h"

#include <unordered_map>
#include <unordered_set>

#include "export_formats.h"

namespace capset {

std::vector<std::string> FileLabels(const std::vector<const CapRecord*>& records) {
  std::unordered_map<std::string, int> uses;
  for (const CapRecord* r : records) {
    if (r->Placed()) ++uses[CapLabel(*r)];
  }
  std::unordered_set<std::string> taken;
  for (const auto& [label, count] : uses) taken.insert(label);
  std::vector<std::string> labels;
  labels.reserve(records.size());
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

void AppendCapPoints(const CapRecord& record, const std::string& label, std::vector<ExportPoint>& out) {
  if (!record.Placed()) return;
  const auto points = PointsOf(record);
  const auto heights = PointHeightsOf(record);
  for (std::size_t i = 0; i < points.size(); ++i) {
    const auto& [role, xy] = points[i];
    out.push_back({label + "-" + role, xy, record.heights ? heights[i] : std::nullopt, label, role});
  }
}

std::vector<ExportPoint> LogExportPoints(const std::vector<const CapRecord*>& records) {
  const std::vector<std::string> labels = FileLabels(records);
  std::vector<ExportPoint> points;
  for (std::size_t n = 0; n < records.size(); ++n) AppendCapPoints(*records[n], labels[n], points);
  return points;
}

}  // namespace capset
