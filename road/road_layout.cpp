// Notation
//   κ0, κ1   signed curvature at an element's start and end (right +)
//   a, b     poses at its start and end; θ the heading at a

#include "road_layout.h"

#include <cmath>

#include "spiral_end.h"
#include "tangents_meet.h"

namespace capset {
namespace {

LaidElement Lay(const Road& road, const RoadElement& e) {
  const RoadPose a = road.PoseAt(e.start), b = road.PoseAt(e.start + e.length);
  LaidElement laid{e.kind, e.length, TurnOf(e), a.point, b.point};
  if (e.kind == ElementKind::kLine) return laid;
  laid.meeting = TangentsMeet(road, e.start, e.start + e.length);
  if (e.kind == ElementKind::kArc) {
    laid.radius = 1 / std::fabs(e.startCurvature);
    const double R = 1 / e.startCurvature;  // signed: the centre lies on the right for a right turn
    laid.centre = PlanePoint{a.point.X - R * std::sin(a.heading), a.point.Y + R * std::cos(a.heading)};
  } else {
    laid.startRadius = EndRadius(e.startCurvature, e.endCurvature);
    laid.endRadius = EndRadius(e.endCurvature, e.startCurvature);
    laid.constant = std::sqrt(e.length / std::fabs(e.endCurvature - e.startCurvature));
  }
  return laid;
}

}  // namespace

RoadLayout LayOut(const Road& road) {
  RoadLayout layout{road.length(), road.firstStation(), {}, {}};
  layout.elements.reserve(road.elements().size());
  for (const RoadElement& e : road.elements()) {
    if (e.length > 0) layout.elements.push_back(Lay(road, e));
  }
  for (const StationEquation& q : road.equations()) {
    const Placement at = road.Place({q.back});
    std::optional<double> internal;
    if (at.status == PlaceStatus::kPlaced) internal = road.firstStation() + at.distance;
    if (at.status == PlaceStatus::kTwice && !at.places.empty()) internal = road.firstStation() + at.places.front();
    layout.equations.push_back({internal, q});
  }
  return layout;
}

}  // namespace capset
