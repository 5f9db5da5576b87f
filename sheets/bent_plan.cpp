// A bent drawn in plan: a stretch of the road about it (centreline and the
// road-bed edges at the bent's half-widths), its cap axis and every point.
//
// Notation (as in bridge_solve.h)
//   C   the bent's centre; ψ the axis azimuth; û = (cos ψ, sin ψ) in (X, Y)
//   d   distance along the road

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "set_out_sheets.h"
#include "sheet_texts.h"

namespace capset {
namespace {

// The road is drawn as straight pieces this many to the stretch: enough for
// a bend of the tightest radius a bent stands on to look round at sheet size.
constexpr int kRoadPieces = 32;
// How far the axis runs past the outermost points, metres.
constexpr double kAxisOverrun = 1.0;
// The stretch of road shown reaches at least this far each side of the bent.
constexpr double kLeastRoadReach = 6.0;

void AddRoadLine(const Road& road, double from, double to, double offset, PlanStroke stroke, SheetPlan& plan) {
  std::optional<PlanePoint> last;
  for (int k = 0; k <= kRoadPieces; ++k) {
    const double d = from + (to - from) * k / kRoadPieces;
    const std::optional<RoadPoint> at = road.At(d, offset);
    if (!at) {
      last.reset();
      continue;
    }
    if (last) plan.lines.push_back({*last, at->point, stroke});
    last = at->point;
  }
}

}  // namespace

SheetPlan BentPlan(const Road& road, const Bent& bent, const BentSolution& solution) {
  SheetPlan plan;
  plan.caption = kBentPlanCaption;
  const auto centre = std::find_if(solution.points.begin(), solution.points.end(),
                                   [](const BridgePoint& p) { return p.point == "C"; });
  if (solution.points.empty()) return plan;
  double uLow = 0, uHigh = 0, dLow = 0, dHigh = 0;
  bool onRoad = false;
  for (const BridgePoint& p : solution.points) {
    uLow = std::min(uLow, p.u);
    uHigh = std::max(uHigh, p.u);
    if (p.status != WhereStatus::kOnRoad) continue;
    dLow = onRoad ? std::min(dLow, p.distance) : p.distance;
    dHigh = onRoad ? std::max(dHigh, p.distance) : p.distance;
    onRoad = true;
  }
  if (onRoad) {
    const double reach = std::max({kLeastRoadReach, 0.5 * (uHigh - uLow), dHigh - dLow});
    const double from = std::max(0.0, dLow - reach), to = std::min(road.length(), dHigh + reach);
    AddRoadLine(road, from, to, 0, PlanStroke::kCentreline, plan);
    if (bent.left) AddRoadLine(road, from, to, -*bent.left, PlanStroke::kEdge, plan);
    if (bent.right) AddRoadLine(road, from, to, *bent.right, PlanStroke::kEdge, plan);
  }
  if (centre != solution.points.end()) {
    const double psi = solution.axisAzimuth * std::numbers::pi / 180;
    const PlanePoint u{std::cos(psi), std::sin(psi)};
    const PlanePoint c = centre->xy;
    const double a = uLow - kAxisOverrun, b = uHigh + kAxisOverrun;
    plan.lines.push_back({{c.X + a * u.X, c.Y + a * u.Y}, {c.X + b * u.X, c.Y + b * u.Y}, PlanStroke::kAxis});
  }
  for (const BridgePoint& p : solution.points) plan.marks.push_back({p.point, p.xy, p.point == "C"});
  return plan;
}

}  // namespace capset
