// Every way a road is refused, one named row each: the fault, where it is,
// and the numbers a message needs. Beside them the near misses that must be
// accepted: a table's rounding is not a fault.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "road_fixtures.h"
#include "table.h"

namespace capset::testing {
namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// A good table: BP, two curves, EP.
IntersectionRoadInput Table() {
  return {0, {0, 0}, {{{600, 0}, 300, 60, 60}, {{1200, 500}, 400, 80, 40}}, {1900, 500}, {}};
}

IntersectionRoadInput With(std::function<void(IntersectionRoadInput&)> change) {
  IntersectionRoadInput in = Table();
  change(in);
  return in;
}

ElementRoadInput Elements(std::vector<ElementInput> elements, std::vector<StationEquation> equations = {}) {
  return {1000, {5000, 7000}, 30, std::move(elements), std::move(equations)};
}

const ElementInput kLine{ElementKind::kLine, 100};

JobRoadInput Job() { return {JobEnd::kZH, 1000, {1000, 2000}, 45, 200, 100, 1}; }

struct RefusalRow {
  const char* name;
  std::function<RoadBuild()> build;
  RoadFault fault;
  RoadPart part;
  int index;
  RoadField field;
  int other = 0;
};

class Refusals : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(Refusals, NameTheFaultAndWhere) {
  const RefusalRow& row = GetParam();
  const RoadBuild build = row.build();
  ASSERT_FALSE(build.road);
  ASSERT_TRUE(build.problem);
  EXPECT_EQ(build.problem->fault, row.fault);
  EXPECT_EQ(build.problem->part, row.part);
  EXPECT_EQ(build.problem->index, row.index);
  EXPECT_EQ(build.problem->field, row.field);
  EXPECT_EQ(build.problem->other, row.other);
}

using F = RoadFault;
using P = RoadPart;
using D = RoadField;

INSTANTIATE_TEST_SUITE_P(
    Tables, Refusals,
    ::testing::Values(
        RefusalRow{"RadiusZero", [] { return RoadFromIntersections(With([](auto& t) { t.jds[1].R = 0; })); },
                   F::kRadiusNotPositive, P::kJd, 2, D::kR},
        RefusalRow{"RadiusNegative", [] { return RoadFromIntersections(With([](auto& t) { t.jds[0].R = -300; })); },
                   F::kRadiusNotPositive, P::kJd, 1, D::kR},
        RefusalRow{"SpiralLengthNegative",
                   [] { return RoadFromIntersections(With([](auto& t) { t.jds[1].Ls2 = -1; })); },
                   F::kLengthNegative, P::kJd, 2, D::kLs2},
        RefusalRow{"CoordinateNotANumber",
                   [] { return RoadFromIntersections(With([](auto& t) { t.jds[1].point.Y = kNaN; })); },
                   F::kNotFinite, P::kJd, 2, D::kY},
        RefusalRow{"BeginStationInfinite", [] { return RoadFromIntersections(With([](auto& t) { t.station = kInf; })); },
                   F::kNotFinite, P::kBegin, 0, D::kStation},
        RefusalRow{"EndNotANumber", [] { return RoadFromIntersections(With([](auto& t) { t.ep.X = kNaN; })); },
                   F::kNotFinite, P::kEnd, 3, D::kX},
        RefusalRow{"JdOnItsNeighbour",
                   [] { return RoadFromIntersections(With([](auto& t) { t.jds[1].point = t.jds[0].point; })); },
                   F::kPointsCoincide, P::kJd, 2, D::kNone, 1},
        RefusalRow{"JdOnBp", [] { return RoadFromIntersections(With([](auto& t) { t.jds[0].point = {0, 0.0005}; })); },
                   F::kPointsCoincide, P::kJd, 1, D::kNone, 0},
        RefusalRow{"EpOnTheLastJd", [] { return RoadFromIntersections(With([](auto& t) { t.ep = t.jds[1].point; })); },
                   F::kPointsCoincide, P::kEnd, 3, D::kNone, 2},
        // JD2 on the line from JD1 to EP.
        RefusalRow{"LegsInLine",
                   [] { return RoadFromIntersections(With([](auto& t) { t.jds[1].point = {1250, 250}; })); },
                   F::kNoTurn, P::kJd, 2, D::kNone},
        RefusalRow{"LegsTurnBack",
                   [] { return RoadFromIntersections(With([](auto& t) { t.jds[1].point = {100, 0}; })); },
                   F::kReversal, P::kJd, 1, D::kNone},
        RefusalRow{"CurvesOverlap",
                   [] { return RoadFromIntersections(With([](auto& t) { t.jds[1].R = 2000; })); },
                   F::kTangentsOverlap, P::kJd, 2, D::kNone, 1},
        RefusalRow{"CurveOverlapsBp", [] { return RoadFromIntersections(With([](auto& t) { t.jds[0].point = {80, 0}; })); },
                   F::kTangentsOverlap, P::kJd, 1, D::kNone, 0},
        RefusalRow{"CurveOverlapsEp", [] { return RoadFromIntersections(With([](auto& t) { t.ep = {1300, 500}; })); },
                   F::kTangentsOverlap, P::kEnd, 3, D::kNone, 2},
        RefusalRow{"SpiralsTooLongForTheTurn",
                   [] { return RoadFromIntersections(With([](auto& t) { t.jds[1].Ls1 = 400; t.jds[1].Ls2 = 300; })); },
                   F::kSpiralsTooLong, P::kJd, 2, D::kNone},
        RefusalRow{"EquationBeforeTheOneBefore",
                   [] { return RoadFromIntersections(With([](auto& t) { t.equations = {{500, 520}, {510, 600}}; })); },
                   F::kEquationOrder, P::kEquation, 2, D::kBack},
        RefusalRow{"EquationAtTheStart",
                   [] { return RoadFromIntersections(With([](auto& t) { t.equations = {{0, 20}}; })); },
                   F::kEquationOrder, P::kEquation, 1, D::kBack},
        RefusalRow{"EquationPastTheEnd",
                   [] { return RoadFromIntersections(With([](auto& t) { t.equations = {{5000, 5100}}; })); },
                   F::kEquationBeyondEnd, P::kEquation, 1, D::kBack},
        RefusalRow{"EquationNotANumber",
                   [] { return RoadFromIntersections(With([](auto& t) { t.equations = {{500, kNaN}}; })); },
                   F::kNotFinite, P::kEquation, 1, D::kAhead}),
    RowName<RefusalRow>);

INSTANTIATE_TEST_SUITE_P(
    Elements, Refusals,
    ::testing::Values(
        RefusalRow{"LengthNegative", [] { return RoadFromElements(Elements({kLine, {ElementKind::kLine, -5}})); },
                   F::kLengthNegative, P::kElement, 2, D::kLength},
        RefusalRow{"ArcRadiusZero",
                   [] { return RoadFromElements(Elements({{ElementKind::kArc, 50, 0, kNoRadius, TurnSide::kLeft}})); },
                   F::kRadiusNotPositive, P::kElement, 1, D::kR1},
        RefusalRow{"ArcWithoutARadius", [] { return RoadFromElements(Elements({kLine, {ElementKind::kArc, 50}})); },
                   F::kNotFinite, P::kElement, 2, D::kR1},
        RefusalRow{"SpiralOfOneRadius",
                   [] { return RoadFromElements(Elements({{ElementKind::kSpiral, 50, 300, 300, TurnSide::kLeft}})); },
                   F::kSameRadii, P::kElement, 1, D::kR2},
        RefusalRow{"SpiralBetweenTwoStraights",
                   [] { return RoadFromElements(Elements({{ElementKind::kSpiral, 50, kNoRadius, kNoRadius}})); },
                   F::kSameRadii, P::kElement, 1, D::kR2},
        RefusalRow{"SpiralRadiusNegative",
                   [] { return RoadFromElements(Elements({{ElementKind::kSpiral, 50, kNoRadius, -300}})); },
                   F::kRadiusNotPositive, P::kElement, 1, D::kR2},
        RefusalRow{"ArcOfAFullCircle",
                   [] { return RoadFromElements(Elements({{ElementKind::kArc, 2 * kTestPi * 100 + 0.01, 100}})); },
                   F::kFullTurn, P::kElement, 1, D::kLength},
        RefusalRow{"StatedStartTwoMillimetresOff",
                   [] {
                     ElementInput arc{ElementKind::kArc, 80, 500, kNoRadius, TurnSide::kRight};
                     arc.statedStart = PlanePoint{5000 + 100 * std::cos(30 * kDeg) + 0.002, 7000 + 100 * std::sin(30 * kDeg)};
                     return RoadFromElements(Elements({kLine, arc}));
                   },
                   F::kJointGap, P::kElement, 2, D::kStartX},
        RefusalRow{"StatedEndTwoMillimetresOff",
                   [] {
                     ElementInput line = kLine;
                     line.statedEnd = PlanePoint{5000 + 100 * std::cos(30 * kDeg), 7000 + 100 * std::sin(30 * kDeg) - 0.002};
                     return RoadFromElements(Elements({line}));
                   },
                   F::kJointGap, P::kElement, 1, D::kEndX},
        RefusalRow{"StatedJointNotANumber",
                   [] {
                     ElementInput line = kLine;
                     line.statedEnd = PlanePoint{kNaN, 0};
                     return RoadFromElements(Elements({line}));
                   },
                   F::kNotFinite, P::kElement, 1, D::kEndX},
        RefusalRow{"OnlyElementsOfNoLength",
                   [] { return RoadFromElements(Elements({{ElementKind::kLine, 0}})); }, F::kNoElements, P::kBegin, 0,
                   D::kNone},
        RefusalRow{"StartAzimuthNotANumber",
                   [] {
                     ElementRoadInput in = Elements({kLine});
                     in.azimuth = kNaN;
                     return RoadFromElements(in);
                   },
                   F::kNotFinite, P::kBegin, 0, D::kAzimuth}),
    RowName<RefusalRow>);

INSTANTIATE_TEST_SUITE_P(
    Job, Refusals,
    ::testing::Values(RefusalRow{"NoTurnSign", [] { JobRoadInput j = Job(); j.turnSign = 0; return RoadFromJob(j); },
                                 F::kNoTurnSign, P::kJob, 0, D::kNone},
                      RefusalRow{"ParameterZero", [] { JobRoadInput j = Job(); j.A1 = 0; return RoadFromJob(j); },
                                 F::kParameterZero, P::kJob, 0, D::kA1},
                      RefusalRow{"RadiusNegative", [] { JobRoadInput j = Job(); j.R = -200; return RoadFromJob(j); },
                                 F::kRadiusNotPositive, P::kJob, 0, D::kR},
                      RefusalRow{"AzimuthNotANumber", [] { JobRoadInput j = Job(); j.T = kNaN; return RoadFromJob(j); },
                                 F::kNotFinite, P::kJob, 0, D::kAzimuth}),
    RowName<RefusalRow>);

// The numbers a message needs travel with the fault.
TEST(Refusals, CarryTheNumbersOfTheirMessage) {
  const RoadBuild overlap = RoadFromIntersections(With([](auto& t) { t.jds[1].R = 2000; }));
  ASSERT_TRUE(overlap.problem);
  EXPECT_GT(overlap.problem->value, overlap.problem->limit);  // the tangents exceed the leg
  EXPECT_NEAR(overlap.problem->limit, std::hypot(600, 500), 1e-9);
  const RoadBuild tooLong = RoadFromIntersections(With([](auto& t) { t.jds[1].Ls1 = 400; t.jds[1].Ls2 = 300; }));
  ASSERT_TRUE(tooLong.problem);
  EXPECT_LT(tooLong.problem->value, 0);  // Ly
}

// Rounding of a table or file is not a fault: a stated joint 0.9 mm off, two
// curves whose tangents overlap by 0.9 mm, a JD 0.9 mm off the line.
TEST(NearMisses, AreAccepted) {
  ElementInput arc{ElementKind::kArc, 80, 500, kNoRadius, TurnSide::kRight};
  arc.statedStart = PlanePoint{5000 + 100 * std::cos(30 * kDeg) + 0.0009, 7000 + 100 * std::sin(30 * kDeg)};
  EXPECT_TRUE(RoadFromElements(Elements({kLine, arc})).road);

  // Two plain arcs on one leg of 400 m whose tangents come to 400.0009 m.
  const double a = 40 * kDeg;
  const double R = 200.00045 / std::tan(a / 2);
  const IntersectionRoadInput touching{
      0, {-1000 * std::cos(a), 1000 * std::sin(a)}, {{{0, 0}, R, 0, 0}, {{400, 0}, R, 0, 0}},
      {400 + 1000 * std::cos(a), 1000 * std::sin(a)}, {}};
  const RoadBuild built = RoadFromIntersections(touching);
  ASSERT_TRUE(built.road);
  // The curves touch: no straight between them, the distance runs on.
  EXPECT_EQ(built.road->elements().size(), 4u);
}

}  // namespace
}  // namespace capset::testing
