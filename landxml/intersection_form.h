#pragma once
// The intersection-point table of a road given by its elements, when it
// has one: straights, and curves each of an arc between spirals from and
// to a straight end (or no spirals), turning one way.

#include <optional>

#include "road_input.h"

namespace capset {

// The table that makes the same road as `elements` (every joint within
// 1 mm, the same kinds and lengths); nothing when the road is not of that
// form (an egg curve, a road ending inside a curve, a reverse curve
// without a straight or touching curves the table cannot place).
std::optional<IntersectionRoadInput> IntersectionForm(const ElementRoadInput& elements);

}  // namespace capset
