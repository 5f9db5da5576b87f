#include "edge_iteration.h"

#include <cmath>

#include "fault.h"

namespace capset {
namespace {

struct Round {
  PlanePoint edge;
  Bearing bearing;
};

Round EdgeRound(const SpiralFrame& f, const EdgeSide& side, double lambda, PlanePoint centre, double w) {
  const Chord chord = ChordOf(SpiralLocal(lambda, f.A1, 4), f.rho);
  const double chordAzimuth = IntoRange(f.T + f.s * chord.deflection, f.footChordFold);
  const PlanePoint foot = Polar(f.origin, chord.length, chordAzimuth, f.rho);
  const double tangent = f.T + f.s * TangentAngle(lambda, f.A1, f.Pi);
  const PlanePoint edge = Polar(foot, w, IntoRange(tangent + side.sigma * 90, side.edgeFold), f.rho);
  return {edge, BearingOf(edge.X - centre.X, edge.Y - centre.Y, f.rho)};
}

}  // namespace

EdgeSolution FindEdgePoint(const SpiralFrame& frame, const EdgeSide& side, const EdgeSearch& search) {
  EdgeSolution result{SideStatus::kBoundReached, {0, 0}, search.start, 0, 0, 0};
  double lambda = search.start;
  for (int round = 1; round <= kMaxEdgeRounds; ++round) {
    result.rounds = round;
    Round r;
    try {
      r = EdgeRound(frame, side, lambda, search.centre, search.w);
    } catch (const ArithmeticFault&) {
      // Only a foot point that has run far off the curve overflows here.
      result.status = SideStatus::kRanAway;
      return result;
    }
    double d = r.bearing.azimuth - search.target;
    if (std::fabs(d) > 180) d = d < -180 ? d + 360 : d - 360;
    lambda = lambda + side.sigma * ((d * r.bearing.length) / frame.rho);
    result.footDistance = lambda;
    result.point = r.edge;
    result.length = r.bearing.length;
    if (std::fabs(d) <= search.precision) {
      result.status = SideStatus::kSolved;
      return result;
    }
    if (!std::isfinite(lambda) || std::fabs(lambda - search.centreDistance) > kRunAwayReaches * search.reach) {
      result.status = SideStatus::kRanAway;
      return result;
    }
  }
  return result;
}

}  // namespace capset
