// The road engine and the exact cap, on a realistic road: 1 000 JDs of R
// 250 … 2 000 with spirals of 60 … 150 m, legs of 600 … 1 000 m, on grid
// coordinates near 3.4e6.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "jd_road.h"
#include "road_build.h"
#include "road_cap.h"

namespace capset {
namespace {

const Road& TheRoad() {
  static const Road road = *RoadFromIntersections(bench::JdTable(1000)).road;
  return road;
}

std::vector<double> RandomStations(int n) {
  std::mt19937_64 random(2);
  std::uniform_real_distribution<double> unit(0, 1);
  const Road& road = TheRoad();
  std::vector<double> stations;
  for (int i = 0; i < n; ++i) stations.push_back(road.firstStation() + unit(random) * road.length());
  return stations;
}

// 正算: a station and an offset to a point.
void BM_StationToPoint(benchmark::State& state) {
  const Road& road = TheRoad();
  const std::vector<double> stations = RandomStations(4096);
  std::size_t i = 0;
  for (auto _ : state) {
    const Placement p = road.Place({stations[i++ & 4095]});
    benchmark::DoNotOptimize(road.At(p.distance, 7.5));
  }
}
BENCHMARK(BM_StationToPoint);

// 反算: a point within 20 m of the road to its station and offset.
void BM_PointToStation(benchmark::State& state) {
  const Road& road = TheRoad();
  std::mt19937_64 random(3);
  std::uniform_real_distribution<double> unit(0, 1);
  std::vector<PlanePoint> points;
  for (double s : RandomStations(4096)) points.push_back(road.At(road.Place({s}).distance, (unit(random) - 0.5) * 40)->point);
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(road.Where(points[i++ & 4095]));
}
BENCHMARK(BM_PointToStation);

void BM_TableOf1000JdsMadeIntoARoad(benchmark::State& state) {
  const IntersectionRoadInput table = bench::JdTable(1000);
  for (auto _ : state) benchmark::DoNotOptimize(RoadFromIntersections(table));
}
BENCHMARK(BM_TableOf1000JdsMadeIntoARoad)->Unit(benchmark::kMillisecond);

// A station table: 10 000 stations in order, each with its point and tangent.
void BM_TenThousandStations(benchmark::State& state) {
  const Road& road = TheRoad();
  const double step = road.length() / 10000;
  for (auto _ : state) {
    for (int i = 0; i < 10000; ++i) benchmark::DoNotOptimize(road.At(i * step));
  }
}
BENCHMARK(BM_TenThousandStations)->Unit(benchmark::kMillisecond);

// One exact cap: the centre, both edges and two points along the axis.
void BM_ExactCap(benchmark::State& state) {
  const Road& road = TheRoad();
  const std::vector<double> stations = RandomStations(4096);
  std::size_t i = 0;
  for (auto _ : state) {
    const double Kp = stations[i++ & 4095];
    const RoadCapRequest request{{Kp}, 62.5, CapAxisMode::kParallel, {Kp}, 6.25, 9.5, {-3.2, 3.2}};
    benchmark::DoNotOptimize(SolveRoadCap(road, request));
  }
}
BENCHMARK(BM_ExactCap);

}  // namespace
}  // namespace capset

BENCHMARK_MAIN();
