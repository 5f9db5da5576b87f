#include <benchmark/benchmark.h>

#include "angle_text.h"
#include "number_text.h"
#include "round3.h"
#include "station_text.h"

namespace capset {
namespace {

void BM_NumberTextDouble(benchmark::State& state) {
  double v = 2035.7199999;
  for (auto _ : state) benchmark::DoNotOptimize(NumberText(v, "."));
}
BENCHMARK(BM_NumberTextDouble);

void BM_NumberTextFloat(benchmark::State& state) {
  float v = 7.3f;
  for (auto _ : state) benchmark::DoNotOptimize(NumberText(v, "."));
}
BENCHMARK(BM_NumberTextFloat);

void BM_CoordinateText(benchmark::State& state) {
  double v = 1033.8286123;
  for (auto _ : state) benchmark::DoNotOptimize(NumberText(Round3(v), "."));
}
BENCHMARK(BM_CoordinateText);

void BM_StationText(benchmark::State& state) {
  double v = 12345.678;
  for (auto _ : state) benchmark::DoNotOptimize(FootStationText(v));
}
BENCHMARK(BM_StationText);

void BM_DmsToDegrees(benchmark::State& state) {
  double v = 30.1530;
  for (auto _ : state) benchmark::DoNotOptimize(DmsToDegrees(v));
}
BENCHMARK(BM_DmsToDegrees);

}  // namespace
}  // namespace capset

BENCHMARK_MAIN();
