#pragma once
// Whole multiples of a spacing in station along a road, each at its
// distance: in a 长链 overlap a station exists twice and both places are
// given, in a 短链 gap none.

#include <vector>

#include "road.h"

namespace capset {

struct StationTick {
  double distance;
  double station;  // a whole multiple of the spacing
};

std::vector<StationTick> StationTicks(const Road& road, double spacing);

}  // namespace capset
