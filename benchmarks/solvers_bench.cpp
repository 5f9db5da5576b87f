// One whole solve per iteration, answers from a fixed list; and the rounds
// that the edge-point iteration takes per side on the worked jobs.
#include <benchmark/benchmark.h>

#include <cmath>

#include "bench_seam.h"
#include "cap_solvers.h"
#include "edge_iteration.h"

namespace capset {
namespace {

constexpr double kPi = 3.1415926535;
const double kRho = 180 / kPi;

using SkewSolver = void (*)(double, double, double, double, double, double, double, double, double, double,
                            SolverAnswers, Seam&);
using Answers = std::vector<std::string>;

void BM_Skewed(benchmark::State& state, SkewSolver solve, double station, double T, double A1, double B, double Kj,
               Answers answers) {
  bench::FixedAnswers fixed(std::move(answers));
  Seam seam = fixed.seam();
  double Kp = 0;
  float DR = 0, precision = 0;
  for (auto _ : state) solve(station, 1000, 2000, T, 0, A1, B, Kj, kRho, kPi, {Kp, DR, precision}, seam);
  if (fixed.reports) state.SkipWithError("the solve reported something");
}
BENCHMARK_CAPTURE(BM_Skewed, Cmd1_base, Cmd1, 1000, 45, 100, 60, 1050, (Answers{"1050", "7.5", "0.0001"}));
BENCHMARK_CAPTURE(BM_Skewed, Cmd2_base, Cmd2, 1000, 45, 100, 60, 1050, (Answers{"1050", "7.5", "0.0001"}));
BENCHMARK_CAPTURE(BM_Skewed, Cmd3_worked, Cmd3, 12500, 225, 200, 60, 12450, (Answers{"12450", "6", "0.001"}));
BENCHMARK_CAPTURE(BM_Skewed, Cmd4_worked, Cmd4, 12500, 225, 200, 60, 12450, (Answers{"12450", "6", "0.001"}));
BENCHMARK_CAPTURE(BM_Skewed, Cmd1_base_1e7, Cmd1, 1000, 45, 100, 60, 1050, (Answers{"1050", "7.5", "1e-7"}));

void BM_Cmd5(benchmark::State& state) {
  bench::FixedAnswers fixed({"6", "0.001"});
  Seam seam = fixed.seam();
  double Kp = 0;
  float DR = 0, precision = 0;
  for (auto _ : state) Cmd5(12000, 1000, 2000, 45, 0, 200, 12050, kRho, kPi, 1, {Kp, DR, precision}, seam);
}
BENCHMARK(BM_Cmd5);

// Rounds per side on the ZH base case (A1 = 100, DR = 7.5, Kp = Kj = 1050,
// curve to the right), by B and precision; shown as counters.
void BM_EdgeRounds(benchmark::State& state) {
  const double B = static_cast<double>(state.range(0));
  const double precision = static_cast<double>(static_cast<float>(std::pow(10.0, -state.range(1))));
  const double w = static_cast<double>(7.5f);
  const double l = 50;
  const SpiralFrame frame{{1000, 2000}, 45, +1, 100, kRho, kPi, Fold::kHigh};
  const Chord c = ChordOf(SpiralLocal(l, 100, 4), kRho);
  const PlanePoint centre = Polar({1000, 2000}, c.length, 45 + c.deflection, kRho);
  const double psi = IntoRange((45 + TangentAngle(l, 100, kPi)) + B, Fold::kHighThenLow);
  const double k = B < 90 ? w / std::tan(B / kRho) : w / std::tan((180 - B) / kRho);
  const double sign = B < 90 ? 1 : -1;
  const EdgeSearch right{l + sign * k, psi, centre, l, w, precision, std::fabs(k) + w};
  EdgeSearch left = right;
  left.start = l - sign * k;
  left.target = IntoRange(psi + 180, Fold::kHigh);
  EdgeResult inner{}, outer{};
  for (auto _ : state) {
    inner = FindEdgePoint(frame, {+90, Fold::kHigh, +1}, right);
    outer = FindEdgePoint(frame, {-90, Fold::kLow, -1}, left);
    benchmark::DoNotOptimize(inner);
    benchmark::DoNotOptimize(outer);
  }
  const auto shown = [](const EdgeResult& r) {
    return r.outcome == EdgeResult::Outcome::kConverged ? r.rounds : -r.rounds;  // negative: not converged
  };
  state.counters["inner_rounds"] = shown(inner);
  state.counters["outer_rounds"] = shown(outer);
}
BENCHMARK(BM_EdgeRounds)->ArgNames({"B", "precision_exp"})->ArgsProduct({{30, 45, 60, 75, 120, 150, 15, 170}, {4, 7}});

}  // namespace
}  // namespace capset

BENCHMARK_MAIN();
