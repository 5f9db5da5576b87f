// Start end to end behind the scripted seam: answers in, fields and box
// texts out.
#include <gtest/gtest.h>

#include <string>

#include "scripted_seam.h"

namespace capset::testing {
namespace {

const char* const kAskKZH =
    "请输入直缓点桩号 Kz, 如果直缓点桩号等于 0 输入<.000000001 ; 如果盖梁位于 HZ 缓和曲线段,请输入 Kz=0";
const char* const kAskP =
    "请输入平曲线正偏或反偏判别符号 P 的数值，正偏请输入 P>0 的数值 ,反偏请输入 P<0 的数值";

// R, A1, Kj, B and P after the spiral end.
const std::string kTail = "300\n100\n1050\n60\n1\n";

TEST(Start, WhichSpiralEndEachCaseLeaves) {
  const struct {
    const char* name;
    std::string answers;
    int stationBox;
    const char* stationText;
    std::vector<int> coordinateBoxes;
    int prompts;
  } cases[] = {
      {"ZH station", "12345.678\n1\n2\n3\n" + kTail, 1, "K 12+ 345.678", {3, 5, 7}, 9},
      {"HZ station", "0\n5123.4\n1\n2\n3\n" + kTail, 2, "K 5+ 123.4", {4, 6, 8}, 10},
      {"ZH at station 0 typed as 1E-9", "0.000000001\n1\n2\n3\n" + kTail, 2, "K 0+ 0", {3, 5, 7}, 9},
      {"both stations 0", "0\n0\n" + kTail, 2, "K 0+ 0", {}, 7},
  };
  for (const auto& c : cases) {
    ScriptedSession s("@start\n" + c.answers);
    s.Play();
    EXPECT_EQ(s.Events("PROMPT").size(), static_cast<size_t>(c.prompts)) << c.name;
    EXPECT_EQ(s.boxes[c.stationBox], c.stationText) << c.name;
    EXPECT_EQ(s.boxes[c.stationBox == 1 ? 2 : 1], "") << c.name << ": the other station box is left alone";
    for (int box = 3; box <= 8; ++box) {
      const bool written = std::find(c.coordinateBoxes.begin(), c.coordinateBoxes.end(), box) != c.coordinateBoxes.end();
      EXPECT_EQ(s.boxes[box].empty(), !written) << c.name << ", Text" << box;
    }
    EXPECT_EQ(s.Events("PROMPT").back(), kAskP) << c.name << ": R to P are always asked";
    EXPECT_TRUE(s.Events("MESSAGE").empty()) << c.name;
  }
}

TEST(Start, EchoesAndConversions) {
  ScriptedSession s("@start\n1000\n1234.50\n-0.5\n45.3\n300\n100\n1234.5678\n30.1530\n2\n");
  s.Play();
  EXPECT_EQ(s.boxes[3], " 1234.5");
  EXPECT_EQ(s.boxes[5], " -0.5");
  EXPECT_EQ(s.boxes[7], " 45.3") << "the azimuth echoes as typed";
  EXPECT_EQ(s.boxes[9], " 300");
  EXPECT_EQ(s.boxes[22], " 100");
  EXPECT_EQ(s.boxes[26], "K 1+ 234.5678") << "design station: metres not rounded";
  EXPECT_EQ(s.boxes[11], " 30.153(度)");
  EXPECT_EQ(s.boxes[12], "正偏");
  EXPECT_EQ(s.job.T, 45.5);
  EXPECT_NEAR(s.job.B, 30.2583333333333, 1e-13);
  EXPECT_EQ(s.job.Pi, 3.1415926535);
  EXPECT_EQ(s.job.DegPerRad, 57.29577951471995);
}

TEST(Start, PackedNinetyIsASquareCap) {
  for (const char* b : {"90", "89.5960"}) {
    ScriptedSession s(std::string("@start\n1200\n1\n2\n3\n0\n100\n1250\n") + b + "\n1\n");
    s.Play();
    EXPECT_EQ(s.job.B, 90.0) << b;
    EXPECT_EQ(ChooseSolver(s.job), SolverChoice::kCmd5) << b;
  }
  ScriptedSession skew("@start\n1200\n1\n2\n3\n0\n100\n1250\n90.0001\n1\n");
  skew.Play();
  EXPECT_NEAR(skew.job.B, 90.0002778, 1e-7);
  EXPECT_EQ(ChooseSolver(skew.job), SolverChoice::kCmd1);
}

TEST(Start, PIsRoundedHalfToEven) {
  const struct {
    const char* typed;
    int16_t stored;
    const char* shown;
  } cases[] = {
      {"2", 2, "正偏"},   {"-1", -1, "反偏"},  {"0", 0, "反偏"},        {"0.4", 0, "反偏"},
      {"0.5", 0, "反偏"}, {"1.5", 2, "正偏"},  {"2.5", 2, "正偏"},      {"-2.5", -2, "反偏"},
      {"-0.5", 0, "反偏"}, {"32767", 32767, "正偏"}, {"-32768.5", -32768, "反偏"},
  };
  for (const auto& c : cases) {
    ScriptedSession s(std::string("@start\n1000\n1\n2\n3\n0\n100\n1050\n60\n") + c.typed + "\n");
    s.Play();
    EXPECT_EQ(s.job.P, c.stored) << c.typed;
    EXPECT_EQ(s.boxes[12], c.shown) << c.typed;
  }
}

TEST(Start, CommaLocaleEchoesWithCommaButStationsWithPoint) {
  ScriptedSession s("@start\n12345,678\n1234,5\n2000\n45\n0\n100\n1234,5678\n30,1530\n1\n", ",");
  s.Play();
  EXPECT_EQ(s.boxes[1], "K 12+ 345.678");
  EXPECT_EQ(s.boxes[3], " 1234,5");
  EXPECT_EQ(s.boxes[26], "K 1+ 234.5678");
  EXPECT_EQ(s.boxes[11], " 30,153(度)");
}

TEST(Start, BadAnswerIsReportedAndTheSameQuestionAskedAgain) {
  const struct {
    const char* name;
    const char* bad;
    const char* kind;
  } cases[] = {
      {"empty answer", "", "类型不匹配"},
      {"not a number", "12a", "类型不匹配"},
      {"blank answer", "   ", "类型不匹配"},
      {"beyond a double", "1e400", "溢出"},
      {"P beyond 16 bits", "40000", "溢出"},
      {"P rounding beyond 16 bits", "32767.5", "溢出"},
  };
  for (const auto& c : cases) {
    const bool atP = std::string(c.name).rfind("P ", 0) == 0;
    const std::string script = atP ? std::string("@start\n1000\n1\n2\n3\n0\n100\n1050\n60\n") + c.bad + "\n1\n"
                                   : std::string("@start\n") + c.bad + "\n1000\n1\n2\n3\n0\n100\n1050\n60\n1\n";
    ScriptedSession s(script);
    s.Play();
    const auto messages = s.Events("MESSAGE");
    ASSERT_EQ(messages.size(), 1u) << c.name;
    EXPECT_NE(messages[0].find(c.kind), std::string::npos) << c.name << ": " << messages[0];
    EXPECT_NE(messages[0].find(atP ? kAskP : kAskKZH), std::string::npos) << c.name << ": names the question";
    const auto prompts = s.Events("PROMPT");
    const auto asked = std::count(prompts.begin(), prompts.end(), atP ? kAskP : kAskKZH);
    EXPECT_EQ(asked, 2) << c.name << ": asked again";
    EXPECT_EQ(s.job.P, 1) << c.name << ": the chain went on to its end";
    EXPECT_EQ(s.boxes[12], "正偏") << c.name;
  }
}

TEST(Start, AzimuthThatWouldOverflowIsAskedAgain) {
  ScriptedSession s("@start\n1000\n1\n2\n1e306\n45\n0\n100\n1050\n60\n1\n");
  s.Play();
  ASSERT_EQ(s.Events("MESSAGE").size(), 1u);
  EXPECT_NE(s.Events("MESSAGE")[0].find("溢出"), std::string::npos);
  EXPECT_EQ(s.job.T, 45);
  EXPECT_EQ(s.boxes[7], " 45");
}

TEST(Start, CancelStopsQuietlyAndKeepsWhatWasStored) {
  ScriptedSession s("@start\n1000\n1010\n2020\n@cancel\n@compute\n");
  s.Play();
  EXPECT_TRUE(s.Events("MESSAGE").empty());
  EXPECT_EQ(s.job.KZH, 1000);
  EXPECT_EQ(s.job.X, 1010);
  EXPECT_EQ(s.job.Y, 2020);
  EXPECT_EQ(s.boxes[1], "K 1+ 0");
  EXPECT_EQ(s.boxes[5], " 2020");
  EXPECT_EQ(s.boxes[7], "");
  EXPECT_EQ(s.Events("SOLVER"), std::vector<std::string>{"none"}) << "P and B are still 0";
}

TEST(Start, CompleteStartAfterACancelledOne) {
  ScriptedSession s("@start\n0\n5000\n@cancel\n@start\n1000\n1000\n2000\n45\n0\n100\n1050\n60\n1\n"
                    "@compute\n1050\n7.5\n0.0001\n");
  s.Play();
  EXPECT_EQ(s.boxes[2], "K 5+ 0") << "the box of the cancelled run keeps its text";
  EXPECT_EQ(s.boxes[1], "K 1+ 0");
  EXPECT_EQ(s.Events("SOLVER"), std::vector<std::string>{"Cmd1"});
  EXPECT_EQ(s.boxes[21], "k 1+ 54.538");
  EXPECT_EQ(s.boxes[20], "K 1+ 45.844");
}

TEST(Start, BoxesKeepTheirTextAcrossRuns) {
  ScriptedSession s("@start\n0\n5123.4\n11\n22\n33\n0\n100\n5100\n60\n1\n"
                    "@start\n1000\n1\n2\n3\n0\n100\n1050\n60\n1\n");
  s.Play();
  EXPECT_EQ(s.boxes[2], "K 5+ 123.4");
  EXPECT_EQ(s.boxes[4], " 11");
  EXPECT_EQ(s.boxes[6], " 22");
  EXPECT_EQ(s.boxes[8], " 33");
  EXPECT_EQ(s.job.KHZ, 5123.4) << "KHZ is not asked when KZH is given";
  EXPECT_EQ(ChooseSolver(s.job), SolverChoice::kCmd1) << "a stale KHZ never wins over a given KZH";
}

}  // namespace
}  // namespace capset::testing
