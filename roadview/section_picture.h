#pragma once
// The section the 横断面 page draws at a station: the two cross slopes, the
// centreline's, the edges' and the design line's rises, and with a profile
// their elevations. Offsets right positive; an edge not given (a half-width
// of 0) is drawn at a nominal width and has no elevation.

#include <optional>

#include "road_heights.h"

namespace capset {

struct SectionPoint {
  double offset;
  double rise;                       // above the design line's elevation in the normal section
  std::optional<double> elevation;   // with a profile at this distance
};

struct SectionPicture {
  double left, right;  // cross slopes, percent
  SectionPoint leftEdge, centre, rightEdge, design;
  bool leftGiven, rightGiven;  // the half-widths were given
};

// Drawn half-width where none is given, metres.
constexpr double kNominalHalfWidth = 5;

// `heights` may be null (no profile): rises alone.
SectionPicture MakeSectionPicture(const CrossSection& section, const RoadHeights* heights, double distance);

}  // namespace capset
