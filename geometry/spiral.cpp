#include "spiral.h"

#include <cmath>

#include "fault.h"

namespace capset {
namespace {

constexpr const char* kSeries = "缓和曲线坐标级数";

// (lⁿ / k) / A1ᵐ, each step checked: A1 = 0 is a division by zero and a
// power beyond the double range an overflow.
double Term(double l, int n, double k, double A1, int m) {
  const double power = Finite(std::pow(l, n), kSeries);
  return Quotient(power / k, Finite(std::pow(A1, m), kSeries), kSeries);
}

}  // namespace

LocalPoint SpiralLocal(double l, double A1, int xTerms) {
  double x = l - Term(l, 5, 40, A1, 4) + Term(l, 9, 3456, A1, 8);
  if (xTerms == 4) x = x - Term(l, 13, 599040, A1, 12);
  const double y = Term(l, 3, 6, A1, 2) - Term(l, 7, 336, A1, 6) + Term(l, 11, 42240, A1, 10);
  return {Finite(x, kSeries), Finite(y, kSeries)};
}

Chord ChordOf(LocalPoint p, double rho) {
  const double c = Finite(std::sqrt(p.y * p.y + p.x * p.x), "弦长");
  if (p.x == 0 && p.y == 0) return {0, 0};
  return {c, Finite(std::atan(Quotient(p.y, p.x, "弦偏角")) * rho, "弦偏角")};
}

double TangentAngle(double l, double A1, double Pi) {
  constexpr const char* kWhere = "切线角";
  const double l2 = Finite(std::pow(l, 2), kWhere);
  return Quotient(Quotient(l2 * 90, std::pow(A1, 2), kWhere), Pi, kWhere);
}

PlanePoint Polar(PlanePoint from, double distance, double azimuth, double rho) {
  constexpr const char* kWhere = "坐标";
  const double radians = Quotient(azimuth, rho, kWhere);
  return {Finite(from.X + distance * std::cos(radians), kWhere),
          Finite(from.Y + distance * std::sin(radians), kWhere)};
}

Bearing BearingOf(double dX, double dY, double rho) {
  constexpr const char* kWhere = "方位角";
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
