// The instruments' files in the window: 文件 → 导出仪器文件 writes the log's
// caps (no bridge in the job) as GSI-16 or PNEZD, and 实测检核's 读取文件
// reads either back, every point its own design point to the millimetre.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QPlainTextEdit>

#include "check_dialog.h"
#include "check_table.h"
#include "instrument_texts.h"
#include "main_window_fixture.h"

namespace capset {
namespace {

struct FormatRow {
  const char* name;
  const char* action;
  InstrumentFormat format;
  const char* file;
  const char* firstBytes;
};

class InstrumentWindow : public MainWindowTest, public ::testing::WithParamInterface<FormatRow> {};

TEST_P(InstrumentWindow, ExportedThenReadIntoTheCheck) {
  const FormatRow& row = GetParam();
  ASSERT_NE(window_.Action(row.action), nullptr);
  StartAndBatch();
  const QString path = files_.filePath(row.file);
  ASSERT_TRUE(window_.ExportPointsTo(path, row.format)) << ::testing::PrintToString(reporter_.messages);
  QFile written(path);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_TRUE(written.readAll().startsWith(row.firstBytes));
  CheckDialog& dialog = window_.CheckPoints();
  ASSERT_TRUE(dialog.ReadFile(path)) << ::testing::PrintToString(reporter_.messages);
  EXPECT_EQ(dialog.PointsEdit()->toPlainText().split('\n').size(), 15);  // 3 caps: C, O, I, P1, P2
  ASSERT_TRUE(dialog.Check());
  const std::vector<CheckResult>& results = dialog.Model().Results();
  ASSERT_EQ(results.size(), 15u);
  for (const CheckResult& r : results) {
    ASSERT_TRUE(r.cap);
    EXPECT_FALSE(r.cap->over) << r.measured.name;
    EXPECT_LE(r.cap->distance, 0.0008) << r.measured.name;
    EXPECT_EQ(r.measured.name.substr(r.measured.name.find('-') + 1), r.cap->nearest);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, InstrumentWindow,
                         ::testing::Values(FormatRow{"gsi16", "ExportGsiAction", InstrumentFormat::kGsi16, "caps.gsi",
                                                     "*110001+"},
                                           FormatRow{"pnezd", "ExportPnezdAction", InstrumentFormat::kPnezd,
                                                     "caps.csv", ""}),
                         [](const ::testing::TestParamInfo<FormatRow>& info) { return std::string(info.param.name); });

// Nothing to export: said, and no file made.
TEST_F(MainWindowTest, InstrumentExportOfNothingWritesNoFile) {
  const QString path = files_.filePath("none.gsi");
  EXPECT_FALSE(window_.ExportPointsTo(path, InstrumentFormat::kGsi16));
  ASSERT_EQ(reporter_.messages.size(), 1u);
  EXPECT_NE(reporter_.messages[0].find(kNothingForInstrument), std::string::npos);
  EXPECT_FALSE(QFile::exists(path));
}

}  // namespace
}  // namespace capset
