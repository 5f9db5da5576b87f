#pragma once
// The window's state without the window: the one job record, the seam, and
// the two things a user does with them, Start and Compute. Whatever shows
// a result (the boxes, a sketch, a results log) watches the session.

#include <optional>
#include <vector>

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
  // A Start went through all its questions.
  virtual void StartCompleted() {}
};

class CapSession {
 public:
  explicit CapSession(Seam& seam) : seam_(seam) {}

  // Observers are not owned; each must outlive the session or be removed.
  void AddObserver(SessionObserver* observer) { observers_.push_back(observer); }

  void Start();
  void Compute();

  const CapJob& Job() const { return job_; }
  Seam& SessionSeam() { return seam_; }

 private:
  Seam& seam_;
  CapJob job_{};
  std::vector<SessionObserver*> observers_;
};

}  // namespace capset
