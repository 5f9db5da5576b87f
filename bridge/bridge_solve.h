#pragma once
// A bridge solved on a road: every bent's cap exactly as the batch solves
// it, then each point of its template placed in the cap's frame, with its
// station and offset from the road's inverse and, when there are heights,
// its elevation: the deck surface at its own foot minus its depth.
//
// Notation
//   C       the bent's centre on the centreline; ψ the axis azimuth, from C
//           towards the right-hand edge
//   û       (cos ψ, sin ψ): along the axis, in (X north, Y east)
//   v̂       (sin ψ, −cos ψ): û turned a right angle anticlockwise, so that
//           it leans towards increasing stations for any 0 < B < 180
//   P       C + u·û + v·v̂, summed relative to the road's origin as the
//           cap solver sums its own points, so that grid coordinates of
//           3.4e6 m spend no digit on the offsets

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "bridge.h"
#include "road_heights.h"

namespace capset {

struct BridgePoint {
  std::string bent;   // the bent's name
  std::string point;  // "C", "L", "R", or the template's name: "Z1"
  PlanePoint xy;
  double u, v;        // in the cap's frame
  double depth;       // below the deck surface
  WhereStatus status;  // of its foot on the centreline; what follows holds for kOnRoad
  double distance;
  StationRef station;
  double offset;       // + right
  // The deck surface at the foot minus the depth; none without heights, or
  // where the foot lies outside the profile.
  std::optional<double> height;
  // What gave the point: "C", "L" or "R" for the bent's own, else the
  // template item's name ("Z" for grid Z's piles, "T" for corners T, "S1"
  // for point S1).
  std::string item;

  std::string Name() const { return bent + "-" + point; }
};

struct BentSolution {
  std::string bent;
  StationRef station;
  RoadCapFault fault = RoadCapFault::kNone;  // the cap not placed: no points
  Placement placement = {};                  // of kCentreNotPlaced, kDesignNotPlaced
  bool axisReversed = false;                 // the axis points back along the road at the centre: no points
  double axisAzimuth = 0;                    // ψ in degrees
  std::vector<std::pair<int, CapSideProblem>> edges;  // sides (−1 left, +1 right) asked and not met
  std::vector<BridgePoint> points;
  bool Solved() const { return fault == RoadCapFault::kNone && !axisReversed; }
};

struct BridgeSolution {
  std::vector<BentSolution> bents;
};

// `heights` may be null: no point then has a height. A bent whose template
// is unknown gives its cap's own points alone (CheckBridge refuses such a
// bridge before it is kept).
BridgeSolution SolveBridge(const Bridge& bridge, const TemplateLookup& templates, const Road& road,
                           const RoadHeights* heights);

}  // namespace capset
