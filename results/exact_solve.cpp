#include "exact_solve.h"

namespace capset {

CapRecord SolveExactCap(const ExactBatchPlan& plan, const Road& road, const ExactOrigin& origin,
                        const StationEntry& entry) {
  const bool own = plan.axis == CapAxisMode::kOwn;
  const double design = own ? entry.station : plan.design;
  const RoadCapRequest request{{entry.station}, plan.B, plan.axis, {design}, plan.left, plan.right, plan.offsets};
  CapRecord record;
  record.name = entry.name;
  record.answers = {entry.station, 0, 0};
  ExactCap exact{origin, entry.station, plan.B, plan.axis, design, plan.left, plan.right,
                 SolveRoadCap(road, request), 0};
  exact.outerSide = exact.Placed() ? OuterSideOf(exact.cap) : 0;
  record.axisPoints.reserve(exact.cap.points.size());
  for (const RoadCapPoint& p : exact.cap.points) record.axisPoints.push_back({p.along, p.point});
  record.outcome = std::move(exact);
  return record;
}

std::vector<CapRecord> SolveExactBatch(const ExactBatchPlan& plan, const Road& road, const ExactOrigin& origin) {
  std::vector<CapRecord> records;
  records.reserve(plan.stations.size());
  for (const BatchStation& station : plan.stations) {
    records.push_back(SolveExactCap(plan, road, origin, station.entry));
  }
  return records;
}

}  // namespace capset
