#include "clothoid.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace capset {
namespace {

using Complex = std::complex<long double>;

// ∫₀ᴴ exp(i(a·h + b·h²)) dh, by the power series of the integrand in
// u = h/H: with α = a·H and β = b·H² its coefficients obey
// (k + 1)·d[k+1] = i·(α·d[k] + 2β·d[k−1]), d[0] = 1, and the integral is
// H·Σ d[k] / (k + 1). Segments are kept short enough that α + 2β stays
// near 2, so the terms fall like 2^k / k!: some 25 terms reach the last bit.
Complex SegmentIntegral(long double a, long double b, long double H) {
  const long double alpha = a * H;
  const long double beta = b * H * H;
  const Complex i(0, 1);
  Complex previous(0, 0);
  Complex current(1, 0);
  Complex sum(1, 0);
  for (int k = 0; k < 80; ++k) {
    const Complex next = i * (alpha * current + 2 * beta * previous) / static_cast<long double>(k + 1);
    const Complex term = next / static_cast<long double>(k + 2);
    sum += term;
    previous = current;
    current = next;
    // The next coefficient is made of these two; both negligible, so is the rest.
    if (std::abs(current) + std::abs(previous) < 1e-21L) break;
  }
  return H * sum;
}

// Walks the curve in segments over which the tangent turns by at most
// about one radian, summing each segment's integral turned to the tangent
// at its start.
LocalPoint ByTaylorSegments(long double l, long double A) {
  const long double b = 1 / (2 * A * A);
  const long double step = std::sqrt(2 * b);
  Complex total(0, 0);
  long double s = 0;
  while (s < l) {
    const long double H = std::min(l - s, 1 / (2 * b * s + step));
    const long double theta = b * s * s;
    total += std::polar(1.0L, theta) * SegmentIntegral(2 * b * s, b, H);
    s += H;
  }
  return {static_cast<double>(total.real()), static_cast<double>(total.imag())};
}

// For large τ: C(z) = ½ + f·sin(πz²/2) − g·cos(πz²/2) and
// S(z) = ½ − f·cos(πz²/2) − g·sin(πz²/2), with the asymptotic series
// f = (1/πz)·Σ (−1)^m (4m−1)!! / (πz²)^(2m) and
// g = (1/π²z³)·Σ (−1)^m (4m+1)!! / (πz²)^(2m), summed while they fall.
LocalPoint ByAsymptoticSeries(long double l, long double A) {
  const long double pi = std::numbers::pi_v<long double>;
  const long double scale = A * std::sqrt(pi);
  const long double z = l / scale;
  const long double w = pi * z * z;  // 2τ
  long double f = 0, g = 0;
  long double termF = 1, termG = 1;
  for (int m = 0; m < 60; ++m) {
    f += termF;
    g += termG;
    const long double nextF = -termF * (4 * m + 1) * (4 * m + 3) / (w * w);
    const long double nextG = -termG * (4 * m + 3) * (4 * m + 5) / (w * w);
    if (std::fabs(nextF) >= std::fabs(termF) || std::fabs(nextF) < 1e-21L) break;
    termF = nextF;
    termG = nextG;
  }
  f /= pi * z;
  g /= pi * pi * z * z * z;
  const long double tau = w / 2;
  const long double C = 0.5L + f * std::sin(tau) - g * std::cos(tau);
  const long double S = 0.5L - f * std::cos(tau) - g * std::sin(tau);
  return {static_cast<double>(scale * C), static_cast<double>(scale * S)};
}

// Beyond this τ the asymptotic series is the cheaper and the exact one:
// its smallest term is about e^(−τ), and the segment walk would need τ
// segments.
constexpr long double kAsymptoticFromTau = 40;

}  // namespace

LocalPoint ExactClothoid(double l, double A) {
  if (l < 0) {
    const LocalPoint p = ExactClothoid(-l, A);
    return {-p.x, -p.y};
  }
  const long double L = l;
  const long double a = std::fabs(A);
  const long double tau = L * L / (2 * a * a);
  return tau > kAsymptoticFromTau ? ByAsymptoticSeries(L, a) : ByTaylorSegments(L, a);
}

}  // namespace capset
