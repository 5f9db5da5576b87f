// Square cap: the transverse axis is perpendicular to the centreline at the
// design station Kj, so both edge points lie at DR from the centre at the
// centre's own station. Closed form, no iteration.
//
// Notation
//   l       spiral distance of the cap centre from ZH, |KZH − Kj|
//   x, y    local spiral point, three terms of x (the square cap's series)
//   c, δ    chord length and deflection, β the tangent angle at l
//   α       chord azimuth ZH → centre
//   θout    azimuth centre → outer edge (outside of the bend), θin opposite
//   ρ       DegPerRad

#include <cmath>

#include "cap_result.h"
#include "cap_solvers.h"
#include "messages.h"
#include "number_text.h"
#include "questions.h"
#include "solver_prompts.h"
#include "spiral.h"

namespace capset {

void Cmd5(double KZH, double X, double Y, double T, double /*R*/, double A1, double Kj, double DegPerRad,
          double Pi, int16_t P, SolverAnswers answers, Seam& seam) {
  // With l = |KZH − Kj| a Kj before ZH would land on the point as far after
  // ZH; P = 0 gives no side of the turn, so the cap would point due north.
  if (Kj < KZH) {
    seam.reporter.ReportError(RefusedJobMessage("设计中桩桩号 Kj 小于直缓点桩号 ZH，盖梁不在缓和曲线上。"));
    return;
  }
  if (P == 0) {
    seam.reporter.ReportError(RefusedJobMessage("P = 0，无法判别曲线正偏或反偏，须输入 P>0 或 P<0。"));
    return;
  }
  if (A1 == 0) {
    seam.reporter.ReportError(RefusedJobMessage("缓和曲线要素 A1 为 0。"));
    return;
  }

  Questions ask(seam);
  const std::string sep = seam.reader.DecimalSeparator();
  const auto dr = ask.Float(kAskDR);
  if (!dr) return;
  answers.DR = *dr;
  const auto precision = ask.Float(kAskPrecision);
  if (!precision) return;
  answers.Precision = *precision;

  const double rho = DegPerRad;
  const double w = static_cast<double>(answers.DR);
  const double l = std::fabs(KZH - Kj);
  const Chord chord = ChordOf(SpiralLocal(l, A1, 3), rho);
  const double beta = TangentAngle(l, A1, Pi);

  // A curve to the right carries the centre to T + δ and puts the outside
  // of the bend 90° to the left of the local tangent; the reverse mirrors it.
  double alpha;
  double thetaOut;
  if (P > 0) {
    alpha = T + chord.deflection;
    thetaOut = (T + beta) - 90;
  } else {
    alpha = T - chord.deflection;
    thetaOut = (T - beta) + 90;
  }
  alpha = IntoRange(alpha, Fold::kHighThenLow);
  const PlanePoint centre = Polar({X, Y}, chord.length, alpha, rho);
  thetaOut = IntoRange(thetaOut, Fold::kLowThenHigh);
  const PlanePoint outer = Polar(centre, w, thetaOut, rho);
  const double thetaIn = IntoRange(thetaOut + 180, Fold::kHigh);
  const PlanePoint inner = Polar(centre, w, thetaIn, rho);

  const std::string station = CentreStationText(Kj);
  const std::string length = NumberText(answers.DR, sep) + "米";
  CapResult result;
  result.centreStation = station;
  result.DR = NumberText(answers.DR, sep);
  result.precision = PrecisionEcho(answers.Precision, sep);
  result.centreX = CoordinateText(centre.X, sep);
  result.centreY = CoordinateText(centre.Y, sep);
  result.outer = {station, CoordinateText(outer.X, sep), CoordinateText(outer.Y, sep), length};
  result.inner = {station, CoordinateText(inner.X, sep), CoordinateText(inner.Y, sep), length};
  WriteResult(result, seam.boxes);
}

}  // namespace capset
