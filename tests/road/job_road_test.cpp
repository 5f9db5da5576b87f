// The road of the window's job: its spiral is the exact clothoid the
// window's series approximate, laid from ZH along T or back from HZ
// against it, with the straight and the arc on either side.
#include <gtest/gtest.h>

#include <cmath>

#include "clothoid.h"
#include "road_fixtures.h"
#include "table.h"

namespace capset::testing {
namespace {

struct JobRow {
  const char* name;
  JobEnd end;
  double R;
  int P;
};

class JobRoads : public ::testing::TestWithParam<JobRow> {};

// Against the window's own exact clothoid (geometry/clothoid.h, the Fresnel
// integrals from the spiral's origin), turned to T with the true π: the
// spiral from ZH runs along T turning as P says; from HZ, walking from HZ
// along T (against the stations) it turns the other way.
TEST_P(JobRoads, SpiralIsTheExactClothoidOfTheJob) {
  const JobRow& row = GetParam();
  const double K = 35000, T = 123.4567, A1 = 300;
  const PlanePoint origin{3300123.456, 456789.012};
  const Road road = Made(RoadFromJob({row.end, K, origin, T, row.R, A1, row.P}));
  const bool fromZH = row.end == JobEnd::kZH;
  const double s = (row.P > 0 ? 1 : -1) * (fromZH ? 1 : -1);  // turn seen walking from the origin along T
  const double t = T * kDeg;
  const double Ls = row.R > 0 ? A1 * A1 / row.R : A1 * std::sqrt(3 * kTestPi);
  for (double l : {0.0, 1.0, 0.25 * Ls, 0.5 * Ls, Ls}) {
    const double station = fromZH ? K + l : K - l;
    const Placement at = road.Place({station});
    ASSERT_EQ(at.status, PlaceStatus::kPlaced) << l;
    const RoadPoint p = *road.At(at.distance);
    const LocalPoint c = ExactClothoid(l, A1);
    const PlanePoint want{origin.X + c.x * std::cos(t) - s * c.y * std::sin(t),
                          origin.Y + c.x * std::sin(t) + s * c.y * std::cos(t)};
    EXPECT_LE(Gap(p.point, want), 1e-9) << l;
    const double tangent = T + s * l * l / (2 * A1 * A1) / kDeg + (fromZH ? 0 : 180);
    EXPECT_NEAR(AzimuthGap(p.azimuth, tangent), 0, 1e-10) << l;
    if (l > 0 && l < Ls) {
      EXPECT_EQ(p.kind, ElementKind::kSpiral);
    }
  }
  // The straight reaches 10 km beyond the spiral's straight end, the curve
  // side until the tangent has turned 270°.
  const RoadPoint first = *road.At(0), last = *road.At(road.length());
  EXPECT_EQ((fromZH ? first : last).kind, ElementKind::kLine);
  EXPECT_EQ((fromZH ? last : first).kind, row.R > 0 ? ElementKind::kArc : ElementKind::kSpiral);
  EXPECT_NEAR(std::fabs(AzimuthGap(first.azimuth, last.azimuth)), 90, 1e-9);
  EXPECT_NEAR(fromZH ? road.firstStation() : road.lastStation(), fromZH ? K - 1e4 : K + 1e4, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Rows, JobRoads,
                         ::testing::Values(JobRow{"FromZHRight", JobEnd::kZH, 600, 1},
                                           JobRow{"FromZHLeft", JobEnd::kZH, 600, -2},
                                           JobRow{"FromHZRight", JobEnd::kHZ, 600, 1},
                                           JobRow{"FromHZLeft", JobEnd::kHZ, 250, -1},
                                           JobRow{"FromZHWithoutArc", JobEnd::kZH, 0, 1},
                                           JobRow{"FromHZWithoutArc", JobEnd::kHZ, 0, -1}),
                         RowName<JobRow>);

// Past Ls = A1²/R the road is the arc of radius R, tangent to the spiral.
TEST(JobRoad, ArcPastTheSpiralHasTheJobsRadius) {
  const Road road = Made(RoadFromJob({JobEnd::kZH, 35000, {0, 0}, 30, 600, 300, 1}));
  const Placement hy = road.Place({35150});
  ASSERT_EQ(hy.status, PlaceStatus::kPlaced);
  const RoadPoint a = *road.At(hy.distance + 1), b = *road.At(hy.distance + 200);
  EXPECT_EQ(a.kind, ElementKind::kArc);
  EXPECT_NEAR(a.curvature, 1.0 / 600, 1e-15);
  EXPECT_NEAR(AzimuthGap(b.azimuth, a.azimuth), 199 / 600.0 / kDeg, 1e-9);
  ASSERT_EQ(road.keyPoints().size(), 4u);
  EXPECT_EQ(KeyPointName(road.keyPoints()[1]), "J1");
  EXPECT_NEAR(road.keyPoints()[1].station.value, 35000, 1e-9);
  EXPECT_NEAR(road.keyPoints()[2].station.value, 35150, 1e-9);
}

// A negative A1 is the same spiral: the window's series use its even powers only.
TEST(JobRoad, SignOfTheParameterIsNotRead) {
  const Road plus = Made(RoadFromJob({JobEnd::kHZ, 1000, {10, 20}, 200, 300, 150, 1}));
  const Road minus = Made(RoadFromJob({JobEnd::kHZ, 1000, {10, 20}, 200, 300, -150, 1}));
  EXPECT_EQ(plus.At(123)->point.X, minus.At(123)->point.X);
  EXPECT_EQ(plus.length(), minus.length());
}

}  // namespace
}  // namespace capset::testing
