// polar_dialog_shot FOLDER: a picture of 测站与后视… on a bridge of a
// road with a profile, the station with its height and instrument height,
// a backsight point, and the table of every pile's, column's and corner's
// polar data. Not a test: run it on a display (Xvfb will do) and look.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <iostream>
#include <sstream>

#include "instrument_station_dialog.h"
#include "main_window.h"
#include "qt_number_reader.h"
#include "script.h"
#include "shot_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QString folder = capset::testing::ShotFolder(argc, argv);
  capset::testing::ShotWindow shot("capset-polar-shot");
  capset::MainWindow& window = shot.Window();
  const capset::IntersectionRoadInput road{
      12000, {3401000, 501200}, {{{3401820, 501640}, 500, 150, 150}}, {3402450, 501380}, {}};
  if (window.Session().SetRoad(road)) return 1;
  capset::ProfileInput profile;
  profile.rows = {{{12000}, 412.5}, {{12600}, 418.2, capset::VerticalCurveKind::kRadius, 8000}, {{13200}, 409.7}};
  if (window.Session().SetProfile(profile)) return 1;
  std::vector<capset::Bent> bents;
  for (int i = 0; i < 3; ++i) {
    capset::Bent b;
    b.name = std::to_string(i + 1);
    b.station = {12300.0 + 30 * i};
    b.B = 80;
    b.left = b.right = 6;
    b.depth = 1.8;
    b.templateName = "pile-cap-2x3";
    bents.push_back(b);
  }
  if (!window.Session().SetBridge({"B1", bents}).empty()) return 1;

  capset::InstrumentStationDialog& dialog = window.InstrumentStation();
  dialog.StationName()->setText("D7");
  dialog.StationX()->setText("3401240.512");
  dialog.StationY()->setText("501290.338");
  dialog.StationH()->setText("410.862");
  dialog.StationHI()->setText("1.562");
  dialog.BacksightName()->setText("D6");
  dialog.BacksightX()->setText("3401020.117");
  dialog.BacksightY()->setText("501248.905");
  if (!dialog.Apply()) return 1;
  dialog.resize(900, 640);
  dialog.show();
  for (int round = 0; round < 8; ++round) QApplication::processEvents();
  const QString path = QDir(folder).filePath("polar_dialog.png");
  if (!dialog.grab().save(path, "PNG")) std::cerr << "cannot write " << path.toStdString() << '\n';
  return 0;
}
