#pragma once
// The intersection-point table of a road given by its elements, when it
// has one: straights, and curves each of an arc between spirals from and
// to a straight end (either spiral or both may be left out, and two spirals
// may meet with no arc between), turning one way.

#include <optional>

#include "road_build.h"

namespace capset {

// The table that makes the same road (every joint within kJointTolerance,
// the same kinds and lengths), with the road's start station and its
// equations; nothing when the road is not of that form (an egg curve, a
// road ending inside a curve, a curve turning 180° or more, or touching
// curves the table cannot place).
std::optional<IntersectionRoadInput> IntersectionForm(const Road& road);
std::optional<IntersectionRoadInput> IntersectionForm(const ElementRoadInput& elements);

}  // namespace capset
