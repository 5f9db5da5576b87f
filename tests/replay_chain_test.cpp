// The whole chain through the real window: cap_replay's scripts in, the
// printed events and box texts out.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "replay.h"
#include "worked_cases.h"

namespace capset::testing {
namespace {

struct Replayed {
  std::vector<std::string> events;  // every line before the boxes
  std::map<int, std::string> boxes;
};

Replayed ReplayScript(const std::string& script, const std::string& locale = "zh_CN") {
  std::istringstream in(script);
  std::istringstream out(Replay(in, locale));
  Replayed r;
  for (std::string line; std::getline(out, line);) {
    if (line.rfind("Text", 0) == 0 && line.find('=') != std::string::npos) {
      const auto eq = line.find('=');
      r.boxes[std::stoi(line.substr(4, eq - 4))] = line.substr(eq + 1);
    } else {
      r.events.push_back(line);
    }
  }
  return r;
}

void ExpectWorkedCase(const WorkedCase& c) {
  const Replayed r = ReplayScript(c.script);
  for (const auto& e : r.events) EXPECT_NE(e.rfind("MESSAGE", 0), 0u) << c.name << ": " << e;
  for (const auto& [box, text] : c.boxes) EXPECT_EQ(r.boxes.at(box), text) << c.name << ", Text" << box;
}

TEST(ReplayChain, SquareCapWorkedCases) {
  for (const auto& c : SquareCapCases()) ExpectWorkedCase(c);
}

TEST(ReplayChain, SkewedCapWorkedCases) {
  for (const auto& c : SkewedCapCases()) ExpectWorkedCase(c);
}

TEST(ReplayChain, SolverIsAnnouncedBeforeItsPrompts) {
  const Replayed r = ReplayScript(SkewedCapCases().front().script);
  std::vector<std::string> tail(r.events.end() - 4, r.events.end());
  EXPECT_EQ(tail[0], "SOLVER Cmd1");
  EXPECT_EQ(tail[1], "PROMPT 请输入要求计算的盖梁中桩桩号  Kp( 以米为单位 )");
  EXPECT_EQ(tail[2], "PROMPT 请输入中线至路基边缘宽度  DR  的数值( 以米为单位 ）");
  EXPECT_EQ(tail[3], "PROMPT 请输入计算精度（以度为单位）");
}

TEST(ReplayChain, CommaLocaleReadsAndEchoesWithCommas) {
  const Replayed r = ReplayScript(
      "@start\n12345,678\n1000\n2000\n45\n0\n100\n12345,678\n60\n1\n@compute\n12350,5\n7,5\n0,0001\n", "de_DE");
  for (const auto& e : r.events) EXPECT_NE(e.rfind("MESSAGE", 0), 0u) << e;
  EXPECT_EQ(r.boxes.at(1), "K 12+ 345.678") << "stations always with a point";
  EXPECT_EQ(r.boxes.at(11), " 60(度)");
  EXPECT_EQ(r.boxes.at(13), "K 12+ 350.5");
  EXPECT_EQ(r.boxes.at(10), "  7,5");
  EXPECT_EQ(r.boxes.at(25), "  0,0001(度)");
  EXPECT_NE(r.boxes.at(23).find(','), std::string::npos) << r.boxes.at(23);
}

TEST(ReplayChain, PointIsNotAThousandsSeparatorInACommaLocale) {
  const Replayed r = ReplayScript("@start\n1.500\n1500\n@cancel\n", "de_DE");
  ASSERT_GE(r.events.size(), 3u);
  EXPECT_NE(r.events[1].find("类型不匹配"), std::string::npos) << r.events[1];
  EXPECT_EQ(r.boxes.at(1), "K 1+ 500");
}

TEST(ReplayChain, BadAnswerThenCancelMidChainThenACompleteStart) {
  const Replayed r = ReplayScript("@start\n1000\nabc\n1000\n2000\n@cancel\n" + std::string(SkewedCapCases().front().script));
  int mismatches = 0;
  for (const auto& e : r.events) mismatches += e.find("MESSAGE 类型不匹配") == 0;
  EXPECT_EQ(mismatches, 1);
  EXPECT_EQ(r.boxes.at(21), "k 1+ 54.538");
  EXPECT_EQ(r.boxes.at(16), "8.61");
}

}  // namespace
}  // namespace capset::testing
