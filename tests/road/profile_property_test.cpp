// Properties over random profiles of every kind of curve: elevation and
// grade run on without a step at every BVC and EVC, the grade is the
// elevation's slope, it turns one way only through a curve (a crest's
// falls, a sag's rises, through a circle and across an asymmetric join), and
// a curve's high or low point is where it says.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "profile_fixtures.h"

namespace capset::testing {
namespace {

std::vector<PviRow> RandomProfile(std::mt19937& rng) {
  std::uniform_real_distribution<double> unit(0, 1);
  const int n = 3 + static_cast<int>(rng() % 10);
  std::vector<PviRow> rows;
  double d = -5000 + 10000 * unit(rng), h = 500 * unit(rng);
  for (int k = 0; k < n; ++k) {
    rows.push_back({d, h});
    const double gap = 100 + 900 * unit(rng);
    d += gap;
    h += gap * (unit(rng) - 0.5) * 0.16;
  }
  for (int k = 1; k + 1 < n; ++k) {
    PviRow& r = rows[k];
    const double i1 = (r.elevation - rows[k - 1].elevation) / (r.distance - rows[k - 1].distance);
    const double i2 = (rows[k + 1].elevation - r.elevation) / (rows[k + 1].distance - r.distance);
    const double omega = std::fabs(i2 - i1);
    // Each curve keeps to its half of the gaps beside it, so none overlaps.
    const double before = (r.distance - rows[k - 1].distance) / 2, after = (rows[k + 1].distance - r.distance) / 2;
    const double room = std::min(before, after) * (0.1 + 0.9 * unit(rng));
    if (omega < 1e-4) continue;
    switch (rng() % 5) {
      case 0:
        break;
      case 1:
        r.curve = VK::kRadius, r.radius = 2 * room / omega;
        break;
      case 2:
        r.curve = VK::kLength, r.length = 2 * room;
        break;
      case 3:
        r.curve = VK::kAsymmetric, r.length = before * (0.1 + 0.9 * unit(rng)),
        r.length2 = after * (0.1 + 0.9 * unit(rng));
        break;
      case 4:
        r.curve = VK::kCircle, r.radius = room / CircleTangent(i1, i2, 1);
        break;
    }
    if (r.radius > kProfileMaxCurve) r.curve = VK::kNone, r.radius = 0;
  }
  return rows;
}

ProfileHeight At(const Profile& p, double d) {
  const ProfileAnswer a = p.At(d);
  EXPECT_TRUE(a.height) << d;
  return a.height.value_or(ProfileHeight{0, 0});
}

TEST(ProfileProperties, RandomProfilesRunOnSmoothly) {
  std::mt19937 rng(20261210);
  int curves = 0;
  for (int trial = 0; trial < 300; ++trial) {
    const std::vector<PviRow> rows = RandomProfile(rng);
    const ProfileBuild build = Profile::Build(rows);
    ASSERT_TRUE(build.profile) << "trial " << trial << " fault " << static_cast<int>(build.problem->fault);
    const Profile& p = *build.profile;
    for (const VerticalCurveElements& e : p.Curves()) {
      ++curves;
      SCOPED_TRACE(::testing::Message() << "trial " << trial << " row " << e.row);
      // Continuity at both ends: within a step of δ on either side.
      const double delta = 1e-6;
      for (const ProfilePlace end : {e.bvc, e.evc}) {
        const ProfileHeight below = At(p, end.distance - delta), above = At(p, end.distance + delta);
        EXPECT_NEAR(At(p, end.distance).elevation, end.elevation, 1e-9);
        EXPECT_NEAR(below.elevation, above.elevation, 2 * delta * 0.2 + 1e-9);
        EXPECT_NEAR(below.grade, above.grade, 1e-8);
      }
      EXPECT_NEAR(At(p, e.bvc.distance).grade, e.grade1, 1e-12);
      EXPECT_NEAR(At(p, e.evc.distance).grade, e.grade2, 1e-12);
      EXPECT_NEAR(At(p, e.pvi.distance).elevation, e.pvi.elevation + (e.crest ? -e.external : e.external), 1e-9);
      // The grade turns one way only, and is the slope of the elevation.
      double last = e.grade1;
      const double h = 1e-3;
      for (int s = 1; s < 200; ++s) {
        const double d = e.bvc.distance + e.length * s / 200;
        const ProfileHeight here = At(p, d);
        EXPECT_TRUE(e.crest ? here.grade <= last + 1e-15 : here.grade >= last - 1e-15) << d;
        last = here.grade;
        const double slope = (At(p, d + h).elevation - At(p, d - h).elevation) / (2 * h);
        EXPECT_NEAR(slope, here.grade, 1e-6) << d;
      }
      if (e.turningPoint) {
        EXPECT_NEAR(At(p, e.turningPoint->distance).grade, 0, 1e-12);
        EXPECT_NEAR(At(p, e.turningPoint->distance).elevation, e.turningPoint->elevation, 1e-9);
        for (const double side : {-0.5, 0.5}) {
          const double d = std::clamp(e.turningPoint->distance + side, e.bvc.distance, e.evc.distance);
          const double other = At(p, d).elevation;
          EXPECT_TRUE(e.crest ? other <= e.turningPoint->elevation + 1e-12
                              : other >= e.turningPoint->elevation - 1e-12);
        }
      } else {
        // Without one the grade keeps its sign through the curve.
        EXPECT_GE(e.grade1 * e.grade2, 0);
      }
    }
  }
  EXPECT_GT(curves, 500);
}

}  // namespace
}  // namespace capset::testing
