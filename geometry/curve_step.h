#pragma once
// The plane curve whose curvature runs linearly with its length: a straight
// (κ0 = c = 0), a circular arc (c = 0) or a clothoid between any two
// curvatures (an entry or exit spiral, or a partial one from R1 to R2).
//
// Notation
//   h        length along the curve from its start
//   κ0       curvature at the start, 1/m, positive where the curve turns right
//   c        curvature rate, 1/m²: κ(h) = κ0 + c·h
//   τ(h)     turn of the tangent from the start: κ0·h + c·h²/2 radians
//   along    displacement after h along the start tangent
//   across   displacement across it, positive to the right (the side to
//            which a positive curvature turns):
//            along + i·across = ∫₀ʰ exp(i·τ(u)) du
//
// The displacement is integrated from the curve's own start with its own
// start curvature, never as the difference of two points of one long
// clothoid from its origin: a partial clothoid between two close radii
// keeps every digit.

namespace capset {

struct CurveStep {
  double along;
  double across;
  double turn;  // τ(h), radians
};

// The displacement and turn after the length h (h may be negative: the
// curve walked back from its start). A curve that turns more than some
// 50 000 rad over h, or whose numbers are not finite, has no displacement
// worked out: NaN, at once.
CurveStep StepAlongCurve(double k0, double c, double h);

}  // namespace capset
