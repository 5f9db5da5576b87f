// The exact cap on a road.
//
// Notation
//   s        distance along the road; h along one piece
//   C, s_c   the cap centre and its distance
//   ψ        axis heading, radians, taken within π/2 … of the tangent at C
//   u        (cos ψ, sin ψ): from C towards the right-hand edge
//   B'       ψ − θ(s_c): the skew at the centre itself, in (0, π)
//   w        the side's edge offset: +wR on the right, −wL on the left
//   E(s)     P(s) + w·n(s), the edge line; E'(s) = (1 − w·κ)·t
//   g(s)     u × (E(s) − C): the side of the axis line E(s) lies on
//   g'(s)    (1 − w·κ)·sin φ, with φ = θ(s) − ψ
//   λ        (E − C)·u: the distance along the axis
//
// At the centre g = w·cos B' and g' = −(1 − w·κ)·sin B'. While φ stays in
// (−π, 0) (the road has not turned parallel to the axis) and w·κ < 1 (the
// edge line has not folded), g is strictly monotone in s: the edge line
// crosses the axis once at most on that stretch, and that crossing is the
// one nearest the centre. So the search walks from s_c piece by piece in the
// direction in which g falls to 0, across element joints as across any
// other piece boundary, stopping where φ or w·κ reaches its limit; the first
// piece whose ends have g of opposite signs brackets the root, and a
// safeguarded Newton step in s, which falls back to halving whenever a step
// would leave the bracket, closes on it. On a straight the first estimate,
// s_c + w·cot B', is the root itself; no step depends on B, so there is
// nothing to tune for a skew of 20° or 160°.

#include "road_cap.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "angles.h"
#include "bracketed_root.h"

namespace capset {
namespace {

constexpr double kPi = std::numbers::pi;

// Steps of the root-finder in one bracket. Measured over 1.14 million caps
// (skews 20° … 160° by 1°, curves of R 30 … 5 000 with and without spirals,
// half-widths 2 … 20 m, centres along the whole curve and the straights
// beside it): 1 on a straight, 1 to 4 for 99.9 %, at most 9 (R 30 with a
// half-width of 20 m). Halving alone, from a piece of 2 km to the tolerance,
// would take about 48.
constexpr int kMaxEdgeSteps = 100;

// A step below this has reached the crossing to the rounding of the local
// coordinates (the edge point moves by at most as much).
constexpr double kEdgeTolerance = 1e-11;

// Halvings to find where, on one piece, the heading reaches a limit of the
// monotone stretch: a double's whole mantissa.
constexpr int kMaxLimitHalvings = 64;

struct EdgeValue {
  double g, slope;  // g and g'
  PlanePoint e;     // E − C
};

class EdgeSearch {
 public:
  EdgeSearch(const Road& road, PlanePoint centre, double centreDistance, double psi, double w)
      : road_(road), pieces_(road.pieces()), c_(centre), sc_(centreDistance), psi_(psi), w_(w),
        ux_(std::cos(psi)), uy_(std::sin(psi)) {}

  RoadCapEdge Solve(double skew) {
    int k = road_.PieceAt(sc_);
    const double g0 = Value(k, sc_ - pieces_[k].start).g;
    if (w_ * CurvatureOnPiece(pieces_[k], sc_ - pieces_[k].start) >= 1) return Fail(CapSideProblem::kEdgeFolds);
    if (g0 == 0) return Found(k, sc_ - pieces_[k].start, 0);
    // g falls with s: ahead when it is above 0.
    const int dir = g0 > 0 ? 1 : -1;
    estimate_ = sc_ + w_ * std::cos(skew) / std::sin(skew);
    double from = sc_ - pieces_[k].start;  // h where this piece's stretch begins
    double gFrom = g0;
    const int count = static_cast<int>(pieces_.size());
    // The walk visits each piece once at most, so the road's pieces bound
    // it. Measured over the caps of kMaxEdgeSteps: one piece for 97.6 % of
    // edges, at most five.
    while (k >= 0 && k < count) {
      const RoadPiece& p = pieces_[k];
      double to = dir > 0 ? p.length : 0;
      CapSideProblem limit = CapSideProblem::kNone;
      Truncate(p, from, to, limit);
      const EdgeValue end = Value(k, to);
      if ((end.g <= 0) == (gFrom > 0) || end.g == 0) return Root(k, from, gFrom, to, end.g);
      if (limit != CapSideProblem::kNone) return Fail(limit);
      k += dir;
      if (k < 0) return Fail(CapSideProblem::kPastStart);
      if (k >= count) return Fail(CapSideProblem::kPastEnd);
      from = dir > 0 ? 0 : pieces_[k].length;
      gFrom = Value(k, from).g;
      // A joint where the table's curves touch may step by a millimetre:
      // a crossing inside that step is at the joint.
      if ((gFrom <= 0) == (end.g > 0)) return Found(k, from, 0);
      if (w_ * CurvatureOnPiece(pieces_[k], from) >= 1) return Fail(CapSideProblem::kEdgeFolds);
    }
    return Fail(dir > 0 ? CapSideProblem::kPastEnd : CapSideProblem::kPastStart);
  }

 private:
  EdgeValue Value(int k, double h) const {
    const RoadPiece& p = pieces_[k];
    const PieceStep step = StepOnPiece(p, h);
    const double sn = std::sin(step.heading), cs = std::cos(step.heading);
    const PlanePoint e{(p.begin.point.X - c_.X) + step.dX - w_ * sn, (p.begin.point.Y - c_.Y) + step.dY + w_ * cs};
    const double g = ux_ * e.Y - uy_ * e.X;
    const double slope = (1 - w_ * step.curvature) * std::sin(step.heading - psi_);
    return {g, slope, e};
  }

  // Moves `to` back to where, between `from` and it, the road turns
  // parallel to the axis (φ reaches 0 or −π) or the edge line folds
  // (w·κ reaches 1), and says which.
  void Truncate(const RoadPiece& p, double from, double& to, CapSideProblem& limit) const {
    auto phi = [&](double h) { return HeadingOnPiece(p, h) - psi_; };
    auto outside = [](double f) { return f >= 0 || f <= -kPi; };
    if (outside(phi(to))) {
      // θ is monotone on a piece (its curvature keeps one sign): halve.
      double inside = from, out = to;
      for (int i = 0; i < kMaxLimitHalvings; ++i) {
        const double mid = (inside + out) / 2;
        if (mid == inside || mid == out) break;
        (outside(phi(mid)) ? out : inside) = mid;
      }
      to = out;
      limit = CapSideProblem::kAxisAlongRoad;
    }
    if (w_ * CurvatureOnPiece(p, to) >= 1) {
      // κ is linear on a piece: w·κ(h) = 1 at h = (1/w − κ0)/c.
      const double fold = p.c != 0 ? (1 / w_ - p.begin.curvature) / p.c : from;
      to = fold;
      limit = CapSideProblem::kEdgeFolds;
    }
  }

  // g changes sign between h = a and h = b on piece k.
  RoadCapEdge Root(int k, double a, double ga, double b, double gb) {
    if (gb == 0) return Found(k, b, 0);
    // From the straight-road estimate, or the end of the bracket nearest it:
    // the crossing may lie just past a piece's start.
    const BracketedRoot root = FindBracketedRoot(
        std::fmin(a, b), std::fmax(a, b), estimate_ - pieces_[k].start, (a < b ? ga : gb) > 0,
        [&](double h) {
          const EdgeValue v = Value(k, h);
          return RootValue{v.g, v.slope};
        },
        kEdgeTolerance, kMaxEdgeSteps);
    return Found(k, root.x, root.steps);
  }

  RoadCapEdge Found(int k, double h, int steps) const {
    const RoadPiece& p = pieces_[k];
    const EdgeValue v = Value(k, h);
    const PlanePoint o = road_.origin();
    const Road::ElementAtFoot at = road_.ElementOn(k, h);
    RoadCapPoint point{{o.X + (c_.X + v.e.X), o.Y + (c_.Y + v.e.Y)}, ux_ * v.e.X + uy_ * v.e.Y, WhereStatus::kOnRoad,
                       p.start + h, road_.StationAt(p.start + h), w_, road_.elements()[at.element].kind, at.curvature};
    // On its own monotone stretch the crossing lies on its side of the
    // centre; anything else would be a crossing of another part of the road.
    if ((point.along > 0) != (w_ > 0)) return Fail(CapSideProblem::kAxisAlongRoad);
    return {CapSideProblem::kNone, point, steps, std::fabs(v.g)};
  }

  static RoadCapEdge Fail(CapSideProblem problem) { return {problem, {}, 0, 0}; }

  const Road& road_;
  const std::vector<RoadPiece>& pieces_;
  PlanePoint c_;
  double sc_, psi_, w_;
  double ux_, uy_;
  double estimate_ = 0;
};

// `centre` relative to the road's origin.
RoadCapPoint PointOnAxis(const Road& road, PlanePoint centre, double psi, double along) {
  const PlanePoint o = road.origin();
  const PlanePoint q{o.X + (centre.X + along * std::cos(psi)), o.Y + (centre.Y + along * std::sin(psi))};
  const RoadFoot foot = road.Where(q);
  return {q, along, foot.status, foot.distance, foot.station, foot.offset, foot.kind, foot.curvature};
}

RoadCap Refused(RoadCapFault fault, Placement placement = {}) {
  return {fault, std::move(placement), {}, 0, 0, {}, {}, {}};
}

}  // namespace

RoadCap SolveRoadCap(const Road& road, const RoadCapRequest& request) {
  if (!std::isfinite(request.B) || !std::isfinite(request.leftHalfWidth) || !std::isfinite(request.rightHalfWidth))
    return Refused(RoadCapFault::kNotFinite);
  for (double offset : request.offsets)
    if (!std::isfinite(offset)) return Refused(RoadCapFault::kNotFinite);
  if (!(request.B > 0 && request.B < 180)) return Refused(RoadCapFault::kSkewOutOfRange);
  if (!(request.leftHalfWidth > 0 && request.rightHalfWidth > 0)) return Refused(RoadCapFault::kHalfWidthNotPositive);

  Placement centrePlace = road.Place(request.centre);
  if (centrePlace.status != PlaceStatus::kPlaced) return Refused(RoadCapFault::kCentreNotPlaced, std::move(centrePlace));
  const double sc = centrePlace.distance;
  const RoadPose centre = road.LocalPoseAt(sc);  // the solve works relative to the road's origin
  double reference = centre.heading;
  if (request.axis == CapAxisMode::kParallel) {
    Placement designPlace = road.Place(request.design);
    if (designPlace.status != PlaceStatus::kPlaced) return Refused(RoadCapFault::kDesignNotPlaced, std::move(designPlace));
    const int j = road.PieceAt(designPlace.distance);
    reference = HeadingOnPiece(road.pieces()[j], designPlace.distance - road.pieces()[j].start);
  }
  // The skew at the centre, brought within (−π, π] of its tangent.
  const double skew = std::remainder(reference + ToRadians(request.B) - centre.heading, 2 * kPi);
  const double psi = centre.heading + skew;

  RoadCap cap{RoadCapFault::kNone, {}, {}, AzimuthOf(psi), ToDegrees(skew), {}, {}, {}};
  const int k = road.PieceAt(sc);
  cap.centre = {{road.origin().X + centre.point.X, road.origin().Y + centre.point.Y}, 0, WhereStatus::kOnRoad, sc,
                road.StationAt(sc), 0,
                road.elements()[road.pieces()[k].element].kind, centre.curvature};
  if (skew > 0 && skew < kPi) {
    cap.right = EdgeSearch(road, centre.point, sc, psi, request.rightHalfWidth).Solve(skew);
    cap.left = EdgeSearch(road, centre.point, sc, psi, -request.leftHalfWidth).Solve(skew);
  } else {
    cap.right = cap.left = {CapSideProblem::kAxisReversed, {}, 0, 0};
  }
  cap.points.reserve(request.offsets.size());
  for (double along : request.offsets) cap.points.push_back(PointOnAxis(road, centre.point, psi, along));
  return cap;
}

}  // namespace capset
