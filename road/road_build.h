#pragma once
// The three ways to make a road. Each checks its input whole and either
// makes the road or says, as data, what is wrong and where.

#include <limits>
#include <numbers>
#include <optional>
#include <vector>

#include "road.h"
#include "road_problem.h"

namespace capset {

constexpr double kNoRadius = std::numeric_limits<double>::infinity();  // a straight end of a spiral

enum class TurnSide { kLeft, kRight };

// 线元法: a start station, point and azimuth, then the elements in order.
struct ElementInput {
  ElementKind kind;
  double length;
  double R1 = kNoRadius;  // an arc's radius; a spiral's radius at its start (kNoRadius: a straight end)
  double R2 = kNoRadius;  // a spiral's radius at its end
  TurnSide turn = TurnSide::kRight;
  // Where a file says the element begins and ends; checked against the
  // chain to within kJointTolerance, never used in its place.
  std::optional<PlanePoint> statedStart = std::nullopt;
  std::optional<PlanePoint> statedEnd = std::nullopt;
  bool operator==(const ElementInput&) const = default;
};

struct ElementRoadInput {
  double station;
  PlanePoint start;
  double azimuth;  // decimal degrees
  std::vector<ElementInput> elements;
  std::vector<StationEquation> equations;
  bool operator==(const ElementRoadInput&) const = default;
};

// 交点法: BP, the intersection points, EP. Ls 0 leaves that spiral out.
struct IntersectionPoint {
  PlanePoint point;
  double R;
  double Ls1;
  double Ls2;
  // The JD's station as the drawings print it, when given: kept and checked
  // against the chain, never used to lay the road.
  std::optional<double> station = std::nullopt;
  bool operator==(const IntersectionPoint&) const = default;
};

struct IntersectionRoadInput {
  double station;  // of BP
  PlanePoint bp;
  std::vector<IntersectionPoint> jds;
  PlanePoint ep;
  std::vector<StationEquation> equations;
  std::optional<double> epStation = std::nullopt;  // EP's printed station, as a JD's
  bool operator==(const IntersectionRoadInput&) const = default;
};

// The window's job: one spiral end and what Start asked.
enum class JobEnd { kZH, kHZ };

struct JobRoadInput {
  JobEnd end;
  double station;  // KZH or KHZ
  PlanePoint point;
  double T;  // decimal degrees: at ZH along the spiral; at HZ from HZ towards the JD (against the stations)
  double R;  // 0: no arc, the clothoid runs on
  double A1;
  int turnSign;  // the job's P: > 0 the curve turns right in the direction of increasing stations
  bool operator==(const JobRoadInput&) const = default;
};

// How far the job's road reaches. The straight reaches 10 km back from ZH
// (on from HZ); the curve side reaches until the tangent has turned 270°
// from the straight, through the spiral and, when R > 0, the arc: that
// holds every curve of a highway and a loop ramp, and stops before the road
// would come round to meet itself.
constexpr double kJobStraightReach = 10000;
constexpr double kJobCurveTurn = 1.5 * std::numbers::pi;

// Two points that a file states as one joint, or two curves of a table
// whose tangents meet within this, are taken as one: 1 mm is the rounding
// of the drawings' coordinates.
constexpr double kJointTolerance = 1e-3;

struct RoadBuild {
  std::optional<Road> road;
  std::optional<RoadProblem> problem;
};

RoadBuild RoadFromElements(const ElementRoadInput& input);
RoadBuild RoadFromIntersections(const IntersectionRoadInput& input);
RoadBuild RoadFromJob(const JobRoadInput& input);

}  // namespace capset
