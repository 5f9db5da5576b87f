#include "element_form.h"

#include <cmath>

namespace capset {

ElementRoadInput ElementForm(const Road& road, const std::vector<StationEquation>& equations) {
  const RoadPose start = road.PoseAt(0);
  ElementRoadInput in{road.firstStation(), start.point, AzimuthOf(start.heading), {}, equations};
  // A spiral's straight end: κ0 + c·L leaves a few 1e-19 where the sum should be 0.
  auto radius = [](double k, double other) { return std::fabs(k) <= 1e-9 * std::fabs(other) ? kNoRadius : 1 / std::fabs(k); };
  for (const RoadElement& e : road.elements()) {
    if (e.length == 0) continue;
    ElementSpec laid{e.kind, e.length};
    const double k = std::fabs(e.startCurvature) >= std::fabs(e.endCurvature) ? e.startCurvature : e.endCurvature;
    laid.turn = k < 0 ? TurnSide::kLeft : TurnSide::kRight;
    if (e.kind == ElementKind::kArc) laid.R1 = 1 / std::fabs(e.startCurvature);
    if (e.kind == ElementKind::kSpiral) {
      laid.R1 = radius(e.startCurvature, e.endCurvature);
      laid.R2 = radius(e.endCurvature, e.startCurvature);
    }
    in.elements.push_back(laid);
  }
  return in;
}

}  // namespace capset
