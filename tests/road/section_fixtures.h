#pragma once
// The section the cross-section tests share: the textbook crest as its
// profile (K5+030.00 at 427.68 m, +5 %, −4 %, R 2000, distances as
// stations), a crown of 2 %, half-widths 4.5 m left and 6 m right, the
// design line on the left edge, and a transition of 6 % over 4900, 4960,
// 5060, 5120: the case of tests/golden/section_golden.py.

#include <vector>

#include "cross_section.h"
#include "road_heights.h"

namespace capset::testing {

inline ProfileInput CrestInput() {
  return {{{{4800}, 416.18}, {{5030}, 427.68, VerticalCurveKind::kRadius, 2000}, {{5300}, 416.88}}};
}

inline CrossSectionInput GoldenSectionInput() {
  CrossSectionInput in;
  in.crown = 2;
  in.leftWidth = 4.5;
  in.rightWidth = 6;
  in.design = -4.5;
  return in;
}

inline SuperInput GoldenTransition(SuperAxis axis, SectionSide inner) {
  SuperInput t;
  t.ts = {4900}, t.fs = {4960}, t.fe = {5060}, t.te = {5120};
  t.e = 6;
  t.inner = inner;
  t.axis = axis;
  return t;
}

inline const char* AxisName(SuperAxis axis) {
  return axis == SuperAxis::kCentre ? "centre" : axis == SuperAxis::kInnerEdge ? "inner edge" : "outer edge";
}

}  // namespace capset::testing
