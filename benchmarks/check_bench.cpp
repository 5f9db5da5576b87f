// The as-built check of a whole bridge: 10 000 measured points against 100
// caps 30 m apart along a road of 20 JDs near grid coordinates of 3.4e6,
// each point a design point of some cap (centre, edges, columns) moved by
// up to 20 mm.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "as_built_check.h"
#include "jd_road.h"
#include "road_build.h"
#include "road_cap.h"

namespace capset {
namespace {

struct Site {
  Road road = *RoadFromIntersections(bench::JdTable(20)).road;
  std::vector<CapDesignPoints> caps;
  std::vector<MeasuredPoint> points;
  Site() {
    for (int i = 0; i < 100; ++i) {
      const RoadCap cap =
          SolveRoadCap(road, {{11000.0 + 30 * i}, 70, CapAxisMode::kOwn, {0}, 6.5, 8, {-3.5, 0.5, 3.5}});
      caps.push_back(*DesignOf(i + 1, cap));
    }
    std::mt19937_64 random(3);
    std::uniform_real_distribution<double> move(-0.02, 0.02);
    for (int i = 0; i < 10000; ++i) {
      const CapDesignPoints& cap = caps[random() % caps.size()];
      const DesignPoint& p = cap.points[random() % cap.points.size()];
      points.push_back({"M" + std::to_string(i), {p.point.X + move(random), p.point.Y + move(random)}});
    }
  }
};

const Site& TheSite() {
  static const Site site;
  return site;
}

// The whole check: each point's station and offset, its cap, its nearest
// design point and its deviation.
void BM_Check10000PointsAgainst100Caps(benchmark::State& state) {
  const Site& site = TheSite();
  for (auto _ : state) benchmark::DoNotOptimize(CheckPoints(site.road, site.caps, site.points, 0.01));
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(site.points.size()));
}
BENCHMARK(BM_Check10000PointsAgainst100Caps)->Unit(benchmark::kMillisecond);

// The caps alone, without the road's foot search.
void BM_Match10000PointsTo100Caps(benchmark::State& state) {
  const Site& site = TheSite();
  for (auto _ : state) {
    for (const MeasuredPoint& m : site.points) benchmark::DoNotOptimize(MatchCap(m.point, site.caps, 0.01));
  }
}
BENCHMARK(BM_Match10000PointsTo100Caps)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace capset

BENCHMARK_MAIN();
