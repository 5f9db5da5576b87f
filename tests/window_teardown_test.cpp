// Windows that go while the user is in the middle of something in them: a
// cell being typed, a row chosen, a table made. Whatever order a window's
// parts go in, no view asks its model about data that is gone and no
// callback reaches a window half destroyed. The sanitizer build sees every
// byte that is read; the Release build checks that the job is untouched.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTabWidget>
#include <functional>
#include <memory>

#include "check_dialog.h"
#include "help_window.h"
#include "log_view.h"
#include "main_window_fixture.h"
#include "road_table_model.h"
#include "road_window.h"
#include "station_table_window.h"

namespace capset {
namespace {

const QString kData = QStringLiteral(CAPSET_LANDXML_DATA);

// Opens a cell of `view` for typing and types `text` into it, not yet stored.
void TypeInto(QTableView* view, const QModelIndex& cell, const char* text) {
  view->setFocus();
  view->setCurrentIndex(cell);
  view->edit(cell);
  auto* editor = view->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->setFocus();
  editor->clear();
  QTest::keyClicks(editor, text);
}

class TeardownTest;

struct Teardown {
  const char* name;
  std::function<void(TeardownTest&, MainWindow&)> open;
};

class TeardownTest : public MainWindowTest, public ::testing::WithParamInterface<Teardown> {
 public:
  std::unique_ptr<MainWindow> NewWindow() {
    return std::make_unique<MainWindow>(prompt_, reader_, reporter_, dataFolder_.filePath("teardown"));
  }
  void RoadIn(MainWindow& window) { ASSERT_TRUE(window.ImportRoadFrom(kData + "/two_curves.xml", std::nullopt)); }
  RoadWindow& ShownRoads(MainWindow& window) {
    RoadWindow& roads = window.Roads();
    roads.LoadJobRoad();
    roads.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&roads));
    return roads;
  }
  void Start(MainWindow& window, const char* then) {
    Answer(std::string(kStartAnswers) + then);
    window.Action("StartAction")->trigger();
  }
};

const Teardown kTeardowns[] = {
    {"RoadCellBeingTyped",
     [](TeardownTest& t, MainWindow& w) {
       t.RoadIn(w);
       RoadWindow& roads = t.ShownRoads(w);
       TypeInto(roads.MainView(), roads.MainModel()->index(1, roads.Table().Grid(false).ColumnOf(Column::kLs1)), "9");
     }},
    {"RoadEquationBeingTyped",
     [](TeardownTest& t, MainWindow& w) {
       t.RoadIn(w);
       RoadWindow& roads = t.ShownRoads(w);
       ASSERT_TRUE(roads.EquationModel()->InsertAt(0));
       QTableView* view = nullptr;
       for (QTableView* v : roads.findChildren<QTableView*>()) {
         if (v->model() == roads.EquationModel()) view = v;
       }
       ASSERT_NE(view, nullptr);
       TypeInto(view, roads.EquationModel()->index(0, roads.Table().Grid(true).ColumnOf(Column::kBack)), "K12+100");
     }},
    {"RoadKeyPointsChosen",
     [](TeardownTest& t, MainWindow& w) {
       t.RoadIn(w);
       RoadWindow& roads = t.ShownRoads(w);
       roads.Tabs()->setCurrentWidget(roads.KeyPoints());
       roads.KeyPoints()->setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 1), true);
     }},
    {"RoadInTheElementForm",
     [](TeardownTest& t, MainWindow& w) {
       t.RoadIn(w);
       RoadWindow& roads = t.ShownRoads(w);
       ASSERT_TRUE(roads.SwitchForm(RoadTableForm::kElements));
       TypeInto(roads.MainView(), roads.MainModel()->index(1, 1), "1");
     }},
    {"CheckRowChosen",
     [](TeardownTest& t, MainWindow& w) {
       t.Start(w, kComputeAnswers);
       w.Action("ComputeAction")->trigger();
       const CapSolution& s = *w.Session().Log().At(0).Solution();
       CheckDialog& check = w.CheckPoints();
       check.PointsEdit()->setPlainText(QStringLiteral("C1\t%1\t%2\nC2\t%1\t%2\n").arg(s.centre.X, 0, 'f', 4).arg(s.centre.Y, 0, 'f', 4));
       check.show();
       ASSERT_TRUE(check.Check());
       check.Table()->setFocus();
       check.Table()->selectRow(1);
     }},
    {"StationTableMade",
     [](TeardownTest& t, MainWindow& w) {
       t.RoadIn(w);
       StationTableWindow& table = w.StationTable();
       table.show();
       table.Step()->setText(QStringLiteral("20"));
       table.MakeButton()->click();
       ASSERT_GT(table.View()->model()->rowCount(), 3) << table.Status().toStdString();
       table.View()->selectRow(2);
     }},
    {"LogRowChosen",
     [](TeardownTest& t, MainWindow& w) {
       t.Start(w, "");
       ASSERT_TRUE(w.RunBatch(kBatch));
       w.show();
       w.Log()->setFocus();
       w.Log()->selectRow(2);
     }},
    {"EveryWindowAtOnce",
     [](TeardownTest& t, MainWindow& w) {
       t.Start(w, "");
       ASSERT_TRUE(w.RunBatch(kBatch));
       t.RoadIn(w);
       w.StationTable().show();
       w.CheckPoints().show();
       w.Help().show();
       RoadWindow& roads = t.ShownRoads(w);
       TypeInto(roads.MainView(), roads.MainModel()->index(1, roads.Table().Grid(false).ColumnOf(Column::kR)), "7");
     }},
};

// The program's end: the main window goes with everything it opened.
TEST_P(TeardownTest, TheMainWindowGoesWithItOpen) {
  std::unique_ptr<MainWindow> window = NewWindow();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  GetParam().open(*this, *window);
  ASSERT_FALSE(HasFatalFailure());
  window.reset();
  EXPECT_TRUE(reporter_.messages.empty()) << ::testing::PrintToString(reporter_.messages);
}

INSTANTIATE_TEST_SUITE_P(Open, TeardownTest, ::testing::ValuesIn(kTeardowns),
                         [](const auto& info) { return std::string(info.param.name); });

// A road window of its own goes while a cell is typed; the session it
// watched lives on, tells its watchers of new roads and keeps its job's road
// as it was: what was typed and never applied is not the job's.
TEST_F(MainWindowTest, ARoadWindowGoesFromTheSessionsWatchersAndLeavesTheJobsRoad) {
  ASSERT_TRUE(window_.ImportRoadFrom(kData + "/two_curves.xml", std::nullopt));
  const Road* before = window_.Session().JobRoad();
  ASSERT_NE(before, nullptr);
  const double length = before->length();
  auto roads = std::make_unique<RoadWindow>(window_.Session(), reporter_);
  roads->LoadJobRoad();
  roads->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(roads.get()));
  TypeInto(roads->MainView(), roads->MainModel()->index(1, roads->Table().Grid(false).ColumnOf(Column::kR)), "50");
  roads.reset();
  ASSERT_NE(window_.Session().JobRoad(), nullptr);
  EXPECT_EQ(window_.Session().JobRoad()->length(), length);
  // A new road and a Start reach only the watchers that are still there.
  // The road in the window is in no job file: the import asks, and is told to go on.
  Answer("不保存\n");
  ASSERT_TRUE(window_.ImportRoadFrom(kData + "/two_curves.xml", std::nullopt));
  Answer(kStartAnswers);
  window_.Action("StartAction")->trigger();
  EXPECT_TRUE(reporter_.messages.empty()) << ::testing::PrintToString(reporter_.messages);
}

}  // namespace
}  // namespace capset
