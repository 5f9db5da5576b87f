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
  const SolverChoice choice = ChooseSolver(job);
  const SolverAnswers answers{job.Kp, job.DR, job.Precision};
  const CapJob& j = job;
  try {
    switch (choice) {
      case SolverChoice::kCmd1:
        Cmd1(j.KZH, j.X, j.Y, j.T, j.R, j.A1, j.B, j.Kj, j.DegPerRad, j.Pi, answers, seam);
        break;
      case SolverChoice::kCmd2:
        Cmd2(j.KZH, j.X, j.Y, j.T, j.R, j.A1, j.B, j.Kj, j.DegPerRad, j.Pi, answers, seam);
        break;
      case SolverChoice::kCmd3:
        Cmd3(j.KHZ, j.X, j.Y, j.T, j.R, j.A1, j.B, j.Kj, j.DegPerRad, j.Pi, answers, seam);
        break;
      case SolverChoice::kCmd4:
        Cmd4(j.KHZ, j.X, j.Y, j.T, j.R, j.A1, j.B, j.Kj, j.DegPerRad, j.Pi, answers, seam);
        break;
      case SolverChoice::kCmd5:
        Cmd5(j.KZH, j.X, j.Y, j.T, j.R, j.A1, j.Kj, j.DegPerRad, j.Pi, j.P, answers, seam);
        break;
      case SolverChoice::kNone:
        break;
    }
  } catch (const ArithmeticFault& fault) {
    seam.reporter.ReportError(SolverFaultMessage(fault));
  }
  return choice;
}

}  // namespace capset
