#include "cap_session.h"

#include "handlers.h"

namespace capset {

void CapSession::Start() {
  if (!Command1_Click(job_, seam_)) return;
  for (SessionObserver* o : observers_) o->StartCompleted();
}

void CapSession::Compute() {
  const std::optional<Solver> choice = ChooseSolver(job_);
  for (SessionObserver* o : observers_) o->SolverChosen(choice);
  const std::optional<CapSolution> solution = Command2_Click(choice, job_, seam_);
  if (!solution) return;
  for (SessionObserver* o : observers_) o->CapComputed(*solution);
}

}  // namespace capset
