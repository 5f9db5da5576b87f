#pragma once
// The section the cross-section tests share: the textbook crest as its
// profile (K5+030.00 at 427.68 m, +5 %, −4 %, R 2000, distances as
// stations), a crown of 2 %, half-widths 4.5 m left and 6 m right, the
// design line on the left edge, and a transition of 6 % over 4900, 4960,
// 5060, 5120: the case of tests/golden/section_golden.py.

#include <vector>

#include "cross_section.h"
#include "road_build.h"
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

namespace capset::testing {

// A straight road from K4+700 with a 长链 of 20 m (K4+870 = K4+850) and a
// 短链 of 50 m (K5+200 = K5+250), 800 m long: K4+850 … K4+870 lie twice,
// K5+200 … K5+250 nowhere, and K5+030 lies 250 m beyond K4+800.
inline ElementRoadInput ChainedStraight() {
  return {4700, {3.4e6, 5.1e5}, 30, {{ElementKind::kLine, 800}}, {{4870, 4850}, {5200, 5250}}};
}

// Two JDs: JD1 turns 45° right (R 600, spirals 120 and 120), JD2 45° left
// (R 500, spirals `ls21` and `ls22`), from BP at K0+000.
inline IntersectionRoadInput TwoCurves(double ls21 = 100, double ls22 = 80) {
  return {0, {0, 0}, {{{1000, 0}, 600, 120, 120}, {{1700, 700}, 500, ls21, ls22}}, {2400, 700}, {}};
}

// The textbook crest on ChainedStraight(): K5+030.00 at 427.68 m with
// +5 % from K4+800 (250 m back across the 长链, so 415.18 m) and −4 % to
// K5+350 (270 m on across the 短链, so 416.88 m).
inline ProfileInput ChainedCrest() {
  return {{{{4800}, 415.18}, {{5030}, 427.68, VerticalCurveKind::kRadius, 2000}, {{5350}, 416.88}}};
}

// A profile that builds on the road given (none, ChainedStraight() or
// TwoCurves()), for tests of what the section adds.
inline ProfileInput CrestInputOn(const Road* road) {
  if (road == nullptr) return CrestInput();
  if (road->firstStation() < 1000) return {{{{0}, 100}, {{1000}, 110, VerticalCurveKind::kRadius, 10000}, {{2000}, 105}}};
  return ChainedCrest();
}

}  // namespace capset::testing
