#include "cap_solve.h"

namespace capset {

CapSolution SolveCap(Solver solver, const CapDesign& design, const CapAnswers& answers) {
  if (solver == Solver::kCmd5) return SolveSquareCap(design, answers);
  return SolveSkewedCap(solver, design, answers);
}

}  // namespace capset
