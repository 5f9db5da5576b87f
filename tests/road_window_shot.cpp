// road_window_shot FOLDER [WIDTHxHEIGHT]: pictures of the road window with a real road
// (three curves, each an arc between spirals, and caps of a bridge on the
// first), its three tabs one picture each, for looking at and for the
// README. Not a test: run it on a display (Xvfb will do) and look.

#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QTabWidget>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <sstream>

#include "journal.h"
#include "bridge_page.h"
#include "bridge_plan_view.h"
#include "template_panel.h"
#include "main_window.h"
#include "plan_view.h"
#include "qt_number_reader.h"
#include "road_window.h"
#include "section_page.h"
#include "script.h"
#include "shot_window.h"

namespace {

std::string Packed(double degrees) {
  const long long s = std::llround(degrees * 3600 * 100);
  char text[40];
  std::snprintf(text, sizeof text, "%lld.%02lld%02lld%02lld", s / 360000, s / 6000 % 60, s / 100 % 60, s % 100);
  return text;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QString folder = capset::testing::ShotFolder(argc, argv);
  capset::testing::ShotWindow shot("capset-shot");
  capset::MainWindow& window = shot.Window();
  using capset::PlanePoint;
  const capset::IntersectionRoadInput road{
      12000, {3401000, 501200},
      {{{3401820, 501640}, 500, 150, 150}, {{3402450, 501380}, 400, 120, 100}, {{3403300, 501900}, 1200, 200, 200}},
      {3404100, 502050}, {}};
  if (window.Session().SetRoad(road)) return 1;
  // The Start job of the first curve's entry spiral, and a bridge of three caps on it.
  const capset::Road& built = *window.Session().JobRoad();
  const capset::KeyPoint& zh = built.keyPoints()[1];
  std::ostringstream start;
  start.precision(12);
  start << zh.station.value << '\n' << zh.point.X << '\n' << zh.point.Y << '\n' << Packed(zh.azimuth) << '\n'
        << 500 << '\n' << std::sqrt(500.0 * 150) << '\n' << zh.station.value + 60 << '\n' << 90 << '\n' << (built.curves()[0].turn > 0 ? 1 : -1) << '\n';
  shot.Answers(start.str());
  window.Session().Start();
  capset::BatchInput batch{capset::BatchInput::Axis::kParallel, "12", "0.0001", "", {}};
  for (int i = 0; i < 5; ++i) batch.stations.push_back(std::to_string(i + 1) + "# " + std::to_string(zh.station.value + 30 + 25 * i));
  window.RunBatch(batch);
  capset::RoadWindow& roads = window.Roads();
  roads.LoadJobRoad();
  // The window's size: as given, else what fits a 1366 × 768 screen.
  int width = 1340, height = 720;
  if (argc > 2) std::sscanf(argv[2], "%dx%d", &width, &height);
  roads.resize(width, height);
  roads.show();
  for (int tab = 0; tab < roads.Tabs()->count(); ++tab) {
    roads.Tabs()->setCurrentIndex(tab);
    for (int round = 0; round < 8; ++round) QApplication::processEvents();
    const QString path = QDir(folder).filePath(QStringLiteral("road_window_%1.png").arg(tab));
    if (!roads.grab().save(path, "PNG")) std::cerr << "cannot write " << path.toStdString() << '\n';
  }
  // The plan zoomed in on the bridge: each cap's axis between its edges, named.
  if (!roads.Plan()->Caps().empty()) {
    const capset::PlanCapMark& cap = roads.Plan()->Caps()[roads.Plan()->Caps().size() / 2];
    roads.Plan()->Mapping().ZoomAbout(roads.Plan()->Mapping().ToPixel(cap.centre), 12);
    roads.Plan()->update();
    for (int round = 0; round < 8; ++round) QApplication::processEvents();
    roads.grab().save(QDir(folder).filePath(QStringLiteral("road_window_caps.png")), "PNG");
  }
  // The heights pages: a profile over the whole road and a superelevation over JD1.
  {
    const double first = built.firstStation(), last = std::floor(built.lastStation());
    using capset::PviInput;
    using capset::VerticalCurveKind;
    capset::ProfileInput profile{{PviInput{{first}, 100.0},
                                  PviInput{{first + 700}, 121.0, VerticalCurveKind::kRadius, 6000},
                                  PviInput{{first + 1500}, 109.0, VerticalCurveKind::kRadius, 9000},
                                  PviInput{{first + 2400}, 124.3, VerticalCurveKind::kRadius, 12000},
                                  PviInput{{last}, 118.0}}};
    if (auto problem = window.Session().SetProfile(profile)) std::cerr << "the profile does not stand\n";
    capset::CrossSectionInput section;
    section.leftWidth = section.rightWidth = 6.25;
    section.design = -6.25;
    section.transitions.push_back({1, {}, {}, {}, {}, 4});
    if (auto problem = window.Session().SetCrossSection(section)) std::cerr << "the section does not stand\n";
    for (int page = 1; page <= 2; ++page) {
      roads.Pages()->setCurrentIndex(page);
      if (page == 2) roads.Section()->ShowAt(QString::number(zh.station.value + 100, 'f', 3));
      for (int round = 0; round < 8; ++round) QApplication::processEvents();
      roads.grab().save(QDir(folder).filePath(QStringLiteral("road_window_page%1.png").arg(page)), "PNG");
    }
    roads.Pages()->setCurrentIndex(0);
  }
  // The same road as its elements.
  roads.SwitchForm(capset::RoadTableForm::kElements);
  roads.Tabs()->setCurrentIndex(1);
  for (int round = 0; round < 8; ++round) QApplication::processEvents();
  roads.grab().save(QDir(folder).filePath(QStringLiteral("road_window_elements.png")), "PNG");
  roads.hide();
  // The main window on its bridge page: eight bents of two columns from the
  // first curve's arc on, skewed, and a pier on a pile cap at the end.
  {
    const capset::KeyPoint& hy = built.keyPoints()[2];
    capset::Bridge bridge{"K12-bridge", {}};
    for (int i = 0; i < 9; ++i) {
      capset::Bent bent;
      bent.name = std::to_string(i);
      bent.station = {std::round(hy.station.value) + 10 + 30.0 * i, 0};
      bent.B = 75;
      bent.left = bent.right = 6.25;
      bent.depth = 1.6;
      bent.templateName = i == 8 ? "pile-cap-2x3" : "two-columns";
      bent.line = i + 1;
      bridge.bents.push_back(bent);
    }
    if (!window.Session().SetBridge(bridge).empty()) std::cerr << "the bridge does not stand\n";
    window.resize(width, height);
    window.show();
    window.LogPanel()->hide();  // Ctrl+L: the page takes the whole window
    window.ShowPage(1);
    window.Bridges().ChooseBent(8);
    for (int round = 0; round < 8; ++round) QApplication::processEvents();
    window.grab().save(QDir(folder).filePath(QStringLiteral("main_window_bridge.png")), "PNG");
    // The plan zoomed in on the pier on its pile cap, and on a bent of two columns.
    for (int bent : {8, 7}) {
      window.Bridges().ChooseBent(bent);
      window.Bridges().Plan()->ShowBent(bent);
      for (int round = 0; round < 8; ++round) QApplication::processEvents();
      window.grab().save(QDir(folder).filePath(QStringLiteral("main_window_bent_%1.png").arg(bent)), "PNG");
    }
    // The templates' tab on the pile cap's ready template.
    window.Bridges().Side()->setCurrentIndex(1);
    window.Bridges().Templates()->Choose("pile-cap-2x3");
    for (int round = 0; round < 8; ++round) QApplication::processEvents();
    window.grab().save(QDir(folder).filePath(QStringLiteral("main_window_templates.png")), "PNG");
  }
  return 0;
}
