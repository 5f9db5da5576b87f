// A whole bridge at once, end to end through the script language: each
// batch row carries exactly the texts that Compute shows for the same cap,
// refusals and faults become a row's status, and a batch that cannot run
// says why and adds nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "batch_solve.h"
#include "batch_texts.h"
#include "dialogue_run.h"
#include "handlers.h"
#include "log_row.h"
#include "log_texts.h"
#include "no_solver_reason.h"
#include "range_texts.h"
#include "script_builder.h"
#include "solver_texts.h"
#include "table.h"
#include "worked_cases.h"

namespace capset::testing {
namespace {

struct SameAsComputeRow {
  const char* name;
  StartAnswers job;
  std::string axis;
  std::string DR, Precision;
  std::vector<std::string> stations;  // as typed in the batch
  std::vector<std::string> metres;    // the same stations answered to Compute
  NumberSymbols symbols{};
};

class BatchRowsAsCompute : public ::testing::TestWithParam<SameAsComputeRow> {};

// Each station computed alone: the cap's own station is Kp, and also Kj where
// the axis follows the cap (own axis) or the cap is square (Kj is all it reads).
TEST_P(BatchRowsAsCompute, CarryTheBoxTextsOfEachCapComputedAlone) {
  const SameAsComputeRow& r = GetParam();
  const DialogueRun batch =
      RunDialogue(Script().Start(r.job).Batch({r.axis, r.DR, r.Precision, "", r.stations}), r.symbols);
  ASSERT_EQ(batch.transcript.rows.size(), r.stations.size());
  const bool square = r.job.B == "90";
  for (std::size_t i = 0; i < r.metres.size(); ++i) {
    SCOPED_TRACE(r.stations[i]);
    StartAnswers job = r.job;
    if (square || r.axis == "own") job.Kj = r.metres[i];
    const ComputeAnswers answers{square ? std::nullopt : std::optional(r.metres[i]), r.DR, r.Precision};
    const DialogueRun alone = RunDialogue(Script().Start(job).Compute(answers), r.symbols);
    const std::vector<std::string>& row = batch.transcript.rows[i];
    for (const auto& [column, box] : kBoxOfColumn) EXPECT_EQ(row[column], alone.Box(box)) << "Text" << box;
    ASSERT_EQ(alone.transcript.rows.size(), 1u);
    for (int column : {kSolverColumn, kCurveColumn, kKjColumn, kBColumn, kStatusColumn}) {
      EXPECT_EQ(row[column], alone.transcript.rows[0][column]) << RowHeadings(kFixedColumnCount)[column];
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BatchRowsAsCompute,
    ::testing::Values(
        SameAsComputeRow{"Cmd1Parallel", {}, "parallel", "7.5", "0.0001", {"1# K1+030", "1050", "K 1+ 070.5"},
                         {"1030", "1050", "1070.5"}},
        SameAsComputeRow{"Cmd1OwnAxis", {.B = "75.3"}, "own", "7.5", "0.0001", {"1030", "2# 1080"}, {"1030", "1080"}},
        SameAsComputeRow{"Cmd2OwnAxis", {.P = "-1"}, "own", "7.3", "0.00001", {"K1+030", "1060"}, {"1030", "1060"}},
        SameAsComputeRow{"Cmd3Parallel", kHZJob, "parallel", "6", "0.001", {"K12+450", "12430"}, {"12450", "12430"}},
        SameAsComputeRow{"Cmd4OwnAxis", With(kHZJob, &StartAnswers::P, "-1"), "own", "6", "0.001",
                         {"K12+420", "12480"}, {"12420", "12480"}},
        SameAsComputeRow{"Cmd5Right", kSquareJob, "parallel", "6", "0.001", {"K12+050", "12070"}, {"12050", "12070"}},
        SameAsComputeRow{"Cmd5LeftAnyAxis", With(kSquareJob, &StartAnswers::P, "-1"), "own", "12.3", "0.001",
                         {"12060"}, {"12060"}},
        SameAsComputeRow{"Cmd1CommaLocale", {}, "parallel", "7,5", "0,0001", {"3# K1+040,5", "1060,25"},
                         {"1040,5", "1060,25"}, NumberSymbols{.decimal = ","}}),
    RowName<SameAsComputeRow>);

const BatchAnswers kBaseBatch{"parallel", "7.5", "0.0001", "", {"1050"}};

BatchAnswers Stations(std::vector<std::string> stations, BatchAnswers batch = kBaseBatch) {
  batch.stations = std::move(stations);
  return batch;
}

struct OutcomeRow {
  const char* name;
  Script script;
  std::vector<std::string> reports;   // Error() and Notice()
  std::vector<std::string> statuses;  // one per row of the log
};

class BatchOutcomes : public ::testing::TestWithParam<OutcomeRow> {};

TEST_P(BatchOutcomes, OneReportAndARowStatusPerStation) {
  const DialogueRun run = RunDialogue(GetParam().script);
  EXPECT_EQ(run.transcript.Reports(), GetParam().reports);
  std::vector<std::string> statuses;
  for (const auto& row : run.transcript.rows) statuses.push_back(row[kStatusColumn]);
  EXPECT_EQ(statuses, GetParam().statuses);
}

const std::string kDiverged = "未收敛：迭代发散，未能达到要求的精度（盖梁与中线交角过小或过大）。";

INSTANTIATE_TEST_SUITE_P(
    Rows, BatchOutcomes,
    ::testing::Values(
        OutcomeRow{"BeforeAnyStartNoSolver", Script().Batch(kBaseBatch),
                   {Error(BatchNoSolverMessage(NoSolverReason::kNoJob))}, {}},
        OutcomeRow{"P0NoSolver", Script().Start({.P = "0"}).Batch(kBaseBatch),
                   {Error(BatchNoSolverMessage(NoSolverReason::kNoDeflection))}, {}},
        OutcomeRow{"SquareCapOnTheHZEndNoSolver", Script().Start(With(kHZJob, &StartAnswers::B, "90")).Batch(kBaseBatch),
                   {Error(BatchNoSolverMessage(NoSolverReason::kSquareAtHZ))}, {}},
        OutcomeRow{"JobRefusedAsComputeRefusesIt", Script().Start({.B = "0"}).Batch(kBaseBatch),
                   {Error(RefusedJobMessage(Refusal::kAxisParallel))}, {}},
        OutcomeRow{"SquareCapWithP0Refused", Script().Start(With(kSquareJob, &StartAnswers::P, "0")).Batch(kBaseBatch),
                   {Error(RefusedJobMessage(Refusal::kNoDeflection))}, {}},
        OutcomeRow{"BadLinesRunNothing",
                   Script().Start({}).Batch(Stations({"1050", "K1+1000.5", "x"})),
                   {Error(BatchRejectedMessage({BatchLineProblem(2, "K1+1000.5", kMetresTooLarge),
                                                BatchLineProblem(3, "x", kNotAStation)},
                                               kMaxListedProblems))},
                   {}},
        OutcomeRow{"StationBeforeZH", Script().Start({}).Batch(Stations({"999", "1050"})),
                   {Notice(BatchSummaryMessage(2, 1))}, {RefusedRowStatus(Refusal::kKpBeforeZH), kRowSolved}},
        OutcomeRow{"StationAfterHZ", Script().Start(kHZJob).Batch(Stations({"12501"})),
                   {Notice(BatchSummaryMessage(1, 0))}, {RefusedRowStatus(Refusal::kKpAfterHZ)}},
        OutcomeRow{"SquareCapBeforeZH", Script().Start(kSquareJob).Batch(Stations({"11990", "12050"})),
                   {Notice(BatchSummaryMessage(2, 1))},
                   {"未计算：桩号 K11+990.000 小于直缓点桩号 K12+000.000，盖梁不在缓和曲线上。", kRowSolved}},
        OutcomeRow{"SideNotSolved", Script().Start({.B = "15"}).Batch(Stations({"1050"})),
                   {Notice(BatchSummaryMessage(1, 0))}, {"内侧" + kDiverged}},
        // Stations are held to ±1e8 m, so the series overflows only with a
        // clothoid parameter no road has, which Start's answers keep.
        OutcomeRow{"ArithmeticFault", Script().Start({.A1 = "1e-20"}).Batch(Stations({"10001000"})),
                   {Notice(BatchSummaryMessage(1, 0))},
                   {FaultRowStatus({ErrorKind::kOverflow, FaultPlace::kSeries})}},
        OutcomeRow{"StationBeyondTheRangeRunsNothing", Script().Start({}).Batch(Stations({"1e30", "1050"})),
                   {Error(BatchRejectedMessage({BatchLineProblem(1, "1e30", NotWithinReason("1e30", kStationRange))},
                                               kMaxListedProblems))},
                   {}},
        OutcomeRow{"ComputeAndBatchShareTheLog",
                   Script().Start({}).Compute(kZHBaseCompute).Batch(Stations({"1060"})).Compute(kZHBaseCompute),
                   {Notice(BatchSummaryMessage(1, 1))}, {kRowSolved, kRowSolved, kRowSolved}}),
    RowName<OutcomeRow>);

TEST(BatchOutcomes, ALongListOfProblemsIsCut) {
  std::vector<std::string> bad(kMaxListedProblems + 2, "x");
  const DialogueRun run = RunDialogue(Script().Start({}).Batch(Stations(bad)));
  ASSERT_EQ(run.Events("MESSAGE").size(), 1u);
  EXPECT_TRUE(run.Events("MESSAGE")[0].ends_with(" 第 20 行“x”：" + std::string(kNotAStation) + " ……另有 2 项。"));
  EXPECT_TRUE(run.records.empty());
}

// Random fields, random lines and random jobs: a batch either runs, adding a
// row for every line with one summary, or adds nothing and says why, in one
// message. Run under the sanitizers too.
TEST(BatchFuzz, RunsWholeOrSaysWhy) {
  const std::vector<std::string> pieces = {"K", "k", "1+", "+", "-", ".", ",", "#", " ", "\t", "0", "5", "9", "e",
                                           "中", "1000", "1050", "999.9995", "1e308", "\xff", "12400", ""};
  std::mt19937_64 random(17);
  auto pick = [&](const std::vector<std::string>& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
  };
  auto text = [&](int most) {
    std::string t;
    for (int n = std::uniform_int_distribution<int>(0, most)(random); n > 0; --n) t += pick(pieces);
    return t;
  };
  for (int trial = 0; trial < 1500; ++trial) {
    BatchAnswers batch{trial % 2 ? "own" : "parallel", trial % 3 ? "7.5" : text(3), trial % 5 ? "0.001" : text(3),
                       trial % 4 ? "" : text(6), {}};
    int lines = 0;
    for (int n = std::uniform_int_distribution<int>(0, 6)(random); n > 0; --n) {
      batch.stations.push_back(trial % 3 ? "1" + pick({"0", "1", "2"}) + pick({"10", "50", "99.5"}) : text(8));
      // A line of blanks (a tab, an empty text) is no station; the script reads it back trimmed of nothing.
      if (batch.stations.back().find_first_not_of(" \t") != std::string::npos) ++lines;
    }
    const StartAnswers job = trial % 7 == 0 ? kSquareJob : StartAnswers{.B = pick({"30", "60", "120", "15", "0"}),
                                                                         .P = pick({"1", "-1", "0"})};
    const DialogueRun run = RunDialogue(Script().Start(job).Batch(batch));
    SCOPED_TRACE(Script().Batch(batch).Text());
    ASSERT_EQ(run.transcript.Reports().size(), 1u);
    if (run.records.empty()) {
      EXPECT_EQ(run.Events("MESSAGE").size(), 1u) << "says why, as an error";
    } else {
      EXPECT_EQ(run.records.size(), static_cast<std::size_t>(lines));
      ASSERT_EQ(run.Events("NOTICE").size(), 1u);
      EXPECT_TRUE(run.Events("NOTICE")[0].starts_with("批量计算完成"));
    }
  }
}

// Points along the axis lie on the straight line through both edge points,
// at their offset from the centre, positive offsets towards the outer edge.
TEST(BatchAxisPointsProperty, OnTheLineThroughBothEdges) {
  std::mt19937_64 random(3);
  auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random); };
  int checked = 0;
  for (int trial = 0; trial < 300; ++trial) {
    CapJob job;
    job.Pi = 3.1415926535;
    job.DegPerRad = 180 / job.Pi;
    job.KZH = uniform(500, 20000);
    job.X = uniform(-5000, 5000);
    job.Y = uniform(-5000, 5000);
    job.T = uniform(0, 360);
    job.A1 = uniform(80, 400);
    job.B = trial % 5 == 0 ? 90 : uniform(45, 135);
    job.P = trial % 2 ? 1 : -1;
    job.Kj = job.KZH + uniform(10, 60);
    const std::optional<Solver> solver = ChooseSolver(job);
    ASSERT_TRUE(solver.has_value());
    const BatchPlan plan{trial % 3 ? BatchInput::Axis::kOwn : BatchInput::Axis::kParallel,
                         static_cast<float>(uniform(3, 15)),
                         1e-6f,
                         {uniform(-10, 0), uniform(0, 10), 0},
                         {{1, {"", job.KZH + uniform(10, 60)}}}};
    for (const CapRecord& r : SolveBatch(plan, *solver, DesignFor(*solver, job))) {
      if (!FullySolved(r)) continue;
      ++checked;
      const CapSolution& s = *r.Solution();
      const PlanePoint in = s.inner.point, out = s.outer.point;
      const double span = std::hypot(out.X - in.X, out.Y - in.Y);
      for (const AxisPoint& p : r.axisPoints) {
        const double dX = p.point.X - s.centre.X, dY = p.point.Y - s.centre.Y;
        EXPECT_NEAR(std::hypot(dX, dY), std::fabs(p.offset), 1e-9);
        const double across = ((out.X - in.X) * (p.point.Y - in.Y) - (out.Y - in.Y) * (p.point.X - in.X)) / span;
        EXPECT_NEAR(across, 0, 1e-3) << "on the cap axis, to the millimetre";
        EXPECT_GE(p.offset * ((out.X - s.centre.X) * dX + (out.Y - s.centre.Y) * dY), 0) << "on its side";
      }
    }
  }
  EXPECT_GT(checked, 250);
}

}  // namespace
}  // namespace capset::testing
