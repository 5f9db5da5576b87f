// The bridge's commands end to end through the dialogue target: templates
// and bridges typed as blocks, every point printed with its station, offset
// and height against closed forms on a straight, the exact batch's cap
// beside the bridge's, and the blocks that are refused, each leaving the
// bridge as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>

#include "dialogue_run.h"
#include "table.h"

namespace capset::testing {
namespace {

// The lines of one tag ("SP", "PT", "TEMPLATE"), split into fields after the tag.
std::vector<std::vector<std::string>> Tagged(const Transcript& t, const std::string& tag) {
  std::vector<std::vector<std::string>> out;
  for (const std::string& e : t.events)
    if (e.starts_with(tag + "\t")) out.push_back(TabFields(e.substr(tag.size() + 1)));
  return out;
}

// A straight due 30° from K1+000 at (3000000, 500000), 500 m long.
constexpr char kStraight[] = "@road\nstart 1000 3000000 500000 30\nline 500\n@end\n";
constexpr double kAzimuth = 30 * std::numbers::pi / 180;

// Plays `script` with a profile set first: stations as distances until the
// script's road comes, then on it. `profile` empty: no profile.
Transcript Play(const std::string& script, const std::optional<ProfileInput>& profile = std::nullopt) {
  std::istringstream in(script);
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay target(lines, out, {}, FixedClock());
  if (profile) {
    EXPECT_FALSE(target.Session().SetProfile(*profile).has_value());
  }
  PlayScript(lines, target, out);
  return ReadTranscript(out.str());
}

// On the straight, a point u along and v across an axis at B from the
// tangent, about the centre at distance d: its place, its foot's distance
// and its offset, in closed form.
struct Expected {
  double X, Y, distance, offset;
};
Expected OnTheStraight(double d, double B, double u, double v) {
  const double psi = kAzimuth + B * std::numbers::pi / 180;
  const double X = 3000000 + d * std::cos(kAzimuth) + u * std::cos(psi) + v * std::sin(psi);
  const double Y = 500000 + d * std::sin(kAzimuth) + u * std::sin(psi) - v * std::cos(psi);
  const double dX = X - 3000000, dY = Y - 500000;
  return {X, Y, dX * std::cos(kAzimuth) + dY * std::sin(kAzimuth), -dX * std::sin(kAzimuth) + dY * std::cos(kAzimuth)};
}

TEST(BridgeScript, PrintsEveryPointOfASkewedBentInTheTemplatesOrder) {
  const Transcript t = Play(std::string(kStraight) +
                            "@template pier\ngrid Z 2 3 3 2.5\ncorners T 8 5 1.5\npoint S1 -2 0.5\n@end\n"
                            "@bridge B1\nbent 3 1100 skew 60 dr 6 7 depth 1.2 template pier\n@end\n@bridgepoints\n");
  EXPECT_TRUE(t.Reports().empty()) << ::testing::PrintToString(t.Reports());
  const auto sp = Tagged(t, "SP");
  struct Point {
    const char* name;
    double u, v;
  };
  const Point order[] = {{"Z1", -3, -1.25}, {"Z2", 0, -1.25}, {"Z3", 3, -1.25}, {"Z4", -3, 1.25}, {"Z5", 0, 1.25},
                         {"Z6", 3, 1.25},   {"T1", -4, -2.5},  {"T2", 4, -2.5},  {"T3", 4, 2.5},   {"T4", -4, 2.5},
                         {"S1", -2, 0.5}};
  // C, L, R, then the template's.
  ASSERT_EQ(sp.size(), 3u + std::size(order));
  const double sinB = std::sin(60 * std::numbers::pi / 180);
  const Point own[] = {{"C", 0, 0}, {"L", -6 / sinB, 0}, {"R", 7 / sinB, 0}};
  for (std::size_t i = 0; i < sp.size(); ++i) {
    const Point& p = i < 3 ? own[i] : order[i - 3];
    const Expected e = OnTheStraight(100, 60, p.u, p.v);
    ASSERT_EQ(sp[i].size(), 7u) << "no profile: no H";
    EXPECT_EQ(sp[i][0], "B1");
    EXPECT_EQ(sp[i][1], "3");
    EXPECT_EQ(sp[i][2], p.name);
    EXPECT_NEAR(std::stod(sp[i][3]), e.X, 1.5e-6) << p.name;
    EXPECT_NEAR(std::stod(sp[i][4]), e.Y, 1.5e-6) << p.name;
    EXPECT_NEAR(std::stod(sp[i][5]), 1000 + e.distance, 1.5e-6) << p.name;
    EXPECT_NEAR(std::stod(sp[i][6]), e.offset, 1.5e-6) << p.name;
  }
}

// With a profile of a 2 % grade from K1+000 (H 100) to K1+500 and the
// normal crown of 2 %, every point's H is the deck at its own foot minus
// its depth: a skewed bent's piles stand at heights of their own.
TEST(BridgeScript, GivesEachPointTheDeckAtItsOwnFootLessItsDepth) {
  const ProfileInput profile{{{{1000}, 100}, {{1500}, 110}}};
  const Transcript t = Play(std::string(kStraight) +
                                "@template pier\ngrid Z 1 2 6 0\npoint P1 0 -3 4.5\n@end\n"
                                "@bridge B1\nbent 1 1200 skew 45 depth 1.8 template pier\n"
                                "bent 0 1002 template abutment-start\n@end\n@bridgepoints\n",
                            profile);
  EXPECT_TRUE(t.Reports().empty()) << ::testing::PrintToString(t.Reports());
  const auto sp = Tagged(t, "SP");
  struct Point {
    const char* bent;
    const char* name;
    double d, B, u, v, depth;
  };
  const Point points[] = {{"1", "C", 200, 45, 0, 0, 1.8},    {"1", "Z1", 200, 45, -3, 0, 1.8},
                          {"1", "Z2", 200, 45, 3, 0, 1.8},   {"1", "P1", 200, 45, 0, -3, 4.5},
                          {"0", "C", 2, 90, 0, 0, 0},        {"0", "F1", 2, 90, -6, 0, 0},
                          {"0", "F2", 2, 90, 6, 0, 0}};
  ASSERT_EQ(sp.size(), std::size(points) + 2);
  for (std::size_t i = 0; i < std::size(points); ++i) {
    const Point& p = points[i];
    const Expected e = OnTheStraight(p.d, p.B, p.u, p.v);
    ASSERT_EQ(sp[i].size(), 8u);
    EXPECT_EQ(sp[i][1], p.bent);
    EXPECT_EQ(sp[i][2], p.name);
    const double H = 100 + 0.02 * e.distance - 0.02 * std::fabs(e.offset) - p.depth;
    EXPECT_NEAR(std::stod(sp[i][7]), H, 1.5e-6) << p.bent << "-" << p.name;
  }
  // The abutment's wing ends lie 4 m behind it, before the road and its
  // profile begin: no station, no offset, no height.
  for (std::size_t i = std::size(points); i < sp.size(); ++i) {
    EXPECT_EQ(sp[i][2][0], 'W');
    EXPECT_EQ(sp[i][5], "-");
    EXPECT_EQ(sp[i][6], "-");
    EXPECT_EQ(sp[i][7], "-");
  }
}

// The bridge's centre and edges are the exact batch's: the same bents as a
// batch and as a bridge print the same numbers.
TEST(BridgeScript, StandsWhereTheExactBatchPutsTheCap) {
  const std::string jd = "@road\nbp 1000 3355206.736 505412.824\njd 3355406.736 505812.824 220 60 45\n"
                         "jd 3355306.736 506212.824 300 70\nep 3355606.736 506512.824\n@end\n";
  const Transcript t = Play(jd +
                            "@batch\nmethod exact\naxis parallel\ndr 6.25 9.5\nskew 70.3015\ndesign 1330\n"
                            "station 1 1290\nstation 2 1330\nstation 3 1371.5\n@end\n@points\n"
                            "@bridge B\nbent 1 1290 skew 70.3015 axis parallel 1330 dr 6.25 9.5\n"
                            "bent 2 1330 skew 70.3015 axis parallel 1330 dr 6.25 9.5\n"
                            "bent 3 1371.5 skew 70.3015 axis parallel 1330 dr 6.25 9.5 template two-columns\n"
                            "@end\n@bridgepoints\n");
  const auto pt = Tagged(t, "PT"), sp = Tagged(t, "SP");
  ASSERT_EQ(pt.size(), 9u) << ::testing::PrintToString(t.Reports());
  ASSERT_EQ(sp.size(), 9u + 4u);
  for (std::size_t i = 0; i < pt.size(); ++i) {
    EXPECT_EQ(pt[i][1], sp[i][2]);                           // C, L, R
    EXPECT_EQ(std::vector(pt[i].begin() + 2, pt[i].end()),   // X, Y, station, offset
              std::vector(sp[i].begin() + 3, sp[i].end()));
  }
}

TEST(BridgeScript, ABlockForABridgeThatExistsReplacesItsBents) {
  const Transcript t = Play(std::string(kStraight) +
                            "@bridge B1\nbent 1 1100\nbent 2 1130\n@end\n"
                            "@bridge B2\nbent 1 1300\n@end\n"
                            "@bridge B1\nbent 7 1200 template two-columns\n@end\n@bridgepoints\n@bridgepoints B2\n");
  const auto sp = Tagged(t, "SP");
  std::vector<std::string> names;
  for (const auto& f : sp) names.push_back(f[0] + " " + f[1] + "-" + f[2]);
  EXPECT_EQ(names, (std::vector<std::string>{"B1 7-C", "B1 7-C1", "B1 7-C2", "B1 7-Z1", "B1 7-Z2", "B2 1-C",
                                             "B2 1-C"}));
}

// A ready template copied and edited: what is given again replaces the
// copy's item where it stands; what is new comes after.
TEST(BridgeScript, ACopyIsEditedByGivingAgainWhatDiffers) {
  const Transcript t =
      Play("@template mine\ncopy two-columns\npoint C2 3.5 0\npoint C1 -3.5 0\npoint S1 0 0.8 1.6\n@end\n@templates\n");
  EXPECT_TRUE(t.Reports().empty()) << ::testing::PrintToString(t.Reports());
  std::vector<std::string> mine;
  for (const auto& f : Tagged(t, "TEMPLATE"))
    if (f[0] == "mine") mine.push_back(f[1] + " " + f[2] + " " + f[3] + " " + f[4]);
  EXPECT_EQ(mine, (std::vector<std::string>{"C1 -3.500000 0.000000 -", "C2 3.500000 0.000000 -",
                                            "Z1 -3.250000 0.000000 -", "Z2 3.250000 0.000000 -",
                                            "S1 0.000000 0.800000 1.600000"}));
}

// A bridge may be typed before its road: it is checked against the road
// its points are asked on.
TEST(BridgeScript, WaitsForARoad) {
  const Transcript t = Play("@bridge B1\nbent 1 1100 dr 5\n@end\n@bridgepoints\n" + std::string(kStraight) +
                            "@bridgepoints\n@road\nstart 2000 3000000 500000 30\nline 500\n@end\n@bridgepoints\n");
  const auto reports = t.Reports();
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_TRUE(reports[0].starts_with("MESSAGE 还没有路线")) << reports[0];
  EXPECT_EQ(reports[1], "MESSAGE 桥“B1”墩台 1：未计算：桩号 K1+100.000 在路线起点 K2+000.000 之前。")
      << reports[1];
  EXPECT_EQ(Tagged(t, "SP").size(), 3u);
}

TEST(BridgeScript, SaysWhichEdgeTheAxisCannotMeet) {
  const Transcript t = Play(
      "@road\nstart 1000 3000000 500000 30\nline 100\narc 200 40 right\n@end\n"
      "@bridge B1\nbent 1 1150 dr 6 45 template two-columns\n@end\n@bridgepoints\n");
  const auto reports = t.Reports();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_TRUE(reports[0].starts_with("NOTICE 桥“B1”墩台 1：右侧未求得：")) << reports[0];
  std::vector<std::string> names;
  for (const auto& f : Tagged(t, "SP")) names.push_back(f[2]);
  EXPECT_EQ(names, (std::vector<std::string>{"C", "L", "C1", "C2", "Z1", "Z2"}));
}

TEST(BridgeScript, NamesNoBridgeItDoesNotHave) {
  const Transcript t = Play(std::string(kStraight) + "@bridgepoints\n@bridge B1\nbent 1 1100\n@end\n@bridgepoints B9\n");
  EXPECT_EQ(t.Reports(), (std::vector<std::string>{"NOTICE 还没有桥：请先输入桥的墩台（@bridge）。",
                                                   "MESSAGE 没有名为“B9”的桥。"}));
}

}  // namespace
}  // namespace capset::testing
