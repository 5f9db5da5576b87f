// The results log without a window: a batch of 1,000 stations checked,
// solved and added to the log (by the window's formulas, and exactly on
// the road), and 10,000 rows written out as CSV and as
// the CASS point file.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bridge_job.h"
#include "cap_session.h"
#include "export_formats.h"

namespace capset {
namespace {

using bench::Bridge;
using bench::Silent;
using bench::StartAnswers;

void BM_Batch(benchmark::State& state) {
  const BatchInput input = Bridge(static_cast<int>(state.range(0)));
  FixedNumberReader reader({});
  Silent silent;
  for (auto _ : state) {
    state.PauseTiming();
    StartAnswers prompt;
    Seam seam{prompt, reader, silent, silent};
    CapSession session(seam);
    session.Start();
    state.ResumeTiming();
    session.Batch(input);
    if (session.Log().Size() != state.range(0)) state.SkipWithError("the batch did not run");
  }
}
BENCHMARK(BM_Batch)->Arg(1000)->Unit(benchmark::kMillisecond);

// 1,000 caps on the road, exactly: checked, solved and logged.
void BM_ExactBatch(benchmark::State& state) {
  const BatchInput input = bench::ExactBridge(static_cast<int>(state.range(0)));
  FixedNumberReader reader({});
  Silent silent;
  for (auto _ : state) {
    state.PauseTiming();
    bench::CurveAnswers prompt;
    Seam seam{prompt, reader, silent, silent};
    CapSession session(seam);
    session.Start();
    state.ResumeTiming();
    session.Batch(input);
    if (session.Log().Size() != state.range(0)) state.SkipWithError("the batch did not run");
  }
}
BENCHMARK(BM_ExactBatch)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_Export(benchmark::State& state, ExportFormat format) {
  StartAnswers prompt;
  FixedNumberReader reader({});
  Silent silent;
  Seam seam{prompt, reader, silent, silent};
  CapSession session(seam);
  session.Start();
  for (int i = 0; i < 10; ++i) session.Batch(Bridge(1000));
  std::vector<const CapRecord*> records;
  for (const CapRecord& r : session.Log().Records()) records.push_back(&r);
  for (auto _ : state) benchmark::DoNotOptimize(ExportText(format, records));
  state.counters["rows"] = static_cast<double>(records.size());
}
BENCHMARK_CAPTURE(BM_Export, csv_10000_rows, ExportFormat::kCsv)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, dat_10000_rows, ExportFormat::kDat)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace capset

BENCHMARK_MAIN();
