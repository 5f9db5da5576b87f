#include "road_piece.h"

#include <cmath>
#include <numbers>

#include "curve_step.h"

namespace capset {

RoadPose Advance(const RoadPose& from, double c, double length) {
  const CurveStep step = StepAlongCurve(from.curvature, c, length);
  const double cosH = std::cos(from.heading), sinH = std::sin(from.heading);
  // along·t + across·n, with n = (−sin θ, cos θ) the right normal.
  return {{from.point.X + (step.along * cosH - step.across * sinH),
           from.point.Y + (step.along * sinH + step.across * cosH)},
          from.heading + step.turn,
          from.curvature + c * length};
}

PieceStep StepOnPiece(const RoadPiece& piece, double h) {
  const CurveStep step = StepAlongCurve(piece.begin.curvature, piece.c, h);
  return {step.along * piece.cosH - step.across * piece.sinH, step.along * piece.sinH + step.across * piece.cosH,
          piece.begin.heading + step.turn, piece.begin.curvature + piece.c * h};
}

RoadPose PoseOnPiece(const RoadPiece& piece, double h) {
  // A key point at a piece's start (ZH, HY, YH, HZ) is the pose held there.
  if (h == 0) return piece.begin;
  const PieceStep s = StepOnPiece(piece, h);
  return {{piece.begin.point.X + s.dX, piece.begin.point.Y + s.dY}, s.heading, s.curvature};
}

double HeadingNear(double heading, double near) {
  constexpr double kTurn = 2 * std::numbers::pi;
  return heading + kTurn * std::round((near - heading) / kTurn);
}

}  // namespace capset
