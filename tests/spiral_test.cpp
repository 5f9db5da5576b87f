// Spiral operations against the worked example and the bearing table.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "fault.h"
#include "number_text.h"
#include "spiral.h"
#include "table.h"

namespace capset {
namespace {

constexpr double kPi = 3.1415926535;
const double kRho = 180 / kPi;

TEST(Spiral, JobConstants) {
  EXPECT_EQ(NumberText(kRho, "."), "57.29577951472");
  EXPECT_EQ(kRho, 57.29577951471995);
  EXPECT_NEAR(kRho - 180 / M_PI, 1.6e-9, 1e-10);
}

TEST(Spiral, WorkedExampleLocalPoint) {
  const LocalPoint p = SpiralLocal(100, 100, 4);
  const Chord c = ChordOf(p, kRho);
  EXPECT_NEAR(p.x, 97.528768, 5e-7);
  EXPECT_NEAR(p.y, 16.371415, 5e-7);
  EXPECT_NEAR(c.length, 98.893295, 5e-7);
  EXPECT_NEAR(c.deflection, 9.528969, 5e-7);
  EXPECT_NEAR(TangentAngle(100, 100, kPi), 28.647890, 5e-7);
}

TEST(Spiral, WorkedExamplePlanePointsBothSides) {
  const LocalPoint p = SpiralLocal(50, 100, 4);
  const Chord c = ChordOf(p, kRho);
  const double beta = TangentAngle(50, 100, kPi);
  EXPECT_NEAR(p.x, 49.921931, 5e-7);
  EXPECT_NEAR(p.y, 2.081009, 5e-7);
  EXPECT_NEAR(c.deflection, 2.387008, 5e-7);
  EXPECT_NEAR(beta, 7.161972, 5e-7);

  const PlanePoint zh{1000, 2000};
  const PlanePoint right = Polar(zh, c.length, 45 + c.deflection, kRho);
  EXPECT_NEAR(45 + c.deflection, 47.387008, 5e-7);
  EXPECT_NEAR(right.X, 1033.8286, 5e-5);
  EXPECT_NEAR(right.Y, 2036.7716, 5e-5);
  const double tangent = 45 + beta;
  EXPECT_NEAR(tangent, 52.161972, 5e-7);
  const PlanePoint rightEdge = Polar(right, 7.5, tangent + 90, kRho);
  const PlanePoint leftEdge = Polar(right, 7.5, tangent - 90, kRho);
  EXPECT_NEAR(rightEdge.X, 1027.9055, 5e-5);
  EXPECT_NEAR(rightEdge.Y, 2041.3724, 5e-5);
  EXPECT_NEAR(leftEdge.X, 1039.7518, 5e-5);
  EXPECT_NEAR(leftEdge.Y, 2032.1709, 5e-5);

  const PlanePoint left = Polar(zh, c.length, 45 - c.deflection, kRho);
  EXPECT_NEAR(left.X, 1036.7716, 5e-5);
  EXPECT_NEAR(left.Y, 2033.8286, 5e-5);
}

TEST(Spiral, SquareCapSeriesDropsTheThirteenthPower) {
  const double fourTerms = SpiralLocal(100, 100, 4).x;
  const double threeTerms = SpiralLocal(100, 100, 3).x;
  EXPECT_NEAR(threeTerms - fourTerms, 1.6693e-4, 5e-9);
  EXPECT_EQ(SpiralLocal(50, 200, 3).x, 49.99511740825795);
  EXPECT_EQ(SpiralLocal(50, 200, 4).x, 49.99511740825297);
  EXPECT_EQ(SpiralLocal(50, 200, 4).y, 0.5207970040120603);
}

TEST(Spiral, NegativeDistanceMirrorsThroughTheOrigin) {
  for (double l : {0.5, 13.0, 77.7, 150.0}) {
    const LocalPoint plus = SpiralLocal(l, 120, 4);
    const LocalPoint minus = SpiralLocal(-l, 120, 4);
    EXPECT_EQ(minus.x, -plus.x) << l;
    EXPECT_EQ(minus.y, -plus.y) << l;
  }
}

TEST(Spiral, OriginPointIsNotAFault) {
  const Chord c = ChordOf(SpiralLocal(0, 100, 4), kRho);
  EXPECT_EQ(c.length, 0);
  EXPECT_EQ(c.deflection, 0);
}

struct FaultRow {
  const char* name;
  void (*run)();
  ErrorKind kind;
  FaultPlace where;
};

class SpiralFaults : public ::testing::TestWithParam<FaultRow> {};

TEST_P(SpiralFaults, RaisedWhereTheyArise) {
  try {
    GetParam().run();
    ADD_FAILURE() << "no fault";
  } catch (const ArithmeticFault& f) {
    EXPECT_EQ(f.kind, GetParam().kind);
    EXPECT_EQ(f.where, GetParam().where);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SpiralFaults,
    ::testing::Values(
        FaultRow{"A1ZeroInTheSeries", [] { SpiralLocal(10, 0, 4); }, ErrorKind::kDivisionByZero, FaultPlace::kSeries},
        FaultRow{"A1ZeroInTheTangentAngle", [] { TangentAngle(10, 0, kPi); }, ErrorKind::kDivisionByZero,
                 FaultPlace::kTangentAngle},
        FaultRow{"PowerBeyondTheDoubleRange", [] { SpiralLocal(1e30, 100, 4); }, ErrorKind::kOverflow,
                 FaultPlace::kSeries},
        FaultRow{"VectorBeyondTheDoubleRange", [] { BearingOf(1e300, 1e300, kRho); }, ErrorKind::kOverflow,
                 FaultPlace::kBearing}),
    testing::RowName<FaultRow>);

struct BearingRow {
  const char* name;
  double dX, dY;
  const char* expected;  // to 10 decimals, trailing zeros dropped
};

class Bearings : public ::testing::TestWithParam<BearingRow> {};

TEST_P(Bearings, QuadrantsAndAxes) {
  const Bearing b = BearingOf(GetParam().dX, GetParam().dY, kRho);
  char text[32];
  std::snprintf(text, sizeof text, "%.10f", b.azimuth);
  std::string shown(text);
  while (shown.back() == '0') shown.pop_back();
  if (shown.back() == '.') shown.pop_back();
  EXPECT_EQ(shown, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, Bearings,
                         ::testing::Values(BearingRow{"NorthEast", 1, 1, "45.0000000013"},
                                           BearingRow{"SouthEast", -1, 1, "134.9999999987"},
                                           BearingRow{"SouthWest", -1, -1, "225.0000000013"},
                                           BearingRow{"NorthWest", 1, -1, "314.9999999987"},
                                           BearingRow{"North", 3, 0, "0"}, BearingRow{"South", -3, 0, "180"},
                                           BearingRow{"DueEast", 0, 2, "90"}, BearingRow{"DueWest", 0, -2, "270"},
                                           BearingRow{"EastWithANegligibleDX", 1e-9, 1, "90"},
                                           BearingRow{"WestWithANegligibleDX", -1e-9, -1, "270"},
                                           BearingRow{"ZeroVector", 0, 0, "0"}),
                         testing::RowName<BearingRow>);

TEST(Bearing, ZeroLengthIsReplaced) { EXPECT_EQ(BearingOf(0, 0, kRho).length, 1e-15); }

TEST(IntoRange, SingleTestsInOrder) {
  EXPECT_EQ(IntoRange(360, Fold::kHigh), 0);
  EXPECT_EQ(IntoRange(-1, Fold::kHigh), -1);
  EXPECT_EQ(IntoRange(-1, Fold::kLow), 359);
  EXPECT_EQ(IntoRange(720, Fold::kHighThenLow), 360) << "each test runs once";
  EXPECT_EQ(IntoRange(-360, Fold::kLowThenHigh), 0);
  EXPECT_EQ(IntoRange(400, Fold::kNone), 400);
}

}  // namespace
}  // namespace capset
