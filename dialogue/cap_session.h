#pragma once
// The window's state without the window: the one job record, the seam, the
// results log, and what a user does with them: Start, Compute and a batch.
// Whatever shows a result (the boxes, a sketch, the log's table) watches the
// session or its log.

#include <optional>
#include <vector>

#include "batch_input.h"
#include "cap_job.h"
#include "cap_log.h"
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
  // A Compute that reaches its end also adds its row to the log.
  void Compute();
  // The batch dialog's OK: every entry is checked first, and any problem is
  // reported, all in one message, with nothing run. Otherwise each station
  // is solved and its row added to the log, and one summary is reported.
  // True when the batch ran.
  bool Batch(const BatchInput& input);

  const CapJob& Job() const { return job_; }
  Seam& SessionSeam() { return seam_; }
  CapLog& Log() { return log_; }
  const CapLog& Log() const { return log_; }

 private:
  Seam& seam_;
  CapJob job_{};
  CapLog log_;
  std::vector<SessionObserver*> observers_;
};

}  // namespace capset
