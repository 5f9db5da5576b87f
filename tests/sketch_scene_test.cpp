// The plan sketch's scene, checked as a plan: the edges run at DR beside
// the centreline, the axis runs through both edge points, north is up, a
// curve to the right bends right, the cap fills the band, and what is not
// solved or not in view is drawn as such.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "angle_text.h"
#include "cap_solve.h"
#include "sketch_scene.h"
#include "sketch_texts.h"
#include "table.h"

namespace capset::testing {
namespace {

constexpr double kPi = 3.1415926535;
const double kRho = 180 / kPi;
constexpr SketchViewport kBand{772, 197};

const CapDesign kZH{1000, 1000, 2000, 45, 0, 100, 60, 1050, kRho, kPi, 1};
const CapDesign kHZ{12500, 1000, 2000, 225, 0, 200, 60, 12450, kRho, kPi, 1};

SketchScene SceneOf(Solver solver, const CapDesign& design, const CapAnswers& answers) {
  const CapSolution s = SolveCap(solver, design, answers);
  return MakeSketch(s, CheckCap(s), kBand);
}

std::vector<const SceneElement*> Find(const SketchScene& scene, SceneStyle style) {
  std::vector<const SceneElement*> found;
  for (const SceneElement& e : scene.elements)
    if (e.style == style) found.push_back(&e);
  return found;
}

double DistanceToPolyline(PlanePoint p, const std::vector<PlanePoint>& line) {
  double best = INFINITY;
  for (std::size_t i = 1; i < line.size(); ++i) {
    const double ax = line[i - 1].X, ay = line[i - 1].Y, bx = line[i].X, by = line[i].Y;
    const double len2 = (bx - ax) * (bx - ax) + (by - ay) * (by - ay);
    const double t = len2 == 0 ? 0 : std::clamp(((p.X - ax) * (bx - ax) + (p.Y - ay) * (by - ay)) / len2, 0.0, 1.0);
    best = std::min(best, std::hypot(p.X - (ax + t * (bx - ax)), p.Y - (ay + t * (by - ay))));
  }
  return best;
}

double Azimuth(PlanePoint from, PlanePoint to) { return std::atan2(to.Y - from.Y, to.X - from.X) * 180 / M_PI; }

struct SolverRow {
  const char* name;
  Solver solver;
  CapDesign design;
  CapAnswers answers;
  bool turnsRight;  // seen walking with increasing station
};

class SketchOfEachSolver : public ::testing::TestWithParam<SolverRow> {};

TEST_P(SketchOfEachSolver, EdgesAtDRBesideTheCentreline) {
  const SolverRow& r = GetParam();
  const SketchScene scene = SceneOf(r.solver, r.design, r.answers);
  const auto centreline = Find(scene, SceneStyle::kCentreline);
  ASSERT_EQ(centreline.size(), 1u);
  // The straight beyond the origin, when drawn, joins the centreline there.
  std::vector<PlanePoint> road = centreline[0]->points;
  for (const SceneElement* straight : Find(scene, SceneStyle::kStraight)) {
    road.insert(road.begin(), straight->points.begin(), straight->points.end());
  }
  const auto edges = Find(scene, SceneStyle::kEdgeLine);
  ASSERT_EQ(edges.size(), 2u);
  const double w = r.answers.DR;
  for (const SceneElement* edge : edges) {
    for (const PlanePoint& p : edge->points) EXPECT_NEAR(DistanceToPolyline(p, road), w, 0.01);
  }
}

TEST_P(SketchOfEachSolver, AxisThroughBothEdgePoints) {
  const SolverRow& r = GetParam();
  const CapSolution s = SolveCap(r.solver, r.design, r.answers);
  const SketchScene scene = MakeSketch(s, CheckCap(s), kBand);
  const auto axis = Find(scene, SceneStyle::kAxis);
  ASSERT_EQ(axis.size(), 2u);
  PlanePoint inner{}, outer{};
  for (const SceneElement* half : axis) {
    ASSERT_EQ(half->points.size(), 2u);
    EXPECT_EQ(half->points[0].X, s.centre.X);
    EXPECT_EQ(half->points[0].Y, s.centre.Y);
    ASSERT_TRUE(half->label == kInnerAxisName || half->label == kOuterAxisName) << half->label;
    (half->label == kInnerAxisName ? inner : outer) = half->points[1];
  }
  // Each half ends at its own edge point, in both coordinates.
  EXPECT_EQ(inner.X, s.inner.point.X);
  EXPECT_EQ(inner.Y, s.inner.point.Y);
  EXPECT_EQ(outer.X, s.outer.point.X);
  EXPECT_EQ(outer.Y, s.outer.point.Y);
  const double turn = std::fmod(std::fabs(Azimuth(s.centre, inner) - Azimuth(s.centre, outer)), 360);
  EXPECT_NEAR(turn, 180, 0.01) << "the two halves make one straight axis";
}

TEST_P(SketchOfEachSolver, CurveBendsTheWayItDeflects) {
  const SolverRow& r = GetParam();
  const SketchScene scene = SceneOf(r.solver, r.design, r.answers);
  std::vector<PlanePoint> line = Find(scene, SceneStyle::kCentreline)[0]->points;
  // The polyline runs away from the origin; on the HZ spiral that is
  // against the stations.
  if (r.design.origin == kHZ.origin) std::reverse(line.begin(), line.end());
  const std::size_t n = line.size();
  const double first = Azimuth(line[0], line[1]);
  const double last = Azimuth(line[n - 2], line[n - 1]);
  const double change = std::remainder(last - first, 360.0);
  EXPECT_EQ(change > 0, r.turnsRight) << "azimuths grow clockwise: a right turn adds to them";
}

TEST_P(SketchOfEachSolver, NorthIsUpAndTheCapFillsTheBand) {
  const SolverRow& r = GetParam();
  const CapSolution s = SolveCap(r.solver, r.design, r.answers);
  const SketchScene scene = MakeSketch(s, CheckCap(s), kBand);
  const auto north = Find(scene, SceneStyle::kNorth);
  ASSERT_EQ(north.size(), 1u);
  EXPECT_GT(north[0]->points[1].X, north[0]->points[0].X);
  EXPECT_EQ(north[0]->points[1].Y, north[0]->points[0].Y);
  const double mpp = scene.MetresPerPixel(kBand);
  EXPECT_NEAR((scene.maxX - scene.minX) / mpp, kBand.height, 1e-6) << "one scale for both axes";
  const double capX = std::fabs(s.inner.point.X - s.outer.point.X) / mpp;
  const double capY = std::fabs(s.inner.point.Y - s.outer.point.Y) / mpp;
  EXPECT_TRUE(capX >= 0.5 * kBand.height || capY >= 0.4 * kBand.width) << capX << " x " << capY << " px";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SketchOfEachSolver,
    ::testing::Values(SolverRow{"Cmd1", Solver::kCmd1, kZH, {1050, 7.5f, 1e-4f}, true},
                      SolverRow{"Cmd2", Solver::kCmd2, kZH, {1050, 7.5f, 1e-4f}, false},
                      SolverRow{"Cmd3", Solver::kCmd3, kHZ, {12450, 6, 1e-3f}, true},
                      SolverRow{"Cmd4", Solver::kCmd4, kHZ, {12450, 6, 1e-3f}, false},
                      SolverRow{"Cmd5Right", Solver::kCmd5, {12000, 1000, 2000, 45, 0, 200, 90, 12050, kRho, kPi, 1},
                                {0, 6, 1e-3f}, true},
                      SolverRow{"Cmd5Left", Solver::kCmd5, {12000, 1000, 2000, 45, 0, 200, 90, 12050, kRho, kPi, -1},
                                {0, 6, 1e-3f}, false}),
    RowName<SolverRow>);

TEST(Sketch, ScaleBarIsARoundLength) {
  const SketchScene scene = SceneOf(Solver::kCmd1, kZH, {1050, 7.5f, 1e-4f});
  const auto scale = Find(scene, SceneStyle::kScale);
  ASSERT_EQ(scale.size(), 1u);
  const double length = std::hypot(scale[0]->points[1].X - scale[0]->points[0].X,
                                   scale[0]->points[1].Y - scale[0]->points[0].Y);
  const double mantissa = length / std::pow(10.0, std::floor(std::log10(length) + 1e-9));
  EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 || std::fabs(mantissa - 5) < 1e-9)
      << length;
  EXPECT_EQ(scale[0]->label, SketchScaleLength(length));
}

TEST(Sketch, OriginInViewIsLabelledAndOutOfViewIsPointedTo) {
  const SketchScene near = SceneOf(Solver::kCmd5, {1000, 1000, 2000, 45, 0, 100, 90, 1002, kRho, kPi, 1},
                                   {0, 6, 1e-3f});
  ASSERT_EQ(Find(near, SceneStyle::kOrigin).size(), 1u);
  EXPECT_EQ(Find(near, SceneStyle::kOrigin)[0]->label, "ZH");
  EXPECT_EQ(Find(near, SceneStyle::kStraight).size(), 1u) << "the straight beyond the origin";
  EXPECT_TRUE(Find(near, SceneStyle::kToOrigin).empty());

  const SketchScene far = SceneOf(Solver::kCmd3, kHZ, {12450, 6, 1e-3f});
  EXPECT_TRUE(Find(far, SceneStyle::kOrigin).empty());
  const auto arrow = Find(far, SceneStyle::kToOrigin);
  ASSERT_EQ(arrow.size(), 1u);
  EXPECT_EQ(arrow[0]->label, SketchToOrigin(SpiralEnd::kHZ, 50));
  // It points from inside the view towards HZ at (1000, 2000).
  const PlanePoint tail = arrow[0]->points[0], head = arrow[0]->points[1];
  const double towardsOrigin = (head.X - tail.X) * (1000 - tail.X) + (head.Y - tail.Y) * (2000 - tail.Y);
  EXPECT_GT(towardsOrigin, 0);
  EXPECT_TRUE(head.X >= far.minX && head.X <= far.maxX && head.Y >= far.minY && head.Y <= far.maxY);
}

TEST(Sketch, UnsolvedSideHasADashedHalfAndNoPoint) {
  CapDesign design = kZH;
  design.B = 120;
  const SketchScene scene = SceneOf(Solver::kCmd1, design, {1003, 7.5f, 1e-4f});
  const auto dashed = Find(scene, SceneStyle::kAxisUnsolved);
  ASSERT_EQ(dashed.size(), 1u);
  EXPECT_EQ(dashed[0]->label, std::string(kInnerAxisName) + kUnsolvedAxisSuffix);
  const auto points = Find(scene, SceneStyle::kEdgePoint);
  ASSERT_EQ(points.size(), 1u);
  EXPECT_EQ(points[0]->label, kOuterMark);
}

TEST(Sketch, NotesSayWhatTheNumbersRestOn) {
  CapDesign design = kZH;
  design.R = 10000 / 44.0;  // the inner foot and Kj lie beyond the spiral's end
  const CapSolution s = SolveCap(Solver::kCmd1, design, {1040, 7.5f, 1e-4f});
  const CapWarnings warnings = CheckCap(s);
  const SketchScene scene = MakeSketch(s, warnings, kBand);
  std::vector<std::string> notes;
  for (const SceneElement* e : Find(scene, SceneStyle::kNote)) notes.push_back(e->label);
  EXPECT_EQ(notes, (std::vector<std::string>{SketchEndAndTurn(s), SketchAxisAzimuth(s.outerAxis), SketchCapLength(s),
                                             SketchParallelAxis(1050)}));
  const auto warning = Find(scene, SceneStyle::kWarning);
  ASSERT_EQ(warning.size(), 1u);
  EXPECT_EQ(warning[0]->label, SketchBeyondEnd(s, *warnings.beyondEnd));
}

TEST(Sketch, SceneLinesCarryKindLabelAndCoordinates) {
  const SketchScene scene = SceneOf(Solver::kCmd1, kZH, {1050, 7.5f, 1e-4f});
  const std::vector<std::string> lines = SceneLines(scene);
  ASSERT_EQ(lines.size(), scene.elements.size());
  EXPECT_NE(std::find(lines.begin(), lines.end(), std::string("SCENE\tpoint\t") + kCentreMark + "\t1033.829 2036.772"),
            lines.end());
}

// A label is moved only as far as it must to stay in the band; one longer
// than the band keeps its start in view rather than a clamp with its bounds
// the wrong way round.
struct ShiftRow {
  const char* name;
  double low, high;  // the least move that keeps its start in, the most that keeps its end in
  double shift;
};

class LabelShiftRows : public ::testing::TestWithParam<ShiftRow> {};

TEST_P(LabelShiftRows, StaysInTheBand) { EXPECT_EQ(LabelShift(GetParam().low, GetParam().high), GetParam().shift); }

INSTANTIATE_TEST_SUITE_P(Rows, LabelShiftRows,
                         ::testing::Values(ShiftRow{"FitsWhereItIs", -10, 20, 0},
                                           ShiftRow{"SticksOutAtTheStart", 12, 40, 12},
                                           ShiftRow{"SticksOutAtTheEnd", -30, -8, -8},
                                           ShiftRow{"JustFits", 5, 5, 5},
                                           ShiftRow{"LongerThanTheBandKeepsItsStart", 30, -25, 30},
                                           ShiftRow{"LongerAndAtTheEndKeepsItsStart", -5, -40, -5}),
                         RowName<ShiftRow>);

}  // namespace
}  // namespace capset::testing
