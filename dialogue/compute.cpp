// Compute: the first row of the choice whose conditions all hold names the
// solver. Stations are compared with 0 and B with 90 exactly: any non-zero
// station, however small, counts as given, and only a B that converted to
// 90.0 in every bit is a square cap.

#include "fault.h"
#include "handlers.h"
#include "no_solver_reason.h"
#include "refusals.h"
#include "solver_dialogue.h"
#include "solver_texts.h"

namespace capset {

std::optional<Solver> ChooseSolver(const CapJob& job) {
  const bool skewed = job.B != 90;
  if (job.KZH != 0 && job.P > 0 && skewed) return Solver::kCmd1;
  if (job.KZH != 0 && job.P < 0 && skewed) return Solver::kCmd2;
  if (job.KHZ != 0 && job.P > 0 && skewed) return Solver::kCmd3;
  if (job.KHZ != 0 && job.P < 0 && skewed) return Solver::kCmd4;
  if (job.KZH != 0 && !skewed) return Solver::kCmd5;
  return std::nullopt;
}

NoSolverReason WhyNoSolver(const CapJob& job) {
  // Start sets Pi first; a job that no Start completed has it 0.
  if (job.Pi == 0) return NoSolverReason::kNoJob;
  if (job.KZH == 0 && job.KHZ == 0) return NoSolverReason::kNoStation;
  if (job.KZH == 0 && job.B == 90) return NoSolverReason::kSquareAtHZ;
  return NoSolverReason::kNoDeflection;
}

CapDesign DesignFor(Solver solver, const CapJob& j) {
  // Cmd1, Cmd2 and Cmd5 measure from ZH, Cmd3 and Cmd4 from HZ; the square
  // cap's B is 90 and only it reads P (the others were chosen by it), which
  // goes with the design all the same: a row tells the job it came from.
  const bool square = solver == Solver::kCmd5;
  return {EndOf(solver) == SpiralEnd::kHZ ? j.KHZ : j.KZH, j.X, j.Y, j.T, j.R, j.A1, square ? 90 : j.B, j.Kj,
          j.DegPerRad, j.Pi, j.P};
}

std::optional<CapSolution> Command2_Click(std::optional<Solver> choice, CapJob& job, Seam& seam) {
  if (!choice) return std::nullopt;
  try {
    return AskSolveShow(*choice, DesignFor(*choice, job), {job.Kp, job.DR, job.Precision}, seam);
  } catch (const ArithmeticFault& fault) {
    seam.reporter.ReportError(SolverFaultMessage(fault));
  }
  return std::nullopt;
}

}  // namespace capset
