// The plan of a bridge on its road as the bridge page draws it: the
// centreline and the road-bed edges along the bridge and a little beyond,
// each bent's axis, the outlines of its corners and its points. X north,
// Y east, metres; the page draws east to the right and north up.

#include "bridge_scene.h"
#include "bridge_texts.h"
#include "web_ops.h"

namespace capset::web {
namespace {

Json Line(const std::vector<PlanePoint>& points) {
  Json line = Json::array();
  for (const PlanePoint& p : points) line.push_back(XY(p));
  return line;
}

const char* RoleWord(ScenePointRole role) {
  switch (role) {
    case ScenePointRole::kCentre: return "centre";
    case ScenePointRole::kEdge: return "edge";
    case ScenePointRole::kTemplate: return "template";
  }
  return "template";
}

Json BridgePlan(WebState& state, const Args& args) {
  const std::string name = args.Text("bridge");
  CapSession& session = state.session;
  const Bridge* bridge = session.FindBridge(name);
  if (bridge == nullptr) RefuseWhole(NoSuchBridgeText(name));
  const Road* road = session.WorkingRoad();
  if (road == nullptr) RefuseWhole(kBridgeNeedsRoad);
  const BridgeSolution solution = *session.SolveBridgeNow(*bridge);
  const BridgeScene scene = MakeBridgeScene(*bridge, solution, *road, session.TemplateFinder());
  Json bents = Json::array();
  for (const SceneBent& b : scene.bents) {
    Json outlines = Json::array();
    for (std::vector<PlanePoint> outline : b.outlines) {
      // Closed, as the page draws it: the first corner again at the end.
      if (!outline.empty()) outline.push_back(outline.front());
      outlines.push_back(Line(outline));
    }
    Json grids = Json::array();
    for (const SceneSegment& s : b.gridLines) grids.push_back(Json::array({XY(s.from), XY(s.to)}));
    Json points = Json::array();
    for (int i = b.firstPoint; i < b.firstPoint + b.pointCount && i < static_cast<int>(scene.points.size()); ++i) {
      const ScenePoint& p = scene.points[static_cast<std::size_t>(i)];
      points.push_back(Json{{"name", p.name}, {"x", p.xy.X}, {"y", p.xy.Y}, {"role", RoleWord(p.role)}});
    }
    bents.push_back(Json{{"name", b.name},
                         {"solved", b.solved},
                         {"axis", b.solved ? Json::array({XY(b.axis.from), XY(b.axis.to)}) : Json()},
                         {"outline", outlines.empty() ? Json() : outlines.front()},
                         {"outlines", std::move(outlines)},
                         {"gridLines", std::move(grids)},
                         {"points", std::move(points)}});
  }
  return Json{{"centre", Line(scene.centreline)},
              {"left", Line(scene.leftEdge)},
              {"right", Line(scene.rightEdge)},
              {"bents", std::move(bents)}};
}

}  // namespace

void AddPlanOps(OpTable& ops) { ops["bridge.plan"] = BridgePlan; }

}  // namespace capset::web
