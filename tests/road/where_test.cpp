// Point → station and offset: plain answers before the start, after the end
// and off the road; the right foot at joints, on tight curves and where the
// road comes round near itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "road_fixtures.h"
#include "table.h"

namespace capset::testing {
namespace {

// Along north from (1000, 2000) at station 500: 200 m of straight, a
// clothoid to R 60 over 60 m, an arc of R 60 turning 200° (a loop ramp),
// a clothoid back to a straight of 300 m. The arc's centre lies 60 m right
// of HY.
Road Loop() {
  const double turn = 200 * kDeg;
  return Made(RoadFromElements({500, {1000, 2000}, 0,
                                {{ElementKind::kLine, 200},
                                 {ElementKind::kSpiral, 60, kNoRadius, 60, TurnSide::kRight},
                                 {ElementKind::kArc, 60 * turn, 60, kNoRadius, TurnSide::kRight},
                                 {ElementKind::kSpiral, 60, 60, kNoRadius, TurnSide::kRight},
                                 {ElementKind::kLine, 300}},
                                {}}));
}

// A point at a distance and offset from the loop's centreline.
PlanePoint Beside(const Road& road, double distance, double offset) { return road.At(distance, offset)->point; }

struct WhereRow {
  const char* name;
  PlanePoint (*point)(const Road&);
  WhereStatus status;
  double distance;  // for kOnRoad, kBeforeStart, kAfterEnd
  double offset;
  ElementKind kind;
};

class WhereOnTheLoop : public ::testing::TestWithParam<WhereRow> {};

TEST_P(WhereOnTheLoop, GivesThePlainAnswer) {
  const WhereRow& row = GetParam();
  const Road road = Loop();
  const RoadFoot foot = road.Where(row.point(road));
  ASSERT_EQ(foot.status, row.status);
  if (row.status == WhereStatus::kOffRoad) return;
  EXPECT_NEAR(foot.distance, row.distance, 1e-9);
  EXPECT_NEAR(foot.offset, row.offset, 1e-9);
  if (row.status == WhereStatus::kOnRoad) {
    EXPECT_EQ(foot.kind, row.kind);
  }
}

// The arc's centre: 60 m right of HY at distance 260.
PlanePoint Centre(const Road& r) { return Beside(r, 260, 60); }

INSTANTIATE_TEST_SUITE_P(
    Rows, WhereOnTheLoop,
    ::testing::Values(
        WhereRow{"OnTheStraight", [](const Road& r) { return Beside(r, 120, -7.5); }, WhereStatus::kOnRoad, 120, -7.5,
                 ElementKind::kLine},
        WhereRow{"BehindTheStart", [](const Road&) { return PlanePoint{1000 - 30, 2000 + 4}; }, WhereStatus::kBeforeStart,
                 -30, 4, ElementKind::kLine},
        WhereRow{"OnTheStartLineItself", [](const Road&) { return PlanePoint{1000, 2000 - 12}; }, WhereStatus::kOnRoad, 0,
                 -12, ElementKind::kLine},
        WhereRow{"AtTheJointOfStraightAndSpiral", [](const Road& r) { return Beside(r, 200, 9); }, WhereStatus::kOnRoad,
                 200, 9, ElementKind::kSpiral},
        WhereRow{"JustBeforeThatJoint", [](const Road& r) { return Beside(r, 200 - 1e-6, 9); }, WhereStatus::kOnRoad,
                 200 - 1e-6, 9, ElementKind::kLine},
        WhereRow{"OnTheTightArcInside", [](const Road& r) { return Beside(r, 300, 45); }, WhereStatus::kOnRoad, 300, 45,
                 ElementKind::kArc},
        WhereRow{"OnTheTightArcOutside", [](const Road& r) { return Beside(r, 300, -45); }, WhereStatus::kOnRoad, 300, -45,
                 ElementKind::kArc},
        WhereRow{"NearTheCentreOfTheArc", [](const Road& r) { return Beside(r, 330, 59); }, WhereStatus::kOnRoad, 330, 59,
                 ElementKind::kArc},
        WhereRow{"AtTheCentreOfTheArc", Centre, WhereStatus::kOffRoad, 0, 0, ElementKind::kArc},
        WhereRow{"OnTheExitSpiral", [](const Road& r) { return Beside(r, 60 + 200 + 60 * 200 * kDeg + 30, -4); },
                 WhereStatus::kOnRoad, 60 + 200 + 60 * 200 * kDeg + 30, -4, ElementKind::kSpiral}),
    RowName<WhereRow>);

TEST(WhereOnTheLoop, BeyondTheEndCountsOnFromTheLastStation) {
  const Road road = Loop();
  const RoadPoint end = *road.At(road.length());
  const double t = end.azimuth * kDeg;
  const RoadFoot foot = road.Where({end.point.X + 25 * std::cos(t), end.point.Y + 25 * std::sin(t)});
  ASSERT_EQ(foot.status, WhereStatus::kAfterEnd);
  EXPECT_NEAR(foot.distance, road.length() + 25, 1e-9);
}

// Where the road comes round near itself, the nearer stretch is the foot,
// whichever comes first along the road.
TEST(WhereOnTheLoop, TakesTheNearerStretchWhereTheRoadComesRound) {
  const Road road = Loop();
  // The exit straight runs back south-west across the entry side; find a
  // point of it near the entry straight.
  const double exitStart = road.elements()[4].start;
  for (double along = 0; along <= 300; along += 10) {
    const PlanePoint p = *&road.At(exitStart + along)->point;
    const RoadFoot foot = road.Where(p);
    ASSERT_EQ(foot.status, WhereStatus::kOnRoad);
    // On the road itself the nearest foot is the point, offset 0, unless the
    // road crosses itself exactly there.
    EXPECT_NEAR(std::fabs(foot.offset), 0, 1e-9) << along;
  }
}

// A corner: a straight, a quarter circle of R 80, a straight. At the
// circle's centre every point of the arc is a foot: off the road. Just short
// of it, towards the arc, the foot is on the arc.
TEST(Where, BeyondTheCentreOfACornerIsOffTheRoad) {
  const Road road = Made(RoadFromElements({0, {0, 0}, 90,
                                           {{ElementKind::kLine, 100},
                                            {ElementKind::kArc, 80 * kTestPi / 2, 80, kNoRadius, TurnSide::kLeft},
                                            {ElementKind::kLine, 100}},
                                           {}}));
  // The arc starts at (0, 100) heading east and turns north about (80, 100).
  const PlanePoint centre{80, 100};
  EXPECT_EQ(road.Where(centre).status, WhereStatus::kOffRoad);
  // Beyond the centre, away from the arc, a straight has a proper foot.
  const RoadFoot beyond = road.Where({centre.X + 0.5, centre.Y - 0.5});
  ASSERT_EQ(beyond.status, WhereStatus::kOnRoad);
  EXPECT_EQ(beyond.kind, ElementKind::kLine);
  EXPECT_NEAR(beyond.offset, -80.5, 1e-9);
  const RoadFoot inside = road.Where({centre.X - 0.7 * std::cos(kTestPi / 4), centre.Y + 0.7 * std::sin(kTestPi / 4)});
  ASSERT_EQ(inside.status, WhereStatus::kOnRoad);
  EXPECT_NEAR(inside.distance, 100 + 80 * kTestPi / 4, 1e-9);
  EXPECT_NEAR(inside.offset, -(80 - 0.7), 1e-9);
}

// Against brute force: the road sampled every 2 cm, the nearest sample
// refined by golden-section search. For random points around and inside the
// loop the foot found is the nearest point of the road; a point said to be
// off the road is one whose nearest point lies where it is at or beyond the
// centre of curvature.
TEST(WhereOnTheLoop, FindsTheNearestPointOfTheRoadByBruteForce) {
  const Road road = Loop();
  std::vector<PlanePoint> samples;
  const double step = 0.02;
  for (double d = 0; d <= road.length(); d += step) samples.push_back(road.At(d)->point);
  auto distanceAt = [&](PlanePoint q, double d) { return Gap(q, road.At(std::clamp(d, 0.0, road.length()))->point); };
  std::mt19937_64 random(5);
  std::uniform_real_distribution<double> unit(0, 1);
  int offRoad = 0;
  for (int i = 0; i < 300; ++i) {
    // Around the loop's bounding box, 40 m out.
    const PlanePoint q{1000 - 40 + unit(random) * 420, 2000 - 160 + unit(random) * 240};
    std::size_t k = 0;
    for (std::size_t j = 1; j < samples.size(); ++j)
      if (Gap(q, samples[j]) < Gap(q, samples[k])) k = j;
    double lo = (k == 0 ? 0 : k - 1) * step, hi = (k + 1) * step;
    for (int n = 0; n < 60; ++n) {
      const double a = lo + (hi - lo) * 0.382, b = lo + (hi - lo) * 0.618;
      (distanceAt(q, a) < distanceAt(q, b) ? hi : lo) = distanceAt(q, a) < distanceAt(q, b) ? b : a;
    }
    const double nearest = (lo + hi) / 2, nearestGap = distanceAt(q, nearest);
    const RoadFoot foot = road.Where(q);
    SCOPED_TRACE(i);
    if (foot.status == WhereStatus::kOffRoad) {
      ++offRoad;
      const RoadPose p = road.PoseAt(nearest);
      const auto [along, across] = Seen(p.point, q, AzimuthOf(p.heading));
      EXPECT_GE(p.curvature * across, 0.999) << q.X << " " << q.Y;
      continue;
    }
    if (foot.status != WhereStatus::kOnRoad) continue;  // behind the start or beyond the end
    EXPECT_NEAR(std::fabs(foot.offset), nearestGap, 1e-7) << q.X << " " << q.Y;
    EXPECT_NEAR(foot.distance, nearest, 1e-3) << q.X << " " << q.Y;
  }
  // Inside the loop near its centre is rare in a box this size.
  EXPECT_LT(offRoad, 10);
}

TEST(Where, RefusesAPointThatIsNotOne) {
  const Road road = Loop();
  EXPECT_EQ(road.Where({std::nan(""), 0}).status, WhereStatus::kOffRoad);
}

}  // namespace
}  // namespace capset::testing
