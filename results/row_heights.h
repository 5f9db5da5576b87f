#pragma once
// The heights of a row's points: the design elevation of each (the deck's
// finished surface at the point's own foot, less the batch's depth), taken
// once, when the row is made.
//
// A row keeps its heights as it keeps its coordinates: a row logged, staked
// and written to the day file must read the same tomorrow, so a profile
// typed or mended later gives later rows new heights and never changes a
// row already made behind the user's back.

#include <optional>
#include <vector>

#include "road.h"
#include "road_heights.h"

namespace capset {

struct CapRecord;

// One height a point: nothing where the point has no foot on the road or
// its foot lies outside the profile (never a 0 that reads as a value).
struct RowHeights {
  std::optional<double> centre;
  // A window row's outer then inner edge; an exact row's left then right.
  std::optional<double> edge1, edge2;
  std::vector<std::optional<double>> axis;  // one per point along the axis, in order
  double depth = 0;                         // below the deck, metres, as the row was made with
  bool operator==(const RowHeights&) const = default;
};

// The heights of `record`'s points. An exact row's points are taken at the
// feet it was solved with (their distance and offset on its road, which is
// the working road the heights stand on when the row is made); a window
// row's at the feet of its points on `road`.
RowHeights HeightsOfRow(const CapRecord& record, const RoadHeights& heights, const Road& road, double depth);

// The elevation at a distance and offset, less `depth`; nothing outside the profile.
std::optional<double> HeightAt(const RoadHeights& heights, double distance, double offset, double depth);

}  // namespace capset
