#pragma once
// One row of the results log: a cap as a Compute or one station of a batch
// made it, kept as numbers together with what it was made from, so that the
// table, the clipboard, the day file and an export can each format it their
// own way.

#include <string>
#include <variant>
#include <vector>

#include "cap_solution.h"
#include "cap_warnings.h"
#include "fault.h"
#include "local_time.h"
#include "refusals.h"

namespace capset {

// A point on the cap axis, such as a pier column or a bearing.
struct AxisPoint {
  double offset;  // metres along the axis from the centre, positive towards the outer edge
  PlanePoint point;
};

struct CapRecord {
  int number = 0;    // given by the log, on from the day file's last; kept when rows are deleted
  LocalTime made;    // given by the log when the row is added
  std::string name;  // as typed before the station in a batch; empty for a Compute
  int batchRun = 0;  // the run of the batch that made the row, from 1; 0 for a Compute
  Solver solver = Solver::kCmd1;
  CapDesign design{};    // as the solver saw it: Kj is the cap's own station when its axis follows it
  CapAnswers answers{};  // Kp is the station asked for (the square cap reads Kj instead)
  // The cap's numbers, or why there are none.
  std::variant<CapSolution, Refusal, ArithmeticFault> outcome = Refusal::kA1Zero;
  std::vector<AxisPoint> axisPoints;
  // What must be known about the numbers (a cap beyond the spiral's end, a
  // series off the exact clothoid), checked once when the row is made.
  CapWarnings warnings;

  const CapSolution* Solution() const { return std::get_if<CapSolution>(&outcome); }
  // The station of the cap centre that was asked for, solved or not.
  double CentreStation() const { return solver == Solver::kCmd5 ? design.Kj : answers.Kp; }
};

// The row of a Compute: its solution and nothing more.
CapRecord RecordOf(const CapSolution& solution);

}  // namespace capset
