// 实测检核… in the window: points pasted or read from the window's own point
// file, checked against the log's caps; the table in red where a point is
// over, copied and exported whole; the points in the plan sketch; every
// refusal reported with the table and the list left as they were.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QFileInfo>
#include <functional>

#include "check_dialog.h"
#include "check_table.h"
#include "check_texts.h"
#include "file_texts.h"
#include "form1.h"
#include "look.h"
#include "main_window_fixture.h"
#include "measured_points.h"
#include "number_text.h"
#include "sketch_view.h"

namespace capset {
namespace {

class CheckWindowTest : public MainWindowTest {
 public:
  // The log's first cap, its centre as staked and its inner edge 20 mm off.
  std::string Staked() {
    const CapSolution& s = *window_.Session().Log().At(0).Solution();
    auto text = [](double v) { return NumberText(v, "."); };
    return "C1\t" + text(s.centre.X) + "\t" + text(s.centre.Y) + "\nI1\t" + text(s.inner.point.X + 0.02) + "\t" +
           text(s.inner.point.Y) + "\n";
  }
  CheckDialog& Dialog() { return window_.CheckPoints(); }
  void Type(const std::string& points, const char* tolerance = "10") {
    Dialog().PointsEdit()->setPlainText(QString::fromStdString(points));
    Dialog().ToleranceEdit()->setText(tolerance);
  }
  std::vector<const SceneElement*> Marks() {
    std::vector<const SceneElement*> marks;
    const auto& scene = window_.Form().Sketch()->Scene();
    if (!scene) return marks;
    for (const SceneElement& e : scene->elements) {
      if (e.style == SceneStyle::kMeasured || e.style == SceneStyle::kMeasuredOver) marks.push_back(&e);
    }
    return marks;
  }
};

TEST_F(CheckWindowTest, PastedPointsComeBackInTheTableAndTheSketch) {
  StartAndCompute(window_);
  ASSERT_TRUE(window_.Action("CheckAction") != nullptr);
  Type(Staked());
  ASSERT_TRUE(Dialog().Check()) << ::testing::PrintToString(reporter_.messages);
  const CheckTableModel& model = Dialog().Model();
  ASSERT_EQ(model.rowCount(), 2);
  EXPECT_EQ(model.index(0, 8).data().toString(), "C");
  EXPECT_EQ(model.index(1, 8).data().toString(), "I");
  EXPECT_EQ(model.index(1, 5).data().toString(), "(1)");  // the log's row 1, a cap without a name
  EXPECT_EQ(model.index(1, 11).data().toString(), "20.0");
  EXPECT_EQ(model.index(1, 12).data().toString().toStdString(), kCheckOver);
  EXPECT_FALSE(model.index(0, 0).data(Qt::ForegroundRole).isValid());
  EXPECT_EQ(model.index(1, 0).data(Qt::ForegroundRole).value<QColor>(), kCheckOverColour);
  EXPECT_EQ(Dialog().Summary()->text().toStdString(), CheckSummary(2, 1, 10));

  // The sketch: both points on the cap, the one over the tolerance flagged.
  const std::vector<const SceneElement*> marks = Marks();
  ASSERT_EQ(marks.size(), 2u);
  EXPECT_EQ(marks[0]->style, SceneStyle::kMeasured);
  EXPECT_EQ(marks[1]->style, SceneStyle::kMeasuredOver);
  EXPECT_EQ(marks[1]->label, CheckMarkLabel("I1", 20, true));

  // Copied and exported as the table shows them, whole.
  EXPECT_EQ(Dialog().CopyText(), CheckTsv(model.Results(), reader_.DecimalSeparator()));
  const QString path = files_.filePath("check.csv");
  ASSERT_TRUE(Dialog().ExportTo(path));
  EXPECT_EQ(FileBytes(path).toStdString(), CheckCsv(model.Results()));
  // A folder cannot be written: said, and the file beside it stays.
  EXPECT_FALSE(Dialog().ExportTo(files_.path()));
  ASSERT_EQ(reporter_.messages.size(), 1u);
  EXPECT_NE(reporter_.messages[0].find("导出失败"), std::string::npos);
  EXPECT_EQ(FileBytes(path).toStdString(), CheckCsv(model.Results()));
}

struct RefusedRow {
  const char* name;
  bool computed;
  std::string points;
  const char* tolerance;
  std::string message;
};

class CheckWindowRefusal : public CheckWindowTest, public ::testing::WithParamInterface<RefusedRow> {};

// A refusal says why and changes nothing: the results of the points as
// they were typed before went when the typing changed them.
TEST_P(CheckWindowRefusal, SaysWhyAndChangesNothing) {
  const RefusedRow& row = GetParam();
  if (row.computed) {
    StartAndCompute(window_);
    Type(Staked());
    ASSERT_TRUE(Dialog().Check());
  }
  Type(row.points, row.tolerance);
  const QString summary = Dialog().Summary()->text();
  EXPECT_EQ(Dialog().Model().rowCount(), 0);
  EXPECT_FALSE(Dialog().Check());
  EXPECT_EQ(reporter_.messages, std::vector<std::string>{row.message});
  EXPECT_EQ(Dialog().Model().rowCount(), 0);
  EXPECT_EQ(Dialog().Summary()->text(), summary);
}

INSTANTIATE_TEST_SUITE_P(
    Check, CheckWindowRefusal,
    ::testing::Values(
        RefusedRow{"NoRoadYet", false, "M 1 2", "10", kCheckNeedsRoad},
        RefusedRow{"EmptyList", true, "\n \n", "10", kNoCheckPoints},
        RefusedRow{"NegativeTolerance", true, "M 1 2", "-5", kToleranceNegative},
        RefusedRow{"ToleranceNotANumber", true, "M 1 2", "1O", kToleranceNotNumber},
        RefusedRow{"BadLine", true, "M1 1 2\nM2 1 2 3 4 5", "10",
                   CheckPointsRejected({CheckLineProblem(2, "M2 1 2 3 4 5", kNotATypedPoint)}, 20)}),
    [](const ::testing::TestParamInfo<RefusedRow>& info) { return std::string(info.param.name); });

// Results that no longer hold are not left standing: a change to what they
// rest on clears the table and the summary says what changed, until 检核.
struct ChangeRow {
  const char* name;
  std::function<void(CheckWindowTest&)> change;
  CheckInput changed;
};

class CheckWindowChange : public CheckWindowTest, public ::testing::WithParamInterface<ChangeRow> {};

TEST_P(CheckWindowChange, ClearsTheResultsUntilCheckedAgain) {
  StartAndCompute(window_);
  Type(Staked());
  ASSERT_TRUE(Dialog().Check());
  ASSERT_EQ(Dialog().Model().rowCount(), 2);
  GetParam().change(*this);
  EXPECT_EQ(Dialog().Model().rowCount(), 0);
  EXPECT_EQ(Dialog().Summary()->text().toStdString(), CheckCleared(GetParam().changed));
  // Nothing stale to copy or export.
  EXPECT_FALSE(Dialog().ExportTo(files_.filePath("check.csv")));
  EXPECT_FALSE(QFileInfo::exists(files_.filePath("check.csv")));
  if (window_.Session().Log().Size() > 0 && window_.Session().WorkingRoad() != nullptr) {
    Type(Staked());
    ASSERT_TRUE(Dialog().Check());
    EXPECT_EQ(Dialog().Model().rowCount(), 2);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Check, CheckWindowChange,
    ::testing::Values(
        ChangeRow{"PointsTyped",
                  [](CheckWindowTest& t) { t.Dialog().PointsEdit()->appendPlainText("M9 1 2"); }, CheckInput::kPoints},
        ChangeRow{"ToleranceTyped", [](CheckWindowTest& t) { t.Dialog().ToleranceEdit()->setText("5"); },
                  CheckInput::kTolerance},
        ChangeRow{"RowsDeleted", [](CheckWindowTest& t) { t.window_.Session().Log().Remove({0}); }, CheckInput::kLog},
        ChangeRow{"RowAdded", [](CheckWindowTest& t) {
                   t.Answer(kComputeAnswers);
                   t.window_.Action("ComputeAction")->trigger();
                   ASSERT_EQ(t.window_.Session().Log().Size(), 2);
                 }, CheckInput::kLog},
        ChangeRow{"NewRoad",
                  [](CheckWindowTest& t) {
                    ASSERT_FALSE(t.window_.Session().SetRoad(
                        ElementRoadInput{0, {0, 0}, 0, {{ElementKind::kLine, 5000}}, {}}));
                  },
                  CheckInput::kRoad}),
    [](const ::testing::TestParamInfo<ChangeRow>& info) { return std::string(info.param.name); });

// The window's own point file read back: every point is its design point
// to the file's millimetre, so none is over.
TEST_F(CheckWindowTest, ItsOwnPointFileReadsBackWithinTheTolerance) {
  StartAndBatch();
  const QString dat = files_.filePath("caps.dat");
  ASSERT_TRUE(window_.ExportTo(dat, ExportFormat::kDat));
  ASSERT_TRUE(Dialog().ReadFile(dat));
  EXPECT_EQ(Dialog().PointsEdit()->toPlainText().split('\n').size(), 15);  // 3 caps: C, O, I, P1, P2
  ASSERT_TRUE(Dialog().Check());
  const std::vector<CheckResult>& results = Dialog().Model().Results();
  ASSERT_EQ(results.size(), 15u);
  for (const CheckResult& r : results) {
    ASSERT_TRUE(r.cap);
    EXPECT_FALSE(r.cap->over) << r.measured.name;
    EXPECT_LE(r.cap->distance, 0.0008) << r.measured.name;
    // "1-P1" is cap 1's point P1.
    EXPECT_EQ(r.measured.name.substr(r.measured.name.find('-') + 1), r.cap->nearest);
  }
  // The sketch shows the first point's cap with its five points measured.
  EXPECT_EQ(Marks().size(), 5u);

  // A job file is no point file: said with its lines, and the list stays.
  const QString job = files_.filePath("job.capjob");
  WriteBytes(job, "{\n\"format\": \"capset-job\"\n}\n");
  const QString listed = Dialog().PointsEdit()->toPlainText();
  EXPECT_FALSE(Dialog().ReadFile(job));
  ASSERT_EQ(reporter_.messages.size(), 1u);
  EXPECT_EQ(reporter_.messages[0],
            CheckFileRejected("job.capjob",
                              {CheckLineProblem(1, "{", kNotAFilePoint),
                               CheckLineProblem(2, "\"format\": \"capset-job\"", kNotAFilePoint),
                               CheckLineProblem(3, "}", kNotAFilePoint)},
                              20));
  EXPECT_EQ(Dialog().PointsEdit()->toPlainText(), listed);
}

}  // namespace
}  // namespace capset
