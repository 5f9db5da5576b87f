// The as-built check of a whole bridge: 10 000 measured points against 100
// caps 30 m apart along a road of 20 JDs near grid coordinates of 3.4e6,
// each point a design point of some cap (centre, edges, columns) moved by
// up to 20 mm.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "as_built_check.h"
#include "road_build.h"
#include "road_cap.h"

namespace capset {
namespace {

IntersectionRoadInput Table(int count) {
  std::mt19937_64 random(1);
  std::uniform_real_distribution<double> unit(0, 1);
  IntersectionRoadInput in{10000, {3.4e6, 5e5}, {}, {}, {}};
  double X = in.bp.X, Y = in.bp.Y, heading = 0.3;
  for (int i = 0; i <= count; ++i) {
    const double leg = 600 + 400 * unit(random);
    X += leg * std::cos(heading);
    Y += leg * std::sin(heading);
    if (i == count) break;
    const double turn = (unit(random) < 0.5 ? -1 : 1) * (0.15 + 0.5 * unit(random));
    const double R = std::min(2000.0, std::max(250.0, 0.3 * leg / std::tan(std::fabs(turn) / 2)));
    const double Ls = std::min(60 + 90 * unit(random), 0.8 * R * std::fabs(turn));
    in.jds.push_back({{X, Y}, R, Ls, Ls});
    heading += turn;
  }
  in.ep = {X, Y};
  return in;
}

struct Site {
  Road road = *RoadFromIntersections(Table(20)).road;
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
