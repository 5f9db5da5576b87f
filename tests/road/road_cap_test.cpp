// The exact cap on a road: against the closed form on a straight, against
// the intersection of a line and a circle on an arc, against the window's
// own solvers on a job's spiral, across element joints, at every skew from
// 20° to 160°, and the sides that cannot be solved.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "cap_solve.h"
#include "road_cap.h"
#include "road_fixtures.h"
#include "table.h"

namespace capset::testing {
namespace {

// The cap's edge point E lies on its axis, at its half-width from the
// centreline square to its foot, and the foot the road finds for E is the
// one the cap names.
void ExpectTrueEdge(const Road& road, const RoadCap& cap, const RoadCapEdge& edge, double offset) {
  ASSERT_EQ(edge.problem, CapSideProblem::kNone);
  const auto [along, across] = Seen(cap.centre.point, edge.point.point, cap.axisAzimuth);
  EXPECT_NEAR(across, 0, 1e-9);
  EXPECT_NEAR(along, edge.point.along, 1e-9);
  EXPECT_GT(along * offset, 0);  // on its own side of the centre
  const RoadFoot foot = road.Where(edge.point.point);
  ASSERT_EQ(foot.status, WhereStatus::kOnRoad);
  EXPECT_NEAR(foot.distance, edge.point.distance, 1e-9);
  EXPECT_NEAR(foot.offset, offset, 1e-9);
  EXPECT_EQ(edge.point.offset, offset);
  // Exactly at a joint (to its rounding) either element is the foot's.
  const bool atJoint = std::any_of(road.elements().begin(), road.elements().end(),
                                   [&](const RoadElement& e) { return std::fabs(e.start - foot.distance) < 1e-9; });
  if (!atJoint) {
    EXPECT_EQ(foot.kind, edge.point.kind);
  }
  EXPECT_LE(edge.residual, 1e-9);
}

RoadCapRequest Cap(double Kp, double B, double left, double right, std::vector<double> offsets = {},
                   CapAxisMode axis = CapAxisMode::kOwn, double Kj = 0) {
  return {{Kp}, B, axis, {Kj}, left, right, std::move(offsets)};
}

struct StraightRow {
  const char* name;
  double B, left, right;
};

class OnAStraight : public ::testing::TestWithParam<StraightRow> {};

// On a straight the edges lie at w/sin B along the axis, their feet w·cot B
// along the road; a point at λ on the axis has its foot λ·cos B along and
// λ·sin B across.
TEST_P(OnAStraight, MatchesTheClosedForm) {
  const StraightRow& row = GetParam();
  const double az = 61.5, t = az * kDeg, X0 = 3355206.736, Y0 = 505412.824;
  const Road road = Made(RoadFromElements({1000, {X0, Y0}, az, {{ElementKind::kLine, 2000}}, {}}));
  const double b = row.B * kDeg, sc = 800;
  const RoadCap cap = SolveRoadCap(road, Cap(1000 + sc, row.B, row.left, row.right, {-2.5, 4}));
  ASSERT_EQ(cap.fault, RoadCapFault::kNone);
  auto onAxis = [&](double lambda) {
    return PlanePoint{X0 + sc * std::cos(t) + lambda * std::cos(t + b), Y0 + sc * std::sin(t) + lambda * std::sin(t + b)};
  };
  const double lr = row.right / std::sin(b), ll = -row.left / std::sin(b);
  EXPECT_LE(Gap(cap.right.point.point, onAxis(lr)), 1e-9);
  EXPECT_LE(Gap(cap.left.point.point, onAxis(ll)), 1e-9);
  EXPECT_NEAR(cap.right.point.distance, sc + row.right / std::tan(b), 1e-9);
  EXPECT_NEAR(cap.left.point.distance, sc - row.left / std::tan(b), 1e-9);
  EXPECT_NEAR(cap.right.point.along, lr, 1e-9);
  EXPECT_NEAR(cap.right.point.station.value, 1000 + sc + row.right / std::tan(b), 1e-9);
  EXPECT_LE(cap.right.steps, 2);
  EXPECT_LE(cap.left.steps, 2);
  ExpectTrueEdge(road, cap, cap.right, row.right);
  ExpectTrueEdge(road, cap, cap.left, -row.left);
  ASSERT_EQ(cap.points.size(), 2u);
  for (const RoadCapPoint& p : cap.points) {
    EXPECT_LE(Gap(p.point, onAxis(p.along)), 1e-9);
    EXPECT_NEAR(p.distance, sc + p.along * std::cos(b), 1e-9);
    EXPECT_NEAR(p.offset, p.along * std::sin(b), 1e-9);
  }
  EXPECT_EQ(cap.points[0].along, -2.5);
  EXPECT_NEAR(AzimuthGap(cap.axisAzimuth, az + row.B), 0, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Rows, OnAStraight,
                         ::testing::Values(StraightRow{"Square", 90, 7.5, 7.5}, StraightRow{"Skew20", 20, 6.25, 9.5},
                                           StraightRow{"Skew45", 45, 7.5, 7.5}, StraightRow{"Skew135", 135, 11, 4},
                                           StraightRow{"Skew160", 160, 12, 3}),
                         RowName<StraightRow>);

struct ArcRow {
  const char* name;
  double R;
  TurnSide turn;
  double B, left, right;
  CapAxisMode axis;
  double designBefore;  // Kp − Kj for axis parallel
};

class OnAnArc : public ::testing::TestWithParam<ArcRow> {};

// Each edge line of an arc is a concentric circle of radius R − s·w: the
// edge is where the axis line meets it, the crossing nearest the centre on
// that side.
TEST_P(OnAnArc, MatchesTheIntersectionOfLineAndCircle) {
  const ArcRow& row = GetParam();
  const double s = row.turn == TurnSide::kRight ? 1 : -1, az = 200, t = az * kDeg;
  const Road road = Made(RoadFromElements(
      {0, {5000, 8000}, az, {{ElementKind::kLine, 100}, {ElementKind::kArc, row.R * 2.5, row.R, kNoRadius, row.turn},
                             {ElementKind::kLine, 100}}, {}}));
  const double Kp = 100 + row.R * 1.2;
  const RoadCap cap = SolveRoadCap(road, Cap(Kp, row.B, row.left, row.right, {}, row.axis, Kp - row.designBefore));
  ASSERT_EQ(cap.fault, RoadCapFault::kNone);
  // The circle's centre: R to the side of the turn from the arc's start.
  const PlanePoint start{5000 + 100 * std::cos(t), 8000 + 100 * std::sin(t)};
  const PlanePoint O{start.X - s * row.R * std::sin(t), start.Y + s * row.R * std::cos(t)};
  const double psi = cap.axisAzimuth * kDeg, ux = std::cos(psi), uy = std::sin(psi);
  const PlanePoint C = cap.centre.point;
  auto crossing = [&](double radius, double sign) {
    // |C + λu − O|² = radius²: λ² + 2λ·u·(C − O) + |C − O|² − radius² = 0.
    const double bq = ux * (C.X - O.X) + uy * (C.Y - O.Y);
    const double cq = (C.X - O.X) * (C.X - O.X) + (C.Y - O.Y) * (C.Y - O.Y) - radius * radius;
    const double root = std::sqrt(bq * bq - cq);
    double lambda = sign > 0 ? -bq + root : -bq - root;
    if (sign > 0 && -bq - root > 0) lambda = -bq - root;  // the nearer positive crossing
    if (sign < 0 && -bq + root < 0) lambda = -bq + root;
    return PlanePoint{C.X + lambda * ux, C.Y + lambda * uy};
  };
  EXPECT_LE(Gap(cap.right.point.point, crossing(row.R - s * row.right, +1)), 1e-9);
  EXPECT_LE(Gap(cap.left.point.point, crossing(row.R + s * row.left, -1)), 1e-9);
  EXPECT_EQ(cap.right.point.kind, ElementKind::kArc);
  EXPECT_EQ(cap.left.point.kind, ElementKind::kArc);
  EXPECT_NEAR(cap.centre.curvature, s / row.R, 1e-15);
  ExpectTrueEdge(road, cap, cap.right, row.right);
  ExpectTrueEdge(road, cap, cap.left, -row.left);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OnAnArc,
    ::testing::Values(ArcRow{"RightSkew20", 300, TurnSide::kRight, 20, 7.5, 7.5, CapAxisMode::kOwn, 0},
                      ArcRow{"RightSkew45", 300, TurnSide::kRight, 45, 6.25, 9.5, CapAxisMode::kOwn, 0},
                      ArcRow{"RightSquare", 300, TurnSide::kRight, 90, 7.5, 7.5, CapAxisMode::kOwn, 0},
                      ArcRow{"RightSkew120", 300, TurnSide::kRight, 120, 7.5, 7.5, CapAxisMode::kOwn, 0},
                      ArcRow{"RightSkew160", 300, TurnSide::kRight, 160, 10, 5, CapAxisMode::kOwn, 0},
                      ArcRow{"LeftTightSkew30", 60, TurnSide::kLeft, 30, 8, 8, CapAxisMode::kOwn, 0},
                      ArcRow{"LeftSkew150", 150, TurnSide::kLeft, 150, 7.5, 12.5, CapAxisMode::kOwn, 0},
                      ArcRow{"ParallelToTheTangentAt40mBack", 300, TurnSide::kRight, 60, 7.5, 7.5,
                             CapAxisMode::kParallel, 40},
                      ArcRow{"ParallelToTheTangentAt25mAhead", 150, TurnSide::kLeft, 75, 9, 6, CapAxisMode::kParallel,
                             -25}),
    RowName<ArcRow>);

// The bridge of the road's first issue: R 600, A 300 (Ls 150), eight bents
// from K35+020 to K35+230 every 30 m, the spiral from ZH at K34+950 to
// K35+100, so five bents stand on the arc. On the spiral the exact caps agree
// with the window's solvers within their series and their precision; on the
// arc the window's series run on along a clothoid the road has left.
struct WindowRow {
  const char* name;
  Solver solver;
  JobEnd end;
  int P;
  double B;
};

class OnTheWindowsSpiral : public ::testing::TestWithParam<WindowRow> {};

TEST_P(OnTheWindowsSpiral, AgreesWithTheWindowsSolversWithinTheirPrecision) {
  const WindowRow& row = GetParam();
  const double origin = row.end == JobEnd::kZH ? 34950 : 35280, X = 3330123.456, Y = 512345.678, T = 37.25;
  const Road road = Made(RoadFromJob({row.end, origin, {X, Y}, T, 600, 300, row.P}));
  const float DR = 7.5f;
  int compared = 0;
  for (double Kp = 35020; Kp <= 35230; Kp += 30) {
    const double l = row.end == JobEnd::kZH ? Kp - origin : origin - Kp;
    const CapDesign design{origin, X, Y, T, 600, 300, row.B, Kp, 180 / 3.1415926535, 3.1415926535,
                           static_cast<int16_t>(row.P)};
    const RoadCap exact = SolveRoadCap(road, Cap(Kp, row.B, DR, DR, {}, CapAxisMode::kParallel, Kp));
    ASSERT_EQ(exact.fault, RoadCapFault::kNone);
    ExpectTrueEdge(road, exact, exact.right, DR);
    ExpectTrueEdge(road, exact, exact.left, -DR);
    // Both feet on the spiral: the window's formulas hold.
    const double Ls = 150, reach = DR / std::tan(row.B * kDeg) + DR;
    if (l - std::fabs(reach) < 1 || l + std::fabs(reach) > Ls - 1) continue;
    const CapSolution window = SolveCap(row.solver, design, {Kp, DR, 1e-7f});
    ASSERT_EQ(window.inner.status, SideStatus::kSolved);
    ASSERT_EQ(window.outer.status, SideStatus::kSolved);
    // The curve turns right: its inner side is the right-hand edge.
    const bool right = row.P > 0;
    EXPECT_LE(Gap(exact.centre.point, window.centre), 2e-7);
    EXPECT_LE(Gap((right ? exact.right : exact.left).point.point, window.inner.point), 1e-6);
    EXPECT_LE(Gap((right ? exact.left : exact.right).point.point, window.outer.point), 1e-6);
    ++compared;
  }
  EXPECT_GE(compared, 2);
}

INSTANTIATE_TEST_SUITE_P(Rows, OnTheWindowsSpiral,
                         ::testing::Values(WindowRow{"Cmd1FromZHRight", Solver::kCmd1, JobEnd::kZH, 1, 60},
                                           WindowRow{"Cmd2FromZHLeft", Solver::kCmd2, JobEnd::kZH, -1, 75},
                                           WindowRow{"Cmd3FromHZRight", Solver::kCmd3, JobEnd::kHZ, 1, 120},
                                           WindowRow{"Cmd4FromHZLeft", Solver::kCmd4, JobEnd::kHZ, -1, 65}),
                         RowName<WindowRow>);

// A cap on the straight 2 m before ZH whose right edge lies on the spiral,
// and one on the spiral whose edge lies on the arc past HY.
TEST(AcrossJoints, EdgesLandOnTheNextElement) {
  const Road road = Made(RoadFromJob({JobEnd::kZH, 1000, {1000, 2000}, 45, 200, 100, 1}));
  const RoadCap beforeZH = SolveRoadCap(road, Cap(998, 30, 7.5, 7.5));
  ASSERT_EQ(beforeZH.fault, RoadCapFault::kNone);
  EXPECT_EQ(beforeZH.centre.kind, ElementKind::kLine);
  EXPECT_EQ(beforeZH.right.point.kind, ElementKind::kSpiral);
  EXPECT_EQ(beforeZH.left.point.kind, ElementKind::kLine);
  ExpectTrueEdge(road, beforeZH, beforeZH.right, 7.5);
  ExpectTrueEdge(road, beforeZH, beforeZH.left, -7.5);
  const RoadCap beforeHY = SolveRoadCap(road, Cap(1045, 40, 7.5, 7.5));  // HY at 1050
  EXPECT_EQ(beforeHY.centre.kind, ElementKind::kSpiral);
  EXPECT_EQ(beforeHY.right.point.kind, ElementKind::kArc);
  ExpectTrueEdge(road, beforeHY, beforeHY.right, 7.5);
  ExpectTrueEdge(road, beforeHY, beforeHY.left, -7.5);
}

// Every skew from 20° to 160°, with no setting changed, on the straight,
// the spiral and the arc of a curve of R 250 (where every such axis can
// meet both edges: R·cos 20° < R − 8): every side solved in a handful of
// steps. On a tighter curve a small skew misses the inner edge altogether
// (UnsolvableSides.AxisNearlyAlongTheRoad).
TEST(EverySkew, IsSolvedWithoutTuning) {
  const Road road = Made(RoadFromIntersections({0, {0, 0}, {{{500, 0}, 250, 70, 70}}, {500, 500}, {}}));
  const double hy = road.curves()[0].zhDistance + 70;
  int worst = 0;
  for (double Kp : {hy - 90, hy - 30, hy, hy + 20}) {
    for (double B = 20; B <= 160; B += 2.5) {
      const RoadCap cap = SolveRoadCap(road, Cap(Kp, B, 8, 6));
      ASSERT_EQ(cap.fault, RoadCapFault::kNone);
      SCOPED_TRACE(B);
      ExpectTrueEdge(road, cap, cap.right, 6);
      ExpectTrueEdge(road, cap, cap.left, -8);
      worst = std::max({worst, cap.right.steps, cap.left.steps});
    }
  }
  EXPECT_LE(worst, 8);
}

struct SideRow {
  const char* name;
  RoadBuild (*road)();
  RoadCapRequest request;
  CapSideProblem right, left;
};

class UnsolvableSides : public ::testing::TestWithParam<SideRow> {};

TEST_P(UnsolvableSides, SayWhyAndGiveNoPoint) {
  const SideRow& row = GetParam();
  const Road road = Made(row.road());
  const RoadCap cap = SolveRoadCap(road, row.request);
  ASSERT_EQ(cap.fault, RoadCapFault::kNone);
  EXPECT_EQ(cap.right.problem, row.right);
  EXPECT_EQ(cap.left.problem, row.left);
  // A solved side is a true edge.
  if (row.right == CapSideProblem::kNone) {
    ExpectTrueEdge(road, cap, cap.right, row.request.rightHalfWidth);
  }
  if (row.left == CapSideProblem::kNone) {
    ExpectTrueEdge(road, cap, cap.left, -row.request.leftHalfWidth);
  }
}

// A straight of 100 m, an arc of R 20 turning right 180°, a straight.
RoadBuild Hairpin() {
  return RoadFromElements({0, {0, 0}, 0,
                           {{ElementKind::kLine, 100}, {ElementKind::kArc, 20 * kTestPi, 20, kNoRadius, TurnSide::kRight},
                            {ElementKind::kLine, 100}}, {}});
}
// A straight, then a spiral tightening from R 200 to R 10 over 30 m to the
// right: at 24 m into it R is 12.3, at 24.7 m it is 12.
RoadBuild Tightening() {
  return RoadFromElements({0, {0, 0}, 0,
                           {{ElementKind::kLine, 50}, {ElementKind::kSpiral, 30, 200, 10, TurnSide::kRight}}, {}});
}
// An arc of R 50 turning right, between straights.
RoadBuild Bend() {
  return RoadFromElements({0, {0, 0}, 0,
                           {{ElementKind::kLine, 100}, {ElementKind::kArc, 120, 50, kNoRadius, TurnSide::kRight},
                            {ElementKind::kLine, 100}}, {}});
}
RoadBuild Short() { return RoadFromElements({0, {0, 0}, 0, {{ElementKind::kLine, 60}}, {}}); }

using S = CapSideProblem;

INSTANTIATE_TEST_SUITE_P(
    Rows, UnsolvableSides,
    ::testing::Values(
        // The inner edge line of R 20 at 25 m has folded at the centre itself.
        SideRow{"EdgeFoldedAtTheCentre", Hairpin, Cap(130, 70, 7.5, 25), S::kEdgeFolds, S::kNone},
        // At 12 m the inner edge folds 0.7 m on, where the spiral passes R 12,
        // before the axis at 80° could meet it some 2 m on.
        SideRow{"EdgeFoldsFurtherOn", Tightening, Cap(74, 80, 5, 12), S::kEdgeFolds, S::kNone},
        // 5° off the tangent the axis stays outside the inner edge circle.
        SideRow{"AxisNearlyAlongTheRoad", Bend, Cap(150, 5, 7.5, 7.5), S::kAxisAlongRoad, S::kNone},
        SideRow{"EdgeBeyondTheEnd", Short, Cap(55, 20, 7.5, 7.5), S::kPastEnd, S::kNone},
        SideRow{"EdgeBeforeTheStart", Short, Cap(5, 20, 7.5, 7.5), S::kNone, S::kPastStart},
        // The tangent at Kj, 100 m back round the bend, lies 115° from the
        // tangent at Kp: turned by 60° it points back across the road.
        SideRow{"AxisFromAFarDesignStation", Bend, Cap(200, 60, 7.5, 7.5, {}, CapAxisMode::kParallel, 100),
                S::kAxisReversed, S::kAxisReversed}),
    RowName<SideRow>);

struct FaultRow {
  const char* name;
  RoadCapRequest request;
  RoadCapFault fault;
  PlaceStatus placement;
};

class CapFaults : public ::testing::TestWithParam<FaultRow> {};

TEST_P(CapFaults, RefuseTheWholeCap) {
  const FaultRow& row = GetParam();
  // 0 … 1 000 m, with a 短链 at 300 → 350 and a 长链 at 600 → 580.
  const Road road = Made(RoadFromElements({0, {0, 0}, 0, {{ElementKind::kLine, 1000}}, {{300, 350}, {600, 580}}}));
  const RoadCap cap = SolveRoadCap(road, row.request);
  EXPECT_EQ(cap.fault, row.fault);
  EXPECT_EQ(cap.placement.status, row.placement);
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Rows, CapFaults,
    ::testing::Values(
        FaultRow{"SkewZero", Cap(100, 0, 7.5, 7.5), RoadCapFault::kSkewOutOfRange, PlaceStatus::kPlaced},
        FaultRow{"SkewStraightBack", Cap(100, 180, 7.5, 7.5), RoadCapFault::kSkewOutOfRange, PlaceStatus::kPlaced},
        FaultRow{"SkewNotANumber", Cap(100, kNaN, 7.5, 7.5), RoadCapFault::kNotFinite, PlaceStatus::kPlaced},
        FaultRow{"LeftHalfWidthZero", Cap(100, 60, 0, 7.5), RoadCapFault::kHalfWidthNotPositive, PlaceStatus::kPlaced},
        FaultRow{"RightHalfWidthNegative", Cap(100, 60, 7.5, -1), RoadCapFault::kHalfWidthNotPositive,
                 PlaceStatus::kPlaced},
        FaultRow{"OffsetNotANumber", Cap(100, 60, 7.5, 7.5, {1, kNaN}), RoadCapFault::kNotFinite, PlaceStatus::kPlaced},
        FaultRow{"CentreInAShortChainGap", Cap(320, 60, 7.5, 7.5), RoadCapFault::kCentreNotPlaced, PlaceStatus::kInGap},
        FaultRow{"CentreInALongChainNotSaid", Cap(590, 60, 7.5, 7.5), RoadCapFault::kCentreNotPlaced,
                 PlaceStatus::kTwice},
        FaultRow{"DesignStationPastTheEnd", Cap(100, 60, 7.5, 7.5, {}, CapAxisMode::kParallel, 2000),
                 RoadCapFault::kDesignNotPlaced, PlaceStatus::kAfterEnd}),
    RowName<FaultRow>);

// In a 长链 overlap the cap is placed where the user says.
TEST(CapFaults, ALongChainStationSaidIsPlaced) {
  const Road road = Made(RoadFromElements({0, {0, 0}, 0, {{ElementKind::kLine, 1000}}, {{300, 350}, {600, 580}}}));
  RoadCapRequest request = Cap(590, 60, 7.5, 7.5);
  request.centre.occurrence = 2;
  const RoadCap cap = SolveRoadCap(road, request);
  ASSERT_EQ(cap.fault, RoadCapFault::kNone);
  EXPECT_NEAR(cap.centre.distance, 560, 1e-12);
  EXPECT_EQ(cap.centre.station.occurrence, 2);
}

}  // namespace
}  // namespace capset::testing
