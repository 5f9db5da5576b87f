#include "cap_session.h"

#include "handlers.h"
#include "texts.h"

namespace capset {
namespace {

// The boxes a result writes: Text10 and Text13 to Text25.
constexpr int kResultBoxes[] = {10, 13, 14, 15, 16, 17, 18, 19, 20, 21, 23, 24, 25};

}  // namespace

void CapSession::Start() {
  const CapJob jobBefore = job_;
  const BoxMirror::Texts boxesBefore = mirror_.Shown();
  if (!Command1_Click(job_, seam_)) {
    job_ = jobBefore;
    mirror_.Restore(boxesBefore);
    return;
  }
  for (int box : kResultBoxes) seam_.boxes.WriteBox(box, "");
  for (SessionObserver* o : observers_) o->StartCompleted();
}

void CapSession::Compute() {
  const std::optional<Solver> choice = ChooseSolver(job_);
  for (SessionObserver* o : observers_) o->SolverChosen(choice);
  if (!choice) {
    seam_.reporter.ReportNotice(NoSolverNotice(WhyNoSolver(job_)));
    return;
  }
  const std::optional<CapSolution> solution = Command2_Click(choice, job_, seam_);
  if (!solution) return;
  for (SessionObserver* o : observers_) o->CapComputed(*solution);
}

}  // namespace capset
