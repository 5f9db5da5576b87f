#pragma once
// The button handlers of the window, free of any toolkit: they work on the
// job record and talk to the user only through the seam.

#include <optional>
#include <string>

#include "cap_job.h"
#include "cap_solution.h"
#include "no_solver_reason.h"
#include "seam.h"

namespace capset {

// Start: the chain of prompts that fills the job and echoes every answer.
// True when the chain went through to its last question.
bool Command1_Click(CapJob& job, Seam& seam);

// The job field a question of Start asks for ("KZH", "X", ... "P", the keys
// of a job file); nothing for any other question.
const char* StartFieldOf(const std::string& question);

// The solver that Compute calls for the job as it stands, if any: the first
// row of the choice whose conditions all hold.
std::optional<Solver> ChooseSolver(const CapJob& job);

// Why no solver applies to the job.
NoSolverReason WhyNoSolver(const CapJob& job);

// The job's values as Compute and the batch hand them to `solver`: its
// spiral end's station, B (90 for the square cap) and P (read by the square
// cap only, kept for every row's record of its job). The one way from the job to a solver's design.
CapDesign DesignFor(Solver solver, const CapJob& job);

// Compute: runs the chosen solver (ask, solve, show). Returns the cap's
// numbers when the run reached its end and wrote the result boxes.
std::optional<CapSolution> Command2_Click(std::optional<Solver> choice, CapJob& job, Seam& seam);

}  // namespace capset
