#pragma once
// Heights on a road: the profile and the cross-section as typed (stations as
// the drawings print them), made into distances through the road's station
// equations, and the elevation of any point from its distance and offset.
//
// Without a road, stations are plain distances. A superelevation over a JD
// takes its four stations from the road's ZH, HY, YH and HZ of that JD and
// its inner side from the JD's turn.

#include <optional>
#include <variant>
#include <vector>

#include "cross_section.h"
#include "profile.h"
#include "road_types.h"

namespace capset {

class Road;

// A 变坡点 as typed: its station, not yet a distance.
struct PviInput {
  StationRef station;
  double elevation;
  VerticalCurveKind curve = VerticalCurveKind::kNone;
  double radius = 0, length = 0, length2 = 0;  // as PviRow
  bool operator==(const PviInput&) const = default;
};

struct ProfileInput {
  std::vector<PviInput> rows;
  bool operator==(const ProfileInput&) const = default;
};

// A transition as typed: four stations, or a JD whose spirals carry it.
struct SuperInput {
  int jd = 0;  // 0: by the stations below; n: over ZHn→HYn and YHn→HZn
  StationRef ts{}, fs{}, fe{}, te{};
  double e = 0;                          // percent
  SectionSide inner = SectionSide::kRight;  // by stations only; a JD's comes from its turn
  SuperAxis axis = SuperAxis::kCentre;
  bool operator==(const SuperInput&) const = default;
};

struct SlopeInput {
  StationRef station;
  double left, right;  // percent
  bool operator==(const SlopeInput&) const = default;
};

struct CrossSectionInput {
  double crown = 2;
  double leftWidth = 0, rightWidth = 0;
  double design = 0;
  std::vector<SuperInput> transitions;
  std::vector<SlopeInput> slopes;
  bool operator==(const CrossSectionInput&) const = default;
};

// Why heights cannot be made: a station the road does not place (which
// row, of which table, and the placement), a JD the road does not have,
// or the profile's or the section's own problem.
enum class HeightsTable { kProfile, kTransitions, kSlopes };
struct HeightsStationProblem {
  HeightsTable table;
  int row;  // from 1
  StationRef station;
  Placement placement;
};
// Why a transition over a JD has no stations: no road to take them from, a
// road given by its elements (it has no JDs), no such JD, or a side of the
// curve without a spiral to carry the change of slope (a plain arc would
// tilt the road bed at a single station: give that transition by its four
// stations, set out on the tangent as the drawings do).
enum class HeightsJdReason { kNoSuchJd, kNoRoad, kRoadHasNoJds, kNoSpiralIn, kNoSpiralOut };
struct HeightsJdProblem {
  int row;  // the transition, from 1
  int jd;
  HeightsJdReason reason = HeightsJdReason::kNoSuchJd;
};
using HeightsProblem = std::variant<ProfileProblem, CrossSectionProblem, HeightsStationProblem, HeightsJdProblem>;

// The elevation at a distance and offset, with what makes it.
struct PointHeight {
  double elevation;  // metres
  double grade;      // the profile's, rise per metre
  SectionAt section;
};

class RoadHeights {
 public:
  RoadHeights(Profile profile, CrossSection section) : profile_(std::move(profile)), section_(std::move(section)) {}

  // Nothing when the distance lies outside the profile (the problem says which end).
  std::variant<PointHeight, ProfileProblem> At(double distance, double offset) const;

  const Profile& profile() const { return profile_; }
  const CrossSection& section() const { return section_; }

 private:
  Profile profile_;
  CrossSection section_;
};

struct RoadHeightsBuild {
  std::optional<RoadHeights> heights;
  std::optional<HeightsProblem> problem;
};

// `road` may be null: stations are then distances (an occurrence is ignored).
RoadHeightsBuild BuildHeights(const ProfileInput& profile, const CrossSectionInput& section, const Road* road);
// The cross-section alone, for checking a block before any profile exists.
std::optional<HeightsProblem> CheckCrossSection(const CrossSectionInput& section, const Road* road);

}  // namespace capset
