#include "plan_caps.h"

namespace capset {

std::vector<PlanCapMark> PlanCapsOf(const CapLog& log) {
  std::vector<PlanCapMark> caps;
  caps.reserve(log.Size());
  for (int i = 0; i < log.Size(); ++i) {
    const CapRecord& record = log.At(i);
    PlanCapMark mark{};
    mark.label = record.name.empty() ? std::to_string(record.number) : record.name;
    if (const CapSolution* s = record.Solution()) {
      mark.centre = s->centre;
      if (s->outer.status == SideStatus::kSolved) mark.left = s->outer.point;
      if (s->inner.status == SideStatus::kSolved) mark.right = s->inner.point;
    } else if (const ExactCap* e = record.Exact(); e != nullptr && e->Placed()) {
      mark.centre = e->cap.centre.point;
      if (e->cap.left.problem == CapSideProblem::kNone) mark.left = e->cap.left.point.point;
      if (e->cap.right.problem == CapSideProblem::kNone) mark.right = e->cap.right.point.point;
    } else {
      continue;
    }
    caps.push_back(std::move(mark));
  }
  return caps;
}

}  // namespace capset
