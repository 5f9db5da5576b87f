// The exact clothoid against reference values of the Fresnel integrals,
// and against the series where the series is exact to the last bit.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "clothoid.h"
#include "spiral.h"
#include "table.h"

namespace capset::testing {
namespace {

// With A = 1/√π the clothoid's local point at l is (C(l), S(l)), the
// Fresnel integrals of the tables.
const double kUnitFresnel = 1 / std::sqrt(std::numbers::pi);

struct FresnelRow {
  const char* name;
  double z;
  double C, S;
};

class FresnelValues : public ::testing::TestWithParam<FresnelRow> {};

TEST_P(FresnelValues, MatchToTheLastDigits) {
  const LocalPoint p = ExactClothoid(GetParam().z, kUnitFresnel);
  EXPECT_NEAR(p.x, GetParam().C, 4e-16);
  EXPECT_NEAR(p.y, GetParam().S, 4e-16);
}

INSTANTIATE_TEST_SUITE_P(Rows, FresnelValues,
                         ::testing::Values(FresnelRow{"Half", 0.5, 0.4923442258714464, 0.06473243285999927},
                                           FresnelRow{"One", 1, 0.7798934003768228, 0.4382591473903548},
                                           FresnelRow{"Two", 2, 0.4882534060753408, 0.3434156783636982},
                                           FresnelRow{"TenByTheAsymptoticSeries", 10, 0.4998986942055157,
                                                      0.4681699785848822}),
                         RowName<FresnelRow>);

// Where l is small against A the truncated terms lie below the last bit,
// so the series and the exact curve agree.
TEST(ExactClothoid, AgreesWithTheSeriesWhereTheSeriesIsExact) {
  for (double l : {0.5, 5.0, 12.0, 20.0}) {
    const LocalPoint series = SpiralLocal(l, 100, 4);
    const LocalPoint exact = ExactClothoid(l, 100);
    EXPECT_NEAR(exact.x, series.x, 2e-14 * l) << l;
    EXPECT_NEAR(exact.y, series.y, 2e-14 * l) << l;
  }
}

TEST(ExactClothoid, NegativeDistanceMirrorsAndTheCurveWindsToItsLimit) {
  const LocalPoint plus = ExactClothoid(137, 100);
  const LocalPoint minus = ExactClothoid(-137, 100);
  EXPECT_EQ(minus.x, -plus.x);
  EXPECT_EQ(minus.y, -plus.y);
  // Far out the curve circles its limit point (A√π/2, A√π/2) at a radius
  // of about A²/l.
  const LocalPoint far = ExactClothoid(1e8, 100);
  const double limit = 100 * std::sqrt(std::numbers::pi) / 2;
  EXPECT_NEAR(far.x, limit, 2e-4);
  EXPECT_NEAR(far.y, limit, 2e-4);
}

}  // namespace
}  // namespace capset::testing
