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
  std::vector<CapRecord> records = SolveBatch(std::get<BatchPlan>(checked), *solver, design);
  const int caps = static_cast<int>(records.size());
  const int solved = static_cast<int>(std::ranges::count_if(records, FullySolved));
  log_.Add(std::move(records));
  seam_.reporter.ReportNotice(BatchSummaryMessage(caps, solved));
  return true;
}

}  // namespace capset
