// Properties over random profiles and sections: elevation and grade run on
// without a step at every BVC and EVC; every edge's elevation, and any
// offset's, runs on without a step through every transition (across TS, FS,
// FE, TE and where the inner side joins the plane); the centreline lies
// centreRise plus the design line's depth above the profile; the point
// about which the section turns keeps its normal elevation; full
// superelevation is one plane; and a section mirrored left for right gives
// the mirrored elevations.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "section_fixtures.h"

namespace capset::testing {
namespace {

constexpr int kCases = 40;

struct RandomCase {
  ProfileInput profile;
  CrossSectionInput section;
};

RandomCase Random(std::mt19937_64& rng) {
  std::uniform_real_distribution<double> unit(0, 1);
  RandomCase c;
  const double start = 1000 * unit(rng);
  // A section: crown 1 … 3 %, half-widths 2 … 15 m, the design line on the
  // centreline, an edge or anywhere between; 1 … 4 transitions in a row.
  CrossSectionInput& s = c.section;
  s.crown = 1 + 2 * unit(rng);
  s.leftWidth = 2 + 13 * unit(rng);
  s.rightWidth = 2 + 13 * unit(rng);
  switch (rng() % 4) {
    case 0: s.design = 0; break;
    case 1: s.design = -s.leftWidth; break;
    case 2: s.design = s.rightWidth; break;
    default: s.design = (unit(rng) - 0.5) * 20;
  }
  double ts = start + 2 + 20 * unit(rng);
  const int transitions = 1 + static_cast<int>(rng() % 4);
  for (int k = 0; k < transitions; ++k) {
    SuperInput t;
    const double in = 30 + 120 * unit(rng), full = rng() % 5 == 0 ? 0 : 200 * unit(rng), out = 30 + 120 * unit(rng);
    t.ts = {ts}, t.fs = {ts + in}, t.fe = {ts + in + full}, t.te = {ts + in + full + out};
    t.e = s.crown + (10 - s.crown) * unit(rng);
    t.inner = rng() % 2 ? SectionSide::kLeft : SectionSide::kRight;
    t.axis = static_cast<SuperAxis>(rng() % 3);
    s.transitions.push_back(t);
    ts = t.te.value + (rng() % 3 == 0 ? 0 : 100 * unit(rng));
  }
  // A profile from `start` to past the last TE, its PVIs 150 … 650 m apart,
  // each inner one with a parabola in its half of the gaps beside it, or a
  // plain grade break.
  double d = start, h = 100 + 200 * unit(rng);
  std::vector<std::pair<double, double>> at;
  while (at.size() < 3 || at.back().first < c.section.transitions.back().te.value + 20) {
    at.push_back({d, h});
    const double gap = 150 + 500 * unit(rng);
    d += gap;
    h += gap * (unit(rng) - 0.5) * 0.12;
  }
  const int n = static_cast<int>(at.size());
  for (int k = 0; k < n; ++k) {
    PviInput row{{at[k].first}, at[k].second};
    if (k > 0 && k + 1 < n && rng() % 4 != 0) {
      const double i1 = (at[k].second - at[k - 1].second) / (at[k].first - at[k - 1].first);
      const double i2 = (at[k + 1].second - at[k].second) / (at[k + 1].first - at[k].first);
      const double room = std::min(at[k].first - at[k - 1].first, at[k + 1].first - at[k].first) / 2;
      if (std::fabs(i2 - i1) > 1e-3) {
        row.curve = VerticalCurveKind::kRadius;
        row.radius = 2 * room * (0.2 + 0.8 * unit(rng)) / std::fabs(i2 - i1);
      }
    }
    c.profile.rows.push_back(row);
  }
  return c;
}

RoadHeights Made(const RandomCase& c) {
  RoadHeightsBuild built = BuildHeights(c.profile, c.section, nullptr);
  if (!built.heights) {
    ADD_FAILURE() << "a random case was refused: problem " << built.problem->index();
    return RoadHeights(*Profile::Build({{0, 0}, {1, 0}}).profile, CrossSection());
  }
  return std::move(*built.heights);
}

PointHeight At(const RoadHeights& h, double d, double o) {
  const auto at = h.At(d, o);
  EXPECT_TRUE(std::holds_alternative<PointHeight>(at)) << d;
  return std::holds_alternative<PointHeight>(at) ? std::get<PointHeight>(at) : PointHeight{};
}

// The offsets worth watching: both edges, the centreline, the design line,
// a point inside each side and one beyond each edge.
std::vector<double> Offsets(const CrossSectionInput& s) {
  return {-s.leftWidth - 2, -s.leftWidth, -s.leftWidth / 3, 0, s.design, s.rightWidth / 2, s.rightWidth,
          s.rightWidth + 3};
}

TEST(SectionProperty, ElevationAndGradeRunOnAtEveryBvcAndEvc) {
  std::mt19937_64 rng(25);
  for (int n = 0; n < kCases; ++n) {
    const RandomCase c = Random(rng);
    const RoadHeights h = Made(c);
    for (const VerticalCurveElements& curve : h.profile().Curves())
      for (double d : {curve.bvc.distance, curve.evc.distance})
        for (double o : Offsets(c.section)) {
          const PointHeight before = At(h, d - 1e-7, o), after = At(h, d + 1e-7, o);
          EXPECT_NEAR(before.elevation, after.elevation, 1e-7) << "case " << n << " at " << d;
          EXPECT_NEAR(before.grade, after.grade, 1e-8) << "case " << n << " at " << d;
        }
  }
}

// The steepest an elevation at offset o may change along the road: the
// profile's grade, and the section's slopes turning over the shortest run
// of a transition (the outer side turns fastest about an edge, while the
// inner side keeps its slope).
double Steepest(const RoadHeights& h, const CrossSectionInput& s, double o) {
  double grade = 0;
  for (std::size_t k = 0; k + 1 < h.profile().rows().size(); ++k) {
    const PviRow &a = h.profile().rows()[k], &b = h.profile().rows()[k + 1];
    grade = std::max(grade, std::fabs((b.elevation - a.elevation) / (b.distance - a.distance)));
  }
  double turn = 0;
  const double wmin = std::min(s.leftWidth, s.rightWidth), wmax = std::max(s.leftWidth, s.rightWidth);
  for (const SuperInput& t : s.transitions) {
    const double run = std::min(t.fs.value - t.ts.value, t.te.value - t.fe.value);
    const double perPhase = std::max(t.e + s.crown, (t.e * (2 * wmax) + s.crown * (wmax - wmin)) / wmin);
    turn = std::max(turn, perPhase / run);
  }
  return grade + turn * (std::fabs(o) + wmax) / 100;
}

TEST(SectionProperty, EveryOffsetRunsOnWithoutAStepThroughEveryTransition) {
  std::mt19937_64 rng(26);
  for (int n = 0; n < kCases; ++n) {
    const RandomCase c = Random(rng);
    const RoadHeights h = Made(c);
    for (double o : Offsets(c.section)) {
      // A step of 1 mm or more anywhere shows between two neighbours.
      const double steepest = Steepest(h, c.section, o), step = 1e-3 / steepest;
      const double from = c.section.transitions.front().ts.value - 1, to = c.section.transitions.back().te.value + 1;
      double last = At(h, from, o).elevation;
      for (double d = from + step; d <= to; d += step) {
        const double now = At(h, d, o).elevation;
        ASSERT_LE(std::fabs(now - last), steepest * step * (1 + 1e-9) + 1e-12)
            << "case " << n << " offset " << o << " between " << d - step << " and " << d;
        last = now;
      }
      // At the four stations themselves, from either side.
      for (const SuperInput& t : c.section.transitions)
        for (double d : {t.ts.value, t.fs.value, t.fe.value, t.te.value})
          EXPECT_NEAR(At(h, d - 1e-7, o).elevation, At(h, d + 1e-7, o).elevation, 1e-7)
              << "case " << n << " offset " << o << " at " << d;
    }
  }
}

TEST(SectionProperty, TheCentrelineLiesItsRisePlusTheDesignLinesDepthAboveTheProfile) {
  std::mt19937_64 rng(27);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int n = 0; n < kCases; ++n) {
    const RandomCase c = Random(rng);
    const RoadHeights h = Made(c);
    const double start = h.profile().startDistance(), end = h.profile().endDistance();
    for (int k = 0; k < 200; ++k) {
      const double d = start + (end - start) * unit(rng);
      const SectionAt s = h.section().At(d);
      EXPECT_NEAR(h.section().RiseAt(d, 0), s.centreRise + c.section.crown * std::fabs(c.section.design) / 100, 1e-12);
      const PointHeight p = At(h, d, 0);
      EXPECT_NEAR(p.elevation, h.profile().At(d).height->elevation + h.section().RiseAt(d, 0), 1e-9);
    }
  }
}

TEST(SectionProperty, TheAxisKeepsItsNormalElevationAndFullSuperelevationIsOnePlane) {
  std::mt19937_64 rng(28);
  for (int n = 0; n < kCases; ++n) {
    const RandomCase c = Random(rng);
    const RoadHeights h = Made(c);
    CrossSectionInput flat = c.section;
    flat.transitions.clear();
    const CrossSection normal = *CrossSection::Build({flat.crown, flat.leftWidth, flat.rightWidth, flat.design, {}, {}})
                                     .section;
    for (const SuperInput& t : c.section.transitions) {
      const double inner = t.inner == SectionSide::kRight ? c.section.rightWidth : -c.section.leftWidth;
      const double outer = t.inner == SectionSide::kRight ? -c.section.leftWidth : c.section.rightWidth;
      const double axis = t.axis == SuperAxis::kCentre ? 0 : t.axis == SuperAxis::kInnerEdge ? inner : outer;
      for (double d = t.ts.value; d <= t.te.value; d += 0.37) {
        EXPECT_NEAR(h.section().RiseAt(d, axis), normal.RiseAt(d, axis), 1e-12)
            << "case " << n << " " << AxisName(t.axis) << " at " << d;
        const SectionAt s = h.section().At(d);
        const double outerSlope = t.inner == SectionSide::kRight ? s.left : s.right;
        const double innerSlope = t.inner == SectionSide::kRight ? s.right : s.left;
        // The outer side never falls back, and the inner side keeps the
        // crown until the outer side has reached it.
        EXPECT_GE(outerSlope, -c.section.crown - 1e-12);
        if (outerSlope < c.section.crown - 1e-12) {
          EXPECT_DOUBLE_EQ(innerSlope, -c.section.crown);
        } else {
          EXPECT_NEAR(innerSlope, -outerSlope, 1e-12);
        }
      }
      for (double d : {t.fs.value, (t.fs.value + t.fe.value) / 2, t.fe.value}) {
        const SectionAt s = h.section().At(d);
        EXPECT_NEAR(t.inner == SectionSide::kRight ? s.right : s.left, -t.e, 1e-12);
        EXPECT_NEAR(t.inner == SectionSide::kRight ? s.left : s.right, t.e, 1e-12);
      }
    }
  }
}

TEST(SectionProperty, MirroredLeftForRightGivesMirroredElevations) {
  std::mt19937_64 rng(29);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int n = 0; n < kCases; ++n) {
    const RandomCase c = Random(rng);
    RandomCase m = c;
    std::swap(m.section.leftWidth, m.section.rightWidth);
    m.section.design = -c.section.design;
    for (SuperInput& t : m.section.transitions)
      t.inner = t.inner == SectionSide::kRight ? SectionSide::kLeft : SectionSide::kRight;
    const RoadHeights h = Made(c), mirrored = Made(m);
    const double start = h.profile().startDistance(), end = h.section().layout().transitions.back().te + 10;
    for (int k = 0; k < 300; ++k) {
      const double d = start + (end - start) * unit(rng);
      for (double o : Offsets(c.section)) {
        EXPECT_NEAR(At(h, d, o).elevation, At(mirrored, d, -o).elevation, 1e-9) << "case " << n << " at " << d;
      }
      const SectionAt a = h.section().At(d), b = mirrored.section().At(d);
      EXPECT_NEAR(a.left, b.right, 1e-12);
      EXPECT_NEAR(a.right, b.left, 1e-12);
    }
  }
}

}  // namespace
}  // namespace capset::testing
