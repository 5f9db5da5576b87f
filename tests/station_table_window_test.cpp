// 计算 → 逐桩坐标表… on the offscreen platform: fields typed, the table
// made on the job's road, copied, exported; a wrong field said in the
// window with the table kept.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "main_window_fixture.h"
#include "road_lines.h"
#include "station_table_model.h"
#include "station_table_window.h"

namespace capset {
namespace {

class StationTableWindowTest : public MainWindowTest {
 public:
  void SetRoad() {
    const auto read = ReadRoadLines({"bp 1000 3000 4000", "jd 3800 4300 600 120 100", "jd 4600 4200 400 0",
                                     "ep 5500 4900", "equation 1300 1280"},
                                    NumberSymbols{});
    ASSERT_FALSE(window_.Session().SetRoad(std::get<RoadLines>(read).input));
  }
  StationTableWindow& Table() { return window_.StationTable(); }
  void Type(const char* from, const char* to, const char* step, const char* edges = "", const char* offsets = "") {
    Table().From()->setText(QString::fromUtf8(from));
    Table().To()->setText(QString::fromUtf8(to));
    Table().Step()->setText(QString::fromUtf8(step));
    Table().Edges()->setText(QString::fromUtf8(edges));
    Table().Offsets()->setText(QString::fromUtf8(offsets));
    Table().MakeButton()->click();
  }
  QString Cell(int row, int column) { return Table().View()->model()->index(row, column).data().toString(); }
};

TEST_F(StationTableWindowTest, OpensFromTheComputeMenu) {
  QAction* action = window_.Action("StationTableAction");
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->text(), QString::fromUtf8("逐桩坐标表(&T)…"));
  EXPECT_EQ(action->shortcut(), QKeySequence("Ctrl+T"));
  action->trigger();
  EXPECT_TRUE(Table().isVisible());
}

TEST_F(StationTableWindowTest, EmptyStationsStartAtTheRoadsEnds) {
  SetRoad();
  Table().show();
  EXPECT_EQ(Table().From()->text(), "K1+000.000");
  // The last station is 3757.431104 through the 长链: the field stays on the road.
  EXPECT_EQ(Table().To()->text(), "K3+757.431");
  Table().MakeButton()->click();
  EXPECT_TRUE(Table().Status().startsWith(QString::fromUtf8("共 "))) << Table().Status().toStdString();
}

TEST_F(StationTableWindowTest, MakesTheTableWithEdgesAndOffsetsInOrder) {
  SetRoad();
  Type("K1+270", "1320", "10", "7.5", "-3 3");
  const auto& rows = Table().Model().Rows();
  // 1270 … 1320 through the 长链: eight stations, five points each.
  ASSERT_EQ(rows.size(), 8u * 5);
  EXPECT_EQ(Cell(0, 0), "K1+270-C");
  EXPECT_EQ(Cell(1, 0), "K1+270-L7.5");
  EXPECT_EQ(Cell(2, 0), "K1+270-R7.5");
  EXPECT_EQ(Cell(3, 0), "K1+270-L3");
  EXPECT_EQ(Cell(4, 0), "K1+270-R3");
  EXPECT_EQ(Cell(15, 1), "K1+280.000(2)");
  EXPECT_EQ(Cell(15, 0), "K1+280_2-C");
  EXPECT_TRUE(Table().Status().startsWith(QString::fromUtf8("共 40 行"))) << Table().Status().toStdString();
  // Every row is the road's own point.
  const Road& road = *window_.Session().WorkingRoad();
  for (const StationTableRow& row : rows) {
    const auto at = road.AtStation(row.station, row.offset);
    ASSERT_TRUE(at.point);
    EXPECT_NEAR(at.point->point.X, row.point.point.X, 1e-9);
    EXPECT_NEAR(at.point->point.Y, row.point.point.Y, 1e-9);
  }
}

TEST_F(StationTableWindowTest, AWrongFieldIsSaidAndTheTableKept) {
  SetRoad();
  Type("1000", "1100", "25");
  ASSERT_EQ(Table().Model().Rows().size(), 5u);
  struct Case {
    const char *from, *to, *step, *edges, *says;
  };
  for (const Case& c : {Case{"1000", "1100", "0", "", "间距须为大于 0"}, Case{"abc", "1100", "10", "", "起点桩号“abc”"},
                        Case{"1000", "1290", "10", "", "1290(2) 指第二处"}, Case{"1000", "1100", "10", "-1", "路基半宽“-1”须大于 0"},
                        Case{"900", "1100", "10", "", "在路线起点 K1+000.000 之前"}}) {
    Type(c.from, c.to, c.step, c.edges);
    EXPECT_TRUE(Table().Status().contains(QString::fromUtf8(c.says))) << Table().Status().toStdString();
    EXPECT_EQ(Table().Model().Rows().size(), 5u);
  }
}

TEST_F(StationTableWindowTest, CopiesTabSeparatedAndExportsBothFiles) {
  SetRoad();
  Type("1000", "1050", "25", "5");
  Table().CopyButton()->click();
  const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 1 + 9);
  EXPECT_EQ(lines[0], QString::fromUtf8("点名\t桩号\t偏距(m)\tX(m)\tY(m)\t方位角\t特征点"));
  EXPECT_TRUE(lines[1].startsWith("K1+000-C\tK1+000.000\t0.000\t3000.0000\t4000.0000\t")) << lines[1].toStdString();
  const QString csv = files_.filePath("table.csv"), dat = files_.filePath("table.dat");
  ASSERT_TRUE(Table().ExportTo(csv));
  ASSERT_TRUE(Table().ExportTo(dat));
  EXPECT_TRUE(FileBytes(csv).startsWith("\xEF\xBB\xBF"));
  EXPECT_EQ(FileBytes(csv).count("\r\n"), 10);
  EXPECT_TRUE(FileBytes(dat).startsWith("K1+000-C,BP,4000.000,3000.000,0.000\r\nK1+000-L5,BP,"));
  // A folder that is not there: the failure is reported and nothing is written.
  EXPECT_FALSE(Table().ExportTo(files_.filePath("no/such/folder/t.csv")));
  EXPECT_FALSE(reporter_.messages.empty());
}

// A road set after the save changes the job: the title says so, and a save writes it.
TEST_F(StationTableWindowTest, ARoadMarksTheJobChangedAndIsSaved) {
  Answer(kStartAnswers);
  window_.Action("StartAction")->trigger();
  const QString path = files_.filePath("job.capjob");
  ASSERT_TRUE(window_.SaveJobTo(path));
  EXPECT_FALSE(window_.isWindowModified());
  SetRoad();
  EXPECT_TRUE(window_.isWindowModified());
  ASSERT_TRUE(window_.SaveJobTo(path));
  EXPECT_FALSE(window_.isWindowModified());
  EXPECT_TRUE(FileBytes(path).contains("\"version\": 3"));
  EXPECT_TRUE(FileBytes(path).contains("\"equations\": [\n      {\n        \"back\": 1300.0"));
}

TEST_F(StationTableWindowTest, WithoutARoadSaysSo) {
  Type("1000", "1100", "10");
  EXPECT_TRUE(Table().Status().contains(QString::fromUtf8("还没有路线"))) << Table().Status().toStdString();
  EXPECT_FALSE(Table().CopyButton()->isEnabled());
}

}  // namespace
}  // namespace capset
