// The bridge page with a bridge of 100 bents of 30 points (3,000 points, a
// grid and a cap outline a bent) on the 20-JD road: the plan repainted as a
// paint event does, the whole bridge in view and zoomed in on a few bents;
// the plan's scene made; and the whole page brought up to date when the
// session keeps a changed bridge (checked, solved, scene, tables).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include "bridge_job.h"
#include "bridge_page.h"
#include "bridge_plan_view.h"
#include "bridge_scene.h"
#include "cap_session.h"
#include "hundred_bents.h"
#include "jd_road.h"
#include "offscreen_main.h"

namespace capset {
namespace {

struct PageJob {
  FixedNumberReader reader{NumberSymbols{}};
  bench::Silent silent;
  bench::StartAnswers prompt;
  Seam seam{prompt, reader, silent, silent};
  CapSession session{seam};
  bool good = false;
  PageJob() {
    good = !session.SetRoad(bench::JdTable(20)) && session.SetTemplate(bench::Pier()).empty() &&
           session.SetBridge(bench::HundredBents()).empty();
  }
};

void Repaint(benchmark::State& state, double zoom) {
  PageJob job;
  if (!job.good) return state.SkipWithError("the bridge was refused");
  const Bridge& bridge = job.session.Bridges().front();
  const BridgeSolution solution = *job.session.SolveBridgeNow(bridge);
  BridgePlanView view;
  view.resize(900, 650);
  view.SetScene(MakeBridgeScene(bridge, solution, *job.session.WorkingRoad(), job.session.TemplateFinder()),
                job.session.WorkingRoad(), true);
  view.SetChosen(50);
  view.Fit();
  QImage image(900, 650, QImage::Format_ARGB32_Premultiplied);
  std::size_t labels = 0;
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (zoom != 1) {
      // Zoomed about the chosen bent, as the user's wheel does it.
      state.PauseTiming();
      view.Fit();
      const PlanePoint centre = view.Scene().bents[50].centre;
      const Pixel at = view.Mapping().ToPixel(centre);
      const_cast<PlanMapping&>(view.Mapping()).ZoomAbout(at, zoom);
      state.ResumeTiming();
    }
    labels = view.Paint(painter).size();
  }
  state.counters["points"] = static_cast<double>(view.Scene().points.size());
  state.counters["labels"] = static_cast<double>(labels);
}

void BM_BridgePlanRepaintWhole(benchmark::State& state) { Repaint(state, 1); }
BENCHMARK(BM_BridgePlanRepaintWhole)->Unit(benchmark::kMillisecond);

void BM_BridgePlanRepaintZoomedIn(benchmark::State& state) { Repaint(state, 30); }
BENCHMARK(BM_BridgePlanRepaintZoomedIn)->Unit(benchmark::kMillisecond);

void BM_BridgePlanScene(benchmark::State& state) {
  PageJob job;
  if (!job.good) return state.SkipWithError("the bridge was refused");
  const Bridge& bridge = job.session.Bridges().front();
  const BridgeSolution solution = *job.session.SolveBridgeNow(bridge);
  for (auto _ : state) {
    benchmark::DoNotOptimize(MakeBridgeScene(bridge, solution, *job.session.WorkingRoad(), job.session.TemplateFinder()));
  }
}
BENCHMARK(BM_BridgePlanScene)->Unit(benchmark::kMillisecond);

// A bent's station changed and kept: the page hears of it and shows the
// bridge as it is now.
void BM_BridgePageFollowsAChange(benchmark::State& state) {
  PageJob job;
  if (!job.good) return state.SkipWithError("the bridge was refused");
  BridgePage page(job.session, NumberSymbols{});
  page.resize(1300, 700);
  Bridge bridge = job.session.Bridges().front();
  int round = 0;
  for (auto _ : state) {
    bridge.bents[0].station.value = 11000 + (++round % 2) * 0.5;
    if (!job.session.SetBridge(bridge).empty()) return state.SkipWithError("refused");
  }
}
BENCHMARK(BM_BridgePageFollowsAChange)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace capset

int main(int argc, char** argv) { return capset::RunOffscreenBenchmarks(argc, argv); }
