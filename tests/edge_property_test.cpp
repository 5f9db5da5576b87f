// Properties of every solved edge point, over many random skewed jobs on
// both spiral ends and both deflection signs: it lies at DR from the
// centreline point of its shown station, square to the tangent there, on the
// side the solver names; its bearing from the centre is the cap axis within
// the precision; and the shown length is its distance from the centre.
// The axis and the road sides are built here from their meaning (the forward
// tangent at Kj turned clockwise by B), not from the solvers' rule rows.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "cap_solvers.h"
#include "scripted_seam.h"
#include "spiral.h"

namespace capset::testing {
namespace {

constexpr double kPi = 3.1415926535;
const double kRho = 180 / kPi;

using Solver = void (*)(double, double, double, double, double, double, double, double, double, double,
                        SolverAnswers, Seam&);

struct SolverCase {
  const char* name;
  Solver run;
  bool fromZH;
  double s;           // side of the turn seen from the origin along T
  bool innerIsRight;  // a curve to the right turns towards the right-hand edge
};

const SolverCase kSolvers[] = {
    {"Cmd1", Cmd1, true, +1, true},
    {"Cmd2", Cmd2, true, -1, false},
    {"Cmd3", Cmd3, false, -1, true},
    {"Cmd4", Cmd4, false, +1, false},
};

double ParseStation(const std::string& text) {
  const auto plus = text.find('+');
  return std::strtod(text.substr(1, plus - 1).c_str(), nullptr) * 1000 + std::strtod(text.c_str() + plus + 1, nullptr);
}

double Parse(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

std::string Text(double v, const char* format) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, v);
  return buffer;
}

double AngleBetween(double a, double b) {
  double d = std::fmod(std::fabs(a - b), 360);
  return d > 180 ? 360 - d : d;
}

struct Spiral {
  double origin, X, Y, T, s, A1;
  bool fromZH;
  double Distance(double station) const { return fromZH ? station - origin : origin - station; }
  PlanePoint Point(double l) const {
    const Chord c = ChordOf(SpiralLocal(l, A1, 4), kRho);
    return Polar({X, Y}, c.length, T + s * c.deflection, kRho);
  }
  // Forward (increasing station) tangent azimuth.
  double Forward(double l) const { return T + s * TangentAngle(l, A1, kPi) + (fromZH ? 0 : 180); }
};

TEST(EdgeProperty, RandomSkewedJobs) {
  std::mt19937_64 random(20261208);
  auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random); };
  for (const SolverCase& solver : kSolvers) {
    int solved = 0;
    int sides = 0;
    for (int trial = 0; trial < 300; ++trial) {
      const double A1 = uniform(60, 500);
      const Spiral spiral{uniform(500, 30000), uniform(-5000, 5000), uniform(-5000, 5000), uniform(0, 360),
                          solver.s, A1, solver.fromZH};
      double B = uniform(35, 145);
      if (std::fabs(B - 90) < 2) B += 5;
      const double lp = uniform(25, 0.9 * A1);
      const std::string kp = Text(solver.fromZH ? spiral.origin + lp : spiral.origin - lp, "%.4f");
      const double kj = Parse(kp) + uniform(-10, 10);
      const std::string dr = Text(uniform(2, 20), "%.3f");
      const double precisions[] = {1e-4, 1e-5, 1e-6};
      const std::string precision = Text(precisions[trial % 3], "%g");

      ScriptedSession s(kp + "\n" + dr + "\n" + precision + "\n");
      SeparatorReader reader(".");
      Seam seam{s, reader, s, s};
      solver.run(spiral.origin, spiral.X, spiral.Y, spiral.T, 0, A1, B, kj, kRho, kPi,
                 {s.job.Kp, s.job.DR, s.job.Precision}, seam);
      const std::string where = std::string(solver.name) + " trial " + std::to_string(trial);
      ASSERT_NE(s.boxes[13], "") << where << ": " << (s.events.empty() ? "" : s.events.back());

      const double w = static_cast<double>(s.job.DR);
      const PlanePoint centre = spiral.Point(spiral.Distance(s.job.Kp));
      const double right = spiral.Forward(spiral.Distance(kj)) + B;  // axis towards the right-hand edge
      const struct {
        int station, x, y, length;
        bool isRight;
      } boxes[] = {{21, 17, 18, 19, solver.innerIsRight}, {20, 14, 15, 16, !solver.innerIsRight}};
      for (const auto& side : boxes) {
        ++sides;
        if (s.boxes[side.station].empty()) continue;
        ++solved;
        const double l = spiral.Distance(ParseStation(s.boxes[side.station]));
        const PlanePoint foot = spiral.Point(l);
        const double forward = spiral.Forward(l);
        const PlanePoint edge{Parse(s.boxes[side.x]), Parse(s.boxes[side.y])};
        const double vx = edge.X - foot.X, vy = edge.Y - foot.Y;
        const double along = vx * std::cos(forward / kRho) + vy * std::sin(forward / kRho);
        const double across = vx * std::cos((forward + 90) / kRho) + vy * std::sin((forward + 90) / kRho);
        EXPECT_NEAR(across, side.isRight ? w : -w, 0.003) << where << ": at DR on its side";
        EXPECT_NEAR(along, 0, 0.003) << where << ": square to the tangent";
        const double length = std::hypot(edge.X - centre.X, edge.Y - centre.Y);
        EXPECT_NEAR(Parse(s.boxes[side.length]), length, 0.002) << where << ": shown length";
        const double bearing = BearingOf(edge.X - centre.X, edge.Y - centre.Y, kRho).azimuth;
        const double tolerance = static_cast<double>(s.job.Precision) + 0.0008 / length * kRho;
        EXPECT_LE(AngleBetween(bearing, side.isRight ? right : right + 180), tolerance) << where << ": on the axis";
      }
    }
    EXPECT_GT(solved, sides * 9 / 10) << solver.name << ": the jobs mostly have both sides solved";
  }
}

}  // namespace
}  // namespace capset::testing
