// Compute: the first row of the choice whose conditions all hold names the
// solver. Stations are compared with 0 and B with 90 exactly: any non-zero
// station, however small, counts as given, and only a B that converted to
// 90.0 in every bit is a square cap.

#include "cap_solvers.h"
#include "fault.h"
#include "handlers.h"
#include "messages.h"

namespace capset {

SolverChoice ChooseSolver(const CapJob& job) {
  const bool skewed = job.B != 90;
  if (job.KZH != 0 && job.P > 0 && skewed) return SolverChoice::kCmd1;
  if (job.KZH != 0 && job.P < 0 && skewed) return SolverChoice::kCmd2;
  if (job.KHZ != 0 && job.P > 0 && skewed) return SolverChoice::kCmd3;
  if (job.KHZ != 0 && job.P < 0 && skewed) return SolverChoice::kCmd4;
  if (job.KZH != 0 && !skewed) return SolverChoice::kCmd5;
  return SolverChoice::kNone;
}

SolverChoice Command2_Click(CapJob& job, Seam& seam) {
  using SkewSolver = void (*)(double, double, double, double, double, double, double, double, double, double,
                              SolverAnswers, Seam&);
  const SolverChoice choice = ChooseSolver(job);
  const SolverAnswers answers{job.Kp, job.DR, job.Precision};
  const CapJob& j = job;
  try {
    if (choice == SolverChoice::kCmd5) {
      Cmd5(j.KZH, j.X, j.Y, j.T, j.R, j.A1, j.Kj, j.DegPerRad, j.Pi, j.P, answers, seam);
    } else if (choice != SolverChoice::kNone) {
      // Cmd1 and Cmd2 measure from ZH, Cmd3 and Cmd4 from HZ.
      const bool fromZH = choice == SolverChoice::kCmd1 || choice == SolverChoice::kCmd2;
      const SkewSolver solve = choice == SolverChoice::kCmd1   ? Cmd1
                               : choice == SolverChoice::kCmd2 ? Cmd2
                               : choice == SolverChoice::kCmd3 ? Cmd3
                                                               : Cmd4;
      solve(fromZH ? j.KZH : j.KHZ, j.X, j.Y, j.T, j.R, j.A1, j.B, j.Kj, j.DegPerRad, j.Pi, answers, seam);
    }
  } catch (const ArithmeticFault& fault) {
    seam.reporter.ReportError(SolverFaultMessage(fault));
  }
  return choice;
}

}  // namespace capset
