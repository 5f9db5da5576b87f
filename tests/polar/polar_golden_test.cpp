// Polar set-out data against the independent exact computation of
// tests/golden/polar_golden.py (exact rationals of the typed doubles,
// mpmath at 50 digits): every quadrant, due north, south, east and west,
// points a hair either side of north, and a backsight at 359°59′.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "packed_dms_text.h"
#include "polar_data.h"
#include "table.h"

namespace capset::testing {
namespace {

constexpr PlanePoint kStation{3381234.567, 512345.678};
constexpr double kStationH = 12.345, kHI = 1.52;

struct GoldenRow {
  const char* name;
  double dX, dY, H;  // the point as the golden script types it: S + (dX, dY)
  double azimuth;
  const char* azimuthText;
  double distance;
  double turn;  // from the backsight at 359°59′
  const char* turnText;
  double dH;
  double zenith;
  const char* zenithText;
};

// polar_golden.py's output, backsight b359_59.
constexpr double kBacksightAzimuth = 359.98333333381024;
constexpr double kBacksightDistance = 200.000008461595;
const GoldenRow kRows[] = {
    {"due_north", 100.0, 0, 14.0, 0.0, "0.00000", 100.0, 0.016666666189757255, "0.01000", 0.134999999999999,
     89.923037452236277, "89.55229"},
    {"due_south", -100.0, 0, 10.0, 180.0, "180.00000", 100.0, 180.01666666618976, "180.01000", -3.865,
     92.213766315879315, "92.12496"},
    {"due_east", 0, 100.0, 13.865, 90.0, "90.00000", 100.0, 90.016666666189757, "90.01000", 0, 90.000386708290539,
     "90.00014"},
    {"due_west", 0, -100.0, 13.865, 270.0, "270.00000", 100.0, 270.01666666618976, "270.01000", 0,
     90.000386708290539, "90.00014"},
    {"first_quadrant", 30.0, 40.0, 20.0, 53.130102354155979, "53.07484", 50.0, 53.146769020345736, "53.08484", 6.135,
     83.004963559706763, "83.00179"},
    {"second_quadrant", -30.0, 40.0, 5.0, 126.86989764584402, "126.52116", 50.0, 126.88656431203378, "126.53116",
     -8.865, 100.05424728339576, "100.03153"},
    {"third_quadrant", -30.0, -40.0, 13.865, 233.13010235415598, "233.07484", 50.0, 233.14676902034574, "233.08484",
     0, 90.000193354145272, "90.00007"},
    {"fourth_quadrant", 30.0, -40.0, 13.0, 306.86989764584402, "306.52116", 50.0, 306.88656431203378, "306.53116",
     -0.865, 90.991311412501888, "90.59287"},
    {"hair_west_of_north", 250.0, -0.001, 13.865, 359.9997708168844, "359.59592", 250.000000002,
     0.016437483074160748, "0.00592", 0, 90.000966770726279, "90.00035"},
    {"hair_east_of_north", 250.0, 0.001, 13.865, 0.00022918311559650774, "0.00008", 250.000000002,
     0.016895849305353763, "0.01008", 0, 90.000966770726279, "90.00035"},
    // Just short of the backsight's own direction: 359.99999999999166 turns
    // to 0.00000, never to 360.
    {"on_backsight_line", 400.0, -0.116355283466288, 13.865, 359.98333333380191, "359.59000", 400.00001692319,
     359.99999999999166, "0.00000", 0, 90.001546833227248, "90.00056"},
    {"far_below", 350.0, 350.0, -2.5, 45.0, "45.00000", 494.974746830583, 45.016666666189757, "45.01000", -16.365,
     91.895552065823485, "91.53440"},
};

InstrumentStation Station() { return {"S1", kStation, kStationH, kHI}; }
Backsight BacksightAt359_59() { return {"B1", PlanePoint{kStation.X + 200.0, kStation.Y - 0.058177641733144}, 0}; }

class PolarGolden : public ::testing::TestWithParam<GoldenRow> {};

TEST(PolarGoldenBacksight, At359Degrees59Minutes) {
  const std::optional<BacksightReading> b = ReadBacksight(Station(), BacksightAt359_59());
  ASSERT_TRUE(b.has_value());
  EXPECT_NEAR(b->azimuth, kBacksightAzimuth, 1e-9);
  ASSERT_TRUE(b->distance.has_value());
  EXPECT_NEAR(*b->distance, kBacksightDistance, 1e-9);
  EXPECT_EQ(PackedAzimuthTenths(b->azimuth), "359.59000");
}

TEST_P(PolarGolden, MatchesTheExactValues) {
  const GoldenRow& g = GetParam();
  const std::optional<BacksightReading> b = ReadBacksight(Station(), BacksightAt359_59());
  ASSERT_TRUE(b.has_value());
  const PlanePoint p{kStation.X + g.dX, kStation.Y + g.dY};
  const PolarReading r = PolarTo(Station().Setup(), b->azimuth, p, g.H);
  ASSERT_TRUE(r.azimuth && r.turn && r.heightDiff && r.zenith);
  // A nanodegree is 5 µm at 300 m; the coordinates near 3.4e6 carry 5e-10 m.
  EXPECT_NEAR(*r.azimuth, g.azimuth, 1e-9);
  EXPECT_NEAR(r.distance, g.distance, 1e-9);
  EXPECT_NEAR(*r.turn, g.turn, 1e-9);
  EXPECT_NEAR(*r.heightDiff, g.dH, 1e-12);
  EXPECT_NEAR(*r.zenith, g.zenith, 1e-9);
  EXPECT_EQ(PackedAzimuthTenths(*r.azimuth), g.azimuthText);
  EXPECT_EQ(PackedAzimuthTenths(*r.turn), g.turnText);
  EXPECT_EQ(PackedDmsTenths(*r.zenith), g.zenithText);
  EXPECT_GE(*r.azimuth, 0);
  EXPECT_LT(*r.azimuth, 360);
  EXPECT_GE(*r.turn, 0);
  EXPECT_LT(*r.turn, 360);
}

INSTANTIATE_TEST_SUITE_P(Points, PolarGolden, ::testing::ValuesIn(kRows), RowName<GoldenRow>);

// The same points from a backsight in the south-east (bSE of the script):
// the turn wraps through 360 on the other side.
struct TurnRow {
  const char* name;
  double dX, dY;
  double turn;
  const char* turnText;
};
const TurnRow kTurnsFromSouthEast[] = {
    {"due_north", 100.0, 0, 208.07248693585296, "208.04210"},
    {"due_south", -100.0, 0, 28.072486935852957, "28.04210"},
    {"due_east", 0, 100.0, 298.07248693585296, "298.04210"},
    {"second_quadrant", -30.0, 40.0, 334.94238458169698, "334.56326"},
    {"third_quadrant", -30.0, -40.0, 81.202589290008936, "81.12093"},
    {"hair_west_of_north", 250.0, -0.001, 208.07225775273736, "208.04201"},
};

class PolarTurnFromSouthEast : public ::testing::TestWithParam<TurnRow> {};

TEST_P(PolarTurnFromSouthEast, MatchesTheExactValues) {
  const TurnRow& g = GetParam();
  const Backsight south_east{"B2", PlanePoint{kStation.X - 150.0, kStation.Y + 80.0}, 0};
  const std::optional<BacksightReading> b = ReadBacksight(Station(), south_east);
  ASSERT_TRUE(b.has_value());
  EXPECT_NEAR(b->azimuth, 151.92751306414704, 1e-9);
  EXPECT_NEAR(*b->distance, 170.0, 1e-9);
  const PolarReading r = PolarTo(Station().Setup(), b->azimuth, {kStation.X + g.dX, kStation.Y + g.dY}, std::nullopt);
  ASSERT_TRUE(r.turn.has_value());
  EXPECT_NEAR(*r.turn, g.turn, 1e-9);
  EXPECT_EQ(PackedAzimuthTenths(*r.turn), g.turnText);
  // Without the point's height there is no dH and no zenith.
  EXPECT_FALSE(r.heightDiff.has_value());
  EXPECT_FALSE(r.zenith.has_value());
}

INSTANTIATE_TEST_SUITE_P(Points, PolarTurnFromSouthEast, ::testing::ValuesIn(kTurnsFromSouthEast), RowName<TurnRow>);

}  // namespace
}  // namespace capset::testing
