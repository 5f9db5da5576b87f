// Properties of the pure solve over many random jobs, checked against the
// meaning of a cap rather than against the solvers' rule rows: every solved
// edge point lies at DR from the centreline point at its foot station,
// square to the tangent there, on the side the solver names; its bearing
// from the centre is the cap axis (the forward tangent at Kj turned
// clockwise by B) within the precision; its length is its distance from the
// centre. The texts made of a solution read back as its numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "cap_result.h"
#include "cap_solve.h"
#include "refusals.h"
#include "spiral.h"

namespace capset::testing {
namespace {

constexpr double kPi = 3.1415926535;
const double kRho = 180 / kPi;

struct SolverCase {
  Solver solver;
  bool fromZH;
  double s;           // side of the turn seen from the origin along T
  bool innerIsRight;  // a curve to the right turns towards the right-hand edge
};

const SolverCase kSkewed[] = {
    {Solver::kCmd1, true, +1, true},
    {Solver::kCmd2, true, -1, false},
    {Solver::kCmd3, false, -1, true},
    {Solver::kCmd4, false, +1, false},
};

double AngleBetween(double a, double b) {
  const double d = std::fmod(std::fabs(a - b), 360);
  return d > 180 ? 360 - d : d;
}

// The centreline built here from its meaning: l from the origin, the point
// through its chord, the forward (increasing station) tangent.
struct Centreline {
  double origin, X, Y, T, s, A1;
  bool fromZH;
  int xTerms;
  double Distance(double station) const { return fromZH ? station - origin : origin - station; }
  PlanePoint Point(double l) const {
    const Chord c = ChordOf(SpiralLocal(l, A1, xTerms), kRho);
    return Polar({X, Y}, c.length, T + s * c.deflection, kRho);
  }
  double Forward(double l) const { return T + s * TangentAngle(l, A1, kPi) + (fromZH ? 0 : 180); }
};

// (along, across) of the vector from `from` to `to` seen along `azimuth`;
// across is positive to the right.
std::pair<double, double> Components(PlanePoint from, PlanePoint to, double azimuth) {
  const double vx = to.X - from.X, vy = to.Y - from.Y;
  return {vx * std::cos(azimuth / kRho) + vy * std::sin(azimuth / kRho),
          vx * std::cos((azimuth + 90) / kRho) + vy * std::sin((azimuth + 90) / kRho)};
}

class SkewedCapProperty : public ::testing::TestWithParam<SolverCase> {};

TEST_P(SkewedCapProperty, EdgePointsLieOnTheAxisAndTheEdges) {
  const SolverCase& c = GetParam();
  std::mt19937_64 random(20261208 + static_cast<int>(c.solver));
  auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random); };
  int solved = 0;
  for (int trial = 0; trial < 400; ++trial) {
    const double A1 = uniform(60, 500);
    const Centreline line{uniform(500, 30000), uniform(-5000, 5000), uniform(-5000, 5000), uniform(0, 360),
                          c.s, A1, c.fromZH, 4};
    double B = uniform(35, 145);
    if (std::fabs(B - 90) < 2) B += 5;
    const double lp = uniform(25, 0.9 * A1);
    const double kp = c.fromZH ? line.origin + lp : line.origin - lp;
    const double kj = kp + uniform(-10, 10);
    const float precisions[] = {1e-4f, 1e-5f, 1e-6f};
    const CapDesign design{line.origin, line.X, line.Y, line.T, 0, A1, B, kj, kRho, kPi, 0};
    const CapAnswers answers{kp, static_cast<float>(uniform(2, 20)), precisions[trial % 3]};
    SCOPED_TRACE("trial " + std::to_string(trial));
    const CapSolution s = SolveCap(c.solver, design, answers);

    const double w = static_cast<double>(answers.DR);
    const PlanePoint centre = line.Point(line.Distance(kp));
    // The solvers' range tests on azimuths move a point by up to about 1e-7 m:
    // 360 / ρ is not exactly 2π with the job's cut π.
    EXPECT_NEAR(s.centre.X, centre.X, 1e-6);
    EXPECT_NEAR(s.centre.Y, centre.Y, 1e-6);
    const double right = line.Forward(line.Distance(kj)) + B;  // the axis towards the right-hand edge
    for (const bool inner : {true, false}) {
      const EdgeSolution& edge = inner ? s.inner : s.outer;
      if (edge.status != SideStatus::kSolved) continue;
      ++solved;
      const bool isRight = inner == c.innerIsRight;
      // E and L belong to the last round; the foot station includes the
      // correction after it, which moves the foot by at most L·precision/ρ,
      // and the edge point by up to half as much again on a curve.
      const double l = line.Distance(edge.footStation);
      const double slack = 1.5 * edge.length * static_cast<double>(answers.Precision) / kRho;
      const auto [along, across] = Components(line.Point(l), edge.point, line.Forward(l));
      EXPECT_NEAR(across, isRight ? w : -w, slack + 1e-6) << "at DR on its side";
      EXPECT_NEAR(along, 0, slack + 1e-6) << "square to the tangent";
      EXPECT_NEAR(edge.length, std::hypot(edge.point.X - s.centre.X, edge.point.Y - s.centre.Y), 1e-9);
      const double bearing = BearingOf(edge.point.X - s.centre.X, edge.point.Y - s.centre.Y, kRho).azimuth;
      EXPECT_LE(AngleBetween(bearing, isRight ? right : right + 180), static_cast<double>(answers.Precision) + 1e-9)
          << "on the axis";
      EXPECT_NEAR(AngleBetween(inner ? s.innerAxis : s.outerAxis, isRight ? right : right + 180), 0, 1e-9);

      const CapResult texts = ResultTexts(s, ".");
      const SideTexts& shown = inner ? texts.inner : texts.outer;
      EXPECT_NEAR(std::stod(shown.X), edge.point.X, 0.0005 + 1e-9);
      EXPECT_NEAR(std::stod(shown.Y), edge.point.Y, 0.0005 + 1e-9);
      EXPECT_NEAR(std::stod(shown.length), edge.length, 0.0005 + 1e-9);
    }
  }
  EXPECT_GT(solved, 2 * 400 * 9 / 10) << "the jobs mostly have both sides solved";
}

INSTANTIATE_TEST_SUITE_P(Solvers, SkewedCapProperty, ::testing::ValuesIn(kSkewed),
                         [](const auto& info) { return "Cmd" + std::to_string(static_cast<int>(info.param.solver) + 1); });

// Square caps: both edge points lie at DR from the centre, square to the
// forward tangent at Kj, the outer one on the outside of the bend.
TEST(SquareCapProperty, EdgesAtDRSquareToTheTangent) {
  std::mt19937_64 random(5);
  auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random); };
  for (int trial = 0; trial < 500; ++trial) {
    const int16_t P = trial % 2 == 0 ? 1 : -1;
    const double A1 = uniform(60, 500);
    const Centreline line{uniform(500, 30000), uniform(-5000, 5000), uniform(-5000, 5000), uniform(0, 360),
                          P > 0 ? 1.0 : -1.0, A1, true, 3};
    const double kj = line.origin + uniform(0, A1);
    const CapDesign design{line.origin, line.X, line.Y, line.T, 0, A1, 90, kj, kRho, kPi, P};
    const CapAnswers answers{0, static_cast<float>(uniform(2, 20)), 0.001f};
    SCOPED_TRACE("trial " + std::to_string(trial));
    const CapSolution s = SolveCap(Solver::kCmd5, design, answers);
    const double w = static_cast<double>(answers.DR);
    const double forward = line.Forward(line.Distance(kj));
    const PlanePoint centre = line.Point(line.Distance(kj));
    EXPECT_NEAR(s.centre.X, centre.X, 1e-6);
    EXPECT_NEAR(s.centre.Y, centre.Y, 1e-6);
    const auto [outerAlong, outerAcross] = Components(s.centre, s.outer.point, forward);
    const auto [innerAlong, innerAcross] = Components(s.centre, s.inner.point, forward);
    EXPECT_NEAR(outerAlong, 0, 1e-6);
    EXPECT_NEAR(innerAlong, 0, 1e-6);
    // A curve to the right has its outside on the left.
    EXPECT_NEAR(outerAcross, P > 0 ? -w : w, 1e-6);
    EXPECT_NEAR(innerAcross, P > 0 ? w : -w, 1e-6);
    EXPECT_EQ(s.outer.footStation, kj);
    EXPECT_EQ(s.inner.footStation, kj);
  }
}

}  // namespace
}  // namespace capset::testing
