#include "as_built_check.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace capset {
namespace {

// A distance equal to the tolerance is within it: measured coordinates of
// 3.4e6 carry rounding of about 5e-10 m, which must not flag a point that
// stands exactly on the limit.
constexpr double kToleranceSlack = 1e-9;

struct Seen {
  double a, b;
};

Seen SeenFrom(const CapDesignPoints& cap, PlanePoint q) {
  const double dX = q.X - cap.centre.X, dY = q.Y - cap.centre.Y;
  // n is u turned 90° anticlockwise, the azimuth ψ − 90:
  // (cos(ψ − 90), sin(ψ − 90)) = (sin ψ, −cos ψ) = (u.Y, −u.X).
  return {dX * cap.u.X + dY * cap.u.Y, dX * cap.u.Y - dY * cap.u.X};
}

// The design point nearest to q, and its gap squared.
std::pair<const DesignPoint*, double> NearestPoint(const CapDesignPoints& cap, PlanePoint q) {
  const DesignPoint* nearest = nullptr;
  double nearestGap = std::numeric_limits<double>::infinity();
  for (const DesignPoint& p : cap.points) {
    const double dX = q.X - p.point.X, dY = q.Y - p.point.Y, g = dX * dX + dY * dY;
    if (g < nearestGap) {
      nearest = &p;
      nearestGap = g;
    }
  }
  return {nearest, nearestGap};
}

// Squared, to keep the search over the caps free of square roots.
double GapSquared(const CapDesignPoints& cap, Seen s, PlanePoint q) {
  const double off = s.a - std::clamp(s.a, cap.first, cap.last);
  const double axis = off * off + s.b * s.b;
  if (cap.bent.empty()) return axis;
  return std::min(axis, NearestPoint(cap, q).second);
}

// The cap a point belongs to, as MatchCap finds it, and the match; `H`
// the point's measured height, when it has one.
std::pair<const CapDesignPoints*, std::optional<CapMatch>> Match(PlanePoint q, const std::vector<CapDesignPoints>& caps,
                                                                 double tolerance, std::optional<double> H = std::nullopt);

// Design points of a bent closer than this in plan stand at one place: a
// column on its pile, a bearing over a column.
constexpr double kSamePlace = 0.001;

// Of the points of a bent at the nearest point's place, the one whose
// design height is nearest the measured one: a pile's top and the column
// on it are told apart by height alone. The first of equals stays.
const DesignPoint* NearestInHeight(const CapDesignPoints& cap, const DesignPoint* nearest, double H) {
  const auto heightGap = [H](const DesignPoint& p) { return p.height ? std::fabs(H - *p.height) : HUGE_VAL; };
  const DesignPoint* chosen = nearest;
  for (const DesignPoint& p : cap.points) {
    if (std::hypot(p.point.X - nearest->point.X, p.point.Y - nearest->point.Y) > kSamePlace) continue;
    if (heightGap(p) < heightGap(*chosen)) chosen = &p;
  }
  return chosen;
}

}  // namespace

std::optional<CapMatch> MatchCap(PlanePoint q, const std::vector<CapDesignPoints>& caps, double tolerance) {
  return Match(q, caps, tolerance).second;
}

namespace {

std::pair<const CapDesignPoints*, std::optional<CapMatch>> Match(PlanePoint q, const std::vector<CapDesignPoints>& caps,
                                                                 double tolerance, std::optional<double> H) {
  const CapDesignPoints* best = nullptr;
  Seen bestSeen{0, 0};
  double bestGap = std::numeric_limits<double>::infinity();
  for (const CapDesignPoints& cap : caps) {
    const Seen s = SeenFrom(cap, q);
    const double g = GapSquared(cap, s, q);
    const double reach = cap.halfWidth + tolerance + kToleranceSlack;
    // The first of equally near caps keeps the point: the log's order.
    if (g < bestGap && g <= reach * reach) {
      best = &cap;
      bestSeen = s;
      bestGap = g;
    }
  }
  if (best == nullptr || best->points.empty()) return {nullptr, std::nullopt};
  const DesignPoint* nearest = NearestPoint(*best, q).first;
  if (H && !best->bent.empty()) nearest = NearestInHeight(*best, nearest, *H);
  const double dX = q.X - nearest->point.X, dY = q.Y - nearest->point.Y, d = std::hypot(dX, dY);
  CapMatch match{best->row, best->name, bestSeen.a, bestSeen.b, nearest->name, dX, dY, d, d > tolerance + kToleranceSlack};
  match.bent = best->bent;
  return {best, std::move(match)};
}

// The height of the design point `name` of `cap`, when it has one.
std::optional<double> DesignHeight(const CapDesignPoints& cap, const std::string& name) {
  for (const DesignPoint& p : cap.points) {
    if (p.name == name) return p.height;
  }
  return std::nullopt;
}

}  // namespace

std::vector<CheckResult> CheckPoints(const Road& road, const std::vector<CapDesignPoints>& caps,
                                     const std::vector<MeasuredPoint>& points, double tolerance,
                                     double heightTolerance) {
  std::vector<CheckResult> results;
  results.reserve(points.size());
  for (const MeasuredPoint& m : points) {
    auto [design, cap] = Match(m.point, caps, tolerance, m.H);
    if (cap && m.H) {
      if (const std::optional<double> height = DesignHeight(*design, cap->nearest)) {
        cap->dH = *m.H - *height;
        cap->heightOver = std::fabs(*cap->dH) > heightTolerance + kToleranceSlack;
      }
    }
    const bool far = !caps.empty() && !cap;
    results.push_back({m, road.Where(m.point), std::move(cap), far});
  }
  return results;
}

}  // namespace capset
