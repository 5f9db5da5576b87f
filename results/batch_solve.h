#pragma once
// A checked batch solved station by station, each exactly as Compute solves
// one cap: the same refusal checks, the same pure solve, the same texts. What
// Compute would report in a message box (a refused station, a side not
// solved, an arithmetic fault) becomes the row's status instead.

#include <vector>

#include "batch_check.h"
#include "cap_record.h"

namespace capset {

// `design` is the job as Compute hands it to `solver`. Each cap's axis is
// set at the design station Kj (parallel) or at its own station (own axis);
// a square cap is always square to its own station.
std::vector<CapRecord> SolveBatch(const BatchPlan& plan, Solver solver, const CapDesign& design);

// The points at the plan's offsets along the cap axis from the centre.
std::vector<AxisPoint> AxisPointsOf(const CapSolution& solution, const std::vector<double>& offsets);

}  // namespace capset
