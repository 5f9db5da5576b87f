#include "log_row.h"

#include "angle_text.h"
#include "cap_result.h"
#include "log_texts.h"
#include "sketch_texts.h"
#include "solver_texts.h"
#include "local_time.h"
#include "number_text.h"
#include "station_text.h"

namespace capset {
namespace {

static_assert(std::size(kRowHeadings) == kRowColumnCount);

std::string AxisPointsText(const std::vector<AxisPoint>& points, const std::string& sep) {
  std::vector<std::string> texts;
  for (const AxisPoint& p : points) {
    // One text after the other, so a fault is always that of the first.
    const std::string offset = NumberText(p.offset, sep);
    const std::string X = CoordinateText(p.point.X, sep);
    const std::string Y = CoordinateText(p.point.Y, sep);
    texts.push_back(AxisPointText(static_cast<int>(texts.size()) + 1, offset, X, Y));
  }
  return AxisPointsListText(texts);
}

}  // namespace

const RowTexts& RowHeadings() {
  static const RowTexts headings = [] {
    RowTexts h;
    for (int c = 0; c < kRowColumnCount; ++c) h[c] = kRowHeadings[c];
    return h;
  }();
  return headings;
}

bool FullySolved(const CapRecord& record) {
  const CapSolution* s = record.Solution();
  return s != nullptr && s->inner.status == SideStatus::kSolved && s->outer.status == SideStatus::kSolved;
}

std::string RowStatusText(const CapRecord& record) {
  if (const auto* refusal = std::get_if<Refusal>(&record.outcome)) {
    // A square cap of a batch stands at the station typed for it: that is
    // the station to name, not the design station of the job.
    if (*refusal == Refusal::kKjBeforeZH && record.solver == Solver::kCmd5) {
      return StationBeforeZHRowStatus(CentreStationText(record.design.Kj), FootStationText(record.design.origin));
    }
    return RefusedRowStatus(*refusal);
  }
  if (const auto* fault = std::get_if<ArithmeticFault>(&record.outcome)) return FaultRowStatus(*fault);
  return PlacedRowStatus(*record.Solution(), record.warnings);
}

RowTexts RowTextsOf(const CapRecord& r, const std::string& sep) {
  RowTexts t;
  t[kNumberColumn] = std::to_string(r.number);
  t[kNameColumn] = r.name;
  t[kSolverColumn] = SolverKindText(r.solver);
  t[kCurveColumn] = CurveText(EndOf(r.solver), TurnOf(r.solver, r.design.P));
  t[kKjColumn] = CentreStationText(r.design.Kj);
  t[kBColumn] = DmsText(r.design.B, kHundredthsWhereNeeded, sep);
  t[kStatusColumn] = RowStatusText(r);
  t[kOriginColumn] = SpiralEndName(EndOf(r.solver));
  t[kOriginStationColumn] = FootStationText(r.design.origin);
  t[kOriginXColumn] = NumberText(r.design.X, sep);
  t[kOriginYColumn] = NumberText(r.design.Y, sep);
  t[kTColumn] = DmsText(r.design.T, kHundredthsWhereNeeded, sep);
  t[kRColumn] = NumberText(r.design.R, sep);
  t[kA1Column] = NumberText(r.design.A1, sep);
  t[kPColumn] = std::to_string(r.design.P);
  t[kTimeColumn] = DateTimeText(r.made);
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
  t[kOuterStationColumn] = std::move(boxes.outer.station);
  t[kOuterXColumn] = std::move(boxes.outer.X);
  t[kOuterYColumn] = std::move(boxes.outer.Y);
  t[kOuterLengthColumn] = std::move(boxes.outer.length);
  t[kInnerStationColumn] = std::move(boxes.inner.station);
  t[kInnerXColumn] = std::move(boxes.inner.X);
  t[kInnerYColumn] = std::move(boxes.inner.Y);
  t[kInnerLengthColumn] = std::move(boxes.inner.length);
  t[kAxisPointsColumn] = AxisPointsText(r.axisPoints, sep);
  return t;
}

std::optional<ArithmeticFault> RowFault(const CapRecord& r) {
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
