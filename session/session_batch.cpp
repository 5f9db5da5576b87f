// The session's batch: every entry checked first, then every station
// solved, one report either way.

#include <algorithm>

#include "batch_check.h"
#include "batch_solve.h"
#include "batch_texts.h"
#include "cap_session.h"
#include "exact_solve.h"
#include "handlers.h"
#include "log_row.h"
#include "refusals.h"
#include "road_cap_texts.h"
#include "solver_texts.h"

namespace capset {
namespace {

// Why the Start job makes no road, in a few words.
std::optional<std::string> WhyNoStartRoad(const std::optional<RoadProblem>& problem) {
  if (!problem) return std::nullopt;
  switch (problem->fault) {
    case RoadFault::kNoTurnSign: return std::string(kStartRoadNoTurnSign);
    case RoadFault::kParameterZero: return std::string(kStartRoadParameterZero);
    default: return std::string(kStartRoadNotARoad);
  }
}

}  // namespace

bool CapSession::AskAboutEarlierRun(const BatchInput& input, const BatchBasis& basis) {
  std::vector<int> earlier;  // the runs of these entries for this job
  for (const BatchRun& run : batchRuns_) {
    if (run.input == input && run.basis == basis) earlier.push_back(run.id);
  }
  std::vector<int> positions;
  std::vector<int> numbers;
  for (int row = 0; row < log_.Size(); ++row) {
    if (std::find(earlier.begin(), earlier.end(), log_.At(row).batchRun) == earlier.end()) continue;
    positions.push_back(row);
    numbers.push_back(log_.At(row).number);
  }
  if (positions.empty()) return true;
  const std::optional<int> choice = seam_.prompt.Choose(BatchRepeatQuestion(numbers), {kReplaceRows, kAddRows});
  if (!choice) return false;
  if (*choice == 0) log_.Remove(positions);
  return true;
}

void CapSession::SetBatchList(const std::optional<BatchInput>& list) {
  const bool none = !list || list->stations.empty() || list->stations == std::vector<std::string>{""};
  batchList_ = none ? std::nullopt : list;
}

bool CapSession::Batch(const BatchInput& input) {
  SetBatchList(input);
  return input.method == CapMethod::kExact ? ExactBatch(input) : WindowBatch(input);
}

bool CapSession::WindowBatch(const BatchInput& input) {
  // A skew or a design station typed in the batch stands in for the job's,
  // and may choose another solver (a B of 90 is the square cap).
  std::vector<std::string> problems;
  const BatchOverrides given = ReadBatchOverrides(input, seam_.reader.Symbols(), problems);
  CapJob job = job_;
  if (given.B) job.B = *given.B;
  if (given.Kj) job.Kj = *given.Kj;
  const std::optional<Solver> solver = ChooseSolver(job);
  if (!solver) {
    seam_.reporter.ReportError(BatchNoSolverMessage(WhyNoSolver(job)));
    return false;
  }
  // What the job refuses, every station refuses: nothing runs. A square
  // cap's Kj is each station's own, so the job is checked with Kj at ZH and
  // each station with its own.
  const CapDesign design = DesignFor(*solver, job);
  CapDesign jobWide = design;
  if (*solver == Solver::kCmd5) jobWide.Kj = jobWide.origin;
  if (const auto refusal = CheckDesign(*solver, jobWide)) {
    seam_.reporter.ReportError(RefusedJobMessage(*refusal));
    return false;
  }
  auto checked = CheckBatch(input, *solver, seam_.reader.Symbols());
  if (const auto* more = std::get_if<std::vector<std::string>>(&checked)) {
    // The window's own fields and the list first, then B and Kj.
    problems.insert(problems.begin(), more->begin(), more->end());
  }
  if (!problems.empty()) {
    seam_.reporter.ReportError(BatchRejectedMessage(problems, kMaxListedProblems));
    return false;
  }
  const BatchBasis basis{*solver, design, {}, {}};
  if (!AskAboutEarlierRun(input, basis)) return false;
  const BatchPlan& plan = std::get<BatchPlan>(checked);
  std::vector<CapRecord> records = SolveBatch(plan, *solver, design);
  TakeHeights(records, plan.depth);
  AddBatchRows(input, basis, std::move(records));
  return true;
}

bool CapSession::ExactBatch(const BatchInput& input) {
  const Road* road = WorkingRoad();
  if (road == nullptr) {
    seam_.reporter.ReportError(ExactBatchNoRoadMessage(typed_.has_value(), WhyNoStartRoad(StartRoadProblem())));
    return false;
  }
  BatchDefaults defaults;
  if (typed_) defaults = {job_.B, job_.Kj};
  auto checked = CheckExactBatch(input, defaults, *road, seam_.reader.Symbols());
  if (const auto* problems = std::get_if<std::vector<std::string>>(&checked)) {
    seam_.reporter.ReportError(BatchRejectedMessage(*problems, kMaxListedProblems));
    return false;
  }
  ExactOrigin origin{};
  BatchBasis basis;
  if (road_) {
    const RoadPose start = road->PoseAt(0);
    origin = {CapRoad::kJobRoad, SpiralEnd::kZH, road->firstStation(), start.point, AzimuthOf(start.heading), 0, 0, 0};
    basis.road = roadInput_;
  } else {
    const JobRoadInput& j = startRoadInput_;
    origin = {CapRoad::kStartJob, j.end == JobEnd::kZH ? SpiralEnd::kZH : SpiralEnd::kHZ, j.station, j.point, j.T,
              j.R, j.A1, job_.P};
    basis.startRoad = startRoadInput_;
  }
  // The Start values a blank field took count as much as the road.
  if (typed_) {
    basis.design.B = job_.B;
    basis.design.Kj = job_.Kj;
  }
  if (!AskAboutEarlierRun(input, basis)) return false;
  const ExactBatchPlan& plan = std::get<ExactBatchPlan>(checked);
  std::vector<CapRecord> records = SolveExactBatch(plan, *road, origin);
  TakeHeights(records, plan.depth);
  AddBatchRows(input, basis, std::move(records));
  return true;
}

void CapSession::AddBatchRows(const BatchInput& input, const BatchBasis& basis, std::vector<CapRecord> records) {
  const int run = batchRuns_.empty() ? 1 : batchRuns_.back().id + 1;
  batchRuns_.push_back({run, input, basis});
  for (CapRecord& record : records) record.batchRun = run;
  const int caps = static_cast<int>(records.size());
  // A row past the spiral's end is never counted as done, its sides found or not.
  const int beyond = static_cast<int>(std::count_if(records.begin(), records.end(), PastSpiralEnd));
  const int solved = static_cast<int>(
      std::count_if(records.begin(), records.end(), [](const CapRecord& r) { return FullySolved(r) && !PastSpiralEnd(r); }));
  log_.Add(std::move(records));
  // Every cap solved is good news; a cap not fully solved, or solved where
  // the formulas do not hold, is to be looked at.
  if (solved == caps) {
    seam_.reporter.ReportInformation(BatchSummaryMessage(caps, solved, beyond));
  } else {
    seam_.reporter.ReportNotice(BatchSummaryMessage(caps, solved, beyond));
  }
}

}  // namespace capset
