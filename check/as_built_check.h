#pragma once
// The as-built check: each point measured on site, placed on the road and
// against the nearest cap of the log, with how far it lies from the nearest
// point of that cap's design. Numbers in, numbers out.
//
// Notation (as in cap_design.h)
//   q      the measured point
//   a, b   q's distances from the cap centre along the axis (+ towards the
//          right-hand edge) and off it (+ towards increasing stations)
//   g      q's distance from the axis between its ends, [first, last]: the
//          cap whose g is least is the one the point belongs to

#include <optional>
#include <string>
#include <vector>

#include "cap_design.h"
#include "road.h"

namespace capset {

struct MeasuredPoint {
  std::string name;
  PlanePoint point;
  std::optional<double> H = std::nullopt;  // the measured height, when the crew gave one
};

// What the check finds against the nearest cap.
struct CapMatch {
  int row;           // the log row of the cap; 0 for a bent of a bridge
  std::string name;  // the cap's own name, empty when it has none
  double along;  // a
  double across; // b
  std::string nearest;  // the design point nearest to q
  double dX, dY;        // q minus that point
  double distance;
  bool over;            // distance beyond the tolerance
  // The measured height less the design height of that nearest point: when
  // the point was measured with a height and the design point has one (its
  // row was made with a profile). Judged apart from the plan: a cap top set
  // right in plan but 30 mm low is over by height only.
  std::optional<double> dH = std::nullopt;
  bool heightOver = false;  // |dH| beyond the height tolerance
  std::string bent = {};    // a bent of a bridge, "B1/3"; empty for a cap of the log
};

struct CheckResult {
  MeasuredPoint measured;
  RoadFoot foot;  // the station and offset hold when foot.status is kOnRoad
  // Nothing when the log has no placed cap, or when the point lies farther
  // from every cap than its half-width and the tolerance: a point of
  // something else (a pier, a control point) is not a cap's point 14 m off.
  std::optional<CapMatch> cap;
  bool farFromCaps = false;  // the log has caps, and none is near the point
};

// The default tolerance: 10 mm, the staking tolerance of a cap's points.
inline constexpr double kDefaultCheckTolerance = 0.01;
// The default height tolerance: 10 mm, as the cap top's elevation is set.
inline constexpr double kDefaultHeightTolerance = 0.01;

// One result per measured point, in their order. A tolerance below 0 is the
// caller's to refuse.
std::vector<CheckResult> CheckPoints(const Road& road, const std::vector<CapDesignPoints>& caps,
                                     const std::vector<MeasuredPoint>& points, double tolerance,
                                     double heightTolerance = kDefaultHeightTolerance);

// The match of one point against the caps: the cap whose axis between its
// ends passes nearest among those it lies within reach of (its half-width
// and the tolerance); nothing when there is none. A bent of a bridge has
// points off its axis (piles, corners, bearings): its gap is the lesser of
// the axis's and its nearest design point's, so a pile measured where it
// belongs is its bent's, not that of a cap whose axis runs nearer. Of a
// bent's points that stand at one place in plan (a column on its pile), a
// point measured with a height is the one whose design height is nearer.
std::optional<CapMatch> MatchCap(PlanePoint q, const std::vector<CapDesignPoints>& caps, double tolerance);

}  // namespace capset
