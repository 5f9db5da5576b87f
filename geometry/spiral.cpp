#include "spiral.h"

#include <cmath>

#include "fault.h"

namespace capset {
namespace {

constexpr FaultPlace kSeries = FaultPlace::kSeries;

// (lⁿ / k) / A1ᵐ, each step checked: A1 = 0 is a division by zero and a
// power beyond the double range an overflow.
double Term(double l, int n, double k, double A1m) {
  const double power = Finite(std::pow(l, n), kSeries);
  return Quotient(power / k, A1m, kSeries);
}

double PowerOfA1(double A1, int m) { return Finite(std::pow(A1, m), kSeries); }

}  // namespace

A1Powers PowersOf(double A1) {
  return {PowerOfA1(A1, 2), PowerOfA1(A1, 4),  PowerOfA1(A1, 6),
          PowerOfA1(A1, 8), PowerOfA1(A1, 10), PowerOfA1(A1, 12)};
}

LocalPoint SpiralLocal(double l, const A1Powers& a, int xTerms) {
  double x = l - Term(l, 5, 40, a.p4) + Term(l, 9, 3456, a.p8);
  if (xTerms == 4) x = x - Term(l, 13, 599040, a.p12);
  const double y = Term(l, 3, 6, a.p2) - Term(l, 7, 336, a.p6) + Term(l, 11, 42240, a.p10);
  return {Finite(x, kSeries), Finite(y, kSeries)};
}

// Each power is formed, and checked, as the term that needs it is: a power
// of l that overflows is reported before a power of A1 that would.
LocalPoint SpiralLocal(double l, double A1, int xTerms) {
  auto term = [&](int n, double k, int m) {
    const double power = Finite(std::pow(l, n), kSeries);
    return Quotient(power / k, PowerOfA1(A1, m), kSeries);
  };
  double x = l - term(5, 40, 4) + term(9, 3456, 8);
  if (xTerms == 4) x = x - term(13, 599040, 12);
  const double y = term(3, 6, 2) - term(7, 336, 6) + term(11, 42240, 10);
  return {Finite(x, kSeries), Finite(y, kSeries)};
}

Chord ChordOf(LocalPoint p, double rho) {
  const double c = Finite(std::sqrt(p.y * p.y + p.x * p.x), FaultPlace::kChord);
  if (p.x == 0 && p.y == 0) return {0, 0};
  return {c, Finite(std::atan(Quotient(p.y, p.x, FaultPlace::kDeflection)) * rho, FaultPlace::kDeflection)};
}

double TangentAngle(double l, double A1, double Pi) {
  constexpr FaultPlace kWhere = FaultPlace::kTangentAngle;
  const double l2 = Finite(std::pow(l, 2), kWhere);
  return Quotient(Quotient(l2 * 90, std::pow(A1, 2), kWhere), Pi, kWhere);
}

double TangentAngle(double l, const A1Powers& a, double Pi) {
  constexpr FaultPlace kWhere = FaultPlace::kTangentAngle;
  const double l2 = Finite(std::pow(l, 2), kWhere);
  return Quotient(Quotient(l2 * 90, a.p2, kWhere), Pi, kWhere);
}

PlanePoint Polar(PlanePoint from, double distance, double azimuth, double rho) {
  constexpr FaultPlace kWhere = FaultPlace::kCoordinate;
  const double radians = Quotient(azimuth, rho, kWhere);
  return {Finite(from.X + distance * std::cos(radians), kWhere),
          Finite(from.Y + distance * std::sin(radians), kWhere)};
}

Bearing BearingOf(double dX, double dY, double rho) {
  constexpr FaultPlace kWhere = FaultPlace::kBearing;
  double L = Finite(std::sqrt(dX * dX + dY * dY), kWhere);
  if (L == 0) L = 1e-15;
  const double q = dY / L;
  const double cosine = 1 - q * q;
  if (cosine == 0) return {L, dY > 0 ? 90.0 : 270.0};
  double a = std::atan(q / Finite(std::sqrt(cosine), kWhere)) * rho;
  if (dX < 0) a = 180 - a;
  if (dX > 0 && dY < 0) a = a + 360;
  return {L, a};
}

double IntoRange(double azimuth, Fold fold) {
  auto high = [](double a) { return a >= 360 ? a - 360 : a; };
  auto low = [](double a) { return a < 0 ? a + 360 : a; };
  switch (fold) {
    case Fold::kHigh: return high(azimuth);
    case Fold::kLow: return low(azimuth);
    case Fold::kHighThenLow: return low(high(azimuth));
    case Fold::kLowThenHigh: return high(low(azimuth));
    case Fold::kNone: break;
  }
  return azimuth;
}

}  // namespace capset
