#include "as_built_check.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

// Squared, to keep the search over the caps free of square roots.
double GapSquared(const CapDesignPoints& cap, Seen s) {
  const double off = s.a - std::clamp(s.a, cap.first, cap.last);
  return off * off + s.b * s.b;
}

}  // namespace

std::optional<CapMatch> MatchCap(PlanePoint q, const std::vector<CapDesignPoints>& caps, double tolerance) {
  const CapDesignPoints* best = nullptr;
  Seen bestSeen{0, 0};
  double bestGap = std::numeric_limits<double>::infinity();
  for (const CapDesignPoints& cap : caps) {
    const Seen s = SeenFrom(cap, q);
    const double g = GapSquared(cap, s);
    const double reach = cap.halfWidth + tolerance + kToleranceSlack;
    // The first of equally near caps keeps the point: the log's order.
    if (g < bestGap && g <= reach * reach) {
      best = &cap;
      bestSeen = s;
      bestGap = g;
    }
  }
  if (best == nullptr || best->points.empty()) return std::nullopt;
  const DesignPoint* nearest = nullptr;
  double nearestGap = std::numeric_limits<double>::infinity();
  for (const DesignPoint& p : best->points) {
    const double dX = q.X - p.point.X, dY = q.Y - p.point.Y, g = dX * dX + dY * dY;
    if (g < nearestGap) {
      nearest = &p;
      nearestGap = g;
    }
  }
  const double dX = q.X - nearest->point.X, dY = q.Y - nearest->point.Y, d = std::hypot(dX, dY);
  return CapMatch{best->row, best->name, bestSeen.a, bestSeen.b, nearest->name, dX, dY, d, d > tolerance + kToleranceSlack};
}

// The height of the design point `name` of the cap of log row `row`, when it has one.
std::optional<double> DesignHeight(const std::vector<CapDesignPoints>& caps, int row, const std::string& name) {
  for (const CapDesignPoints& cap : caps) {
    if (cap.row != row) continue;
    for (const DesignPoint& p : cap.points) {
      if (p.name == name) return p.height;
    }
  }
  return std::nullopt;
}

std::vector<CheckResult> CheckPoints(const Road& road, const std::vector<CapDesignPoints>& caps,
                                     const std::vector<MeasuredPoint>& points, double tolerance,
                                     double heightTolerance) {
  std::vector<CheckResult> results;
  results.reserve(points.size());
  for (const MeasuredPoint& m : points) {
    std::optional<CapMatch> cap = MatchCap(m.point, caps, tolerance);
    if (cap && m.H) {
      if (const std::optional<double> design = DesignHeight(caps, cap->row, cap->nearest)) {
        cap->dH = *m.H - *design;
        cap->heightOver = std::fabs(*cap->dH) > heightTolerance + kToleranceSlack;
      }
    }
    const bool far = !caps.empty() && !cap;
    results.push_back({m, road.Where(m.point), std::move(cap), far});
  }
  return results;
}

}  // namespace capset
