#include "cap_result.h"

#include "boxes.h"
#include "marks.h"
#include "number_text.h"
#include "round3.h"
#include "station_text.h"

namespace capset {
namespace {

// How a solver writes an edge's foot station. The outer edge is always in
// the foot form; only the inner side differs between the solvers: Cmd2
// writes it like the outer one but truncates the kilometres (which differs
// for a negative station only), the others with a small "k".
constexpr StationForm kLowerCaseFootForm{"k", KmRule::kFloor, MetreRule::kRounded};
constexpr StationForm kTruncatedFootForm{"K", KmRule::kTruncate, MetreRule::kRounded};

StationForm InnerForm(Solver solver) { return solver == Solver::kCmd2 ? kTruncatedFootForm : kLowerCaseFootForm; }

SideTexts SkewSideTexts(const EdgeSolution& edge, StationForm form, const std::string& sep) {
  if (edge.status != SideStatus::kSolved) return {};
  return {StationText(edge.footStation, form), CoordinateText(edge.point.X, sep), CoordinateText(edge.point.Y, sep),
          CoordinateText(edge.length, sep)};
}

// The square cap's edges sit at the centre's own station, DR from it.
SideTexts SquareSideTexts(const CapSolution& s, const EdgeSolution& edge, const std::string& sep) {
  return {CentreStationText(s.centreStation), CoordinateText(edge.point.X, sep), CoordinateText(edge.point.Y, sep),
          NumberText(s.answers.DR, sep) + kMetresMark};
}

std::optional<ArithmeticFault> SideFault(const CapSolution& s, const EdgeSolution& edge, StationForm form) {
  FirstFault first;
  if (s.solver == Solver::kCmd5) {
    first(StationFault(s.centreStation, kCentreStationForm));
    first(CoordinateFault(edge.point.X));
    first(CoordinateFault(edge.point.Y));
  } else if (edge.status == SideStatus::kSolved) {
    first(StationFault(edge.footStation, form));
    first(CoordinateFault(edge.point.X));
    first(CoordinateFault(edge.point.Y));
    first(CoordinateFault(edge.length));
  }
  return first.fault;
}

}  // namespace

std::string CoordinateText(double value, const std::string& sep) { return NumberText(Round3(value), sep); }

std::optional<ArithmeticFault> CoordinateFault(double value) {
  // A value whose product with 1000 is finite rounds to a finite value.
  return Round3Fault(value);
}

std::string DREcho(Solver solver, float DR, const std::string& sep) {
  // The ZH-end skewed caps set their DR echo off with two blanks.
  const bool zhSkewed = solver == Solver::kCmd1 || solver == Solver::kCmd2;
  return (zhSkewed ? "  " : "") + NumberText(DR, sep);
}

std::string PrecisionEcho(float precision, const std::string& sep) {
  return "  " + NumberText(precision, sep) + kDegreesMark;
}

CapResult ResultTexts(const CapSolution& s, const std::string& sep) {
  CapResult r;
  r.centreStation = CentreStationText(s.centreStation);
  r.DR = DREcho(s.solver, s.answers.DR, sep);
  r.precision = PrecisionEcho(s.answers.Precision, sep);
  r.centreX = CoordinateText(s.centre.X, sep);
  r.centreY = CoordinateText(s.centre.Y, sep);
  if (s.solver == Solver::kCmd5) {
    r.inner = SquareSideTexts(s, s.inner, sep);
    r.outer = SquareSideTexts(s, s.outer, sep);
  } else {
    r.inner = SkewSideTexts(s.inner, InnerForm(s.solver), sep);
    r.outer = SkewSideTexts(s.outer, kFootStationForm, sep);
  }
  return r;
}

std::optional<ArithmeticFault> ResultFault(const CapSolution& s) {
  // DR and the precision are stored floats that their questions checked:
  // they are finite.
  FirstFault first;
  first(StationFault(s.centreStation, kCentreStationForm));
  first(CoordinateFault(s.centre.X));
  first(CoordinateFault(s.centre.Y));
  first(SideFault(s, s.inner, InnerForm(s.solver)));
  first(SideFault(s, s.outer, kFootStationForm));
  return first.fault;
}

void WriteResult(const CapResult& r, BoxWriter& boxes) {
  boxes.WriteBox(box::kCentreStation, r.centreStation);
  boxes.WriteBox(box::kDR, r.DR);
  boxes.WriteBox(box::kPrecision, r.precision);
  boxes.WriteBox(box::kCentreX, r.centreX);
  boxes.WriteBox(box::kCentreY, r.centreY);
  boxes.WriteBox(box::kInnerStation, r.inner.station);
  boxes.WriteBox(box::kInnerX, r.inner.X);
  boxes.WriteBox(box::kInnerY, r.inner.Y);
  boxes.WriteBox(box::kInnerLength, r.inner.length);
  boxes.WriteBox(box::kOuterStation, r.outer.station);
  boxes.WriteBox(box::kOuterX, r.outer.X);
  boxes.WriteBox(box::kOuterY, r.outer.Y);
  boxes.WriteBox(box::kOuterLength, r.outer.length);
}

}  // namespace capset
