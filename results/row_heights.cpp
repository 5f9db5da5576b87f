#include "row_heights.h"

#include <cmath>

#include "cap_record.h"

namespace capset {

std::optional<double> HeightAt(const RoadHeights& heights, double distance, double offset, double depth) {
  const auto at = heights.At(distance, offset);
  const PointHeight* h = std::get_if<PointHeight>(&at);
  if (h == nullptr || !std::isfinite(h->elevation)) return std::nullopt;
  return h->elevation - depth;
}

namespace {

std::optional<double> AtFoot(const RoadCapPoint& p, const RoadHeights& heights, double depth) {
  if (p.status != WhereStatus::kOnRoad) return std::nullopt;
  return HeightAt(heights, p.distance, p.offset, depth);
}

std::optional<double> AtEdge(const RoadCapEdge& edge, const RoadHeights& heights, double depth) {
  if (edge.problem != CapSideProblem::kNone) return std::nullopt;
  return AtFoot(edge.point, heights, depth);
}

std::optional<double> AtPoint(PlanePoint point, const RoadHeights& heights, const Road& road, double depth) {
  const RoadFoot foot = road.Where(point);
  if (foot.status != WhereStatus::kOnRoad) return std::nullopt;
  return HeightAt(heights, foot.distance, foot.offset, depth);
}

}  // namespace

RowHeights HeightsOfRow(const CapRecord& record, const RoadHeights& heights, const Road& road, double depth) {
  RowHeights out;
  out.depth = depth;
  if (const ExactCap* e = record.Exact()) {
    if (!e->Placed()) return out;
    // Each point at its own foot: a skewed cap's edges stand at stations
    // metres apart from its centre's, and the deck rises between them.
    out.centre = AtFoot(e->cap.centre, heights, depth);
    out.edge1 = AtEdge(e->cap.left, heights, depth);
    out.edge2 = AtEdge(e->cap.right, heights, depth);
    for (const RoadCapPoint& p : e->cap.points) out.axis.push_back(AtFoot(p, heights, depth));
    return out;
  }
  const CapSolution* s = record.Solution();
  if (s == nullptr) return out;
  out.centre = AtPoint(s->centre, heights, road, depth);
  if (s->outer.status == SideStatus::kSolved) out.edge1 = AtPoint(s->outer.point, heights, road, depth);
  if (s->inner.status == SideStatus::kSolved) out.edge2 = AtPoint(s->inner.point, heights, road, depth);
  for (const AxisPoint& p : record.axisPoints) out.axis.push_back(AtPoint(p.point, heights, road, depth));
  return out;
}

}  // namespace capset
