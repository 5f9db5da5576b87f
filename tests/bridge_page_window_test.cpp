// The bridge page driven as a user drives it, on the offscreen platform:
// a bent typed into its cells, bents pasted from a spreadsheet, refused
// cells and pastes that leave the bridge as it was, the points table
// against @bridgepoints of the same job, and the page following the
// session's road and bridges.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableView>
#include <QTableWidget>

#include "bent_cells.h"
#include "bent_table_model.h"
#include "bridge_page.h"
#include "bridge_page_texts.h"
#include "bridge_plan_view.h"
#include "bridge_texts.h"
#include "dialogue_run.h"
#include "main_window_fixture.h"
#include "number_text.h"
#include "road_lines.h"
#include "template_panel.h"
#include "station_text.h"

namespace capset {
namespace {

using testing::DialogueRun;
using testing::RunDialogue;

// A straight, a spiral and an arc to the right: stations 1000 … 1450.
const std::vector<std::string> kRoadLines = {"start 1000 3355206.736 505412.824 61.3", "line 100",
                                             "spiral 150 inf 500 right", "arc 200 500 right"};

std::string RoadBlock() {
  std::string block = "@road\n";
  for (const std::string& l : kRoadLines) block += l + "\n";
  return block + "@end\n";
}

class BridgePageTest : public MainWindowTest {
 public:
  void SetUp() override {
    const auto read = ReadRoadLines(kRoadLines, NumberSymbols{});
    ASSERT_TRUE(std::holds_alternative<RoadLines>(read));
    ASSERT_FALSE(window_.Session().SetRoad(std::get<RoadLines>(read).input));
    window_.ShowPage(1);
    page_ = &window_.Bridges();
    page_->SetConfirmer([](const QString&) { return true; });
  }
  // Types `text` into the bents table's cell as a user does: the editor
  // opened, the text typed, Return.
  void Type(int row, int column, const QString& text) {
    QTableView* view = page_->BentsView();
    const QModelIndex index = page_->Bents().index(row, column);
    view->setCurrentIndex(index);
    view->edit(index);
    // The editor just opened: closed ones wait for the event loop to go.
    const QList<QLineEdit*> editors = view->findChildren<QLineEdit*>();
    QLineEdit* editor = editors.isEmpty() ? nullptr : editors.back();
    ASSERT_NE(editor, nullptr);
    editor->clear();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
  }
  const Bridge& Kept(const std::string& name = "B1") {
    const Bridge* bridge = window_.Session().FindBridge(name);
    EXPECT_NE(bridge, nullptr);
    static const Bridge none;
    return bridge ? *bridge : none;
  }
  QString Cell(int row, int column) const {
    const QTableWidgetItem* item = page_->PointsView()->item(row, column);
    return item ? item->text() : QString();
  }

  BridgePage* page_ = nullptr;
};

TEST_F(BridgePageTest, TheFormStaysOneStepAway) {
  auto* pages = window_.findChild<QStackedWidget*>("Pages");
  ASSERT_NE(pages, nullptr);
  EXPECT_EQ(pages->currentWidget(), static_cast<QWidget*>(page_));
  window_.Action("FormPageAction")->trigger();
  EXPECT_EQ(pages->currentWidget(), static_cast<QWidget*>(window_.FormArea()));
  EXPECT_EQ(window_.ShownPage(), 0);
  window_.findChild<QTabBar*>("PageTabs")->setCurrentIndex(1);
  EXPECT_EQ(window_.ShownPage(), 1);
}

TEST_F(BridgePageTest, ABentTypedIsKeptAndItsPointsAreThoseOfTheScript) {
  ASSERT_TRUE(page_->NewBridge("B1"));
  EXPECT_EQ(Kept().bents.size(), 1u);
  Type(0, static_cast<int>(BentColumn::kStation), "K1+180");
  Type(0, static_cast<int>(BentColumn::kSkew), "60.3");
  Type(0, static_cast<int>(BentColumn::kLeft), "7.5");
  Type(0, static_cast<int>(BentColumn::kRight), "9");
  Type(0, static_cast<int>(BentColumn::kDepth), "1.6");
  Type(0, static_cast<int>(BentColumn::kTemplate), "pile-cap-2x3");
  ASSERT_EQ(Kept().bents.size(), 1u);
  const Bent& bent = Kept().bents[0];
  EXPECT_EQ(bent.station, StationRef{1180});
  EXPECT_NEAR(bent.B, 60.5, 1e-12);
  EXPECT_EQ(bent.left, 7.5);
  EXPECT_EQ(bent.right, 9);
  EXPECT_EQ(bent.templateName, "pile-cap-2x3");
  EXPECT_TRUE(page_->Verdict().isEmpty()) << page_->Verdict().toStdString();

  // The same job in a script: every SP line is a row of the table.
  const DialogueRun script = RunDialogue(RoadBlock() +
                                         "@bridge B1\nbent 1 K1+180 skew 60.3 dr 7.5 9 depth 1.6 template pile-cap-2x3\n@end\n"
                                         "@bridgepoints\n");
  std::vector<std::string> points;
  for (const std::string& e : script.transcript.events)
    if (e.starts_with("SP\t")) points.push_back(e);
  ASSERT_EQ(points.size(), 3u + 11u);
  ASSERT_EQ(page_->PointsView()->rowCount(), static_cast<int>(points.size()));
  for (int row = 0; row < static_cast<int>(points.size()); ++row) {
    QStringList f = QString::fromStdString(points[row]).split('\t');
    ASSERT_EQ(f.size(), 8) << points[row];  // SP, bridge, bent, point, X, Y, station, offset
    EXPECT_EQ(Cell(row, 0), f[2] + "-" + f[3]);
    EXPECT_EQ(Cell(row, 1).toStdString(), FixedText(f[4].toDouble(), 3));
    EXPECT_EQ(Cell(row, 2).toStdString(), FixedText(f[5].toDouble(), 3));
    EXPECT_EQ(Cell(row, 4).toStdString(), RoadStationText(f[6].toDouble()));
    EXPECT_EQ(Cell(row, 5).toStdString(), FixedText(f[7].toDouble(), 3));
    EXPECT_FALSE(Cell(row, 6).isEmpty());
  }
  // The plan draws every point of the bridge.
  EXPECT_EQ(page_->Plan()->Scene().points.size(), points.size());
}

TEST_F(BridgePageTest, ARefusedCellShowsWhyAndKeepsTheBridge) {
  ASSERT_TRUE(page_->NewBridge("B1"));
  Type(0, static_cast<int>(BentColumn::kStation), "K1+100");
  const Bridge before = Kept();
  struct Refusal {
    BentColumn column;
    const char* typed;
  };
  for (const Refusal& r : {Refusal{BentColumn::kStation, "K9+000"}, Refusal{BentColumn::kSkew, "12x"},
                           Refusal{BentColumn::kTemplate, "no-such"}, Refusal{BentColumn::kName, "3 4"}}) {
    Type(0, static_cast<int>(r.column), r.typed);
    EXPECT_EQ(Kept(), before) << r.typed;
    const QModelIndex cell = page_->Bents().index(0, static_cast<int>(r.column));
    EXPECT_EQ(cell.data().toString(), QString::fromUtf8(r.typed)) << "the typed text stays to be mended";
    EXPECT_TRUE(cell.data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(cell.data(Qt::ToolTipRole).toString().isEmpty());
    EXPECT_FALSE(page_->Verdict().isEmpty());
  }
  // Mended, the cell reads and its mark goes.
  Type(0, static_cast<int>(BentColumn::kStation), "K1+150");
  EXPECT_EQ(Kept().bents[0].station, StationRef{1150});
  EXPECT_FALSE(page_->Bents().index(0, static_cast<int>(BentColumn::kStation)).data(Qt::BackgroundRole).isValid());
}

TEST_F(BridgePageTest, OpeningACellAndLeavingItChangesNothing) {
  ASSERT_TRUE(page_->NewBridge("B1"));
  Bridge bridge = Kept();
  bridge.bents[0].depth = 1.0 / 3;  // more digits than a cell shows
  ASSERT_TRUE(window_.Session().SetBridge(bridge).empty());
  const QString shown = page_->Bents().index(0, static_cast<int>(BentColumn::kDepth)).data().toString();
  Type(0, static_cast<int>(BentColumn::kDepth), shown);
  EXPECT_EQ(Kept().bents[0].depth, 1.0 / 3);
}

TEST_F(BridgePageTest, PastedRowsComeWholeOrNotAtAll) {
  ASSERT_TRUE(page_->NewBridge("B1"));
  QApplication::clipboard()->setText(QString::fromUtf8("墩台\t桩号\t交角 B\n1\tK1+120\t75\n2\tK1+150\t75\t\t\t6\t6\t1\ttwo-columns\n3\t1180\n"));
  ASSERT_TRUE(page_->PasteBents());
  ASSERT_EQ(Kept().bents.size(), 3u) << "bent 1 replaced where it stood, 2 and 3 added";
  EXPECT_EQ(Kept().bents[0].station, StationRef{1120});
  EXPECT_EQ(Kept().bents[1].templateName, "two-columns");
  EXPECT_EQ(page_->Bents().rowCount(), 3);
  const Bridge before = Kept();
  QApplication::clipboard()->setText("4\t1200\n5\t12o0\n6\t1250\n");
  EXPECT_FALSE(page_->PasteBents());
  EXPECT_EQ(Kept(), before);
  EXPECT_TRUE(page_->Verdict().contains(QString::fromUtf8("第 2 行"))) << page_->Verdict().toStdString();
  // Every line reads, but a station is off the road: the bridge refuses it whole.
  QApplication::clipboard()->setText("4\t1200\n5\t9000\n");
  EXPECT_FALSE(page_->PasteBents());
  EXPECT_EQ(Kept(), before);
  EXPECT_FALSE(page_->Verdict().isEmpty());
}

TEST_F(BridgePageTest, RowsAddedAndRemoved) {
  ASSERT_TRUE(page_->NewBridge("B1"));
  Type(0, static_cast<int>(BentColumn::kStation), "1100");
  EXPECT_EQ(page_->Bents().AddBent(0), 1);
  EXPECT_EQ(page_->Bents().AddBent(1), 2);
  ASSERT_EQ(Kept().bents.size(), 3u);
  EXPECT_EQ(Kept().bents[2].name, "3");
  EXPECT_TRUE(page_->Bents().RemoveBents({0, 2}));
  ASSERT_EQ(Kept().bents.size(), 1u);
  EXPECT_EQ(Kept().bents[0].name, "2");
  EXPECT_FALSE(page_->Bents().RemoveBents({0})) << "a bridge keeps one bent at least";
  EXPECT_EQ(Kept().bents.size(), 1u);
}

TEST_F(BridgePageTest, BridgesNamedRenamedAndDeleted) {
  EXPECT_EQ(page_->Notice(), QString::fromUtf8(kNoBridgeYet));
  EXPECT_FALSE(page_->NewBridge("two words"));
  ASSERT_TRUE(page_->NewBridge("B1"));
  EXPECT_FALSE(page_->NewBridge("B1")) << "a name is one bridge's";
  ASSERT_TRUE(page_->NewBridge("B2"));
  EXPECT_EQ(page_->ChosenBridge(), "B2");
  ASSERT_TRUE(page_->RenameBridge("B3"));
  EXPECT_EQ(window_.Session().FindBridge("B2"), nullptr);
  EXPECT_NE(window_.Session().FindBridge("B3"), nullptr);
  EXPECT_EQ(page_->ChosenBridge(), "B3");
  EXPECT_TRUE(page_->DeleteBridge());
  EXPECT_EQ(window_.Session().Bridges().size(), 1u);
  EXPECT_EQ(page_->ChosenBridge(), "B1");
}

TEST_F(BridgePageTest, WithoutARoadThePageSaysSoAndShowsNothingStale) {
  ASSERT_TRUE(page_->NewBridge("B1"));
  Type(0, static_cast<int>(BentColumn::kStation), "1100");
  EXPECT_GT(page_->PointsView()->rowCount(), 0);
  window_.Session().ClearRoad();
  EXPECT_EQ(page_->Notice(), QString::fromUtf8(kBridgeNeedsRoad));
  EXPECT_EQ(page_->PointsView()->rowCount(), 0);
  EXPECT_TRUE(page_->Plan()->Scene().empty());
  // The road back: the points again, at once.
  const auto read = ReadRoadLines(kRoadLines, NumberSymbols{});
  ASSERT_FALSE(window_.Session().SetRoad(std::get<RoadLines>(read).input));
  EXPECT_TRUE(page_->Notice().isEmpty());
  EXPECT_GT(page_->PointsView()->rowCount(), 0);
}

TEST_F(BridgePageTest, ABridgeChangedElsewhereIsShownAsItIsNow) {
  ASSERT_TRUE(page_->NewBridge("B1"));
  Bridge bridge = Kept();
  bridge.bents[0].station = {1200};
  bridge.bents.push_back({"9", {1300}});
  ASSERT_TRUE(window_.Session().SetBridge(bridge).empty());
  EXPECT_EQ(page_->Bents().rowCount(), 2);
  EXPECT_EQ(page_->Bents().index(1, 0).data().toString(), "9");
  page_->ChooseBent(1);
  EXPECT_EQ(Cell(0, 0), "9-C");
  EXPECT_EQ(page_->Plan()->Chosen(), 1);
  // A point double-clicked in the plan chooses its bent.
  BridgePlanView* plan = page_->Plan();
  plan->resize(600, 400);
  plan->Fit();
  const Pixel at = plan->Mapping().ToPixel(plan->Scene().points[0].xy);
  QTest::mouseDClick(plan, Qt::LeftButton, {}, QPoint(static_cast<int>(std::lround(at.x)), static_cast<int>(std::lround(at.y))));
  EXPECT_EQ(page_->ChosenBent(), 0);
  EXPECT_EQ(Cell(0, 0), "1-C");
  EXPECT_EQ(page_->BentsView()->currentIndex().row(), 0);
}

TEST_F(BridgePageTest, ATemplateCopiedEditedAndUsed) {
  TemplatePanel& panel = *page_->Templates();
  panel.Choose("two-columns");
  EXPECT_TRUE(panel.About().startsWith(QString::fromUtf8(kReadyTwoColumns))) << panel.About().toStdString();
  EXPECT_TRUE(panel.About().contains(QString::fromUtf8("4 个点"))) << "C1, C2, Z1, Z2";
  TemplateItemsModel& items = panel.Items();
  EXPECT_FALSE(items.flags(items.index(0, 2)) & Qt::ItemIsEditable) << "a ready template is read-only";
  EXPECT_FALSE(items.setData(items.index(0, 2), "-4 0", Qt::EditRole));
  ASSERT_TRUE(panel.CopyAs("mine"));
  EXPECT_FALSE(panel.CopyAs("mine")) << "a name is one template's";
  ASSERT_EQ(items.Name(), "mine");
  ASSERT_TRUE(items.flags(items.index(0, 2)) & Qt::ItemIsEditable);
  // C1 moved out to 4 m left of the centre.
  ASSERT_EQ(items.index(0, 1).data().toString(), "C1");
  ASSERT_TRUE(items.setData(items.index(0, 2), "-4 0", Qt::EditRole));
  EXPECT_EQ(window_.Session().FindTemplate("mine")->items[0].u, -4);

  ASSERT_TRUE(page_->NewBridge("B1"));
  Type(0, static_cast<int>(BentColumn::kStation), "1100");
  Type(0, static_cast<int>(BentColumn::kTemplate), "mine");
  ASSERT_EQ(Kept().bents[0].templateName, "mine");
  ASSERT_EQ(Cell(1, 0), "1-C1");
  EXPECT_EQ(Cell(1, 5), "-4.000") << "offset of C1 on a straight, square bent";

  // A refused item keeps the template, and the points, as they were.
  const SubstructureTemplate before = *window_.Session().FindTemplate("mine");
  EXPECT_FALSE(items.setData(items.index(1, 2), "3.25 zero", Qt::EditRole));
  EXPECT_EQ(*window_.Session().FindTemplate("mine"), before);
  EXPECT_TRUE(items.index(1, 2).data(Qt::BackgroundRole).isValid());
  EXPECT_TRUE(panel.Verdict().contains(QString::fromUtf8("第 2 项"))) << panel.Verdict().toStdString();
  EXPECT_EQ(Cell(1, 5), "-4.000");
  // In use, it stays; once no bent uses it, it goes.
  EXPECT_FALSE(panel.DeleteChosen());
  EXPECT_NE(window_.Session().FindTemplate("mine"), nullptr);
  Type(0, static_cast<int>(BentColumn::kTemplate), "");
  ASSERT_TRUE(items.setData(items.index(1, 2), "3.25 0", Qt::EditRole)) << "mended";
  EXPECT_TRUE(panel.DeleteChosen());
  EXPECT_EQ(window_.Session().FindTemplate("mine"), nullptr);
}

TEST_F(BridgePageTest, HeightsComeAndGoWithTheProfile) {
  ASSERT_TRUE(page_->NewBridge("B1"));
  Type(0, static_cast<int>(BentColumn::kStation), "1100");
  Type(0, static_cast<int>(BentColumn::kDepth), "1.5");
  EXPECT_EQ(Cell(0, 3), "-");
  const ProfileInput profile{{{{1000}, 100}, {{1450}, 109}}};  // a grade of 2 %
  ASSERT_FALSE(window_.Session().SetProfile(profile));
  EXPECT_EQ(Cell(0, 3).toStdString(), FixedText(100 + 0.02 * 100 - 1.5, 3)) << "the deck at the centre less the depth";
  ASSERT_FALSE(window_.Session().SetHeights(std::nullopt, {}));
  EXPECT_EQ(Cell(0, 3), "-");
}

TEST_F(BridgePageTest, CtrlVInTheTablePastesAndTheChooserSwitchesBridges) {
  ShowAndActivate();
  ASSERT_TRUE(page_->NewBridge("B1"));
  ASSERT_TRUE(page_->NewBridge("B2"));
  page_->BentsView()->setFocus();
  QApplication::clipboard()->setText("7\t1200\n8\t1230\n");
  QTest::keyClick(page_->BentsView(), Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(Kept("B2").bents.size(), 3u);
  EXPECT_EQ(Kept("B1").bents.size(), 1u) << "only the chosen bridge takes the paste";
  auto* chooser = page_->findChild<QComboBox*>("BridgeChooser");
  ASSERT_NE(chooser, nullptr);
  EXPECT_EQ(chooser->count(), 2);
  chooser->setCurrentText("B1");
  EXPECT_EQ(page_->ChosenBridge(), "B1");
  EXPECT_EQ(page_->Bents().rowCount(), 1);
  // A deletion the user declines keeps the bridge.
  page_->SetConfirmer([](const QString&) { return false; });
  EXPECT_FALSE(page_->DeleteBridge());
  EXPECT_NE(window_.Session().FindBridge("B1"), nullptr);
}

// A bridge on the road Start's answers make: no road, then Start, and the
// page shows the points on it without being asked.
TEST_F(MainWindowTest, TheBridgePageFollowsStart) {
  window_.ShowPage(1);
  BridgePage& page = window_.Bridges();
  ASSERT_TRUE(page.NewBridge("B1"));
  EXPECT_EQ(page.Notice(), QString::fromUtf8(kBridgeNeedsRoad));
  Answer(kStartAnswers);
  window_.Action("StartAction")->trigger();
  EXPECT_EQ(window_.ShownPage(), 0) << "Start answers in the form";
  Bridge bridge = *window_.Session().FindBridge("B1");
  bridge.bents[0].station = {1050};
  ASSERT_TRUE(window_.Session().SetBridge(bridge).empty());
  EXPECT_TRUE(page.Notice().isEmpty()) << page.Notice().toStdString();
  ASSERT_GT(page.PointsView()->rowCount(), 0);
  // The cap centre of the window's own worked job: K1+050 at X 1033.829, Y 2036.772.
  EXPECT_EQ(page.PointsView()->item(0, 1)->text(), "1033.829");
  EXPECT_EQ(page.PointsView()->item(0, 2)->text(), "2036.772");
}

}  // namespace
}  // namespace capset
