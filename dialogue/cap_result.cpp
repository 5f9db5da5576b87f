#include "cap_result.h"

#include "marks.h"
#include "number_text.h"
#include "round3.h"
#include "station_text.h"

namespace capset {
namespace {

// How a solver writes a foot station: prefix and kilometre rule; the metres
// are always rounded. Only the inner side differs between the solvers.
struct FootStationForm {
  const char* prefix;
  KmRule km;
};

constexpr FootStationForm kOuterForm{"K", KmRule::kFloor};

FootStationForm InnerForm(Solver solver) {
  // Cmd2 shows its inner station like the outer ones but truncates the
  // kilometres (which differs for a negative station only).
  return solver == Solver::kCmd2 ? FootStationForm{"K", KmRule::kTruncate} : FootStationForm{"k", KmRule::kFloor};
}

SideTexts SkewSideTexts(const EdgeSolution& edge, FootStationForm form, const std::string& sep) {
  if (edge.status != SideStatus::kSolved) return {};
  return {StationText(edge.footStation, form.prefix, form.km, MetreRule::kRounded), CoordinateText(edge.point.X, sep),
          CoordinateText(edge.point.Y, sep), CoordinateText(edge.length, sep)};
}

// The square cap's edges sit at the centre's own station, DR from it.
SideTexts SquareSideTexts(const CapSolution& s, const EdgeSolution& edge, const std::string& sep) {
  return {CentreStationText(s.centreStation), CoordinateText(edge.point.X, sep), CoordinateText(edge.point.Y, sep),
          NumberText(s.answers.DR, sep) + kMetresMark};
}

}  // namespace

std::string CoordinateText(double value, const std::string& sep) { return NumberText(Round3(value), sep); }

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
    r.outer = SkewSideTexts(s.outer, kOuterForm, sep);
  }
  return r;
}

void WriteResult(const CapResult& r, BoxWriter& boxes) {
  boxes.WriteBox(13, r.centreStation);
  boxes.WriteBox(10, r.DR);
  boxes.WriteBox(25, r.precision);
  boxes.WriteBox(23, r.centreX);
  boxes.WriteBox(24, r.centreY);
  boxes.WriteBox(21, r.inner.station);
  boxes.WriteBox(17, r.inner.X);
  boxes.WriteBox(18, r.inner.Y);
  boxes.WriteBox(19, r.inner.length);
  boxes.WriteBox(20, r.outer.station);
  boxes.WriteBox(14, r.outer.X);
  boxes.WriteBox(15, r.outer.Y);
  boxes.WriteBox(16, r.outer.length);
}

}  // namespace capset
