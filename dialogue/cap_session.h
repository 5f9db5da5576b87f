#pragma once
// The window's state without the window: the one job record, the seam, and
// the two things a user does with them, Start and Compute. Whatever shows
// a result (the boxes, a sketch, a results log) watches the session.

#include <optional>
#include <vector>

#include "box_mirror.h"
#include "cap_job.h"
#include "cap_solution.h"
#include "seam.h"

namespace capset {

class SessionObserver {
 public:
  virtual ~SessionObserver() = default;
  // At every Compute, before the solver asks anything; nothing when no solver applies.
  virtual void SolverChosen(std::optional<Solver> /*choice*/) {}
  // A Compute reached its end and wrote the result boxes.
  virtual void CapComputed(const CapSolution& /*solution*/) {}
  // A Start went through all its questions; the previous results are gone.
  virtual void StartCompleted() {}
};

class CapSession {
 public:
  // The session writes the boxes through `seam.boxes`; it keeps a copy of
  // what each box shows.
  explicit CapSession(Seam& seam) : mirror_(seam.boxes), seam_{seam.prompt, seam.reader, seam.reporter, mirror_} {}

  // Observers are not owned; each must outlive the session or be removed.
  void AddObserver(SessionObserver* observer) { observers_.push_back(observer); }

  // A Start counts only when it completes: a Start cancelled half-way puts
  // every job field and every box back as they were before it, so no later
  // Compute mixes a new answer with an old job. A completed Start empties
  // the result boxes: they belong to a job that no longer stands.
  void Start();

  // Runs the solver the job calls for; when none applies, says why and what
  // to change.
  void Compute();

  const CapJob& Job() const { return job_; }

 private:
  BoxMirror mirror_;
  Seam seam_;
  CapJob job_{};
  std::vector<SessionObserver*> observers_;
};

}  // namespace capset
