#pragma once
// Random tables of intersection points for the road's property tests.

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "road_fixtures.h"

namespace capset::testing {

// A random walk of JDs around coordinates like a real grid's: legs of
// 250 … 1 500 m, turns of 3° … 150° either way, each radius sized so that
// its tangent takes 10 … 55 % of the shorter leg beside it (a few tables
// ask too much and must be refused), spirals 0 … 200 m, sometimes unequal,
// sometimes left out.
inline IntersectionRoadInput RandomTable(std::mt19937_64& random, int jds) {
  std::uniform_real_distribution<double> leg(250, 1500), turn(3, 150), unit(0, 1);
  IntersectionRoadInput in{std::uniform_real_distribution<double>(0, 50000)(random), {3.4e6, 4.9e5}, {}, {}, {}};
  std::vector<double> legs, turns;
  for (int j = 0; j <= jds; ++j) legs.push_back(leg(random));
  for (int j = 0; j < jds; ++j) turns.push_back((unit(random) < 0.5 ? -1 : 1) * turn(random) * kDeg);
  double heading = unit(random) * 360 * kDeg;
  PlanePoint at = in.bp;
  for (int j = 0; j <= jds; ++j) {
    at = {at.X + legs[j] * std::cos(heading), at.Y + legs[j] * std::sin(heading)};
    if (j == jds) break;
    const double a = std::fabs(turns[j]);
    const double R = (0.1 + 0.45 * unit(random)) * std::min(legs[j], legs[j + 1]) / std::tan(a / 2);
    auto spiral = [&] { return unit(random) < 0.2 ? 0.0 : std::min(200.0, 0.9 * R * a) * unit(random); };
    const double Ls1 = spiral(), Ls2 = unit(random) < 0.5 ? Ls1 : spiral();
    in.jds.push_back({at, R, Ls1, Ls2});
    heading += turns[j];
  }
  in.ep = at;
  return in;
}

}  // namespace capset::testing
