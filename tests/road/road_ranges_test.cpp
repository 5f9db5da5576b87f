// Hostile numbers given to the road directly (a file, a table, the job):
// each field refused beyond its range, naming it; turns too large to lay
// refused before any clothoid is walked, in bounded time; the nearest foot
// of a point far beyond any road found without reading outside the pieces;
// and no sentence about a road holding "nan" or "inf".
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <limits>
#include <regex>

#include "clothoid.h"
#include "curve_step.h"
#include "road_fixtures.h"
#include "road_ranges.h"
#include "road_texts.h"
#include "table.h"

namespace capset::testing {
namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
constexpr double kSubnormal = 4.9e-324;

IntersectionRoadInput OneCurve(double R, double Ls1, double Ls2) {
  return {0, {0, 0}, {{{1000, 0}, R, Ls1, Ls2}}, {1000, 1000}, {}};
}

ElementRoadInput Elements(std::vector<ElementInput> elements) { return {0, {0, 0}, 0, std::move(elements), {}}; }

JobRoadInput Job(double R, double A1) { return {JobEnd::kZH, 1000, {1000, 2000}, 45, R, A1, 1}; }

bool Unprintable(const std::string& text) {
  static const std::regex word("(^|[^A-Za-z])(nan|inf)([^A-Za-z]|$)", std::regex::icase);
  return std::regex_search(text, word);
}

struct HostileRow {
  const char* name;
  std::function<RoadBuild()> build;
  RoadFault fault;
  RoadField field;
  const char* says;  // a piece of the sentence
};

class HostileNumbers : public ::testing::TestWithParam<HostileRow> {};

// Refused at once, naming the field, with a sentence a user can read.
TEST_P(HostileNumbers, AreRefusedQuicklyAndSaidInWords) {
  const HostileRow& row = GetParam();
  const auto begin = std::chrono::steady_clock::now();
  const RoadBuild built = row.build();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  EXPECT_LT(seconds, 0.1);
  ASSERT_TRUE(built.problem);
  EXPECT_FALSE(built.road);
  EXPECT_EQ(built.problem->fault, row.fault);
  EXPECT_EQ(built.problem->field, row.field);
  const std::string text = RoadProblemText(*built.problem);
  EXPECT_NE(text.find(row.says), std::string::npos) << text;
  EXPECT_FALSE(Unprintable(text)) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HostileNumbers,
    ::testing::Values(
        HostileRow{"JdTinyRadiusLongSpiral", [] { return RoadFromIntersections(OneCurve(1e-7, 166, 166)); },
                   RoadFault::kOutOfRange, RoadField::kR, "JD1 的半径 R 为 0.0000001 m，超出了 0.001 至 1000000 m 的范围"},
        // In range, but the spirals turn 83 000 rad: refused by the turn, before a clothoid is walked.
        HostileRow{"JdSmallestRadiusLongSpiral", [] { return RoadFromIntersections(OneCurve(0.001, 166, 166)); },
                   RoadFault::kSpiralsTooLong, RoadField::kNone, "缓和曲线过长"},
        HostileRow{"JdLongestSpiralsOnSmallestRadius", [] { return RoadFromIntersections(OneCurve(0.001, 1e6, 1e6)); },
                   RoadFault::kSpiralsTooLong, RoadField::kNone, "缓和曲线过长"},
        HostileRow{"JdHugeRadius", [] { return RoadFromIntersections(OneCurve(1e308, 26, 26)); },
                   RoadFault::kOutOfRange, RoadField::kR, "为 1e+308 m"},
        HostileRow{"JdRadiusSubnormal", [] { return RoadFromIntersections(OneCurve(kSubnormal, 20, 20)); },
                   RoadFault::kOutOfRange, RoadField::kR, "为 5e-324 m"},
        HostileRow{"JdSpiralSubnormal", [] { return RoadFromIntersections(OneCurve(500, 1e-320, 1e-320)); },
                   RoadFault::kOutOfRange, RoadField::kLs1, "（0 为不设缓和曲线）"},
        HostileRow{"JdFarAway", [] {
                     IntersectionRoadInput in = OneCurve(500, 0, 0);
                     in.jds[0].point.X = 2e8;
                     return RoadFromIntersections(in);
                   },
                   RoadFault::kOutOfRange, RoadField::kX, "-100000000 至 100000000 m"},
        HostileRow{"BpStationHuge", [] {
                     IntersectionRoadInput in = OneCurve(500, 0, 0);
                     in.station = 1e308;
                     return RoadFromIntersections(in);
                   },
                   RoadFault::kOutOfRange, RoadField::kStation, "起点 的桩号 为 1e+308 m"},
        HostileRow{"EquationHuge", [] {
                     IntersectionRoadInput in = OneCurve(500, 0, 0);
                     in.equations = {{1e308, 5}};
                     return RoadFromIntersections(in);
                   },
                   RoadFault::kOutOfRange, RoadField::kBack, "第 1 个断链 的断前桩号 为 1e+308 m"},
        HostileRow{"ElementSpiralTurnsAMillionTimes",
                   [] { return RoadFromElements(Elements({{ElementKind::kSpiral, 1e6, kNoRadius, 0.001}})); },
                   RoadFault::kFullTurn, RoadField::kLength, "不小于一整圈"},
        HostileRow{"ElementSubnormalLength",
                   [] { return RoadFromElements(Elements({{ElementKind::kSpiral, 1e-320, kNoRadius, 300}})); },
                   RoadFault::kOutOfRange, RoadField::kLength, "第 1 个线元 的长度 为 1e-320 m"},
        HostileRow{"ElementArcRadiusTooLarge",
                   [] { return RoadFromElements(Elements({{ElementKind::kArc, 100, 2e6}})); },
                   RoadFault::kOutOfRange, RoadField::kR1, "为 2000000 m"},
        HostileRow{"ElementAzimuthBeyondATurn", [] {
                     ElementRoadInput in = Elements({{ElementKind::kLine, 100}});
                     in.azimuth = 1e20;
                     return RoadFromElements(in);
                   },
                   RoadFault::kOutOfRange, RoadField::kAzimuth, "超出了 -360 至 360° 的范围"},
        HostileRow{"ElementStatedJointFarAway", [] {
                     ElementInput line{ElementKind::kLine, 100};
                     line.statedEnd = PlanePoint{1e160, 0};
                     return RoadFromElements(Elements({line}));
                   },
                   RoadFault::kOutOfRange, RoadField::kEndX, "终点 X 为 1e+160 m"},
        HostileRow{"JobRadiusSubnormal", [] { return RoadFromJob(Job(kSubnormal, 100)); }, RoadFault::kOutOfRange,
                   RoadField::kR, "作业 的半径 R 为 5e-324 m，超出了 0.001 至 1000000 m 的范围（0 为不设圆曲线）"},
        HostileRow{"JobParameterSubnormal", [] { return RoadFromJob(Job(200, -1e-320)); }, RoadFault::kOutOfRange,
                   RoadField::kA1, "为 -1e-320 m"},
        HostileRow{"JobSpiralTurnsTooFar", [] { return RoadFromJob(Job(0.001, 1e6)); }, RoadFault::kFullTurn,
                   RoadField::kA1, "不小于一整圈"}),
    RowName<HostileRow>);

struct AcceptedRow {
  const char* name;
  std::function<RoadBuild()> build;
};

class EdgesOfTheRanges : public ::testing::TestWithParam<AcceptedRow> {};

TEST_P(EdgesOfTheRanges, AreRoads) {
  const RoadBuild built = GetParam().build();
  ASSERT_TRUE(built.road) << RoadProblemText(*built.problem);
  for (const KeyPoint& k : built.road->keyPoints()) {
    EXPECT_TRUE(std::isfinite(k.point.X) && std::isfinite(k.point.Y) && std::isfinite(k.station.value));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EdgesOfTheRanges,
    ::testing::Values(
        // A turn of 0.001 rad: the tangents of R 1e6 are 500 m.
        AcceptedRow{"JdRadiusOfAMillionMetres",
                    [] { return RoadFromIntersections({0, {0, 0}, {{{1000, 0}, 1e6, 0, 0}}, {2000, 1}, {}}); }},
        AcceptedRow{"JdRadiusOfAMillimetre", [] { return RoadFromIntersections(OneCurve(0.001, 0.001, 0)); }},
        AcceptedRow{"JdNoSpirals", [] { return RoadFromIntersections(OneCurve(300, 0, 0)); }},
        AcceptedRow{"FarCorner", [] {
                      return RoadFromIntersections(
                          {-1e8, {1e8 - 2000, -1e8}, {{{1e8 - 1000, -1e8}, 300, 60, 60}}, {1e8 - 1000, -1e8 + 1000}, {}});
                    }},
        AcceptedRow{"ElementOfZeroLengthFromAFile",
                    [] { return RoadFromElements(Elements({{ElementKind::kLine, 100}, {ElementKind::kLine, 0}})); }},
        // What the element form of a table whose curves nearly touch holds.
        AcceptedRow{"LineAndArcOfMicrometres", [] {
                      return RoadFromElements(Elements({{ElementKind::kLine, 100},
                                                        {ElementKind::kArc, 1e-6, 300, kNoRadius, TurnSide::kLeft},
                                                        {ElementKind::kLine, 4e-4},
                                                        {ElementKind::kLine, 100}}));
                    }},
        AcceptedRow{"AzimuthBelowZero", [] {
                      ElementRoadInput in = Elements({{ElementKind::kLine, 100}});
                      in.azimuth = -360;
                      return RoadFromElements(in);
                    }},
        AcceptedRow{"JobWithoutArc", [] { return RoadFromJob(Job(0, 100)); }}),
    RowName<AcceptedRow>);

// However the curve is asked, a step ends in bounded time: a turn beyond
// what the walk may take gives NaN at once.
TEST(CurveStep, AHugeTurnIsNotWalked) {
  const auto begin = std::chrono::steady_clock::now();
  const CurveStep step = StepAlongCurve(0, 1 / (1e-7 * 166), 166);
  EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count(), 0.1);
  EXPECT_TRUE(std::isnan(step.along));
  EXPECT_TRUE(std::isnan(StepAlongCurve(kInf, 0.5, 1).along) || std::isnan(StepAlongCurve(0, kInf, 1).along));
  EXPECT_TRUE(std::isnan(StepAlongCurve(0, kNaN, 1).along));
}

// The exact clothoid the window's warnings judge by, asked of any job:
// its walk and its series end, whatever A1 and the length.
TEST(ExactClothoidBounded, AnyParameterAndLengthEnd) {
  const auto begin = std::chrono::steady_clock::now();
  for (const double A : {kSubnormal, 1e-7, 1.0, 1e6, 1e308, -1e-320}) {
    for (const double l : {0.0, 1e-300, 1e-7, 166.0, 1e8, 1e308, kInf, kNaN}) ExactClothoid(l, A);
  }
  EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count(), 0.1);
}

// A point at 1e160 m: its distance to every piece overflows a square; the
// foot is still found on the one piece, never before it.
TEST(WhereFar, APointBeyondAnySquareStillHasItsFoot) {
  const RoadBuild built = RoadFromElements(Elements({{ElementKind::kLine, 100}}));
  ASSERT_TRUE(built.road);
  for (const PlanePoint q : {PlanePoint{50, 1e160}, PlanePoint{50, -1e160}, PlanePoint{50, 1.7e308}}) {
    const RoadFoot foot = built.road->Where(q);
    EXPECT_EQ(foot.status, WhereStatus::kOnRoad) << q.Y;
    EXPECT_DOUBLE_EQ(foot.distance, 50);
    EXPECT_EQ(foot.offset, q.Y);
  }
  EXPECT_EQ(built.road->Where({1e160, 1e160}).status, WhereStatus::kAfterEnd);
  EXPECT_EQ(built.road->Where({kNaN, 0}).status, WhereStatus::kOffRoad);
}

// The sentence writer's guard: a number that cannot be printed is said in words.
TEST(RoadSentences, NeverHoldNanOrInf) {
  for (const double v : {kNaN, kInf, -kInf, 1e308}) {
    for (const RoadFault fault : {RoadFault::kRadiusNotPositive, RoadFault::kLengthNegative, RoadFault::kFullTurn,
                                  RoadFault::kSpiralsTooLong, RoadFault::kEquationBeyondEnd, RoadFault::kOutOfRange,
                                  RoadFault::kTangentsOverlap, RoadFault::kNoTurn}) {
      RoadProblem p{fault, RoadPart::kJd, 1, RoadField::kR, v, v};
      p.range = kRadiusRange;
      const std::string text = RoadProblemText(p);
      EXPECT_FALSE(Unprintable(text)) << text;
    }
    EXPECT_FALSE(Unprintable(KStationText(v))) << KStationText(v);
  }
  EXPECT_EQ(KStationText(-20), "-K0+020.000");
}

}  // namespace
}  // namespace capset::testing
