// The road window's 纵断面 and 横断面 pages on the offscreen platform: a
// profile typed and pasted, a bad cell refused with its reason (as typed,
// in the table and at 应用), 应用 reaching the session, the 竖曲线要素
// table of the textbook example, the profile that no longer fits a new
// road, the bents at their stations, the section drawn at a station.

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>

#include "heights_grid_model.h"
#include "heights_texts.h"
#include "heights_window_texts.h"
#include "main_window_fixture.h"
#include "profile_page.h"
#include "profile_summary.h"
#include "profile_view.h"
#include "road_window.h"
#include "section_page.h"
#include "section_view.h"

namespace capset {
namespace {

// The textbook example (heights_pages_test.cpp gives its numbers).
const std::string kTextbook = "K4+800\t416.18\nK5+030\t427.68\t2000\nK5+300\t416.88\n";

class HeightsWindowTest : public MainWindowTest {
 public:
  QPushButton* Button(QWidget* page, const char* text) {
    for (QPushButton* b : page->findChildren<QPushButton*>()) {
      if (b->text() == QString::fromUtf8(text)) return b;
    }
    ADD_FAILURE() << "no button " << text;
    return nullptr;
  }
  ProfilePage& Profile() { return *window_.Roads().Profile(); }
  SectionPage& Section() { return *window_.Roads().Section(); }
  void Type(int row, int column, const std::string& text) {
    ASSERT_TRUE(Profile().Model()->setData(Profile().Model()->index(row, column), QString::fromStdString(text), Qt::EditRole));
  }
  std::vector<std::string> CurveRow(int row) {
    std::vector<std::string> cells;
    for (int c = 0; c < Profile().Curves()->columnCount(); ++c) cells.push_back(Profile().Curves()->item(row, c)->text().toStdString());
    return cells;
  }
  void PasteTextbook() {
    QApplication::clipboard()->setText(QString::fromStdString(kTextbook));
    Profile().View()->setCurrentIndex(Profile().Model()->index(0, kPviStation));
    Button(&Profile(), kPviPasteButton)->click();
  }
};

TEST_F(HeightsWindowTest, AProfileTypedReachesTheSessionAtApplyAndPrintsItsCurve) {
  RoadWindow& roads = window_.Roads();
  roads.Pages()->setCurrentIndex(1);
  Type(0, kPviStation, "K4+800");
  Type(0, kPviElevation, "416.18");
  Type(1, kPviStation, "K5+300");
  Type(1, kPviElevation, "416.88");
  ASSERT_TRUE(Profile().Model()->InsertAt(1));
  Type(1, kPviStation, "5030");
  Type(1, kPviElevation, "427.68");
  Type(1, kPviRadius, "2000");
  ASSERT_NE(Profile().Preview(), nullptr) << Profile().Verdict()->text().toStdString();
  EXPECT_EQ(Profile().Verdict()->text().toStdString(), std::string(kProfileReads) + kProfileNoRoad);
  EXPECT_FALSE(window_.Session().ProfileSource());  // nothing reaches the job before 应用
  const std::vector<std::string> expected = {"2",         "K5+030.000", "427.680", "5.000",      "-4.000",  "-9.000",
                                             kCrestWord,  "2000.000",   "180.000", "90.000",     "2.025",   "K4+940.000",
                                             "423.180",   "K5+120.000", "424.080", "K5+040.000", "425.680"};
  ASSERT_EQ(Profile().Curves()->rowCount(), 1);
  EXPECT_EQ(CurveRow(0), expected);
  Button(&Profile(), kHeightsApplyButton)->click();
  ASSERT_TRUE(window_.Session().ProfileSource());
  ASSERT_EQ(window_.Session().ProfileSource()->rows.size(), 3u);
  EXPECT_EQ(window_.Session().ProfileSource()->rows[1].radius, 2000);
  ASSERT_NE(window_.Session().Heights(), nullptr);
  const auto at = window_.Session().Heights()->At(5080, 0);
  ASSERT_TRUE(std::holds_alternative<PointHeight>(at));
  EXPECT_NEAR(std::get<PointHeight>(at).elevation, 425.280, 1e-9);
  EXPECT_EQ(Profile().Verdict()->text().toStdString(), kProfileApplied);
  // The table is kept as typed, the job's own now.
  EXPECT_EQ(Profile().Table().Text(0, kPviStation), "K4+800");
}

TEST_F(HeightsWindowTest, APastedProfileIsTheSameAsTheTypedOne) {
  PasteTextbook();
  EXPECT_TRUE(window_.Roads().statusBar()->currentMessage().startsWith(QStringLiteral("已粘贴 3 行")));
  ASSERT_NE(Profile().Preview(), nullptr) << Profile().Verdict()->text().toStdString();
  ASSERT_EQ(Profile().Curves()->rowCount(), 1);
  EXPECT_EQ(CurveRow(0)[9], "90.000");
  // A block that cannot be lined up changes nothing and says so.
  QApplication::clipboard()->setText(QStringLiteral("5030\t427.68\t2000\t90\t2.025\n"));
  Button(&Profile(), kPviPasteButton)->click();
  EXPECT_EQ(Profile().Verdict()->text().toStdString(), PviPasteTooManyText(1, 5));
  EXPECT_EQ(Profile().Table().Text(1, kPviRadius), "2000");
}

TEST_F(HeightsWindowTest, ABadCellIsRedWithItsReasonAndApplyRefusesIt) {
  PasteTextbook();
  Type(1, kPviRadius, "-2000");
  const QModelIndex cell = Profile().Model()->index(1, kPviRadius);
  EXPECT_EQ(Profile().Model()->data(cell, Qt::ToolTipRole).toString().toStdString(), kHeightsNotPositive);
  EXPECT_EQ(Profile().Model()->data(cell, Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 205, 205));
  EXPECT_EQ(Profile().Verdict()->text().toStdString(), PviCellWhere(2, "R") + kHeightsNotPositive);
  EXPECT_EQ(Profile().Preview(), nullptr);
  EXPECT_EQ(Profile().Curves()->rowCount(), 0);
  EXPECT_FALSE(Profile().Apply());
  EXPECT_FALSE(window_.Session().ProfileSource());
  EXPECT_EQ(Profile().Verdict()->text().toStdString(), std::string(kProfileNotApplied) + PviCellWhere(2, "R") + kHeightsNotPositive);
  // As it is typed, the editor says why before the cell is left.
  window_.Roads().show();
  window_.Roads().Pages()->setCurrentIndex(1);
  Profile().View()->setCurrentIndex(cell);
  Profile().View()->edit(cell);
  auto* editor = Profile().View()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->clear();
  QTest::keyClicks(editor, "abc");
  EXPECT_EQ(editor->toolTip().toStdString(), kHeightsNotNumber);
  editor->clear();
  QTest::keyClicks(editor, "3000");
  EXPECT_TRUE(editor->toolTip().isEmpty());
}

struct FollowRow {
  std::string name;
  bool applyFirst;     // 应用 before the job's profile changes elsewhere
  bool typeAfter;      // a cell typed after, not applied
  bool follows;        // the table then shows the job's new profile
};

class HeightsWindowFollows : public HeightsWindowTest, public ::testing::WithParamInterface<FollowRow> {};

// A profile set elsewhere (a script, a job opened): the table follows it
// unless it holds typing not yet applied.
TEST_P(HeightsWindowFollows, TheJobsProfileSetElsewhere) {
  PasteTextbook();
  if (GetParam().applyFirst) {
    ASSERT_TRUE(Profile().Apply());
  }
  if (GetParam().typeAfter) Type(1, kPviElevation, "428");
  ASSERT_FALSE(window_.Session().SetProfile(ProfileInput{{PviInput{{0}, 10}, PviInput{{900}, 19}}}));
  EXPECT_EQ(Profile().Table().Text(0, kPviStation) == "K0+000.000", GetParam().follows) << Profile().Table().Text(0, kPviStation);
  if (GetParam().follows) {
    EXPECT_EQ(Profile().Verdict()->text().toStdString(), std::string(kProfileIsJobs) + kProfileNoRoad);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, HeightsWindowFollows,
                         ::testing::Values(FollowRow{"AppliedTable", true, false, true},
                                           FollowRow{"TypedNotApplied", false, false, false},
                                           FollowRow{"TypedAfterApplying", true, true, false}),
                         [](const auto& info) { return info.param.name; });

TEST_F(HeightsWindowTest, CurvesThatOverlapAreRefusedNamingBothRows) {
  QApplication::clipboard()->setText(QStringLiteral("0\t100\n300\t106\t4000\n400\t104\t4000\n700\t110\n"));
  Button(&Profile(), kPviPasteButton)->click();
  EXPECT_EQ(Profile().Preview(), nullptr);
  const std::string verdict = Profile().Verdict()->text().toStdString();
  EXPECT_NE(verdict.find("第 3 行"), std::string::npos) << verdict;
  EXPECT_NE(verdict.find("第 2 行"), std::string::npos) << verdict;
  EXPECT_FALSE(Profile().Apply());
  EXPECT_FALSE(window_.Session().ProfileSource());
}

TEST_F(HeightsWindowTest, AProfileThatNoLongerFitsTheRoadSaysWhy) {
  PasteTextbook();
  ASSERT_TRUE(Profile().Apply());
  // A road whose 短链 skips K5+000 to K5+100: the PVI at K5+030 has no place on it.
  ASSERT_FALSE(window_.Session().SetRoad(IntersectionRoadInput{4000, {0, 0}, {}, {2000, 0}, {{5000, 5100}}}));
  ASSERT_TRUE(window_.Session().HeightsProblemNow());
  const std::string verdict = Profile().Verdict()->text().toStdString();
  EXPECT_TRUE(verdict.starts_with(ProfileNotOnRoadText("").substr(0, 12))) << verdict;
  EXPECT_NE(verdict.find("第 2 行"), std::string::npos) << verdict;
  EXPECT_EQ(Profile().Preview(), nullptr);
  EXPECT_FALSE(Profile().Profile()->Scene());
  // Back on a road that holds it: the page follows.
  ASSERT_FALSE(window_.Session().SetRoad(IntersectionRoadInput{4000, {0, 0}, {}, {2000, 0}, {}}));
  EXPECT_NE(Profile().Preview(), nullptr) << Profile().Verdict()->text().toStdString();
  EXPECT_EQ(Profile().Verdict()->text().toStdString(), kProfileIsJobs);
  ASSERT_TRUE(Profile().Profile()->Scene());
  // The road's key points and its stations along the bottom.
  EXPECT_FALSE(Profile().Profile()->Scene()->ticks.empty());
  EXPECT_EQ(Profile().Profile()->Scene()->ticks.front().label, "K4+800");
}

TEST_F(HeightsWindowTest, TheBentsOfTheLogStandAtTheirStationsAndTheMouseReadsTheProfile) {
  StartAndBatch();
  const Road* road = window_.Session().WorkingRoad();
  ASSERT_NE(road, nullptr);
  const double first = road->firstStation(), last = road->lastStation();
  ASSERT_FALSE(window_.Session().SetProfile(ProfileInput{{PviInput{{first}, 100}, PviInput{{last}, 100 + 0.02 * (last - first)}}}));
  RoadWindow& roads = window_.Roads();
  roads.resize(1340, 720);
  roads.show();
  roads.Pages()->setCurrentIndex(1);
  QApplication::processEvents();
  ProfileView& view = *Profile().Profile();
  ASSERT_TRUE(view.Scene());
  ASSERT_EQ(view.Scene()->bents.size(), 3u);
  EXPECT_EQ(view.Scene()->bents[1].label, "2#");
  EXPECT_NEAR(view.Scene()->bents[1].elevation, 100 + 0.02 * (1050 - first), 0.01);
  // The status line under the mouse: the station there, the design elevation and the grade.
  const QPoint pixel(static_cast<int>(view.Mapping().X(road->Place({1050}).distance)), view.height() / 2);
  const std::string text = view.PositionText(pixel).toStdString();
  const double d = view.Mapping().Distance(pixel.x());
  EXPECT_TRUE(text.starts_with(DistanceStationText(d, road))) << text;
  EXPECT_NE(text.find("+2.000%"), std::string::npos) << text;
  EXPECT_NE(view.Mapping().ratio(), 0);
}

TEST_F(HeightsWindowTest, TheSectionAppliedAndDrawnAtAStation) {
  PasteTextbook();
  ASSERT_TRUE(Profile().Apply());
  SectionPage& page = Section();
  window_.Roads().show();
  window_.Roads().Pages()->setCurrentIndex(2);
  for (auto [field, text] : {std::pair{SectionField::kLeftWidth, "7.5"}, std::pair{SectionField::kRightWidth, "7.5"},
                             std::pair{SectionField::kDesign, "-7.5"}}) {
    page.FieldEdit(field)->clear();
    QTest::keyClicks(page.FieldEdit(field), text);
  }
  // A bad field turns red with its reason; 应用 refuses it.
  page.FieldEdit(SectionField::kCrown)->clear();
  QTest::keyClicks(page.FieldEdit(SectionField::kCrown), "x");
  EXPECT_EQ(page.FieldEdit(SectionField::kCrown)->toolTip().toStdString(), kHeightsNotNumber);
  EXPECT_FALSE(page.Apply());
  EXPECT_EQ(window_.Session().CrossSectionSource().leftWidth, 0);
  QTest::keyClick(page.FieldEdit(SectionField::kCrown), Qt::Key_Backspace);
  QTest::keyClicks(page.FieldEdit(SectionField::kCrown), "2");
  ASSERT_TRUE(page.Apply()) << page.Verdict()->text().toStdString();
  EXPECT_EQ(window_.Session().CrossSectionSource().leftWidth, 7.5);
  EXPECT_EQ(window_.Session().CrossSectionSource().design, -7.5);
  page.ShowAt(QStringLiteral("K5+010"));
  const auto& picture = page.Section()->Picture();
  ASSERT_TRUE(picture);
  EXPECT_NEAR(*picture->leftEdge.elevation, 425.455, 1e-9);
  EXPECT_NEAR(*picture->centre.elevation, 425.605, 1e-9);
  EXPECT_NEAR(*picture->rightEdge.elevation, 425.455, 1e-9);
  EXPECT_EQ(picture->left, -2);
  // A station the profile does not reach draws the slopes alone; one not typed right, nothing.
  page.ShowAt(QStringLiteral("K5+0x0"));
  EXPECT_FALSE(page.Section()->Picture());
}


// The drawings' table of cross slopes typed, applied, and the section drawn
// between two of its rows: both slopes run linearly with the station. At
// K4+950, halfway from K4+900 (−2, −2) to K5+000 (−2, +4): left −2 %, right
// +1 %; the centre on the textbook crest, 10 m past BVC: 423.680 − 10²/4000.
TEST_F(HeightsWindowTest, TheTableOfSlopesTypedAppliedAndDrawnBetweenItsRows) {
  PasteTextbook();
  ASSERT_TRUE(Profile().Apply());
  SectionPage& page = Section();
  page.Tables()->setCurrentIndex(1);
  HeightsGridModel& slopes = *page.SlopeModel();
  const std::vector<std::vector<std::string>> rows = {{"K4+900", "-2", "-2"}, {"K5+000", "-2", "4"}};
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (static_cast<int>(r) >= slopes.rowCount()) {
      ASSERT_TRUE(slopes.InsertAt(slopes.rowCount()));
    }
    for (int c = 0; c < 3; ++c) {
      ASSERT_TRUE(slopes.setData(slopes.index(static_cast<int>(r), c + 1), QString::fromStdString(rows[r][c]), Qt::EditRole));
    }
  }
  ASSERT_TRUE(page.Apply()) << page.Verdict()->text().toStdString();
  ASSERT_EQ(window_.Session().CrossSectionSource().slopes.size(), 2u);
  page.ShowAt(QStringLiteral("4950"));
  const auto& picture = page.Section()->Picture();
  ASSERT_TRUE(picture);
  EXPECT_NEAR(picture->left, -2, 1e-12);
  EXPECT_NEAR(picture->right, 1, 1e-12);
  EXPECT_NEAR(*picture->centre.elevation, 423.655, 1e-9);
  EXPECT_FALSE(picture->leftGiven);
  // A transition typed as well: one form or the other, and 应用 says so.
  page.Tables()->setCurrentIndex(0);
  ASSERT_TRUE(page.TransitionModel()->setData(page.TransitionModel()->index(0, kTrJd), QStringLiteral("JD1"), Qt::EditRole));
  ASSERT_TRUE(page.TransitionModel()->setData(page.TransitionModel()->index(0, kTrE), QStringLiteral("4"), Qt::EditRole));
  EXPECT_FALSE(page.Apply());
  EXPECT_EQ(page.Verdict()->text().toStdString(), std::string(kSectionNotApplied) + kSectionBothForms);
  EXPECT_TRUE(window_.Session().CrossSectionSource().transitions.empty());
}

}  // namespace
}  // namespace capset
