#pragma once
// A bridge: its name and its bents (墩台), each a cap axis on the road with
// a template of points in the cap's frame (substructure.h).
//
// A bent's cap is the exact cap of the batch: its centre on the centreline
// at its station, its axis at B clockwise from the forward tangent at its
// own station (axis own) or at a design station (axis parallel), and, when
// it has half-widths, its edges where the axis meets the road-bed edges.
// Its points, in order: C (the centre), L and R (the edges, when it has
// half-widths), then its template's. A point is named "<bent>-<point>":
// "3-C", "3-Z1".

#include <optional>
#include <string>
#include <vector>

#include "bridge_problem.h"
#include "road.h"
#include "road_cap.h"
#include "substructure.h"

namespace capset {

struct Bent {
  std::string name;
  StationRef station{};
  double B = 90;  // decimal degrees, 0 < B < 180; square by default
  CapAxisMode axis = CapAxisMode::kOwn;
  StationRef design{};  // for kParallel
  // The half-widths of the road bed on the left and on the right; none:
  // the bent gives no edge points.
  std::optional<double> left = std::nullopt, right = std::nullopt;
  double depth = 0;                // below the deck surface, metres
  std::string templateName = {};   // empty: no template, the cap's own points alone
  int line = 0;                    // the line it was typed on, from 1
  bool operator==(const Bent&) const = default;
};

struct Bridge {
  std::string name;
  std::vector<Bent> bents;
  bool operator==(const Bridge&) const = default;
};

// A bridge checked as a whole: a bent, no more than kMostBents, names
// that are point names and apart, every template known, and, when there is
// a road, every bent's station (and design station) on it. The problems by
// line; none for a good bridge.
std::vector<BridgeLineProblem> CheckBridge(const Bridge& bridge, const TemplateLookup& templates, const Road* road);

}  // namespace capset
