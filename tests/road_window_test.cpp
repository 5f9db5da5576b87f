// The road in the window, on the offscreen platform: LandXML in and out
// through the main window, the road window over the job's road, cells
// marked as typed, 应用, the form switched, the plan under the mouse.

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTabWidget>
#include <QTableWidget>

#include "alignment_picker.h"
#include "fresh_replay.h"
#include "landxml_read.h"
#include "main_window_fixture.h"
#include "plan_view.h"
#include "road_table_model.h"
#include "road_window.h"
#include "road_texts.h"
#include "road_window_texts.h"

namespace capset {
namespace {

const QString kData = QStringLiteral(CAPSET_LANDXML_DATA);

class RoadWindowTest : public MainWindowTest {
 public:
  std::vector<std::pair<std::string, PlanePoint>> JobKeyPoints() {
    std::vector<std::pair<std::string, PlanePoint>> keys;
    if (const Road* road = window_.Session().JobRoad()) {
      for (const KeyPoint& k : road->keyPoints()) keys.emplace_back(KeyPointName(k), k.point);
    }
    return keys;
  }
  QPushButton* Button(RoadWindow& w, const char* text) {
    // The plan page's buttons: the heights pages have their own 应用 and 粘贴.
    for (QPushButton* b : w.Pages()->widget(0)->findChildren<QPushButton*>()) {
      if (b->text() == QString::fromUtf8(text)) return b;
    }
    return nullptr;
  }
};

TEST_F(RoadWindowTest, AFileReadWrittenAndReadAgainIsTheSameRoadAndAHostileOneChangesNothing) {
  ASSERT_TRUE(window_.ImportRoadFrom(kData + "/two_curves.xml", std::nullopt));
  EXPECT_TRUE(window_.statusBar()->currentMessage().contains(QStringLiteral("主线")));
  const auto first = JobKeyPoints();
  ASSERT_EQ(first.size(), 12u);
  const QString written = files_.filePath("road.xml");
  ASSERT_TRUE(window_.ExportRoadTo(written));
  // The imported road is in no job file yet: the import asks, and is told to go on.
  Answer("不保存\n");
  ASSERT_TRUE(window_.ImportRoadFrom(written, std::nullopt));
  const auto again = JobKeyPoints();
  ASSERT_EQ(again.size(), first.size());
  for (std::size_t i = 0; i < first.size(); ++i) {
    EXPECT_EQ(again[i].first, first[i].first);
    EXPECT_LT(std::hypot(again[i].second.X - first[i].second.X, again[i].second.Y - first[i].second.Y), 1e-6);
  }
  const QString hostile = files_.filePath("laughs.xml");
  WriteBytes(hostile, "<?xml version=\"1.0\"?>\n<!DOCTYPE l [<!ENTITY a \"aaaa\"><!ENTITY b \"&a;&a;&a;&a;\">]>\n<LandXML>&b;</LandXML>");
  EXPECT_FALSE(window_.ImportRoadFrom(hostile, std::nullopt));
  ASSERT_EQ(reporter_.messages.size(), 1u);
  EXPECT_NE(reporter_.messages[0].find("“laughs.xml”：第 2 行，元素 <DOCTYPE>"), std::string::npos) << reporter_.messages[0];
  EXPECT_EQ(JobKeyPoints().size(), first.size());
  EXPECT_FALSE(window_.ImportRoadFrom(kData + "/two_alignments.xml", std::string("B 匝道")));
  EXPECT_NE(reporter_.messages.back().find("没有名为“B 匝道”的路线"), std::string::npos);
}

TEST_F(RoadWindowTest, ThePickerListsEveryAlignmentWithItsLengthAndStart) {
  const auto read = ReadLandXmlFile(kData + "/two_alignments.xml");
  AlignmentPicker picker(std::get<LandXmlFile>(read));
  ASSERT_EQ(picker.Table()->rowCount(), 2);
  EXPECT_EQ(picker.Table()->item(1, 0)->text(), QStringLiteral("A 匝道"));
  EXPECT_EQ(picker.Table()->item(1, 1)->text(), QStringLiteral("240.000"));
  EXPECT_EQ(picker.Table()->item(0, 2)->text(), QStringLiteral("K12+000.000"));
  EXPECT_EQ(picker.Chosen(), 0);
}

TEST_F(RoadWindowTest, TheWindowEditsACopyAndOnlyApplyChangesTheJobsRoad) {
  ASSERT_TRUE(window_.ImportRoadFrom(kData + "/two_curves.xml", std::nullopt));
  const auto job = JobKeyPoints();
  RoadWindow& roads = window_.Roads();
  roads.LoadJobRoad();
  EXPECT_EQ(roads.Table().form(), RoadTableForm::kIntersections);
  EXPECT_EQ(roads.Curves()->rowCount(), 2);
  EXPECT_EQ(roads.KeyPoints()->rowCount(), 12);
  EXPECT_EQ(roads.KeyPoints()->item(1, 0)->text(), QStringLiteral("ZH1"));
  // A bad radius: marked with its reason, the road of the job as it was.
  RoadTableModel* model = roads.MainModel();
  const QModelIndex r = model->index(1, roads.Table().Grid(false).ColumnOf(Column::kR));
  ASSERT_TRUE(model->setData(r, QStringLiteral("-600"), Qt::EditRole));
  EXPECT_EQ(model->data(r, Qt::ToolTipRole).toString().toStdString(), kRoadNotPositive);
  EXPECT_TRUE(model->data(r, Qt::BackgroundRole).isValid());
  EXPECT_FALSE(roads.Apply());
  EXPECT_EQ(JobKeyPoints().size(), job.size());
  EXPECT_EQ(roads.Preview(), nullptr);
  // Mended to another radius: the preview follows, the job only at 应用.
  ASSERT_TRUE(model->setData(r, QStringLiteral("650"), Qt::EditRole));
  EXPECT_FALSE(model->data(r, Qt::ToolTipRole).isValid());
  ASSERT_NE(roads.Preview(), nullptr);
  EXPECT_LT(std::hypot(JobKeyPoints()[1].second.X - job[1].second.X, JobKeyPoints()[1].second.Y - job[1].second.Y), 1e-9);
  Button(roads, kApplyButton)->click();
  EXPECT_GT(std::hypot(JobKeyPoints()[1].second.X - job[1].second.X, JobKeyPoints()[1].second.Y - job[1].second.Y), 1);
}

TEST_F(RoadWindowTest, KeyPointsCopyForASpreadsheetAndDeleteEmptiesCells) {
  ASSERT_TRUE(window_.ImportRoadFrom(kData + "/two_curves.xml", std::nullopt));
  RoadWindow& roads = window_.Roads();
  roads.LoadJobRoad();
  roads.show();
  roads.Tabs()->setCurrentWidget(roads.KeyPoints());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&roads));
  roads.KeyPoints()->setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 1), true);
  roads.KeyPoints()->setFocus();
  QTest::keySequence(roads.KeyPoints(), QKeySequence::Copy);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("BP\tK12+000.000\nZH1\t") + roads.KeyPoints()->item(1, 1)->text() + "\n");
  const int r = roads.Table().Grid(false).ColumnOf(Column::kR);
  roads.MainView()->setFocus();
  roads.MainView()->setCurrentIndex(roads.MainModel()->index(1, r));
  QTest::keySequence(roads.MainView(), QKeySequence::Delete);
  EXPECT_EQ(roads.MainModel()->data(roads.MainModel()->index(1, r), Qt::ToolTipRole).toString().toStdString(), kCellEmpty);
}

TEST_F(RoadWindowTest, ThePlanDrawsTheCapsOfTheLogAsTheyCome) {
  RoadWindow& roads = window_.Roads();
  EXPECT_TRUE(roads.Plan()->Caps().empty());
  StartAndBatch();
  ASSERT_EQ(roads.Plan()->Caps().size(), 3u);
  const CapSolution* first = window_.Session().Log().At(0).Solution();
  EXPECT_EQ(roads.Plan()->Caps()[0].centre.X, first->centre.X);
  ASSERT_TRUE(roads.Plan()->Caps()[0].left);
  EXPECT_EQ(roads.Plan()->Caps()[0].left->X, first->outer.point.X);
  EXPECT_EQ(roads.Plan()->Caps()[0].label, "1#");  // the cap's name, as the batch gave it
}

TEST_F(RoadWindowTest, ACellIsMarkedWhileItIsTyped) {
  ASSERT_TRUE(window_.ImportRoadFrom(kData + "/two_curves.xml", std::nullopt));
  RoadWindow& roads = window_.Roads();
  roads.LoadJobRoad();
  roads.show();
  const QModelIndex r = roads.MainModel()->index(1, roads.Table().Grid(false).ColumnOf(Column::kLs1));
  roads.MainView()->setCurrentIndex(r);
  roads.MainView()->edit(r);
  auto* editor = roads.MainView()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->clear();
  QTest::keyClicks(editor, "-1");
  EXPECT_EQ(editor->toolTip().toStdString(), kRoadNegative);
  QTest::keyClick(editor, Qt::Key_Backspace);
  QTest::keyClick(editor, Qt::Key_Backspace);
  QTest::keyClicks(editor, "90");
  EXPECT_TRUE(editor->toolTip().isEmpty());
  EXPECT_EQ(roads.Table().Grid(false).row(1).cells[r.column()], "120");  // nothing stored until the editor closes
}

TEST_F(RoadWindowTest, RowsPastedFromASpreadsheetAndTheFormSwitchedKeepTheRoad) {
  RoadWindow& roads = window_.Roads();
  roads.LoadJobRoad();
  QApplication::clipboard()->setText(QStringLiteral("1000\t3000\t4000\n\t3800\t4300\t600\t120\t100\n\t4600\t4200\t400\t0\n\t5500\t4900\n"));
  roads.MainView()->setCurrentIndex(roads.MainModel()->index(0, 1));
  Button(roads, kPasteButton)->click();
  ASSERT_NE(roads.Preview(), nullptr) << roads.Verdict()->text().toStdString();
  std::vector<PlanePoint> before;
  for (const KeyPoint& k : roads.Preview()->keyPoints()) before.push_back(k.point);
  ASSERT_TRUE(roads.SwitchForm(RoadTableForm::kElements));
  EXPECT_EQ(roads.MainModel()->rowCount(), 1 + 7);  // the start, then line, spiral, arc, spiral, line, arc, line
  EXPECT_EQ(roads.Curves()->rowCount(), 0);
  ASSERT_TRUE(roads.SwitchForm(RoadTableForm::kIntersections));
  ASSERT_EQ(roads.Preview()->keyPoints().size(), before.size());
  for (std::size_t i = 0; i < before.size(); ++i) {
    const PlanePoint p = roads.Preview()->keyPoints()[i].point;
    EXPECT_LT(std::hypot(p.X - before[i].X, p.Y - before[i].Y), 1e-6);
  }
  EXPECT_EQ(window_.Session().JobRoad(), nullptr);  // nothing applied
}

TEST_F(RoadWindowTest, ThePlanSaysTheStationAndOffsetUnderTheMouse) {
  ASSERT_TRUE(window_.ImportRoadFrom(kData + "/two_curves.xml", std::nullopt));
  RoadWindow& roads = window_.Roads();
  roads.LoadJobRoad();
  roads.resize(1300, 700);
  roads.Tabs()->setCurrentWidget(roads.Plan());
  roads.show();
  QApplication::processEvents();
  PlanView* plan = roads.Plan();
  plan->Fit();
  const auto pixel = StationPixel(plan->Mapping(), *roads.Preview(), {12350});  // mid-hundred: a pixel's rounding stays in K12+3xx
  ASSERT_TRUE(pixel);
  const QString text = plan->PositionText(QPoint(static_cast<int>(std::lround(pixel->x)), static_cast<int>(std::lround(pixel->y))));
  EXPECT_TRUE(text.contains(QStringLiteral("K12+3"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("偏距"))) << text.toStdString();
  // Far beyond the start: said so, no station.
  plan->Mapping().Pan(-5000, 0);
  EXPECT_FALSE(plan->PositionText(QPoint(5, 5)).contains(QStringLiteral("偏距")));
}

// The whole chain through cap_replay: a road typed, written, read back;
// a file of two alignments, refused without a name, read with one.
TEST(RoadFilesInReplay, ARoadWrittenAndReadBackPrintsTheSameKeyPoints) {
  QTemporaryDir dir;
  const std::string xml = dir.filePath("r.xml").toStdString();
  const std::string two = (kData + "/two_alignments.xml").toStdString();
  const std::string out = testing::FreshReplay(
      "@road\nbp 1000 3000 4000\njd 3800 4300 600 120 100\njd 4600 4200 400 0\nep 5500 4900\nequation 1500 1510\n@end\n"
      "@keypoints\n@export landxml " + xml + "\n@landxml " + xml + "\n不保存\n@keypoints\n@landxml " + two + "\n@landxml " +
      two + " A 匝道\n不保存\n@keypoints\n");
  std::vector<std::vector<std::string>> keys;
  std::vector<std::string> messages;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("MESSAGE ")) messages.push_back(line);
    if (!line.starts_with("KEY\t")) continue;
    std::vector<std::string> fields;
    std::istringstream split(line);
    for (std::string f; std::getline(split, f, '\t');) fields.push_back(f);
    keys.push_back(fields);
  }
  ASSERT_EQ(keys.size(), 10u + 10u + 7u) << out;
  for (std::size_t i = 0; i < 10; ++i) {
    EXPECT_EQ(keys[i][1], keys[10 + i][1]);
    for (int f = 2; f <= 4; ++f) EXPECT_NEAR(std::stod(keys[i][f]), std::stod(keys[10 + i][f]), 2e-6) << keys[i][1];
  }
  EXPECT_EQ(keys[20][1], "BP");  // the ramp starts on its spiral: BP and ZH1 are one point
  EXPECT_EQ(keys[21][1], "ZH1");
  ASSERT_EQ(messages.size(), 1u) << out;
  EXPECT_NE(messages[0].find("请指明读哪一条：“主线”、“A 匝道”"), std::string::npos) << messages[0];
}

}  // namespace
}  // namespace capset
