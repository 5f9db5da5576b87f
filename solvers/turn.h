#pragma once
// Which way the curve turns, walking with increasing stations. Compute
// chooses Cmd1 and Cmd3 for a curve to the right and Cmd2 and Cmd4 for one
// to the left; the square cap takes the turn from P.

#include <cstdint>

#include "cap_solution.h"

namespace capset {

enum class Turn { kRight, kLeft };

inline Turn TurnOf(Solver solver, int16_t P) {
  switch (solver) {
    case Solver::kCmd1:
    case Solver::kCmd3: return Turn::kRight;
    case Solver::kCmd2:
    case Solver::kCmd4: return Turn::kLeft;
    case Solver::kCmd5: break;
  }
  return P > 0 ? Turn::kRight : Turn::kLeft;
}

}  // namespace capset
