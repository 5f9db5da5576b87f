#include "cap_design.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "angles.h"
#include "export_formats.h"

namespace capset {
namespace {

PlanePoint Direction(double azimuthDegrees) {
  const double t = ToRadians(azimuthDegrees);
  return {std::cos(t), std::sin(t)};
}

// The unit vector from p to q; nothing when they coincide.
std::optional<PlanePoint> Towards(PlanePoint p, PlanePoint q) {
  const double dX = q.X - p.X, dY = q.Y - p.Y, d = std::hypot(dX, dY);
  if (!(d > 0)) return std::nullopt;
  return PlanePoint{dX / d, dY / d};
}

// Fills in how far the axis reaches: from the outermost point on one side
// to the outermost on the other, the centre always included.
CapDesignPoints Spanned(CapDesignPoints design) {
  design.first = design.last = 0;
  for (const DesignPoint& p : design.points) {
    const double a = (p.point.X - design.centre.X) * design.u.X + (p.point.Y - design.centre.Y) * design.u.Y;
    design.first = std::min(design.first, a);
    design.last = std::max(design.last, a);
  }
  design.halfWidth = std::max({design.halfWidth, -design.first, design.last});
  return design;
}

std::optional<PlanePoint> PointNamed(const std::vector<DesignPoint>& points, const std::string& name) {
  for (const DesignPoint& p : points) {
    if (p.name == name) return p.point;
  }
  return std::nullopt;
}

}  // namespace

// The design of a row's points in plan.
std::optional<CapDesignPoints> DesignWithoutHeights(const CapRecord& record);

namespace {

// Each design point takes the height its row keeps for the point of that name.
CapDesignPoints WithHeights(CapDesignPoints design, const CapRecord& record) {
  if (!record.heights) return design;
  const auto points = PointsOf(record);
  const auto heights = PointHeightsOf(record);
  for (DesignPoint& p : design.points) {
    for (std::size_t i = 0; i < points.size(); ++i) {
      if (points[i].first == p.name) p.height = heights[i];
    }
  }
  return design;
}

}  // namespace

std::optional<CapDesignPoints> DesignOf(const CapRecord& record) {
  auto design = DesignWithoutHeights(record);
  if (!design) return design;
  return WithHeights(std::move(*design), record);
}

std::optional<CapDesignPoints> DesignWithoutHeights(const CapRecord& record) {
  if (const ExactCap* exact = record.Exact()) {
    auto design = DesignOf(record.number, exact->cap);
    if (design) {
      design->name = record.name;
      design->halfWidth = std::max({design->halfWidth, exact->leftHalfWidth, exact->rightHalfWidth});
    }
    return design;
  }
  const CapSolution* s = record.Solution();
  if (s == nullptr) return std::nullopt;
  CapDesignPoints design{record.number, record.name, s->centre, {0, 0}, 0, 0, {}, std::fabs(record.answers.DR)};
  for (auto& [name, point] : PointsOf(record)) design.points.push_back({name, point});

  // The window's formulas name the edges by the bend: the inner edge is the
  // right-hand one where the curve turns right. Seen from ZH along T the
  // stations increase, seen from HZ they decrease, so the side the turn
  // takes (s) flips with the end.
  const bool innerIsRight = (s->end == SpiralEnd::kZH) == (s->s > 0);
  const std::string right = innerIsRight ? "I" : "O", left = innerIsRight ? "O" : "I";
  std::optional<PlanePoint> u;
  if (auto r = PointNamed(design.points, right)) u = Towards(s->centre, *r);
  if (!u) {
    if (auto l = PointNamed(design.points, left)) u = Towards(*l, s->centre);
  }
  design.u = u ? *u : Direction(innerIsRight ? s->innerAxis : s->outerAxis);
  return Spanned(std::move(design));
}

std::vector<CapDesignPoints> DesignsOf(const std::vector<CapRecord>& records) {
  std::vector<CapDesignPoints> designs;
  for (const CapRecord& record : records) {
    if (auto design = DesignOf(record)) designs.push_back(std::move(*design));
  }
  return designs;
}

std::optional<CapDesignPoints> DesignOf(int row, const RoadCap& cap) {
  if (cap.fault != RoadCapFault::kNone) return std::nullopt;
  CapDesignPoints design{row, "", cap.centre.point, Direction(cap.axisAzimuth), 0, 0, {{"C", cap.centre.point}}};
  if (cap.left.problem == CapSideProblem::kNone) design.points.push_back({"L", cap.left.point.point});
  if (cap.right.problem == CapSideProblem::kNone) design.points.push_back({"R", cap.right.point.point});
  for (std::size_t i = 0; i < cap.points.size(); ++i) {
    design.points.push_back({"P" + std::to_string(i + 1), cap.points[i].point});
  }
  return Spanned(std::move(design));
}

}  // namespace capset
