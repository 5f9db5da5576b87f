#include "window_exact.h"

#include "road_build.h"

namespace capset {

std::optional<WindowExact> ExactCapOf(const CapSolution& s) {
  const CapDesign& d = s.design;
  const bool fromZH = s.end == SpiralEnd::kZH;
  const RoadBuild built =
      RoadFromJob({fromZH ? JobEnd::kZH : JobEnd::kHZ, d.origin, {d.X, d.Y}, d.T, d.R, d.A1, d.P});
  if (!built.road) return std::nullopt;
  // DR as the window stored it, widened; the square cap stands at Kj.
  const double w = s.answers.DR;
  const RoadCapRequest request{{s.centreStation}, d.B, CapAxisMode::kParallel, {d.Kj}, w, w, {}};
  // The job's one curve turns as P says: its outside is the left for a
  // right turn.
  return WindowExact{SolveRoadCap(*built.road, request), d.P > 0 ? -1 : 1};
}

}  // namespace capset
