#include "batch_solve.h"

#include "cap_solve.h"
#include "fault.h"
#include "log_row.h"
#include "refusals.h"

namespace capset {
namespace {

CapRecord SolveStation(const BatchPlan& plan, Solver solver, CapDesign design, const StationEntry& entry) {
  const bool square = solver == Solver::kCmd5;
  if (square || plan.axis == BatchInput::Axis::kOwn) design.Kj = entry.station;
  CapRecord record;
  record.name = entry.name;
  record.solver = solver;
  record.design = design;
  record.answers = {entry.station, plan.DR, plan.precision};

  std::optional<Refusal> refusal = CheckDesign(solver, design);
  if (!refusal && !square) refusal = CheckKp(solver, design, entry.station);
  if (refusal) {
    record.outcome = *refusal;
    return record;
  }
  try {
    const CapSolution solution = SolveCap(solver, design, record.answers);
    record.outcome = solution;
    record.axisPoints = AxisPointsOf(solution, plan.offsets);
    record.warnings = CheckCap(solution);
  } catch (const ArithmeticFault& fault) {
    record.outcome = fault;
    record.axisPoints.clear();
    return record;
  }
  // Compute shows a cap only when all its texts can be made; so does a row.
  if (const auto fault = RowFault(record)) {
    record.outcome = *fault;
    record.axisPoints.clear();
  }
  return record;
}

}  // namespace

std::vector<AxisPoint> AxisPointsOf(const CapSolution& s, const std::vector<double>& offsets) {
  std::vector<AxisPoint> points;
  points.reserve(offsets.size());
  // Positive offsets lie towards the outer edge, negative ones towards the
  // inner edge, on the one straight axis through the centre.
  for (double offset : offsets) {
    points.push_back({offset, Polar(s.centre, offset, s.outerAxis, s.design.DegPerRad)});
  }
  return points;
}

std::vector<CapRecord> SolveBatch(const BatchPlan& plan, Solver solver, const CapDesign& design) {
  std::vector<CapRecord> records;
  records.reserve(plan.stations.size());
  for (const BatchStation& station : plan.stations) {
    records.push_back(SolveStation(plan, solver, design, station.entry));
  }
  return records;
}

}  // namespace capset
