// The as-built check against caps solved exactly on a straight, a spiral and
// an arc: design points moved by known vectors come back with their cap,
// their place on its axis, the nearest design point, the deviation and the
// flag; the nearest cap is the one whose axis between its edges passes
// nearest, not the one whose line does.
#include <gtest/gtest.h>

#include <cmath>

#include "as_built_check.h"
#include "road_cap.h"
#include "road_fixtures.h"
#include "table.h"

namespace capset::testing {
namespace {

// A road of every kind near grid coordinates: 500 m of straight, a
// clothoid of 200 m into R 400, 300 m of that arc, all turning right.
Road MixedRoad() {
  return Made(RoadFromElements({10000,
                                {3355206.736, 505412.824},
                                61.5,
                                {{ElementKind::kLine, 500},
                                 {ElementKind::kSpiral, 200, kNoRadius, 400, TurnSide::kRight},
                                 {ElementKind::kArc, 300, 400, kNoRadius, TurnSide::kRight}},
                                {}}));
}

// One cap on each element: rows 1, 2, 3 at K10+250 (straight), K10+600
// (spiral), K10+850 (arc), skewed 70°, half-widths 6.5 left and 8 right,
// columns 3 m either side of the centre.
struct Bridge {
  Road road = MixedRoad();
  std::vector<RoadCap> caps;
  std::vector<CapDesignPoints> designs;
  Bridge() {
    int row = 0;
    for (double K : {10250.0, 10600.0, 10850.0}) {
      caps.push_back(SolveRoadCap(road, {{K}, 70, CapAxisMode::kOwn, {0}, 6.5, 8, {-3, 3}}));
      designs.push_back(*DesignOf(++row, caps.back()));
    }
  }
};

const Bridge& TheBridge() {
  static const Bridge bridge;
  return bridge;
}

struct MovedRow {
  const char* name;
  int row;             // the cap, from 1
  const char* point;   // the design point moved
  double dX, dY;       // by this much
  bool over;           // beyond the default 10 mm
};

class MovedDesignPoint : public ::testing::TestWithParam<MovedRow> {};

TEST_P(MovedDesignPoint, ComesBackWithItsCapPlaceAndDeviation) {
  const MovedRow& m = GetParam();
  const Bridge& b = TheBridge();
  const CapDesignPoints& design = b.designs[m.row - 1];
  const RoadCap& cap = b.caps[m.row - 1];
  PlanePoint at{};
  for (const DesignPoint& p : design.points) {
    if (p.name == m.point) at = p.point;
  }
  const PlanePoint q{at.X + m.dX, at.Y + m.dY};
  const std::vector<CheckResult> results =
      CheckPoints(b.road, b.designs, {{"M", q}}, kDefaultCheckTolerance);
  ASSERT_EQ(results.size(), 1u);
  ASSERT_TRUE(results[0].cap);
  const CapMatch& c = *results[0].cap;
  EXPECT_EQ(c.row, m.row);
  EXPECT_EQ(c.nearest, m.point);
  EXPECT_NEAR(c.dX, m.dX, 1e-9);
  EXPECT_NEAR(c.dY, m.dY, 1e-9);
  EXPECT_NEAR(c.distance, std::hypot(m.dX, m.dY), 1e-9);
  EXPECT_EQ(c.over, m.over);
  // Along the axis and off it, seen from the centre independently: across
  // the axis to its right is towards decreasing stations.
  const auto [along, right] = Seen(cap.centre.point, q, cap.axisAzimuth);
  EXPECT_NEAR(c.along, along, 1e-9);
  EXPECT_NEAR(c.across, -right, 1e-9);
  // The design point's own place on the axis, as the solve gave it.
  const double designAlong = std::string(m.point) == "C"    ? 0
                             : std::string(m.point) == "L"  ? cap.left.point.along
                             : std::string(m.point) == "R"  ? cap.right.point.along
                             : std::string(m.point) == "P1" ? -3.0
                                                            : 3.0;
  const auto [moveAlong, moveRight] = Seen({0, 0}, {m.dX, m.dY}, cap.axisAzimuth);
  EXPECT_NEAR(c.along, designAlong + moveAlong, 1e-8);
  EXPECT_NEAR(c.across, -moveRight, 1e-8);
  // The station and offset are those of the road's own foot.
  const RoadFoot foot = b.road.Where(q);
  EXPECT_EQ(results[0].foot.status, WhereStatus::kOnRoad);
  EXPECT_NEAR(results[0].foot.station.value, foot.station.value, 1e-9);
  EXPECT_NEAR(results[0].foot.offset, foot.offset, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    AsBuilt, MovedDesignPoint,
    ::testing::Values(MovedRow{"StraightCentreExact", 1, "C", 0, 0, false},
                      MovedRow{"StraightLeftEdgeWithin", 1, "L", 0.004, -0.007, false},
                      MovedRow{"StraightRightEdgeOver", 1, "R", -0.009, 0.006, true},
                      MovedRow{"StraightColumnAtTheLimit", 1, "P2", 0.006, 0.008, false},
                      MovedRow{"SpiralCentreOver", 2, "C", 0.011, 0, true},
                      MovedRow{"SpiralLeftColumnWithin", 2, "P1", -0.003, -0.002, false},
                      MovedRow{"SpiralRightEdgeFarOver", 2, "R", 0.05, -0.12, true},
                      MovedRow{"ArcLeftEdgeWithin", 3, "L", 0, 0.0099, false},
                      MovedRow{"ArcRightColumnOver", 3, "P2", -0.02, -0.02, true},
                      MovedRow{"ArcRightEdgeJustOver", 3, "R", 0.0101, 0, true}),
    RowName<MovedRow>);

// Two square caps 0.5 m apart along a straight running north, the first 3 m
// a side, the second 7 m: a point on the line of the first cap's axis, 3 m
// past its right edge, lies on that line; but the second cap's axis between
// its edges passes 0.5 m away, so the point is the second's.
TEST(NearestCap, IsTheOneWhoseAxisBetweenItsEdgesPassesNearest) {
  const Road road = Made(RoadFromElements({0, {0, 0}, 0, {{ElementKind::kLine, 100}}, {}}));
  const RoadCap first = SolveRoadCap(road, {{50}, 90, CapAxisMode::kOwn, {0}, 3, 3, {}});
  const RoadCap second = SolveRoadCap(road, {{50.5}, 90, CapAxisMode::kOwn, {0}, 7, 7, {}});
  const std::vector<CapDesignPoints> caps{*DesignOf(1, first), *DesignOf(2, second)};
  const std::optional<CapMatch> m = MatchCap({50, 6}, caps, 0.01);
  ASSERT_TRUE(m);
  EXPECT_EQ(m->row, 2);
  EXPECT_EQ(m->nearest, "R");
  EXPECT_NEAR(m->distance, std::hypot(0.5, 1), 1e-12);
  EXPECT_NEAR(m->across, -0.5, 1e-12);
  // Beside the first cap's axis, within its edges, it is the first's.
  const std::optional<CapMatch> beside = MatchCap({50.2, 1}, caps, 0.01);
  ASSERT_TRUE(beside);
  EXPECT_EQ(beside->row, 1);
  EXPECT_NEAR(beside->across, 0.2, 1e-12);  // towards increasing stations
  EXPECT_NEAR(beside->along, 1, 1e-12);     // towards the right-hand edge
}

// Two square caps on a straight running north: row 1 at station 50, 3 m a
// side, row 2 at station 80, 7 m a side. A point is a cap's only within its
// half-width and the tolerance (10 mm) of the axis between its edges; one
// farther from both is no cap's point, and is not reported as a deviation
// of metres.
struct ReachRow {
  const char* name;
  PlanePoint q;
  int row;  // 0: no cap
  bool over;
};

class Reach : public ::testing::TestWithParam<ReachRow> {};

TEST_P(Reach, GivesAPointOnlyToACapWithinItsHalfWidth) {
  const ReachRow& r = GetParam();
  const Road road = Made(RoadFromElements({0, {0, 0}, 0, {{ElementKind::kLine, 100}}, {}}));
  std::vector<CapDesignPoints> caps{*DesignOf(1, SolveRoadCap(road, {{50}, 90, CapAxisMode::kOwn, {0}, 3, 3, {}})),
                                    *DesignOf(2, SolveRoadCap(road, {{80}, 90, CapAxisMode::kOwn, {0}, 7, 7, {}}))};
  caps[0].name = "0#";
  const std::vector<CheckResult> results = CheckPoints(road, caps, {{"M", r.q}}, 0.01);
  ASSERT_EQ(results.size(), 1u);
  // Its station and offset are given whatever the cap.
  EXPECT_EQ(results[0].foot.status, WhereStatus::kOnRoad);
  EXPECT_NEAR(results[0].foot.station.value, r.q.X, 1e-9);
  EXPECT_NEAR(results[0].foot.offset, r.q.Y, 1e-9);
  EXPECT_EQ(results[0].farFromCaps, r.row == 0);
  if (r.row == 0) {
    EXPECT_FALSE(results[0].cap);
    return;
  }
  ASSERT_TRUE(results[0].cap);
  EXPECT_EQ(results[0].cap->row, r.row);
  EXPECT_EQ(results[0].cap->name, r.row == 1 ? "0#" : "");
  EXPECT_EQ(results[0].cap->over, r.over);
}

INSTANTIATE_TEST_SUITE_P(
    AsBuilt, Reach,
    ::testing::Values(ReachRow{"TenCentimetresOffTheCentre", {50.1, 0}, 1, true},
                      ReachRow{"OnTheAxisLineWithinTheHalfWidthPastTheEdge", {50, 5.9}, 1, true},
                      ReachRow{"OnTheAxisLineJustPastReach", {50, 6.02}, 0, false},
                      ReachRow{"FourteenMetresFromEveryCap", {64, 0}, 0, false},
                      ReachRow{"EightMetresBeforeTheWiderCap", {72, 0}, 0, false},
                      ReachRow{"WithinTheWiderCapsHalfWidth", {73.5, 1}, 2, true},
                      ReachRow{"OnTheWiderCapsEdge", {80, -7}, 2, false}),
    RowName<ReachRow>);

TEST(Reach, NoCapInTheLogIsNotAPointFarFromCaps) {
  const Road road = Made(RoadFromElements({0, {0, 0}, 0, {{ElementKind::kLine, 100}}, {}}));
  const std::vector<CheckResult> results = CheckPoints(road, {}, {{"M", {64, 0}}}, 0.01);
  ASSERT_EQ(results.size(), 1u);
  EXPECT_FALSE(results[0].cap);
  EXPECT_FALSE(results[0].farFromCaps);
}

// Property: across the bridge, every design point checked as measured comes
// back as itself, 0 off, on its own cap and within any tolerance.
TEST(DesignPoints, CheckedAsMeasuredComeBackAsThemselves) {
  const Bridge& b = TheBridge();
  for (const CapDesignPoints& design : b.designs) {
    for (const DesignPoint& p : design.points) {
      const std::optional<CapMatch> m = MatchCap(p.point, b.designs, 0);
      ASSERT_TRUE(m);
      EXPECT_EQ(m->row, design.row) << p.name;
      EXPECT_EQ(m->nearest, p.name);
      EXPECT_EQ(m->distance, 0);
      EXPECT_FALSE(m->over);
      EXPECT_NEAR(m->across, 0, 1e-8);
    }
  }
}

TEST(NoCap, GivesThePlaceOnTheRoadAlone) {
  const Bridge& b = TheBridge();
  const std::vector<CheckResult> results = CheckPoints(b.road, {}, {{"M", b.caps[1].centre.point}}, 0.01);
  ASSERT_EQ(results.size(), 1u);
  EXPECT_FALSE(results[0].cap);
  EXPECT_NEAR(results[0].foot.station.value, 10600, 1e-9);
  EXPECT_NEAR(results[0].foot.offset, 0, 1e-9);
}

}  // namespace
}  // namespace capset::testing
