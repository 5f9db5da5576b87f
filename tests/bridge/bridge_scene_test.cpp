// The bridge page's plan and points table without a display: every point
// of the solution drawn once with a name of its own, pile grids' rows and
// columns through their piles, a cap's corners as its outline, the names a
// view draws apart from each other; the points table row for row with the
// solution, its numbers as the user writes them.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>

#include "bent_points.h"
#include "bridge_fixtures.h"
#include "bridge_scene.h"
#include "number_text.h"
#include "ready_templates.h"

namespace capset::testing {
namespace {

struct SceneCase {
  Road road = ArcRoad();
  SubstructureTemplate tmpl = PileGroup();
  Bridge bridge{"B1", {SkewBent("1", 1250, 75), SkewBent("2", 1290, 90), SkewBent("3", 1330, 105.5),
                       SkewBent("4", 1370, 60, CapAxisMode::kParallel, 1330)}};
  BridgeSolution solution = SolveBridge(bridge, Only(tmpl), road, nullptr);
  BridgeScene scene = MakeBridgeScene(bridge, solution, road, Only(tmpl));
};

bool Near(PlanePoint a, PlanePoint b) { return std::hypot(a.X - b.X, a.Y - b.Y) < 1e-9; }

TEST(BridgeScene, EveryPointDrawnOnceUnderItsOwnName) {
  const SceneCase c;
  std::vector<std::string> solved;
  for (const BentSolution& b : c.solution.bents) {
    for (const BridgePoint& p : b.points) solved.push_back(p.Name());
  }
  ASSERT_EQ(c.scene.points.size(), solved.size());
  std::set<std::string> names;
  for (std::size_t i = 0; i < solved.size(); ++i) {
    EXPECT_EQ(c.scene.points[i].name, solved[i]);
    names.insert(c.scene.points[i].name);
  }
  EXPECT_EQ(names.size(), solved.size()) << "names are unique";
  // Each bent's points are its own, one run after another.
  int next = 0;
  for (std::size_t k = 0; k < c.scene.bents.size(); ++k) {
    const SceneBent& bent = c.scene.bents[k];
    EXPECT_EQ(bent.firstPoint, next);
    EXPECT_EQ(bent.pointCount, static_cast<int>(c.solution.bents[k].points.size()));
    for (int i = bent.firstPoint; i < bent.firstPoint + bent.pointCount; ++i) {
      EXPECT_EQ(c.scene.points[i].bent, static_cast<int>(k));
      const PlanePoint p = c.scene.points[i].xy;
      EXPECT_TRUE(p.X >= c.scene.box.minX && p.X <= c.scene.box.maxX && p.Y >= c.scene.box.minY && p.Y <= c.scene.box.maxY);
    }
    next += bent.pointCount;
  }
}

TEST(BridgeScene, GridsAndOutlinesGoThroughTheirPoints) {
  const SceneCase c;
  for (std::size_t k = 0; k < c.scene.bents.size(); ++k) {
    const SceneBent& bent = c.scene.bents[k];
    const auto& points = c.solution.bents[k].points;
    auto at = [&](const std::string& name) {
      for (const BridgePoint& p : points)
        if (p.point == name) return p.xy;
      ADD_FAILURE() << name;
      return PlanePoint{0, 0};
    };
    // Grid Z: 3 rows of 4; a line along each row and across each column.
    ASSERT_EQ(bent.gridLines.size(), 3u + 4u);
    for (int r = 0; r < 3; ++r) {
      EXPECT_TRUE(Near(bent.gridLines[r].from, at("Z" + std::to_string(r * 4 + 1))));
      EXPECT_TRUE(Near(bent.gridLines[r].to, at("Z" + std::to_string(r * 4 + 4))));
    }
    for (int col = 0; col < 4; ++col) {
      EXPECT_TRUE(Near(bent.gridLines[3 + col].from, at("Z" + std::to_string(col + 1))));
      EXPECT_TRUE(Near(bent.gridLines[3 + col].to, at("Z" + std::to_string(8 + col + 1))));
    }
    ASSERT_EQ(bent.outlines.size(), 1u);
    for (int n = 0; n < 4; ++n) EXPECT_TRUE(Near(bent.outlines[0][n], at("T" + std::to_string(n + 1))));
    // The axis from edge to edge, where the bent has them.
    EXPECT_TRUE(Near(bent.axis.from, at("L")));
    EXPECT_TRUE(Near(bent.axis.to, at("R")));
  }
}

TEST(BridgeScene, TheRoadAlongTheBridgeAndNoFurther) {
  const SceneCase c;
  ASSERT_GE(c.scene.centreline.size(), 2u);
  const RoadFoot first = c.road.Where(c.scene.centreline.front()), last = c.road.Where(c.scene.centreline.back());
  EXPECT_NEAR(first.station.value, 1250 - kRoadBeyondBents, 1e-6);
  EXPECT_NEAR(last.station.value, 1370 + kRoadBeyondBents, 1e-6);
  // The edges at the widest half-widths the bents give.
  EXPECT_NEAR(c.road.Where(c.scene.leftEdge[5]).offset, -6.25, 1e-6);
  EXPECT_NEAR(c.road.Where(c.scene.rightEdge[5]).offset, 9.5, 1e-6);
}

TEST(BridgeScene, ABentWithoutEdgesHasItsAxisAcrossItsPoints) {
  const Road road = ArcRoad();
  Bridge bridge{"B", {{"1", {1100}}}};
  bridge.bents[0].templateName = "two-columns";
  const TemplateLookup ready = [](const std::string& n) { return FindReadyTemplate(n); };
  const BridgeSolution solution = SolveBridge(bridge, ready, road, nullptr);
  const BridgeScene scene = MakeBridgeScene(bridge, solution, road, ready);
  ASSERT_EQ(scene.bents.size(), 1u);
  EXPECT_NEAR(std::hypot(scene.bents[0].axis.to.X - scene.bents[0].axis.from.X, scene.bents[0].axis.to.Y - scene.bents[0].axis.from.Y),
              6.5, 1e-9) << "C1 to C2";
  EXPECT_TRUE(scene.leftEdge.empty());
}

TEST(BridgeScene, ABentOffTheRoadIsNotDrawn) {
  const Road road = ArcRoad();
  const Bridge bridge{"B", {{"1", {1100}}, {"2", {5000}}}};
  const BridgeSolution solution = SolveBridge(bridge, [](const std::string&) { return nullptr; }, road, nullptr);
  const BridgeScene scene = MakeBridgeScene(bridge, solution, road, [](const std::string&) { return nullptr; });
  ASSERT_EQ(scene.bents.size(), 2u);
  EXPECT_FALSE(scene.bents[1].solved);
  EXPECT_EQ(scene.bents[1].pointCount, 0);
  EXPECT_EQ(scene.points.size(), 1u);
}

// Property: no two labels kept run into each other, and every one left
// out runs into one kept; the chosen ones come first.
TEST(ThinLabels, KeptApartAndNoneLeftOutThatFits) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> coordinate(0, 600);
  for (int round = 0; round < 50; ++round) {
    std::vector<Pixel> at(300);
    for (Pixel& p : at) p = {coordinate(random), coordinate(random)};
    const double w = 20 + round, h = 8 + round / 5.0;
    const auto clash = [&](int a, int b) { return std::fabs(at[a].x - at[b].x) < w && std::fabs(at[a].y - at[b].y) < h; };
    const std::vector<int> kept = ThinLabels(at, w, h, 100, 30);
    std::set<int> keptSet(kept.begin(), kept.end());
    ASSERT_EQ(keptSet.size(), kept.size());
    for (std::size_t i = 0; i < kept.size(); ++i) {
      for (std::size_t j = i + 1; j < kept.size(); ++j) {
        EXPECT_FALSE(clash(kept[i], kept[j]));
      }
    }
    for (int n = 0; n < 300; ++n) {
      if (keptSet.count(n)) continue;
      const bool crowded = std::any_of(kept.begin(), kept.end(), [&](int k) { return clash(k, n); });
      EXPECT_TRUE(crowded) << n;
    }
    EXPECT_EQ(kept.front(), 100) << "the chosen bent's first name first";
  }
}

TEST(BentPointsTable, RowForRowWithTheSolution) {
  const SceneCase c;
  const BentPointsTable table = MakeBentPointsTable("B1", c.bridge.bents[2], c.solution.bents[2], c.road, ",");
  const auto& points = c.solution.bents[2].points;
  ASSERT_EQ(table.rows.size(), points.size());
  for (std::size_t i = 0; i < points.size(); ++i) {
    EXPECT_EQ(table.rows[i][0], "3-" + points[i].point);
    EXPECT_EQ(table.rows[i][1], FixedText(points[i].xy.X, 3, ","));
    EXPECT_EQ(table.rows[i][3], "-") << "no heights";
    EXPECT_EQ(table.rows[i][5], FixedText(points[i].offset, 3, ","));
    EXPECT_EQ(table.rows[i][6], "圆曲线");
  }
  EXPECT_NE(table.rows[0][4].find(","), std::string::npos) << table.rows[0][4];
  EXPECT_TRUE(table.notices.empty());
}

TEST(BentPointsTable, ABentNotPlacedSaysWhy) {
  const Road road = ArcRoad();
  const Bridge bridge{"B1", {{"9", {5000}}}};
  const BridgeSolution solution = SolveBridge(bridge, [](const std::string&) { return nullptr; }, road, nullptr);
  const BentPointsTable table = MakeBentPointsTable("B1", bridge.bents[0], solution.bents[0], road, ".");
  EXPECT_TRUE(table.rows.empty());
  ASSERT_EQ(table.notices.size(), 1u);
  EXPECT_NE(table.notices[0].find("9"), std::string::npos) << table.notices[0];
}

TEST(BentPointsTable, APointBeyondTheRoadSaysWhereItIs) {
  const Road road = ArcRoad();
  SubstructureTemplate far{"far", {OnePoint("F1", 0, -80)}};
  Bridge bridge{"B1", {{"1", {1010}}}};
  bridge.bents[0].templateName = "far";
  const BridgeSolution solution = SolveBridge(bridge, Only(far), road, nullptr);
  const BentPointsTable table = MakeBentPointsTable("B1", bridge.bents[0], solution.bents[0], road, ".");
  ASSERT_EQ(table.rows.size(), 2u);
  EXPECT_NE(table.rows[1][4].find("起点之前"), std::string::npos) << table.rows[1][4];
  EXPECT_EQ(table.rows[1][5], "");
  EXPECT_EQ(table.rows[1][6], "");
}

}  // namespace
}  // namespace capset::testing
