// Roads from intersection points against published values and against the
// independent 50-digit rebuild of the same tables (golden.py).
//
// Sources
//   The design table: "直线曲线及转角表, ××二级公路改建工程", the worked
//   example of a design institute's curve table in the answer "直线曲线转角
//   一览表怎么样用设计院提供的…要素进行分析计算" (wenda.xuexiaodaquan.com).
//   BP and JD1–JD5 are used, JD6 standing as EP (its tangent is on the same
//   leg). JD5's Y is printed 603607.1512 there, a slip for 503607.1512: the
//   printed leg JD4→JD5 (825.463 m at 316°21′04″) puts it there. Its values
//   are rounded to the millimetre; its key stations are chained from
//   rounded values, so they are held to 2 mm.
//   The plain arc: the textbook exercise "已知某交点JD的桩号K5+119.99，右角为
//   136°24′，半径R=300m，试计算圆曲线元素主点里程" with its worked answer
//   (m.zixin.com.cn/doc/4107788.html): α = 180° − 136°24′ = 43°36′,
//   T = 119.99, L = 228.29, E = 23.11, J = 11.69, ZY K5+000, QZ K5+114.14,
//   YZ K5+228.29, to the centimetre.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "golden_values.h"
#include "road_fixtures.h"

namespace capset::testing {
namespace {

IntersectionRoadInput DesignTable() {
  return {0,
          {3355206.7360, 505412.8240},
          {{{3355419.3625, 504799.1127}, 816.926, 85, 85},
           {{3355594.4553, 504541.0977}, 3329.645, 0, 0},
           {{3355776.6199, 504321.7551}, 255, 70, 70},
           {{3356457.9837, 504176.9164}, 500, 95, 95},
           {{3357055.2748, 503607.1512}, 500, 95, 95}},
          {3357232.3079, 503169.2906},
          {}};
}

IntersectionRoadInput AsymmetricTable() {
  return {1000,
          {40000, 60000},
          {{{40800, 60350}, 300, 120, 60}, {{41200, 59900}, 150, 40, 90}, {{41900, 60150}, 600, 0, 0},
           {{42500, 59700}, 90, 60, 60}},
          {43300, 59850},
          {}};
}

struct PrintedCurve {
  double turnDegrees;  // signed, + right
  double T1, T2, L, E, J, jdStation;
  std::vector<double> keyStations;  // in the table's order
};

// The table as printed.
const PrintedCurve kPrinted[] = {
    {15 + 3 / 60. + 8 / 3600., 150.474, 150.474, 299.615, 7.470, 1.333, 649.501,
     {499.027, 584.027, 648.835, 713.642, 798.642}},
    {5 + 32 / 60. + 54 / 3600., 161.342, 161.342, 322.432, 3.907, 0.252, 959.984, {798.642, 959.858, 1121.074}},
    {38 + 17 / 60. + 22 / 3600., 123.781, 123.780, 240.411, 15.776, 7.150, 1244.855,
     {1121.074, 1191.074, 1241.279, 1291.485, 1361.485}},
    {-(31 + 38 / 60. + 53 / 3600.), 189.411, 189.411, 371.181, 20.476, 7.641, 1934.292,
     {1744.881, 1839.881, 1930.472, 2021.063, 2116.063}},
    {-(24 + 20 / 60. + 13 / 3600.), 155.464, 155.464, 307.380, 12.261, 3.548, 2752.115,
     {2596.651, 2691.651, 2750.341, 2809.031, 2904.031}},
};

// The key points of JD j, in order.
std::vector<KeyPoint> KeysOf(const Road& road, int j) {
  std::vector<KeyPoint> keys;
  for (const KeyPoint& k : road.keyPoints())
    if (k.number == j && k.kind != KeyPointKind::kJ) keys.push_back(k);
  return keys;
}

TEST(DesignTable, CurveElementsAndStationsAreThePrintedOnes) {
  const Road road = Made(RoadFromIntersections(DesignTable()));
  ASSERT_EQ(road.curves().size(), 5u);
  for (int j = 1; j <= 5; ++j) {
    const CurveElements& c = road.curves()[j - 1];
    const PrintedCurve& p = kPrinted[j - 1];
    SCOPED_TRACE(j);
    // The turn comes from coordinates to 0.1 mm over legs of some 300 m.
    EXPECT_NEAR(c.turn, p.turnDegrees, 0.5 / 3600);
    EXPECT_NEAR(c.T1, p.T1, 0.0006);
    EXPECT_NEAR(c.T2, p.T2, 0.0006);
    EXPECT_NEAR(c.L, p.L, 0.0011);
    EXPECT_NEAR(c.E, p.E, 0.0006);
    EXPECT_NEAR(c.J, p.J, 0.0011);
    EXPECT_NEAR(c.jdStation, p.jdStation, 0.002);
    const std::vector<KeyPoint> keys = KeysOf(road, j);
    ASSERT_EQ(keys.size(), p.keyStations.size());
    for (std::size_t i = 0; i < keys.size(); ++i) EXPECT_NEAR(keys[i].station.value, p.keyStations[i], 0.002) << i;
  }
  // A plain arc's points are ZY, QZ, YZ.
  const std::vector<KeyPoint> arc = KeysOf(road, 2);
  EXPECT_EQ(KeyPointName(arc.front()), "ZY2");
  EXPECT_EQ(KeyPointName(arc.back()), "YZ2");
  EXPECT_EQ(KeyPointName(road.keyPoints().front()), "BP");
  EXPECT_EQ(KeyPointName(road.keyPoints().back()), "EP");
}

struct GoldenTableRow {
  const char* name;
  IntersectionRoadInput (*input)();
  const GoldenCurve* curves;
  int count;
};

class GoldenTables : public ::testing::TestWithParam<GoldenTableRow> {};

// p, q, T1, T2, L, Ly, E, J and every key point to a nanometre against a
// rebuild that shares no code with the road: the clothoid by quadrature, the
// arc by rotation about the shifted centre, the exit spiral from HZ back.
TEST_P(GoldenTables, CurvesAndKeyPointsMatchTheIndependentRebuild) {
  const GoldenTableRow& row = GetParam();
  const Road road = Made(RoadFromIntersections(row.input()));
  ASSERT_EQ(static_cast<int>(road.curves().size()), row.count);
  for (int j = 0; j < row.count; ++j) {
    const CurveElements& c = road.curves()[j];
    const GoldenCurve& g = row.curves[j];
    SCOPED_TRACE(j + 1);
    EXPECT_NEAR(c.turn, g.alpha, 1e-12);
    for (const auto& [got, want] : {std::pair{c.T1, g.T1}, std::pair{c.T2, g.T2}, std::pair{c.L, g.L},
                                    std::pair{c.Ly, g.Ly}, std::pair{c.E, g.E}, std::pair{c.J, g.J},
                                    std::pair{c.p1, g.p1}, std::pair{c.q1, g.q1}, std::pair{c.p2, g.p2},
                                    std::pair{c.q2, g.q2}}) {
      EXPECT_NEAR(got, want, 1e-9);
    }
    // ZH, HY, QZ, YH, HZ, by their distances along the curve.
    const double along[] = {0, c.Ls1, c.L / 2, c.Ls1 + c.Ly, c.L};
    for (int k = 0; k < 5; ++k) {
      const auto at = road.At(c.zhDistance + along[k]);
      ASSERT_TRUE(at);
      EXPECT_NEAR(at->point.X, g.points[2 * k], 1e-9) << k;
      EXPECT_NEAR(at->point.Y, g.points[2 * k + 1], 1e-9) << k;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, GoldenTables,
                         ::testing::Values(GoldenTableRow{"DesignTable", DesignTable, kDesignTableCurves, 5},
                                           GoldenTableRow{"AsymmetricSpiralsTightCurvesAndAnArc", AsymmetricTable,
                                                          kAsymmetricTableCurves, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

// The textbook's circular curve, laid out with its JD at K5+119.99.
TEST(TextbookArc, ElementsAndMainPointStationsAreTheWorkedAnswer) {
  const double alpha = (43 + 36 / 60.0) * kDeg;
  const double leg = 400;
  const Road road = Made(RoadFromIntersections(
      {5119.99 - leg, {0, 0}, {{{leg, 0}, 300, 0, 0}}, {leg + leg * std::cos(alpha), leg * std::sin(alpha)}, {}}));
  const CurveElements& c = road.curves().front();
  EXPECT_NEAR(c.turn, 43.6, 1e-12);
  EXPECT_NEAR(c.T1, 119.99, 0.005);
  EXPECT_NEAR(c.L, 228.29, 0.005);
  EXPECT_NEAR(c.E, 23.11, 0.01);  // 23.115: the answer cut it rather than rounding
  EXPECT_NEAR(c.J, 11.69, 0.005);
  const std::vector<KeyPoint> keys = KeysOf(road, 1);
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_EQ(KeyPointName(keys[0]), "ZY1");
  EXPECT_NEAR(keys[0].station.value, 5000.00, 0.005);
  EXPECT_NEAR(keys[1].station.value, 5114.14, 0.006);
  EXPECT_NEAR(keys[2].station.value, 5228.29, 0.005);
  EXPECT_NEAR(c.jdStation, 5119.99, 1e-9);
}

}  // namespace
}  // namespace capset::testing
