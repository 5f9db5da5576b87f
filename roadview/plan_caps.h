#pragma once
// The caps of the results log as the road's plan draws them: each cap's
// axis from edge to edge through its centre, named as the log names it.

#include <optional>
#include <string>
#include <vector>

#include "cap_log.h"
#include "spiral.h"

namespace capset {

struct PlanCapMark {
  PlanePoint centre;
  // The axis's ends: the edge points that were solved (a side that was not
  // has none, and the axis is drawn from the centre to the other).
  std::optional<PlanePoint> left, right;
  std::string label;  // the cap's name (3#), else its row in the log
};

// Every placed cap of the log, window rows and exact rows alike.
std::vector<PlanCapMark> PlanCapsOf(const CapLog& log);

}  // namespace capset
