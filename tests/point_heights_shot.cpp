// point_heights_shot FOLDER: pictures of the windows that show heights where
// points are given (the batch dialog with its depth, the log with each
// point's H, the station table with its H column, the check with measured
// heights), on a road with a profile and a superelevated section. Not a
// test: run it on a display (Xvfb will do) and look.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <iostream>
#include <sstream>

#include "batch_dialog.h"
#include "check_dialog.h"
#include "log_view.h"
#include "main_window.h"
#include "qt_number_reader.h"
#include "script.h"
#include "shot_window.h"
#include "station_table_window.h"

namespace {

void Settle() {
  for (int round = 0; round < 8; ++round) QApplication::processEvents();
}

void Save(QWidget& widget, const QString& folder, const char* name) {
  Settle();
  const QString path = QDir(folder).filePath(QString::fromUtf8(name));
  if (!widget.grab().save(path, "PNG")) std::cerr << "cannot write " << path.toStdString() << '\n';
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QString folder = capset::testing::ShotFolder(argc, argv);
  capset::testing::ShotWindow shot("capset-heights-shot");
  capset::MainWindow& window = shot.Window();
  using capset::VerticalCurveKind;
  const capset::IntersectionRoadInput road{
      12000, {3401000, 501200},
      {{{3401820, 501640}, 500, 150, 150}, {{3402450, 501380}, 400, 120, 100}},
      {3403300, 501900}, {}};
  if (window.Session().SetRoad(road)) return 1;
  capset::ProfileInput profile;
  profile.rows = {{{12000}, 412.5}, {{12600}, 418.2, VerticalCurveKind::kRadius, 8000}, {{13900}, 409.7}};
  if (window.Session().SetProfile(profile)) return 1;
  capset::CrossSectionInput section;
  section.leftWidth = section.rightWidth = 12.75;
  section.transitions.push_back({1, {}, {}, {}, {}, 4, capset::SectionSide::kRight, capset::SuperAxis::kCentre});
  if (window.Session().SetCrossSection(section)) std::cerr << "no section\n";

  capset::BatchDialog& batch = window.Batch();
  capset::BatchInput input;
  input.axis = capset::BatchInput::Axis::kOwn;
  input.DR = "12";
  input.skew = "75";
  input.offsets = "-6.5 0 6.5";
  input.depth = "2.135";
  for (int i = 0; i < 6; ++i) input.stations.push_back(std::to_string(i) + "# " + std::to_string(12200 + 30 * i));
  batch.SetInput(input);
  batch.show();
  Save(batch, folder, "batch_depth.png");
  batch.OkButton()->click();
  Settle();

  window.resize(1366, 740);
  window.show();
  Save(window, folder, "log_heights.png");
  // The log scrolled to the centre's and the first edge's X, Y and H.
  capset::LogView* log = window.Log();
  log->resize(900, 300);
  log->scrollTo(log->model()->index(0, 16), QAbstractItemView::PositionAtCenter);
  Save(*log, folder, "log_heights_columns.png");

  capset::StationTableWindow& table = window.StationTable();
  table.show();
  Settle();
  table.From()->setText("12180");
  table.To()->setText("12400");
  table.Step()->setText("20");
  table.MakeButton()->click();
  Save(table, folder, "station_table_heights.png");

  capset::CheckDialog& check = window.CheckPoints();
  const auto& rows = window.Session().Log().Records();
  std::ostringstream points;
  points.precision(12);
  const auto& first = *rows.front().Exact();
  const double H = *rows.front().heights->centre;
  points << "C0\t" << first.cap.centre.point.X << '\t' << first.cap.centre.point.Y << '\t' << H + 0.004 << '\n';
  points << "L0\t" << first.cap.left.point.point.X << '\t' << first.cap.left.point.point.Y << '\t'
         << *rows.front().heights->edge1 - 0.027 << '\n';
  points << "R0\t" << first.cap.right.point.point.X + 0.025 << '\t' << first.cap.right.point.point.Y << '\t'
         << *rows.front().heights->edge2 << '\n';
  points << "P1\t" << first.cap.points[0].point.X << '\t' << first.cap.points[0].point.Y << '\n';
  check.PointsEdit()->setPlainText(QString::fromStdString(points.str()));
  check.resize(1340, 600);
  check.show();
  check.Check();
  Save(check, folder, "check_heights.png");
  return 0;
}
