#pragma once
// An exact batch solved on the road, station by station. A station the
// road does not have, or a side that cannot meet its edge, becomes the
// row's status; nothing is left out.

#include <vector>

#include "batch_check.h"
#include "cap_record.h"

namespace capset {

// One cap of an exact batch, named as typed.
CapRecord SolveExactCap(const ExactBatchPlan& plan, const Road& road, const ExactOrigin& origin,
                        const StationEntry& entry);

std::vector<CapRecord> SolveExactBatch(const ExactBatchPlan& plan, const Road& road, const ExactOrigin& origin);

}  // namespace capset
