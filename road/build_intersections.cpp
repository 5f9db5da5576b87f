// A road from the drawings' table of intersection points (交点法).
//
// Notation
//   Pᵢ        the table's points: P₀ = BP, P₁ … Pₙ the JDs, Pₙ₊₁ = EP
//   legᵢ      Pᵢ → Pᵢ₊₁: length Dᵢ, heading hᵢ, unit vector uᵢ
//   α         turn at a JD, h_j − h_{j−1} brought into (−π, π]; side = sign α,
//             a = |α|
//   β         Ls/(2R), the tangent angle at a spiral's end
//   xₕ, yₕ    the spiral's end in its own frame, from the exact clothoid
//   p, q      the circle's shift and the tangent's: p = yₕ − R(1 − cos β),
//             q = xₕ − R sin β
//   T1, T2    (R + p1) tan(a/2) + q1 ∓ (p1 − p2)/sin a, the tangents JD → ZH, JD → HZ
//   Ly, L     R(a − β1 − β2), Ly + Ls1 + Ls2
//   g         the straight a leg keeps: Dᵢ less the tangents at its two ends
//
// Each curve is laid from its own ZH, JD − T1·u, along the leg's heading,
// and each straight from its own start (BP, or HZ = JD + T2·u): the table's
// points fix them, and no error runs on from curve to curve. A curve ends
// on JD + T2 along the out leg to the rounding of its integrals. Where two
// curves overlap by less than kJointTolerance (the rounding of a table) they
// touch: the road runs on from one to the next, stepping back by that
// overlap in the plane, while its distance runs on without a break.

#include <cmath>
#include <numbers>
#include <tuple>
#include <vector>

#include "angles.h"
#include "curve_step.h"
#include "road_assembly.h"
#include "road_build.h"
#include "road_ranges.h"

namespace capset {
namespace {

// Legs in line, or turned back on themselves, within this: 1e-9 rad is
// far below the 0.1″ (5e-7 rad) an angle of a table is given to, and above
// what the rounding of coordinates makes of three points in line.
constexpr double kMinTurn = 1e-9;

// A straight shorter than this between two curves is left out: they touch.
constexpr double kMinStraight = 1e-9;

struct SpiralShift {
  double beta, p, q;
};

SpiralShift ShiftOf(double R, double Ls) {
  if (Ls == 0) return {0, 0, 0};
  const CurveStep end = StepAlongCurve(0, 1 / (R * Ls), Ls);
  const double beta = Ls / (2 * R);
  const double half = std::sin(beta / 2);
  // 1 − cos β as 2 sin²(β/2): no cancellation for a short spiral.
  return {beta, end.across - 2 * R * half * half, end.along - R * std::sin(beta)};
}

struct Leg {
  double length, heading;
  double uX, uY;
};

struct Curve {
  double side, a;
  SpiralShift s1, s2;
  double T1, T2, Ly, L;
};

}  // namespace

RoadBuild RoadFromIntersections(const IntersectionRoadInput& in) {
  auto refuse = [](RoadProblem p) { return RoadBuild{std::nullopt, p}; };
  const int n = static_cast<int>(in.jds.size());
  auto partOf = [n](int i) { return i == 0 ? RoadPart::kBegin : i <= n ? RoadPart::kJd : RoadPart::kEnd; };

  for (const auto& [value, field] : {std::pair{in.station, RoadField::kStation}, std::pair{in.bp.X, RoadField::kX},
                                     std::pair{in.bp.Y, RoadField::kY}}) {
    if (auto p = CheckRange(value, kCoordinateRange, RoadPart::kBegin, 0, field)) return refuse(*p);
  }
  for (int j = 1; j <= n; ++j) {
    const IntersectionPoint& jd = in.jds[j - 1];
    for (const auto& [value, field] : {std::pair{jd.point.X, RoadField::kX}, std::pair{jd.point.Y, RoadField::kY},
                                       std::pair{jd.R, RoadField::kR}, std::pair{jd.Ls1, RoadField::kLs1},
                                       std::pair{jd.Ls2, RoadField::kLs2}}) {
      if (!std::isfinite(value)) return refuse({RoadFault::kNotFinite, RoadPart::kJd, j, field, value});
    }
    if (!(jd.R > 0)) return refuse({RoadFault::kRadiusNotPositive, RoadPart::kJd, j, RoadField::kR, jd.R});
    if (jd.Ls1 < 0) return refuse({RoadFault::kLengthNegative, RoadPart::kJd, j, RoadField::kLs1, jd.Ls1});
    if (jd.Ls2 < 0) return refuse({RoadFault::kLengthNegative, RoadPart::kJd, j, RoadField::kLs2, jd.Ls2});
    for (const auto& [value, field, range] :
         {std::tuple{jd.point.X, RoadField::kX, kCoordinateRange}, std::tuple{jd.point.Y, RoadField::kY, kCoordinateRange},
          std::tuple{jd.R, RoadField::kR, kRadiusRange}, std::tuple{jd.Ls1, RoadField::kLs1, kLengthRange},
          std::tuple{jd.Ls2, RoadField::kLs2, kLengthRange}}) {
      if (auto p = CheckRange(value, range, RoadPart::kJd, j, field)) return refuse(*p);
    }
    // A printed station lays nothing, but it is shown and saved as a station.
    if (jd.station) {
      if (auto p = CheckRange(*jd.station, kCoordinateRange, RoadPart::kJd, j, RoadField::kStation)) return refuse(*p);
    }
  }
  if (auto p = CheckRange(in.ep.X, kCoordinateRange, RoadPart::kEnd, n + 1, RoadField::kX)) return refuse(*p);
  if (auto p = CheckRange(in.ep.Y, kCoordinateRange, RoadPart::kEnd, n + 1, RoadField::kY)) return refuse(*p);
  if (in.epStation) {
    if (auto p = CheckRange(*in.epStation, kCoordinateRange, RoadPart::kEnd, n + 1, RoadField::kStation)) return refuse(*p);
  }

  // Relative to BP, where every digit serves the road.
  auto local = [&in](PlanePoint p) { return PlanePoint{p.X - in.bp.X, p.Y - in.bp.Y}; };
  // Every vector is sized once: a table of a thousand JDs grown by doubling
  // spends more on fresh pages than on its curves.
  std::vector<PlanePoint> points;
  points.reserve(n + 2);
  points.push_back({0, 0});
  for (const IntersectionPoint& jd : in.jds) points.push_back(local(jd.point));
  points.push_back(local(in.ep));

  std::vector<Leg> legs;
  legs.reserve(n + 1);
  for (int i = 0; i <= n; ++i) {
    const double dX = points[i + 1].X - points[i].X, dY = points[i + 1].Y - points[i].Y;
    const double D = std::hypot(dX, dY);
    if (D < kJointTolerance)
      return refuse({RoadFault::kPointsCoincide, partOf(i + 1), i + 1, RoadField::kNone, D, kJointTolerance, i});
    legs.push_back({D, std::atan2(dY, dX), dX / D, dY / D});
  }

  std::vector<Curve> curves;
  curves.reserve(n);
  for (int j = 1; j <= n; ++j) {
    const IntersectionPoint& jd = in.jds[j - 1];
    const double alpha = std::remainder(legs[j].heading - legs[j - 1].heading, 2 * std::numbers::pi);
    const double a = std::fabs(alpha);
    if (a < kMinTurn) return refuse({RoadFault::kNoTurn, RoadPart::kJd, j, RoadField::kNone, ToDegrees(alpha)});
    if (std::numbers::pi - a < kMinTurn)
      return refuse({RoadFault::kReversal, RoadPart::kJd, j, RoadField::kNone, ToDegrees(alpha)});
    // The spirals' turns first, before either is laid: Ls/2R may be some
    // 5e8 rad within the fields' ranges, and the turn the JD makes is below π.
    const double rest = a - jd.Ls1 / (2 * jd.R) - jd.Ls2 / (2 * jd.R);
    if (rest < -kMinTurn)
      return refuse({RoadFault::kSpiralsTooLong, RoadPart::kJd, j, RoadField::kNone, jd.R * rest, 0});
    Curve c{alpha > 0 ? 1.0 : -1.0, a, ShiftOf(jd.R, jd.Ls1), ShiftOf(jd.R, jd.Ls2), 0, 0, 0, 0};
    const double common = std::tan(a / 2), skew = (c.s1.p - c.s2.p) / std::sin(a);
    c.T1 = (jd.R + c.s1.p) * common + c.s1.q - skew;
    c.T2 = (jd.R + c.s2.p) * common + c.s2.q + skew;
    c.Ly = rest > 0 ? jd.R * rest : 0;
    c.L = c.Ly + jd.Ls1 + jd.Ls2;
    curves.push_back(c);
  }

  std::vector<double> straights;
  straights.reserve(n + 1);
  for (int i = 0; i <= n; ++i) {
    const double before = i >= 1 ? curves[i - 1].T2 : 0, after = i < n ? curves[i].T1 : 0;
    const double g = legs[i].length - before - after;
    if (g < -kJointTolerance)
      return refuse({RoadFault::kTangentsOverlap, partOf(i + 1), i + 1, RoadField::kNone, before + after, legs[i].length, i});
    straights.push_back(g);
  }

  RoadAssembly assembly(RoadForm::kIntersections, in.bp, {{0, 0}, legs[0].heading, 0});
  assembly.Reserve(4 * n + 1, 5 * n + 2);
  if (n > 0) assembly.ReserveCurves(n);
  assembly.AddKeyPointHere(KeyPointKind::kBP, 0);
  for (int i = 0; i <= n; ++i) {
    const Leg& leg = legs[i];
    if (straights[i] > kMinStraight) {
      const double back = i >= 1 ? curves[i - 1].T2 : 0;
      const RoadPose from{{points[i].X + back * leg.uX, points[i].Y + back * leg.uY}, leg.heading, 0};
      assembly.Append(ElementKind::kLine, 0, 0, straights[i], &from);
    }
    if (i == n) break;
    const int j = i + 1;
    const IntersectionPoint& jd = in.jds[i];
    const Curve& c = curves[i];
    const double k = c.side / jd.R;
    const PlanePoint at = points[j];
    const RoadPose zhPose{{at.X - c.T1 * leg.uX, at.Y - c.T1 * leg.uY}, leg.heading, 0};
    const double zh = assembly.length();
    // The curve's key points, with their poses as the curve is laid.
    struct Key {
      KeyPointKind kind;
      double distance;
      RoadPose pose;
    };
    Key keys[5];
    int count = 0;
    keys[count++] = {jd.Ls1 > 0 ? KeyPointKind::kZH : KeyPointKind::kZY, zh, zhPose};
    const RoadPose* anchor = &zhPose;
    if (jd.Ls1 > 0) {
      assembly.Append(ElementKind::kSpiral, 0, c.side / (jd.R * jd.Ls1), jd.Ls1, anchor);
      keys[count++] = {KeyPointKind::kHY, assembly.length(), assembly.end()};
      anchor = nullptr;
    }
    if (c.Ly > 0) {
      assembly.Append(ElementKind::kArc, k, 0, c.Ly, anchor);
      anchor = nullptr;
    }
    if (jd.Ls2 > 0) {
      keys[count++] = {KeyPointKind::kYH, assembly.length(), assembly.end()};
      assembly.Append(ElementKind::kSpiral, k, -c.side / (jd.R * jd.Ls2), jd.Ls2, anchor);
    }
    keys[count++] = {jd.Ls2 > 0 ? KeyPointKind::kHZ : KeyPointKind::kYZ, assembly.length(), assembly.end()};
    // QZ, by length, may fall before HY or after YH where one spiral is long.
    const RoadPose qz = assembly.PoseAt(zh + c.L / 2);
    int at_qz = 1;
    while (at_qz < count - 1 && keys[at_qz].distance <= zh + c.L / 2) ++at_qz;
    for (int i = 0; i < count; ++i) {
      if (i == at_qz) assembly.AddKeyPoint(KeyPointKind::kQZ, j, zh + c.L / 2, qz);
      assembly.AddKeyPoint(keys[i].kind, j, keys[i].distance, keys[i].pose);
    }
    const double E = std::hypot(qz.point.X - at.X, qz.point.Y - at.Y);
    assembly.AddCurve({j, jd.point, ToDegrees(c.side * c.a), jd.R, jd.Ls1, jd.Ls2, c.T1, c.T2, c.L, c.Ly, E,
                       c.T1 + c.T2 - c.L, c.s1.p, c.s1.q, c.s2.p, c.s2.q, 0, zh});
  }
  assembly.AddKeyPointHere(KeyPointKind::kEP, 0);
  if (auto p = StationChain::Check(in.station, in.equations, assembly.length())) return refuse(*p);
  return {assembly.Finish(in.station, in.equations), std::nullopt};
}

}  // namespace capset
