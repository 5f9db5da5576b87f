#include "bridge_solve.h"

#include <cmath>
#include <unordered_map>

#include "angles.h"

namespace capset {
namespace {

// A half-width for a bent that asks no edge: the solver needs one, and the
// edges it finds are not given.
constexpr double kUnaskedHalfWidth = 1;

class BentSolver {
 public:
  BentSolver(const Road& road, const RoadHeights* heights) : road_(road), heights_(heights) {}

  BentSolution Solve(const Bent& bent, const std::vector<TemplatePoint>& points) {
    const bool edges = bent.left && bent.right;
    const RoadCapRequest request{bent.station,
                                 bent.B,
                                 bent.axis,
                                 bent.axis == CapAxisMode::kParallel ? bent.design : bent.station,
                                 edges ? *bent.left : kUnaskedHalfWidth,
                                 edges ? *bent.right : kUnaskedHalfWidth,
                                 {}};
    const RoadCap cap = SolveRoadCap(road_, request);
    BentSolution solution{bent.name, bent.station, cap.fault, cap.placement, false, cap.axisAzimuth, {}, {}};
    if (cap.fault != RoadCapFault::kNone) return solution;
    if (cap.right.problem == CapSideProblem::kAxisReversed) {
      solution.axisReversed = true;
      return solution;
    }
    solution.points.reserve(points.size() + 3);
    const RoadCapPoint& c = cap.centre;
    Add(solution, bent, "C", c.point, 0, 0, bent.depth, {WhereStatus::kOnRoad, c.distance, 0, c.station}, "C");
    if (edges) {
      for (const auto& [side, edge] : {std::pair{-1, &cap.left}, std::pair{1, &cap.right}}) {
        if (edge->problem != CapSideProblem::kNone) {
          solution.edges.emplace_back(side, edge->problem);
          continue;
        }
        const RoadCapPoint& e = edge->point;
        const char* own = side < 0 ? "L" : "R";
        Add(solution, bent, own, e.point, e.along, 0, bent.depth, {WhereStatus::kOnRoad, e.distance, e.offset, e.station},
            own);
      }
    }
    // The frame, relative to the road's origin as the solver's own points are.
    const PlanePoint o = road_.origin();
    const PlanePoint centre = road_.LocalPoseAt(c.distance).point;
    const double psi = ToRadians(cap.axisAzimuth), cs = std::cos(psi), sn = std::sin(psi);
    for (const TemplatePoint& p : points) {
      const PlanePoint q{o.X + (centre.X + (p.u * cs + p.v * sn)), o.Y + (centre.Y + (p.u * sn - p.v * cs))};
      const RoadFoot foot = road_.Where(q);
      Add(solution, bent, p.name, q, p.u, p.v, p.depth.value_or(bent.depth),
          {foot.status, foot.distance, foot.offset, foot.station}, p.item);
    }
    return solution;
  }

 private:
  struct Foot {
    WhereStatus status;
    double distance, offset;
    StationRef station;
  };

  void Add(BentSolution& solution, const Bent& bent, const std::string& name, PlanePoint xy, double u, double v,
           double depth, const Foot& foot, const std::string& item) const {
    std::optional<double> height;
    if (heights_ != nullptr && foot.status == WhereStatus::kOnRoad) {
      const auto at = heights_->At(foot.distance, foot.offset);
      if (const PointHeight* h = std::get_if<PointHeight>(&at)) height = h->elevation - depth;
    }
    solution.points.push_back(
        {bent.name, name, xy, u, v, depth, foot.status, foot.distance, foot.station, foot.offset, height, item});
  }

  const Road& road_;
  const RoadHeights* heights_;
};

}  // namespace

BridgeSolution SolveBridge(const Bridge& bridge, const TemplateLookup& templates, const Road& road,
                           const RoadHeights* heights) {
  // Each template expanded once for all the bents that use it.
  std::unordered_map<std::string, std::vector<TemplatePoint>> expanded;
  const std::vector<TemplatePoint> none;
  BentSolver solver(road, heights);
  BridgeSolution solution;
  solution.bents.reserve(bridge.bents.size());
  for (const Bent& bent : bridge.bents) {
    const std::vector<TemplatePoint>* points = &none;
    if (!bent.templateName.empty()) {
      auto at = expanded.find(bent.templateName);
      if (at == expanded.end()) {
        const SubstructureTemplate* t = templates(bent.templateName);
        at = expanded.emplace(bent.templateName, t ? ExpandTemplate(*t) : std::vector<TemplatePoint>{}).first;
      }
      points = &at->second;
    }
    solution.bents.push_back(solver.Solve(bent, *points));
  }
  return solution;
}

}  // namespace capset
