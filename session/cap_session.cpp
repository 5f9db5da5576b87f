#include "cap_session.h"

#include "handlers.h"
#include "solver_texts.h"

namespace capset {

void CapSession::Compute() {
  const std::optional<Solver> choice = ChooseSolver(job_);
  for (SessionObserver* o : observers_) o->SolverChosen(choice);
  if (!choice) {
    seam_.reporter.ReportNotice(NoSolverNotice(WhyNoSolver(job_)));
    return;
  }
  const std::optional<CapSolution> solution = Command2_Click(choice, job_, seam_);
  if (!solution) return;
  std::vector<CapRecord> rows{RecordOf(*solution)};
  TakeHeights(rows, 0);
  log_.Add(std::move(rows));
  for (SessionObserver* o : observers_) o->CapComputed(*solution);
}

}  // namespace capset
