// The session's batch: every entry checked first, then every station
// solved, one report either way.

#include <algorithm>

#include "batch_check.h"
#include "batch_solve.h"
#include "batch_texts.h"
#include "cap_session.h"
#include "handlers.h"
#include "log_row.h"
#include "refusals.h"
#include "solver_texts.h"

namespace capset {

bool CapSession::AskAboutEarlierRun(const BatchInput& input, Solver solver, const CapDesign& design) {
  std::vector<int> earlier;  // the runs of these entries for this job
  for (const BatchRun& run : batchRuns_) {
    if (run.input == input && run.solver == solver && run.design == design) earlier.push_back(run.id);
  }
  std::vector<int> positions;
  std::vector<int> numbers;
  for (int row = 0; row < log_.Size(); ++row) {
    if (std::ranges::find(earlier, log_.At(row).batchRun) == earlier.end()) continue;
    positions.push_back(row);
    numbers.push_back(log_.At(row).number);
  }
  if (positions.empty()) return true;
  const std::optional<int> choice = seam_.prompt.Choose(BatchRepeatQuestion(numbers), {kReplaceRows, kAddRows});
  if (!choice) return false;
  if (*choice == 0) log_.Remove(positions);
  return true;
}

bool CapSession::Batch(const BatchInput& input) {
  const std::optional<Solver> solver = ChooseSolver(job_);
  if (!solver) {
    seam_.reporter.ReportError(BatchNoSolverMessage(WhyNoSolver(job_)));
    return false;
  }
  // What the job refuses, every station refuses: nothing runs. A square
  // cap's Kj is each station's own, so the job is checked with Kj at ZH and
  // each station with its own.
  const CapDesign design = DesignFor(*solver, job_);
  CapDesign jobWide = design;
  if (*solver == Solver::kCmd5) jobWide.Kj = jobWide.origin;
  if (const auto refusal = CheckDesign(*solver, jobWide)) {
    seam_.reporter.ReportError(RefusedJobMessage(*refusal));
    return false;
  }
  auto checked = CheckBatch(input, *solver, seam_.reader.Symbols());
  if (const auto* problems = std::get_if<std::vector<std::string>>(&checked)) {
    seam_.reporter.ReportError(BatchRejectedMessage(*problems, kMaxListedProblems));
    return false;
  }
  if (!AskAboutEarlierRun(input, *solver, design)) return false;
  const int run = batchRuns_.empty() ? 1 : batchRuns_.back().id + 1;
  batchRuns_.push_back({run, input, *solver, design});
  std::vector<CapRecord> records = SolveBatch(std::get<BatchPlan>(checked), *solver, design);
  for (CapRecord& record : records) record.batchRun = run;
  const int caps = static_cast<int>(records.size());
  const int solved = static_cast<int>(std::ranges::count_if(records, FullySolved));
  log_.Add(std::move(records));
  // Every cap solved is good news; a cap not fully solved is to be looked at.
  if (solved == caps) {
    seam_.reporter.ReportInformation(BatchSummaryMessage(caps, solved));
  } else {
    seam_.reporter.ReportNotice(BatchSummaryMessage(caps, solved));
  }
  return true;
}

}  // namespace capset
