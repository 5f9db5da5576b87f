// A whole bridge solved: 100 bents 30 m apart on a road of 20 JDs near grid
// coordinates of 3.4e6, each skewed at 70° to its own tangent with both
// edges and a template of 27 points (a pile grid of 2 × 6, the pile cap's
// corners, three columns and eight bearings): 30 points a bent, 3,000 in
// all, each with its station and offset and, with a profile, its height.
#include <benchmark/benchmark.h>

#include "bridge_job.h"
#include "cap_session.h"
#include "hundred_bents.h"
#include "jd_road.h"

namespace capset {
namespace {

void Solve(benchmark::State& state, bool heights) {
  FixedNumberReader reader({});
  bench::Silent silent;
  bench::StartAnswers prompt;
  Seam seam{prompt, reader, silent, silent};
  CapSession session(seam);
  if (session.SetRoad(bench::JdTable(20))) return state.SkipWithError("the road was refused");
  if (heights) {
    const ProfileInput profile{{{{10000}, 120},
                                {{11500}, 131.5, VerticalCurveKind::kRadius, 12000},
                                {{13500}, 118, VerticalCurveKind::kRadius, 15000},
                                {{15000}, 126}}};
    if (session.SetProfile(profile)) return state.SkipWithError("the profile was refused");
  }
  if (!session.SetTemplate(bench::Pier()).empty()) return state.SkipWithError("the template was refused");
  if (!session.SetBridge(bench::HundredBents()).empty()) return state.SkipWithError("the bridge was refused");
  const Bridge& bridge = session.Bridges().front();
  std::size_t points = 0, heighted = 0;
  for (auto _ : state) {
    const std::optional<BridgeSolution> solution = session.SolveBridgeNow(bridge);
    points = heighted = 0;
    for (const BentSolution& b : solution->bents) {
      points += b.points.size();
      for (const BridgePoint& p : b.points) heighted += p.height.has_value();
    }
    benchmark::DoNotOptimize(solution);
  }
  if (points != 3000) state.SkipWithError("not every point was solved");
  if (heights && heighted != points) state.SkipWithError("not every point has its height");
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(points));
}

void BM_BridgeOf100BentsWithHeights(benchmark::State& state) { Solve(state, true); }
BENCHMARK(BM_BridgeOf100BentsWithHeights)->Unit(benchmark::kMillisecond);

void BM_BridgeOf100BentsPlan(benchmark::State& state) { Solve(state, false); }
BENCHMARK(BM_BridgeOf100BentsPlan)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace capset

BENCHMARK_MAIN();
