#pragma once
// A road as the user gave it: the element list or the intersection-point
// table, kept beside the road made from it so that it can be saved, edited
// and written out again exactly as typed.

#include <variant>

#include "road_build.h"

namespace capset {

using RoadInput = std::variant<ElementRoadInput, IntersectionRoadInput>;

inline RoadBuild BuildRoad(const RoadInput& input) {
  if (const auto* elements = std::get_if<ElementRoadInput>(&input)) return RoadFromElements(*elements);
  return RoadFromIntersections(std::get<IntersectionRoadInput>(input));
}

}  // namespace capset
