#pragma once
// A road as a file of elements lays it out (LandXML's CoordGeom): each
// element with its points in the plane, its radii and turn, and each
// station equation with the distance where it stands, so that a writer
// only puts the numbers down.

#include <optional>
#include <vector>

#include "road_build.h"

namespace capset {

struct LaidElement {
  ElementKind kind;
  double length;
  TurnSide turn;         // arcs and spirals
  PlanePoint start, end;
  double radius = 0;                  // an arc's
  double startRadius = kNoRadius;     // a spiral's, kNoRadius at a straight end
  double endRadius = kNoRadius;
  double constant = 0;                // a spiral's A: A² = L/|κ1 − κ0|
  std::optional<PlanePoint> centre;   // an arc's
  std::optional<PlanePoint> meeting;  // where its end tangents meet (PI), when they do
};

struct LaidEquation {
  // Where it stands, as a station without equations: the road's first
  // station plus the distance; nothing when the back station is not on the road.
  std::optional<double> internal;
  StationEquation equation;
};

struct RoadLayout {
  double length;
  double firstStation;
  std::vector<LaidElement> elements;  // those of a length above 0
  std::vector<LaidEquation> equations;
};

RoadLayout LayOut(const Road& road);

}  // namespace capset
