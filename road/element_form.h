#pragma once
// A road as its element list: the start station, point and azimuth, then
// each element's kind, length, radii and turn, as the road holds them, and
// the road's station equations. Any road has this form; the road it makes
// is the same road, chained from its start.

#include "road_build.h"

namespace capset {

ElementRoadInput ElementForm(const Road& road);

}  // namespace capset
