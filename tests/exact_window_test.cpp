// The exact batch in the window: the dialog keeps every field it is given,
// and an exact row chosen in the log is drawn on the true road with its
// points named by side.
#include <QItemSelectionModel>
#include <algorithm>
#include <cstdlib>

#include "batch_dialog.h"
#include "form1.h"
#include "log_view.h"
#include "main_window_fixture.h"
#include "sketch_view.h"

namespace capset {
namespace {

const BatchInput kExactBatch{BatchInput::Axis::kParallel, "6.25", "", "-2 2", {"1# 1030", "2# 1090"},
                             CapMethod::kExact, "9.5", "60.3", "K1+040"};

TEST_F(MainWindowTest, BatchDialogKeepsTheExactFields) {
  window_.Batch().SetInput(kExactBatch);
  EXPECT_EQ(window_.Batch().Input(), kExactBatch);
  if (const char* shot = std::getenv("CAPSET_DIALOG_SHOT")) {
    window_.Batch().SetDefaults("60", "1050");
    window_.Batch().show();
    QTest::qWait(50);
    window_.Batch().grab().save(shot, "PNG");
    window_.Batch().hide();
  }
  BatchInput window = kExactBatch;
  window.method = CapMethod::kWindow;
  window_.Batch().SetInput(window);
  EXPECT_EQ(window_.Batch().Input(), window);
}

TEST_F(MainWindowTest, ExactRowIsDrawnOnTheTrueRoad) {
  ShowAndActivate();
  Answer("1000\n1000\n2000\n45\n150\n100\n1050\n60\n1\n");
  window_.Action("StartAction")->trigger();
  ASSERT_TRUE(window_.RunBatch(kExactBatch));
  // A road set afterwards is not the one the rows were solved on.
  ASSERT_FALSE(window_.Session().SetRoad(ElementRoadInput{0, {0, 0}, 0, {{ElementKind::kLine, 5000}}, {}}));
  LogView* view = window_.Log();
  view->selectionModel()->setCurrentIndex(view->model()->index(1, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
  SketchView* sketch = window_.Form().Sketch();
  EXPECT_EQ(sketch->Caption(), "结果记录第 2 行：2#  K1+090.000");
  ASSERT_TRUE(sketch->Scene());
  std::vector<std::string> points, lines;
  for (const SceneElement& e : sketch->Scene()->elements) {
    if (e.kind == SceneKind::kPoint) points.push_back(e.label);
    if (e.kind == SceneKind::kPolyline) lines.push_back(e.label);
  }
  EXPECT_EQ(points, (std::vector<std::string>{"C", "L", "R", "P1", "P2"}));
  // 2# stands on the arc of the road it was solved on, its view reaching
  // back over the spiral.
  EXPECT_NE(std::ranges::find(lines, "圆曲线"), lines.end());
  EXPECT_NE(std::ranges::find(lines, "缓和曲线"), lines.end());
  if (const char* shot = std::getenv("CAPSET_SHOT")) window_.grab().save(shot, "PNG");
}

}  // namespace
}  // namespace capset
