#include "cap_record.h"

namespace capset {

CapRecord RecordOf(const CapSolution& solution) {
  CapRecord record;
  record.solver = solution.solver;
  record.design = solution.design;
  record.answers = solution.answers;
  record.outcome = solution;
  record.warnings = CheckCap(solution);
  return record;
}

int OuterSideOf(const RoadCap& cap) {
  // κ > 0 where the road turns right: the left side is then the outside.
  auto side = [](double kappa) { return kappa > 0 ? -1 : kappa < 0 ? 1 : 0; };
  if (const int at = side(cap.centre.curvature)) return at;
  int left = 0, right = 0;
  if (cap.left.problem == CapSideProblem::kNone) left = side(cap.left.point.curvature);
  if (cap.right.problem == CapSideProblem::kNone) right = side(cap.right.point.curvature);
  if (left == 0) return right;
  if (right == 0 || right == left) return left;
  return 0;  // the edges on two bends of opposite turn: no one outside
}

}  // namespace capset
