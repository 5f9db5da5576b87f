#pragma once
// The small value types of the road: what a caller asks with and gets back.
//
// Conventions
//   X north, Y east, metres. Azimuth: degrees clockwise from north, in
//   [0, 360). Distance: the continuous length along the centreline from the
//   road's start (0 there). Station: what the drawings print; it is the
//   start station plus the distance until a station equation.
//   Offset: looking in the direction of increasing stations, right is
//   positive. Curvature: 1/m, positive where the road turns right.
//   Indices that name a JD or an element to a user count from 1; indices
//   into the road's own vectors count from 0.

#include <string>
#include <vector>

#include "spiral.h"  // PlanePoint

namespace capset {

enum class ElementKind { kLine, kArc, kSpiral };

// A station as a user means it. In a 长链 overlap (a station equation whose
// back station is greater than its ahead station) the stations between
// exist twice along the road; `occurrence` says which: 1 for the first
// along the road, 2 for the second. 0 means "not said", which is enough
// wherever the value exists once.
struct StationRef {
  double value;
  int occurrence = 0;
  bool operator==(const StationRef&) const = default;
};

// A station equation (断链): the road reaches `back` in the stations before
// it, and carries on from `ahead`. back < ahead is a 短链 (the stations
// between do not exist), back > ahead a 长链 (they exist twice).
struct StationEquation {
  double back;
  double ahead;
  bool operator==(const StationEquation&) const = default;
};

enum class PlaceStatus {
  kPlaced,
  kBeforeStart,       // below the road's first station
  kAfterEnd,          // beyond its last station
  kInGap,             // between back and ahead of a 短链: no such station
  kTwice,             // in a 长链 overlap and the occurrence was not said
  kNoSuchOccurrence,  // an occurrence that the value does not have
};

// Where a station lies along the road.
struct Placement {
  PlaceStatus status;
  double distance;  // kPlaced: the distance along the road
  // kTwice and kNoSuchOccurrence: the distance of every place where the
  // value exists, in order along the road, so a message can name them.
  std::vector<double> places;
  int equation;  // kInGap, kTwice: the equation (from 1) whose gap or overlap holds the value; else 0
};

// A point of the road or beside it.
struct RoadPoint {
  PlanePoint point;    // at the asked offset from the centreline
  double azimuth;      // of the forward tangent (increasing stations), degrees
  double curvature;    // of the centreline there
  ElementKind kind;    // of the element the centreline point lies on
  int element;         // its index in Road::elements(), from 0
};

enum class WhereStatus {
  kOnRoad,       // the nearest foot lies on the road
  kBeforeStart,  // the point lies beyond the road's start line
  kAfterEnd,     // the point lies beyond the road's end line
  kOffRoad,      // nearest to a part of the road whose centre of curvature it is at or beyond: no station and offset
};

// The foot of a point on the centreline: the nearest centreline point.
struct RoadFoot {
  WhereStatus status;
  // kOnRoad: the foot's distance and the point's offset from it.
  // kBeforeStart / kAfterEnd: the point seen along the tangent at the end it
  // is beyond (a distance below 0, or above the road's length) and across it.
  double distance;
  double offset;
  StationRef station;  // kOnRoad: the foot's station
  PlanePoint foot;
  double azimuth;    // forward tangent at the foot, degrees
  double curvature;  // at the foot
  ElementKind kind;
  int element;
};

enum class KeyPointKind {
  kBP, kZH, kHY, kQZ, kYH, kHZ, kZY, kYZ, kEP,  // a road from intersection points
  kS, kJ, kE,                                   // a road from elements (and the window's job)
};

struct KeyPoint {
  KeyPointKind kind;
  int number;  // the JD (from 1) of a curve's point, the joint (from 1) of a Jn; 0 for BP, EP, S, E
  double distance;
  StationRef station;
  PlanePoint point;
  double azimuth;  // forward tangent, degrees
};

// "BP", "ZH3", "QZ3", "J2", "E".
std::string KeyPointName(const KeyPoint& key);

// The curve elements of one intersection point, as the drawings' table gives them.
struct CurveElements {
  int jd;            // from 1
  PlanePoint point;  // the JD
  double turn;       // α, decimal degrees, positive to the right
  double R, Ls1, Ls2;
  double T1, T2;     // tangent lengths JD → ZH and JD → HZ
  double L, Ly;      // curve length and arc length
  double E;          // distance from the JD to QZ
  double J;          // T1 + T2 − L
  double p1, q1, p2, q2;
  double jdStation;  // the JD's station, chained as the drawings chain it: ZH + T1
  double zhDistance; // where the curve begins along the road (ZH or ZY)
};

}  // namespace capset
