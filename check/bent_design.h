#pragma once
// A bent of a bridge as the as-built check sees it: the same design a cap
// of the log gives (cap_design.h), with every point the bent was set out
// by: its centre and edges, and its template's piles, columns, bearings and
// corners, each with its height when the job has a profile. The bent is
// named by its bridge and its own name as one word ("B1/3", BentWord), so
// a measured point is matched to the nearest point of the nearest cap or
// bent of the whole job.

#include <vector>

#include "bridge_solve.h"
#include "cap_design.h"

namespace capset {

// The design of a solved bent; nothing for a bent the road does not place.
// `typed` gives the half-widths the bent was solved for.
std::optional<CapDesignPoints> DesignOf(const std::string& bridge, const Bent& typed, const BentSolution& bent);
// Every placed bent of a solved bridge, in the bridge's order.
std::vector<CapDesignPoints> DesignsOf(const Bridge& bridge, const BridgeSolution& solution);

}  // namespace capset
