// A pile grid under a skewed bent on an arc, on a spiral, across a joint and
// in a 长链: the template's shape is kept exactly in the plane, its rows lie
// along the cap axis, every point's station and offset are those of its own
// foot, and the bent's cap is the exact batch's.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "bridge_fixtures.h"
#include "exact_solve.h"
#include "table.h"

namespace capset::testing {
namespace {

struct BentRow {
  const char* name;
  std::function<Road()> road;
  double station;
  int occurrence;
  double B;
  CapAxisMode axis;
  double design;
};

class PileGridOnTheRoad : public ::testing::TestWithParam<BentRow> {
 protected:
  void SetUp() override {
    const BentRow& row = GetParam();
    road_ = row.road();
    bent_ = SkewBent("3", row.station, row.B, row.axis, row.design);
    bent_.station.occurrence = row.occurrence;
    bridge_ = {"B", {bent_}};
    solution_ = SolveBridge(bridge_, Only(tmpl_), road_, nullptr);
    ASSERT_EQ(solution_.bents.size(), 1u);
    ASSERT_TRUE(solution_.bents[0].Solved());
    ASSERT_TRUE(solution_.bents[0].edges.empty());
  }
  const std::vector<BridgePoint>& Points() const { return solution_.bents[0].points; }
  // The template's points, after C, L and R.
  std::vector<BridgePoint> TemplatePoints() const { return {Points().begin() + 3, Points().end()}; }

  SubstructureTemplate tmpl_ = PileGroup();
  Road road_ = ArcRoad();
  Bent bent_;
  Bridge bridge_;
  BridgeSolution solution_;
};

// Every distance between two points of the template is the template's own,
// whichever way the road bends under them.
TEST_P(PileGridOnTheRoad, KeepsEveryDistanceOfTheTemplate) {
  const std::vector<BridgePoint> points = TemplatePoints();
  ASSERT_EQ(points.size(), 12u + 4u + 1u);
  for (std::size_t i = 0; i < points.size(); ++i) {
    for (std::size_t j = i + 1; j < points.size(); ++j) {
      const double planned = std::hypot(points[i].u - points[j].u, points[i].v - points[j].v);
      EXPECT_NEAR(Gap(points[i].xy, points[j].xy), planned, 1e-9) << points[i].point << " " << points[j].point;
    }
  }
}

// Each row of piles runs along the cap axis, DU apart, and the rows stand
// DV apart square to it, the first on the side of smaller stations.
TEST_P(PileGridOnTheRoad, LaysTheRowsAlongTheAxis) {
  const std::vector<BridgePoint> points = TemplatePoints();
  const double axis = solution_.bents[0].axisAzimuth;
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c + 1 < 4; ++c) {
      const BridgePoint& a = points[r * 4 + c];
      const BridgePoint& b = points[r * 4 + c + 1];
      const auto [along, across] = Seen(a.xy, b.xy, axis);
      EXPECT_NEAR(along, 2.8, 1e-9) << a.point << " " << b.point;
      EXPECT_NEAR(across, 0, 1e-9) << a.point << " " << b.point;
    }
    if (r > 0) {
      const auto [along, across] = Seen(points[(r - 1) * 4].xy, points[r * 4].xy, axis);
      EXPECT_NEAR(along, 0, 1e-9);
      EXPECT_NEAR(across, -3.1, 1e-9);  // "across" is + right of the axis: the next row lies on its left
    }
  }
  // The first row on the side of smaller stations: its foot comes first.
  EXPECT_LT(points[0].distance, points[8].distance);
  EXPECT_EQ(points[0].point, "Z1");
  EXPECT_EQ(points[11].point, "Z12");
}

// A point's station and offset put it back where it is, and its foot is
// square to the centreline there.
TEST_P(PileGridOnTheRoad, GivesEachPointItsOwnFoot) {
  for (const BridgePoint& p : Points()) {
    ASSERT_EQ(p.status, WhereStatus::kOnRoad) << p.point;
    const std::optional<RoadPoint> back = road_.At(p.distance, p.offset);
    ASSERT_TRUE(back.has_value()) << p.point;
    EXPECT_LE(Gap(back->point, p.xy), 1e-9) << p.point;
    const Placement placed = road_.Place(p.station);
    ASSERT_EQ(placed.status, PlaceStatus::kPlaced) << p.point;
    EXPECT_NEAR(placed.distance, p.distance, 1e-9) << p.point;
    const RoadPose pose = road_.PoseAt(p.distance);
    const auto [along, across] = Seen(pose.point, p.xy, back->azimuth);
    EXPECT_NEAR(along, 0, 1e-9) << p.point;
    EXPECT_NEAR(across, p.offset, 1e-9) << p.point;
  }
}

// The bent's centre and edges are the exact batch's cap, to the bit (in a
// 长链, where a batch's station names no place, the exact cap's).
TEST_P(PileGridOnTheRoad, StandsOnTheExactBatchsCap) {
  const BentRow& row = GetParam();
  RoadCap exact;
  if (row.occurrence == 0) {
    const ExactBatchPlan plan{row.axis, row.B, row.design, 6.25, 9.5, {}, {}};
    const CapRecord record = SolveExactCap(plan, std::make_shared<const Road>(road_), {}, {"3", row.station});
    ASSERT_NE(record.Exact(), nullptr);
    ASSERT_TRUE(record.Exact()->Placed());
    exact = record.Exact()->cap;
  } else {
    exact = SolveRoadCap(road_, {bent_.station, row.B, row.axis, bent_.station, 6.25, 9.5, {}});
    ASSERT_EQ(exact.fault, RoadCapFault::kNone);
  }
  const std::vector<BridgePoint>& points = Points();
  EXPECT_EQ(points[0].xy.X, exact.centre.point.X);
  EXPECT_EQ(points[0].xy.Y, exact.centre.point.Y);
  EXPECT_EQ(points[1].xy.X, exact.left.point.point.X);
  EXPECT_EQ(points[1].xy.Y, exact.left.point.point.Y);
  EXPECT_EQ(points[2].xy.X, exact.right.point.point.X);
  EXPECT_EQ(points[2].xy.Y, exact.right.point.point.Y);
  EXPECT_EQ(solution_.bents[0].axisAzimuth, exact.axisAzimuth);
}

// With a profile over a crest and the normal crown, each point's height is
// the deck at its own foot (found anew here) less its own depth, and a
// skewed bent's piles do not share the centre's.
TEST_P(PileGridOnTheRoad, TakesEachHeightAtItsOwnFoot) {
  const ProfileInput profile{{{{road_.firstStation()}, 100},
                              {road_.StationAt(road_.length() / 2), 104.5, VerticalCurveKind::kRadius, 8000},
                              {{road_.lastStation()}, 97}}};
  const RoadHeightsBuild built = BuildHeights(profile, {}, &road_);
  ASSERT_TRUE(built.heights.has_value());
  const BridgeSolution s = SolveBridge(bridge_, Only(tmpl_), road_, &*built.heights);
  ASSERT_TRUE(s.bents[0].Solved());
  const double centre = *s.bents[0].points[0].height;
  int apart = 0;
  for (const BridgePoint& p : s.bents[0].points) {
    ASSERT_TRUE(p.height.has_value()) << p.point;
    const RoadFoot foot = road_.Where(p.xy);
    const auto deck = built.heights->At(foot.distance, foot.offset);
    ASSERT_TRUE(std::holds_alternative<PointHeight>(deck)) << p.point;
    const double depth = p.point == "S1" ? 2.25 : 1.6;
    EXPECT_NEAR(*p.height, std::get<PointHeight>(deck).elevation - depth, 1e-9) << p.point;
    apart += std::fabs(*p.height - centre) > 1e-3;
  }
  EXPECT_GT(apart, 10);
}

INSTANTIATE_TEST_SUITE_P(
    Bents, PileGridOnTheRoad,
    ::testing::Values(BentRow{"ArcSkew60", ArcRoad, 1450, 0, 60, CapAxisMode::kOwn, 0},
                      BentRow{"ArcSkew125Parallel", ArcRoad, 1520, 0, 125, CapAxisMode::kParallel, 1480},
                      BentRow{"SpiralSkew70", [] { return SpiralRoad(); }, 1330, 0, 70, CapAxisMode::kOwn, 0},
                      BentRow{"SpiralSkew110Parallel", [] { return SpiralRoad(); }, 1380, 0, 110, CapAxisMode::kParallel, 1350},
                      // The grid's 10 m reach over the joint of the straight and the arc.
                      BentRow{"AcrossLineArcJoint", ArcRoad, 1301.5, 0, 55, CapAxisMode::kOwn, 0},
                      BentRow{"AcrossSpiralArcJoint", [] { return SpiralRoad(); }, 1498, 0, 80, CapAxisMode::kOwn, 0},
                      BentRow{"SecondPlaceOfALongChain", SpiralRoadWithEquation, 1390, 2, 65, CapAxisMode::kOwn, 0},
                      BentRow{"Square", [] { return SpiralRoad(); }, 1420, 0, 90, CapAxisMode::kOwn, 0}),
    RowName<BentRow>);

// A bent in a 长链 stands where its occurrence says, and its points say
// which place their stations are.
TEST(BridgeStations, TellTheTwoPlacesOfALongChainApart) {
  const Road road = SpiralRoadWithEquation();
  const SubstructureTemplate tmpl = PileGroup();
  Bent first = SkewBent("1", 1390, 90), second = SkewBent("2", 1390, 90);
  first.station.occurrence = 1;
  second.station.occurrence = 2;
  const BridgeSolution s = SolveBridge({"B", {first, second}}, Only(tmpl), road, nullptr);
  ASSERT_EQ(s.bents.size(), 2u);
  EXPECT_NEAR(s.bents[1].points[0].distance - s.bents[0].points[0].distance, 20, 1e-9);
  EXPECT_EQ(s.bents[0].points[0].station.occurrence, 1);
  EXPECT_EQ(s.bents[1].points[0].station.occurrence, 2);
}

}  // namespace
}  // namespace capset::testing
