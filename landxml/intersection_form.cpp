// The intersection points of an element road.
//
// Notation
//   a, b     poses at a curve's first and last point (ZH or ZY, HZ or YZ)
//   ta, tb   their forward tangents (cos θ, sin θ) in (X, Y)
//   T1, T2   the tangent lengths: JD = a + T1·ta = b − T2·tb

#include "intersection_form.h"

#include <algorithm>
#include <cmath>

namespace capset {
namespace {

bool SameCurvature(double a, double b) { return std::fabs(a - b) <= 1e-9 * std::max(std::fabs(a), std::fabs(b)); }

// A spiral's end is straight when its curvature is nothing beside the other
// end's: κ0 + c·L leaves a few 1e-19 where the sum should be 0.
bool StraightEnd(double k, double other) { return std::fabs(k) <= 1e-9 * std::fabs(other); }

// The elements worth comparing: a straight shorter than a joint's
// tolerance between two curves is where a table's curves touch.
std::vector<RoadElement> Substantial(const Road& road) {
  std::vector<RoadElement> kept;
  for (const RoadElement& e : road.elements()) {
    if (e.kind == ElementKind::kLine && e.length <= kJointTolerance) continue;
    kept.push_back(e);
  }
  return kept;
}

bool SameRoad(const Road& a, const Road& b) {
  const std::vector<RoadElement> ea = Substantial(a), eb = Substantial(b);
  if (ea.size() != eb.size() || std::fabs(a.length() - b.length()) > kJointTolerance) return false;
  auto gap = [](PlanePoint p, PlanePoint q) { return std::hypot(p.X - q.X, p.Y - q.Y); };
  for (std::size_t i = 0; i < ea.size(); ++i) {
    if (ea[i].kind != eb[i].kind || std::fabs(ea[i].length - eb[i].length) > kJointTolerance) return false;
    if (gap(a.PoseAt(ea[i].start).point, b.PoseAt(eb[i].start).point) > kJointTolerance) return false;
  }
  return gap(a.PoseAt(a.length()).point, b.PoseAt(b.length()).point) <= kJointTolerance;
}

}  // namespace

std::optional<IntersectionRoadInput> IntersectionForm(const ElementRoadInput& input) {
  const RoadBuild built = RoadFromElements(input);
  if (!built.road) return std::nullopt;
  const Road& road = *built.road;
  const std::vector<RoadElement>& el = road.elements();
  IntersectionRoadInput table{input.station, road.PoseAt(0).point, {}, road.PoseAt(road.length()).point, input.equations};
  std::size_t i = 0;
  while (i < el.size()) {
    if (el[i].kind == ElementKind::kLine) {
      ++i;
      continue;
    }
    const double begin = el[i].start;
    double Ls1 = 0, Ls2 = 0;
    if (el[i].kind == ElementKind::kSpiral) {
      if (!StraightEnd(el[i].startCurvature, el[i].endCurvature)) return std::nullopt;
      Ls1 = el[i].length;
      ++i;
      if (i >= el.size() || !SameCurvature(el[i - 1].endCurvature, el[i].startCurvature)) return std::nullopt;
    }
    if (i >= el.size() || el[i].kind != ElementKind::kArc) return std::nullopt;
    const double k = el[i].startCurvature;
    ++i;
    if (i < el.size() && el[i].kind == ElementKind::kSpiral && StraightEnd(el[i].endCurvature, el[i].startCurvature)) {
      if (!SameCurvature(el[i].startCurvature, k)) return std::nullopt;
      Ls2 = el[i].length;
      ++i;
    }
    const double end = el[i - 1].start + el[i - 1].length;
    const RoadPose a = road.PoseAt(begin), b = road.PoseAt(end);
    const double tax = std::cos(a.heading), tay = std::sin(a.heading);
    const double tbx = std::cos(b.heading), tby = std::sin(b.heading);
    const double dx = b.point.X - a.point.X, dy = b.point.Y - a.point.Y;
    const double det = tax * tby - tay * tbx;
    if (std::fabs(det) < 1e-9) return std::nullopt;  // a curve turning 0° or 180°: no intersection point
    const double T1 = (dx * tby - dy * tbx) / det, T2 = (tax * dy - tay * dx) / det;
      if (!(T1 > 0 && T2 > 0)) return std::nullopt;  // a curve turning 180° or more
    table.jds.push_back({{a.point.X + T1 * tax, a.point.Y + T1 * tay}, 1 / std::fabs(k), Ls1, Ls2});
  }
  if (table.jds.empty()) return std::nullopt;
  const RoadBuild again = RoadFromIntersections(table);
  if (!again.road || !SameRoad(road, *again.road)) return std::nullopt;
  return table;
}

}  // namespace capset
