// Heights on a road: the textbook crest typed in stations on a road with a
// 长链 and a 短链 (its grades are over the true distances, so its K5+010.00
// and K5+080.00 are the book's only if every station is placed right), and
// superelevation over a JD's spirals, the same as typed at its key stations.
#include <gtest/gtest.h>

#include "road_fixtures.h"
#include "section_fixtures.h"
#include "table.h"

namespace capset::testing {
namespace {

constexpr double kExact = 1e-9;

struct StationRow {
  const char* name;
  StationRef station;
  double offset;
  double elevation;
  double grade;
};

void PrintTo(const StationRow& row, std::ostream* os) { *os << row.name; }

class ChainedTextbook : public ::testing::TestWithParam<StationRow> {};

TEST_P(ChainedTextbook, GivesTheBooksElevations) {
  const StationRow& row = GetParam();
  const Road road = Made(RoadFromElements(ChainedStraight()));
  const RoadHeightsBuild built = BuildHeights(ChainedCrest(), CrossSectionInput{}, &road);
  ASSERT_TRUE(built.heights);
  const Placement placed = road.Place(row.station);
  ASSERT_EQ(placed.status, PlaceStatus::kPlaced);
  const auto at = built.heights->At(placed.distance, row.offset);
  ASSERT_TRUE(std::holds_alternative<PointHeight>(at));
  EXPECT_NEAR(std::get<PointHeight>(at).elevation, row.elevation, kExact);
  EXPECT_NEAR(std::get<PointHeight>(at).grade, row.grade, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Heights, ChainedTextbook,
    ::testing::Values(StationRow{"K5_010", {5010}, 0, 425.455, 0.015},
                      StationRow{"K5_080", {5080}, 0, 425.28, -0.02},
                      StationRow{"BVC_K4_940", {4940}, 0, 423.18, 0.05},
                      StationRow{"EVC_K5_120", {5120}, 0, 424.08, -0.04},
                      StationRow{"first_PVI_K4_800", {4800}, 0, 415.18, 0.05},
                      StationRow{"K4_860_first_time", {4860, 1}, 0, 418.18, 0.05},
                      StationRow{"K4_860_second_time", {4860, 2}, 0, 419.18, 0.05},
                      StationRow{"K5_300_past_the_short_chain", {5300}, 0, 418.88, -0.04},
                      StationRow{"last_PVI_K5_350", {5350}, 0, 416.88, -0.04},
                      StationRow{"K5_010_at_the_right_edge", {5010}, 3.75, 425.38, 0.015},
                      StationRow{"K5_080_on_the_left", {5080}, -7.5, 425.13, -0.02}),
    RowName<StationRow>);

TEST(ChainedTextbook, CurveElementsAtTheBooksStations) {
  const Road road = Made(RoadFromElements(ChainedStraight()));
  const RoadHeightsBuild built = BuildHeights(ChainedCrest(), CrossSectionInput{}, &road);
  ASSERT_TRUE(built.heights);
  const std::vector<VerticalCurveElements> curves = built.heights->profile().Curves();
  ASSERT_EQ(curves.size(), 1u);
  const VerticalCurveElements& c = curves[0];
  EXPECT_NEAR(c.length, 180, kExact);
  EXPECT_NEAR(*c.tangent, 90, kExact);
  EXPECT_NEAR(c.external, 2.025, kExact);
  EXPECT_NEAR(road.StationAt(c.bvc.distance).value, 4940, kExact);
  EXPECT_NEAR(c.bvc.elevation, 423.18, kExact);
  EXPECT_NEAR(road.StationAt(c.evc.distance).value, 5120, kExact);
  EXPECT_NEAR(c.evc.elevation, 424.08, kExact);
}

// A transition typed across the 长链 takes the occurrence it names.
TEST(ChainedTextbook, ATransitionStartsAtTheOccurrenceItNames) {
  const Road road = Made(RoadFromElements(ChainedStraight()));
  CrossSectionInput in;
  in.transitions.push_back({0, {4860, 2}, {4900}, {4950}, {4990}, 6, SectionSide::kRight, SuperAxis::kCentre});
  const RoadHeightsBuild built = BuildHeights(ChainedCrest(), in, &road);
  ASSERT_TRUE(built.heights);
  const CrossSection& s = built.heights->section();
  const double first = road.Place({4860, 1}).distance, second = road.Place({4860, 2}).distance;
  EXPECT_EQ(s.At(first).left, -2);  // the first K4+860 lies before the transition
  EXPECT_EQ(s.At(second).left, -2);
  EXPECT_GT(s.At(second + 10).left, -2);
  EXPECT_NEAR(s.At(road.Place({4900}).distance).left, 6, 1e-12);
}

std::vector<double> KeyDistances(const Road& road, int jd) {
  std::vector<double> out;
  for (KeyPointKind kind : {KeyPointKind::kZH, KeyPointKind::kHY, KeyPointKind::kYH, KeyPointKind::kHZ})
    for (const KeyPoint& k : road.keyPoints())
      if (k.number == jd && k.kind == kind) out.push_back(k.distance);
  return out;
}

struct JdRow {
  const char* name;
  int jd;
  SuperAxis axis;
  SectionSide inner;  // the side the JD turns to
};

void PrintTo(const JdRow& row, std::ostream* os) { *os << row.name; }

class OverJd : public ::testing::TestWithParam<JdRow> {};

TEST_P(OverJd, IsTheTransitionAtItsKeyStationsTurningItsWay) {
  const JdRow& row = GetParam();
  const Road road = Made(RoadFromIntersections(TwoCurves()));
  const std::vector<double> keys = KeyDistances(road, row.jd);
  ASSERT_EQ(keys.size(), 4u);
  CrossSectionInput byJd;
  byJd.leftWidth = 3.75, byJd.rightWidth = 5.25, byJd.design = 3.75;
  byJd.transitions.push_back({row.jd, {}, {}, {}, {}, 5, SectionSide::kLeft, row.axis});
  CrossSectionInput byStations = byJd;
  byStations.transitions[0] = {0,     road.StationAt(keys[0]), road.StationAt(keys[1]), road.StationAt(keys[2]),
                               road.StationAt(keys[3]), 5, row.inner, row.axis};
  const RoadHeightsBuild a = BuildHeights(CrestInputOn(&road), byJd, &road);
  const RoadHeightsBuild b = BuildHeights(CrestInputOn(&road), byStations, &road);
  ASSERT_TRUE(a.heights);
  ASSERT_TRUE(b.heights);
  for (double d = keys[0] - 20; d <= keys[3] + 20; d += 7.5)
    for (double o : {-6.0, -3.75, 0.0, 2.0, 5.25})
      EXPECT_NEAR(a.heights->section().RiseAt(d, o), b.heights->section().RiseAt(d, o), 1e-12) << d << " " << o;
  // At full superelevation the side the road turns to lies low.
  const SectionAt full = a.heights->section().At((keys[1] + keys[2]) / 2);
  EXPECT_DOUBLE_EQ(row.inner == SectionSide::kRight ? full.right : full.left, -5);
  EXPECT_DOUBLE_EQ(row.inner == SectionSide::kRight ? full.left : full.right, 5);
}

INSTANTIATE_TEST_SUITE_P(Heights, OverJd,
                         ::testing::Values(JdRow{"right_turn_about_the_centre", 1, SuperAxis::kCentre, SectionSide::kRight},
                                           JdRow{"right_turn_about_the_inner_edge", 1, SuperAxis::kInnerEdge,
                                                 SectionSide::kRight},
                                           JdRow{"left_turn_about_the_centre", 2, SuperAxis::kCentre, SectionSide::kLeft},
                                           JdRow{"left_turn_about_the_outer_edge", 2, SuperAxis::kOuterEdge,
                                                 SectionSide::kLeft}),
                         RowName<JdRow>);

// Both JDs at once: the transitions keep apart, and between them the
// normal crown holds.
TEST(OverJd, TwoCurvesBetweenThemTheNormalCrown) {
  const Road road = Made(RoadFromIntersections(TwoCurves()));
  CrossSectionInput in;
  in.transitions.push_back({2, {}, {}, {}, {}, 4});
  in.transitions.push_back({1, {}, {}, {}, {}, 6});
  const RoadHeightsBuild built = BuildHeights(CrestInputOn(&road), in, &road);
  ASSERT_TRUE(built.heights);
  const double hz1 = KeyDistances(road, 1)[3], zh2 = KeyDistances(road, 2)[0];
  ASSERT_LT(hz1, zh2);
  const SectionAt between = built.heights->section().At((hz1 + zh2) / 2);
  EXPECT_EQ(between.left, -2);
  EXPECT_EQ(between.right, -2);
}

}  // namespace
}  // namespace capset::testing
