#pragma once
// A solver as Compute runs it: it asks its own questions through the seam,
// stores the answers in the job as they come, solves, and writes the
// thirteen result boxes together once the run has all its values. A run
// that is cancelled or refused leaves the previous complete result and
// returns nothing.

#include <optional>

#include "cap_solution.h"
#include "seam.h"

namespace capset {

// The three job fields a solver asks for, written as each answer is read.
struct SolverAnswers {
  double& Kp;
  float& DR;
  float& Precision;
};

// Ask, solve, show: `design` is the job as Compute hands it to `solver`
// (DesignFor). An arithmetic fault of the solve goes to the caller.
std::optional<CapSolution> AskSolveShow(Solver solver, const CapDesign& design, SolverAnswers stored, Seam& seam);

}  // namespace capset
