#include "tangents_meet.h"

#include <cmath>

namespace capset {

std::optional<PlanePoint> TangentsMeet(const Road& road, double from, double to) {
  const RoadPose a = road.LocalPoseAt(from), b = road.LocalPoseAt(to);
  const double tax = std::cos(a.heading), tay = std::sin(a.heading);
  const double tbx = std::cos(b.heading), tby = std::sin(b.heading);
  const double s = tax * tby - tay * tbx;
  if (!(std::fabs(s) >= kTangentsInLine)) return std::nullopt;
  const double dx = b.point.X - a.point.X, dy = b.point.Y - a.point.Y;
  const double T1 = (dx * tby - dy * tbx) / s, T2 = (tax * dy - tay * dx) / s;
  if (!(T1 > 0 && T2 > 0)) return std::nullopt;
  const PlanePoint origin = road.origin();
  return PlanePoint{origin.X + (a.point.X + T1 * tax), origin.Y + (a.point.Y + T1 * tay)};
}

}  // namespace capset
