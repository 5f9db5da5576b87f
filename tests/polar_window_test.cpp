// 测站与后视… in the window: a station and a backsight typed, or picked from
// the bridge's points, set together; the backsight's azimuth and distance
// for the crew to check; the table of every point's polar data, which
// follows the session; every refusal reported with nothing changed.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "instrument_station_dialog.h"
#include "main_window_fixture.h"
#include "polar_texts.h"

namespace capset {
namespace {

class PolarWindowTest : public MainWindowTest {
 public:
  // A straight due north from K1+000 at (3000000, 500000) and a square bent
  // at K1+100 with edges 6 m either side.
  void RoadAndBridge() {
    ASSERT_FALSE(window_.Session()
                     .SetRoad(RoadInput(ElementRoadInput{1000, {3000000, 500000}, 0, {{ElementKind::kLine, 500}}, {}}))
                     .has_value());
    Bent bent;
    bent.name = "3";
    bent.station = {1100};
    bent.left = bent.right = 6;
    ASSERT_TRUE(window_.Session().SetBridge({"B1", {bent}}).empty());
  }
  InstrumentStationDialog& Dialog() { return window_.InstrumentStation(); }
  void TypeStation(const char* name, const char* x, const char* y, const char* h = "", const char* hi = "") {
    Dialog().StationName()->setText(name);
    Dialog().StationX()->setText(x);
    Dialog().StationY()->setText(y);
    Dialog().StationH()->setText(h);
    Dialog().StationHI()->setText(hi);
  }
  QString Cell(int row, int column) { return Dialog().Table().index(row, column).data().toString(); }
};

TEST_F(PolarWindowTest, TypedStationAndBacksightGiveTheTable) {
  RoadAndBridge();
  ASSERT_NE(window_.Action("InstrumentStationAction"), nullptr);
  window_.Action("InstrumentStationAction")->trigger();
  TypeStation("S1", "3000050", "499980", "10", "1.5");
  Dialog().BacksightName()->setText("B7");
  Dialog().BacksightX()->setText("3000050");
  Dialog().BacksightY()->setText("500080");
  ASSERT_TRUE(Dialog().Apply()) << ::testing::PrintToString(reporter_.messages);
  ASSERT_TRUE(window_.Session().Station().has_value());
  EXPECT_EQ(window_.Session().Station()->instrumentHeight, 1.5);
  EXPECT_NE(Dialog().BacksightCheck()->text().toStdString().find("90°00′00.0″"), std::string::npos)
      << Dialog().BacksightCheck()->text().toStdString();
  EXPECT_NE(Dialog().BacksightCheck()->text().toStdString().find("100.000"), std::string::npos);
  ASSERT_EQ(Dialog().Table().rowCount(), 3);
  ASSERT_EQ(Dialog().Table().columnCount(), 6);
  // The centre 50 m north and 20 m east: atan(20/50) = 21°48′05.1″.
  EXPECT_EQ(Cell(0, 0), "3-C");
  EXPECT_EQ(Cell(0, 1), "21°48′05.1″");
  EXPECT_EQ(Cell(0, 2), "53.852");
  EXPECT_EQ(Cell(0, 3), "291°48′05.1″");
  // No profile: the points have no height, so no dH and no zenith.
  EXPECT_EQ(Cell(0, 4), "-");
  EXPECT_EQ(Cell(0, 5), "-");
  const std::string copied = Dialog().CopyText();
  EXPECT_EQ(copied.substr(0, copied.find('\n')), "点名\t方位角\t平距 (m)\t转角\t高差 dH (m)\t天顶距");
  EXPECT_NE(copied.find("3-C\t21°48′05.1″\t53.852\t291°48′05.1″\t-\t-"), std::string::npos) << copied;
}

TEST_F(PolarWindowTest, TheTableFollowsTheSessionAndAClear) {
  RoadAndBridge();
  Dialog().show();
  window_.Session().SetStation({"S1", {3000000, 500000}, std::nullopt, 0});
  window_.Session().SetBacksight({"", std::nullopt, 0});
  ASSERT_EQ(Dialog().Table().rowCount(), 3);
  EXPECT_EQ(Dialog().Table().columnCount(), 4) << "a station without H gives no height columns";
  Bent more;
  more.name = "4";
  more.station = {1130};
  ASSERT_TRUE(window_.Session().SetBridge({"B2", {more}}).empty());
  EXPECT_EQ(Dialog().Table().rowCount(), 4);
  EXPECT_EQ(Cell(3, 0), "4-C");
  EXPECT_EQ(Cell(3, 2), "130.000");
  Dialog().Clear();
  EXPECT_FALSE(window_.Session().Station().has_value());
  EXPECT_EQ(Dialog().Table().rowCount(), 0);
  EXPECT_EQ(Dialog().BacksightCheck()->text(), QString::fromUtf8(kPolarNotSet));
  EXPECT_TRUE(Dialog().StationName()->text().isEmpty());
}

TEST_F(PolarWindowTest, ABridgePointIsPickedByName) {
  RoadAndBridge();
  Dialog().show();
  QComboBox* pick = Dialog().findChild<QComboBox*>("StationPick");
  ASSERT_NE(pick, nullptr);
  ASSERT_EQ(pick->count(), 4);  // the prompt, 3-C, 3-L, 3-R
  pick->setCurrentIndex(2);
  emit pick->activated(2);
  EXPECT_EQ(Dialog().StationName()->text(), "3-L");
  EXPECT_EQ(Dialog().StationX()->text(), "3000100");
  EXPECT_EQ(Dialog().StationY()->text(), "499994");
}

TEST_F(PolarWindowTest, TheTableIsExportedWholeOrNotAtAll) {
  RoadAndBridge();
  const QString path = files_.filePath("polar.csv");
  EXPECT_FALSE(Dialog().ExportTo(path));
  ASSERT_EQ(reporter_.information.size(), 1u) << "nothing to export yet";
  EXPECT_FALSE(QFileInfo::exists(path));
  window_.Session().SetStation({"S1", {3000000, 500000}, 95.5, 1.5});
  window_.Session().SetBacksight({"", std::nullopt, 0});
  ASSERT_TRUE(Dialog().ExportTo(path)) << ::testing::PrintToString(reporter_.messages);
  const QByteArray bytes = FileBytes(path);
  ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
  const QString text = QString::fromUtf8(bytes.mid(3));
  const QStringList lines = text.split("\r\n", Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 4);
  EXPECT_EQ(lines[0], QString::fromUtf8("点名,方位角,平距 (m),转角,高差 dH (m),天顶距"));
  EXPECT_EQ(lines[1], QString::fromUtf8("3-C,0°00′00.0″,100.000,0°00′00.0″,-,-"));
  // A folder that is not there: reported, nothing written, the old file whole.
  const QString nowhere = files_.filePath("no/such/folder/polar.csv");
  EXPECT_FALSE(Dialog().ExportTo(nowhere));
  ASSERT_EQ(reporter_.messages.size(), 1u);
  EXPECT_NE(reporter_.messages[0].find("导出放样数据失败"), std::string::npos) << reporter_.messages[0];
  EXPECT_FALSE(QFileInfo::exists(nowhere));
  EXPECT_EQ(FileBytes(path), bytes);
}

struct BadDialogRow {
  const char* name;
  const char* x;
  const char* hi;
  const char* azimuth;
  const char* reason;
};

const BadDialogRow kBadDialog[] = {
    {"x_not_a_number", "30OOO50", "1.5", "90", "X“30OOO50”不是数值"},
    {"hi_beyond_a_pillar", "3000050", "200", "90", "HI“200”超出了 0 至 100 m"},
    {"azimuth_minutes_over_59", "3000050", "1.5", "90.7", "分和秒须小于 60"},
    {"azimuth_over_360", "3000050", "1.5", "361", "超出了 0 至 360°"},
};

class PolarDialogRefusal : public PolarWindowTest, public ::testing::WithParamInterface<BadDialogRow> {};

TEST_P(PolarDialogRefusal, IsReportedAndChangesNothing) {
  const BadDialogRow& r = GetParam();
  RoadAndBridge();
  window_.Session().SetStation({"S0", {3000000, 500000}, std::nullopt, 0});
  TypeStation("S1", r.x, "499980", "10", r.hi);
  Dialog().ByAzimuth()->setChecked(true);
  Dialog().BacksightAzimuth()->setText(r.azimuth);
  EXPECT_FALSE(Dialog().Apply());
  ASSERT_EQ(reporter_.messages.size(), 1u);
  EXPECT_NE(reporter_.messages[0].find(r.reason), std::string::npos) << reporter_.messages[0];
  EXPECT_EQ(window_.Session().Station()->name, "S0");
  EXPECT_FALSE(window_.Session().StationBacksight().has_value());
}

INSTANTIATE_TEST_SUITE_P(Fields, PolarDialogRefusal, ::testing::ValuesIn(kBadDialog),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace capset
