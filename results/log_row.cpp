#include "log_row.h"

#include <algorithm>
#include <cmath>

#include "angle_text.h"
#include "cap_result.h"
#include "log_texts.h"
#include "sketch_texts.h"
#include "solver_texts.h"
#include "local_time.h"
#include "number_text.h"
#include "road_cap_texts.h"
#include "station_text.h"

namespace capset {
namespace {

// A number of the log to the millimetre, as every file writes it. Beyond
// 1e15 m a double holds no millimetre: the row cannot be shown, and its
// status says so (ShownRowTexts), as for the window's own rows.
std::string LogFixed(double value, int decimals, const std::string& sep) {
  if (!(std::fabs(value) < 1e15)) throw ArithmeticFault{ErrorKind::kOverflow, FaultPlace::kNumberText};
  return FixedText(value, decimals, sep);
}

static_assert(std::size(kRowHeadings) == kFixedColumnCount);

// A window row's points in the boxes' forms. One text after the other, so
// a fault is always that of the first.
void FillAxisPoints(const std::vector<AxisPoint>& points, const std::string& sep, RowTexts& t) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    const int n = static_cast<int>(i) + 1;
    t[AxisPointColumn(n, 0)] = NumberText(points[i].offset, sep);
    t[AxisPointColumn(n, 1)] = CoordinateText(points[i].point.X, sep);
    t[AxisPointColumn(n, 2)] = CoordinateText(points[i].point.Y, sep);
  }
}

void FillExactAxisPoints(const RoadCap& cap, const std::string& sep, RowTexts& t) {
  for (std::size_t i = 0; i < cap.points.size(); ++i) {
    const RoadCapPoint& p = cap.points[i];
    const int n = static_cast<int>(i) + 1;
    t[AxisPointColumn(n, 0)] = NumberText(p.along, sep);
    t[AxisPointColumn(n, 1)] = LogFixed(p.point.X, 3, sep);
    t[AxisPointColumn(n, 2)] = LogFixed(p.point.Y, 3, sep);
    t[AxisPointColumn(n, 3)] = p.status == WhereStatus::kOnRoad ? ElementName(p.kind) : "";
  }
}

std::string ExactStatusText(const ExactCap& e) {
  if (!e.Placed()) return RoadCapFaultText(e.cap.fault, e.cap.placement, RoadStationText({e.station}));
  std::string status;
  for (int side : {-1, 1}) {
    const CapSideProblem problem = e.Edge(side).problem;
    if (problem != CapSideProblem::kNone) status += (status.empty() ? "" : " ") + CapSideProblemText(side, problem);
  }
  return status.empty() ? kRowSolved : status;
}

void FillExactRow(const ExactCap& e, const std::string& sep, RowTexts& t) {
  t[kCurveColumn].clear();
  t[kSolverColumn] = std::string(kMethodExactName) + (e.B == 90 ? kSquareCapWord : kSkewCapWord);
  t[kKjColumn] = RoadStationText({e.design});
  t[kBColumn] = DmsText(e.B, kHundredthsWhereNeeded, sep);
  t[kDRColumn] = e.leftHalfWidth == e.rightHalfWidth
                     ? NumberText(e.leftHalfWidth, sep)
                     : kLeftHalfWidthWord + NumberText(e.leftHalfWidth, sep) + kRightHalfWidthWord + NumberText(e.rightHalfWidth, sep);
  t[kPrecisionColumn] = kNoValue;
  t[kStatusColumn] = ExactStatusText(e);
  t[kMethodColumn] = kMethodExactName;
  t[kEdge1DRColumn] = NumberText(e.leftHalfWidth, sep);
  t[kEdge2DRColumn] = NumberText(e.rightHalfWidth, sep);
  const ExactOrigin& o = e.origin;
  const bool job = o.road == CapRoad::kStartJob;
  t[kOriginColumn] = job ? SpiralEndName(o.end) : kRoadStartName;
  t[kOriginStationColumn] = RoadStationText(o.station);
  t[kOriginXColumn] = NumberText(o.point.X, sep);
  t[kOriginYColumn] = NumberText(o.point.Y, sep);
  t[kTColumn] = AzimuthText(o.azimuth, sep);
  t[kRColumn] = job ? NumberText(o.R, sep) : kNoValue;
  t[kA1Column] = job ? NumberText(o.A1, sep) : kNoValue;
  t[kPColumn] = job ? std::to_string(o.P) : kNoValue;
  if (!e.Placed()) {
    t[kCentreStationColumn] = RoadStationText({e.station});
    return;
  }
  const RoadCapPoint& c = e.cap.centre;
  t[kCentreStationColumn] = RoadStationText(c.station);
  const char* turn = c.curvature > 0 ? kTurnsRightWord : c.curvature < 0 ? kTurnsLeftWord : "";
  t[kCurveColumn] = std::string(ElementName(c.kind)) + turn;
  t[kCentreElementColumn] = ElementName(c.kind);
  t[kCentreXColumn] = LogFixed(c.point.X, 3, sep);
  t[kCentreYColumn] = LogFixed(c.point.Y, 3, sep);
  FillExactAxisPoints(e.cap, sep, t);
  for (int side : {-1, 1}) {
    const int first = side < 0 ? kEdge1Column : kEdge2Column;
    t[first] = ExactEdgeSideText(side, BendSideName(side, e.outerSide));
    const RoadCapEdge& edge = e.Edge(side);
    if (edge.problem != CapSideProblem::kNone) continue;
    t[first + 1] = RoadStationText(edge.point.station);
    t[first + 2] = LogFixed(edge.point.point.X, 3, sep);
    t[first + 3] = LogFixed(edge.point.point.Y, 3, sep);
    t[first + 4] = LogFixed(std::fabs(edge.point.along), 3, sep);
    t[first + 5] = ElementName(edge.point.kind);
  }
}

}  // namespace

int AxisPointColumn(int number, int part) { return kFixedColumnCount + (number - 1) * kAxisPointColumns + part; }

int ColumnsFor(int points) { return kFixedColumnCount + points * kAxisPointColumns; }

int AxisPointCount(const CapRecord& record) {
  if (const ExactCap* e = record.Exact()) return e->Placed() ? static_cast<int>(e->cap.points.size()) : 0;
  return record.Solution() != nullptr ? static_cast<int>(record.axisPoints.size()) : 0;
}

int RowWidth(const CapRecord& record) {
  const int points = AxisPointCount(record);
  return record.Method() == CapMethod::kExact || points > 0 ? ColumnsFor(points) : kWindowColumnCount;
}

int RowsWidth(const std::vector<const CapRecord*>& records) {
  int width = kWindowColumnCount;
  for (const CapRecord* r : records) width = std::max(width, RowWidth(*r));
  return width;
}

RowTexts RowHeadings(int width) {
  RowTexts headings(kRowHeadings, kRowHeadings + std::min(width, static_cast<int>(kFixedColumnCount)));
  for (int c = kFixedColumnCount; c < width; ++c) {
    headings.push_back(AxisPointHeading((c - kFixedColumnCount) / kAxisPointColumns + 1,
                                        (c - kFixedColumnCount) % kAxisPointColumns));
  }
  return headings;
}

bool FullySolved(const CapRecord& record) {
  if (const ExactCap* e = record.Exact()) {
    return e->Placed() && e->cap.left.problem == CapSideProblem::kNone && e->cap.right.problem == CapSideProblem::kNone;
  }
  const CapSolution* s = record.Solution();
  return s != nullptr && s->inner.status == SideStatus::kSolved && s->outer.status == SideStatus::kSolved;
}

bool PastSpiralEnd(const CapRecord& record) {
  return record.Solution() != nullptr && record.warnings.beyondEnd.has_value();
}

std::string RowStatusText(const CapRecord& record) {
  if (const ExactCap* e = record.Exact()) return ExactStatusText(*e);
  if (const auto* refusal = std::get_if<Refusal>(&record.outcome)) {
    // A square cap of a batch stands at the station typed for it: that is
    // the station to name, not the design station of the job.
    if (*refusal == Refusal::kKjBeforeZH && record.solver == Solver::kCmd5) {
      return StationBeforeZHRowStatus(RoadStationText(record.design.Kj), RoadStationText(record.design.origin));
    }
    return RefusedRowStatus(*refusal);
  }
  if (const auto* fault = std::get_if<ArithmeticFault>(&record.outcome)) return FaultRowStatus(*fault);
  return PlacedRowStatus(*record.Solution(), record.warnings);
}

RowTexts RowTextsOf(const CapRecord& r, const std::string& sep) {
  RowTexts t(RowWidth(r));
  t[kNumberColumn] = std::to_string(r.number);
  t[kNameColumn] = r.name;
  t[kSolverColumn] = SolverKindText(r.solver);
  t[kCurveColumn] = CurveText(EndOf(r.solver), TurnOf(r.solver, r.design.P));
  t[kKjColumn] = CentreStationText(r.design.Kj);
  t[kBColumn] = DmsText(r.design.B, kHundredthsWhereNeeded, sep);
  t[kStatusColumn] = RowStatusText(r);
  t[kOriginColumn] = SpiralEndName(EndOf(r.solver));
  t[kOriginStationColumn] = RoadStationText(r.design.origin);
  t[kOriginXColumn] = NumberText(r.design.X, sep);
  t[kOriginYColumn] = NumberText(r.design.Y, sep);
  t[kTColumn] = AzimuthText(r.design.T, sep);
  t[kRColumn] = NumberText(r.design.R, sep);
  t[kA1Column] = NumberText(r.design.A1, sep);
  t[kPColumn] = std::to_string(r.design.P);
  t[kTimeColumn] = DateTimeText(r.made);
  if (const ExactCap* e = r.Exact()) {
    FillExactRow(*e, sep, t);
    return t;
  }
  const CapSolution* s = r.Solution();
  if (s == nullptr) {
    // Nothing was placed: the station asked for and the answers only.
    t[kCentreStationColumn] = CentreStationText(r.CentreStation());
    t[kDRColumn] = DREcho(r.solver, r.answers.DR, sep);
    t[kPrecisionColumn] = PrecisionEcho(r.answers.Precision, sep);
    return t;
  }
  CapResult boxes = ResultTexts(*s, sep);
  t[kCentreStationColumn] = std::move(boxes.centreStation);
  t[kDRColumn] = std::move(boxes.DR);
  t[kPrecisionColumn] = std::move(boxes.precision);
  t[kCentreXColumn] = std::move(boxes.centreX);
  t[kCentreYColumn] = std::move(boxes.centreY);
  t[kEdge1Column] = kOuterEdgeName;
  t[kOuterStationColumn] = std::move(boxes.outer.station);
  t[kOuterXColumn] = std::move(boxes.outer.X);
  t[kOuterYColumn] = std::move(boxes.outer.Y);
  t[kOuterLengthColumn] = std::move(boxes.outer.length);
  t[kEdge2Column] = kInnerEdgeName;
  t[kInnerStationColumn] = std::move(boxes.inner.station);
  t[kInnerXColumn] = std::move(boxes.inner.X);
  t[kInnerYColumn] = std::move(boxes.inner.Y);
  t[kInnerLengthColumn] = std::move(boxes.inner.length);
  FillAxisPoints(r.axisPoints, sep, t);
  return t;
}

RowTexts ShownRowTexts(const CapRecord& r, const std::string& sep) noexcept {
  std::optional<ArithmeticFault> fault;
  try {
    return RowTextsOf(r, sep);
  } catch (const ArithmeticFault& f) {
    fault = f;
  } catch (...) {
    // Nothing else is raised by the text forms; a view must not end the
    // program whatever it meets.
    fault = ArithmeticFault{ErrorKind::kInvalidOperation, FaultPlace::kNumberText};
  }
  try {
    RowTexts t(static_cast<std::size_t>(RowWidth(r)));
    t[kNumberColumn] = std::to_string(r.number);
    t[kNameColumn] = r.name;
    t[kSolverColumn] = SolverKindText(r.solver);
    t[kStatusColumn] = UnshownRowStatus(*fault);
    t[kTimeColumn] = DateTimeText(r.made);
    return t;
  } catch (...) {
    return RowTexts{};  // out of memory for a few short texts: an empty row
  }
}

std::optional<ArithmeticFault> RowFault(const CapRecord& r) {
  // An exact row's texts are made from numbers on a road whose ranges keep
  // them far from overflow; still, a row is only kept when they can be made.
  if (r.Exact() != nullptr) {
    try {
      (void)RowTextsOf(r, ".");
      return std::nullopt;
    } catch (const ArithmeticFault& fault) {
      return fault;
    }
  }
  // The steps of RowTextsOf that can fault, in its order. B is finite (a
  // converted packed angle) and DR and the precision are checked floats.
  FirstFault first;
  first(StationFault(r.design.Kj, kCentreStationForm));
  if (const CapSolution* s = r.Solution()) {
    if (r.warnings.beyondEnd) first(SketchBeyondEndFault(*r.warnings.beyondEnd));
    if (!r.warnings.series.empty()) first(SketchSeriesDepartureFault(r.warnings.series));
    first(StationFault(r.design.origin, kFootStationForm));
    first(ResultFault(*s));
    for (const AxisPoint& p : r.axisPoints) {
      first(NumberFault(p.offset));
      first(CoordinateFault(p.point.X));
      first(CoordinateFault(p.point.Y));
    }
  } else {
    first(StationFault(r.design.origin, kFootStationForm));
    first(StationFault(r.CentreStation(), kCentreStationForm));
  }
  return first.fault;
}

}  // namespace capset
