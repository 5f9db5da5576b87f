// A road typed as lines: what is read, what is refused and on which line.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "road_lines.h"
#include "table.h"

namespace capset {
namespace {

using Lines = std::vector<std::string>;

struct RefusalRow {
  const char* name;
  Lines lines;
  int line;              // the line the first problem names (0: the block)
  const char* says;      // a piece of its text
};

class RoadLineRefusals : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(RoadLineRefusals, NameTheLineAndTheReason) {
  const RefusalRow& row = GetParam();
  const auto read = ReadRoadLines(row.lines, NumberSymbols{});
  ASSERT_TRUE(std::holds_alternative<std::vector<RoadLineProblem>>(read));
  const auto& problems = std::get<std::vector<RoadLineProblem>>(read);
  ASSERT_FALSE(problems.empty());
  EXPECT_EQ(problems.front().line, row.line);
  EXPECT_NE(problems.front().reason.find(row.says), std::string::npos) << problems.front().reason;
  if (row.line > 0) {
    EXPECT_NE(problems.front().reason.find("第 " + std::to_string(row.line) + " 行"), std::string::npos);
  }
}

const Lines kGood{"bp 1000 3000 4000", "jd 3800 4300 600 120 100", "ep 5500 4900"};

INSTANTIATE_TEST_SUITE_P(
    Rows, RoadLineRefusals,
    ::testing::Values(
        RefusalRow{"Empty", {}, 0, "路线为空"},
        RefusalRow{"BlankLinesOnly", {"", "  "}, 0, "路线为空"},
        RefusalRow{"UnknownWord", {"bp 0 0 0", "jdx 1 2 3 4", "ep 1 1"}, 2, "不认识"},
        RefusalRow{"TooFewFields", {"bp 0 0 0", "jd 1 2", "ep 1 1"}, 2, "jd X Y R Ls1 [Ls2]"},
        RefusalRow{"TooManyFields", {"bp 0 0 0 9", "ep 1 1"}, 1, "bp K X Y"},
        RefusalRow{"NotANumber", {"bp 0 0 0", "jd 10 1O 300 0", "ep 1 1"}, 2, "Y“1O”不是数值"},
        RefusalRow{"CommaWhereDotRules", {"bp 0 0 0", "jd 10 10,5 300 0", "ep 1 1"}, 2, "不是数值"},
        RefusalRow{"RadiusZero", {"bp 0 0 0", "jd 10 10 0 0", "ep 1 1"}, 2, "R“0”须大于 0"},
        RefusalRow{"SpiralLengthNegative", {"bp 0 0 0", "jd 10 10 300 -20", "ep 1 1"}, 2, "Ls1“-20”不能为负"},
        RefusalRow{"InfIsNoArcRadius", {"start 0 0 0 0", "arc 10 inf left"}, 2, "R“inf”"},
        RefusalRow{"SideMisspelt", {"start 0 0 0 0", "arc 10 300 rigth"}, 2, "left（左）或 right（右）"},
        RefusalRow{"SpiralRadiusNegative", {"start 0 0 0 0", "spiral 10 -300 inf left"}, 2, "直线端写 inf"},
        RefusalRow{"AzimuthMinutesOf60", {"start 0 0 0 45.6000", "line 10"}, 1, "分和秒须小于 60"},
        RefusalRow{"BadKStation", {"bp K1+1200 0 0", "ep 1 1"}, 1, "米数须小于 1000"},
        RefusalRow{"OccurrenceInABlock", {"bp K1+200(2) 0 0", "ep 1 1"}, 1, "K“K1+200(2)”路线数据中的桩号不写第几处"},
        RefusalRow{"MixedForms", {"bp 0 0 0", "line 100", "ep 1 1"}, 2, "第 1 行已按交点法"},
        RefusalRow{"MixedFormsTheOtherWay", {"start 0 0 0 0", "jd 1 1 100 0"}, 2, "第 1 行已按线元法"},
        RefusalRow{"SecondBp", {"bp 0 0 0", "bp 0 0 0", "ep 1 1"}, 2, "只能有一行 bp，第 1 行已有"},
        RefusalRow{"JdBeforeBp", {"jd 1 1 100 0", "bp 0 0 0", "ep 1 1"}, 1, "jd 行须写在 bp 行之后"},
        RefusalRow{"JdAfterEp", {"bp 0 0 0", "ep 1 1", "jd 1 1 100 0"}, 3, "jd 行须写在 ep 行之前"},
        RefusalRow{"LineBeforeStart", {"line 10", "start 0 0 0 0"}, 1, "line 行须写在 start 行之后"},
        RefusalRow{"NoEp", {"bp 0 0 0", "jd 1 1 100 0"}, 0, "缺少 ep 行"},
        RefusalRow{"NoBpButEquation", {"equation 100 90"}, 0, "缺少 bp 行"},
        RefusalRow{"StartWithoutElements", {"start 0 0 0 0"}, 0, "没有线元"},
        RefusalRow{"EquationShort", {"bp 0 0 0", "equation 100", "ep 1 1"}, 2, "equation BACK AHEAD"}),
    testing::RowName<RefusalRow>);

TEST(RoadLines, EveryBadLineIsToldNotOnlyTheFirst) {
  const auto read = ReadRoadLines({"bp 0 0 0", "jd x 1 100 0", "jd 1 1 -1 0", "ep 1 1"}, NumberSymbols{});
  const auto& problems = std::get<std::vector<RoadLineProblem>>(read);
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_EQ(problems[0].line, 2);
  EXPECT_EQ(problems[1].line, 3);
}

// A refused bp or start still opens its form: the lines after it are told
// only their own faults.
TEST(RoadLines, ARefusedFirstLineDoesNotRefuseTheRest) {
  const auto read = ReadRoadLines({"start 0 0 0 45.6", "line 10", "spiral 10 300 300 left"}, NumberSymbols{});
  const auto& problems = std::get<std::vector<RoadLineProblem>>(read);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].line, 1);
}

TEST(RoadLines, IntersectionFormReadsEveryNumberAsTyped) {
  const auto read = ReadRoadLines({"bp K1+000 3000 4000", "", "jd 3800 4300 600 120 100", "jd\t4600  4200 400 35",
                                   "equation K1+400 1380.5", "ep 5500 4900"},
                                  NumberSymbols{});
  ASSERT_TRUE(std::holds_alternative<RoadLines>(read));
  const RoadLines& lines = std::get<RoadLines>(read);
  const auto& in = std::get<IntersectionRoadInput>(lines.input);
  EXPECT_EQ(in.station, 1000);
  EXPECT_EQ(in.bp, (PlanePoint{3000, 4000}));
  ASSERT_EQ(in.jds.size(), 2u);
  EXPECT_EQ(in.jds[0], (IntersectionPoint{{3800, 4300}, 600, 120, 100}));
  // Ls2 left out is Ls1.
  EXPECT_EQ(in.jds[1], (IntersectionPoint{{4600, 4200}, 400, 35, 35}));
  EXPECT_EQ(in.ep, (PlanePoint{5500, 4900}));
  ASSERT_EQ(in.equations.size(), 1u);
  EXPECT_EQ(in.equations[0], (StationEquation{1400, 1380.5}));
  EXPECT_EQ(lines.beginLine, 1);
  EXPECT_EQ(lines.partLines, (std::vector<int>{3, 4}));
  EXPECT_EQ(lines.equationLines, (std::vector<int>{5}));
  EXPECT_EQ(lines.endLine, 6);
}

TEST(RoadLines, ElementFormInTheCommaLocale) {
  const NumberSymbols comma{.decimal = ","};
  const auto read = ReadRoadLines({"start 5000,5 3000 4000 45,3015", "line 100", "spiral 80 INF 300,25 right",
                                   "arc 50 300,25 right", "spiral 60 300,25 inf left"},
                                  comma);
  ASSERT_TRUE(std::holds_alternative<RoadLines>(read));
  const auto& in = std::get<ElementRoadInput>(std::get<RoadLines>(read).input);
  EXPECT_EQ(in.station, 5000.5);
  EXPECT_NEAR(in.azimuth, 45 + 30 / 60. + 15 / 3600., 1e-12);
  ASSERT_EQ(in.elements.size(), 4u);
  EXPECT_EQ(in.elements[1], (ElementInput{ElementKind::kSpiral, 80, kNoRadius, 300.25, TurnSide::kRight}));
  EXPECT_EQ(in.elements[2], (ElementInput{ElementKind::kArc, 50, 300.25, kNoRadius, TurnSide::kRight}));
  EXPECT_EQ(in.elements[3], (ElementInput{ElementKind::kSpiral, 60, 300.25, kNoRadius, TurnSide::kLeft}));
}

struct BuildRow {
  const char* name;
  Lines lines;
  int line;  // the line LineOf gives for the road's refusal
};

class RoadRefusalLines : public ::testing::TestWithParam<BuildRow> {};

// A road that reads but cannot be made points at the line that holds the fault.
TEST_P(RoadRefusalLines, PointAtTheLineToMend) {
  const BuildRow& row = GetParam();
  const auto read = ReadRoadLines(row.lines, NumberSymbols{});
  ASSERT_TRUE(std::holds_alternative<RoadLines>(read));
  const RoadLines& lines = std::get<RoadLines>(read);
  const RoadBuild built = BuildRoad(lines.input);
  ASSERT_TRUE(built.problem);
  EXPECT_EQ(LineOf(lines, *built.problem), row.line);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RoadRefusalLines,
    ::testing::Values(BuildRow{"OverlapNamesTheLaterJd", {"bp 0 0 0", "jd 100 0 300 0", "jd 100 100 300 0", "ep 200 100"}, 2},
                      BuildRow{"JdOnItsNeighbour", {"bp 0 0 0", "jd 100 0 300 0", "jd 100 0 300 0", "ep 200 100"}, 3},
                      BuildRow{"SpiralsTooLong", {"bp 0 0 0", "jd 1000 0 100 300", "ep 1000 1000"}, 2},
                      BuildRow{"CurveBeyondEp", {"bp 0 0 0", "jd 1000 0 1000 0", "ep 1000 50"}, 3},
                      BuildRow{"EquationOutOfOrder",
                               {"bp 0 0 0", "equation 500 480", "equation 400 390", "ep 1000 0"}, 3},
                      BuildRow{"EquationBeyondEnd", {"start 0 0 0 0", "line 100", "equation 200 190"}, 3},
                      BuildRow{"SameRadii", {"start 0 0 0 0", "line 100", "spiral 50 300 300 left"}, 3},
                      BuildRow{"ArcFullCircle", {"start 0 0 0 0", "arc 700 100 left"}, 2}),
    testing::RowName<BuildRow>);

}  // namespace
}  // namespace capset
