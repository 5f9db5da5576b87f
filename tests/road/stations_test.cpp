// Stations through station equations: a 短链 gap is refused, a 长链 overlap
// is never placed without saying which, and every distance's station leads
// back to it.
#include <gtest/gtest.h>

#include "road_fixtures.h"
#include "table.h"

namespace capset::testing {
namespace {

// A straight of 1 000 m from station 0 with a 短链 of 50 m at 300 (stations
// 300 … 350 do not exist) and a 长链 of 20 m at 600 (580 … 600 exist twice):
// distance 0–300 is 0–300, 300–550 is 350–600, 550–1000 is 580–1030.
Road Chained() {
  return Made(RoadFromElements({0, {0, 0}, 0, {{ElementKind::kLine, 1000}}, {{300, 350}, {600, 580}}}));
}

struct PlaceRow {
  const char* name;
  StationRef station;
  PlaceStatus status;
  double distance;
  std::vector<double> places;
  int equation;
};

class Placing : public ::testing::TestWithParam<PlaceRow> {};

TEST_P(Placing, SaysWhereOrWhyNot) {
  const PlaceRow& row = GetParam();
  const Placement p = Chained().Place(row.station);
  EXPECT_EQ(p.status, row.status);
  if (row.status == PlaceStatus::kPlaced) {
    EXPECT_NEAR(p.distance, row.distance, 1e-12);
  }
  EXPECT_EQ(p.places, row.places);
  EXPECT_EQ(p.equation, row.equation);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Placing,
    ::testing::Values(PlaceRow{"BeforeAnyEquation", {100}, PlaceStatus::kPlaced, 100, {}, 0},
                      PlaceRow{"InTheShortChainGap", {320}, PlaceStatus::kInGap, 0, {}, 1},
                      PlaceRow{"BackOfTheShortChain", {300}, PlaceStatus::kPlaced, 300, {}, 0},
                      PlaceRow{"AheadOfTheShortChain", {350}, PlaceStatus::kPlaced, 300, {}, 0},
                      PlaceRow{"BetweenTheEquations", {450}, PlaceStatus::kPlaced, 400, {}, 0},
                      PlaceRow{"InTheLongChainNotSaid", {590}, PlaceStatus::kTwice, 0, {540, 560}, 2},
                      PlaceRow{"InTheLongChainFirst", {590, 1}, PlaceStatus::kPlaced, 540, {}, 0},
                      PlaceRow{"InTheLongChainSecond", {590, 2}, PlaceStatus::kPlaced, 560, {}, 0},
                      PlaceRow{"LongChainBackNotSaid", {600}, PlaceStatus::kTwice, 0, {550, 570}, 2},
                      PlaceRow{"LongChainHasNoThird", {590, 3}, PlaceStatus::kNoSuchOccurrence, 0, {540, 560}, 0},
                      PlaceRow{"SecondOfAUniqueStation", {100, 2}, PlaceStatus::kNoSuchOccurrence, 0, {100}, 0},
                      PlaceRow{"FirstOfAUniqueStationIsIt", {100, 1}, PlaceStatus::kPlaced, 100, {}, 0},
                      PlaceRow{"BeforeTheStart", {-0.5}, PlaceStatus::kBeforeStart, 0, {}, 0},
                      PlaceRow{"AfterTheEnd", {1030.01}, PlaceStatus::kAfterEnd, 0, {}, 0},
                      PlaceRow{"TheLastStationRoundedUp", {1030 + 1e-7}, PlaceStatus::kPlaced, 1000, {}, 0}),
    RowName<PlaceRow>);

TEST(StationsOfDistances, NameTheOccurrenceInAnOverlapAndLeadBack) {
  const Road road = Chained();
  EXPECT_EQ(road.StationAt(540).value, 590);
  EXPECT_EQ(road.StationAt(540).occurrence, 1);
  EXPECT_EQ(road.StationAt(560).occurrence, 2);
  EXPECT_EQ(road.StationAt(100).occurrence, 0);
  // At an equation's point the station is the one ahead.
  EXPECT_EQ(road.StationAt(300).value, 350);
  EXPECT_EQ(road.StationAt(550).value, 580);
  EXPECT_EQ(road.StationAt(550).occurrence, 2);
  for (int i = 0; i <= 4000; ++i) {
    const double d = i * 0.25;
    const Placement p = road.Place(road.StationAt(d));
    ASSERT_EQ(p.status, PlaceStatus::kPlaced) << d;
    EXPECT_NEAR(p.distance, d, 1e-12) << d;
  }
  EXPECT_EQ(road.lastStation(), 1030);
}

// 正算 and 反算 by station, through the equations: a point placed at a
// station of a 长链 overlap is found again at that occurrence; one in a gap is
// not placed.
TEST(StationsOfDistances, PointsPlacedByStationAreFoundAtThatStation) {
  const Road road = Chained();
  for (const StationRef station : {StationRef{120}, StationRef{590, 1}, StationRef{590, 2}, StationRef{1000}}) {
    const Road::StationPoint at = road.AtStation(station, -6.5);
    ASSERT_TRUE(at.point);
    const RoadFoot foot = road.Where(at.point->point);
    EXPECT_EQ(foot.station.value, station.value);
    EXPECT_EQ(foot.station.occurrence, station.occurrence);
    EXPECT_NEAR(foot.offset, -6.5, 1e-12);
  }
  const Road::StationPoint gap = road.AtStation({320});
  EXPECT_EQ(gap.placement.status, PlaceStatus::kInGap);
  EXPECT_FALSE(gap.point);
}

// Without equations a station is placed without a list of its places, and
// an occurrence it cannot have is still refused.
TEST(StationsOfAPlainRoad, RefuseAnOccurrenceTheyCannotHave) {
  const Road road = Made(RoadFromElements({500, {0, 0}, 0, {{ElementKind::kLine, 100}}, {}}));
  EXPECT_EQ(road.Place({550, 1}).distance, 50);
  EXPECT_EQ(road.Place({550, 2}).status, PlaceStatus::kNoSuchOccurrence);
  EXPECT_EQ(road.Place({550, -1}).status, PlaceStatus::kNoSuchOccurrence);
  EXPECT_EQ(road.Place({499}).status, PlaceStatus::kBeforeStart);
  EXPECT_EQ(road.Place({600.5}).status, PlaceStatus::kAfterEnd);
}

// Key points and JD stations of a table run through its equations.
TEST(StationsOfATable, RunThroughItsEquations) {
  const IntersectionRoadInput plain{0, {0, 0}, {{{600, 0}, 300, 60, 60}, {{1200, 500}, 400, 80, 40}}, {1900, 500}, {}};
  IntersectionRoadInput chained = plain;
  chained.equations = {{700, 750}};  // after the first curve, before the second
  const Road a = Made(RoadFromIntersections(plain)), b = Made(RoadFromIntersections(chained));
  ASSERT_EQ(a.keyPoints().size(), b.keyPoints().size());
  for (std::size_t i = 0; i < a.keyPoints().size(); ++i) {
    const KeyPoint &ka = a.keyPoints()[i], &kb = b.keyPoints()[i];
    EXPECT_EQ(ka.distance, kb.distance);
    EXPECT_NEAR(kb.station.value - ka.station.value, ka.distance >= 700 ? 50 : 0, 1e-9) << KeyPointName(ka);
  }
  EXPECT_NEAR(b.curves()[1].jdStation - a.curves()[1].jdStation, 50, 1e-9);
}

}  // namespace
}  // namespace capset::testing
