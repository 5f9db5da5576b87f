#include <benchmark/benchmark.h>

#include "spiral.h"

namespace capset {
namespace {

const double kRho = 180 / 3.1415926535;

void BM_SpiralPoint(benchmark::State& state) {
  double l = 50;
  for (auto _ : state) {
    const Chord c = ChordOf(SpiralLocal(l, 100, 4), kRho);
    benchmark::DoNotOptimize(Polar({1000, 2000}, c.length, 45 + c.deflection, kRho));
  }
}
BENCHMARK(BM_SpiralPoint);

void BM_TangentAngle(benchmark::State& state) {
  double l = 50;
  for (auto _ : state) benchmark::DoNotOptimize(TangentAngle(l, 100, 3.1415926535));
}
BENCHMARK(BM_TangentAngle);

void BM_Bearing(benchmark::State& state) {
  double dX = -3.3, dY = 8.1;
  for (auto _ : state) benchmark::DoNotOptimize(BearingOf(dX, dY, kRho));
}
BENCHMARK(BM_Bearing);

}  // namespace
}  // namespace capset

BENCHMARK_MAIN();
