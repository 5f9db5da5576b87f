#pragma once
// Helpers shared by the road tests.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <utility>

#include "road_build.h"

namespace capset::testing {

constexpr double kTestPi = std::numbers::pi;
constexpr double kDeg = kTestPi / 180;

// The road a build made; a refusal fails the test that needed the road.
inline Road Made(RoadBuild build) {
  if (!build.road) {
    ADD_FAILURE() << "the road was refused: fault " << static_cast<int>(build.problem->fault) << " at part "
                  << static_cast<int>(build.problem->part) << " index " << build.problem->index;
    return *RoadFromElements({0, {0, 0}, 0, {{ElementKind::kLine, 1}}, {}}).road;
  }
  return std::move(*build.road);
}

inline double Gap(PlanePoint a, PlanePoint b) { return std::hypot(a.X - b.X, a.Y - b.Y); }

// The difference of two azimuths in degrees, within ±180.
inline double AzimuthGap(double a, double b) { return std::remainder(a - b, 360.0); }

// (along, across) of b seen from a along azimuth (degrees); across + right.
inline std::pair<double, double> Seen(PlanePoint a, PlanePoint b, double azimuth) {
  const double t = azimuth * kDeg, dX = b.X - a.X, dY = b.Y - a.Y;
  return {dX * std::cos(t) + dY * std::sin(t), -dX * std::sin(t) + dY * std::cos(t)};
}

}  // namespace capset::testing
