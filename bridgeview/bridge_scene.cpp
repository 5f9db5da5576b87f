// Notation
//   ψ   a bent's axis azimuth; û = (cos ψ, sin ψ) along it in (X, Y)
//   h   the step the road is sampled at along the bridge: fine enough that
//       a chord of an arc of 100 m radius stays within 5 mm of it

#include "bridge_scene.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "angles.h"

namespace capset {
namespace {

constexpr double kMostStep = 2;       // h, metres
constexpr int kMostSamples = 4000;    // a bridge kilometres long is still drawn quickly
constexpr double kBareAxisHalf = 2;   // a bent of its centre alone: its axis this far either side

void Grow(PlaneBox& box, PlanePoint p) {
  box = {std::min(box.minX, p.X), std::min(box.minY, p.Y), std::max(box.maxX, p.X), std::max(box.maxY, p.Y)};
}

std::vector<PlanePoint> Sampled(const Road& road, double from, double to, double offset) {
  std::vector<PlanePoint> line;
  if (!(to > from)) return line;
  const int steps = std::clamp(static_cast<int>(std::ceil((to - from) / kMostStep)), 1, kMostSamples);
  line.reserve(static_cast<std::size_t>(steps) + 1);
  for (int i = 0; i <= steps; ++i) {
    const double d = i == steps ? to : from + (to - from) * i / steps;
    if (const std::optional<RoadPoint> p = road.At(d, offset)) line.push_back(p->point);
  }
  return line;
}

// The points of one bent by their point names ("Z1"), as indices into the scene.
class BentPoints {
 public:
  BentPoints(const BridgeScene& scene, const SceneBent& bent) : scene_(scene), bent_(bent) {}
  const PlanePoint* Find(const std::string& point) const {
    const std::string name = bent_.name + "-" + point;
    for (int i = bent_.firstPoint; i < bent_.firstPoint + bent_.pointCount; ++i) {
      if (scene_.points[i].name == name) return &scene_.points[i].xy;
    }
    return nullptr;
  }

 private:
  const BridgeScene& scene_;
  const SceneBent& bent_;
};

void AddItemShapes(const TemplateItem& item, const BentPoints& points, SceneBent& bent) {
  using Kind = TemplateItem::Kind;
  if (item.kind == Kind::kCorners) {
    std::vector<PlanePoint> outline;
    for (int k = 1; k <= 4; ++k) {
      if (const PlanePoint* p = points.Find(item.name + std::to_string(k))) outline.push_back(*p);
    }
    if (outline.size() == 4) bent.outlines.push_back(std::move(outline));
  } else if (item.kind == Kind::kGrid) {
    auto at = [&](int row, int col) { return points.Find(item.name + std::to_string(row * item.cols + col + 1)); };
    for (int r = 0; r < item.rows && item.cols > 1; ++r) {
      const PlanePoint *a = at(r, 0), *b = at(r, item.cols - 1);
      if (a && b) bent.gridLines.push_back({*a, *b});
    }
    for (int c = 0; c < item.cols && item.rows > 1; ++c) {
      const PlanePoint *a = at(0, c), *b = at(item.rows - 1, c);
      if (a && b) bent.gridLines.push_back({*a, *b});
    }
  }
}

}  // namespace

BridgeScene MakeBridgeScene(const Bridge& bridge, const BridgeSolution& solution, const Road& road,
                            const TemplateLookup& templates) {
  BridgeScene scene;
  scene.box = {INFINITY, INFINITY, -INFINITY, -INFINITY};
  double first = INFINITY, last = -INFINITY, left = 0, right = 0;
  for (std::size_t k = 0; k < solution.bents.size(); ++k) {
    const BentSolution& solved = solution.bents[k];
    SceneBent bent;
    bent.name = solved.bent;
    bent.solved = solved.Solved();
    bent.firstPoint = static_cast<int>(scene.points.size());
    bent.box = {INFINITY, INFINITY, -INFINITY, -INFINITY};
    const BridgePoint* edges[2] = {nullptr, nullptr};
    double leastU = 0, mostU = 0;
    for (const BridgePoint& p : solved.points) {
      const ScenePointRole role = p.point == "C"   ? ScenePointRole::kCentre
                                  : p.point == "L" || p.point == "R" ? ScenePointRole::kEdge
                                                                     : ScenePointRole::kTemplate;
      if (role == ScenePointRole::kCentre) {
        bent.centre = p.xy;
        if (p.status == WhereStatus::kOnRoad) first = std::min(first, p.distance), last = std::max(last, p.distance);
      }
      if (role == ScenePointRole::kEdge) edges[p.point == "R"] = &p;
      leastU = std::min(leastU, p.u), mostU = std::max(mostU, p.u);
      scene.points.push_back({p.xy, p.Name(), static_cast<int>(k), role});
      Grow(bent.box, p.xy);
    }
    bent.pointCount = static_cast<int>(scene.points.size()) - bent.firstPoint;
    if (bent.solved) {
      const double psi = ToRadians(solved.axisAzimuth);
      const PlanePoint along{std::cos(psi), std::sin(psi)};
      if (leastU == mostU) leastU = -kBareAxisHalf, mostU = kBareAxisHalf;
      const auto on = [&](double u) { return PlanePoint{bent.centre.X + u * along.X, bent.centre.Y + u * along.Y}; };
      bent.axis = {edges[0] ? edges[0]->xy : on(leastU), edges[1] ? edges[1]->xy : on(mostU)};
      Grow(bent.box, bent.axis.from);
      Grow(bent.box, bent.axis.to);
    }
    if (k < bridge.bents.size()) {
      const Bent& typed = bridge.bents[k];
      if (typed.left) left = std::max(left, *typed.left);
      if (typed.right) right = std::max(right, *typed.right);
      const SubstructureTemplate* tmpl = typed.templateName.empty() ? nullptr : templates(typed.templateName);
      if (tmpl != nullptr && bent.solved) {
        const BentPoints points(scene, bent);
        for (const TemplateItem& item : tmpl->items) AddItemShapes(item, points, bent);
      }
    }
    if (bent.pointCount > 0) {
      Grow(scene.box, {bent.box.minX, bent.box.minY});
      Grow(scene.box, {bent.box.maxX, bent.box.maxY});
    }
    scene.bents.push_back(std::move(bent));
  }
  if (first <= last) {
    const double from = std::max(0.0, first - kRoadBeyondBents), to = std::min(road.length(), last + kRoadBeyondBents);
    scene.centreline = Sampled(road, from, to, 0);
    if (left > 0) scene.leftEdge = Sampled(road, from, to, -left);
    if (right > 0) scene.rightEdge = Sampled(road, from, to, right);
    for (const auto* line : {&scene.centreline, &scene.leftEdge, &scene.rightEdge}) {
      for (const PlanePoint& p : *line) Grow(scene.box, p);
    }
  }
  if (scene.points.empty() && scene.centreline.empty()) scene.box = {0, 0, 0, 0};
  return scene;
}

std::vector<int> ThinLabels(const std::vector<Pixel>& at, double width, double height, int firstFrom,
                            int firstCount) {
  std::vector<int> kept;
  if (at.empty()) return kept;
  width = std::max(width, 1e-9);
  height = std::max(height, 1e-9);
  // Kept labels by the cell of `width` × `height` they fall in: one that
  // runs into a label can only be in its cell or a neighbouring one.
  std::unordered_map<long long, std::vector<int>> cells;
  const auto key = [](long long i, long long j) { return i * 2000003LL + j; };
  const auto consider = [&](int n) {
    const Pixel p = at[static_cast<std::size_t>(n)];
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
    const long long i = static_cast<long long>(std::floor(p.x / width)), j = static_cast<long long>(std::floor(p.y / height));
    for (long long di = -1; di <= 1; ++di) {
      for (long long dj = -1; dj <= 1; ++dj) {
        const auto found = cells.find(key(i + di, j + dj));
        if (found == cells.end()) continue;
        for (int m : found->second) {
          const Pixel q = at[static_cast<std::size_t>(m)];
          if (std::fabs(p.x - q.x) < width && std::fabs(p.y - q.y) < height) return;
        }
      }
    }
    cells[key(i, j)].push_back(n);
    kept.push_back(n);
  };
  const int count = static_cast<int>(at.size());
  firstFrom = std::clamp(firstFrom, 0, count);
  firstCount = std::clamp(firstCount, 0, count - firstFrom);
  for (int n = firstFrom; n < firstFrom + firstCount; ++n) consider(n);
  for (int n = 0; n < count; ++n) {
    if (n < firstFrom || n >= firstFrom + firstCount) consider(n);
  }
  return kept;
}

}  // namespace capset
