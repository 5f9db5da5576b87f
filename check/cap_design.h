#pragma once
// A cap of the log as the as-built check sees it: where its axis runs and
// the named points it was set out by. The check reads nothing else of a
// row, so a new kind of row needs only a new way to make this.
//
// Notation
//   c      the cap centre
//   u      unit vector of the axis, from c towards the right-hand edge
//          (right of increasing stations)
//   n      unit normal of the axis towards increasing stations: u turned
//          90° anticlockwise, since the axis lies at 0 < B < 180 clockwise
//          from the forward tangent
//   a, b   a point's distances along u and along n from c

#include <optional>
#include <string>
#include <vector>

#include "cap_record.h"
#include "road_cap.h"

namespace capset {

struct DesignPoint {
  std::string name;  // "C", "L", "R", "P1", …; "O", "I" for a row of the window's formulas
  PlanePoint point;
  std::optional<double> height = std::nullopt;  // as its row was made with it; nothing without a profile
};

struct CapDesignPoints {
  int row;           // the log row's number
  std::string name;  // the cap's own name ("0#"); empty when it has none
  PlanePoint centre;
  PlanePoint u;  // the axis direction, a unit vector (X, Y)
  // The axis runs from a = first to a = last between its outermost points
  // (its edges when both were found).
  double first, last;
  std::vector<DesignPoint> points;  // the centre first
  // How far from the axis between its ends a measured point may lie and
  // still be taken for a point of this cap: the half-width it was solved
  // for, or the axis's reach from the centre where that is longer (a skew
  // cap). A point farther from every cap than this plus the tolerance is
  // no point of any cap.
  double halfWidth = 0;
  // A bent of a bridge: its bridge and bent as one word, "B1/3" (row is 0
  // then); empty for a cap of the log.
  std::string bent = {};
};

// The design of a log row; nothing for a row whose cap was not placed.
std::optional<CapDesignPoints> DesignOf(const CapRecord& record);
// Every placed cap of the log, in log order.
std::vector<CapDesignPoints> DesignsOf(const std::vector<CapRecord>& records);

// The design of a cap solved exactly on the road: its centre, the edges
// found (L, R) and the points along the axis (P1, …).
std::optional<CapDesignPoints> DesignOf(int row, const RoadCap& cap);

}  // namespace capset
