#include "cap_record.h"

namespace capset {

CapRecord RecordOf(const CapSolution& solution) {
  CapRecord record;
  record.solver = solution.solver;
  record.design = solution.design;
  record.answers = solution.answers;
  record.outcome = solution;
  record.warnings = CheckCap(solution);
  return record;
}

}  // namespace capset
