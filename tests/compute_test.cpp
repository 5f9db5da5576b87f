// Compute: which solver each job selects, and how the solvers meet bad
// answers, Cancel, faults and sides they cannot solve. Answers in, events
// and box texts out, through the same handlers the window's buttons call.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "answer_texts.h"
#include "dialogue_run.h"
#include "handlers.h"
#include "no_solver_reason.h"
#include "script_builder.h"
#include "solver_texts.h"
#include "start_texts.h"
#include "table.h"
#include "worked_cases.h"

namespace capset::testing {
namespace {

struct DispatchRow {
  const char* name;
  double KZH, KHZ;
  int16_t P;
  double B;
  std::optional<Solver> expected;
};

class Dispatch : public ::testing::TestWithParam<DispatchRow> {};

TEST_P(Dispatch, FirstRowThatHoldsWins) {
  const DispatchRow& r = GetParam();
  CapJob job;
  job.KZH = r.KZH;
  job.KHZ = r.KHZ;
  job.P = r.P;
  job.B = r.B;
  EXPECT_EQ(ChooseSolver(job), r.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Dispatch,
    ::testing::Values(DispatchRow{"BeforeAnyStart", 0, 0, 0, 0, std::nullopt},
                      DispatchRow{"ZHRightSkewed", 1200, 0, 3, 45, Solver::kCmd1},
                      DispatchRow{"ZHLeftSkewed", 1200, 0, -1, 45, Solver::kCmd2},
                      DispatchRow{"ZHSquarePIgnored", 1200, 0, -1, 90, Solver::kCmd5},
                      DispatchRow{"ZHSquareP0", 1200, 0, 0, 90, Solver::kCmd5},
                      DispatchRow{"HZRightSkewed", 0, 5000, 1, 60, Solver::kCmd3},
                      DispatchRow{"HZLeftSkewed", 0, 5000, -2, 60, Solver::kCmd4},
                      DispatchRow{"HZSquareHasNoSolver", 0, 5000, 1, 90, std::nullopt},
                      DispatchRow{"ZHP0Skewed", 1200, 0, 0, 45, std::nullopt},
                      DispatchRow{"BothStations0", 0, 0, 1, 45, std::nullopt},
                      DispatchRow{"StaleKHZLosesToKZH", 1200, 5000, 1, 45, Solver::kCmd1},
                      DispatchRow{"TinyKZHCountsAsGiven", 1e-9, 0, 1, 90, Solver::kCmd5},
                      DispatchRow{"BAHairOff90IsSkewed", 1200, 0, 1, 90.000277777777, Solver::kCmd1}),
    RowName<DispatchRow>);

// A Compute with no solver to run says why and what to change, and writes
// no box.
struct NoSolverRow {
  const char* name;
  Script script;
  NoSolverReason reason;
};

class ComputeWithNoSolver : public ::testing::TestWithParam<NoSolverRow> {};

TEST_P(ComputeWithNoSolver, SaysWhyAndWritesNothing) {
  const DialogueRun before = RunDialogue(GetParam().script);
  const DialogueRun run = RunDialogue(Script(GetParam().script).Click(kComputeLine));
  EXPECT_EQ(run.Events("SOLVER").back(), "none");
  EXPECT_EQ(run.transcript.events.back(), Notice(NoSolverNotice(GetParam().reason)));
  EXPECT_EQ(run.transcript.boxes, before.transcript.boxes);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ComputeWithNoSolver,
    ::testing::Values(NoSolverRow{"BeforeAnyStart", Script(), NoSolverReason::kNoJob},
                      NoSolverRow{"AfterACancelledFirstStart", Script().Click(kStartLine).Answers({"1000"}).Cancel(),
                                  NoSolverReason::kNoJob},
                      NoSolverRow{"BothStations0", Script().Start({.KZH = "0", .KHZ = "0"}), NoSolverReason::kNoStation},
                      NoSolverRow{"SquareCapOnTheHZSpiral", Script().Start(With(kHZJob, &StartAnswers::B, "90")),
                                  NoSolverReason::kSquareAtHZ},
                      NoSolverRow{"P0WithASkewedCap", Script().Start({.P = "0.4"}), NoSolverReason::kNoDeflection},
                      NoSolverRow{"P0OnTheHZSpiral", Script().Start(With(kHZJob, &StartAnswers::P, "0")),
                                  NoSolverReason::kNoDeflection}),
    RowName<NoSolverRow>);

const Script kBaseRun = Script().Start({}).Compute(kZHBaseCompute);

// A job refused before the solver's first question: one message, no solver
// prompt, no box written.
struct RefusedJobRow {
  const char* name;
  StartAnswers job;
  Refusal refusal;
};

class RefusedJob : public ::testing::TestWithParam<RefusedJobRow> {};

TEST_P(RefusedJob, ReportedBeforeAnyPrompt) {
  const DialogueRun run = RunDialogue(Script().Start(GetParam().job).Click(kComputeLine).Answers({"6", "0.001"}));
  EXPECT_EQ(run.Events("MESSAGE"), std::vector<std::string>{OneLine(RefusedJobMessage(GetParam().refusal))});
  EXPECT_EQ(run.Events("PROMPT").back(), kAskP) << "no solver prompt";
  for (int box : {10, 13, 14, 16, 23, 25}) EXPECT_EQ(run.Box(box), "") << "Text" << box;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RefusedJob,
    ::testing::Values(RefusedJobRow{"SquareKjBeforeZH", With(kSquareJob, &StartAnswers::Kj, "11950"), Refusal::kKjBeforeZH},
                      RefusedJobRow{"SquareP0", With(kSquareJob, &StartAnswers::P, "0"), Refusal::kNoDeflection},
                      RefusedJobRow{"SquareA1Zero", With(kSquareJob, &StartAnswers::A1, "0"), Refusal::kA1Zero},
                      RefusedJobRow{"B0OnTheZHSpiral", {.B = "0"}, Refusal::kAxisParallel},
                      RefusedJobRow{"B180OnTheZHSpiral", {.B = "180", .P = "-1"}, Refusal::kAxisParallel},
                      RefusedJobRow{"B180OnTheHZSpiral", With(kHZJob, &StartAnswers::B, "180"), Refusal::kAxisParallel},
                      RefusedJobRow{"A1ZeroOnTheZHSpiral", {.A1 = "0"}, Refusal::kA1Zero},
                      RefusedJobRow{"A1ZeroOnTheHZSpiral", With(kHZJob, &StartAnswers::A1, "0"), Refusal::kA1Zero}),
    RowName<RefusedJobRow>);

TEST(SquareCap, CentreAtZHIsTheOriginPoint) {
  const DialogueRun run =
      RunDialogue(Script().Start(With(kSquareJob, &StartAnswers::Kj, "12000")).Compute(kSquareCompute));
  EXPECT_TRUE(run.Events("MESSAGE").empty());
  EXPECT_EQ(run.Box(23), "1000");
  EXPECT_EQ(run.Box(24), "2000");
  EXPECT_EQ(run.Box(13), "K 12+ 0");
}

// A run that stops half-way leaves the previous complete result.
struct StoppedRow {
  const char* name;
  Script first;
  Script second;
};

class StoppedRun : public ::testing::TestWithParam<StoppedRow> {};

TEST_P(StoppedRun, ChangesNoResultBox) {
  const DialogueRun before = RunDialogue(GetParam().first);
  const DialogueRun after = RunDialogue(Script(GetParam().first).Then(GetParam().second));
  EXPECT_EQ(after.transcript.boxes, before.transcript.boxes);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StoppedRun,
    ::testing::Values(
        StoppedRow{"CancelAtTheSquareCapsPrecision", Script().Start(kSquareJob).Compute(kSquareCompute),
                   Script().Click(kComputeLine).Answers({"8"}).Cancel()},
        StoppedRow{"CancelAtTheSkewedCapsDR", kBaseRun, Script().Click(kComputeLine).Answers({"1060"}).Cancel()},
        StoppedRow{"OverflowInTheSeries", kBaseRun, Script().Compute({.Kp = "1e30", .DR = "7.5", .Precision = "0.0001"})},
        StoppedRow{"CancelAtTheHZCapsKp", Script().Start(kHZJob).Compute(kHZCompute),
                   Script().Click(kComputeLine).Cancel()}),
    RowName<StoppedRow>);

TEST(Compute, AnswersBeforeACancelKeepTheirValues) {
  const DialogueRun run = RunDialogue(
      Script().Start(kSquareJob).Compute(kSquareCompute).Click(kComputeLine).Answers({"8"}).Cancel());
  EXPECT_EQ(run.job.DR, 8.0f);
}

TEST(Compute, ArithmeticFaultIsReportedByKindAndPlace) {
  const DialogueRun run = RunDialogue(Script().Start({}).Compute({.Kp = "1e30", .DR = "7.5", .Precision = "0.0001"}));
  EXPECT_EQ(run.Events("MESSAGE"), std::vector<std::string>{OneLine(SolverFaultMessage(
                                       {ErrorKind::kOverflow, FaultPlace::kSeries}))});
  for (int box = 10; box <= 25; ++box) EXPECT_EQ(run.Box(box).find("inf"), std::string::npos);
}

// An answer the solver cannot use is refused at its prompt, and the run goes
// on to its end with the answer given next.
struct BadAnswerRow {
  const char* name;
  Script script;
  std::string message;
  std::size_t prompts;  // all prompts shown, the refused one twice
};

class SolverBadAnswer : public ::testing::TestWithParam<BadAnswerRow> {};

TEST_P(SolverBadAnswer, IsRefusedAtItsPrompt) {
  const DialogueRun run = RunDialogue(GetParam().script);
  EXPECT_EQ(run.Events("MESSAGE"), std::vector<std::string>{OneLine(GetParam().message)});
  EXPECT_EQ(run.Events("PROMPT").size(), GetParam().prompts);
  EXPECT_NE(run.Box(13), "") << "the run went on to its end";
}

const Script kSquareStart = Script().Start(kSquareJob).Click(kComputeLine);
const Script kSkewStart = Script().Start({}).Click(kComputeLine);

INSTANTIATE_TEST_SUITE_P(
    Rows, SolverBadAnswer,
    ::testing::Values(
        BadAnswerRow{"SquareDRNotANumber", Script(kSquareStart).Answers({"six", "6", "0.001"}),
                     NotANumberMessage("six", kAskDR), 12},
        BadAnswerRow{"SquareDRBeyondAFloat", Script(kSquareStart).Answers({"1e39", "6", "0.001"}),
                     FloatRangeMessage(kAskDR), 12},
        BadAnswerRow{"SkewedDR0", Script(kSkewStart).Answers({"1050", "0", "7.5", "0.0001"}),
                     RefusedAnswerMessage(Refusal::kDRZero, kAskDR), 13},
        BadAnswerRow{"SkewedDRThatRoundsToAFloat0", Script(kSkewStart).Answers({"1050", "1e-50", "7.5", "0.0001"}),
                     RefusedAnswerMessage(Refusal::kDRZero, kAskDR), 13},
        BadAnswerRow{"SkewedPrecision0", Script(kSkewStart).Answers({"1050", "7.5", "0", "0.0001"}),
                     RefusedAnswerMessage(Refusal::kPrecisionNotPositive, kAskPrecision), 13},
        BadAnswerRow{"SkewedPrecisionBelow0", Script(kSkewStart).Answers({"1050", "7.5", "-0.001", "0.0001"}),
                     RefusedAnswerMessage(Refusal::kPrecisionNotPositive, kAskPrecision), 13},
        BadAnswerRow{"ZHCapCentreBeforeZH", Script(kSkewStart).Answers({"999.99", "1050", "7.5", "0.0001"}),
                     RefusedAnswerMessage(Refusal::kKpBeforeZH, kAskKp), 13},
        BadAnswerRow{"HZCapCentreAfterHZ",
                     Script().Start(kHZJob).Click(kComputeLine).Answers({"12500.01", "12450", "6", "0.001"}),
                     RefusedAnswerMessage(Refusal::kKpAfterHZ, kAskKp), 14},
        BadAnswerRow{"KpOutOfRange", Script(kSkewStart).Answers({"1e400", "1050", "7.5", "0.0001"}),
                     OutOfRangeMessage("1e400", kAskKp), 13}),
    RowName<BadAnswerRow>);

// A side that is not solved is emptied, never left showing another cap's
// numbers, and one notice after the run says which side and why.
struct UnsolvedRow {
  const char* name;
  Script job;
  bool inner;
};

class UnsolvedSide : public ::testing::TestWithParam<UnsolvedRow> {};

TEST_P(UnsolvedSide, IsEmptiedAndExplained) {
  const UnsolvedRow& r = GetParam();
  const DialogueRun before = RunDialogue(kBaseRun);
  const DialogueRun run = RunDialogue(Script(kBaseRun).Then(r.job));
  EXPECT_TRUE(run.Events("MESSAGE").empty()) << "a notice, not an error";
  const auto messages = run.Events("NOTICE");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].rfind(r.inner ? "内侧未" : "外侧未", 0), 0u) << messages[0];
  const std::vector<int> emptied = r.inner ? std::vector<int>{21, 17, 18, 19} : std::vector<int>{20, 14, 15, 16};
  const std::vector<int> rewritten = r.inner ? std::vector<int>{20, 14, 15, 16} : std::vector<int>{21, 17, 18, 19};
  for (int box : emptied) EXPECT_EQ(run.Box(box), "") << "Text" << box;
  for (int box : rewritten) EXPECT_NE(run.Box(box), before.Box(box)) << "Text" << box << ": the other side is new";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UnsolvedSide,
    ::testing::Values(
        UnsolvedRow{"InnerStartBeforeZH", Script().Start({.B = "120"}).Compute({.Kp = "1003", .DR = "7.5", .Precision = "0.0001"}),
                    true},
        UnsolvedRow{"OuterStartBeforeZHCmd1", Script().Compute({.Kp = "1003", .DR = "7.5", .Precision = "0.0001"}), false},
        UnsolvedRow{"OuterStartBeforeZHCmd2",
                    Script().Start({.B = "120", .P = "-1"}).Compute({.Kp = "1003", .DR = "7.5", .Precision = "0.0001"}),
                    false},
        UnsolvedRow{"InnerStartAfterHZCmd3", Script().Start(kHZJob).Compute({.Kp = "12497", .DR = "6", .Precision = "0.001"}),
                    true},
        UnsolvedRow{"OuterStartAfterHZCmd3",
                    Script().Start(With(kHZJob, &StartAnswers::B, "120")).Compute({.Kp = "12497", .DR = "6", .Precision = "0.001"}),
                    false},
        UnsolvedRow{"OuterStartAfterHZCmd4",
                    Script().Start(With(kHZJob, &StartAnswers::P, "-1")).Compute({.Kp = "12497", .DR = "6", .Precision = "0.001"}),
                    false},
        UnsolvedRow{"StrongSkewRunsAway", Script().Start({.B = "15"}).Compute(kZHBaseCompute), true},
        UnsolvedRow{"NearParallelTheOtherWay", Script().Start({.B = "170"}).Compute(kZHBaseCompute), true}),
    RowName<UnsolvedRow>);

TEST(UnsolvedSide, BothSidesBeyondTheArithmeticsPrecision) {
  const DialogueRun run = RunDialogue(Script().Start({}).Compute({.Kp = "1050", .DR = "7.5", .Precision = "1e-40"}));
  const auto messages = run.Events("NOTICE");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("1000 次"), std::string::npos) << messages[0];
  for (int box : {14, 15, 16, 17, 18, 19, 20, 21}) EXPECT_EQ(run.Box(box), "") << "Text" << box;
  EXPECT_EQ(run.Box(23), "1033.829") << "the centre is still shown";
}

}  // namespace
}  // namespace capset::testing
