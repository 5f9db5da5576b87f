// The 逐桩坐标表 of a long road: 10,000 rows made, and written as CSV, on
// the benchmark road of road_bench (1,000 JDs on grid coordinates near
// 3.4e6): 2,450 stations at 20 m and the 310 key points between, each with
// the centreline, both edges and one point more: 11,040 rows.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "road_build.h"
#include "station_table.h"
#include "station_table_formats.h"

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

const Road& TheRoad() {
  static const Road road = *RoadFromIntersections(Table(1000)).road;
  return road;
}

// 50 km into the road, 2,450 stations at 20 m, with the key points between.
StationTableRequest TenThousandRows() { return {{60000}, {60000 + 49000}, 20, {-7.5, 7.5, 3.5}}; }

void BM_StationTable10000Rows(benchmark::State& state) {
  const Road& road = TheRoad();
  std::size_t rows = 0;
  for (auto _ : state) {
    auto made = MakeStationTable(road, TenThousandRows());
    rows = std::get<std::vector<StationTableRow>>(made).size();
    benchmark::DoNotOptimize(made);
  }
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_StationTable10000Rows)->Unit(benchmark::kMillisecond);

void BM_StationTable10000RowsAsCsv(benchmark::State& state) {
  const auto rows = std::get<std::vector<StationTableRow>>(MakeStationTable(TheRoad(), TenThousandRows()));
  for (auto _ : state) benchmark::DoNotOptimize(StationTableText(ExportFormat::kCsv, rows));
}
BENCHMARK(BM_StationTable10000RowsAsCsv)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace capset

BENCHMARK_MAIN();
