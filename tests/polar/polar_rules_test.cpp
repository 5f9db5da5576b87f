// The packed angles' carries, the point on the station, and properties of
// the polar data that hold for any station, backsight and point.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "angles.h"
#include "packed_dms_text.h"
#include "polar_data.h"
#include "table.h"

namespace capset::testing {
namespace {

struct PackedRow {
  const char* name;
  double degrees;
  const char* text;
  const char* azimuthText;
};

constexpr double kSecond = 1.0 / 3600;

const PackedRow kPacked[] = {
    {"zero", 0, "0.00000", "0.00000"},
    {"tenth_of_a_second", 0.1 * kSecond, "0.00001", "0.00001"},
    {"whole_angle", 123 + 45.0 / 60 + 30.1 * kSecond, "123.45301", "123.45301"},
    {"seconds_carry_into_the_minute", 10 + 59.0 / 60 + 59.9995 * kSecond / 1, "11.00000", "11.00000"},
    {"seconds_carry_into_the_minute_59_96", 10 + 5.0 / 60 + 59.96 * kSecond, "10.06000", "10.06000"},
    {"minutes_carry_into_the_degree", 89 + 59.0 / 60 + 59.97 * kSecond, "90.00000", "90.00000"},
    {"just_below_a_carry", 10 + 5.0 / 60 + 59.94 * kSecond, "10.05599", "10.05599"},
    {"azimuth_rounding_to_360_is_north", 360 - 0.02 * kSecond, "360.00000", "0.00000"},
    {"azimuth_359_59", 359 + 59.0 / 60, "359.59000", "359.59000"},
    {"negative_azimuth_wraps", -90, "-90.00000", "270.00000"},
    {"negative_rounding_to_zero_has_no_sign", -0.01 * kSecond, "0.00000", "0.00000"},
    {"single_digit_minutes_and_seconds", 5 + 3.0 / 60 + 7.2 * kSecond, "5.03072", "5.03072"},
};

class PackedTenths : public ::testing::TestWithParam<PackedRow> {};

TEST_P(PackedTenths, ReadsAsTheKeypadTakesIt) {
  const PackedRow& r = GetParam();
  EXPECT_EQ(PackedDmsTenths(r.degrees), r.text);
  EXPECT_EQ(PackedAzimuthTenths(r.degrees), r.azimuthText);
}

INSTANTIATE_TEST_SUITE_P(Angles, PackedTenths, ::testing::ValuesIn(kPacked), RowName<PackedRow>);

TEST(PackedTenths, NeverShowsSixtySecondsOrMinutes) {
  // Every tenth of a second of a whole degree, and a hair either side of it.
  for (int tenths = 0; tenths < 36000; ++tenths) {
    for (double hair : {-0.049, 0.0, 0.049}) {
      const std::string text = PackedDmsTenths(7 + (tenths + hair) / 36000.0);
      const std::size_t dot = text.find('.');
      ASSERT_EQ(text.size() - dot, 6u) << text;
      EXPECT_LT(std::stoi(text.substr(dot + 1, 2)), 60) << text;
      EXPECT_LT(std::stoi(text.substr(dot + 3, 2)), 60) << text;
    }
  }
}

struct SameSpotRow {
  const char* name;
  double dX, dY;
  bool hasAzimuth;
};

const SameSpotRow kSameSpot[] = {
    {"exactly_on_the_station", 0, 0, false},
    {"a_tenth_of_a_millimetre_off", 0.0001, 0, false},
    {"just_under_half_a_millimetre", 0.0003, 0.0003, false},
    {"half_a_millimetre_off", 0, 0.0005, true},
    {"a_millimetre_off", -0.001, 0, true},
};

class PolarOnTheStation : public ::testing::TestWithParam<SameSpotRow> {};

TEST_P(PolarOnTheStation, HasNoDirection) {
  const SameSpotRow& r = GetParam();
  const InstrumentSetup setup{{1000, 2000}, 10.0, 1.5};
  const PolarReading p = PolarTo(setup, 30, {1000 + r.dX, 2000 + r.dY}, 11.5);
  EXPECT_EQ(p.azimuth.has_value(), r.hasAzimuth);
  EXPECT_EQ(p.turn.has_value(), r.hasAzimuth);
  EXPECT_EQ(p.zenith.has_value(), r.hasAzimuth);
  // Its height over the axis still holds: the point is right under the instrument.
  ASSERT_TRUE(p.heightDiff.has_value());
  EXPECT_DOUBLE_EQ(*p.heightDiff, 0);
}

INSTANTIATE_TEST_SUITE_P(Points, PolarOnTheStation, ::testing::ValuesIn(kSameSpot), RowName<SameSpotRow>);

TEST(PolarBacksight, OnTheStationGivesNoDirection) {
  const InstrumentStation station{"S", {1000, 2000}, std::nullopt, 0};
  EXPECT_FALSE(ReadBacksight(station, {"B", PlanePoint{1000, 2000}, 0}).has_value());
  EXPECT_FALSE(ReadBacksight(station, {"B", PlanePoint{1000.0002, 2000}, 0}).has_value());
  // A typed azimuth needs no point, and has no distance.
  const auto typed = ReadBacksight(station, {"", std::nullopt, 359.5});
  ASSERT_TRUE(typed.has_value());
  EXPECT_EQ(typed->azimuth, 359.5);
  EXPECT_FALSE(typed->distance.has_value());
}

TEST(PolarHeights, NeedTheStationsHeightToo) {
  const InstrumentSetup noHeight{{0, 0}, std::nullopt, 1.5};
  const PolarReading r = PolarTo(noHeight, 0, {10, 0}, 5.0);
  EXPECT_FALSE(r.heightDiff.has_value());
  EXPECT_FALSE(r.zenith.has_value());
}

TEST(PolarZenith, LevelIsNinetyBeforeCurvatureAndAboveIsLess) {
  // A level sight over 1 km: the point lies 0.0675 m below the horizon,
  // which reads 13.9″ past 90°.
  EXPECT_NEAR(CurvatureAndRefraction(1000), 0.86 * 1e6 / (2 * 6371000.0), 1e-15);
  EXPECT_NEAR((ZenithReading(1000, 0) - 90) * 3600, 13.92, 0.01);
  EXPECT_LT(ZenithReading(10, 1), 90);
  EXPECT_GT(ZenithReading(10, -1), 90);
  EXPECT_NEAR(ZenithReading(10, 10), 45, 1e-4);
}

// For random stations near grid coordinates, backsights and points: the
// point set out by its azimuth and distance from the station is the point,
// the backsight's azimuth plus the turn is the azimuth, and turning the
// whole figure about the station leaves every turn as it was.
TEST(PolarProperties, SetOutLandsOnThePoint) {
  std::mt19937_64 random(27);
  std::uniform_real_distribution<double> grid(-1e3, 1e3), offset(-500, 500), angle(0, 360);
  for (int i = 0; i < 2000; ++i) {
    const PlanePoint s{3.4e6 + grid(random), 5e5 + grid(random)};
    const PlanePoint p{s.X + offset(random), s.Y + offset(random)};
    const double a0 = angle(random);
    const PolarReading r = PolarTo({s, std::nullopt, 0}, a0, p, std::nullopt);
    ASSERT_TRUE(r.azimuth.has_value());
    const double x = s.X + r.distance * std::cos(ToRadians(*r.azimuth));
    const double y = s.Y + r.distance * std::sin(ToRadians(*r.azimuth));
    EXPECT_NEAR(x, p.X, 1e-8);
    EXPECT_NEAR(y, p.Y, 1e-8);
    const double back = WrappedAzimuth(a0 + *r.turn);
    EXPECT_NEAR(std::remainder(back - *r.azimuth, 360), 0, 1e-10);
  }
}

TEST(PolarProperties, TurnsDoNotDependOnTheFramesRotation) {
  std::mt19937_64 random(28);
  std::uniform_real_distribution<double> offset(-300, 300), angle(0, 360);
  for (int i = 0; i < 1000; ++i) {
    const PlanePoint s{1000, 2000};
    const PlanePoint b{s.X + offset(random), s.Y + offset(random)};
    const PlanePoint p{s.X + offset(random), s.Y + offset(random)};
    const double spin = ToRadians(angle(random));
    auto turned = [&](PlanePoint q) {
      const double dx = q.X - s.X, dy = q.Y - s.Y;
      return PlanePoint{s.X + dx * std::cos(spin) - dy * std::sin(spin), s.Y + dx * std::sin(spin) + dy * std::cos(spin)};
    };
    const InstrumentStation station{"S", s, std::nullopt, 0};
    const auto a = ReadBacksight(station, {"B", b, 0});
    const auto c = ReadBacksight(station, {"B", turned(b), 0});
    if (!a || !c) continue;
    const double t1 = *PolarTo(station.Setup(), a->azimuth, p, std::nullopt).turn;
    const double t2 = *PolarTo(station.Setup(), c->azimuth, turned(p), std::nullopt).turn;
    EXPECT_NEAR(std::remainder(t1 - t2, 360), 0, 1e-9);
  }
}

}  // namespace
}  // namespace capset::testing
