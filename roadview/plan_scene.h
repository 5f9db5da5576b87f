#pragma once
// The plan of the whole road, in plane coordinates, made once for a road
// and drawn at any scale: the centreline cut into short runs by element
// kind (each with its box, so a view draws only the runs it can see), the
// JD polygon, a tick every 100 m of station with its K label, and the key
// points.

#include <string>
#include <vector>

#include "plan_mapping.h"
#include "road.h"

namespace capset {

struct PlanRun {
  ElementKind kind;
  PlaneBox box;
  std::vector<PlanePoint> points;
};

struct PlanTick {
  PlanePoint point;
  double azimuth;  // the forward tangent, degrees: the tick is drawn across it
  bool kilometre;  // a whole kilometre
  std::string label;
};

struct PlanKeyPoint {
  PlanePoint point;
  std::string name;
};

struct PlanScene {
  std::vector<PlanRun> runs;
  std::vector<PlanePoint> polygon;  // BP, the JDs, EP; empty for a road without JDs
  std::vector<PlanTick> ticks;
  std::vector<PlanKeyPoint> keys;
  PlaneBox box;
};

// The spacing of the ticks, in station metres.
constexpr double kTickSpacing = 100;

PlanScene MakePlanScene(const Road& road);

}  // namespace capset
