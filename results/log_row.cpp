#include "log_row.h"

#include <cmath>

#include "cap_result.h"
#include "handlers.h"
#include "log_texts.h"
#include "number_text.h"
#include "sketch_texts.h"
#include "solver_texts.h"
#include "station_text.h"

namespace capset {
namespace {

static_assert(std::size(kRowHeadings) == kRowColumnCount);

// Cmd1 and Cmd3 run for a curve to the right, Cmd2 and Cmd4 to the left;
// the square cap takes the turn from P.
const char* TurnText(const CapRecord& r) {
  switch (r.solver) {
    case Solver::kCmd1:
    case Solver::kCmd3: return kRightTurn;
    case Solver::kCmd2:
    case Solver::kCmd4: return kLeftTurn;
    case Solver::kCmd5: break;
  }
  return r.design.P > 0 ? kRightTurn : kLeftTurn;
}

std::string TwoDigits(long long n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// "P1(-3.5) X 1030.54 Y 2044.847; P2(3.5) X … Y …"
std::string AxisPointsText(const std::vector<AxisPoint>& points, const std::string& sep) {
  std::string text;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const AxisPoint& p = points[i];
    if (i > 0) text += "; ";
    text += "P" + std::to_string(i + 1) + "(" + NumberText(p.offset, sep) + ") X " + CoordinateText(p.point.X, sep) +
            " Y " + CoordinateText(p.point.Y, sep);
  }
  return text;
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

std::string DegreesText(double degrees, const std::string& sep) {
  // Beyond a million degrees no angle is meant; show the number as it is.
  if (!(std::fabs(degrees) < 1e6)) return NumberText(degrees, sep) + "°";
  const long long hundredths = std::llround(std::fabs(degrees) * 360000);
  const long long seconds100 = hundredths % 6000;
  std::string text = (degrees < 0 && hundredths != 0 ? "-" : "") + std::to_string(hundredths / 360000) + "°" +
                     TwoDigits(hundredths / 6000 % 60) + "′" + TwoDigits(seconds100 / 100);
  if (seconds100 % 100 != 0) {
    std::string fraction = TwoDigits(seconds100 % 100);
    if (fraction.back() == '0') fraction.pop_back();
    text += sep + fraction;
  }
  return text + "″";
}

bool FullySolved(const CapRecord& record) {
  const CapSolution* s = record.Solution();
  return s != nullptr && s->inner.status == SideStatus::kSolved && s->outer.status == SideStatus::kSolved;
}

std::string RowStatusText(const CapRecord& record) {
  if (const auto* refusal = std::get_if<Refusal>(&record.outcome)) return RefusedRowStatus(*refusal);
  if (const auto* fault = std::get_if<ArithmeticFault>(&record.outcome)) return FaultRowStatus(*fault);
  const CapSolution& solution = *record.Solution();
  std::string status;
  for (bool inner : {true, false}) {
    if (const auto why = SideStatusText(solution, inner)) status += (status.empty() ? "" : " ") + *why;
  }
  if (status.empty()) status = kRowSolved;
  if (record.warnings.beyondEnd) status += "；" + SketchBeyondEnd(solution, *record.warnings.beyondEnd);
  if (!record.warnings.series.empty()) status += "；" + SketchSeriesDeparture(record.warnings.series);
  return status;
}

RowTexts RowTextsOf(const CapRecord& r, const std::string& sep) {
  RowTexts t;
  t[kNumberColumn] = std::to_string(r.number);
  t[kNameColumn] = r.name;
  t[kSolverColumn] = SolverName(r.solver);
  t[kCurveColumn] = std::string(EndOf(r.solver) == SpiralEnd::kZH ? "ZH " : "HZ ") + TurnText(r);
  t[kKjColumn] = StationText(r.design.Kj, "K", KmRule::kTruncate, MetreRule::kExact);
  t[kBColumn] = DegreesText(r.design.B, sep);
  t[kStatusColumn] = RowStatusText(r);
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

}  // namespace capset
