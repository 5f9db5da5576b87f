// Properties of every road, over random tables of intersection points and
// random element lists: the road is continuous in point and tangent at
// every joint, each curve closes on JD + T2 along its out leg, and a point
// placed by station and offset is found again at that station and offset.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "random_table.h"
#include "road_fixtures.h"

namespace capset::testing {
namespace {

// The pose where each piece ends, against the next piece's start.
void ExpectContinuous(const Road& road) {
  const auto& pieces = road.pieces();
  for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
    const RoadPose end = PoseOnPiece(pieces[i], pieces[i].length);
    const RoadPose& next = pieces[i + 1].begin;
    ASSERT_LE(Gap(end.point, next.point), 1e-9) << "joint at " << pieces[i + 1].start;
    ASSERT_NEAR(end.heading, next.heading, 1e-12) << "joint at " << pieces[i + 1].start;
    ASSERT_NEAR(pieces[i].start + pieces[i].length, pieces[i + 1].start, 1e-9);
  }
}

// Station → point → station and offset, by the road's own foot search. A
// random road may come round near itself: then the foot found may be on
// another stretch, but only one at least as near, and it must place the
// point where it is. Returns whether the foot was the point's own.
bool ExpectRoundTrip(const Road& road, double distance, double offset) {
  const auto at = road.At(distance, offset);
  EXPECT_TRUE(at);
  if (!at) return false;
  const RoadFoot foot = road.Where(at->point);
  EXPECT_EQ(foot.status, WhereStatus::kOnRoad) << distance << " " << offset;
  if (std::fabs(foot.distance - distance) <= 1e-9) {
    EXPECT_NEAR(foot.offset, offset, 1e-9) << distance;
    return true;
  }
  EXPECT_LE(std::fabs(foot.offset), std::fabs(offset) + 1e-9) << distance << " " << offset;
  const auto again = road.At(foot.distance, foot.offset);
  EXPECT_TRUE(again && Gap(again->point, at->point) <= 1e-9) << distance << " " << offset;
  return false;
}

// An offset that keeps the point short of the centre of curvature of every
// part of the road near it, so that its foot is unique.
double SafeOffset(const Road& road, double distance, double wanted) {
  double tightest = 0;
  for (double d = std::max(0.0, distance - 60); d <= std::min(road.length(), distance + 60); d += 1)
    tightest = std::max(tightest, std::fabs(road.PoseAt(d).curvature));
  const double limit = tightest > 0 ? 0.5 / tightest : 50;
  return std::clamp(wanted, -limit, limit);
}

TEST(RandomTables, AreContinuousCloseOnTheirJdsAndLeadBackFromEveryPoint) {
  std::mt19937_64 random(20240517);
  std::uniform_real_distribution<double> unit(0, 1);
  int made = 0, refused = 0, points = 0, elsewhere = 0;
  auto roundTrip = [&](const Road& road, double d, double o) {
    ++points;
    if (!ExpectRoundTrip(road, d, o)) ++elsewhere;
  };
  for (int table = 0; table < 200; ++table) {
    const IntersectionRoadInput in = RandomTable(random, 1 + table % 8);
    const RoadBuild build = RoadFromIntersections(in);
    if (!build.road) {
      // A random table may ask too much of a leg or of a turn; nothing else.
      ASSERT_TRUE(build.problem->fault == RoadFault::kTangentsOverlap ||
                  build.problem->fault == RoadFault::kSpiralsTooLong)
          << static_cast<int>(build.problem->fault);
      ++refused;
      continue;
    }
    ++made;
    const Road& road = *build.road;
    SCOPED_TRACE(table);
    ExpectContinuous(road);
    for (const CurveElements& c : road.curves()) {
      const PlanePoint jd = in.jds[c.jd - 1].point;
      const PlanePoint next = c.jd < static_cast<int>(in.jds.size()) ? in.jds[c.jd].point : in.ep;
      const double out = std::atan2(next.Y - jd.Y, next.X - jd.X), legLength = std::hypot(next.X - jd.X, next.Y - jd.Y);
      const auto hz = road.At(c.zhDistance + c.L);
      ASSERT_TRUE(hz);
      EXPECT_LE(Gap(hz->point, {jd.X + c.T2 * (next.X - jd.X) / legLength, jd.Y + c.T2 * (next.Y - jd.Y) / legLength}), 1e-9);
      EXPECT_NEAR(AzimuthGap(hz->azimuth, out / kDeg), 0, 1e-10);
    }
    // Key points lie in order along the road, from BP to EP.
    for (std::size_t k = 1; k < road.keyPoints().size(); ++k)
      EXPECT_LE(road.keyPoints()[k - 1].distance, road.keyPoints()[k].distance);
    EXPECT_EQ(road.keyPoints().back().distance, road.length());
    // Random points, and points at and beside every element joint.
    for (int i = 0; i < 40; ++i) {
      const double d = unit(random) * road.length();
      roundTrip(road, d, SafeOffset(road, d, (unit(random) - 0.5) * 60));
    }
    for (const RoadElement& e : road.elements()) {
      for (double d : {e.start, e.start + 1e-7, e.start - 1e-7, e.start + 0.01}) {
        if (d < 0 || d > road.length()) continue;
        roundTrip(road, d, SafeOffset(road, d, 7.5));
        roundTrip(road, d, SafeOffset(road, d, -12));
      }
    }
  }
  // The generator makes both kinds, and roads that come round near
  // themselves are the exception.
  EXPECT_GT(made, 150);
  EXPECT_GT(refused, 5);
  EXPECT_LT(elsewhere * 50, points) << elsewhere << " of " << points;
}

// Element lists whose curvature jumps at joints (a file's arcs meeting
// straights), with tight arcs and partial spirals between any two radii.
TEST(RandomElementRoads, AreContinuousAndLeadBackFromEveryPoint) {
  std::mt19937_64 random(77);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int r = 0; r < 100; ++r) {
    std::vector<ElementInput> elements;
    for (int i = 0; i < 2 + r % 10; ++i) {
      const int kind = static_cast<int>(unit(random) * 3);
      const TurnSide side = unit(random) < 0.5 ? TurnSide::kLeft : TurnSide::kRight;
      const double R1 = 30 * std::pow(100.0, unit(random)), R2 = 30 * std::pow(100.0, unit(random));
      const double L = std::min(20 + 400 * unit(random), 1.5 * std::min(R1, R2));
      if (kind == 0) elements.push_back({ElementKind::kLine, L});
      if (kind == 1) elements.push_back({ElementKind::kArc, L, R1, kNoRadius, side});
      if (kind == 2) elements.push_back({ElementKind::kSpiral, L, unit(random) < 0.3 ? kNoRadius : R1, R2, side});
    }
    const Road road = Made(RoadFromElements({0, {unit(random) * 1e5, unit(random) * 1e5}, unit(random) * 360, elements, {}}));
    SCOPED_TRACE(r);
    ExpectContinuous(road);
    for (int i = 0; i < 40; ++i) {
      const double d = unit(random) * road.length();
      ExpectRoundTrip(road, d, SafeOffset(road, d, (unit(random) - 0.5) * 40));
    }
    for (const RoadElement& e : road.elements()) ExpectRoundTrip(road, e.start, SafeOffset(road, e.start, 5));
  }
}

}  // namespace
}  // namespace capset::testing
