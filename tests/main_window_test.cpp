// The main window around Form1: it fits the screen and scrolls to every
// control, its menus run what the buttons run, the log panel opens with the
// first row, rows copy and delete, exports and the day file write whole or
// say why, and nothing in the log is lost on the way.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <functional>
#include <sstream>

#include "cap_session.h"
#include "main_window_fixture.h"
#include "day_file.h"
#include "export_formats.h"
#include "file_size_limit.h"
#include "file_texts.h"
#include "form1.h"
#include "journal.h"
#include "log_view.h"
#include "main_window.h"
#include "qt_number_reader.h"
#include "script.h"
#include "sketch_view.h"
#include "table.h"

namespace capset {
namespace {

using testing::FileSizeLimit;
using testing::RowName;

struct ScreenRow {
  const char* name;
  QSize window;  // empty: as the window sized itself
};

class WindowFitsTheScreen : public MainWindowTest, public ::testing::WithParamInterface<ScreenRow> {};

// The offscreen screen (800 × 800) is narrower than the form already.
TEST_P(WindowFitsTheScreen, AndScrollsToEveryControl) {
  ShowAndActivate();
  if (!GetParam().window.isEmpty()) window_.resize(GetParam().window);
  QApplication::processEvents();
  const QRect screen = window_.screen()->availableGeometry();
  EXPECT_TRUE(screen.contains(window_.frameGeometry())) << "fits the screen";
  if (GetParam().window.isEmpty()) {
    EXPECT_GT(window_.Form().width(), screen.width()) << "the offscreen screen is narrower than the form";
  }
  QScrollArea* area = window_.FormArea();
  std::vector<QWidget*> controls = {window_.Form().Command1(), window_.Form().Command2(), window_.Form().Command3()};
  for (int n = 1; n <= kBoxCount; ++n) controls.push_back(window_.Form().Box(n));
  for (QWidget* control : controls) {
    // The whole control, not only a box's cursor, as ensureWidgetVisible would.
    const QRect onForm = control->geometry();
    area->ensureVisible(onForm.center().x(), onForm.center().y(), onForm.width() / 2 + 1, onForm.height() / 2 + 1);
    const QRect shown(control->mapTo(area->viewport(), QPoint(0, 0)), control->size());
    EXPECT_TRUE(area->viewport()->rect().contains(shown)) << control->objectName().toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, WindowFitsTheScreen,
                         ::testing::Values(ScreenRow{"AsItSizesItself", {}}, ScreenRow{"HalfTheForm", {450, 340}},
                                           ScreenRow{"Tiny", {240, 180}}),
                         RowName<ScreenRow>);

TEST_F(MainWindowTest, MenusCarryTheirItemsAndKeys) {
  const std::vector<std::tuple<const char*, const char*, QKeySequence>> items = {
      {"ExportAction", "导出结果(&E)…", QKeySequence("Ctrl+E")},
      {"QuitAction", "退出(&X)", QKeySequence::Quit},
      {"StartAction", "开始(&S)", QKeySequence("Ctrl+N")},
      {"ComputeAction", "计算(&C)", QKeySequence("F5")},
      {"BatchAction", "批量计算(&B)…", QKeySequence("Ctrl+B")},
      {"LogAction", "结果记录(&L)", QKeySequence("Ctrl+L")},
      {"UsageAction", "使用说明(&U)", QKeySequence::HelpContents},
      {"AboutAction", "关于(&A)", QKeySequence()}};
  for (const auto& [name, text, keys] : items) {
    QAction* action = window_.Action(name);
    ASSERT_NE(action, nullptr) << name;
    EXPECT_EQ(action->text(), QString::fromUtf8(text));
    EXPECT_EQ(action->shortcut(), keys) << name;
  }
}

TEST_F(MainWindowTest, MenuStartAndComputeRunTheButtonsAndTheFirstRowOpensTheLog) {
  ShowAndActivate();
  EXPECT_FALSE(window_.LogPanel()->isVisible());
  StartAndCompute(window_);
  EXPECT_EQ(window_.Form().BoxText(1), "K 1+ 0");
  EXPECT_EQ(window_.Form().BoxText(13), "K 1+ 50");
  EXPECT_TRUE(window_.LogPanel()->isVisible());
  ASSERT_EQ(window_.Log()->model()->rowCount(), 1);
  EXPECT_EQ(window_.Log()->model()->index(0, kCentreXColumn).data().toString(), window_.Form().BoxText(23));
  EXPECT_TRUE(reporter_.messages.empty());
}

TEST_F(MainWindowTest, CopyDeleteAndSelectWorkOnWholeRows) {
  ShowAndActivate();
  StartAndCompute(window_);
  ASSERT_TRUE(window_.RunBatch(kBatch));
  LogView* view = window_.Log();
  view->setFocus();
  view->selectRow(1);
  QSignalSpy selected(&window_, &MainWindow::CapSelected);
  view->selectionModel()->setCurrentIndex(view->model()->index(3, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
  ASSERT_EQ(selected.size(), 1);
  EXPECT_EQ(selected[0][0].value<CapSolution>().centreStation, 1060);
  // The plan sketch shows the chosen cap, not the last one computed.
  ASSERT_TRUE(window_.Form().Sketch()->Scene());
  const auto& elements = window_.Form().Sketch()->Scene()->elements;
  const auto centre = std::find_if(elements.begin(), elements.end(),
                                   [](const SceneElement& e) { return e.style == SceneStyle::kCentre; });
  ASSERT_NE(centre, elements.end());
  EXPECT_EQ(centre->points[0].X, selected[0][0].value<CapSolution>().centre.X);

  QTest::keySequence(view, QKeySequence::Copy);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), TsvText(Records({1, 3}), reader_.DecimalSeparator()));

  const QByteArray dayFile = FileBytes(DayFile());
  QTest::keySequence(view, QKeySequence::Delete);
  std::vector<int> numbers;
  for (const CapRecord& r : window_.Session().Log().Records()) numbers.push_back(r.number);
  EXPECT_EQ(numbers, (std::vector<int>{1, 3}));
  EXPECT_EQ(FileBytes(DayFile()), dayFile) << "the day file keeps deleted rows";
}

TEST_F(MainWindowTest, ExportWritesTheWholeFileOfAllOrTheChosenRows) {
  StartAndBatch();
  const QString csv = files_.filePath("盖梁.csv");
  const QString dat = files_.filePath("points.dat");
  WriteBytes(csv, "old");
  ASSERT_TRUE(window_.ExportTo(csv, ExportFormat::kCsv));
  EXPECT_EQ(FileBytes(csv).toStdString(), ExportText(ExportFormat::kCsv, Records({0, 1, 2})));
  ASSERT_TRUE(window_.ExportTo(dat, ExportFormat::kDat, {2}));
  EXPECT_EQ(FileBytes(dat).toStdString(), ExportText(ExportFormat::kDat, Records({2})));
  EXPECT_TRUE(reporter_.messages.empty());
}

struct ExportFailureRow {
  const char* name;
  // Prepares the target in `folder` and gives its path.
  std::function<QString(const QTemporaryDir& folder)> target;
  const char* reason;  // nullptr: the system's words
};

class ExportFailures : public MainWindowTest, public ::testing::WithParamInterface<ExportFailureRow> {};

// Whatever fails, one message names the file and the reason, and neither the
// file that was there, nor the log, nor the day file changes.
TEST_P(ExportFailures, SayWhyAndChangeNothing) {
  StartAndBatch();
  const QString path = GetParam().target(files_);
  const bool wasFile = QFileInfo(path).isFile();
  const QByteArray before = FileBytes(path);
  const QByteArray dayFile = FileBytes(DayFile());
  bool written = true;
  {
    FileSizeLimit fullDisk(GetParam().reason == nullptr ? 500 : RLIM_INFINITY);
    written = window_.ExportTo(path, ExportFormat::kCsv);
  }
  EXPECT_FALSE(written);
  ASSERT_EQ(reporter_.messages.size(), 1u);
  const std::string head = "导出失败：无法写入文件“" + path.toStdString() + "”。\n原因：";
  EXPECT_TRUE(reporter_.messages[0].starts_with(head)) << reporter_.messages[0];
  if (GetParam().reason != nullptr) {
    EXPECT_EQ(reporter_.messages[0], ExportFailedMessage(path.toStdString(), GetParam().reason));
  }
  EXPECT_EQ(QFileInfo(path).isFile(), wasFile);
  if (wasFile) {
    EXPECT_EQ(FileBytes(path), before);
  }
  EXPECT_EQ(window_.Session().Log().Size(), 3);
  EXPECT_EQ(FileBytes(DayFile()), dayFile);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ExportFailures,
    ::testing::Values(
        ExportFailureRow{"FullDiskDevice", [](const QTemporaryDir&) { return QStringLiteral("/dev/full"); },
                         kNotAPlainFile},
        ExportFailureRow{"AFolder", [](const QTemporaryDir& d) { return d.path(); }, kNotAPlainFile},
        ExportFailureRow{"FolderMissing", [](const QTemporaryDir& d) { return d.filePath("no/such/a.csv"); },
                         nullptr},
        ExportFailureRow{"DiskFullWhileWriting",
                         [](const QTemporaryDir& d) {
                           WriteBytes(d.filePath("a.csv"), "the old export");
                           return d.filePath("a.csv");
                         },
                         nullptr}),
    RowName<ExportFailureRow>);

TEST_F(MainWindowTest, ExportIntoAReadOnlyFolderSaysWhy) {
  if (geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
  StartAndBatch();
  const QString path = files_.filePath("a.csv");
  WriteBytes(path, "the old export");
  QFile::setPermissions(files_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  EXPECT_FALSE(window_.ExportTo(path, ExportFormat::kCsv));
  QFile::setPermissions(files_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  EXPECT_EQ(reporter_.messages.size(), 1u);
  EXPECT_EQ(FileBytes(path), "the old export");
}

TEST_F(MainWindowTest, NothingToExportIsSaid) {
  EXPECT_FALSE(window_.ExportTo(files_.filePath("a.csv"), ExportFormat::kCsv));
  EXPECT_TRUE(reporter_.messages.empty());
  EXPECT_EQ(reporter_.information, std::vector<std::string>{kNothingToExport});
  EXPECT_FALSE(QFileInfo::exists(files_.filePath("a.csv")));
}

// Each row goes to the day file as it is made; a later run of the program
// adds to the same file without a second header.
TEST_F(MainWindowTest, DayFileGetsEveryRowAsItIsMade) {
  StartAndCompute(window_);
  ASSERT_TRUE(window_.RunBatch(kBatch));
  std::string expected = kUtf8Bom + CsvHeaderLine(DayFileWidth(0));
  for (const CapRecord* r : Records({0, 1, 2, 3})) expected += CsvLine(*r);
  EXPECT_EQ(FileBytes(DayFile()).toStdString(), expected);

  MainWindow laterRun(prompt_, reader_, reporter_, window_.DayFile().Folder());
  StartAndCompute(laterRun);
  EXPECT_EQ(FileBytes(DayFile()).toStdString(), expected + CsvLine(laterRun.Session().Log().At(0)));
  EXPECT_TRUE(reporter_.messages.empty());
}

TEST_F(MainWindowTest, DayFileCutShortGetsItsLineEnded) {
  QDir().mkpath(window_.DayFile().Folder());
  WriteBytes(DayFile(), "1,cut sh");
  StartAndCompute(window_);
  // A line without a header above it: the new row gets one of its own.
  EXPECT_EQ(FileBytes(DayFile()).toStdString(),
            "1,cut sh\r\n" + CsvHeaderLine(DayFileWidth(0)) + CsvLine(window_.Session().Log().At(0)));
}

// A day file begun by the layout before the status came to the front: its
// rows stay as they were, and the new ones come after a header that names
// their columns, so no row reads under another's headings.
TEST_F(MainWindowTest, DayFileOfAnEarlierLayoutKeepsItsRowsAndGetsANewHeader) {
  QDir().mkpath(window_.DayFile().Folder());
  const std::string old = std::string(kUtf8Bom) + "序号,名称,解法,曲线\r\n4,,ZH 端 斜交,ZH 右偏\r\n";
  WriteBytes(DayFile(), QByteArray::fromStdString(old));
  StartAndCompute(window_);
  ASSERT_TRUE(window_.RunBatch(kBatch));
  // Numbered on from the old rows; one header for all the new rows.
  EXPECT_EQ(window_.Session().Log().At(0).number, 5);
  std::string expected = old + CsvHeaderLine(DayFileWidth(0));
  for (const CapRecord* r : Records({0, 1, 2, 3})) expected += CsvLine(*r);
  EXPECT_EQ(FileBytes(DayFile()).toStdString(), expected);
}

struct DayFileFailureRow {
  const char* name;
  std::function<void(const MainWindow& window)> prepare;
  rlim_t fileSizeLimit;
};

class DayFileFailures : public MainWindowTest, public ::testing::WithParamInterface<DayFileFailureRow> {};

// Reported once, whatever the number of rows after it; the log goes on, and
// a day file that was there keeps no part of a row that did not fit.
TEST_P(DayFileFailures, ReportedOnceAndTheLogGoesOn) {
  GetParam().prepare(window_);
  const QByteArray before = FileBytes(DayFile());
  {
    FileSizeLimit limit(GetParam().fileSizeLimit);
    StartAndCompute(window_);
    ASSERT_TRUE(window_.RunBatch(kBatch));
  }
  ASSERT_EQ(reporter_.messages.size(), 1u);
  EXPECT_TRUE(reporter_.messages[0].starts_with("计算结果无法写入当天的日志文件")) << reporter_.messages[0];
  EXPECT_EQ(window_.Session().Log().Size(), 4);
  if (QFileInfo(DayFile()).isFile()) {
    EXPECT_EQ(FileBytes(DayFile()), before);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DayFileFailures,
    ::testing::Values(
        DayFileFailureRow{"FullDisk",
                          [](const MainWindow& w) {
                            QDir().mkpath(w.DayFile().Folder());
                            QFile::link("/dev/full", w.DayFile().DayFilePath(QDate::currentDate()));
                          },
                          RLIM_INFINITY},
        DayFileFailureRow{"RowsDoNotFit",
                          [](const MainWindow& w) {
                            QDir().mkpath(w.DayFile().Folder());
                            WriteBytes(w.DayFile().DayFilePath(QDate::currentDate()), "an earlier day file\r\n");
                          },
                          100},
        DayFileFailureRow{"FolderCannotBeMade",
                          [](const MainWindow& w) {
                            QDir().mkpath(QFileInfo(w.DayFile().Folder()).path());
                            WriteBytes(w.DayFile().Folder(), "a file where the folder goes");
                          },
                          RLIM_INFINITY}),
    RowName<DayFileFailureRow>);

}  // namespace
}  // namespace capset
