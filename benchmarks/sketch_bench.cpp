// The plan sketch: making its scene, and the scene plus painting the band
// into an image of the band's size, as a repaint does.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "cap_solve.h"
#include "cap_warnings.h"
#include "sketch_scene.h"
#include "sketch_view.h"
#include "offscreen_main.h"

namespace capset {
namespace {

constexpr double kPi = 3.1415926535;

CapSolution BaseCap() {
  return SolveCap(Solver::kCmd1, {1000, 1000, 2000, 45, 150, 100, 60, 1040, 180 / kPi, kPi, 1}, {1050, 7.5f, 1e-4f});
}

void BM_Scene(benchmark::State& state) {
  const CapSolution cap = BaseCap();
  for (auto _ : state) benchmark::DoNotOptimize(MakeSketch(cap, CheckCap(cap), {772, 197}));
}
BENCHMARK(BM_Scene)->Unit(benchmark::kMicrosecond);

void BM_SceneAndPaint(benchmark::State& state) {
  SketchView view;
  view.resize(772, 197);
  const CapSolution cap = BaseCap();
  QImage image(772, 197, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    view.ShowCap(cap);
    image.fill(Qt::transparent);
    view.render(&image);
  }
}
BENCHMARK(BM_SceneAndPaint)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace capset

int main(int argc, char** argv) { return capset::RunOffscreenBenchmarks(argc, argv); }
