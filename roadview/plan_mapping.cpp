#include "plan_mapping.h"

#include <algorithm>
#include <cmath>

namespace capset {
namespace {

// From 100 km in a pixel to a millimetre a pixel: beyond either nothing can be read.
constexpr double kLeastScale = 1e-5;
constexpr double kMostScale = 1e3;

}  // namespace

void PlanMapping::SetView(double width, double height) {
  w_ = std::max(width, 1.0);
  h_ = std::max(height, 1.0);
}

void PlanMapping::Fit(const PlaneBox& box, double margin) {
  const double spanY = std::max(box.maxY - box.minY, 1e-3), spanX = std::max(box.maxX - box.minX, 1e-3);
  const double usableW = std::max(w_ - 2 * margin, 1.0), usableH = std::max(h_ - 2 * margin, 1.0);
  s_ = std::clamp(std::min(usableW / spanY, usableH / spanX), kLeastScale, kMostScale);
  c_ = {(box.minX + box.maxX) / 2, (box.minY + box.maxY) / 2};
}

Pixel PlanMapping::ToPixel(PlanePoint p) const { return {w_ / 2 + s_ * (p.Y - c_.Y), h_ / 2 - s_ * (p.X - c_.X)}; }

PlanePoint PlanMapping::ToPlane(Pixel q) const { return {c_.X - (q.y - h_ / 2) / s_, c_.Y + (q.x - w_ / 2) / s_}; }

void PlanMapping::ZoomAbout(Pixel at, double factor) {
  const PlanePoint held = ToPlane(at);
  s_ = std::clamp(s_ * factor, kLeastScale, kMostScale);
  // The centre moves so that `held` maps to `at` again.
  c_ = {held.X + (at.y - h_ / 2) / s_, held.Y - (at.x - w_ / 2) / s_};
}

void PlanMapping::Pan(double dx, double dy) { c_ = {c_.X + dy / s_, c_.Y - dx / s_}; }

PlaneBox PlanMapping::Visible() const {
  const PlanePoint a = ToPlane({0, h_}), b = ToPlane({w_, 0});
  return {a.X, a.Y, b.X, b.Y};
}

std::optional<Pixel> StationPixel(const PlanMapping& mapping, const Road& road, StationRef station) {
  const Road::StationPoint at = road.AtStation(station);
  if (!at.point) return std::nullopt;
  return mapping.ToPixel(at.point->point);
}

PlaneBox RoadBox(const Road& road) {
  PlaneBox box{INFINITY, INFINITY, -INFINITY, -INFINITY};
  auto add = [&box](PlanePoint p) {
    box = {std::min(box.minX, p.X), std::min(box.minY, p.Y), std::max(box.maxX, p.X), std::max(box.maxY, p.Y)};
  };
  // Pieces turn at most half a radian, so their ends and midpoints bound the curve closely.
  for (const RoadPiece& piece : road.pieces()) {
    add(road.PoseAt(piece.start).point);
    add(road.PoseAt(piece.start + piece.length / 2).point);
  }
  add(road.PoseAt(road.length()).point);
  return box;
}

}  // namespace capset
