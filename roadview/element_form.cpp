#include "element_form.h"

#include <cmath>

namespace capset {

ElementRoadInput ElementForm(const Road& road, const std::vector<StationEquation>& equations) {
  const RoadPose start = road.PoseAt(0);
  ElementRoadInput in{road.firstStation(), start.point, AzimuthOf(start.heading), {}, equations};
  auto radius = [](double k) { return k == 0 ? kNoRadius : 1 / std::fabs(k); };
  for (const RoadElement& e : road.elements()) {
    if (e.length == 0) continue;
    ElementSpec spec{e.kind, e.length};
    const double k = e.startCurvature != 0 ? e.startCurvature : e.endCurvature;
    spec.turn = k < 0 ? TurnSide::kLeft : TurnSide::kRight;
    if (e.kind != ElementKind::kLine) spec.R1 = radius(e.startCurvature);
    if (e.kind == ElementKind::kSpiral) spec.R2 = radius(e.endCurvature);
    in.elements.push_back(spec);
  }
  return in;
}

}  // namespace capset
