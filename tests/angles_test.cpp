// One azimuth wrap: any finite azimuth into [0, 360), and one already there
// untouched to the bit (the sketch's note shows it to a tenth of a second).
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "angles.h"

#include "table.h"

namespace capset::testing {
namespace {

struct WrapRow {
  const char* name;
  double degrees;
  double wrapped;
};

class WrappedAzimuthRows : public ::testing::TestWithParam<WrapRow> {};

TEST_P(WrappedAzimuthRows, IntoTheRange) { EXPECT_EQ(WrappedAzimuth(GetParam().degrees), GetParam().wrapped); }

INSTANTIATE_TEST_SUITE_P(Rows, WrappedAzimuthRows,
                         ::testing::Values(WrapRow{"InRangeUntouched", 112.16197222222223, 112.16197222222223},
                                           WrapRow{"Zero", 0, 0},
                                           WrapRow{"ThreeSixtyIsZero", 360, 0},
                                           WrapRow{"JustBelowThreeSixtyStays", 359.99999999999994, 359.99999999999994},
                                           WrapRow{"Negative", -90, 270},
                                           WrapRow{"MoreThanOneTurn", 725, 5},
                                           WrapRow{"MoreThanOneTurnBack", -725, 355},
                                           WrapRow{"TinyNegativeIsZeroNotThreeSixty", -1e-17, 0}),
                         RowName<WrapRow>);

// The old form, fmod(a + 360, 360), rounded the sum and failed below -360;
// the wrap lands within a turn of the value and in range for every value.
TEST(WrappedAzimuth, AlwaysInRangeAndWholeTurnsAway) {
  std::mt19937_64 random(3);
  std::uniform_real_distribution<double> any(-1e6, 1e6);
  for (int i = 0; i < 100000; ++i) {
    const double a = any(random);
    const double w = WrappedAzimuth(a);
    ASSERT_GE(w, 0) << a;
    ASSERT_LT(w, 360) << a;
    const double turns = (a - w) / 360;
    EXPECT_NEAR(turns, std::round(turns), 1e-9) << a;
  }
}

}  // namespace
}  // namespace capset::testing
