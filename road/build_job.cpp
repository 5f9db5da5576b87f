// The road that the window's job implies.
//
// From a ZH end: the straight before ZH along T, the clothoid of parameter
// A1 turning as P says, and, when R > 0, past Ls = A1²/R the arc of radius
// R. From an HZ end the same, mirrored: T points from HZ towards the JD,
// against the stations, so the road runs forward along T + 180: the arc,
// the spiral ending at HZ, then the straight after it. With R = 0 the
// clothoid runs on. The reach on each side is kJobStraightReach and
// kJobCurveTurn.
//
// Notation
//   s      side: +1 when P > 0 (the curve turns right in the direction of
//          increasing stations), −1 when P < 0
//   c      s/A1², the clothoid's curvature rate walking away from the straight
//   Ls     A1²/R, β = Ls/(2R) its turn; La the arc's length
//
// The spiral is anchored at the job's own point, and an HZ end's elements
// are found walking back from HZ, so the point the user typed is on the
// road exactly.

#include <cmath>
#include <numbers>
#include <tuple>

#include "angles.h"
#include "road_assembly.h"
#include "road_build.h"
#include "road_ranges.h"

namespace capset {
namespace {

// The forward start pose of a curve of rate c and length L that ends at
// `end` with curvature kEnd: the curve walked back from its end is the
// curve of start curvature −kEnd and the same rate.
RoadPose StartBefore(const RoadPose& end, double kEnd, double c, double L) {
  const RoadPose back = Advance({end.point, end.heading + std::numbers::pi, -kEnd}, c, L);
  return {back.point, back.heading - std::numbers::pi, -back.curvature};
}

}  // namespace

RoadBuild RoadFromJob(const JobRoadInput& in) {
  auto refuse = [](RoadProblem p) { return RoadBuild{std::nullopt, p}; };
  for (const auto& [value, field] :
       {std::pair{in.station, RoadField::kStation}, std::pair{in.point.X, RoadField::kX},
        std::pair{in.point.Y, RoadField::kY}, std::pair{in.T, RoadField::kAzimuth}, std::pair{in.R, RoadField::kR},
        std::pair{in.A1, RoadField::kA1}}) {
    if (!std::isfinite(value)) return refuse({RoadFault::kNotFinite, RoadPart::kJob, 0, field, value});
  }
  if (in.turnSign == 0) return refuse({RoadFault::kNoTurnSign, RoadPart::kJob, 0});
  if (in.R < 0) return refuse({RoadFault::kRadiusNotPositive, RoadPart::kJob, 0, RoadField::kR, in.R});
  if (in.A1 == 0) return refuse({RoadFault::kParameterZero, RoadPart::kJob, 0, RoadField::kA1, in.A1});
  // R 0 is no arc; A1's sign says nothing, so its size is what is checked.
  // A1 = √(R·Ls) of a radius and a length in their ranges lies in theirs.
  constexpr NumberRange kJobRadius{kLeastLength, kMostLength, true};
  for (const auto& [value, field, range] :
       {std::tuple{in.station, RoadField::kStation, kCoordinateRange}, std::tuple{in.point.X, RoadField::kX, kCoordinateRange},
        std::tuple{in.point.Y, RoadField::kY, kCoordinateRange}, std::tuple{in.T, RoadField::kAzimuth, kAzimuthRange},
        std::tuple{in.R, RoadField::kR, kJobRadius}, std::tuple{std::fabs(in.A1), RoadField::kA1, kRadiusRange}}) {
    if (auto p = CheckRange(value, range, RoadPart::kJob, 0, field)) {
      p->value = field == RoadField::kA1 ? in.A1 : value;
      return refuse(*p);
    }
  }

  const double s = in.turnSign > 0 ? 1 : -1;
  // The window's series use only even powers of A1: its sign says nothing.
  const double A2 = in.A1 * in.A1;
  const double c = s / A2;
  double Ls, La = 0, kArc = 0;
  if (in.R > 0) {
    Ls = A2 / in.R;
    const double beta = Ls / (2 * in.R);
    if (beta >= 2 * std::numbers::pi)
      return refuse({RoadFault::kFullTurn, RoadPart::kJob, 0, RoadField::kA1, ToDegrees(beta), 360});
    if (beta < kJobCurveTurn) La = in.R * (kJobCurveTurn - beta);
    kArc = s / in.R;
  } else {
    Ls = std::sqrt(2 * kJobCurveTurn * A2);  // Ls²/(2·A1²) = kJobCurveTurn
  }
  const double theta = ToRadians(in.T);

  if (in.end == JobEnd::kZH) {
    // Relative to the job's point.
    const RoadPose zh{{0, 0}, theta, 0};
    const RoadPose start{{-kJobStraightReach * std::cos(theta), -kJobStraightReach * std::sin(theta)}, theta, 0};
    RoadAssembly a(RoadForm::kJob, in.point, start);
    a.AddKeyPointHere(KeyPointKind::kS, 0);
    a.Append(ElementKind::kLine, 0, 0, kJobStraightReach);
    a.AddKeyPoint(KeyPointKind::kJ, 1, a.length(), zh);
    a.Append(ElementKind::kSpiral, 0, c, Ls, &zh);
    if (La > 0) {
      a.AddKeyPointHere(KeyPointKind::kJ, 2);
      a.Append(ElementKind::kArc, kArc, 0, La);
    }
    a.AddKeyPointHere(KeyPointKind::kE, 0);
    return {a.Finish(in.station - kJobStraightReach, {}), std::nullopt};
  }

  // Walking forward the spiral's curvature falls from its largest to 0 at HZ.
  const RoadPose hz{{0, 0}, theta + std::numbers::pi, 0};
  const RoadPose spiralStart = StartBefore(hz, 0, -c, Ls);
  const RoadPose start = La > 0 ? StartBefore(spiralStart, spiralStart.curvature, 0, La) : spiralStart;
  RoadAssembly a(RoadForm::kJob, in.point, start);
  a.AddKeyPointHere(KeyPointKind::kS, 0);
  if (La > 0) {
    a.Append(ElementKind::kArc, kArc, 0, La);
    a.AddKeyPoint(KeyPointKind::kJ, 1, a.length(), spiralStart);
  }
  a.Append(ElementKind::kSpiral, spiralStart.curvature, -c, Ls, &spiralStart);
  a.AddKeyPoint(KeyPointKind::kJ, a.elementCount(), a.length(), hz);
  a.Append(ElementKind::kLine, 0, 0, kJobStraightReach, &hz);
  a.AddKeyPointHere(KeyPointKind::kE, 0);
  return {a.Finish(in.station - Ls - La, {}), std::nullopt};
}

}  // namespace capset
