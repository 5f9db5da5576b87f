// 打印放样记录 in the window: the dialog lists the job's bridges and bents,
// writes the chosen sheets as a PDF (every bent of a bridge a page of its
// own), and refuses what it cannot print, writing nothing.
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>

#include "bridge_lines.h"
#include "../main_window_fixture.h"
#include "road_lines.h"
#include "sheet_dialog.h"
#include "sheet_texts.h"

namespace capset {
namespace {

class SheetWindowTest : public MainWindowTest {
 protected:
  // A road with an arc, a template and a bridge of three bents on it.
  void TypeBridge() {
    CapSession& session = window_.Session();
    const auto road = ReadRoadLines({"start 1000 3000000 500000 30", "line 120", "arc 200 300 left", "line 300"}, {});
    ASSERT_TRUE(std::holds_alternative<RoadLines>(road));
    ASSERT_FALSE(session.SetRoad(std::get<RoadLines>(road).input).has_value());
    const auto pier = ReadTemplateLines("pier", {"grid Z 2 3 3 2.5", "point S1 -2 0.5"}, {}, session.TemplateFinder());
    ASSERT_TRUE(std::holds_alternative<SubstructureTemplate>(pier));
    ASSERT_TRUE(session.SetTemplate(std::get<SubstructureTemplate>(pier)).empty());
    const auto bridge = ReadBridgeLines(
        "B1", {"bent 0 1020 dr 6 7 template pier", "bent 1 1160 skew 60 dr 6 7 template pier", "bent 2 1200 dr 6"}, {});
    ASSERT_TRUE(std::holds_alternative<Bridge>(bridge));
    ASSERT_TRUE(session.SetBridge(std::get<Bridge>(bridge)).empty());
  }

  static int PdfPages(const QByteArray& bytes) {
    return static_cast<int>(QString::fromLatin1(bytes).count(QRegularExpression("/Type\\s*/Page[^s]")));
  }

  SheetDialog& Dialog(SheetDialog::Kind kind) {
    SheetDialog& dialog = window_.Sheets();
    dialog.Offer(SheetDialog::Output::kPdf);
    dialog.KindBox()->setCurrentIndex(static_cast<int>(kind));
    return dialog;
  }
};

TEST_F(SheetWindowTest, TheFileMenuOffersPreviewPrintAndPdf) {
  for (const char* name : {"PrintPreviewAction", "PrintAction", "PdfAction"}) {
    ASSERT_NE(window_.Action(name), nullptr) << name;
  }
  EXPECT_EQ(window_.Action("PrintAction")->shortcut(), QKeySequence(QKeySequence::Print));
  window_.Action("PdfAction")->trigger();
  EXPECT_TRUE(window_.Sheets().isVisible());
  EXPECT_TRUE(window_.Sheets().Button(SheetDialog::Output::kPdf)->isDefault());
  window_.Sheets().close();
}

TEST_F(SheetWindowTest, ListsTheBridgesAndTheirBents) {
  TypeBridge();
  SheetDialog& dialog = Dialog(SheetDialog::Kind::kBent);
  ASSERT_EQ(dialog.BridgeBox()->count(), 1);
  EXPECT_EQ(dialog.BridgeBox()->currentText(), "B1");
  QStringList bents;
  for (int i = 0; i < dialog.BentBox()->count(); ++i) bents << dialog.BentBox()->itemText(i);
  EXPECT_EQ(bents, (QStringList{QString::fromUtf8(kAllBents), "0", "1", "2"}));
  dialog.KindBox()->setCurrentIndex(static_cast<int>(SheetDialog::Kind::kCheck));
  EXPECT_FALSE(dialog.BridgeBox()->isEnabled());
  EXPECT_FALSE(dialog.BentBox()->isEnabled());
}

// Every bent a sheet of its own, one bent a page, the summary a page.
struct PdfRow {
  const char* name;
  SheetDialog::Kind kind;
  int bent;   // index in the bent box: 0 for all of them
  int pages;
};

class SheetPdfRows : public SheetWindowTest, public ::testing::WithParamInterface<PdfRow> {};

TEST_P(SheetPdfRows, WritesTheChosenSheets) {
  TypeBridge();
  SheetDialog& dialog = Dialog(GetParam().kind);
  dialog.BentBox()->setCurrentIndex(GetParam().bent);
  const QString path = files_.filePath("sheets.pdf");
  ASSERT_TRUE(dialog.ExportPdfTo(path)) << ::testing::PrintToString(reporter_.messages);
  const QByteArray bytes = FileBytes(path);
  EXPECT_TRUE(bytes.startsWith("%PDF-"));
  EXPECT_EQ(PdfPages(bytes), GetParam().pages);
  EXPECT_TRUE(reporter_.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, SheetPdfRows,
                         ::testing::Values(PdfRow{"EveryBent", SheetDialog::Kind::kBent, 0, 3},
                                           PdfRow{"OneBent", SheetDialog::Kind::kBent, 2, 1},
                                           PdfRow{"BridgeSummary", SheetDialog::Kind::kBridge, 0, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

// What cannot be printed is said, and no file is written or changed.
struct RefusalRow {
  const char* name;
  SheetDialog::Kind kind;
  bool bridge;  // the job has the bridge
  const char* says;
};

class SheetRefusalRows : public SheetWindowTest, public ::testing::WithParamInterface<RefusalRow> {};

TEST_P(SheetRefusalRows, SaysWhyAndWritesNothing) {
  if (GetParam().bridge) TypeBridge();
  const QString path = files_.filePath("kept.pdf");
  WriteBytes(path, "an earlier file");
  SheetDialog& dialog = Dialog(GetParam().kind);
  EXPECT_FALSE(dialog.ExportPdfTo(path));
  ASSERT_EQ(reporter_.messages.size(), 1u);
  EXPECT_EQ(reporter_.messages[0], GetParam().says);
  EXPECT_EQ(FileBytes(path), "an earlier file");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SheetRefusalRows,
    ::testing::Values(RefusalRow{"NoBridge", SheetDialog::Kind::kBent, false, kNoBridgeToPrint},
                      RefusalRow{"NoBridgeForTheSummary", SheetDialog::Kind::kBridge, false, kNoBridgeToPrint},
                      RefusalRow{"NoTableMade", SheetDialog::Kind::kTable, true, kNoTableToPrint},
                      RefusalRow{"NothingChecked", SheetDialog::Kind::kCheck, true, kNothingCheckedToPrint}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SheetWindowTest, AFileThatCannotBeWrittenIsReported) {
  TypeBridge();
  SheetDialog& dialog = Dialog(SheetDialog::Kind::kBridge);
  const QString path = files_.filePath("missing/sheets.pdf");
  EXPECT_FALSE(dialog.ExportPdfTo(path));
  ASSERT_EQ(reporter_.messages.size(), 1u);
  EXPECT_NE(reporter_.messages[0].find("sheets.pdf"), std::string::npos);
  EXPECT_FALSE(QFileInfo::exists(path));
}

}  // namespace
}  // namespace capset
