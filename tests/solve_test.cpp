// The pure solve: what it refuses, and the numbers of cases whose texts
// alone would hide them.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>

#include "cap_solve.h"
#include "refusals.h"
#include "round3.h"
#include "window_exact.h"
#include "table.h"

namespace capset::testing {
namespace {

constexpr double kPi = 3.1415926535;
const double kRho = 180 / kPi;

// The ZH base job and the HZ worked job, in decimal degrees.
const CapDesign kZH{1000, 1000, 2000, 45, 0, 100, 60, 1050, kRho, kPi, 1};
const CapDesign kHZ{12500, 1000, 2000, 225, 0, 200, 60, 12450, kRho, kPi, 1};

CapDesign With(CapDesign d, double CapDesign::*field, double value) {
  d.*field = value;
  return d;
}

struct RefusalRow {
  const char* name;
  std::optional<Refusal> (*check)();
  std::optional<Refusal> expected;
};

class Refusals : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(Refusals, ReasonOrNone) { EXPECT_EQ(GetParam().check(), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Rows, Refusals,
    ::testing::Values(
        RefusalRow{"SkewedBaseJobIsFine", [] { return CheckDesign(Solver::kCmd1, kZH); }, std::nullopt},
        RefusalRow{"B0AxisParallel", [] { return CheckDesign(Solver::kCmd1, With(kZH, &CapDesign::B, 0)); },
                   Refusal::kAxisParallel},
        RefusalRow{"B180AxisParallel", [] { return CheckDesign(Solver::kCmd4, With(kHZ, &CapDesign::B, 180)); },
                   Refusal::kAxisParallel},
        RefusalRow{"A1ZeroSkewed", [] { return CheckDesign(Solver::kCmd3, With(kHZ, &CapDesign::A1, 0)); },
                   Refusal::kA1Zero},
        RefusalRow{"SquareKjBeforeZH", [] { return CheckDesign(Solver::kCmd5, With(kZH, &CapDesign::Kj, 999)); },
                   Refusal::kKjBeforeZH},
        RefusalRow{"SquareP0",
                   [] {
                     CapDesign d = kZH;
                     d.P = 0;
                     return CheckDesign(Solver::kCmd5, d);
                   },
                   Refusal::kNoDeflection},
        RefusalRow{"SquareA1Zero", [] { return CheckDesign(Solver::kCmd5, With(kZH, &CapDesign::A1, 0)); },
                   Refusal::kA1Zero},
        RefusalRow{"SquareIgnoresB", [] { return CheckDesign(Solver::kCmd5, With(kZH, &CapDesign::B, 0)); },
                   std::nullopt},
        RefusalRow{"KpAtZH", [] { return CheckKp(Solver::kCmd2, kZH, 1000); }, std::nullopt},
        RefusalRow{"KpBeforeZH", [] { return CheckKp(Solver::kCmd1, kZH, 999.99); }, Refusal::kKpBeforeZH},
        RefusalRow{"KpAtHZ", [] { return CheckKp(Solver::kCmd3, kHZ, 12500); }, std::nullopt},
        RefusalRow{"KpAfterHZ", [] { return CheckKp(Solver::kCmd4, kHZ, 12500.01); }, Refusal::kKpAfterHZ},
        RefusalRow{"DRZero", [] { return CheckDR(Solver::kCmd1, 0.0f); }, Refusal::kDRZero},
        RefusalRow{"DRNegativeIsASide", [] { return CheckDR(Solver::kCmd1, -7.5f); }, std::nullopt},
        RefusalRow{"SquareDRZero", [] { return CheckDR(Solver::kCmd5, 0.0f); }, std::nullopt},
        RefusalRow{"PrecisionZero", [] { return CheckPrecision(Solver::kCmd3, 0.0f); }, Refusal::kPrecisionNotPositive},
        RefusalRow{"PrecisionNegative", [] { return CheckPrecision(Solver::kCmd3, -1e-3f); },
                   Refusal::kPrecisionNotPositive},
        RefusalRow{"SquarePrecisionAnything", [] { return CheckPrecision(Solver::kCmd5, -5.0f); }, std::nullopt}),
    RowName<RefusalRow>);

// The left edge's first bearing lies just below 360 while its axis is
// 0.0226: the mismatch is taken as −0.053, not 359.95.
TEST(SkewedSolve, MismatchAcrossNorth) {
  const CapDesign design{1000, 1000, 2000, 96.942, 0, 353.8, 81.949, 1070.317, kRho, kPi, 0};
  const CapSolution s = SolveCap(Solver::kCmd1, design, {1070.317, 11.98f, 0.0001f});
  EXPECT_NEAR(s.innerAxis, 180.022612, 5e-7);
  EXPECT_NEAR(s.outerAxis, 0.022612, 5e-7);
  ASSERT_EQ(s.outer.status, SideStatus::kSolved);
  EXPECT_NEAR(s.outer.footStation, 1068.6337, 5e-5);
  EXPECT_NEAR(s.outer.point.X, 1003.14, 5e-4);
  EXPECT_NEAR(s.outer.point.Y, 2069.748, 5e-4);
  EXPECT_NEAR(s.outer.length, 12.098, 5e-4);
  ASSERT_EQ(s.inner.status, SideStatus::kSolved);
  EXPECT_NEAR(s.inner.footStation, 1072.0233, 5e-5);
  EXPECT_LT(s.outer.rounds, 20);
}

// The worked ZH base case: the rounds the iteration takes, and the foot
// station that carries the correction after the last round.
TEST(SkewedSolve, BaseCaseNumbers) {
  const CapSolution s = SolveCap(Solver::kCmd1, kZH, {1050, 7.5f, 0.0001f});
  EXPECT_EQ(s.end, SpiralEnd::kZH);
  EXPECT_EQ(s.centreDistance, 50);
  EXPECT_NEAR(s.innerAxis, 112.161972, 5e-7);
  EXPECT_EQ(s.inner.rounds, 7);
  EXPECT_EQ(s.outer.rounds, 5);
  EXPECT_NEAR(s.inner.footStation, 1054.5378169, 5e-8);
  EXPECT_EQ(s.inner.footStation, 1000 + s.inner.footDistance);
}

struct SideRow {
  const char* name;
  Solver solver;
  CapDesign design;
  CapAnswers answers;
  SideStatus inner, outer;
};

class UnsolvedSides : public ::testing::TestWithParam<SideRow> {};

TEST_P(UnsolvedSides, StatusIsData) {
  const SideRow& r = GetParam();
  const CapSolution s = SolveCap(r.solver, r.design, r.answers);
  EXPECT_EQ(s.inner.status, r.inner);
  EXPECT_EQ(s.outer.status, r.outer);
}

constexpr SideStatus kSolved = SideStatus::kSolved;
constexpr SideStatus kOff = SideStatus::kFootOffSpiral;

INSTANTIATE_TEST_SUITE_P(
    Rows, UnsolvedSides,
    ::testing::Values(SideRow{"InnerBeforeZH", Solver::kCmd1, With(kZH, &CapDesign::B, 120), {1003, 7.5f, 1e-4f}, kOff, kSolved},
                      SideRow{"OuterBeforeZH", Solver::kCmd1, kZH, {1003, 7.5f, 1e-4f}, kSolved, kOff},
                      SideRow{"InnerAfterHZ", Solver::kCmd3, kHZ, {12497, 6, 1e-3f}, kOff, kSolved},
                      SideRow{"OuterAfterHZ", Solver::kCmd4, kHZ, {12497, 6, 1e-3f}, kSolved, kOff},
                      SideRow{"StrongSkewRunsAway", Solver::kCmd1, With(kZH, &CapDesign::B, 15), {1050, 7.5f, 1e-4f},
                              SideStatus::kRanAway, kSolved},
                      SideRow{"PrecisionBeyondTheArithmetic", Solver::kCmd1, kZH, {1050, 7.5f, 1e-40f}, SideStatus::kBoundReached,
                              SideStatus::kBoundReached}),
    RowName<SideRow>);


// T a hair east of north and a hair west of it, for each solver: the range
// tests fold the azimuths across north, and the cap must stay where the
// exact road of the same job puts it (the series near the spiral's start
// leave it by far less than a millimetre).
struct NorthRow {
  const char* name;
  Solver solver;
  double T;
};

class AcrossNorth : public ::testing::TestWithParam<NorthRow> {};

double Gap(PlanePoint a, PlanePoint b) { return std::hypot(a.X - b.X, a.Y - b.Y); }

TEST_P(AcrossNorth, EveryPointWhereTheExactRoadPutsIt) {
  const NorthRow& row = GetParam();
  const bool hz = row.solver == Solver::kCmd3 || row.solver == Solver::kCmd4;
  const bool square = row.solver == Solver::kCmd5;
  const int16_t P = (row.solver == Solver::kCmd2 || row.solver == Solver::kCmd4) ? -1 : 1;
  const CapDesign design = hz ? CapDesign{12500, 1000, 2000, row.T, 0, 200, 60, 12450, kRho, kPi, P}
                              : CapDesign{1000, 1000, 2000, row.T, 0, 100, square ? 90.0 : 60.0, 1050, kRho, kPi, P};
  const CapAnswers answers{square ? 0 : design.Kj, 7.5f, 0.0001f};
  const CapSolution s = SolveCap(row.solver, design, answers);
  ASSERT_EQ(s.inner.status, SideStatus::kSolved);
  ASSERT_EQ(s.outer.status, SideStatus::kSolved);
  const auto exact = ExactCapOf(s);
  ASSERT_TRUE(exact.has_value());
  ASSERT_EQ(exact->cap.fault, RoadCapFault::kNone);
  const RoadCapEdge& outer = exact->outerSide > 0 ? exact->cap.right : exact->cap.left;
  const RoadCapEdge& inner = exact->outerSide > 0 ? exact->cap.left : exact->cap.right;
  EXPECT_LT(Gap(s.centre, exact->cap.centre.point), 1e-4);
  EXPECT_LT(Gap(s.outer.point, outer.point.point), 1e-3);
  EXPECT_LT(Gap(s.inner.point, inner.point.point), 1e-3);
  // The two axis directions are opposite, whatever turns the range tests
  // left on them (Cmd3 folds only below 0: its axis may stand past 360).
  EXPECT_NEAR(std::fabs(std::remainder(s.innerAxis - s.outerAxis, 360)), 180, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Rows, AcrossNorth,
                         ::testing::Values(NorthRow{"ZHRightEastOfNorth", Solver::kCmd1, 0.00001},
                                           NorthRow{"ZHRightWestOfNorth", Solver::kCmd1, 359.99999},
                                           NorthRow{"ZHLeftEastOfNorth", Solver::kCmd2, 0.00001},
                                           NorthRow{"ZHLeftWestOfNorth", Solver::kCmd2, 359.99999},
                                           NorthRow{"HZRightEastOfNorth", Solver::kCmd3, 0.00001},
                                           NorthRow{"HZRightWestOfNorth", Solver::kCmd3, 359.99999},
                                           NorthRow{"HZLeftEastOfNorth", Solver::kCmd4, 0.00001},
                                           NorthRow{"HZLeftWestOfNorth", Solver::kCmd4, 359.99999},
                                           NorthRow{"SquareEastOfNorth", Solver::kCmd5, 0.00001},
                                           NorthRow{"SquareWestOfNorth", Solver::kCmd5, 359.99999}),
                         RowName<NorthRow>);


// The skewed solvers' range tests, entry by entry. A test left out or
// changed moves an azimuth by a whole turn, which reaches a point only
// through the rounding of its cosine and sine; each job here stands where
// that rounding crosses a shown millimetre, so each row pins one entry of
// one solver's table (named: the entry, and the one-line change it catches).
struct FoldRow {
  const char* name;
  Solver solver;
  CapDesign design;
  CapAnswers answers;
  // As the boxes show them, to the millimetre: the centre, then the inner and
  // the outer edge (X, Y, foot station, length).
  std::array<double, 10> shown;
};

class FoldTable : public ::testing::TestWithParam<FoldRow> {};

TEST_P(FoldTable, ShownMillimetres) {
  const FoldRow& row = GetParam();
  const CapSolution s = SolveCap(row.solver, row.design, row.answers);
  ASSERT_EQ(s.inner.status, SideStatus::kSolved);
  ASSERT_EQ(s.outer.status, SideStatus::kSolved);
  const std::array<double, 10> shown{
      Round3(s.centre.X),      Round3(s.centre.Y),          Round3(s.inner.point.X), Round3(s.inner.point.Y),
      Round3(s.inner.footStation), Round3(s.inner.length),  Round3(s.outer.point.X), Round3(s.outer.point.Y),
      Round3(s.outer.footStation), Round3(s.outer.length)};
  EXPECT_EQ(shown, row.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FoldTable,
    ::testing::Values(
        FoldRow{"Cmd1CentreChordFoldNotNone", Solver::kCmd1, {1000, 1162.3657847378954, 2276.3406049767605, 358.92927429540651, 0, 342.23476722296874, 33.539017444910108, 1095.9888029519489, kRho, kPi, 1}, {1196.1774677617109, 5.0f, 0.0001f},
                {1358.181, 2283.406, 1367.597, 2289.932, 1206.531, 11.457, 1349.080, 2277.099, 1186.338, 11.072}},
        FoldRow{"Cmd1FootChordFoldNotLow", Solver::kCmd1, {1000, 1063.0938198535937, 2923.8937711955641, 359.52022424763607, 0, 125.03659601558607, 164.83369814139175, 1022.155179776728, kRho, kPi, 1}, {1060.8203280846985, 4.0f, 0.0001f},
                {1123.847, 2925.781, 1112.473, 2928.775, 1049.683, 11.761, 1134.089, 2923.085, 1070.543, 10.590}},
        FoldRow{"Cmd1FootChordFoldNotNone", Solver::kCmd1, {1000, 1146.2731779811741, 2253.3107237817794, 359.3767042472158, 0, 323.555675551869, 52.006423651044081, 1124.6639539855562, kRho, kPi, 1}, {1131.0214365413142, 13.5f, 0.0001f},
                {1277.238, 2255.465, 1287.021, 2269.773, 1141.990, 17.332, 1267.558, 2241.310, 1120.531, 17.148}},
        FoldRow{"Cmd3FootChordFoldNotLowThenHigh", Solver::kCmd3, {12500, 1068.9803345655957, 2995.7109156011629, 2.3135943863949406, 0, 247.88320993273572, 134.45757123049194, 12418.279583279582, kRho, kPi, 1}, {12374.295980498891, 12.0f, 0.0001f},
                {1194.592, 2995.400, 1207.366, 2982.012, 12360.019, 18.505, 1182.220, 3008.365, 12387.457, 17.921}}),
    RowName<FoldRow>);

}  // namespace
}  // namespace capset::testing
