#include "export_point_lists.h"

#include "export_formats.h"

namespace capset {

std::vector<ExportPoint> BridgeExportPoints(const BridgeSolution& solution) {
  std::vector<ExportPoint> points;
  for (const BentSolution& bent : solution.bents) {
    if (!bent.Solved()) continue;
    for (const BridgePoint& p : bent.points) points.push_back({p.Name(), p.xy, p.height, p.bent, p.point});
  }
  return points;
}

std::vector<ExportPoint> LogExportPoints(const std::vector<const CapRecord*>& records) {
  std::vector<ExportPoint> points;
  const std::vector<std::string> labels = DatLabels(records);
  for (std::size_t n = 0; n < records.size(); ++n) {
    const CapRecord& r = *records[n];
    if (!r.Placed()) continue;
    const auto roles = PointsOf(r);
    const auto heights = PointHeightsOf(r);
    for (std::size_t i = 0; i < roles.size(); ++i) {
      const auto& [role, xy] = roles[i];
      points.push_back({labels[n] + "-" + role, xy, heights[i], labels[n], role});
    }
  }
  return points;
}

}  // namespace capset
