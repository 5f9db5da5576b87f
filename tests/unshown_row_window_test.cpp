// A row whose numbers cannot be written, in the real views: the log's
// table lists it with its status, paints, gives every cell and tip, and
// copies; the sketch draws it or nothing. Nothing ends the program.
#include <gtest/gtest.h>

#include <QImage>
#include <QTableView>
#include <memory>

#include "cap_log.h"
#include "cap_log_model.h"
#include "exact_solve.h"
#include "export_formats.h"
#include "log_row.h"
#include "log_texts.h"
#include "road_build.h"
#include "sketch_view.h"

namespace capset::testing {
namespace {

// An exact cap of half-width 1e308 on an arc, solved past every check, as
// a job written by another program or a fault still unknown could bring it.
struct Unshowable {
  std::shared_ptr<const Road> road;
  std::vector<CapRecord> records;
};

Unshowable MakeUnshowable() {
  const RoadBuild built =
      RoadFromElements({0, {0, 0}, 0, {{ElementKind::kArc, 1436, 1000, kNoRadius, TurnSide::kLeft}}, {}});
  auto road = std::make_shared<const Road>(*built.road);
  const ExactOrigin origin{CapRoad::kJobRoad, SpiralEnd::kZH, 0, {0, 0}, 0, 0, 0, 0};
  const ExactBatchPlan huge{CapAxisMode::kOwn, 90, 500, 1e308, 1e308, {}, {{1, {"9#", 500}}}};
  const ExactBatchPlan fine{CapAxisMode::kOwn, 90, 500, 7.5, 7.5, {}, {{1, {"10#", 600}}}};
  std::vector<CapRecord> records = SolveExactBatch(huge, *road, origin);
  records.push_back(SolveExactBatch(fine, *road, origin).front());
  return {road, std::move(records)};
}

TEST(UnshownRowWindow, TheLogListsPaintsAndCopiesItWithItsStatus) {
  Unshowable u = MakeUnshowable();
  const std::optional<ArithmeticFault> fault = RowFault(u.records.front());
  ASSERT_TRUE(fault.has_value());
  CapLog log;
  CapLogModel model(log, ".");
  QTableView view;
  view.setModel(&model);
  view.resize(1200, 300);
  view.show();
  log.Add(u.records);
  view.resizeColumnsToContents();
  EXPECT_FALSE(view.grab().toImage().isNull());
  for (int row = 0; row < model.rowCount(); ++row) {
    for (int column = 0; column < model.columnCount(); ++column) {
      for (int role : {int(Qt::DisplayRole), int(Qt::ToolTipRole), int(Qt::TextAlignmentRole)}) {
        EXPECT_NO_THROW(model.data(model.index(row, column), role)) << row << " " << column;
      }
    }
  }
  EXPECT_EQ(model.data(model.index(0, kStatusColumn)).toString().toStdString(), UnshownRowStatus(*fault));
  EXPECT_EQ(model.data(model.index(0, kNameColumn)).toString().toStdString(), "9#");
  EXPECT_EQ(model.data(model.index(1, kStatusColumn)).toString().toStdString(), kRowSolved);
  // A copy for a spreadsheet and a CSV file hold the row and its status.
  std::vector<const CapRecord*> rows;
  for (const CapRecord& r : log.Records()) rows.push_back(&r);
  std::string csv;
  EXPECT_NO_THROW(csv = ExportText(ExportFormat::kCsv, rows));
  EXPECT_NE(csv.find(UnshownRowStatus(*fault)), std::string::npos);
}

TEST(UnshownRowWindow, TheSketchDrawsWhatItCanAndGoesOn) {
  Unshowable u = MakeUnshowable();
  const ExactCap& cap = *u.records.front().Exact();
  SketchView sketch;
  sketch.resize(600, 400);
  sketch.show();
  EXPECT_NO_THROW(sketch.ShowRoadCap(u.road, cap.cap, cap.leftHalfWidth, cap.rightHalfWidth, "9#"));
  EXPECT_FALSE(sketch.grab().toImage().isNull());
  // The next cap is drawn as ever.
  const ExactCap& next = *u.records.back().Exact();
  sketch.ShowRoadCap(u.road, next.cap, next.leftHalfWidth, next.rightHalfWidth, "10#");
  EXPECT_TRUE(sketch.Scene().has_value());
}

}  // namespace
}  // namespace capset::testing
