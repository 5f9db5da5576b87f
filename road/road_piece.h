#pragma once
// The road is held as pieces: each element cut so that no piece turns by
// more than kPieceSwing. Every point of a piece is integrated from the
// piece's own start pose, so a point costs one short series whatever the
// element's length, and no point is the difference of two long integrals.
//
// Notation
//   h        length along a piece from its start
//   θ        heading, radians clockwise from north, unwrapped: it runs on
//            continuously along the road (it may leave [0, 2π))
//   t, n     forward tangent (cos θ, sin θ) and right normal (−sin θ, cos θ)
//            in (X, Y)
//   κ0, c    curvature at the piece's start and its rate: κ(h) = κ0 + c·h

#include <vector>

#include "angles.h"

#include "road_types.h"

namespace capset {

// Largest turn of one piece: the largest |κ| on it times its length. It
// keeps each point to one series segment of about a dozen terms, and the
// foot search's bound on how a piece bends simple.
constexpr double kPieceSwing = 0.5;

struct RoadPose {
  PlanePoint point;
  double heading;    // θ
  double curvature;  // κ
};

// A piece's points are held relative to the road's origin (Road::origin()):
// a grid's coordinates near 3.4e6 m carry only 4.7e-10 m in their last bit,
// a road's own extent of a few kilometres carries 1e-12 m.
struct RoadPiece {
  double start;   // distance along the road at the piece's start
  double length;
  RoadPose begin;  // pose at h = 0
  PlanePoint end;  // point at h = length
  double c;        // curvature rate (begin.curvature is κ0)
  double cosH, sinH;  // of begin.heading
  int element;     // index into the road's elements
};

// P(h) − P(0), from the piece's own start: small numbers, every digit kept,
// however far the road lies from the coordinate origin.
struct PieceStep {
  double dX, dY;
  double heading;    // θ(h)
  double curvature;  // κ(h)
};
PieceStep StepOnPiece(const RoadPiece& piece, double h);

// The pose at h along the piece (h may lie slightly outside [0, length]).
RoadPose PoseOnPiece(const RoadPiece& piece, double h);

// θ and κ at h: cheap, no integral.
inline double HeadingOnPiece(const RoadPiece& p, double h) {
  return p.begin.heading + h * (p.begin.curvature + p.c * h / 2);
}
inline double CurvatureOnPiece(const RoadPiece& p, double h) { return p.begin.curvature + p.c * h; }

// The pose after `length` along a curve of start curvature κ0 and rate c.
RoadPose Advance(const RoadPose& from, double c, double length);

// The heading of `azimuth` degrees, moved by whole turns to lie within π of `near`.
double HeadingNear(double heading, double near);

}  // namespace capset
