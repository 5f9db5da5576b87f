// The bridges' points from the main window: 导出桥梁点位… beside the log's
// export, its choice of bridge and bents, the file on disk byte for byte
// as the session makes it, a refusal and a failure reported with the old
// file kept; and the as-built check dialog naming a bent's point by its
// bridge and bent, cleared when the bridges change.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStatusBar>

#include "bridge_export.h"
#include "bridge_export_dialog.h"
#include "bridge_texts.h"
#include "check_dialog.h"
#include "check_texts.h"
#include "main_window_fixture.h"
#include "number_text.h"

namespace capset {
namespace {

Bent SquareBent(const char* name, double station, const char* tmpl) {
  Bent bent;
  bent.name = name;
  bent.station = {station};
  bent.design = {station};
  bent.left = 6;
  bent.right = 6;
  bent.templateName = tmpl;
  return bent;
}

class BridgeExportWindowTest : public MainWindowTest {
 public:
  // Start's job gives the road; two bridges on it.
  void TwoBridges() {
    Answer(kStartAnswers);
    window_.Action("StartAction")->trigger();
    ASSERT_TRUE(window_.Session().SetBridge({"B1", {SquareBent("1", 1020, "two-columns"),
                                                    SquareBent("2", 1040, "pile-cap-2x3")}}).empty());
    ASSERT_TRUE(window_.Session().SetBridge({"B2", {SquareBent("7", 1060, "three-columns")}}).empty());
  }
  QString File(const char* name) const { return files_.filePath(name); }
};

TEST_F(BridgeExportWindowTest, MenuActionSitsBesideTheLogsExport) {
  ASSERT_NE(window_.Action("ExportBridgeAction"), nullptr);
  // Without a bridge it says so and asks for no file.
  window_.Action("ExportBridgeAction")->trigger();
  ASSERT_EQ(reporter_.information.size(), 1u);
  EXPECT_EQ(reporter_.information[0], kNoBridges);
}

TEST_F(BridgeExportWindowTest, FileOnDiskIsTheSessionsBytes) {
  TwoBridges();
  for (const auto format : {ExportFormat::kCsv, ExportFormat::kDat}) {
    const QString path = File(format == ExportFormat::kCsv ? "b1.csv" : "b1.dat");
    ASSERT_TRUE(window_.ExportBridgesTo(path, format, "B1", {"2"})) << ::testing::PrintToString(reporter_.messages);
    const auto made = window_.Session().BridgeExportNow(format, "B1", {"2"});
    ASSERT_TRUE(std::holds_alternative<BridgeExport>(made));
    const BridgeExport& e = std::get<BridgeExport>(made);
    EXPECT_EQ(e.points.size(), 3u + 6 + 4 + 1);
    EXPECT_EQ(FileBytes(path).toStdString(), BridgeExportText(format, e));
  }
  EXPECT_TRUE(window_.statusBar()->currentMessage().startsWith("已导出 14 个点到"));
}

TEST_F(BridgeExportWindowTest, RefusalAndFailureKeepTheFileThatWasThere) {
  TwoBridges();
  const QString path = File("kept.dat");
  WriteBytes(path, "kept\r\n");
  EXPECT_FALSE(window_.ExportBridgesTo(path, ExportFormat::kDat, "B1", {"9"}));
  ASSERT_EQ(reporter_.messages.size(), 1u);
  EXPECT_NE(reporter_.messages[0].find("桥“B1”没有墩台“9”"), std::string::npos);
  // A folder where the file would go: the system's reason, nothing written.
  QDir(files_.path()).mkdir("folder.dat");
  EXPECT_FALSE(window_.ExportBridgesTo(File("folder.dat"), ExportFormat::kDat, "B2"));
  ASSERT_EQ(reporter_.messages.size(), 2u);
  EXPECT_NE(reporter_.messages[1].find("导出失败"), std::string::npos);
  EXPECT_EQ(FileBytes(path), QByteArray("kept\r\n"));
}

TEST_F(BridgeExportWindowTest, DialogChoosesAllOrOneBridgeAndItsBentsInTheBridgesOrder) {
  TwoBridges();
  BridgeExportDialog dialog(window_.Session().Bridges());
  ASSERT_EQ(dialog.Bridges()->count(), 3);  // all, B1, B2
  EXPECT_EQ(dialog.Choice().bridge, "");
  EXPECT_FALSE(dialog.Bents()->isEnabled());
  dialog.Bridges()->setCurrentIndex(1);
  ASSERT_EQ(dialog.Bents()->count(), 2);
  EXPECT_TRUE(dialog.Choice().bents.empty()) << "none chosen: every bent";
  dialog.Bents()->item(1)->setSelected(true);
  dialog.Bents()->item(0)->setSelected(true);
  const BridgeExportChoice choice = dialog.Choice();
  EXPECT_EQ(choice.bridge, "B1");
  EXPECT_EQ(choice.bents, (std::vector<std::string>{"1", "2"}));
  dialog.Bridges()->setCurrentIndex(2);
  ASSERT_EQ(dialog.Bents()->count(), 1);
  EXPECT_EQ(dialog.Choice().bridge, "B2");
}

TEST_F(BridgeExportWindowTest, CheckDialogNamesABentsPointAndClearsWhenBridgesChange) {
  TwoBridges();
  const auto solution = window_.Session().SolveBridgeNow(window_.Session().Bridges()[0]);
  ASSERT_TRUE(solution.has_value());
  const BridgePoint& pile = solution->bents[1].points[3];
  ASSERT_EQ(pile.point, "Z1");
  CheckDialog& dialog = window_.CheckPoints();
  dialog.PointsEdit()->setPlainText(QString::fromStdString("M1 " + NumberText(pile.xy.X + 0.01, ".") + " " +
                                                           NumberText(pile.xy.Y - 0.02, ".")));
  ASSERT_TRUE(dialog.Check()) << ::testing::PrintToString(reporter_.messages);
  const CheckTableModel& model = dialog.Model();
  ASSERT_EQ(model.rowCount(), 1);
  EXPECT_EQ(model.index(0, 5).data().toString(), "B1/2");
  EXPECT_EQ(model.index(0, 8).data().toString(), "Z1");
  ASSERT_TRUE(window_.Session().SetBridge({"B1", {SquareBent("1", 1025, "two-columns")}}).empty());
  EXPECT_EQ(model.rowCount(), 0);
  EXPECT_EQ(dialog.Summary()->text().toStdString(), CheckCleared(CheckInput::kBridges));
}

}  // namespace
}  // namespace capset
