// The road in the window: a LandXML file of 1,000 elements read (and made
// into the road, its intersection points found and checked), and the plan
// of a 20 km road repainted, whole and zoomed in, as a paint event does.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>

#include "jd_road.h"
#include "landxml_read.h"
#include "landxml_write.h"
#include "plan_view.h"
#include "road_build.h"

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

}  // namespace
}  // namespace capset

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
