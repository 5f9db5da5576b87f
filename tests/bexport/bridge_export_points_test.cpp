// A solved bridge as the points every file takes: each point's name, bent,
// role and place as the solve gave it, bents chosen by name, points that
// were not placed counted, and names two bridges share found before a point
// file would hold both.
#include <gtest/gtest.h>

#include "bridge/bridge_fixtures.h"
#include "bridge_export.h"

namespace capset::testing {
namespace {

class BridgeExportPoints_ : public ::testing::Test {
 protected:
  void SetUp() override {
    bridge_ = {"B1", {SkewBent("3", 1100, 70), SkewBent("4", 1130, 70)}};
    solution_ = SolveBridge(bridge_, Only(tmpl_), road_, nullptr);
  }
  SubstructureTemplate tmpl_ = PileGroup();
  Road road_ = ArcRoad();
  Bridge bridge_;
  BridgeSolution solution_;
};

TEST_F(BridgeExportPoints_, GivesEveryPointOfEveryBentWithItsItemAsRole) {
  const BridgeExport e = BridgeExportOf(bridge_, solution_, Only(tmpl_));
  EXPECT_EQ(e.leftOut, 0);
  EXPECT_TRUE(e.shortBents.empty());
  // C, L, R, 12 piles, 4 corners, one bearing: 20 a bent.
  ASSERT_EQ(e.points.size(), 40u);
  std::size_t i = 0;
  for (const BentSolution& bent : solution_.bents) {
    for (const BridgePoint& p : bent.points) {
      const BridgeFilePoint& f = e.points[i++];
      EXPECT_EQ(f.bridge, "B1");
      EXPECT_EQ(f.point.name, bent.bent + "-" + p.point);
      EXPECT_EQ(f.point.group, bent.bent);
      EXPECT_EQ(f.point.xy, p.xy);
      EXPECT_EQ(f.point.height, p.height);
      EXPECT_TRUE(f.onRoad);
      EXPECT_EQ(f.station, p.station);
      EXPECT_EQ(f.offset, p.offset);
    }
  }
  // The roles: the bent's own, then the item that gave each point.
  const std::vector<std::string> roles = {"C", "L", "R", "Z", "Z", "Z", "Z", "Z", "Z", "Z", "Z", "Z", "Z",
                                          "Z", "Z", "T", "T", "T", "T", "S1"};
  for (std::size_t k = 0; k < roles.size(); ++k) EXPECT_EQ(e.points[k].point.role, roles[k]) << k;
  EXPECT_EQ(e.points[15].point.name, "3-T1");
  EXPECT_EQ(e.points[19].point.name, "3-S1");
}

TEST_F(BridgeExportPoints_, ChosenBentsInTheBridgesOrderEachOnce) {
  const BridgeExport e = BridgeExportOf(bridge_, solution_, Only(tmpl_), {"4", "3", "4"});
  ASSERT_EQ(e.points.size(), 40u);
  EXPECT_EQ(e.points.front().point.name, "3-C");
  EXPECT_EQ(e.points.back().point.name, "4-S1");
  const BridgeExport four = BridgeExportOf(bridge_, solution_, Only(tmpl_), {"4"});
  ASSERT_EQ(four.points.size(), 20u);
  for (const BridgeFilePoint& p : four.points) EXPECT_EQ(p.point.group, "4");
  EXPECT_EQ(ExportPointsOf(four), BridgeExportPoints(bridge_, solution_, {"4"}));
}

TEST_F(BridgeExportPoints_, UnknownBentsNamedOnceInTheirOrder) {
  EXPECT_TRUE(UnknownBents(bridge_, {"3", "4"}).empty());
  EXPECT_EQ(UnknownBents(bridge_, {"9", "3", "x", "9"}), (std::vector<std::string>{"9", "x"}));
}

TEST_F(BridgeExportPoints_, ABentNotPlacedAndAnEdgeNotMetAreCountedAsLeftOut) {
  // Bent 5 beyond the road's end (K1+700), bent 6 so skewed near the arc's
  // centre side that its long half-width misses the edge.
  Bent off = SkewBent("5", 1900, 70);
  Bent wide = SkewBent("6", 1400, 10);
  wide.right = 400;
  bridge_.bents.push_back(off);
  bridge_.bents.push_back(wide);
  solution_ = SolveBridge(bridge_, Only(tmpl_), road_, nullptr);
  ASSERT_FALSE(solution_.bents[2].Solved());
  ASSERT_TRUE(solution_.bents[3].Solved());
  const std::size_t edgesMissed = solution_.bents[3].edges.size();
  ASSERT_GE(edgesMissed, 1u);
  const BridgeExport e = BridgeExportOf(bridge_, solution_, Only(tmpl_));
  EXPECT_EQ(e.leftOut, 20 + static_cast<int>(edgesMissed));
  EXPECT_EQ(e.shortBents, (std::vector<std::string>{"B1/5", "B1/6"}));
  EXPECT_EQ(e.points.size(), 40u + solution_.bents[3].points.size());
  for (const BridgeFilePoint& p : e.points) EXPECT_NE(p.point.group, "5");
}

TEST(SharedPointNames, NamesTwoBridgesGiveAlikeAreFoundOnce) {
  const auto point = [](const char* name) { return ExportPoint{name, {0, 0}, std::nullopt, "", ""}; };
  const std::vector<ExportPoint> points = {point("1-C"), point("1-L"), point("1-C"), point("2-C"), point("1-C")};
  const auto shared = SharedPointNames(points, {"A", "A", "B", "B", "C"});
  ASSERT_EQ(shared.size(), 1u);
  EXPECT_EQ(shared[0].name, "1-C");
  EXPECT_EQ(shared[0].bridges, (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_TRUE(SharedPointNames(std::vector<ExportPoint>{point("1-C"), point("2-C")}, {"A", "B"}).empty());
}

}  // namespace
}  // namespace capset::testing
