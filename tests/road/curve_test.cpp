// The exact curve: clothoids against an independent 50-digit integration,
// straights and arcs against their closed forms, and the integrator's own
// consistency (walking on, walking back).
#include <gtest/gtest.h>

#include <cmath>

#include "curve_step.h"
#include "golden_values.h"
#include "road_fixtures.h"
#include "table.h"

namespace capset::testing {
namespace {

class GoldenClothoid : public ::testing::TestWithParam<GoldenElement> {};

// Each spiral is a one-element road from its start pose: the road's own
// points are what a user gets.
TEST_P(GoldenClothoid, PointsAndTangentsMatchToANanometre) {
  const GoldenElement& g = GetParam();
  ElementInput e{ElementKind::kSpiral, g.length, g.R1 == 0 ? kNoRadius : g.R1, g.R2 == 0 ? kNoRadius : g.R2,
                g.side > 0 ? TurnSide::kRight : TurnSide::kLeft};
  const Road road = Made(RoadFromElements({0, {g.X0, g.Y0}, g.azimuth0, {e}, {}}));
  for (int i = 0; i < g.count; ++i) {
    const GoldenPoint& p = g.points[i];
    const auto at = road.At(p.distance);
    ASSERT_TRUE(at);
    EXPECT_NEAR(at->point.X, p.X, 1e-9) << p.distance;
    EXPECT_NEAR(at->point.Y, p.Y, 1e-9) << p.distance;
    EXPECT_NEAR(AzimuthGap(at->azimuth, p.azimuth), 0, 1e-11) << p.distance;
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, GoldenClothoid, ::testing::ValuesIn(kGoldenElements),
                         [](const auto& info) { return std::string(info.param.name); });

struct ClosedFormRow {
  const char* name;
  double R;  // 0: a straight
  double side;
  double length;
  double offset;
};

class ClosedForms : public ::testing::TestWithParam<ClosedFormRow> {};

// A straight's offset line is a parallel, an arc's a concentric arc of
// radius R − side·offset: every point is checked against that.
TEST_P(ClosedForms, OffsetLinesAreParallelsAndConcentricArcs) {
  const ClosedFormRow& row = GetParam();
  const double az = 33.25, X0 = 2851234.5, Y0 = 431987.25;
  ElementInput e{row.R == 0 ? ElementKind::kLine : ElementKind::kArc, row.length, row.R == 0 ? kNoRadius : row.R,
                kNoRadius, row.side > 0 ? TurnSide::kRight : TurnSide::kLeft};
  const Road road = Made(RoadFromElements({100, {X0, Y0}, az, {e}, {}}));
  const double t0 = az * kDeg;
  // The centre lies R to the side the arc turns to.
  const PlanePoint centre{X0 - row.side * row.R * std::sin(t0), Y0 + row.side * row.R * std::cos(t0)};
  for (int i = 0; i <= 20; ++i) {
    const double d = row.length * i / 20;
    const auto at = road.At(d, row.offset);
    ASSERT_TRUE(at);
    if (row.R == 0) {
      const auto [along, across] = Seen({X0, Y0}, at->point, az);
      EXPECT_NEAR(along, d, 1e-9);
      EXPECT_NEAR(across, row.offset, 1e-9);
      EXPECT_EQ(at->azimuth, az);
    } else {
      EXPECT_NEAR(Gap(at->point, centre), row.R - row.side * row.offset, 1e-9) << d;
      const double turned = az + row.side * d / row.R / kDeg;
      EXPECT_NEAR(AzimuthGap(at->azimuth, turned), 0, 1e-11) << d;
      // The point lies where the radius to it is square to the tangent.
      const auto [along, across] = Seen(centre, at->point, at->azimuth);
      EXPECT_NEAR(along, 0, 1e-9) << d;
      EXPECT_NEAR(at->curvature, row.side / row.R, 1e-15);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ClosedForms,
    ::testing::Values(ClosedFormRow{"Straight", 0, 1, 5000, 0}, ClosedFormRow{"StraightLeftEdge", 0, 1, 800, -11.25},
                      ClosedFormRow{"ArcRightInnerEdge", 250, 1, 600, 7.5},
                      ClosedFormRow{"ArcRightOuterEdge", 250, 1, 600, -7.5},
                      ClosedFormRow{"ArcLeftOuterEdge", 800, -1, 1500, 12},
                      ClosedFormRow{"TightLoopTurningFiveRadians", 40, -1, 200, -3},
                      ClosedFormRow{"NearlyStraightArc", 1e6, 1, 3000, 5}),
    RowName<ClosedFormRow>);

// Walking h1 then h2 is walking h1 + h2, and walking back undoes a walk:
// the segments, their joins and a negative length all agree.
TEST(CurveStep, WalksComposeAndReverse) {
  struct Curve { double k0, c, h1, h2; };
  for (const Curve& k : {Curve{0, 1 / 90000.0, 70, 80}, Curve{1 / 300.0, -1 / 270000.0, 123, 277},
                         Curve{-0.02, 1e-4, 150, 150}, Curve{1e-3, -9.999990000560816e-12, 60, 90}}) {
    const CurveStep a = StepAlongCurve(k.k0, k.c, k.h1);
    const CurveStep b = StepAlongCurve(k.k0 + k.c * k.h1, k.c, k.h2);
    const CurveStep whole = StepAlongCurve(k.k0, k.c, k.h1 + k.h2);
    const double ca = std::cos(a.turn), sa = std::sin(a.turn);
    EXPECT_NEAR(a.along + b.along * ca - b.across * sa, whole.along, 1e-11);
    EXPECT_NEAR(a.across + b.along * sa + b.across * ca, whole.across, 1e-11);
    EXPECT_NEAR(a.turn + b.turn, whole.turn, 1e-14);
    const CurveStep back = StepAlongCurve(k.k0 + k.c * k.h1, k.c, -k.h1);
    EXPECT_NEAR(back.along * ca - back.across * sa, -a.along, 1e-11);
    EXPECT_NEAR(back.along * sa + back.across * ca, -a.across, 1e-11);
  }
}

}  // namespace
}  // namespace capset::testing
