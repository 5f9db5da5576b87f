#pragma once
// The exact cap on a road: its centre at a station on whatever element it
// falls, its axis, the two points where the axis meets the road-bed edges,
// and points along the axis. Numbers in, numbers out; a side that cannot
// be solved says why, as data, and gives no point.
//
// Conventions (those of the road): right is positive; the axis lies at B
// clockwise from the forward tangent (increasing stations), so for
// 0 < B < 180 it points from the centre to the right-hand edge, and a
// distance along it is positive towards that edge.

#include <vector>

#include "road.h"

namespace capset {

enum class CapAxisMode {
  kParallel,  // every cap of the bridge at B to the tangent at the design station
  kOwn,       // each cap at B to the tangent at its own station
};

struct RoadCapRequest {
  StationRef centre;  // Kp
  double B;           // decimal degrees, 0 < B < 180
  CapAxisMode axis;
  StationRef design;  // Kj, read for kParallel
  double leftHalfWidth;   // from the centreline to the left road-bed edge, > 0
  double rightHalfWidth;  // to the right one, > 0
  std::vector<double> offsets;  // along the axis from the centre, + towards the right-hand edge
};

enum class RoadCapFault {
  kNone,
  kCentreNotPlaced,     // Kp is not a station of the road (`placement` says why)
  kDesignNotPlaced,     // Kj is not
  kSkewOutOfRange,      // B not strictly between 0 and 180
  kHalfWidthNotPositive,
  kNotFinite,           // B, a half-width or an offset that is not a number
};

enum class CapSideProblem {
  kNone,
  kAxisAlongRoad,  // the road turns parallel to the axis before its edge line meets it
  kEdgeFolds,      // the edge line folds (the curve is tighter than the half-width) before it meets the axis
  kPastStart,      // the edge line would meet the axis before the road's start
  kPastEnd,        // after its end
  kAxisReversed,   // at the centre the axis runs at 0 … 180° the other way (Kj far round the curve from Kp)
};

// A point of the cap and its foot on the centreline.
struct RoadCapPoint {
  PlanePoint point;
  double along;        // from the centre along the axis, + towards the right-hand edge
  WhereStatus status;  // of the foot; the fields below hold for kOnRoad
  double distance;
  StationRef station;
  double offset;       // + right
  ElementKind kind;    // of the element the foot lies on
  double curvature;    // at the foot: its sign says which side is outer
};

struct RoadCapEdge {
  CapSideProblem problem;
  RoadCapPoint point;  // for kNone
  int steps;           // root-finding steps taken
  double residual;     // distance of the point from the axis line, m
};

struct RoadCap {
  RoadCapFault fault;
  Placement placement;  // kCentreNotPlaced, kDesignNotPlaced: why
  RoadCapPoint centre;
  double axisAzimuth;   // from the centre towards the right-hand edge, degrees
  double skewAtCentre;  // the axis against the forward tangent at the centre, degrees
  RoadCapEdge left, right;
  std::vector<RoadCapPoint> points;  // one per offset, in the order asked
};

RoadCap SolveRoadCap(const Road& road, const RoadCapRequest& request);

}  // namespace capset
