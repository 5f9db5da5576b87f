#include "handlers.h"

namespace capset {

const char* SolverName(SolverChoice choice) {
  switch (choice) {
    case SolverChoice::kCmd1: return "Cmd1";
    case SolverChoice::kCmd2: return "Cmd2";
    case SolverChoice::kCmd3: return "Cmd3";
    case SolverChoice::kCmd4: return "Cmd4";
    case SolverChoice::kCmd5: return "Cmd5";
    case SolverChoice::kNone: break;
  }
  return "none";
}

}  // namespace capset
