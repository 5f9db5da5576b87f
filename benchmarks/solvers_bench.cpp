// The pure solve, one cap per iteration: no prompt, no text. And the rounds
// that the edge-point iteration takes per side on the base job.
#include <benchmark/benchmark.h>

#include <cmath>

#include "cap_solve.h"

namespace capset {
namespace {

constexpr double kPi = 3.1415926535;
const double kRho = 180 / kPi;

const CapDesign kZH{1000, 1000, 2000, 45, 0, 100, 60, 1050, kRho, kPi, 1};
const CapDesign kHZ{12500, 1000, 2000, 225, 0, 200, 60, 12450, kRho, kPi, 1};

void BM_Solve(benchmark::State& state, Solver solver, CapDesign design, CapAnswers answers) {
  for (auto _ : state) benchmark::DoNotOptimize(SolveCap(solver, design, answers));
}
BENCHMARK_CAPTURE(BM_Solve, Cmd1_base, Solver::kCmd1, kZH, (CapAnswers{1050, 7.5f, 1e-4f}));
BENCHMARK_CAPTURE(BM_Solve, Cmd2_base, Solver::kCmd2, kZH, (CapAnswers{1050, 7.5f, 1e-4f}));
BENCHMARK_CAPTURE(BM_Solve, Cmd3_worked, Solver::kCmd3, kHZ, (CapAnswers{12450, 6, 1e-3f}));
BENCHMARK_CAPTURE(BM_Solve, Cmd4_worked, Solver::kCmd4, kHZ, (CapAnswers{12450, 6, 1e-3f}));
BENCHMARK_CAPTURE(BM_Solve, Cmd1_base_1e7, Solver::kCmd1, kZH, (CapAnswers{1050, 7.5f, 1e-7f}));
BENCHMARK_CAPTURE(BM_Solve, Cmd5_worked, Solver::kCmd5,
                  (CapDesign{12000, 1000, 2000, 45, 0, 200, 90, 12050, kRho, kPi, 1}), (CapAnswers{0, 6, 1e-3f}));

// Rounds per side on the ZH base case (A1 = 100, DR = 7.5, Kp = Kj = 1050,
// curve to the right), by B and precision; shown as counters, negative when
// the side was not solved.
void BM_EdgeRounds(benchmark::State& state) {
  CapDesign design = kZH;
  design.B = static_cast<double>(state.range(0));
  const CapAnswers answers{1050, 7.5f, static_cast<float>(std::pow(10.0, -state.range(1)))};
  CapSolution s{};
  for (auto _ : state) {
    s = SolveCap(Solver::kCmd1, design, answers);
    benchmark::DoNotOptimize(s);
  }
  const auto shown = [](const EdgeSolution& e) { return e.status == SideStatus::kSolved ? e.rounds : -e.rounds; };
  state.counters["inner_rounds"] = shown(s.inner);
  state.counters["outer_rounds"] = shown(s.outer);
}
BENCHMARK(BM_EdgeRounds)->ArgNames({"B", "precision_exp"})->ArgsProduct({{30, 45, 60, 75, 120, 150, 15, 170}, {4, 7}});

}  // namespace
}  // namespace capset

BENCHMARK_MAIN();
