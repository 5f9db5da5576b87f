#include "element_form.h"

#include <cmath>

#include "spiral_end.h"

namespace capset {

ElementRoadInput ElementForm(const Road& road) {
  const RoadPose start = road.PoseAt(0);
  ElementRoadInput in{road.firstStation(), start.point, AzimuthOf(start.heading), {}, road.equations()};
  in.elements.reserve(road.elements().size());
  for (const RoadElement& e : road.elements()) {
    if (e.length == 0) continue;
    ElementInput laid{e.kind, e.length};
    laid.turn = TurnOf(e);
    if (e.kind == ElementKind::kArc) laid.R1 = 1 / std::fabs(e.startCurvature);
    if (e.kind == ElementKind::kSpiral) {
      laid.R1 = EndRadius(e.startCurvature, e.endCurvature);
      laid.R2 = EndRadius(e.endCurvature, e.startCurvature);
    }
    in.elements.push_back(laid);
  }
  return in;
}

}  // namespace capset
