// The road in the window: a LandXML file of 1,000 elements read (and made
// into the road, its intersection points found and checked), the plan of a
// 20 km road repainted, whole and zoomed in, as a paint event does, and the
// road window opened on a road of 1,000 JDs.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>

#include "bridge_job.h"
#include "cap_session.h"
#include "jd_road.h"
#include "qt_number_reader.h"
#include "road_window.h"
#include "landxml_read.h"
#include "landxml_write.h"
#include "plan_view.h"
#include "road_build.h"
#include "offscreen_main.h"

namespace capset {
namespace {

// 250 JDs: a straight and three curved elements each, 1,001 elements in all.
QByteArray ThousandElements() {
  const Road road = *RoadFromIntersections(bench::JdTable(250)).road;
  return QByteArray::fromStdString(WriteLandXml(road, "bench"));
}

void BM_ReadLandXml(benchmark::State& state) {
  QByteArray bytes = ThousandElements();
  for (auto _ : state) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    benchmark::DoNotOptimize(ReadLandXml(buffer));
  }
}
BENCHMARK(BM_ReadLandXml)->Unit(benchmark::kMillisecond);

void BM_ReadLandXmlIntoTheRoad(benchmark::State& state) {
  QByteArray bytes = ThousandElements();
  for (auto _ : state) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const auto read = ReadLandXml(buffer);
    const auto road = ChooseAlignment(std::get<LandXmlFile>(read), std::nullopt);
    benchmark::DoNotOptimize(BuildRoad(std::get<RoadInput>(road)));
  }
}
BENCHMARK(BM_ReadLandXmlIntoTheRoad)->Unit(benchmark::kMillisecond);

// 24 JDs: about 20 km.
const Road& TwentyKilometres() {
  static const Road road = *RoadFromIntersections(bench::JdTable(24)).road;
  return road;
}

void Repaint(benchmark::State& state, double zoom) {
  PlanView view;
  view.resize(900, 650);
  view.SetRoad(&TwentyKilometres());
  view.Fit();
  view.Mapping().ZoomAbout({450, 325}, zoom);
  QImage image(900, 650, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    image.fill(Qt::white);
    view.render(&image);
  }
  state.counters["km"] = TwentyKilometres().length() / 1000;
}

void BM_PlanRepaintWhole(benchmark::State& state) { Repaint(state, 1); }
BENCHMARK(BM_PlanRepaintWhole)->Unit(benchmark::kMillisecond);

void BM_PlanRepaintZoomedIn(benchmark::State& state) { Repaint(state, 20); }
BENCHMARK(BM_PlanRepaintZoomedIn)->Unit(benchmark::kMillisecond);

void BM_PlanScene(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(MakePlanScene(TwentyKilometres()));
}
BENCHMARK(BM_PlanScene)->Unit(benchmark::kMillisecond);

// The road window made, shown and painted once on the job's road of 1,000
// JDs: the table of 1,002 rows, the curves (1,000) and key points (5,002),
// the plan; then closed.
void BM_RoadWindowOpens(benchmark::State& state) {
  bench::Silent silent;
  bench::StartAnswers answers;
  QtNumberReader reader;
  Seam seam{answers, reader, silent, silent};
  CapSession session(seam);
  if (session.SetRoad(bench::JdTable(1000))) state.SkipWithError("the road does not build");
  for (auto _ : state) {
    RoadWindow window(session, silent);
    window.resize(1340, 700);
    window.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(window.Preview());
  }
  state.counters["rows"] = 1002;
}
BENCHMARK(BM_RoadWindowOpens)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace capset

int main(int argc, char** argv) { return capset::RunOffscreenBenchmarks(argc, argv); }
