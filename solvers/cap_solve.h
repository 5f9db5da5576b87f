#pragma once
// The pure solve: the job's design and the three answers in, the cap's
// numbers out. An arithmetic fault (an overflow in the series, say) is raised
// as an ArithmeticFault; a side that cannot be solved is data in the result.
// The caller has refused what the checks of refusals.h refuse.

#include "cap_solution.h"

namespace capset {

CapSolution SolveCap(Solver solver, const CapDesign& design, const CapAnswers& answers);

// Skewed caps, Cmd1 to Cmd4.
CapSolution SolveSkewedCap(Solver solver, const CapDesign& design, const CapAnswers& answers);

// The square cap, Cmd5, at the design station Kj; answers.Kp is not read.
CapSolution SolveSquareCap(const CapDesign& design, const CapAnswers& answers);

}  // namespace capset
