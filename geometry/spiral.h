#pragma once
// Clothoid transition curve and the angle conventions of the whole program.
//
// Notation
//   l      spiral distance from the origin point (ZH or HZ), metres
//   A1     spiral parameter as entered; its square is R·Ls
//   x, y   local point: x along the origin tangent, y across it towards the
//          side to which the spiral turns
//   c, δ   chord length and chord deflection (degrees) of the local point
//   β      tangent angle at l: l² / (2·A1²) radians, in degrees
//   T0     tangent azimuth at the origin, pointing along the spiral
//   s      side of the turn: +1 when the spiral turns right walking along T0
//   ρ      degrees per radian of the job, 180 / 3.1415926535
//   Pi     the job's π, 3.1415926535
// Azimuths are degrees clockwise from the +X axis; a direction θ is the unit
// vector (cos θ, sin θ) in (X, Y), so θ + 90 points to the right of θ.
//
// Every term is formed and summed in the order written below: the shown
// results are compared as text, and another grouping moves the last digit.

namespace capset {

struct LocalPoint {
  double x;
  double y;
};

struct Chord {
  double length;      // c
  double deflection;  // δ, degrees
};

struct PlanePoint {
  double X;
  double Y;
  bool operator==(const PlanePoint&) const = default;
};

struct Bearing {
  double length;   // L
  double azimuth;  // degrees, in [0, 360)
};

// The powers of A1 that the series and the tangent angle divide by. An
// iteration that evaluates the same spiral many times forms them once; each
// is the same std::pow(A1, m) the one-off forms below use, so the results
// are the same to the bit.
struct A1Powers {
  double p2, p4, p6, p8, p10, p12;
};
A1Powers PowersOf(double A1);

// x = l − (l⁵/40)/A1⁴ + (l⁹/3456)/A1⁸ [− (l¹³/599040)/A1¹²]
// y = (l³/6)/A1² − (l⁷/336)/A1⁶ + (l¹¹/42240)/A1¹⁰
// `xTerms` is 4 for the skewed caps and 3 for the square cap. Odd powers keep
// the sign of l, so a negative l gives the point mirrored through the origin.
LocalPoint SpiralLocal(double l, double A1, int xTerms);
LocalPoint SpiralLocal(double l, const A1Powers& a, int xTerms);

// c = √(y² + x²), δ = arctan(y / x) × ρ. The origin itself (x = y = 0) has
// chord 0 and deflection 0.
Chord ChordOf(LocalPoint p, double rho);

// β = ((l² × 90) / A1²) / Pi, degrees.
double TangentAngle(double l, double A1, double Pi);
double TangentAngle(double l, const A1Powers& a, double Pi);

// The point at `distance` from `from` in the direction `azimuth`:
// (X + d·cos(azimuth / ρ), Y + d·sin(azimuth / ρ)). A spiral point is placed
// through its chord (from the origin, length c, azimuth T0 + s·δ) and an
// edge point through its offset (from the foot point, half-width w, tangent
// azimuth ± 90), so both round the same way.
PlanePoint Polar(PlanePoint from, double distance, double azimuth, double rho);

// Bearing of the vector (dX, dY) from a first point to a second:
// q = dY / L, a = arctan(q / √(1 − q²)) × ρ, then 180 − a when dX < 0 and
// a + 360 when dX > 0 and dY < 0. A zero length is replaced by 1e-15 (q = 0).
// Where 1 − q² is 0 (dX = 0, or negligible beside dY) the bearing is its
// limit, exactly 90 or 270.
Bearing BearingOf(double dX, double dY, double rho);

// Single range tests on an azimuth, each applied at most once, in the order
// named: kHigh subtracts 360 from a value ≥ 360, kLow adds 360 to a value < 0.
enum class Fold { kNone, kHigh, kLow, kHighThenLow, kLowThenHigh };
double IntoRange(double azimuth, Fold fold);

}  // namespace capset
