// The 逐桩坐标表 of a long road: 10,000 rows made, and written as CSV, on
// the benchmarks' road (1,000 JDs on grid coordinates near
// 3.4e6): 2,450 stations at 20 m and the 310 key points between, each with
// the centreline, both edges and one point more: 11,040 rows.
#include <benchmark/benchmark.h>

#include "jd_road.h"
#include "road_build.h"
#include "station_table.h"
#include "station_table_formats.h"

namespace capset {
namespace {

const Road& TheRoad() {
  static const Road road = *RoadFromIntersections(bench::JdTable(1000)).road;
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
