// Heights where points are given, in the windows: the batch dialog's depth
// checked as typed, the log's H columns coming and going with rows that
// carry heights, the day file's header for them, the station table's H
// column and the check dialog's height columns.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

#include "batch_dialog.h"
#include "check_dialog.h"
#include "log_view.h"
#include "main_window_fixture.h"
#include "station_table_model.h"
#include "station_table_window.h"

namespace capset {
namespace {

ProfileInput Profile() {
  ProfileInput profile;
  profile.rows = {{{900}, 100}, {{1030}, 103, VerticalCurveKind::kRadius, 2000}, {{1200}, 101}};
  return profile;
}

BatchInput ExactBatch(const std::string& depth) {
  BatchInput batch{BatchInput::Axis::kOwn, "6", "", "-3 3", {"1# 1040", "2# 1050"}, CapMethod::kExact};
  batch.depth = depth;
  return batch;
}

TEST_F(MainWindowTest, DepthIsCheckedAsTyped) {
  QLineEdit* depth = window_.Batch().findChild<QLineEdit*>("BatchDepth");
  ASSERT_NE(depth, nullptr);
  depth->setText("-1.5");
  EXPECT_FALSE(depth->styleSheet().isEmpty());
  EXPECT_TRUE(depth->toolTip().contains(QString::fromUtf8("0 至 100"))) << depth->toolTip().toStdString();
  depth->setText("1.5x");
  EXPECT_FALSE(depth->styleSheet().isEmpty());
  depth->setText("1.85");
  EXPECT_TRUE(depth->styleSheet().isEmpty());
  depth->setText("");
  EXPECT_TRUE(depth->styleSheet().isEmpty());
  window_.Batch().SetInput(ExactBatch("2.1"));
  EXPECT_EQ(window_.Batch().Input().depth, "2.1");
  EXPECT_TRUE(depth->styleSheet().isEmpty());
}

// Rows with heights bring the H columns, each after its point's Y; when the
// last of them is deleted the log reads as before.
TEST_F(MainWindowTest, LogGainsAndLosesTheHColumns) {
  Answer(kStartAnswers);
  window_.Action("StartAction")->trigger();
  ASSERT_TRUE(window_.RunBatch(ExactBatch("")));
  QAbstractItemModel* model = window_.Log()->model();
  const int without = model->columnCount();
  EXPECT_EQ(model->headerData(12, Qt::Horizontal).toString().toStdString(), "边点一");
  ASSERT_FALSE(window_.Session().SetProfile(Profile()));
  ASSERT_TRUE(window_.RunBatch(ExactBatch("1.5")));
  EXPECT_EQ(model->columnCount(), without + 5);
  EXPECT_EQ(model->headerData(12, Qt::Horizontal).toString().toStdString(), "中桩高程 H");
  EXPECT_EQ(model->index(0, 12).data().toString().toStdString(), "-");  // made before the profile
  EXPECT_NE(model->index(2, 12).data().toString().toStdString(), "-");
  // The day file put the rows with heights under a header of their own.
  const QByteArray day = FileBytes(DayFile());
  EXPECT_EQ(day.count(QByteArray("中桩横座标 Y,中桩高程 H,")), 1) << day.toStdString();
  window_.Session().Log().Remove({2, 3});
  EXPECT_EQ(model->columnCount(), without);
  EXPECT_EQ(model->headerData(12, Qt::Horizontal).toString().toStdString(), "边点一");
}

TEST_F(MainWindowTest, StationTableGainsItsHColumnWithAProfile) {
  Answer(kStartAnswers);
  window_.Action("StartAction")->trigger();
  StationTableWindow& table = window_.StationTable();
  table.From()->setText("1000");
  table.To()->setText("1040");
  table.Step()->setText("20");
  table.MakeButton()->click();
  const int without = table.Model().columnCount();
  ASSERT_FALSE(window_.Session().SetProfile(Profile()));
  table.MakeButton()->click();
  ASSERT_EQ(table.Model().columnCount(), without + 1);
  EXPECT_EQ(table.Model().headerData(5, Qt::Horizontal, Qt::DisplayRole).toString().toStdString(), "高程 H(m)");
  // K1+000 on the centreline, 4.84 m into the crest curve from BVC
  // K0+995.158 (exact rationals: 102.30183196…), the crown's 0 there.
  EXPECT_EQ(table.Model().index(0, 5).data().toString().toStdString(), "102.3018");
}

TEST_F(MainWindowTest, CheckDialogTellsHeightFromPlan) {
  Answer(kStartAnswers);
  window_.Action("StartAction")->trigger();
  ASSERT_FALSE(window_.Session().SetProfile(Profile()));
  ASSERT_TRUE(window_.RunBatch(ExactBatch("1.5")));
  const CapRecord& row = window_.Session().Log().At(0);
  const PlanePoint c = row.Exact()->cap.centre.point;
  const double H = *row.heights->centre;
  CheckDialog& check = window_.CheckPoints();
  check.PointsEdit()->setPlainText(QString::fromStdString("A\t" + std::to_string(c.X) + "\t" + std::to_string(c.Y) +
                                                          "\t" + std::to_string(H + 0.03)));
  ASSERT_TRUE(check.Check());
  const QAbstractItemModel* model = check.findChild<QTableView*>("CheckTable")->model();
  ASSERT_EQ(model->columnCount(), 17);
  EXPECT_EQ(model->index(0, 12).data().toString().toStdString(), "合格");
  EXPECT_EQ(model->index(0, 16).data().toString().toStdString(), "高程超限");
  EXPECT_TRUE(check.Summary()->text().contains(QString::fromUtf8("1 个高程超限")));
  // A wider height tolerance clears the table until checked again.
  check.HeightToleranceEdit()->setText("50");
  EXPECT_EQ(model->rowCount(), 0);
  ASSERT_TRUE(check.Check());
  EXPECT_EQ(model->index(0, 16).data().toString().toStdString(), "合格");
}

}  // namespace
}  // namespace capset
