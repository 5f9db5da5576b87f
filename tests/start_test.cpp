// Start end to end behind the scripted seam: answers in, fields and box
// texts out.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialogue_run.h"
#include "handlers.h"
#include "script_builder.h"
#include "start_texts.h"
#include "table.h"
#include "worked_cases.h"

namespace capset::testing {
namespace {

struct SpiralEndRow {
  const char* name;
  StartAnswers answers;
  int stationBox;
  const char* stationText;
  std::vector<int> coordinateBoxes;
  std::size_t prompts;
};

class StartSpiralEnd : public ::testing::TestWithParam<SpiralEndRow> {};

TEST_P(StartSpiralEnd, WhichBoxesEachCaseWrites) {
  const SpiralEndRow& r = GetParam();
  const DialogueRun run = RunDialogue(Script().Start(r.answers));
  EXPECT_EQ(run.Events("PROMPT").size(), r.prompts);
  EXPECT_EQ(run.Box(r.stationBox), r.stationText);
  EXPECT_EQ(run.Box(r.stationBox == 1 ? 2 : 1), "") << "the other station box is left alone";
  for (int box = 3; box <= 8; ++box) {
    const bool written = std::ranges::find(r.coordinateBoxes, box) != r.coordinateBoxes.end();
    EXPECT_EQ(run.Box(box).empty(), !written) << "Text" << box;
  }
  EXPECT_EQ(run.Events("PROMPT").back(), kAskP) << "R to P are always asked";
  EXPECT_TRUE(run.Events("MESSAGE").empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StartSpiralEnd,
    ::testing::Values(SpiralEndRow{"ZHStation", {.KZH = "12345.678"}, 1, "K 12+ 345.678", {3, 5, 7}, 9},
                      SpiralEndRow{"HZStation", {.KZH = "0", .KHZ = "5123.4"}, 2, "K 5+ 123.4", {4, 6, 8}, 10},
                      SpiralEndRow{"ZHAtStation0TypedAs1Em9", {.KZH = "0.000000001"}, 2, "K 0+ 0", {3, 5, 7}, 9},
                      SpiralEndRow{"BothStations0", {.KZH = "0", .KHZ = "0"}, 2, "K 0+ 0", {}, 7}),
    RowName<SpiralEndRow>);

TEST(Start, EchoesAndConversions) {
  const DialogueRun run = RunDialogue(Script().Start(
      {.X = "1234.50", .Y = "-0.5", .T = "45.3", .R = "300", .Kj = "1234.5678", .B = "30.1530", .P = "2"}));
  EXPECT_EQ(run.Box(3), " 1234.5");
  EXPECT_EQ(run.Box(5), " -0.5");
  EXPECT_EQ(run.Box(7), " 45.3") << "the azimuth echoes as typed";
  EXPECT_EQ(run.Box(9), " 300");
  EXPECT_EQ(run.Box(22), " 100");
  EXPECT_EQ(run.Box(26), "K 1+ 234.5678") << "design station: metres not rounded";
  EXPECT_EQ(run.Box(11), " 30.153(度)");
  EXPECT_EQ(run.Box(12), "正偏");
  EXPECT_EQ(run.job.T, 45.5);
  EXPECT_NEAR(run.job.B, 30.2583333333333, 1e-13);
  EXPECT_EQ(run.job.Pi, 3.1415926535);
  EXPECT_EQ(run.job.DegPerRad, 57.29577951471995);
}

struct PackedBRow {
  const char* name;
  const char* B;
  Solver solver;
};

class StartPackedB : public ::testing::TestWithParam<PackedBRow> {};

TEST_P(StartPackedB, ChoosesTheSolver) {
  const DialogueRun run = RunDialogue(Script().Start({.B = GetParam().B}));
  EXPECT_EQ(ChooseSolver(run.job), GetParam().solver);
}

INSTANTIATE_TEST_SUITE_P(Rows, StartPackedB,
                         ::testing::Values(PackedBRow{"NinetyIsSquare", "90", Solver::kCmd5},
                                           PackedBRow{"FiftyNineMinutesSixtySecondsIsSquare", "89.5960", Solver::kCmd5},
                                           PackedBRow{"OneSecondMoreIsSkewed", "90.0001", Solver::kCmd1}),
                         RowName<PackedBRow>);

struct PRow {
  const char* name;
  const char* typed;
  int16_t stored;
  const char* shown;
};

class StartP : public ::testing::TestWithParam<PRow> {};

TEST_P(StartP, RoundedHalfToEven) {
  const DialogueRun run = RunDialogue(Script().Start({.P = GetParam().typed}));
  EXPECT_EQ(run.job.P, GetParam().stored);
  EXPECT_EQ(run.Box(12), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Rows, StartP,
                         ::testing::Values(PRow{"Two", "2", 2, "正偏"}, PRow{"MinusOne", "-1", -1, "反偏"},
                                           PRow{"Zero", "0", 0, "反偏"}, PRow{"PointFour", "0.4", 0, "反偏"},
                                           PRow{"HalfToZero", "0.5", 0, "反偏"}, PRow{"OneAndAHalfToTwo", "1.5", 2, "正偏"},
                                           PRow{"TwoAndAHalfToTwo", "2.5", 2, "正偏"},
                                           PRow{"MinusTwoAndAHalfToMinusTwo", "-2.5", -2, "反偏"},
                                           PRow{"MinusHalfToZero", "-0.5", 0, "反偏"},
                                           PRow{"Largest", "32767", 32767, "正偏"},
                                           PRow{"SmallestByRounding", "-32768.5", -32768, "反偏"}),
                         RowName<PRow>);

TEST(Start, CommaLocaleEchoesWithCommaButStationsWithPoint) {
  const DialogueRun run = RunDialogue(
      Script().Start({.KZH = "12345,678", .X = "1234,5", .Kj = "1234,5678", .B = "30,1530"}), {.decimal = ","});
  EXPECT_EQ(run.Box(1), "K 12+ 345.678");
  EXPECT_EQ(run.Box(3), " 1234,5");
  EXPECT_EQ(run.Box(26), "K 1+ 234.5678");
  EXPECT_EQ(run.Box(11), " 30,153(度)");
}

struct BadAnswerRow {
  const char* name;
  bool atP;  // the bad answer is given to P, else to KZH
  const char* bad;
  const char* kind;
};

class StartBadAnswer : public ::testing::TestWithParam<BadAnswerRow> {};

TEST_P(StartBadAnswer, IsReportedAndTheSameQuestionAskedAgain) {
  const BadAnswerRow& r = GetParam();
  const StartAnswers answers = r.atP ? StartAnswers{.P = std::string(r.bad) + "\n1"}
                                     : StartAnswers{.KZH = std::string(r.bad) + "\n1000"};
  const DialogueRun run = RunDialogue(Script().Start(answers));
  const auto messages = run.Events("MESSAGE");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].rfind(r.kind, 0), 0u) << messages[0];
  const std::string question = r.atP ? kAskP : kAskKZH;
  EXPECT_NE(messages[0].find(question), std::string::npos) << "names the question";
  EXPECT_EQ(std::ranges::count(run.Events("PROMPT"), question), 2) << "asked again";
  EXPECT_EQ(run.job.P, 1) << "the chain went on to its end";
  EXPECT_EQ(run.Box(12), "正偏");
}

INSTANTIATE_TEST_SUITE_P(Rows, StartBadAnswer,
                         ::testing::Values(BadAnswerRow{"EmptyAnswer", false, "", "类型不匹配"},
                                           BadAnswerRow{"NotANumber", false, "12a", "类型不匹配"},
                                           BadAnswerRow{"BlankAnswer", false, "   ", "类型不匹配"},
                                           BadAnswerRow{"BeyondADouble", false, "1e400", "溢出"},
                                           BadAnswerRow{"StationWhoseTextWouldOverflow", false, "1e306", "溢出"},
                                           BadAnswerRow{"PBeyond16Bits", true, "40000", "溢出"},
                                           BadAnswerRow{"PRoundingBeyond16Bits", true, "32767.5", "溢出"}),
                         RowName<BadAnswerRow>);

TEST(Start, AzimuthThatWouldOverflowIsAskedAgain) {
  const DialogueRun run = RunDialogue(Script().Start({.T = "1e306\n45"}));
  ASSERT_EQ(run.Events("MESSAGE").size(), 1u);
  EXPECT_EQ(run.Events("MESSAGE")[0].rfind("溢出", 0), 0u);
  EXPECT_EQ(run.job.T, 45);
  EXPECT_EQ(run.Box(7), " 45");
}

// A Start counts only when it completes: cancelled at any of its prompts,
// it puts back every job field and every box it changed, so the next
// Compute runs the previous job, not a mixture.
class CancelledStart : public ::testing::TestWithParam<int> {};

TEST_P(CancelledStart, PutsBackTheJobAndTheBoxes) {
  const Script before = Script().Start({}).Compute({.Kp = "1060", .DR = "7.5", .Precision = "0.0001"});
  const std::vector<std::string> hzAnswers = {"0", "12500", "1", "2", "225", "300", "200", "12450", "60", "-1"};
  const std::vector<std::string> answered(hzAnswers.begin(), hzAnswers.begin() + GetParam());
  const DialogueRun expected = RunDialogue(Script(before).Compute(kZHBaseCompute));
  const DialogueRun run = RunDialogue(
      Script(before).Click(kStartLine).Answers(answered).Cancel().Compute(kZHBaseCompute));
  EXPECT_EQ(run.transcript.boxes, expected.transcript.boxes);
  EXPECT_EQ(run.Events("SOLVER").back(), "Cmd1");
  EXPECT_EQ(run.job.KZH, 1000);
  EXPECT_EQ(run.job.KHZ, 0);
  EXPECT_EQ(run.job.T, 45);
}

INSTANTIATE_TEST_SUITE_P(AtEveryPrompt, CancelledStart, ::testing::Range(0, 10),
                         [](const auto& info) { return "After" + std::to_string(info.param) + "Answers"; });

TEST(Start, CancelledFirstStartLeavesTheWindowAsItWas) {
  const DialogueRun run = RunDialogue(Script().Click(kStartLine).Answers({"1000", "1010", "2020"}).Cancel());
  EXPECT_TRUE(run.Events("MESSAGE").empty());
  for (const auto& [box, text] : run.transcript.boxes) EXPECT_EQ(text, "") << "Text" << box;
  EXPECT_EQ(run.job.KZH, 0);
  EXPECT_EQ(run.job.Pi, 0);
}

// The results belong to the job they were computed for: a completed Start
// empties the thirteen result boxes; the echo boxes it did not ask again
// keep their text.
TEST(Start, CompletedStartEmptiesTheResults) {
  const DialogueRun run = RunDialogue(
      Script().Start({}).Compute(kZHBaseCompute).Start({.KZH = "0", .KHZ = "5000", .Kj = "4950"}));
  for (int box : {10, 13, 14, 15, 16, 17, 18, 19, 20, 21, 23, 24, 25}) EXPECT_EQ(run.Box(box), "") << "Text" << box;
  EXPECT_EQ(run.Box(1), "K 1+ 0") << "an echo box of the ZH end keeps its text";
  EXPECT_EQ(run.Box(2), "K 5+ 0");
}

TEST(Start, CompleteStartAfterACancelledOne) {
  const DialogueRun run = RunDialogue(Script()
                                          .Click(kStartLine)
                                          .Answers({"0", "5000"})
                                          .Cancel()
                                          .Start({})
                                          .Compute({.Kp = "1050", .DR = "7.5", .Precision = "0.0001"}));
  EXPECT_EQ(run.Box(2), "") << "the cancelled Start's box was put back";
  EXPECT_EQ(run.Box(1), "K 1+ 0");
  EXPECT_EQ(run.Events("SOLVER"), std::vector<std::string>{"Cmd1"});
  EXPECT_EQ(run.Box(21), "k 1+ 54.538");
  EXPECT_EQ(run.Box(20), "K 1+ 45.844");
}

TEST(Start, BoxesKeepTheirTextAcrossRuns) {
  const DialogueRun run = RunDialogue(
      Script()
          .Start({.KZH = "0", .KHZ = "5123.4", .X = "11", .Y = "22", .T = "33", .Kj = "5100"})
          .Start({.X = "1", .Y = "2", .T = "3"}));
  EXPECT_EQ(run.Box(2), "K 5+ 123.4");
  EXPECT_EQ(run.Box(4), " 11");
  EXPECT_EQ(run.Box(6), " 22");
  EXPECT_EQ(run.Box(8), " 33");
  EXPECT_EQ(run.job.KHZ, 5123.4) << "KHZ is not asked when KZH is given";
  EXPECT_EQ(ChooseSolver(run.job), Solver::kCmd1) << "a stale KHZ never wins over a given KZH";
}

}  // namespace
}  // namespace capset::testing
