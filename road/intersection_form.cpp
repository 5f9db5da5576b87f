// The intersection points of an element road.
//
// Notation
//   κ        signed curvature, right positive
//   a, b     a curve's first and last point (ZH or ZY, HZ or YZ)
//   JD       where the tangents at a and b meet (tangents_meet.h)
//   Ls1, Ls2 the lengths of the spirals into and out of the curve; R = 1/|κ|
//            of its arc, or of the point where its two spirals meet

#include "intersection_form.h"

#include <algorithm>
#include <cmath>

#include "spiral_end.h"
#include "tangents_meet.h"

namespace capset {
namespace {

// Two curvatures of one joint: each end was made from the same radius, so
// they differ by the rounding of κ0 + c·L.
bool SameCurvature(double a, double b) { return std::fabs(a - b) <= kStraightEndRatio * std::max(std::fabs(a), std::fabs(b)); }

// The elements worth comparing: a straight shorter than a joint's
// tolerance between two curves is where a table's curves touch, an arc as
// short between two spirals is where they meet.
std::vector<RoadElement> Substantial(const Road& road) {
  std::vector<RoadElement> kept;
  kept.reserve(road.elements().size());
  for (const RoadElement& e : road.elements()) {
    if (e.kind != ElementKind::kSpiral && e.length <= kJointTolerance) continue;
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

bool IsSpiral(const std::vector<RoadElement>& el, std::size_t i) { return i < el.size() && el[i].kind == ElementKind::kSpiral; }

}  // namespace

std::optional<IntersectionRoadInput> IntersectionForm(const Road& road) {
  const std::vector<RoadElement>& el = road.elements();
  IntersectionRoadInput table{road.firstStation(), road.PoseAt(0).point, {}, road.PoseAt(road.length()).point,
                              road.equations()};
  std::size_t i = 0;
  while (i < el.size()) {
    if (el[i].kind == ElementKind::kLine) {
      ++i;
      continue;
    }
    const double begin = el[i].start;
    double Ls1 = 0, Ls2 = 0, k = 0;
    if (el[i].kind == ElementKind::kSpiral) {
      if (!IsStraightEnd(el[i].startCurvature, el[i].endCurvature)) return std::nullopt;
      Ls1 = el[i].length;
      k = el[i].endCurvature;
      ++i;
      if (i >= el.size() || !SameCurvature(k, el[i].startCurvature)) return std::nullopt;
      if (el[i].kind == ElementKind::kArc) k = el[i++].startCurvature;  // else the spirals meet: no arc
    } else {
      k = el[i].startCurvature;  // an arc with no spiral before it
      ++i;
    }
    if (IsSpiral(el, i) && IsStraightEnd(el[i].endCurvature, el[i].startCurvature)) {
      if (!SameCurvature(el[i].startCurvature, k)) return std::nullopt;
      Ls2 = el[i].length;
      ++i;
    } else if (el[i - 1].kind == ElementKind::kSpiral) {
      return std::nullopt;  // a road ending inside a curve, or an egg curve
    }
    const double end = el[i - 1].start + el[i - 1].length;
    const std::optional<PlanePoint> jd = TangentsMeet(road, begin, end);
    if (!jd) return std::nullopt;
    table.jds.push_back({*jd, 1 / std::fabs(k), Ls1, Ls2});
  }
  if (table.jds.empty()) return std::nullopt;
  const RoadBuild again = RoadFromIntersections(table);
  if (!again.road || !SameRoad(road, *again.road)) return std::nullopt;
  return table;
}

std::optional<IntersectionRoadInput> IntersectionForm(const ElementRoadInput& input) {
  const RoadBuild built = RoadFromElements(input);
  if (!built.road) return std::nullopt;
  return IntersectionForm(*built.road);
}

}  // namespace capset
