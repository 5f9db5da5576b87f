// cap_replay through the real window: the same transcript as the dialogue
// alone, in the locale asked for.

#include <gtest/gtest.h>

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <sstream>
#include <string>

#include "dialogue_replay.h"
#include "dialogue_run.h"
#include "fresh_replay.h"
#include "window_replay.h"
#include "worked_cases.h"

namespace capset::testing {
namespace {

Transcript ReplayWindow(const std::string& script, const std::string& locale = kReplayDefaultLocale) {
  return ReadTranscript(FreshReplay(script, locale));
}

class WorkedCaseInWindow : public ::testing::TestWithParam<WorkedCase> {};

TEST_P(WorkedCaseInWindow, ShowsExactlyItsTexts) {
  const Transcript t = ReplayWindow(GetParam().script);
  EXPECT_TRUE(t.Events("MESSAGE").empty());
  for (const auto& [box, text] : GetParam().boxes) EXPECT_EQ(t.Box(box), text) << "Text" << box;
}

INSTANTIATE_TEST_SUITE_P(Cases, WorkedCaseInWindow, ::testing::ValuesIn(WorkedCases()), WorkedCaseName);

TEST(ReplayWindow, SameTranscriptAsTheDialogueAlone) {
  const std::string script = Script().Start({}).Compute(kZHBaseCompute).Click(kComputeLine).Answers({"x"}).Cancel();
  EXPECT_EQ(FreshReplay(script), ReplayDialogue(script, {}, FixedClock()));
}

// The batch goes through the batch dialog's OK, the rows come out as the
// dialogue alone prints them, and the exports hold those rows.
TEST(ReplayWindow, BatchRowsAndExportsAsTheDialogueMakesThem) {
  const Script work = Script().Start({}).Compute(kZHBaseCompute).Batch(
      {"own", "7.5", "0.0001", "-3.5 3.5", {"1# K1+040", "2# 1060", "999"}});
  QTemporaryDir folder;
  const std::string csv = folder.filePath("out.csv").toStdString();
  const std::string dat = folder.filePath("out.dat").toStdString();
  EXPECT_EQ(FreshReplay(Script(work).Line("@export csv " + csv).Line("@export dat " + dat).Text()),
            ReplayDialogue(work, {}, FixedClock()));

  const DialogueRun alone = RunDialogue(work);
  std::vector<const CapRecord*> records;
  for (const CapRecord& r : alone.records) records.push_back(&r);
  ASSERT_EQ(records.size(), 4u);
  for (const auto& [path, format] : {std::pair(csv, ExportFormat::kCsv), std::pair(dat, ExportFormat::kDat)}) {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    EXPECT_EQ(file.readAll().toStdString(), ExportText(format, records)) << path;
  }
}

TEST(ReplayWindow, RunsInTheGivenLocaleAndRestoresTheDefault) {
  const QLocale before;
  const Transcript t = ReplayWindow(
      Script().Start({.KZH = "12345,678", .Kj = "12345,678"}).Compute({.Kp = "12350,5", .DR = "7,5", .Precision = "0,0001"}),
      "de_DE");
  EXPECT_TRUE(t.Events("MESSAGE").empty());
  EXPECT_EQ(t.Box(1), "K 12+ 345.678") << "stations always with a point";
  EXPECT_EQ(t.Box(13), "K 12+ 350.5");
  EXPECT_EQ(t.Box(10), "  7,5");
  EXPECT_EQ(t.Box(25), "  0,0001(度)");
  EXPECT_NE(t.Box(23).find(','), std::string::npos) << t.Box(23);
  EXPECT_EQ(QLocale(), before);
}

TEST(ReplayWindow, PointIsNotAThousandsSeparatorInACommaLocale) {
  const Transcript t = ReplayWindow(Script().Click(kStartLine).Answers({"1.500", "1500"}).Click(kComputeLine), "de_DE");
  ASSERT_EQ(t.Events("MESSAGE").size(), 1u) << "the refused answer";
  EXPECT_EQ(t.Events("MESSAGE")[0].rfind("类型不匹配", 0), 0u);
  EXPECT_EQ(t.Events("NOTICE").size(), 1u) << "and Compute with no job";
  EXPECT_EQ(t.Events("PROMPT").size(), 3u) << "KZH asked again, then X";
  EXPECT_EQ(t.Box(1), "") << "the Start was not completed";
}

}  // namespace
}  // namespace capset::testing
