// The profile view of a 20 km road: 60 PVIs with their vertical curves,
// the road's key points and stations, 100 bents; repainted whole and
// zoomed in, as a paint event does, and its picture made.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <random>

#include "jd_road.h"
#include "profile_view.h"
#include "road_build.h"
#include "road_heights.h"
#include "offscreen_main.h"

namespace capset {
namespace {

// 24 JDs: about 20 km.
const Road& TwentyKilometres() {
  static const Road road = *RoadFromIntersections(bench::JdTable(24)).road;
  return road;
}

// 60 PVIs evenly along the road, grades within ±4 %, each curve as long as
// 0.8 of the shorter stretch beside it allows.
const RoadHeights& Heights() {
  static const RoadHeights heights = [] {
    const Road& road = TwentyKilometres();
    std::mt19937_64 random(60);
    std::uniform_real_distribution<double> grade(-0.04, 0.04);
    const int n = 60;
    const double step = road.length() / (n - 1);
    ProfileInput input;
    double elevation = 300, previous = 0;
    for (int i = 0; i < n; ++i) {
      const double g = grade(random);
      PviInput row{road.StationAt(i * step), elevation};
      if (i > 0 && i + 1 < n) {
        row.curve = VerticalCurveKind::kRadius;
        row.radius = std::min(30000.0, 0.8 * step / std::max(std::fabs(g - previous), 1e-3));
      }
      input.rows.push_back(row);
      elevation += g * step;
      previous = g;
    }
    return *BuildHeights(input, {}, &road).heights;
  }();
  return heights;
}

std::vector<PlanCapMark> Bents() {
  std::vector<PlanCapMark> caps;
  for (int i = 0; i < 100; ++i) caps.push_back({TwentyKilometres().At(2000 + 100 * i)->point, {}, {}, std::to_string(i + 1) + "#"});
  return caps;
}

void Repaint(benchmark::State& state, double zoom) {
  ProfileView view;
  view.resize(900, 500);
  view.SetProfile(&Heights().profile(), &TwentyKilometres(), Bents());
  view.Fit();
  view.Mapping().ZoomAbout(450, 250, zoom);
  QImage image(900, 500, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    image.fill(Qt::white);
    view.render(&image);
  }
  state.counters["km"] = TwentyKilometres().length() / 1000;
  state.counters["pvis"] = static_cast<double>(Heights().profile().rows().size());
}

void BM_ProfileRepaintWhole(benchmark::State& state) { Repaint(state, 1); }
BENCHMARK(BM_ProfileRepaintWhole)->Unit(benchmark::kMillisecond);

void BM_ProfileRepaintZoomedIn(benchmark::State& state) { Repaint(state, 20); }
BENCHMARK(BM_ProfileRepaintZoomedIn)->Unit(benchmark::kMillisecond);

void BM_ProfileScene(benchmark::State& state) {
  const std::vector<PlanCapMark> caps = Bents();
  for (auto _ : state) benchmark::DoNotOptimize(MakeProfileScene(Heights().profile(), &TwentyKilometres(), caps));
}
BENCHMARK(BM_ProfileScene)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace capset

int main(int argc, char** argv) { return capset::RunOffscreenBenchmarks(argc, argv); }
