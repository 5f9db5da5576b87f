#include "vertical_curve.h"

#include <algorithm>
#include <cmath>

namespace capset {
namespace {

double Secant(double i) { return std::sqrt(1 + i * i); }  // 1 / cos θ

// √(R² − u²) as √((R − u)(R + u)): no cancellation near u = 0. Grades within
// ±1 keep |u| ≤ R·sin 45°, so the root stays well above 0.
double Root(double R, double u) { return std::sqrt(std::max(0.0, (R - u) * (R + u))); }

}  // namespace

double CircleTangent(double i1, double i2, double R) {
  // tan(Δ/2) = sin Δ / (1 + cos Δ), with sin Δ and cos Δ from the grades.
  return R * std::fabs(i2 - i1) / (Secant(i1) * Secant(i2) + 1 + i1 * i2);
}

double CircleArcLength(double i1, double i2, double R) { return R * std::atan2(std::fabs(i2 - i1), 1 + i1 * i2); }

VerticalCurve VerticalCurve::Parabola(double pviDistance, double pviElevation, double i1, double i2, double l1,
                                      double l2) {
  VerticalCurve c;
  c.pviDistance = pviDistance;
  c.pviElevation = pviElevation;
  c.grade1 = i1;
  c.grade2 = i2;
  c.length1 = l1;
  c.length2 = l2;
  const double omega = i2 - i1;
  const double L = l1 + l2;
  if (L > 0) {
    c.k1 = omega * l2 / (2 * L * l1);
    c.k2 = omega * l1 / (2 * L * l2);
  }
  return c;
}

VerticalCurve VerticalCurve::Circle(double pviDistance, double pviElevation, double i1, double i2, double R) {
  VerticalCurve c;
  c.kind = VerticalCurveKind::kCircle;
  c.pviDistance = pviDistance;
  c.pviElevation = pviElevation;
  c.grade1 = i1;
  c.grade2 = i2;
  c.radius = R;
  const double T = CircleTangent(i1, i2, R);
  c.length1 = T / Secant(i1);
  c.length2 = T / Secant(i2);
  c.side = i2 - i1 >= 0 ? 1 : -1;
  c.ub = c.side * R * i1 / Secant(i1);
  c.rCos1 = R / Secant(i1);
  return c;
}

double VerticalCurve::Elevation(double d) const {
  if (kind == VerticalCurveKind::kCircle) {
    const double x = d - bvcDistance();
    const double hBvc = pviElevation - grade1 * length1;
    const double u = ub + x;
    return hBvc + side * x * (x + 2 * ub) / (Root(radius, u) + rCos1);
  }
  if (d <= pviDistance) {
    const double x = d - bvcDistance();
    return pviElevation + grade1 * (d - pviDistance) + k1 * x * x;
  }
  const double x = evcDistance() - d;
  return pviElevation + grade2 * (d - pviDistance) + k2 * x * x;
}

double VerticalCurve::Grade(double d) const {
  if (kind == VerticalCurveKind::kCircle) {
    const double u = ub + (d - bvcDistance());
    return side * u / Root(radius, u);
  }
  if (d <= pviDistance) return grade1 + 2 * k1 * (d - bvcDistance());
  return grade2 - 2 * k2 * (evcDistance() - d);
}

}  // namespace capset
