// The road window and what stands around it, on the offscreen platform:
// a paste that says what it took or why not, JD stations that do not chain,
// whole coordinates in the columns, the caps of the log on the plan by
// name, the program named once in each title, and a long message that
// never runs off the screen.

#include <QTabWidget>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QHeaderView>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>

#include "app_title.h"
#include "batch_dialog.h"
#include "check_dialog.h"
#include "help_window.h"
#include "main_window_fixture.h"
#include "plan_view.h"
#include "qt_error_reporter.h"
#include "road_paste_texts.h"
#include "road_table_model.h"
#include "road_window.h"
#include "road_window_texts.h"
#include "station_table_window.h"
#include "table.h"

namespace capset {
namespace {

// Grid coordinates of seven whole digits, as real drawings give them.
const IntersectionRoadInput kGridRoad{
    12000, {3355206.789, 505412.824}, {{{3355820.125, 505852.5}, 500, 150, 150}, {{3356450.5, 505592.25}, 400, 120, 100}},
    {3357300.75, 506112.5}, {}};

class RoadWindowFriends : public MainWindowTest {
 public:
  RoadWindow& Roads() {
    RoadWindow& roads = window_.Roads();
    roads.LoadJobRoad();
    return roads;
  }
  void Paste(RoadWindow& roads, int row, int column, const QString& text) {
    QApplication::clipboard()->setText(text);
    roads.MainView()->setCurrentIndex(roads.MainModel()->index(row, column));
    for (QPushButton* b : roads.Pages()->widget(0)->findChildren<QPushButton*>()) {
      if (b->text() == QString::fromUtf8(kPasteButton)) b->click();
    }
  }
};

TEST_F(RoadWindowFriends, RowsCopiedWithoutTheStationColumnGoToXAndTheWindowSaysWhereEachColumnWent) {
  ASSERT_FALSE(window_.Session().SetRoad(kGridRoad));
  RoadWindow& roads = Roads();
  // From the names' column: X to X, not into the station cell.
  Paste(roads, 1, 0, QStringLiteral("JD1\t3355821.125\t505852.5\t500\t150\t150\nJD2\t3356450.5\t505592.25\t400\t120\t100\n"));
  const RoadTable& t = roads.Table();
  EXPECT_EQ(t.Grid(false).row(1).cells[t.Grid(false).ColumnOf(Column::kX)], "3355821.125");
  EXPECT_EQ(t.Grid(false).row(1).cells[t.Grid(false).ColumnOf(Column::kJdStation)], "");
  ASSERT_NE(roads.Preview(), nullptr) << roads.Verdict()->text().toStdString();
  const QString said = roads.statusBar()->currentMessage();
  EXPECT_EQ(said.toStdString(), PasteTakenText(2, {"点", "X (北)", "Y (东)", "R", "Ls1", "Ls2"}, 0));
  EXPECT_TRUE(roads.Verdict()->text().contains(said));
}

TEST_F(RoadWindowFriends, ABlockThatCannotBeLinedUpChangesNothingAndSaysWhatItSaw) {
  ASSERT_FALSE(window_.Session().SetRoad(kGridRoad));
  RoadWindow& roads = Roads();
  const auto before = roads.Table().Grid(false).rows();
  Paste(roads, 1, 0, QStringLiteral("JD1\t3355821.125\t505852.5\n505592.25\t400\t120\n"));
  EXPECT_EQ(roads.Verdict()->text().toStdString(), PasteMixedNamesText(1, "JD1", 2, "505592.25"));
  for (int r = 0; r < roads.Table().Grid(false).rowCount(); ++r) EXPECT_EQ(roads.Table().Grid(false).row(r).cells, before[r].cells);
}

TEST_F(RoadWindowFriends, AJdStationThatDoesNotChainIsMarkedAndNamedUnderTheTable) {
  ASSERT_FALSE(window_.Session().SetRoad(kGridRoad));
  RoadWindow& roads = Roads();
  const double chained = roads.Preview()->curves()[0].jdStation;
  RoadTableModel* model = roads.MainModel();
  const QModelIndex cell = model->index(1, roads.Table().Grid(false).ColumnOf(Column::kJdStation));
  // Rounded to the millimetre: nothing to say.
  ASSERT_TRUE(model->setData(cell, QString::number(chained, 'f', 3), Qt::EditRole));
  EXPECT_FALSE(model->data(cell, Qt::ToolTipRole).isValid());
  EXPECT_FALSE(roads.Verdict()->text().contains(QStringLiteral("交点桩号")));
  // A digit slipped: marked, its note the tooltip and the verdict line; the road still reads.
  ASSERT_TRUE(model->setData(cell, QString::number(chained + 0.09, 'f', 3), Qt::EditRole));
  ASSERT_NE(roads.Preview(), nullptr);
  const QString note = model->data(cell, Qt::ToolTipRole).toString();
  EXPECT_TRUE(note.startsWith(QStringLiteral("JD1 的交点桩号"))) << note.toStdString();
  EXPECT_TRUE(model->data(cell, Qt::BackgroundRole).isValid());
  EXPECT_EQ(roads.Verdict()->text(), note);
}

TEST_F(RoadWindowFriends, JdStationsTypedAndAppliedAreThereWhenTheWindowOpensAgain) {
  ASSERT_FALSE(window_.Session().SetRoad(kGridRoad));
  RoadWindow& roads = Roads();
  const int c = roads.Table().Grid(false).ColumnOf(Column::kJdStation);
  const QString station = QString::number(roads.Preview()->curves()[1].jdStation, 'f', 3);
  ASSERT_TRUE(roads.MainModel()->setData(roads.MainModel()->index(2, c), station, Qt::EditRole));
  ASSERT_TRUE(roads.Apply());
  roads.LoadJobRoad();  // as the menu does when it opens the window again
  EXPECT_EQ(roads.Table().Grid(false).row(2).cells[c], station.toStdString());
  // Another road set meanwhile: the table is that road's.
  IntersectionRoadInput other = kGridRoad;
  other.jds[0].R = 550;
  ASSERT_FALSE(window_.Session().SetRoad(other));
  roads.LoadJobRoad();
  EXPECT_EQ(roads.Table().Grid(false).row(2).cells[c], "");
}

// The 交点桩号 column as the window shows it: each row's station (as read),
// whether the row is marked, and the mark's note.
struct StationCell {
  std::optional<double> station;
  bool marked;
  QString note;
  bool operator==(const StationCell&) const = default;
};

std::vector<StationCell> StationColumn(RoadWindow& roads) {
  RoadTableModel* model = roads.MainModel();
  const int c = roads.Table().Grid(false).ColumnOf(Column::kJdStation);
  std::vector<StationCell> cells;
  for (int r = 0; r < model->rowCount(); ++r) {
    const QModelIndex cell = model->index(r, c);
    const QString text = model->data(cell, Qt::EditRole).toString();
    cells.push_back({text.isEmpty() ? std::nullopt : std::optional<double>(text.toDouble()),
                     model->data(cell, Qt::BackgroundRole).isValid(), model->data(cell, Qt::ToolTipRole).toString()});
  }
  return cells;
}

TEST_F(RoadWindowFriends, JdStationsAndTheirMarksComeBackWithTheSavedJob) {
  ASSERT_FALSE(window_.Session().SetRoad(kGridRoad));
  RoadWindow& roads = Roads();
  const int c = roads.Table().Grid(false).ColumnOf(Column::kJdStation);
  RoadTableModel* model = roads.MainModel();
  // JD1 as the chain gives it; JD2 with a slipped digit (marked); EP left blank.
  const auto& curves = roads.Preview()->curves();
  ASSERT_TRUE(model->setData(model->index(1, c), QString::number(curves[0].jdStation, 'f', 3), Qt::EditRole));
  ASSERT_TRUE(model->setData(model->index(2, c), QString::number(curves[1].jdStation + 0.09, 'f', 3), Qt::EditRole));
  ASSERT_TRUE(roads.Apply());
  const std::vector<StationCell> applied = StationColumn(roads);
  ASSERT_EQ(applied.size(), 4u);
  EXPECT_TRUE(applied[2].marked && !applied[1].marked && !applied[3].station);
  const QString path = files_.filePath("stations.capjob");
  ASSERT_TRUE(window_.SaveJobTo(path));
  EXPECT_TRUE(FileBytes(path).contains("\"version\": 3"));
  // The same road without its stations, shown: the column is empty again.
  ASSERT_FALSE(window_.Session().SetRoad(kGridRoad));
  roads.LoadJobRoad();
  EXPECT_FALSE(StationColumn(roads)[1].station);
  Answer("不保存\n");
  ASSERT_TRUE(window_.OpenJobFrom(path));
  roads.LoadJobRoad();
  EXPECT_EQ(StationColumn(roads), applied);
  EXPECT_EQ(roads.Verdict()->text(), applied[2].note);
}

TEST_F(RoadWindowFriends, AtTheSmallScreensWidthTheColumnsHoldWholeGridCoordinates) {
  ASSERT_FALSE(window_.Session().SetRoad(kGridRoad));
  RoadWindow& roads = Roads();
  roads.resize(1340, 700);
  roads.show();
  QApplication::processEvents();
  QTableView* view = roads.MainView();
  const QFontMetrics metrics(view->font());
  const RoadTable& t = roads.Table();
  for (Column c : {Column::kX, Column::kY, Column::kJdStation}) {
    const int column = t.Grid(false).ColumnOf(c);
    for (int r = 0; r < t.Grid(false).rowCount(); ++r) {
      const QString text = view->model()->data(view->model()->index(r, column)).toString();
      EXPECT_GE(view->columnWidth(column), metrics.horizontalAdvance(text) + 8) << text.toStdString();
    }
    EXPECT_GE(view->columnWidth(column), metrics.horizontalAdvance(QStringLiteral("3355206.7891")) + 8);
  }
  // Every row one height, none measured from its cells.
  EXPECT_EQ(view->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
}

TEST_F(RoadWindowFriends, ThePlanDrawsExactCapsAxisEdgeToEdgeByTheirNames) {
  ASSERT_FALSE(window_.Session().SetRoad(kGridRoad));
  RoadWindow& roads = Roads();
  const double zh = roads.Preview()->keyPoints()[1].station.value;
  BatchInput exact{BatchInput::Axis::kOwn, "6", "", "", {"3# " + std::to_string(zh + 20), std::to_string(zh + 40)},
                   CapMethod::kExact, "7", "90"};
  ASSERT_TRUE(window_.RunBatch(exact));
  ASSERT_EQ(roads.Plan()->Caps().size(), 2u);
  const PlanCapMark& named = roads.Plan()->Caps()[0];
  EXPECT_EQ(named.label, "3#");
  EXPECT_EQ(roads.Plan()->Caps()[1].label, std::to_string(window_.Session().Log().At(1).number));
  ASSERT_TRUE(named.left && named.right);
  // Edge to edge through the centre: 6 m left, 7 m right on a square cap.
  EXPECT_NEAR(std::hypot(named.left->X - named.centre.X, named.left->Y - named.centre.Y), 6, 0.05);
  EXPECT_NEAR(std::hypot(named.right->X - named.centre.X, named.right->Y - named.centre.Y), 7, 0.05);
}

TEST_F(RoadWindowFriends, EveryTitleNamesTheProgramOnceAtItsEnd) {
  const QString app = QString::fromUtf8(kAppTitle);
  BatchDialog batch([](const BatchInput&) { return true; });
  HelpWindow help(QStringLiteral("/tmp"));
  for (const QWidget* w : std::initializer_list<const QWidget*>{&batch, &help, &window_.Roads(), &window_.CheckPoints(),
                                                                  &window_.StationTable()}) {
    EXPECT_EQ(w->windowTitle().count(app), 1) << w->windowTitle().toStdString();
    EXPECT_TRUE(w->windowTitle().endsWith(app)) << w->windowTitle().toStdString();
  }
}

// A long list in a box: the box fits on the screen, the whole list is in it.
struct LongRow {
  std::string name;
  int lines;
  bool scrolls;
};

class LongMessage : public ::testing::TestWithParam<LongRow> {};

TEST_P(LongMessage, NeverRunsOffTheScreen) {
  std::string message = "文件中有 " + std::to_string(GetParam().lines) + " 行不是点：";
  for (int i = 1; i <= GetParam().lines; ++i) message += "\n第 " + std::to_string(i) + " 行：“M" + std::to_string(i) + " 1033,829”不是数。";
  QtErrorReporter reporter;
  int height = 0, screen = 0;
  bool whole = false, scrolls = false, okShown = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    height = box->frameGeometry().height();
    screen = box->screen()->availableGeometry().height();
    const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    whole = label != nullptr && label->text().toStdString() == message;
    scrolls = box->findChild<QScrollArea*>() != nullptr;
    for (QAbstractButton* b : box->buttons()) okShown = okShown || (b->isVisible() && box->rect().contains(b->geometry()));
    box->accept();
  });
  reporter.ReportError(message);
  EXPECT_GT(height, 0);
  EXPECT_LE(height, screen);
  EXPECT_TRUE(whole);
  EXPECT_TRUE(okShown);
  EXPECT_EQ(scrolls, GetParam().scrolls);
}

INSTANTIATE_TEST_SUITE_P(Rows, LongMessage,
                         ::testing::Values(LongRow{"AFewLinesAsBefore", 3, false}, LongRow{"FiftyLines", 50, true},
                                           LongRow{"ThousandLines", 1000, true}),
                         testing::RowName<LongRow>);

}  // namespace
}  // namespace capset
