#pragma once
// The plan sketch of one cap, as a small scene in plane coordinates: the
// centreline, the road-bed edges, the cap axis and its points, a north
// arrow, a scale bar and a few lines of notes. The window only maps it to
// its band and paints it; the scene itself needs no toolkit.
//
// Plane coordinates are the survey's: X north, Y east. The view is a plane
// rectangle with the viewport's proportions, so one scale serves both axes
// and north is up.

#include <string>
#include <vector>

#include "cap_solution.h"
#include "cap_warnings.h"
#include "road_cap.h"

namespace capset {

// The size of the band the scene is drawn into, in pixels.
struct SketchViewport {
  double width;
  double height;
};

// The band the window gives the sketch: the form's middle band between its
// red lines, inside the frame (form1_layout.h places it).
inline constexpr SketchViewport kFormBand{772, 197};

enum class SceneKind { kPoint, kPolyline, kText, kArrow };

// How an element is drawn.
enum class SceneStyle {
  kCentreline,
  kStraight,
  kEdgeLine,
  kAxis,
  kAxisUnsolved,  // dashed: the half of the axis whose edge point was not found
  kCentre,
  kEdgePoint,
  kOrigin,     // ZH or HZ
  kSpiralEnd,  // HY or YH
  kNote,
  kWarning,
  kNorth,
  kScale,
  kToOrigin,  // an arrow on the border towards an origin out of view
  kMeasured,      // a point measured on site, within the tolerance of its design point
  kMeasuredOver,  // one beyond it
  kDeviation,     // from the design point to the measured one
};

struct SceneElement {
  SceneKind kind;
  SceneStyle style;
  std::string label;
  std::vector<PlanePoint> points;  // a point, a polyline's vertices, a text's top-left corner, an arrow's tail and head
};

struct SketchScene {
  // The plane rectangle the viewport shows.
  double minX, maxX;  // north
  double minY, maxY;  // east
  std::vector<SceneElement> elements;

  double MetresPerPixel(SketchViewport viewport) const { return (maxY - minY) / viewport.width; }
};

// Text lines are this many pixels apart; notes are drawn in a font that fits.
inline constexpr double kSketchLinePixels = 15;

SketchScene MakeSketch(const CapSolution& solution, const CapWarnings& warnings, SketchViewport viewport);

// A point measured on site and the design point it was checked against.
struct MeasuredMark {
  std::string label;  // its name and how far it is off: "M1 12.3 mm"
  PlanePoint measured;
  PlanePoint design;
  bool over;  // beyond the tolerance
};

// Adds the marks to a cap's scene, each a line from its design point and
// the measured point itself, drawn where they stand: a deviation of
// millimetres lies within the design point's dot, and its label says how
// far it is.
void AddMeasuredMarks(SketchScene& scene, const std::vector<MeasuredMark>& marks);

// The plan of a cap solved exactly on `road`: the true centreline near it,
// each element drawn by its own kind (a straight dash-dot-dot, a curve
// dash-dot) and named, both road-bed edges at their half-widths, the axis
// and the cap's points named C, L, R, P1…, a north arrow and a scale.
SketchScene MakeRoadSketch(const Road& road, const RoadCap& cap, double leftHalfWidth, double rightHalfWidth,
                           SketchViewport viewport);

// How far to move a label along one axis of the band so that it stays in
// it: `low` is the least move that keeps its start in (positive when it
// sticks out there), `high` the most that keeps its end in. No move when it
// fits as it is; a label longer than the band keeps its start in view.
double LabelShift(double low, double high);

// The scene one element a line: "SCENE", the kind, the label, then "X Y"
// for each point, separated by tabs.
std::vector<std::string> SceneLines(const SketchScene& scene);

}  // namespace capset
