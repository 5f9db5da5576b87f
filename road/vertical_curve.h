#pragma once
// One vertical curve (竖曲线) between two grade lines, in one canonical form.
//
// Notation: d distance along the road, H elevation, i1 and i2 the grades
// before and after the PVI (rise per metre), ω = i2 − i1 (ω < 0 crest,
// ω > 0 sag), L1 and L2 the horizontal lengths before and after the PVI,
// x the distance from the nearer end of the part that holds d.
//
// Every parabola is two halves: the first from BVC with grade i1 and
// correction k1·x², the second from EVC with grade i2 and correction k2·x²,
// meeting under the PVI with a common tangent. A symmetric one has
// L1 = L2 = T and k1 = k2 = ω/(2L) = ±1/(2R); an asymmetric one
// k1 = ω·L2/(2·L·L1), k2 = ω·L1/(2·L·L2). Measuring from the nearer end keeps
// x small, so the correction is exact to the arithmetic.
//
// A circle of radius R is tangent to both grade lines (θ = atan i); it is
// measured from BVC as H − H_BVC = s·x·(x + 2u_b) / (√(R² − u²) + R·cos θ1),
// with s = +1 for a sag, −1 for a crest, u = u_b + x the distance from the
// centre and u_b = s·R·sin θ1: the difference of two square roots rewritten
// so that nothing cancels.

namespace capset {

enum class VerticalCurveKind {
  kNone,        // a plain grade break
  kRadius,      // a parabola by its radius R (R 0: a grade break)
  kLength,      // a parabola by its horizontal length L
  kAsymmetric,  // two parabolas, L1 before the PVI and L2 after
  kCircle,      // an exact circle of radius R
};

struct VerticalCurve {
  VerticalCurveKind kind = VerticalCurveKind::kNone;
  double pviDistance = 0, pviElevation = 0;
  double grade1 = 0, grade2 = 0;  // i1, i2
  double length1 = 0, length2 = 0;  // horizontal, before and after the PVI
  double k1 = 0, k2 = 0;            // parabola halves
  double radius = 0;                // circle (and a parabola by R: the R given)
  double side = 0;                  // circle: +1 sag, −1 crest
  double ub = 0, rCos1 = 0;         // circle: u at BVC, R·cos θ1

  double bvcDistance() const { return pviDistance - length1; }
  double evcDistance() const { return pviDistance + length2; }
  double Elevation(double d) const;  // d within [BVC, EVC]
  double Grade(double d) const;

  // Parabolas; the circle from R and the grades. Sets the lengths and
  // coefficients; the caller has checked the numbers.
  static VerticalCurve Parabola(double pviDistance, double pviElevation, double i1, double i2, double l1,
                                double l2);
  static VerticalCurve Circle(double pviDistance, double pviElevation, double i1, double i2, double R);
};

// R·Δ of a circle tangent to grades i1 and i2 (Δ the angle between them).
double CircleArcLength(double i1, double i2, double R);
// R·tan(Δ/2).
double CircleTangent(double i1, double i2, double R);

}  // namespace capset
