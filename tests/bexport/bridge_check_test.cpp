// The as-built check against the bents of the job's bridges, end to end
// through the dialogue target: piles measured with known deviations come
// back against their own design point, named by their bridge and bent as
// one word; a point far from everything is far; heights are checked
// against each point's own design height; and a bent's pile wins over a
// cap of the log whose axis runs nearer.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>

#include "dialogue_replay.h"
#include "table.h"
#include "transcript.h"

namespace capset::testing {
namespace {

constexpr char kRoad[] = "@road\nstart 1000 3355206.736 505412.824 61.5\nline 150\narc 350 250 right\n@end\n";
constexpr char kProfile[] = "@profile\npvi 1000 100\npvi 1250 105 2000\npvi 1450 103\n@end\n";
constexpr char kPier[] = "@template pier\ngrid Z 2 3 3 2.5\ncorners T 8 5 1.5\npoint S1 -2 0.5 0.3\n@end\n";

Transcript Play(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay target(lines, out, {});
  PlayScript(lines, target, out);
  return ReadTranscript(out.str());
}

std::vector<std::vector<std::string>> Tagged(const Transcript& t, const std::string& tag) {
  std::vector<std::vector<std::string>> out;
  for (const std::string& e : t.events)
    if (e.starts_with(tag + "\t")) out.push_back(TabFields(e.substr(tag.size() + 1)));
  return out;
}

std::string Fixed(double v) {
  std::ostringstream s;
  s.precision(6);
  s << std::fixed << v;
  return s.str();
}

struct BentRow {
  const char* name;
  std::string bent;  // the bent line
  std::string word;  // its bridge and bent as the CHECK line names them
};

class PilesMeasured : public ::testing::TestWithParam<BentRow> {
 protected:
  // The bridge's own points, as @bridgepoints prints them.
  std::vector<std::vector<std::string>> Design(const std::string& job) {
    return Tagged(Play(job + "@bridgepoints\n"), "SP");
  }
  std::string Job() const {
    return std::string(kRoad) + kProfile + kPier + "@bridge B1\n" + GetParam().bent + "\n@end\n";
  }
};

// Every point of the bent measured 10 mm north and 20 mm west of its
// design: each comes back against itself with exactly that deviation, over
// the 10 mm tolerance and within 30 mm.
TEST_P(PilesMeasured, EachComesBackAgainstItsOwnPointWithItsDeviation) {
  const auto design = Design(Job());
  ASSERT_EQ(design.size(), 14u);
  for (const char* tolerance : {"0.01", "0.03"}) {
    std::string script = Job() + "@check\ntolerance " + tolerance + "\n";
    for (const auto& p : design) {
      script += "point " + p[2] + " " + Fixed(std::stod(p[3]) + 0.010) + " " + Fixed(std::stod(p[4]) - 0.020) + "\n";
    }
    const Transcript t = Play(script + "@end\n");
    const auto checks = Tagged(t, "CHECK");
    ASSERT_EQ(checks.size(), design.size()) << ::testing::PrintToString(t.Reports());
    for (std::size_t i = 0; i < checks.size(); ++i) {
      const auto& c = checks[i];  // name station offset row along across nearest dX dY distance verdict
      ASSERT_EQ(c.size(), 11u);
      EXPECT_EQ(c[3], GetParam().word);
      EXPECT_EQ(c[6], design[i][2]) << "nearest of " << c[0];
      EXPECT_NEAR(std::stod(c[7]), 0.010, 2e-6) << c[0];
      EXPECT_NEAR(std::stod(c[8]), -0.020, 2e-6) << c[0];
      EXPECT_NEAR(std::stod(c[9]), std::hypot(0.01, 0.02), 2e-6) << c[0];
      EXPECT_EQ(c[10], std::string(tolerance) == "0.01" ? "over" : "ok") << c[0];
    }
  }
}

// Heights: each point against its own design height, the 15 mm too high
// over the 10 mm tolerance and the 5 mm too low within it.
TEST_P(PilesMeasured, HeightsAgainstEachPointsOwnDesignHeight) {
  const auto design = Design(Job());
  ASSERT_EQ(design.size(), 14u);
  ASSERT_EQ(design[0].size(), 8u) << "with a profile every point has its H";
  std::string script = Job() + "@check\n";
  for (std::size_t i = 0; i < design.size(); ++i) {
    const double dH = i % 2 ? -0.005 : 0.015;
    script += "point " + design[i][2] + " " + design[i][3] + " " + design[i][4] + " " +
              Fixed(std::stod(design[i][7]) + dH) + "\n";
  }
  const auto checks = Tagged(Play(script + "@end\n"), "CHECK");
  ASSERT_EQ(checks.size(), design.size());
  for (std::size_t i = 0; i < checks.size(); ++i) {
    ASSERT_EQ(checks[i].size(), 13u);
    EXPECT_EQ(checks[i][6], design[i][2]);
    EXPECT_NEAR(std::stod(checks[i][11]), i % 2 ? -0.005 : 0.015, 2e-6) << checks[i][0];
    EXPECT_EQ(checks[i][12], i % 2 ? "ok" : "over") << checks[i][0];
  }
}

// A pile far off its bent, and any point far from every bent, is near none.
TEST_P(PilesMeasured, APileFarOffIsFar) {
  const auto design = Design(Job());
  const auto& z1 = design[3];
  ASSERT_EQ(z1[2], "Z1");
  const Transcript t = Play(Job() + "@check\npoint Z1 " + Fixed(std::stod(z1[3]) + 40) + " " +
                            Fixed(std::stod(z1[4]) + 30) + "\n@end\n");
  const auto checks = Tagged(t, "CHECK");
  ASSERT_EQ(checks.size(), 1u);
  EXPECT_EQ(checks[0][3], "-");
  EXPECT_EQ(checks[0][6], "-");
  EXPECT_EQ(checks[0][10], "far");
  EXPECT_TRUE(t.Events("NOTICE").empty()) << "a bridge is something to check against";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PilesMeasured,
    ::testing::Values(BentRow{"SquareOnTheStraight", "bent 3 K1+100 dr 6 template pier", "B1/3"},
                      BentRow{"SkewOnTheArc", "bent P.7 K1+260 skew 70.3 dr 6 7.5 depth 1.4 template pier", "B1/P.7"},
                      BentRow{"ParallelAcrossTheJoint",
                              "bent 12 K1+152 skew 80 axis parallel K1+140 dr 6.5 template pier", "B1/12"}),
    RowName<BentRow>);

// A cap of the log at the bent's station, solved without the template: a
// pile 1.25 m off the axis is the bent's, and the cap's centre, which both
// have, stays the log's (the log comes first among equals).
TEST(BridgeCheck, ABentsPileIsItsOwnBesideACapOfTheLog) {
  const std::string job = std::string(kRoad) + kPier + "@bridge B1\nbent 3 K1+100 dr 6 template pier\n@end\n" +
                          "@batch\naxis own\nskew 90\ndr 6\nstation 3# K1+100\n@end\n";
  const auto design = Tagged(Play(job + "@bridgepoints\n"), "SP");
  ASSERT_EQ(design[3][2], "Z1");
  const auto checks = Tagged(Play(job + "@check\npoint P " + design[3][3] + " " + design[3][4] + "\npoint Q " +
                                  design[0][3] + " " + design[0][4] + "\n@end\n"),
                             "CHECK");
  ASSERT_EQ(checks.size(), 2u);
  EXPECT_EQ(checks[0][3], "B1/3");
  EXPECT_EQ(checks[0][6], "Z1");
  EXPECT_LT(std::stod(checks[0][9]), 2e-6) << "the points printed to 6 decimals";
  EXPECT_EQ(checks[1][3], "1");
  EXPECT_EQ(checks[1][6], "C");
}

// A column on its pile stand at one place in plan: a point measured there
// with its height is the one whose design height is nearer; without a
// height, the first of them.
TEST(BridgeCheck, PointsAtOnePlaceAreToldApartByHeight) {
  const std::string job = std::string(kRoad) + kProfile +
                          "@template col\npoint C1 2 0 1.0\npoint Z1 2 0 3.0\n@end\n"
                          "@bridge B1\nbent 3 K1+100 template col\n@end\n";
  const auto design = Tagged(Play(job + "@bridgepoints\n"), "SP");
  ASSERT_EQ(design.size(), 3u);
  ASSERT_EQ(design[2][2], "Z1");
  const std::string at = design[1][3] + " " + design[1][4];
  const auto checks = Tagged(Play(job + "@check\npoint top " + at + " " + Fixed(std::stod(design[1][7]) - 0.004) +
                                  "\npoint pile " + at + " " + Fixed(std::stod(design[2][7]) + 0.004) +
                                  "\npoint plan " + at + "\n@end\n"),
                             "CHECK");
  ASSERT_EQ(checks.size(), 3u);
  EXPECT_EQ(checks[0][6], "C1");
  EXPECT_NEAR(std::stod(checks[0][11]), -0.004, 2e-6);
  EXPECT_EQ(checks[1][6], "Z1");
  EXPECT_NEAR(std::stod(checks[1][11]), 0.004, 2e-6);
  EXPECT_EQ(checks[1][12], "ok");
  EXPECT_EQ(checks[2][6], "C1");
}

// Property: a point set anywhere within half the tolerance of any design
// point of a bridge of several bents is that point's, and ok. (The
// abutments' edges are 0.5 m inside their front lines' ends, so that no two
// design points coincide.)
TEST(BridgeCheck, AnyPointNearAnyDesignPointIsThatPoint) {
  const std::string job = std::string(kRoad) + kPier +
                          "@bridge B1\nbent 0 K1+040 dr 5.5 template abutment-start\n"
                          "bent 1 K1+070 skew 75 dr 6 7 template pier\nbent 2 K1+100 skew 80 dr 6 template pier\n"
                          "bent 3 K1+130 skew 85 dr 6 template pier\nbent 4 K1+160 dr 5.5 template abutment-end\n@end\n";
  const auto design = Tagged(Play(job + "@bridgepoints\n"), "SP");
  ASSERT_EQ(design.size(), 7u * 2 + 14 * 3);
  std::mt19937 random(26);
  std::uniform_real_distribution<double> angle(0, 2 * 3.141592653589793), radius(0, 0.005);
  std::string script = job + "@check\n";
  std::vector<std::pair<double, double>> offsets;
  for (const auto& p : design) {
    const double a = angle(random), r = radius(random);
    offsets.emplace_back(r * std::cos(a), r * std::sin(a));
    script += "point " + p[1] + "-" + p[2] + " " + Fixed(std::stod(p[3]) + offsets.back().first) + " " +
              Fixed(std::stod(p[4]) + offsets.back().second) + "\n";
  }
  const auto checks = Tagged(Play(script + "@end\n"), "CHECK");
  ASSERT_EQ(checks.size(), design.size());
  for (std::size_t i = 0; i < checks.size(); ++i) {
    EXPECT_EQ(checks[i][3], "B1/" + design[i][1]) << checks[i][0];
    EXPECT_EQ(checks[i][6], design[i][2]) << checks[i][0];
    EXPECT_EQ(checks[i][10], "ok") << checks[i][0];
    EXPECT_NEAR(std::stod(checks[i][7]), offsets[i].first, 2e-6) << checks[i][0];
  }
}

}  // namespace
}  // namespace capset::testing
