// Notation
//   δ   the largest turn of one chord of a run: its sagitta R·δ²/8 stays
//       below a pixel at any scale that shows the curve whole
//   n   the most points of a run, so the view culls in small steps

#include "plan_scene.h"

#include <algorithm>
#include <cmath>

#include "road_texts.h"
#include "station_text.h"
#include "station_ticks.h"

namespace capset {
namespace {

constexpr double kChordTurn = 0.01;  // δ, radians
constexpr double kLongestChord = 50;  // metres, so a long arc of a large radius still bends
constexpr int kRunPoints = 64;        // n

PlaneBox BoxOf(const std::vector<PlanePoint>& points) {
  PlaneBox b{INFINITY, INFINITY, -INFINITY, -INFINITY};
  for (const PlanePoint& p : points) b = {std::min(b.minX, p.X), std::min(b.minY, p.Y), std::max(b.maxX, p.X), std::max(b.maxY, p.Y)};
  return b;
}

void AddRuns(const Road& road, const RoadElement& e, PlanScene& scene) {
  const double k = std::max(std::fabs(e.startCurvature), std::fabs(e.endCurvature));
  double step = e.kind == ElementKind::kLine ? e.length : std::min(kLongestChord, kChordTurn / std::max(k, 1e-12));
  const int chords = std::max(1, static_cast<int>(std::ceil(e.length / step)));
  step = e.length / chords;
  PlanRun run{e.kind, {}, {road.PoseAt(e.start).point}};
  for (int i = 1; i <= chords; ++i) {
    run.points.push_back(road.PoseAt(e.start + i * step).point);
    if (static_cast<int>(run.points.size()) == kRunPoints || i == chords) {
      run.box = BoxOf(run.points);
      const PlanePoint last = run.points.back();
      scene.runs.push_back(std::move(run));
      run = PlanRun{e.kind, {}, {last}};
    }
  }
}

}  // namespace

PlanScene MakePlanScene(const Road& road) {
  PlanScene scene;
  for (const RoadElement& e : road.elements()) {
    if (e.length > 0) AddRuns(road, e, scene);
  }
  if (!road.curves().empty()) {
    scene.polygon.push_back(road.keyPoints().front().point);
    for (const CurveElements& c : road.curves()) scene.polygon.push_back(c.point);
    scene.polygon.push_back(road.keyPoints().back().point);
  }
  for (const KeyPoint& k : road.keyPoints()) scene.keys.push_back({k.point, KeyPointName(k)});
  // Whole hundreds of station; in a 长链 overlap each exists twice and both are drawn.
  for (const StationTick& tick : StationTicks(road, kTickSpacing)) {
    const RoadPose pose = road.PoseAt(tick.distance);
    const bool km = std::fmod(std::fabs(std::round(tick.station)), 1000.0) == 0;
    const std::string label = StationLabel(std::round(tick.station));  // "K12+300": a tick stands on a whole metre
    scene.ticks.push_back({pose.point, AzimuthOf(pose.heading), km, label});
  }
  scene.box = RoadBox(road);
  return scene;
}

}  // namespace capset
