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

#include "cap_solve.h"

namespace capset {

CapSolution SolveSquareCap(const CapDesign& design, const CapAnswers& answers) {
  const double rho = design.DegPerRad;
  const double w = static_cast<double>(answers.DR);
  const double l = std::fabs(design.origin - design.Kj);
  const Chord chord = ChordOf(SpiralLocal(l, design.A1, 3), rho);
  const double beta = TangentAngle(l, design.A1, design.Pi);

  // A curve to the right carries the centre to T + δ and puts the outside
  // of the bend 90° to the left of the local tangent; the reverse mirrors it.
  const double s = design.P > 0 ? +1 : -1;
  double alpha;
  double thetaOut;
  if (design.P > 0) {
    alpha = design.T + chord.deflection;
    thetaOut = (design.T + beta) - 90;
  } else {
    alpha = design.T - chord.deflection;
    thetaOut = (design.T - beta) + 90;
  }
  alpha = IntoRange(alpha, Fold::kHighThenLow);
  const PlanePoint centre = Polar({design.X, design.Y}, chord.length, alpha, rho);
  thetaOut = IntoRange(thetaOut, Fold::kLowThenHigh);
  const PlanePoint outer = Polar(centre, w, thetaOut, rho);
  const double thetaIn = IntoRange(thetaOut + 180, Fold::kHigh);
  const PlanePoint inner = Polar(centre, w, thetaIn, rho);

  // Both edge points lie square to the centre, at its own station.
  auto edge = [&](PlanePoint point) { return EdgeSolution{SideStatus::kSolved, point, l, design.Kj, w, 0}; };
  return {Solver::kCmd5, SpiralEnd::kZH, s, design, answers, design.Kj, l, centre, thetaIn, thetaOut,
          edge(inner), edge(outer)};
}

}  // namespace capset
