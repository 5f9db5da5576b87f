#pragma once
// The three button handlers of the window, free of any toolkit: they work on
// the job record and talk to the user only through the seam.

#include "cap_job.h"
#include "seam.h"

namespace capset {

enum class SolverChoice { kNone, kCmd1, kCmd2, kCmd3, kCmd4, kCmd5 };

// "Cmd1" ... "Cmd5", or "none".
const char* SolverName(SolverChoice choice);

// Start: the chain of prompts that fills the job and echoes every answer.
void Command1_Click(CapJob& job, Seam& seam);

// The solver that Compute would call for the job as it stands.
SolverChoice ChooseSolver(const CapJob& job);

// Compute: chooses at most one solver and runs it; returns the choice made.
SolverChoice Command2_Click(CapJob& job, Seam& seam);

}  // namespace capset
