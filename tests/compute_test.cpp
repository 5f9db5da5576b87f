// Compute: which solver each job selects, and how the solvers meet bad
// answers, Cancel, faults and sides they cannot solve.
#include <gtest/gtest.h>

#include <string>

#include "cap_solvers.h"
#include "scripted_seam.h"

namespace capset::testing {
namespace {

TEST(Dispatch, FirstRowThatHoldsWins) {
  const struct {
    const char* name;
    double KZH, KHZ;
    int16_t P;
    double B;
    SolverChoice expected;
  } cases[] = {
      {"before any Start", 0, 0, 0, 0, SolverChoice::kNone},
      {"ZH, right, skewed", 1200, 0, 3, 45, SolverChoice::kCmd1},
      {"ZH, left, skewed", 1200, 0, -1, 45, SolverChoice::kCmd2},
      {"ZH, square, P ignored", 1200, 0, -1, 90, SolverChoice::kCmd5},
      {"ZH, square, P 0", 1200, 0, 0, 90, SolverChoice::kCmd5},
      {"HZ, right, skewed", 0, 5000, 1, 60, SolverChoice::kCmd3},
      {"HZ, left, skewed", 0, 5000, -2, 60, SolverChoice::kCmd4},
      {"HZ, square: no solver", 0, 5000, 1, 90, SolverChoice::kNone},
      {"ZH, P 0, skewed", 1200, 0, 0, 45, SolverChoice::kNone},
      {"both stations 0", 0, 0, 1, 45, SolverChoice::kNone},
      {"stale KHZ loses to KZH", 1200, 5000, 1, 45, SolverChoice::kCmd1},
      {"tiny KZH counts as given", 1e-9, 0, 1, 90, SolverChoice::kCmd5},
      {"B a hair off 90 is skewed", 1200, 0, 1, 90.000277777777, SolverChoice::kCmd1},
  };
  for (const auto& c : cases) {
    CapJob job;
    job.KZH = c.KZH;
    job.KHZ = c.KHZ;
    job.P = c.P;
    job.B = c.B;
    EXPECT_EQ(ChooseSolver(job), c.expected) << c.name;
  }
}

TEST(Dispatch, NoSolverMeansNothingHappens) {
  ScriptedSession s("@compute\n");
  s.Play();
  EXPECT_EQ(s.events, std::vector<std::string>{"SOLVER none"});
  for (const auto& box : s.boxes) EXPECT_EQ(box, "");
}

const std::string kSquareStart = "@start\n12000\n1000\n2000\n45\n0\n200\n12050\n90\n1\n";
const std::string kSkewStart = "@start\n1000\n1000\n2000\n45\n0\n100\n1050\n60\n1\n";
const std::string kHZStart = "@start\n0\n12500\n1000\n2000\n225\n0\n200\n12450\n60\n1\n";

TEST(SquareCap, RefusesJobsItWouldPlaceWrongly) {
  const struct {
    const char* name;
    std::string start;
    const char* because;
  } cases[] = {
      {"Kj before ZH", "@start\n12000\n1000\n2000\n45\n0\n200\n11950\n90\n1\n", "Kj 小于直缓点桩号"},
      {"P = 0", "@start\n12000\n1000\n2000\n45\n0\n200\n12050\n90\n0\n", "P = 0"},
  };
  for (const auto& c : cases) {
    ScriptedSession s(c.start + "@compute\n6\n0.001\n");
    s.Play();
    ASSERT_EQ(s.Events("MESSAGE").size(), 1u) << c.name;
    EXPECT_NE(s.Events("MESSAGE")[0].find(c.because), std::string::npos) << c.name;
    EXPECT_EQ(s.Events("PROMPT").size(), 9u) << c.name << ": no solver prompt";
    EXPECT_EQ(s.boxes[13], "") << c.name;
  }
}

TEST(SquareCap, CentreAtZHIsTheOriginPoint) {
  ScriptedSession s("@start\n12000\n1000\n2000\n45\n0\n200\n12000\n90\n1\n@compute\n6\n0.001\n");
  s.Play();
  EXPECT_TRUE(s.Events("MESSAGE").empty());
  EXPECT_EQ(s.boxes[23], "1000");
  EXPECT_EQ(s.boxes[24], "2000");
  EXPECT_EQ(s.boxes[13], "K 12+ 0");
}

// A run that stops half-way leaves the previous complete result.
TEST(Solvers, StoppedRunChangesNoResultBox) {
  const struct {
    const char* name;
    std::string first, second;
  } cases[] = {
      {"Cancel at the square cap's precision", kSquareStart + "@compute\n6\n0.001\n", "@compute\n8\n@cancel\n"},
      {"Cancel at the skewed cap's DR", kSkewStart + "@compute\n1050\n7.5\n0.0001\n", "@compute\n1060\n@cancel\n"},
      {"overflow in the series", kSkewStart + "@compute\n1050\n7.5\n0.0001\n", "@compute\n1e30\n7.5\n0.0001\n"},
      {"Cancel at the HZ cap's Kp", kHZStart + "@compute\n12450\n6\n0.001\n", "@compute\n@cancel\n"},
  };
  for (const auto& c : cases) {
    ScriptedSession before(c.first);
    before.Play();
    ScriptedSession after(c.first + c.second);
    after.Play();
    EXPECT_EQ(after.boxes, before.boxes) << c.name;
  }
  ScriptedSession kept(kSquareStart + "@compute\n6\n0.001\n@compute\n8\n@cancel\n");
  kept.Play();
  EXPECT_EQ(kept.job.DR, 8.0f) << "answers given before the Cancel keep their values";
}

TEST(Solvers, ArithmeticFaultIsReportedByKind) {
  ScriptedSession s(kSkewStart + "@compute\n1e30\n7.5\n0.0001\n");
  s.Play();
  ASSERT_EQ(s.Events("MESSAGE").size(), 1u);
  EXPECT_NE(s.Events("MESSAGE")[0].find("溢出"), std::string::npos) << s.Events("MESSAGE")[0];
  for (int box = 10; box <= 25; ++box) EXPECT_EQ(s.boxes[box].find("inf"), std::string::npos);
}

TEST(Solvers, BadAnswersAreRefusedAtTheirPrompt) {
  const struct {
    const char* name;
    std::string script;
    const char* because;
    size_t prompts;  // all prompts shown, the refused one twice
  } cases[] = {
      {"square cap DR not a number", kSquareStart + "@compute\nsix\n6\n0.001\n", "类型不匹配", 12},
      {"square cap DR beyond a float", kSquareStart + "@compute\n1e39\n6\n0.001\n", "溢出", 12},
      {"skewed DR = 0", kSkewStart + "@compute\n1050\n0\n7.5\n0.0001\n", "DR 不能为 0", 13},
      {"skewed DR that rounds to a float 0", kSkewStart + "@compute\n1050\n1e-50\n7.5\n0.0001\n", "DR 不能为 0", 13},
      {"skewed precision 0", kSkewStart + "@compute\n1050\n7.5\n0\n0.0001\n", "精度须大于 0", 13},
      {"skewed precision below 0", kSkewStart + "@compute\n1050\n7.5\n-0.001\n0.0001\n", "精度须大于 0", 13},
      {"ZH cap centre before ZH", kSkewStart + "@compute\n999.99\n1050\n7.5\n0.0001\n", "Kp 小于直缓点桩号", 13},
      {"HZ cap centre after HZ", kHZStart + "@compute\n12500.01\n12450\n6\n0.001\n", "Kp 大于缓直点桩号", 14},
  };
  for (const auto& c : cases) {
    ScriptedSession s(c.script);
    s.Play();
    ASSERT_EQ(s.Events("MESSAGE").size(), 1u) << c.name;
    EXPECT_NE(s.Events("MESSAGE")[0].find(c.because), std::string::npos) << c.name << ": " << s.Events("MESSAGE")[0];
    EXPECT_EQ(s.Events("PROMPT").size(), c.prompts) << c.name;
    EXPECT_NE(s.boxes[13], "") << c.name << ": the run went on to its end";
  }
}

TEST(SkewedCap, JobsWithoutAnEdgeCrossingAreRefusedBeforeAnyPrompt) {
  const struct {
    const char* name;
    std::string start;
    const char* because;
  } cases[] = {
      {"B = 0 on the ZH spiral", "@start\n1000\n1000\n2000\n45\n0\n100\n1050\n0\n1\n", "B 为 0 或 180"},
      {"B = 180 on the ZH spiral", "@start\n1000\n1000\n2000\n45\n0\n100\n1050\n180\n-1\n", "B 为 0 或 180"},
      {"B = 180 on the HZ spiral", "@start\n0\n12500\n1000\n2000\n225\n0\n200\n12450\n180\n1\n", "B 为 0 或 180"},
      {"A1 = 0 on the ZH spiral", "@start\n1000\n1000\n2000\n45\n0\n0\n1050\n60\n1\n", "A1 为 0"},
      {"A1 = 0 on the HZ spiral", "@start\n0\n12500\n1000\n2000\n225\n0\n0\n12450\n60\n-1\n", "A1 为 0"},
  };
  for (const auto& c : cases) {
    ScriptedSession s(c.start + "@compute\n");
    s.Play();
    ASSERT_EQ(s.Events("MESSAGE").size(), 1u) << c.name;
    EXPECT_NE(s.Events("MESSAGE")[0].find(c.because), std::string::npos) << c.name;
    EXPECT_EQ(s.Events("PROMPT").back().find("Kp"), std::string::npos) << c.name << ": no solver prompt";
    for (int box : {10, 13, 14, 23, 25}) EXPECT_EQ(s.boxes[box], "") << c.name;
  }
}

// A side that is not solved is emptied, never left showing another cap's
// numbers, and one notice after the run says which side and why.
TEST(SkewedCap, UnsolvedSideIsEmptiedAndExplained) {
  const struct {
    const char* name;
    std::string job;
    const char* side;
    const char* because;
  } cases[] = {
      {"inner start before ZH", "@start\n1000\n1000\n2000\n45\n0\n100\n1050\n120\n1\n@compute\n1003\n7.5\n0.0001\n",
       "内侧", "ZH 之前"},
      {"outer start before ZH, Cmd1", kSkewStart + "@compute\n1003\n7.5\n0.0001\n", "外侧", "ZH 之前"},
      {"outer start before ZH, Cmd2", "@start\n1000\n1000\n2000\n45\n0\n100\n1050\n120\n-1\n@compute\n1003\n7.5\n0.0001\n",
       "外侧", "ZH 之前"},
      {"inner start after HZ, Cmd3", kHZStart + "@compute\n12497\n6\n0.001\n", "内侧", "HZ 之后"},
      {"outer start after HZ, Cmd3", "@start\n0\n12500\n1000\n2000\n225\n0\n200\n12450\n120\n1\n@compute\n12497\n6\n0.001\n",
       "外侧", "HZ 之后"},
      {"outer start after HZ, Cmd4", "@start\n0\n12500\n1000\n2000\n225\n0\n200\n12450\n60\n-1\n@compute\n12497\n6\n0.001\n",
       "外侧", "HZ 之后"},
      {"strong skew runs away", "@start\n1000\n1000\n2000\n45\n0\n100\n1050\n15\n1\n@compute\n1050\n7.5\n0.0001\n",
       "内侧", "发散"},
      {"near-parallel the other way", "@start\n1000\n1000\n2000\n45\n0\n100\n1050\n170\n1\n@compute\n1050\n7.5\n0.0001\n",
       "内侧", "发散"},
      {"precision beyond the arithmetic", kSkewStart + "@compute\n1050\n7.5\n1e-40\n", "外侧", "1000 次"},
  };
  for (const auto& c : cases) {
    ScriptedSession before(kSkewStart + "@compute\n1050\n7.5\n0.0001\n");
    before.Play();
    ScriptedSession s(kSkewStart + "@compute\n1050\n7.5\n0.0001\n" + c.job);
    s.Play();
    const auto messages = s.Events("MESSAGE");
    ASSERT_EQ(messages.size(), 1u) << c.name;
    EXPECT_NE(messages[0].find(std::string(c.side) + "未"), std::string::npos) << c.name << ": " << messages[0];
    EXPECT_NE(messages[0].find(c.because), std::string::npos) << c.name << ": " << messages[0];
    const bool inner = std::string(c.side) == "内侧";
    for (int box : inner ? std::vector<int>{21, 17, 18, 19} : std::vector<int>{20, 14, 15, 16})
      EXPECT_EQ(s.boxes[box], "") << c.name << ", Text" << box;
    for (int box : inner ? std::vector<int>{20, 14, 15, 16} : std::vector<int>{21, 17, 18, 19})
      EXPECT_NE(s.boxes[box], before.boxes[box]) << c.name << ", Text" << box << ": the other side is rewritten";
  }
}

// The ZH-end case whose left edge bearing crosses north: the mismatch is
// taken as −0.053, not 359.95. Angles are given in decimal degrees.
TEST(SkewedCap, MismatchAcrossNorth) {
  ScriptedSession s("1070.317\n11.98\n0.0001\n");
  CapJob& j = s.job;
  SeparatorReader reader(".");
  Seam seam{s, reader, s, s};
  Cmd1(1000, 1000, 2000, 96.942, 0, 353.8, 81.949, 1070.317, 180 / 3.1415926535, 3.1415926535,
       {j.Kp, j.DR, j.Precision}, seam);
  EXPECT_TRUE(s.Events("MESSAGE").empty());
  EXPECT_EQ(s.boxes[20], "K 1+ 68.634");
  EXPECT_EQ(s.boxes[14], "1003.14");
  EXPECT_EQ(s.boxes[15], "2069.748");
  EXPECT_EQ(s.boxes[16], "12.098");
  EXPECT_EQ(s.boxes[21], "k 1+ 72.023");
  EXPECT_EQ(s.boxes[17], "978.942");
  EXPECT_EQ(s.boxes[18], "2069.738");
  EXPECT_EQ(s.boxes[19], "12.1");
}

}  // namespace
}  // namespace capset::testing
