// The main window as a site engineer uses it day to day: the results in
// view after a Compute whatever the screen, the job's file in the title and
// saved to it, the window's and the log's place kept between runs, a delete
// undone, the sketch saying which cap it shows, the export saying what it
// writes, and the help.
//
// The screen is the offscreen platform's: 800 × 800 by default; CTest runs
// ResultsStayInView again on the screens a site office has (1920 × 1080,
// 1366 × 768, 1024 × 768, and 1600 × 1200 at scale 2: window_tests.cmake).

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <optional>

#include "app_title.h"
#include "batch_dialog.h"
#include "batch_texts.h"
#include "form1.h"
#include "help_window.h"
#include "job_file.h"
#include "log_row.h"
#include "log_view.h"
#include "main_window_fixture.h"
#include "qt_prompt.h"
#include "sketch_view.h"
#include "table.h"
#include "window_texts.h"

namespace capset {
namespace {

using testing::RowName;

// Lets the window finish what a change set going: a layout, then the
// scroll it asks for once the area has its size.
void Settle() {
  for (int round = 0; round < 5; ++round) QTest::qWait(10);
}

// The part of `control` that the form area shows, in the area's viewport.
QRect Shown(const MainWindow& window, const QWidget* control) {
  const QScrollArea* area = window.FormArea();
  return QRect(control->mapTo(area->viewport(), QPoint(0, 0)), control->size()).intersected(area->viewport()->rect());
}

struct InViewRow {
  const char* name;
  std::function<void(MainWindowTest&, MainWindow&)> work;
};

class ResultsStayInView : public MainWindowTest, public ::testing::WithParamInterface<InViewRow> {};

// Every box a Compute writes below the sketch and the three buttons are
// whole in view; the window is on the screen; the log has the room left.
TEST_P(ResultsStayInView, AfterACompute) {
  ShowAndActivate();
  GetParam().work(*this, window_);
  Settle();
  const QRect screen = window_.screen()->availableGeometry();
  EXPECT_TRUE(screen.contains(window_.frameGeometry())) << "the window stays on the screen";
  std::vector<QWidget*> controls = {window_.Form().Command1(), window_.Form().Command2(), window_.Form().Command3()};
  for (int n : {13, 14, 15, 16, 17, 18, 19, 20, 21, 23, 24}) controls.push_back(window_.Form().Box(n));
  for (QWidget* control : controls) {
    EXPECT_EQ(Shown(window_, control).size(), control->size())
        << control->objectName().toStdString() << " on a screen of " << screen.width() << " × " << screen.height();
  }
  QDockWidget* log = window_.LogPanel();
  ASSERT_TRUE(log->isVisible());
  if (!log->isFloating()) {
    const bool beside = window_.dockWidgetArea(log) == Qt::RightDockWidgetArea;
    EXPECT_GE(beside ? log->width() : log->height(), beside ? 420 : 120) << "the log keeps a useful size";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ResultsStayInView,
    ::testing::Values(InViewRow{"FirstCompute", [](MainWindowTest& t, MainWindow& w) { t.StartAndCompute(w); }},
                      InViewRow{"BatchOpensTheLogThenCompute",
                                [](MainWindowTest& t, MainWindow& w) {
                                  t.StartAndBatch();
                                  Settle();
                                  t.Answer(kComputeAnswers);
                                  w.Action("ComputeAction")->trigger();
                                }},
                      InViewRow{"ScrolledAwayThenComputeAgain",
                                [](MainWindowTest& t, MainWindow& w) {
                                  t.StartAndCompute(w);
                                  Settle();
                                  w.FormArea()->ensureVisible(0, 0);
                                  t.Answer(kComputeAnswers);
                                  w.Action("ComputeAction")->trigger();
                                }}),
    RowName<InViewRow>);

// The title names the open job and marks a change since it was saved or
// opened; 保存作业 writes to that file and says so.
TEST_F(MainWindowTest, TitleNamesTheJobAndSaveWritesToIt) {
  const QString app = QString::fromUtf8(kAppTitle);
  const QString separator = QString::fromUtf8(kTitleSeparator);
  ShowAndActivate();
  EXPECT_EQ(window_.windowHandle()->title(), app);

  Answer(kStartAnswers);
  window_.Action("StartAction")->trigger();
  EXPECT_EQ(window_.windowHandle()->title(), QString::fromUtf8(kUnsavedJob) + "*" + separator + app);

  const QString a = files_.filePath("桥一.capjob");
  ASSERT_TRUE(window_.SaveJobTo(a));
  EXPECT_EQ(window_.windowHandle()->title(), "桥一.capjob" + separator + app);
  EXPECT_EQ(window_.windowFilePath(), a);
  EXPECT_TRUE(window_.statusBar()->currentMessage().contains(QDir::toNativeSeparators(a)));

  // A Start with other answers changes the job; the same answers again do not.
  Answer(std::string("2000\n") + (kStartAnswers + 5));
  window_.Action("StartAction")->trigger();
  EXPECT_TRUE(window_.isWindowModified());
  EXPECT_EQ(window_.windowHandle()->title(), "桥一.capjob*" + separator + app);

  // Ctrl+S: to the open file, no dialog.
  QTimer failsafe;
  QObject::connect(&failsafe, &QTimer::timeout, [] {
    if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
  });
  failsafe.start(2000);
  window_.Action("SaveJobAction")->trigger();
  EXPECT_FALSE(window_.isWindowModified());
  const auto saved = ReadJobFile(FileBytes(a).toStdString());
  ASSERT_TRUE(std::holds_alternative<JobFile>(saved));
  EXPECT_EQ(std::get<JobFile>(saved).start.answers.at("KZH"), "2000");

  // Another job opened: its name, nothing changed yet; its list in the batch dialog.
  const QString b = files_.filePath("b.capjob");
  Answer(kStartAnswers);
  window_.Action("StartAction")->trigger();
  window_.Batch().SetInput(kBatch);
  ASSERT_TRUE(window_.SaveJobTo(b));
  ASSERT_TRUE(window_.OpenJobFrom(a));
  EXPECT_EQ(window_.JobPath(), a);
  EXPECT_FALSE(window_.isWindowModified());
  EXPECT_TRUE(window_.Batch().Input().stations.empty()) << "a's job has no list";
  ASSERT_TRUE(window_.OpenJobFrom(b));
  EXPECT_EQ(window_.windowHandle()->title(), "b.capjob" + separator + app);
  EXPECT_EQ(window_.Batch().Input(), kBatch);
  EXPECT_TRUE(reporter_.messages.empty());
}

// The size and place of the window and of the log panel come back in the
// next run.
TEST_F(MainWindowTest, LayoutIsKeptBetweenRuns) {
  QSettings settings(files_.filePath("capset.conf"), QSettings::IniFormat);
  QRect geometry;
  Qt::DockWidgetArea area;
  int logSize = 0;
  {
    MainWindow first(prompt_, reader_, reporter_, dataFolder_.filePath("capset"));
    first.RememberLayout(settings);
    first.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&first));
    StartAndCompute(first);
    Settle();
    // Clear of the screen's top, where a title bar would go.
    first.setGeometry(QRect(QPoint(40, 100), QSize(700, 600)));
    area = first.dockWidgetArea(first.LogPanel());
    const Qt::Orientation along = area == Qt::RightDockWidgetArea ? Qt::Horizontal : Qt::Vertical;
    first.resizeDocks({first.LogPanel()}, {along == Qt::Horizontal ? 500 : 150}, along);
    Settle();
    geometry = first.geometry();
    logSize = along == Qt::Horizontal ? first.LogPanel()->width() : first.LogPanel()->height();
    // The job was never saved: closing asks, and is told to discard it.
    Answer("不保存\n");
    ASSERT_TRUE(first.close());
  }
  MainWindow next(prompt_, reader_, reporter_, dataFolder_.filePath("capset"));
  next.RememberLayout(settings);
  next.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&next));
  EXPECT_EQ(next.geometry(), geometry);
  StartAndCompute(next);
  Settle();
  EXPECT_EQ(next.dockWidgetArea(next.LogPanel()), area);
  const int size = area == Qt::RightDockWidgetArea ? next.LogPanel()->width() : next.LogPanel()->height();
  EXPECT_NEAR(size, logSize, 2);
}

// Delete, then Ctrl+Z: the rows are back where they were, with their
// numbers, and the day file holds each row once.
TEST_F(MainWindowTest, DeleteIsUndone) {
  ShowAndActivate();
  StartAndBatch();
  LogView* view = window_.Log();
  view->setFocus();
  view->selectionModel()->select(view->model()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  view->selectionModel()->select(view->model()->index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  const QByteArray dayFile = FileBytes(DayFile());
  QTest::keySequence(view, QKeySequence::Delete);
  ASSERT_EQ(window_.Session().Log().Size(), 1);
  EXPECT_TRUE(window_.statusBar()->currentMessage().contains("Ctrl+Z"));
  QTest::keySequence(view, QKeySequence::Undo);
  std::vector<int> numbers;
  for (const CapRecord& r : window_.Session().Log().Records()) numbers.push_back(r.number);
  EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(view->model()->index(2, kNameColumn).data().toString(), "3#");
  EXPECT_EQ(FileBytes(DayFile()), dayFile);
}

// A row chosen in the log: the band shows its cap and says which; the next
// Compute shows the boxes' cap again, with no caption.
TEST_F(MainWindowTest, SketchSaysWhichRowItShows) {
  ShowAndActivate();
  StartAndBatch();
  LogView* view = window_.Log();
  view->selectionModel()->setCurrentIndex(view->model()->index(1, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
  EXPECT_EQ(window_.Form().Sketch()->Caption(), "结果记录第 2 行：2#  K1+050.000");
  Answer(kComputeAnswers);
  window_.Action("ComputeAction")->trigger();
  EXPECT_TRUE(window_.Form().Sketch()->Caption().isEmpty());
}

TEST_F(MainWindowTest, ExportSaysWhatItWrites) {
  StartAndBatch();
  EXPECT_EQ(window_.ExportDialogTitle(), "导出结果 — 全部 3 行");
  LogView* view = window_.Log();
  for (int row : {0, 2}) {
    view->selectionModel()->select(view->model()->index(row, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
  EXPECT_EQ(window_.ExportDialogTitle(), "导出结果 — 所选的 2 行");
}

// Each run of a day numbers on from the last, in the log and in the file.
TEST_F(MainWindowTest, NextRunNumbersOnFromTheDayFile) {
  StartAndBatch();
  MainWindow laterRun(prompt_, reader_, reporter_, window_.DayFile().Folder());
  StartAndCompute(laterRun);
  EXPECT_EQ(laterRun.Session().Log().At(0).number, 4);
}

// The help page: the first job, the terms on the ground with their figure,
// the HZ end, outer and inner, the batch and the files, where they are.
TEST_F(MainWindowTest, HelpIsAPageWithItsFigure) {
  HelpWindow& help = window_.Help();
  const QString page = help.Page()->toPlainText();
  for (const char* part : {"第一个作业", "1033.829", "HZ 端", "外侧与内侧", "批量计算", "CASS", "Ctrl+Z"}) {
    EXPECT_TRUE(page.contains(QString::fromUtf8(part))) << part;
  }
  EXPECT_TRUE(page.contains(QDir::toNativeSeparators(window_.DayFile().Folder())));
  const QImage figure =
      help.Page()->document()->resource(QTextDocument::ImageResource, QUrl("terms.png")).value<QImage>();
  EXPECT_GE(figure.width(), 480);
  EXPECT_GE(figure.height(), 460);
}

struct ChoiceRow {
  const char* name;
  const char* click;  // the button's text; empty for Cancel
  std::optional<int> chosen;
};

class QtChoice : public ::testing::TestWithParam<ChoiceRow> {};

// The window's question with fixed answers: one button each, and Cancel.
TEST_P(QtChoice, ButtonGivesItsAnswer) {
  QtPrompt prompt;
  const QString click = QString::fromUtf8(GetParam().click);
  QTimer::singleShot(0, [click] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    for (QAbstractButton* button : box->buttons()) {
      const bool cancel = box->buttonRole(button) == QMessageBox::RejectRole;
      if (click.isEmpty() ? cancel : button->text() == click) button->click();
    }
  });
  EXPECT_EQ(prompt.Choose("同一作业的这批盖梁已经计算过。", {kReplaceRows, kAddRows}), GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(Rows, QtChoice,
                         ::testing::Values(ChoiceRow{"Replace", kReplaceRows, 0}, ChoiceRow{"Add", kAddRows, 1},
                                           ChoiceRow{"Cancel", "", std::nullopt}),
                         RowName<ChoiceRow>);

}  // namespace
}  // namespace capset
