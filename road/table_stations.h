#pragma once
// A station of a table laid along the road (the profile's 变坡点, a
// transition, a row of cross slopes) as a distance along the road.
//
// On the road it is placed as any station is: through the equations, its
// place said in a 长链, refused in a 短链's gap. Beyond the road's first or
// last station it is not refused: the drawings' profile covers the whole
// route while the road typed for a bridge is often only the part near it,
// so a 变坡点 before BP or after EP is still a row of the table. There the
// stations run on at one metre a metre from the end, as they would on the
// road's own tangent; no equation lies beyond an end.

#include <variant>

#include "road.h"

namespace capset {

// The distance (below 0 before the start, beyond length() after the end),
// or the placement that refuses it (a gap, a 长链 not said, an occurrence
// the station does not have).
std::variant<double, Placement> TableDistance(const Road& road, StationRef station);

}  // namespace capset
