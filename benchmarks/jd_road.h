#pragma once
// The benchmarks' road: a table of intersection points drawn from a fixed
// seed, so every benchmark that builds on it measures the same road from
// run to run and their figures stay comparable.

#include <algorithm>
#include <cmath>
#include <random>

#include "road_build.h"

namespace capset::bench {

// A table of `count` JDs, R 250 … 2,000 with spirals of 60 … 150 m, legs of
// 600 … 1,000 m, from K10+000 on grid coordinates near 3.4e6.
inline IntersectionRoadInput JdTable(int count) {
  std::mt19937_64 random(1);
  std::uniform_real_distribution<double> unit(0, 1);
  IntersectionRoadInput in{10000, {3.4e6, 5e5}, {}, {}, {}};
  double X = in.bp.X, Y = in.bp.Y, heading = 0.3;
  for (int i = 0; i <= count; ++i) {
    const double leg = 600 + 400 * unit(random);
    X += leg * std::cos(heading);
    Y += leg * std::sin(heading);
    if (i == count) break;
    const double turn = (unit(random) < 0.5 ? -1 : 1) * (0.15 + 0.5 * unit(random));
    const double R = std::min(2000.0, std::max(250.0, 0.3 * leg / std::tan(std::fabs(turn) / 2)));
    const double Ls = std::min(60 + 90 * unit(random), 0.8 * R * std::fabs(turn));
    in.jds.push_back({{X, Y}, R, Ls, Ls});
    heading += turn;
  }
  in.ep = {X, Y};
  return in;
}

}  // namespace capset::bench
