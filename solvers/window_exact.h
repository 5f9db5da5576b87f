#pragma once
// The exact cap beside a window solution: the same cap (centre, skew,
// design station, half-width) solved on the road its job implies, so that
// where the window's formulas cannot be trusted the right number is at hand.

#include <optional>

#include "cap_solution.h"
#include "road_cap.h"

namespace capset {

struct WindowExact {
  RoadCap cap;
  int outerSide;  // the window's outer edge: +1 the right of increasing stations, -1 the left
};

// Nothing when the job makes no road (an A1 of 0, a P of 0).
std::optional<WindowExact> ExactCapOf(const CapSolution& solution);

}  // namespace capset
