#pragma once
// A road as its element list: the start station, point and azimuth, then
// each element's kind, length, radii and turn, as the road holds them.

#include "road_input.h"

namespace capset {

ElementRoadInput ElementForm(const Road& road, const std::vector<StationEquation>& equations);

}  // namespace capset
