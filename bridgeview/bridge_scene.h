#pragma once
// The plan of a bridge on its road, in plane coordinates (X north, Y east,
// metres), made once for a solved bridge and drawn at any scale: the
// centreline and the road-bed edges along the bridge, every bent's cap
// axis, the outlines its template's corners give, its pile grids' rows and
// columns, and every point with its name. The labels a view can show
// without overlap are chosen by ThinLabels, once the scale is known.

#include <string>
#include <vector>

#include "bridge.h"
#include "bridge_solve.h"
#include "plan_mapping.h"

namespace capset {

enum class ScenePointRole { kCentre, kEdge, kTemplate };

struct ScenePoint {
  PlanePoint xy;
  std::string name;  // "3-Z1"
  int bent;          // its index in the scene's bents
  ScenePointRole role;
};

struct SceneSegment {
  PlanePoint from, to;
};

struct SceneBent {
  std::string name;
  bool solved = false;
  PlanePoint centre{0, 0};
  SceneSegment axis{};                             // edge to edge, else across the bent's points
  std::vector<std::vector<PlanePoint>> outlines;   // each corners item's rectangle, closed by the view
  std::vector<SceneSegment> gridLines;             // each pile grid's rows and columns
  int firstPoint = 0, pointCount = 0;              // in the scene's points
  PlaneBox box{};
};

struct BridgeScene {
  std::vector<PlanePoint> centreline, leftEdge, rightEdge;  // along the bridge and a little beyond
  std::vector<SceneBent> bents;
  std::vector<ScenePoint> points;
  PlaneBox box{0, 0, 0, 0};
  bool empty() const { return points.empty(); }
};

// The road is drawn this far beyond the first and last bents, metres.
inline constexpr double kRoadBeyondBents = 30;

// `solution` is of `bridge` on `road`.
BridgeScene MakeBridgeScene(const Bridge& bridge, const BridgeSolution& solution, const Road& road,
                            const TemplateLookup& templates);

// The points whose labels can be drawn without running into another: a
// label takes `width` × `height` pixels beside its point, so two run into
// each other when their points are less than `width` apart across and
// less than `height` apart up and down. The points from `firstFrom` (the
// chosen bent's, `firstCount` of them) are taken first, then the others in
// their order, each kept when it runs into no kept one. Indices into `at`,
// in the order kept.
std::vector<int> ThinLabels(const std::vector<Pixel>& at, double width, double height, int firstFrom = 0,
                            int firstCount = 0);

}  // namespace capset
