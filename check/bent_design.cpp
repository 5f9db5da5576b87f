#include "bent_design.h"

#include <algorithm>
#include <cmath>

#include "angles.h"
#include "bridge_export.h"

namespace capset {

std::optional<CapDesignPoints> DesignOf(const std::string& bridge, const Bent& typed, const BentSolution& bent) {
  if (!bent.Solved() || bent.points.empty()) return std::nullopt;
  const double psi = ToRadians(bent.axisAzimuth);
  CapDesignPoints design{0, "", bent.points.front().xy, {std::cos(psi), std::sin(psi)}, 0, 0, {}, 0,
                         BentWord(bridge, bent.bent)};
  design.points.reserve(bent.points.size());
  // The reach of the bent: its half-widths, and the farthest of its points
  // along the axis and across it (a pile cap wider than the road bed, an
  // abutment's wing walls behind its front line).
  double reach = std::max(typed.left.value_or(0), typed.right.value_or(0));
  for (const BridgePoint& p : bent.points) {
    design.points.push_back({p.point, p.xy, p.height});
    const double dX = p.xy.X - design.centre.X, dY = p.xy.Y - design.centre.Y;
    const double a = dX * design.u.X + dY * design.u.Y;
    const double b = dX * design.u.Y - dY * design.u.X;
    design.first = std::min(design.first, a);
    design.last = std::max(design.last, a);
    reach = std::max({reach, std::fabs(a), std::fabs(b)});
  }
  design.halfWidth = reach;
  return design;
}

std::vector<CapDesignPoints> DesignsOf(const Bridge& bridge, const BridgeSolution& solution) {
  std::vector<CapDesignPoints> designs;
  for (std::size_t k = 0; k < solution.bents.size() && k < bridge.bents.size(); ++k) {
    if (auto design = DesignOf(bridge.name, bridge.bents[k], solution.bents[k])) designs.push_back(std::move(*design));
  }
  return designs;
}

}  // namespace capset
