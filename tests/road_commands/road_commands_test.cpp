// The road's commands end to end through the dialogue target: lines typed
// in, answer lines out, against independent values (tests/road/golden.py)
// and the closed forms of a straight road.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "dialogue_replay.h"
#include "golden_values.h"
#include "table.h"

namespace capset {
namespace {

using Fields = std::vector<std::string>;

std::vector<Fields> Transcript(const std::string& script, const NumberSymbols& symbols = {}) {
  std::istringstream out(ReplayDialogue(script, symbols));
  std::vector<Fields> lines;
  for (std::string line; std::getline(out, line);) {
    if (line.starts_with("Text")) continue;
    Fields fields;
    std::stringstream split(line);
    for (std::string f; std::getline(split, f, '\t');) fields.push_back(f);
    lines.push_back(fields);
  }
  return lines;
}

std::vector<Fields> Tagged(const std::vector<Fields>& lines, const std::string& tag) {
  std::vector<Fields> out;
  for (const Fields& f : lines) {
    if (!f.empty() && f[0] == tag) out.push_back(f);
  }
  return out;
}

bool IsMessage(const Fields& f) { return !f.empty() && f[0].starts_with("MESSAGE "); }

// The table of unequal spirals, a tight curve and a plain arc, as typed from the drawings.
const char kAsymmetric[] =
    "@road\nbp 1000 40000 60000\njd 40800 60350 300 120 60\njd 41200 59900 150 40 90\n"
    "jd 41900 60150 600 0\njd 42500 59700 90 60 60\nep 43300 59850\n@end\n";

// Printed to 6 decimals: half a unit of the last place, and the nanometre of the road.
constexpr double kPrinted = 5.1e-7;

TEST(RoadCommands, CurvesAreTheIndependentValues) {
  const auto curves = Tagged(Transcript(std::string(kAsymmetric) + "@curves\n"), "CURVE");
  ASSERT_EQ(curves.size(), 4u);
  for (std::size_t j = 0; j < 4; ++j) {
    const testing::GoldenCurve& g = testing::kAsymmetricTableCurves[j];
    const Fields& c = curves[j];
    SCOPED_TRACE(j + 1);
    ASSERT_EQ(c.size(), 13u);
    EXPECT_EQ(c[1], "JD" + std::to_string(j + 1));
    EXPECT_NEAR(std::stod(c[2]), g.alpha, 5.1e-10);
    const double want[] = {g.T1, g.T2, g.L, g.Ly, g.E, g.J, g.p1, g.q1, g.p2, g.q2};
    for (int k = 0; k < 10; ++k) EXPECT_NEAR(std::stod(c[3 + k]), want[k], kPrinted) << k;
  }
}

TEST(RoadCommands, KeyPointsAreTheIndependentPoints) {
  const auto keys = Tagged(Transcript(std::string(kAsymmetric) + "@keypoints\n"), "KEY");
  // BP, five points for each spiral curve, three for the plain arc, EP.
  ASSERT_EQ(keys.size(), 1 + 5 + 5 + 3 + 5 + 1u);
  EXPECT_EQ(keys.front()[1], "BP");
  EXPECT_EQ(keys.front()[2], "1000.000000");
  EXPECT_EQ(keys.back()[1], "EP");
  std::size_t at = 1;
  for (int j = 0; j < 4; ++j) {
    const testing::GoldenCurve& g = testing::kAsymmetricTableCurves[j];
    const bool plain = g.p1 == 0 && g.q1 == 0;
    const std::vector<int> which = plain ? std::vector<int>{0, 2, 4} : std::vector<int>{0, 1, 2, 3, 4};
    for (int k : which) {
      const Fields& key = keys.at(at++);
      SCOPED_TRACE(key[1]);
      EXPECT_NEAR(std::stod(key[3]), g.points[2 * k], kPrinted);
      EXPECT_NEAR(std::stod(key[4]), g.points[2 * k + 1], kPrinted);
    }
  }
  EXPECT_EQ(keys[11][1], "ZY3");
  EXPECT_EQ(keys[13][1], "YZ3");
  double last = 0;
  for (const Fields& key : keys) {
    EXPECT_GE(std::stod(key[2]), last) << key[1];
    last = std::stod(key[2]);
  }
}

// "289.0633" for 289.10916…°: the start azimuth typed as the drawings give it.
std::string Packed(double degrees) {
  const long long seconds = std::llround(degrees * 3600);
  char text[32];
  std::snprintf(text, sizeof text, "%lld.%02lld%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
  return text;
}

std::string Radius(double r) { return r == 0 ? "inf" : std::to_string(r); }

class GoldenElementAt : public ::testing::TestWithParam<testing::GoldenElement> {};

// One element typed as a road from station 0: @at each distance gives the
// independent point and azimuth (a clothoid of 2 km, a ramp turning 3 rad,
// partial spirals, one of R 1000 to 1000.001).
TEST_P(GoldenElementAt, GivesTheIndependentPoint) {
  const testing::GoldenElement& g = GetParam();
  char r2[64];
  std::snprintf(r2, sizeof r2, "%.17g", g.R2);
  std::string script = "@road\nstart 0 " + std::to_string(g.X0) + " " + std::to_string(g.Y0) + " " +
                       Packed(g.azimuth0) + "\nspiral " + std::to_string(g.length) + " " + Radius(g.R1) + " " +
                       (g.R2 == 0 ? std::string("inf") : std::string(r2)) + (g.side > 0 ? " right" : " left") +
                       "\n@end\n";
  for (int i = 0; i < g.count; ++i) script += "@at " + std::to_string(g.points[i].distance) + "\n";
  const auto at = Tagged(Transcript(script), "AT");
  ASSERT_EQ(static_cast<int>(at.size()), g.count) << script;
  for (int i = 0; i < g.count; ++i) {
    SCOPED_TRACE(g.points[i].distance);
    EXPECT_NEAR(std::stod(at[i][3]), g.points[i].X, kPrinted);
    EXPECT_NEAR(std::stod(at[i][4]), g.points[i].Y, kPrinted);
    EXPECT_NEAR(std::remainder(std::stod(at[i][5]) - g.points[i].azimuth, 360.0), 0, 1e-9);
    EXPECT_EQ(at[i][6], "spiral");
  }
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenElementAt, ::testing::ValuesIn(testing::kGoldenElements),
                         [](const auto& info) { return std::string(info.param.name); });

// Any station asked, on the road or not, gets one line; a point found by
// @at comes back to its station and offset by @where.
TEST(RoadCommands, AtThenWhereComesBackAndEveryQuestionGetsOneLine) {
  std::mt19937 random(17);
  std::uniform_real_distribution<double> station(900, 4700), offset(-20, 20);
  std::string script = kAsymmetric;
  std::vector<std::pair<double, double>> asked;
  for (int i = 0; i < 60; ++i) {
    char line[96];
    asked.emplace_back(std::round(station(random) * 1000) / 1000, std::round(offset(random) * 1000) / 1000);
    std::snprintf(line, sizeof line, "@at %.3f %.3f\n", asked.back().first, asked.back().second);
    script += line;
  }
  const auto lines = Transcript(script);
  ASSERT_EQ(lines.size(), asked.size() + 26 * 0);
  std::string back = kAsymmetric;
  std::vector<std::pair<double, double>> placed;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Fields& f = lines[i];
    if (IsMessage(f)) continue;
    ASSERT_EQ(f[0], "AT");
    back += "@where " + f[3] + " " + f[4] + "\n";
    placed.push_back(asked[i]);
  }
  ASSERT_GT(placed.size(), 40u);
  const auto where = Transcript(back);
  ASSERT_EQ(where.size(), placed.size());
  for (std::size_t i = 0; i < where.size(); ++i) {
    ASSERT_EQ(where[i][0], "WHERE") << where[i][0];
    EXPECT_NEAR(std::stod(where[i][3]), placed[i].first, 2e-6);
    EXPECT_NEAR(std::stod(where[i][4]), placed[i].second, 2e-6);
  }
}

// A straight road north from (0, 0) at K1+000 with a 长链 1300 = 1280 (the
// stations 1280 to 1300 twice) and a 短链 1600 = 1650.
const char kChained[] = "@road\nstart 1000 0 0 0\nline 1000\nequation 1300 1280\nequation 1600 1650\n@end\n";

struct ChainRow {
  const char* name;
  const char* ask;
  const char* answer;  // the whole line, or the start of a MESSAGE
};

class ChainedStations : public ::testing::TestWithParam<ChainRow> {};

TEST_P(ChainedStations, AnswerOneLine) {
  const auto lines = Transcript(std::string(kChained) + GetParam().ask + "\n");
  ASSERT_EQ(lines.size(), 1u);
  std::string line;
  for (const std::string& f : lines[0]) line += (line.empty() ? "" : "\t") + f;
  EXPECT_TRUE(line.starts_with(GetParam().answer)) << line;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ChainedStations,
    ::testing::Values(
        ChainRow{"BeforeTheOverlap", "@at 1270", "AT\t1270\t0\t270.000000\t0.000000\t0.000000000\tline"},
        ChainRow{"OverlapUnsaid", "@at K1+290", "MESSAGE 桩号 K1+290 在长链第 1 个断链（断前 K1+300.000 = 断后 K1+280.000）处出现 2 次"},
        ChainRow{"OverlapFirst", "@at K1+290(1) 2.5", "AT\tK1+290(1)\t2.5\t290.000000\t2.500000\t0.000000000\tline"},
        ChainRow{"OverlapSecond", "@at 1290(2) -2.5", "AT\t1290(2)\t-2.5\t310.000000\t-2.500000\t0.000000000\tline"},
        ChainRow{"NoThirdPlace", "@at 1290(3)", "MESSAGE 桩号 1290(3) 在路线上只出现 2 次"},
        // The back station of an equation is its point as well.
        ChainRow{"BackOfTheOverlapIsTwice", "@at 1300", "MESSAGE 桩号 1300 在长链"},
        ChainRow{"EndOfTheOverlap", "@at 1300(2)", "AT\t1300(2)\t0\t320.000000\t0.000000"},
        ChainRow{"BackOfTheGap", "@at 1600", "AT\t1600\t0\t620.000000\t0.000000"},
        ChainRow{"InTheGap", "@at 1620", "MESSAGE 桩号 1620 落在短链第 2 个断链（断前 K1+600.000 = 断后 K1+650.000）"},
        ChainRow{"AheadOfTheGap", "@at 1650", "AT\t1650\t0\t620.000000\t0.000000"},
        ChainRow{"BeforeStart", "@at 999", "MESSAGE 桩号 999 在路线起点 K1+000.000 之前"},
        ChainRow{"AfterEnd", "@at 2030.001", "MESSAGE 桩号 2030.001 在路线终点 K2+030.000 之后"},
        ChainRow{"LastStation", "@at 2030", "AT\t2030\t0\t1000.000000"},
        ChainRow{"WhereInTheOverlapSaysWhich", "@where 310 -3", "WHERE\t310\t-3\t1290.000000(2)\t-3.000000\tline"},
        ChainRow{"WhereFirstPlace", "@where 290 4", "WHERE\t290\t4\t1290.000000(1)\t4.000000\tline"},
        ChainRow{"WhereOnce", "@where 5 1", "WHERE\t5\t1\t1005.000000\t1.000000\tline"},
        ChainRow{"WhereBeforeStart", "@where -10 0", "MESSAGE 点在路线起点之前（沿起点切线在起点前 10.000 m）"},
        ChainRow{"WhereAfterEnd", "@where 1010 0", "MESSAGE 点在路线终点之后（沿终点切线在终点后 10.000 m）"},
        ChainRow{"AtWithoutStation", "@at", "MESSAGE @at 的写法"},
        ChainRow{"AtOffsetNotNumber", "@at 1200 x", "MESSAGE 偏距“x”不是数值"},
        ChainRow{"WhereOneNumber", "@where 5", "MESSAGE @where 的写法"},
        ChainRow{"RoadWithAStrayWord", "@road jobs\nbp 0 0 0\nep 10 10\n@end", "MESSAGE @road 的写法"},
        ChainRow{"CurvesOfAnElementRoad", "@curves", "MESSAGE 这条路线不是按交点法输入的"},
        // The station table names the station as typed, and the equation it falls in.
        ChainRow{"TableFromInTheGap", "@table K1+620 1700 10",
                 "MESSAGE 桩号 K1+620 落在短链第 2 个断链（断前 K1+600.000 = 断后 K1+650.000）"},
        ChainRow{"TableToInTheOverlapUnsaid", "@table 1100 1290 10",
                 "MESSAGE 桩号 1290 在长链第 1 个断链（断前 K1+300.000 = 断后 K1+280.000）处出现 2 次"},
        ChainRow{"TableToAfterEnd", "@table 1100 2031 10", "MESSAGE 桩号 2031 在路线终点 K2+030.000 之后"},
        ChainRow{"ExportTableInTheGap", "@export table csv t.csv 1620 1700 10", "MESSAGE 桩号 1620 落在短链"}),
    testing::RowName<ChainRow>);

TEST(RoadCommands, CommaLocaleReadsTheUsersDecimalAndAnswersWithDots) {
  const NumberSymbols comma{.decimal = ","};
  const auto lines = Transcript(std::string(kChained) + "@at 1270,5 1,25\n", comma);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], (Fields{"AT", "1270,5", "1,25", "270.500000", "1.250000", "0.000000000", "line"}));
}

TEST(RoadCommands, BadBlockKeepsTheRoadBefore) {
  const std::string ask = "@keypoints\n@at 1500\n";
  const auto before = Transcript(std::string(kAsymmetric) + ask);
  const auto after = Transcript(std::string(kAsymmetric) +
                                "@road\nbp 0 0 0\njd 10 10 -5 0\nep 20 0\n@end\n"
                                "@road\nbp 0 0 0\njd 1000 0 300 0\njd 1100 100 300 0\nep 1100 2000\n@end\n" + ask);
  ASSERT_EQ(after.size(), before.size() + 2);
  EXPECT_EQ(after[0][0], "MESSAGE 路线第 2 行“jd 10 10 -5 0”：R“-5”须大于 0。");
  EXPECT_EQ(after[1][0],
            "MESSAGE 路线第 3 行“jd 1100 100 300 0”：JD1 与 JD2 的切线长之和 248.528 m 大于两交点间距 141.421 m，曲线重叠。");
  EXPECT_EQ(std::vector<Fields>(after.begin() + 2, after.end()), before);
}

TEST(RoadCommands, JobRoadNeedsAStartAndThenCarriesTheCaps) {
  const std::string start = "@start\n1000\n1000\n2000\n45\n150\n100\n1050\n60\n1\n";
  auto lines = Transcript("@road job\n@at 1000\n");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(lines[0][0].starts_with("MESSAGE 还没有作业")) << lines[0][0];
  EXPECT_TRUE(lines[1][0].starts_with("MESSAGE 还没有路线")) << lines[1][0];
  // With a road of its own set, @road job goes back to the Start job's: ZH at (1000, 2000).
  lines = Tagged(Transcript(start + kChained + "@road job\n@at 1000\n@at 1050\n@at 1100\n@at 990\n"), "AT");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], (Fields{"AT", "1000", "0", "1000.000000", "2000.000000", "45.000000000", "spiral"}));
  EXPECT_EQ(lines[1][6], "spiral");
  EXPECT_EQ(lines[2][6], "arc");
  EXPECT_EQ(lines[3][6], "line");
}

}  // namespace
}  // namespace capset
