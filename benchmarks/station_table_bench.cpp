// The 逐桩坐标表 of a long road: 10,000 rows made (with and without the
// elevation of each), and written as CSV, on
// the benchmarks' road (1,000 JDs on grid coordinates near
// 3.4e6): 2,450 stations at 20 m and the 310 key points between, each with
// the centreline, both edges and one point more: 11,040 rows.
#include <benchmark/benchmark.h>

#include "jd_road.h"
#include "road_build.h"
#include "road_heights.h"
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

// Heights on the whole road: a PVI every 500 m, grades of ±0.6 % and crest
// and sag curves of R 20,000 m between, the normal crown.
const RoadHeights& TheHeights() {
  static const RoadHeights heights = [] {
    const Road& road = TheRoad();
    ProfileInput profile;
    const int count = static_cast<int>((road.lastStation() - road.firstStation()) / 500);
    for (int k = 0; k <= count; ++k) {
      const bool end = k == 0 || k == count;
      const double station = k == count ? road.lastStation() : road.firstStation() + 500.0 * k;
      profile.rows.push_back({{station}, 100.0 + (k % 2) * 3.0, end ? VerticalCurveKind::kNone : VerticalCurveKind::kRadius,
                              end ? 0.0 : 20000.0});
    }
    return *BuildHeights(profile, CrossSectionInput{}, &road).heights;
  }();
  return heights;
}

// The same 11,040 rows with the finished surface's elevation of each.
void BM_StationTable10000RowsWithHeights(benchmark::State& state) {
  const Road& road = TheRoad();
  const RoadHeights& heights = TheHeights();
  std::size_t rows = 0;
  for (auto _ : state) {
    auto made = MakeStationTable(road, TenThousandRows());
    auto& table = std::get<std::vector<StationTableRow>>(made);
    AddTableHeights(table, heights);
    rows = table.size();
    benchmark::DoNotOptimize(made);
  }
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_StationTable10000RowsWithHeights)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace capset

BENCHMARK_MAIN();
