#pragma once
// Roads, templates and bents shared by the bridge tests.

#include <gtest/gtest.h>

#include <string>

#include "bridge_solve.h"
#include "road_build.h"
#include "road_fixtures.h"

namespace capset::testing {

// Grid coordinates of a real project, so that no test passes on digits a
// small coordinate would leave free.
constexpr double kX0 = 3355206.736, kY0 = 505412.824;

// A straight of 300 m, then an arc of 400 m, R 250, right: stations 1000 … 1700.
inline Road ArcRoad() {
  return Made(RoadFromElements(
      {1000, {kX0, kY0}, 61.5, {{ElementKind::kLine, 300}, {ElementKind::kArc, 400, 250, kNoRadius, TurnSide::kRight}}, {}}));
}

// A straight of 200 m, a clothoid of 300 m from a straight end to R 300,
// then that arc, all turning left: the spiral holds stations 1200 … 1500.
inline Road SpiralRoad(std::vector<StationEquation> equations = {}) {
  return Made(RoadFromElements({1000,
                                {kX0, kY0},
                                212.25,
                                {{ElementKind::kLine, 200},
                                 {ElementKind::kSpiral, 300, kNoRadius, 300, TurnSide::kLeft},
                                 {ElementKind::kArc, 300, 300, kNoRadius, TurnSide::kLeft}},
                                std::move(equations)}));
}

// The same road with a 长链 at 1400: back 1400 = ahead 1380, so the stations
// 1380 … 1400 are there twice.
inline Road SpiralRoadWithEquation() { return SpiralRoad({{1400, 1380}}); }

inline TemplateItem Grid(const char* name, int rows, int cols, double du, double dv, double u0 = 0, double v0 = 0) {
  TemplateItem item{TemplateItem::Kind::kGrid, name, u0, v0, rows, cols, du, dv};
  return item;
}

inline TemplateItem Corners(const char* name, double length, double width) {
  TemplateItem item{TemplateItem::Kind::kCorners, name};
  item.length = length;
  item.width = width;
  return item;
}

inline TemplateItem OnePoint(const char* name, double u, double v, std::optional<double> depth = std::nullopt) {
  TemplateItem item{TemplateItem::Kind::kPoint, name, u, v};
  item.depth = depth;
  return item;
}

// A pier on a pile cap: 3 rows of 4 piles off the bent's centre, the cap's
// corners, a bearing with a depth of its own.
inline SubstructureTemplate PileGroup() {
  return {"group", {Grid("Z", 3, 4, 2.8, 3.1, 0.7, -0.4), Corners("T", 11, 7), OnePoint("S1", -1.5, 0.6, 2.25)}};
}

inline TemplateLookup Only(const SubstructureTemplate& tmpl) {
  return [&tmpl](const std::string& name) { return name == tmpl.name ? &tmpl : nullptr; };
}

inline Bent SkewBent(const char* name, double station, double B, CapAxisMode axis = CapAxisMode::kOwn,
                     double design = 0) {
  Bent bent;
  bent.name = name;
  bent.station = {station};
  bent.B = B;
  bent.axis = axis;
  bent.design = {axis == CapAxisMode::kParallel ? design : station};
  bent.left = 6.25;
  bent.right = 9.5;
  bent.depth = 1.6;
  bent.templateName = "group";
  return bent;
}

}  // namespace capset::testing
