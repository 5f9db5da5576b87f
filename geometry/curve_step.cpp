// The curve is cut into segments, each expanded about its midpoint:
//
//   ∫ over the segment of exp(i·τ) = exp(i·τm) · m · ∫₋₁¹ exp(i(α·u + β·u²)) du
//
// with m half the segment, τm the turn at its midpoint, α = κm·m (κm the
// curvature there) and β = c·m²/2. The integrand's power series in u has
// coefficients d[k] with (k + 1)·d[k+1] = i·(α·d[k] + 2β·d[k−1]), d[0] = 1,
// and only the even powers survive the symmetric integral:
// ∫₋₁¹ uᵏ du = 2/(k + 1). Segments are cut so that |α| + 2|β|, which is m
// times the largest |κ| on the segment, stays below kMaxSwing: the
// coefficients then fall at least like kMaxSwing^(k/2) / (k/2)!, and their
// sum, close to 2, suffers no cancellation.
//
// An arc (c = 0) has the closed form h·exp(i·τ/2)·sin(τ/2)/(τ/2), which
// is exact for any length and loses nothing as τ → 0.

#include "curve_step.h"

#include <array>
#include <cmath>
#include <limits>

namespace capset {
namespace {

// Largest |α| + 2|β| of one segment. The road's own pieces stay within a
// half of it, so a point of the road is one segment.
constexpr double kMaxSwing = 0.5;

// Coefficients of one segment's series (the β·u² part falls only like
// β^(k/2)/(k/2)!, so about twice as many as the turn alone would need).
// Measured: 10 for a partial clothoid between R 1000 and R 1000.001, 18 for
// a road spiral of one piece (R 600, Ls 150), 20 at a piece's largest turn,
// 23 at |α| + 2|β| = 0.5; the bound is never met.
constexpr int kMaxTerms = 40;

// Below this the two coefficients that make all later ones are negligible
// beside the sum, which is close to 2 and of which a double holds 4.4e-16:
// the rest of the series lies some twenty times below its last bit.
constexpr double kNegligible = 2e-17;

// Segments of one step: a turn of some 50 000 rad. The road's pieces turn
// a fraction of a radian and its builders refuse a spiral turning a full
// circle before they lay it, so only a caller's slip comes near; it gets
// NaN in bounded time rather than a walk of a billion segments.
constexpr double kMostSegments = 1e5;

constexpr std::array<double, kMaxTerms + 2> MakeReciprocals() {
  std::array<double, kMaxTerms + 2> r{};
  for (int k = 0; k < kMaxTerms + 2; ++k) r[k] = 1.0 / (k + 1);
  return r;
}
constexpr std::array<double, kMaxTerms + 2> kReciprocal = MakeReciprocals();  // 1/(k + 1)

struct Complex {
  double re, im;
};

// ∫₋₁¹ exp(i(α·u + β·u²)) du.
Complex SymmetricSeries(double alpha, double beta) {
  const double twoBeta = 2 * beta;
  double pr = 0, pi = 0;  // d[k−1]
  double cr = 1, ci = 0;  // d[k]
  double sr = 2, si = 0;  // the sum so far: 2·d[0]
  for (int k = 0; k < kMaxTerms; ++k) {
    const double ur = alpha * cr + twoBeta * pr;
    const double ui = alpha * ci + twoBeta * pi;
    const double nr = -ui * kReciprocal[k];  // d[k+1] = i·(α·d[k] + 2β·d[k−1]) / (k + 1)
    const double ni = ur * kReciprocal[k];
    if ((k + 1) % 2 == 0) {
      sr += 2 * nr * kReciprocal[k + 1];
      si += 2 * ni * kReciprocal[k + 1];
    }
    pr = cr;
    pi = ci;
    cr = nr;
    ci = ni;
    if (std::fabs(cr) + std::fabs(ci) + std::fabs(pr) + std::fabs(pi) < kNegligible) break;
  }
  return {sr, si};
}

double Turn(double k0, double c, double h) { return h * (k0 + c * h / 2); }

CurveStep ArcStep(double k0, double h) {
  const double half = k0 * h / 2;
  const double sinc = half == 0 ? 1 : std::sin(half) / half;
  const double chord = h * sinc;
  return {chord * std::cos(half), chord * std::sin(half), 2 * half};
}

}  // namespace

CurveStep StepAlongCurve(double k0, double c, double h) {
  if (c == 0) return ArcStep(k0, h);
  const double largestCurvature = std::fmax(std::fabs(k0), std::fabs(k0 + c * h));
  // |α| + 2|β| of a segment of length H is at most (H/2)·largestCurvature.
  const double segments = std::ceil(std::fabs(h) * largestCurvature / (2 * kMaxSwing));
  if (!(segments <= kMostSegments)) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    return {nan, nan, Turn(k0, c, h)};
  }
  const int n = segments < 1 ? 1 : static_cast<int>(segments);
  const double H = h / n;
  const double m = H / 2;
  const double beta = c * m * m / 2;
  double along = 0, across = 0;
  for (int j = 0; j < n; ++j) {
    const double mid = j * H + m;
    const double alpha = (k0 + c * mid) * m;
    const Complex s = SymmetricSeries(alpha, beta);
    const double tauM = Turn(k0, c, mid);
    const double cm = std::cos(tauM), sm = std::sin(tauM);
    along += m * (cm * s.re - sm * s.im);
    across += m * (sm * s.re + cm * s.im);
  }
  return {along, across, Turn(k0, c, h)};
}

}  // namespace capset
