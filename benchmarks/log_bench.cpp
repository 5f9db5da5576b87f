// The results log without a window: a batch of 1,000 stations checked,
// solved and added to the log, and 10,000 rows written out as CSV and as
// the CASS point file.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "cap_session.h"
#include "export_formats.h"

namespace capset {
namespace {

// Answers Start's questions for the ZH base job, then nothing.
class StartAnswers : public Prompt {
 public:
  std::optional<std::string> Ask(const std::string&) override {
    static const char* const kAnswers[] = {"1000", "1000", "2000", "45", "0", "100", "1050", "60", "1"};
    if (next_ >= std::size(kAnswers)) return std::nullopt;
    return kAnswers[next_++];
  }

 private:
  std::size_t next_ = 0;
};

struct Silent : ErrorReporter, BoxWriter {
  void ReportError(const std::string&) override {}
  void ReportNotice(const std::string&) override {}
  void WriteBox(int, const std::string&) override {}
};

// A bridge of `caps` bents 0.08 m apart on the base spiral, named, with two
// points each along the axis.
BatchInput Bridge(int caps) {
  BatchInput input{BatchInput::Axis::kOwn, "7.5", "0.0001", "-3.5 3.5", {}};
  for (int i = 0; i < caps; ++i) input.stations.push_back(std::to_string(i) + "# " + std::to_string(1010 + 0.08 * i));
  return input;
}

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
