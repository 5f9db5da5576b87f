// Heights through the script end to end: @profile, @xsec, @z and @vcurves
// typed in, answer lines out, against the textbook crest and independent
// values (Python's fractions for the parabolas, mpmath for the circle,
// kept below); every refused block a named row that names its line and
// its reason and leaves the profile before it answering.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "dialogue_replay.h"
#include "table.h"

namespace capset {
namespace {

std::vector<std::string> Lines(const std::string& script) {
  std::istringstream out(ReplayDialogue(script));
  std::vector<std::string> lines;
  for (std::string line; std::getline(out, line);) {
    if (!line.starts_with("Text")) lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream split(line);
  for (std::string f; std::getline(split, f, '\t');) fields.push_back(f);
  return fields;
}

// The textbook crest: 变坡点 K5+030.00 at 427.68 m between +5 % and −4 %, R 2000 m.
const char kTextbook[] = "@profile\npvi K4+800 416.18\npvi K5+030 427.68 2000\npvi K5+300 416.88\n@end\n";
// A road under it, stations K4+000 to K6+000 along a straight.
const char kStraightRoad[] = "@road\nstart K4+000 0 0 0\nline 2000\n@end\n";

TEST(HeightsCommands, TheTextbookCrestAsTheDrawingsPrintIt) {
  for (const std::string road : {"", kStraightRoad}) {
    SCOPED_TRACE(road.empty() ? "stations as distances" : "on a road");
    const auto lines = Lines(road + kTextbook + "@vcurves\n@z K5+010\n@z 5080\n");
    ASSERT_EQ(lines.size(), 3u) << lines.front();
    EXPECT_EQ(lines[0],
              "VCURVE\t2\t5030.000000\t427.680000\t5.000000\t-4.000000\t-9.000000\tcrest\t2000.000000\t180.000000\t"
              "90.000000\t2.025000\t4940.000000\t423.180000\t5120.000000\t424.080000");
    EXPECT_EQ(lines[1], "Z\tK5+010\t\t425.455000\t1.500000\t-2.000000\t-2.000000");
    EXPECT_EQ(lines[2], "Z\t5080\t\t425.280000\t-2.000000\t-2.000000\t-2.000000");
  }
}

struct ZRow {
  const char* name;
  const char* ask;
  const char* line;  // the whole answer line
};

class ZOnTheTextbook : public ::testing::TestWithParam<ZRow> {};

// The profile with a section: 2 % crown, half-widths 7.5 m. A point's H is
// the centreline's minus 2 % of its offset.
TEST_P(ZOnTheTextbook, AnswersOneLine) {
  const auto lines = Lines(std::string(kStraightRoad) + kTextbook + "@xsec\ncrown 2\nwidth 7.5 7.5\n@end\n" +
                           GetParam().ask + "\n");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ZOnTheTextbook,
    ::testing::Values(
        ZRow{"StartRow", "@z K4+800", "Z\tK4+800\t\t416.180000\t5.000000\t-2.000000\t-2.000000"},
        ZRow{"OnTheFirstGrade", "@z 4900", "Z\t4900\t\t421.180000\t5.000000\t-2.000000\t-2.000000"},
        ZRow{"AtBvc", "@z 4940", "Z\t4940\t\t423.180000\t5.000000\t-2.000000\t-2.000000"},
        // Under the PVI the curve lies E below it, on the mean of the grades.
        ZRow{"UnderThePvi", "@z K5+030", "Z\tK5+030\t\t425.655000\t0.500000\t-2.000000\t-2.000000"},
        ZRow{"AtEvc", "@z 5120", "Z\t5120\t\t424.080000\t-4.000000\t-2.000000\t-2.000000"},
        ZRow{"EndRow", "@z K5+300", "Z\tK5+300\t\t416.880000\t-4.000000\t-2.000000\t-2.000000"},
        ZRow{"RightEdgeBelowTheCentre", "@z 5080 7.5", "Z\t5080\t7.5\t425.130000\t-2.000000\t-2.000000\t-2.000000"},
        ZRow{"LeftOffsetAsTyped", "@z K5+010 -3.750", "Z\tK5+010\t-3.750\t425.380000\t1.500000\t-2.000000\t-2.000000"},
        ZRow{"BeforeTheProfile", "@z 4700", "MESSAGE 桩号 4700 在纵断面起点 K4+800.000 之前，没有设计高程。"},
        ZRow{"AfterTheProfile", "@z K5+300.001", "MESSAGE 桩号 K5+300.001 在纵断面终点 K5+300.000 之后，没有设计高程。"},
        ZRow{"BeyondTheRoadAndTheProfile", "@z 6500", "MESSAGE 桩号 6500 在纵断面终点 K5+300.000 之后，没有设计高程。"},
        ZRow{"NotAStation", "@z K5+1010", "MESSAGE K“K5+1010”加号后的米数须小于 1000。"},
        ZRow{"OffsetNotANumber", "@z 5000 left", "MESSAGE 偏距“left”不是数值。"},
        ZRow{"OffsetOutOfRange", "@z 5000 20000", "MESSAGE 偏距“20000”超出了 -10000 至 10000 m 的范围。"},
        ZRow{"NothingAsked", "@z", "MESSAGE @z 的写法：@z K [偏距]，如 @z K5+010 -3.75。"},
        ZRow{"TooMuchAsked", "@z 5000 1 2", "MESSAGE @z 的写法：@z K [偏距]，如 @z K5+010 -3.75。"}),
    testing::RowName<ZRow>);

TEST(HeightsCommands, NoProfileNoHeight) {
  const auto lines = Lines("@z 100\n@vcurves\n");
  ASSERT_EQ(lines.size(), 2u);
  for (const std::string& line : lines) EXPECT_TRUE(line.starts_with("MESSAGE 还没有纵断面")) << line;
}

// An asymmetric parabola (L1 60 m, L2 100 m) and a circle of R 5000 m, each
// against its independent value; the circle's L is its horizontal length.
TEST(HeightsCommands, AsymmetricAndCircularCurves) {
  const auto asym = Lines("@profile\npvi 0 100\npvi 200 104 lengths 60 100\npvi 500 98\n@end\n@vcurves\n"
                          "@z 150\n@z 230\n@z 299\n");
  ASSERT_EQ(asym.size(), 4u);
  const auto v = Fields(asym[0]);
  ASSERT_EQ(v.size(), 16u);
  EXPECT_EQ(v[7], "crest");
  EXPECT_EQ(v[8], "-");   // no one radius
  EXPECT_EQ(v[9], "160.000000");
  EXPECT_EQ(v[10], "-");  // no one tangent
  EXPECT_EQ(v[11], "0.750000");
  EXPECT_EQ(v[12], "140.000000");
  EXPECT_EQ(v[14], "300.000000");
  const double golden[][2] = {{102.97916666666667, 1.5833333333333333}, {103.0325, -0.95}, {102.019925, -1.985}};
  for (int k = 0; k < 3; ++k) {
    const auto z = Fields(asym[1 + k]);
    EXPECT_NEAR(std::stod(z[3]), golden[k][0], 5.1e-7) << k;
    EXPECT_NEAR(std::stod(z[4]), golden[k][1], 5.1e-7) << k;
  }
  const auto circle = Lines("@profile\npvi 0 100\npvi 300 106 circle 5000\npvi 600 100\n@end\n@vcurves\n@z 260\n@z 330\n");
  ASSERT_EQ(circle.size(), 3u);
  const auto c = Fields(circle[0]);
  EXPECT_EQ(c[8], "5000.000000");
  EXPECT_EQ(c[9], "199.960012");  // 2·T·cos θ1, not the arc's 199.973 m
  EXPECT_EQ(c[10], "100.000000");
  EXPECT_EQ(c[11], "0.999900");
  EXPECT_NEAR(std::stod(c[12]), 200.01999400199930025, 5.1e-7);
  EXPECT_NEAR(std::stod(Fields(circle[1])[3]), 104.84009741992307532, 5.1e-7);
  EXPECT_NEAR(std::stod(Fields(circle[1])[4]), 0.80002560122886553967, 5.1e-7);
  EXPECT_NEAR(std::stod(Fields(circle[2])[3]), 104.91009916999041827, 5.1e-7);
}

// A transition about the centreline typed by its stations, inner side
// left, e 6 %: the outer side turns from −2 % to +6 % over TS→FS, the
// inner keeps −2 % until the outer reaches +2 %; full e from FS to FE. The
// centreline keeps the profile's height.
TEST(HeightsCommands, ATransitionTypedByItsStations) {
  const auto lines = Lines(std::string(kStraightRoad) + kTextbook +
                           "@xsec\nwidth 7.5 7.5\nsuper 5000 5050 5100 5150 6 left\n@end\n"
                           "@z 4990\n@z 5025\n@z 5075\n@z 5075 7.5\n@z 5150\n");
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_TRUE(lines[0].ends_with("\t-2.000000\t-2.000000")) << lines[0];
  EXPECT_TRUE(lines[1].ends_with("\t-2.000000\t2.000000")) << lines[1];
  // 45 m before EVC: 424.08 + 0.04·45 − 45²/4000.
  EXPECT_EQ(lines[2], "Z\t5075\t\t425.373750\t-1.750000\t-6.000000\t6.000000");
  EXPECT_EQ(lines[3], "Z\t5075\t7.5\t425.823750\t-1.750000\t-6.000000\t6.000000");
  EXPECT_TRUE(lines[4].ends_with("\t-2.000000\t-2.000000")) << lines[4];
}

struct RefusalRow {
  const char* name;
  const char* block;  // the lines between @profile and @end
  const char* says;   // the one MESSAGE holds this
};

class ProfileRefusals : public ::testing::TestWithParam<RefusalRow> {};

// One MESSAGE naming the line and the reason; the textbook profile stays.
TEST_P(ProfileRefusals, OneMessageAndTheProfileStays) {
  const auto lines = Lines(std::string(kStraightRoad) + kTextbook + "@profile\n" + GetParam().block +
                           "\n@end\n@z K5+010\n");
  ASSERT_EQ(lines.size(), 2u) << (lines.empty() ? "" : lines.front());
  EXPECT_TRUE(lines[0].starts_with("MESSAGE 纵断面")) << lines[0];
  EXPECT_NE(lines[0].find(GetParam().says), std::string::npos) << lines[0];
  EXPECT_EQ(lines[1], "Z\tK5+010\t\t425.455000\t1.500000\t-2.000000\t-2.000000");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ProfileRefusals,
    ::testing::Values(
        RefusalRow{"ElevationNotANumber", "pvi 4800 416.18\npvi 5030 42x.68\npvi 5300 416.88",
                   "第 2 行“pvi 5030 42x.68”：H“42x.68”不是数值。"},
        RefusalRow{"LengthWithoutItsNumber", "pvi 4800 416.18\npvi 5030 427.68 length\npvi 5300 416.88",
                   "第 2 行“pvi 5030 427.68 length”：这一行应写作 pvi K H [R]"},
        RefusalRow{"UnknownWord", "pvi 4800 416.18\nvpi 5030 427.68\npvi 5300 416.88", "第 2 行“vpi 5030 427.68”：不认识这一行"},
        RefusalRow{"BadKStation", "pvi K4+800 416.18\npvi K5+-30 427.68\npvi 5300 416.88", "第 2 行“pvi K5+-30 427.68”：K“K5+-30”"},
        RefusalRow{"StationsNotIncreasing", "pvi 4800 416.18\npvi 5300 416.88\npvi 5030 427.68",
                   "第 3 行“pvi 5030 427.68”：第 3 行变坡点 K5+030.000 不在第 2 行变坡点 K5+300.000 之后"},
        RefusalRow{"RadiusNegative", "pvi 4800 416.18\npvi 5030 427.68 -2000\npvi 5300 416.88",
                   "第 2 行“pvi 5030 427.68 -2000”：第 2 行变坡点 K5+030.000 的竖曲线半径 R 为 -2000.000 m，半径须大于 0"},
        RefusalRow{"CurveAtTheStart", "pvi 4800 416.18 2000\npvi 5030 427.68\npvi 5300 416.88",
                   "第 1 行“pvi 4800 416.18 2000”：第 1 行变坡点 K4+800.000 是纵断面的起点，不能设竖曲线"},
        // The crest of R 2000 reaches 120 m beyond its PVI; the sag after it begins 88.9 m before its own.
        RefusalRow{"CurvesOverlapNamingBoth", "pvi 4000 100\npvi 5000 120 2000\npvi 5100 110 2000\npvi 6000 100",
                   "第 3 行“pvi 5100 110 2000”：第 3 行变坡点 K5+100.000 的竖曲线与第 2 行变坡点 K5+000.000 的竖曲线重叠 "
                   "108.889 m"},
        RefusalRow{"CurvePastTheStart", "pvi 4000 100\npvi 4010 101 90000\npvi 4020 100",
                   "第 2 行“pvi 4010 101 90000”：第 2 行变坡点 K4+010.000 的竖曲线越过了纵断面的起点（第 1 行变坡点 K4+000.000）"},
        RefusalRow{"GradeTooSteep", "pvi 4800 0\npvi 4801 2", "第 1 行变坡点 K4+800.000 至第 2 行变坡点 K4+801.000 的纵坡为 200.000%"},
        RefusalRow{"OneRow", "pvi 4800 416.18", "纵断面：纵断面至少要有两个变坡点（起点和终点），这里有 1 个。"},
        RefusalRow{"Empty", "", "纵断面：纵断面为空"},
        RefusalRow{"StationTheRoadHasNot", "pvi 4800 416.18\npvi 6000(2) 416.88",
                   "第 2 行“pvi 6000(2) 416.88”：第 2 行变坡点：桩号 K6+000.000(2) 在路线上只出现 1 次。"}),
    testing::RowName<RefusalRow>);

class SectionRefusals : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(SectionRefusals, OneMessageAndTheSectionStays) {
  const auto lines = Lines(std::string(kStraightRoad) + kTextbook + "@xsec\ncrown 1.5\n@end\n@xsec\n" +
                           GetParam().block + "\n@end\n@z 5080 3\n");
  ASSERT_EQ(lines.size(), 2u) << (lines.empty() ? "" : lines.front());
  EXPECT_TRUE(lines[0].starts_with("MESSAGE 横断面")) << lines[0];
  EXPECT_NE(lines[0].find(GetParam().says), std::string::npos) << lines[0];
  // The 1.5 % crown before it still holds: 3 m right lies 45 mm below the centre.
  EXPECT_EQ(lines[1], "Z\t5080\t3\t425.235000\t-2.000000\t-1.500000\t-1.500000");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SectionRefusals,
    ::testing::Values(
        RefusalRow{"CrownNotANumber", "crown 2%", "第 1 行“crown 2%”：IG“2%”不是数值。"},
        RefusalRow{"WidthOfOneSide", "crown 2\nwidth 7.5", "第 2 行“width 7.5”：这一行应写作 width LEFT RIGHT，这里有 1 项。"},
        RefusalRow{"CrownTwice", "crown 2\ncrown 3", "第 2 行“crown 3”：横断面只能有一行 crown，第 1 行已有。"},
        RefusalRow{"InnerSideMisspelt", "super 5000 5050 5100 5150 6 up", "第 1 行“super 5000 5050 5100 5150 6 up”：“up”内侧须为 left"},
        RefusalRow{"AxisMisspelt", "super 5000 5050 5100 5150 6 left middle", "旋转轴须为 centre（绕中线）"},
        RefusalRow{"JdNotNamed", "super J3 4", "第 1 行“super J3 4”：JD“J3”须为交点名，如 JD3。"},
        RefusalRow{"UnknownWord", "crown 2\nsuperelevation 6", "第 2 行“superelevation 6”：不认识这一行"}),
    testing::RowName<RefusalRow>);

// A road with a 长链 (K5+100 = K5+050): the stations K5+050 to K5+100 exist
// twice, and a profile row there says which place it means.
const char kLongChainRoad[] = "@road\nstart K4+000 0 0 0\nline 2000\nequation 5100 5050\n@end\n";

TEST(HeightsCommands, AProfileAcrossALongChainNamesItsPlace) {
  // Without the place the row is refused, naming both.
  const auto refused = Lines(std::string(kLongChainRoad) + "@profile\npvi K4+800 100\npvi K5+080 102.8\npvi K5+200 104.5\n@end\n");
  ASSERT_EQ(refused.size(), 1u);
  EXPECT_NE(refused[0].find("第 2 行“pvi K5+080 102.8”：第 2 行变坡点：桩号 K5+080.000 在长链"), std::string::npos) << refused[0];
  EXPECT_NE(refused[0].find("K5+080.000(2) 指第二处"), std::string::npos) << refused[0];
  // K4+800 lies 800 m along, K5+200 1250 m (1100 m to the equation, then 150 m): a 1 % grade,
  // broken at the second K5+080 (1130 m along, 103.2 m) into a sag of R 1000.
  const auto lines = Lines(std::string(kLongChainRoad) +
                           "@profile\npvi K4+800 100\npvi K5+080(2) 103.2 1000\npvi K5+200 104.5\n@end\n@vcurves\n"
                           "@z K5+070(1)\n@z K5+070(2)\n@z K5+070\n@z 5000\n");
  ASSERT_EQ(lines.size(), 5u);
  const auto v = Fields(lines[0]);
  ASSERT_EQ(v.size(), 16u);
  EXPECT_EQ(v[2], "5080.000000(2)");
  EXPECT_EQ(v[7], "sag");
  // i1 = 3.2/330, i2 = 1.3/120: L = 1000·ω.
  EXPECT_NEAR(std::stod(v[9]), 1000 * (1.3 / 120 - 3.2 / 330), 5.1e-7);
  // 270 m, 320 m and 200 m up the grade of 3.2 m in 330 m from 100 m.
  EXPECT_EQ(lines[1], "Z\tK5+070(1)\t\t102.618182\t0.969697\t-2.000000\t-2.000000");
  EXPECT_EQ(lines[2], "Z\tK5+070(2)\t\t103.103030\t0.969697\t-2.000000\t-2.000000");
  EXPECT_NE(lines[3].find("桩号 K5+070 在长链"), std::string::npos) << lines[3];
  EXPECT_EQ(lines[4], "Z\t5000\t\t101.939394\t0.969697\t-2.000000\t-2.000000");
}

// The profile stands on the working road: a road that no longer holds it
// (a 短链 that skips its 变坡点) leaves it kept but without heights, and @z
// says why; the road it fits brings the heights back.
TEST(HeightsCommands, HeightsAreRemadeWhenTheRoadChanges) {
  const auto lines = Lines(std::string(kStraightRoad) + kTextbook + "@z K5+010\n" +
                           "@road\nstart K4+000 0 0 0\nline 2000\nequation 5000 5100\n@end\n@z K5+010\n@vcurves\n" +
                           kStraightRoad + "@z K5+010\n");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "Z\tK5+010\t\t425.455000\t1.500000\t-2.000000\t-2.000000");
  EXPECT_EQ(lines[1],
            "MESSAGE 纵断面与现在的路线不符，没有设计高程：第 2 行变坡点：桩号 K5+030.000 落在短链第 1 个断链"
            "（断前 K5+000.000 = 断后 K5+100.000）跳过的桩号中，路线上没有这个桩号。");
  EXPECT_EQ(lines[2], lines[1]);
  EXPECT_EQ(lines[3], lines[0]);
}

// A section set while the profile does not fit the road is kept, and holds
// once the road fits again; a bad one is still refused.
TEST(HeightsCommands, ASectionWaitsWithTheProfile) {
  const auto lines = Lines(std::string(kStraightRoad) + kTextbook +
                           "@road\nstart K4+000 0 0 0\nline 2000\nequation 5000 5100\n@end\n"
                           "@xsec\ncrown 1.5\n@end\n@xsec\ncrown 25\n@end\n" + kStraightRoad + "@z 5080 3\n");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NE(lines[0].find("横断面第 1 行“crown 25”：横断面的路拱横坡为 25.000%，超出了 0 至 20% 的范围。"), std::string::npos)
      << lines[0];
  EXPECT_EQ(lines[1], "Z\t5080\t3\t425.235000\t-2.000000\t-1.500000\t-1.500000");
}

// A station equation moves every profile row after it: the same typed
// profile gives the heights of its stations, not of its distances.
TEST(HeightsCommands, AShortChainMovesTheRowsAfterIt) {
  const auto lines = Lines("@road\nstart K4+000 0 0 0\nline 2000\nequation 4500 4600\n@end\n" + std::string(kTextbook) +
                           "@z K5+010\n@z K4+550\n");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "Z\tK5+010\t\t425.455000\t1.500000\t-2.000000\t-2.000000");
  EXPECT_NE(lines[1].find("落在短链"), std::string::npos) << lines[1];
}

}  // namespace
}  // namespace capset
