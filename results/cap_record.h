#pragma once
// One row of the results log: a cap as a Compute or one station of a batch
// made it, kept as numbers together with what it was made from, so that the
// table, the clipboard, the day file and an export can each format it their
// own way.

#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "cap_method.h"
#include "cap_solution.h"
#include "cap_warnings.h"
#include "fault.h"
#include "local_time.h"
#include "refusals.h"
#include "road_cap.h"
#include "row_heights.h"

namespace capset {

// A point on the cap axis, such as a pier column or a bearing.
struct AxisPoint {
  // Metres along the axis from the centre: a window row's positive towards
  // the outer edge, an exact row's towards the right-hand edge.
  double offset;
  PlanePoint point;
};

// Which road an exact row was solved on.
enum class CapRoad {
  kStartJob,  // the road the Start job implies (the straight, its spiral, the arc)
  kJobRoad,   // the job's own road (an element list, an intersection table, a LandXML file)
};

// What an exact row's road is, for the row's context columns.
struct ExactOrigin {
  CapRoad road;
  SpiralEnd end;    // kStartJob: the job's spiral end
  double station;   // the job's ZH or HZ station; the job road's first station
  PlanePoint point;
  double azimuth;   // decimal degrees: the job's T; the job road's start tangent
  double R, A1;     // kStartJob only
  int P;            // kStartJob only
  bool operator==(const ExactOrigin&) const = default;
};

// An exact row: the cap solved on the road, with what it was asked. The
// points, their stations and elements, and each side's problem are those
// of `cap`; left and right are of the direction of increasing stations.
struct ExactCap {
  ExactOrigin origin;
  double station;  // Kp as asked
  double B;        // decimal degrees
  CapAxisMode axis;
  double design;   // Kj for the parallel axis; the cap's own station for its own
  double leftHalfWidth, rightHalfWidth;
  RoadCap cap;
  // Which side is the outside of the bend the row follows: +1 the right,
  // -1 the left, 0 none (the cap stands on a straight and so do its edges).
  int outerSide;
  // The road it was solved on, shared by the rows of its batch: a plan of
  // the row drawn later is drawn on it, whatever road the job has by then.
  std::shared_ptr<const Road> solvedOn = nullptr;

  bool Placed() const { return cap.fault == RoadCapFault::kNone; }
  // The edge of a side (+1 right, -1 left).
  const RoadCapEdge& Edge(int side) const { return side > 0 ? cap.right : cap.left; }
};

// +1, -1 or 0 as ExactCap::outerSide: the bend at the centre, or, for a
// centre on a straight, the one both edges agree on.
int OuterSideOf(const RoadCap& cap);

struct CapRecord {
  int number = 0;    // given by the log, on from the day file's last; kept when rows are deleted
  LocalTime made;    // given by the log when the row is added
  std::string name;  // as typed before the station in a batch; empty for a Compute
  int batchRun = 0;  // the run of the batch that made the row, from 1; 0 for a Compute
  Solver solver = Solver::kCmd1;
  CapDesign design{};    // as the solver saw it: Kj is the cap's own station when its axis follows it
  CapAnswers answers{};  // Kp is the station asked for (the square cap reads Kj instead)
  // The cap's numbers, or why there are none; an exact row's numbers (and
  // why a side or the whole cap has none) are all in its ExactCap.
  std::variant<CapSolution, Refusal, ArithmeticFault, ExactCap> outcome = Refusal::kA1Zero;
  std::vector<AxisPoint> axisPoints;  // a window row's; an exact row's are its cap's points
  // What must be known about the numbers (a cap beyond the spiral's end, a
  // series off the exact clothoid), checked once when the row is made.
  CapWarnings warnings;
  // Its points' heights, taken when it was made; nothing when the job had no
  // profile then (the row reads as it always has).
  std::optional<RowHeights> heights = std::nullopt;

  // A window row's solution; nothing for an exact row or a cap not placed.
  const CapSolution* Solution() const { return std::get_if<CapSolution>(&outcome); }
  const ExactCap* Exact() const { return std::get_if<ExactCap>(&outcome); }
  CapMethod Method() const { return Exact() != nullptr ? CapMethod::kExact : CapMethod::kWindow; }
  // A cap centre was placed (by either method).
  bool Placed() const { return Solution() != nullptr || (Exact() != nullptr && Exact()->Placed()); }
  // The station of the cap centre that was asked for, solved or not.
  double CentreStation() const {
    if (const ExactCap* e = Exact()) return e->station;
    return solver == Solver::kCmd5 ? design.Kj : answers.Kp;
  }
};

// The row of a Compute: its solution and nothing more.
CapRecord RecordOf(const CapSolution& solution);

}  // namespace capset
