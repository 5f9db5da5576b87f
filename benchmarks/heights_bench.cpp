// Heights on the benchmarks' 1 000-JD road: a profile of 1 000 PVIs with a
// parabola at each inner one, and superelevation over every JD's spirals
// about the inner edge. The elevation at a distance, a point's elevation
// from its plane coordinates (Road::Where, then the height at its foot), and
// the profile and section built from their typed stations.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "jd_road.h"
#include "road_build.h"
#include "road_heights.h"

namespace capset {
namespace {

const Road& TheRoad() {
  static const Road road = *RoadFromIntersections(bench::JdTable(1000)).road;
  return road;
}

// 1 000 PVIs evenly along the road, grades of ±4 %, each inner PVI with the
// largest radius whose curve keeps to half the gaps beside it.
ProfileInput ThousandPvis() {
  const Road& road = TheRoad();
  std::mt19937_64 random(5);
  std::uniform_real_distribution<double> unit(0, 1);
  const int n = 1000;
  const double gap = road.length() / (n - 1);
  std::vector<double> heights;
  double h = 500;
  for (int k = 0; k < n; ++k, h += gap * 0.08 * (unit(random) - 0.5)) heights.push_back(h);
  ProfileInput in;
  for (int k = 0; k < n; ++k) {
    PviInput row{road.StationAt(std::min(k * gap, road.length())), heights[k]};
    if (k > 0 && k + 1 < n) {
      const double omega = std::fabs((heights[k + 1] - 2 * heights[k] + heights[k - 1]) / gap);
      row.curve = VerticalCurveKind::kRadius;
      row.radius = omega > 1e-6 ? std::min(0.9 * gap / omega, 1e5) : 0;
    }
    in.rows.push_back(row);
  }
  return in;
}

CrossSectionInput EveryJdSuperelevated() {
  CrossSectionInput in;
  in.leftWidth = in.rightWidth = 5.25;
  for (int jd = 1; jd <= 1000; ++jd) in.transitions.push_back({jd, {}, {}, {}, {}, 6, SectionSide::kLeft, SuperAxis::kInnerEdge});
  return in;
}

const RoadHeights& TheHeights() {
  static const RoadHeights heights = *BuildHeights(ThousandPvis(), EveryJdSuperelevated(), &TheRoad()).heights;
  return heights;
}

std::vector<double> RandomDistances(int n) {
  std::mt19937_64 random(6);
  std::uniform_real_distribution<double> unit(0, 1);
  std::vector<double> out;
  for (int i = 0; i < n; ++i) out.push_back(unit(random) * TheRoad().length());
  return out;
}

// The profile alone: elevation and grade at a distance.
void BM_ProfileElevationAtADistance(benchmark::State& state) {
  const Profile& profile = TheHeights().profile();
  const std::vector<double> d = RandomDistances(4096);
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(profile.At(d[i++ & 4095]));
}
BENCHMARK(BM_ProfileElevationAtADistance);

// The section alone: its slopes and centreline at a distance.
void BM_SectionAtADistance(benchmark::State& state) {
  const CrossSection& section = TheHeights().section();
  const std::vector<double> d = RandomDistances(4096);
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(section.At(d[i++ & 4095]));
}
BENCHMARK(BM_SectionAtADistance);

// The whole height: profile and superelevated section at a distance and offset.
void BM_ElevationAtADistanceAndOffset(benchmark::State& state) {
  const RoadHeights& heights = TheHeights();
  const std::vector<double> d = RandomDistances(4096);
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(heights.At(d[i++ & 4095], 3.75));
}
BENCHMARK(BM_ElevationAtADistanceAndOffset);

// A point within 10 m of the road to its elevation: its foot, then the height there.
void BM_PointWithItsElevation(benchmark::State& state) {
  const Road& road = TheRoad();
  const RoadHeights& heights = TheHeights();
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> unit(0, 1);
  std::vector<PlanePoint> points;
  for (double d : RandomDistances(4096)) points.push_back(road.At(d, (unit(random) - 0.5) * 20)->point);
  std::size_t i = 0;
  for (auto _ : state) {
    const RoadFoot foot = road.Where(points[i++ & 4095]);
    benchmark::DoNotOptimize(heights.At(foot.distance, foot.offset));
  }
}
BENCHMARK(BM_PointWithItsElevation);

// 正算 with a height: a station and an offset to the point and its elevation.
void BM_StationToPointWithItsElevation(benchmark::State& state) {
  const Road& road = TheRoad();
  const RoadHeights& heights = TheHeights();
  std::vector<StationRef> stations;
  for (double d : RandomDistances(4096)) stations.push_back(road.StationAt(d));
  std::size_t i = 0;
  for (auto _ : state) {
    const Road::StationPoint p = road.AtStation(stations[i++ & 4095], 3.75);
    benchmark::DoNotOptimize(p);
    benchmark::DoNotOptimize(heights.At(p.placement.distance, 3.75));
  }
}
BENCHMARK(BM_StationToPointWithItsElevation);

// The 1 000 PVIs placed through the road's stations and built, with the
// normal crown.
void BM_ProfileOf1000PvisBuilt(benchmark::State& state) {
  const ProfileInput profile = ThousandPvis();
  const CrossSectionInput section;
  for (auto _ : state) benchmark::DoNotOptimize(BuildHeights(profile, section, &TheRoad()));
}
BENCHMARK(BM_ProfileOf1000PvisBuilt)->Unit(benchmark::kMicrosecond);

// The same with 1 000 transitions taken from the JDs' key points.
void BM_ProfileAndSuperelevationOf1000JdsBuilt(benchmark::State& state) {
  const ProfileInput profile = ThousandPvis();
  const CrossSectionInput section = EveryJdSuperelevated();
  for (auto _ : state) benchmark::DoNotOptimize(BuildHeights(profile, section, &TheRoad()));
}
BENCHMARK(BM_ProfileAndSuperelevationOf1000JdsBuilt)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace capset

BENCHMARK_MAIN();
