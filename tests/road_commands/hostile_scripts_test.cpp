// The hostile scripts of the road (tests/data/hostile, one file each), end
// to end through the dialogue target: each is refused at the line that is
// out of range, naming the field, the value and the range, in bounded time;
// nothing the program says holds "nan" or "inf"; and a road that was there
// before the refusal is still there after it.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "dialogue_replay.h"
#include "table.h"

namespace capset {
namespace {

std::string Script(const std::string& file) {
  std::ifstream in(std::string(CAPSET_HOSTILE_DIR) + "/" + file);
  EXPECT_TRUE(in) << file;
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The lines the road's commands print, the window's boxes aside.
std::string RoadLines(const std::string& output) {
  std::istringstream in(output);
  std::string kept;
  for (std::string line; std::getline(in, line);) {
    if (!line.starts_with("Text")) kept += line + "\n";
  }
  return kept;
}

bool Unprintable(const std::string& text) {
  static const std::regex word("(^|[^A-Za-z])-?(nan|inf)([^A-Za-z]|$)", std::regex::icase);
  return std::regex_search(text, word);
}

// A road to keep, and a question whose answer shows it is kept.
const char kKeptRoad[] = "@road\nstart 0 0 0 0\nline 300\n@end\n";
const char kAsk[] = "@at 10\n";

struct HostileScript {
  const char* name;
  const char* file;
  const char* refusal;  // a piece of the MESSAGE line that refuses it
};

class HostileScripts : public ::testing::TestWithParam<HostileScript> {};

TEST_P(HostileScripts, AreRefusedInWordsAndInTime) {
  const HostileScript& row = GetParam();
  const std::string script = Script(row.file);
  const auto begin = std::chrono::steady_clock::now();
  const std::string out = RoadLines(ReplayDialogue(script));
  // A refusal is meant within 0.1 s; the whole script, its dialogue and a
  // sanitizer's slowing are given ten times that.
  EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count(), 1.0);
  EXPECT_NE(out.find("MESSAGE "), std::string::npos) << out;
  EXPECT_NE(out.find(row.refusal), std::string::npos) << out;
  EXPECT_FALSE(Unprintable(out)) << out;
}

TEST_P(HostileScripts, KeepTheRoadThatWasThere) {
  const HostileScript& row = GetParam();
  const std::string before = RoadLines(ReplayDialogue(std::string(kKeptRoad) + kAsk));
  ASSERT_TRUE(before.starts_with("AT\t")) << before;
  const std::string after = RoadLines(ReplayDialogue(std::string(kKeptRoad) + Script(row.file) + kAsk));
  // The last answer is the kept road's (a script's own straight from 0 0
  // along 0 answers @at 10 alike).
  EXPECT_TRUE(after.ends_with(before)) << after;
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileScripts,
    ::testing::Values(
        HostileScript{"JdR1e308", "jd_R_1e308_nan.txt", "R“1e308”超出了 0.001 至 1000000 m 的范围。"},
        HostileScript{"JdRSubnormal", "jd_R_subnormal_message_inf.txt", "R“4.9e-324”超出了 0.001 至 1000000 m 的范围。"},
        HostileScript{"JdLsSubnormal", "jd_subnormal_Ls_nan.txt",
                      "Ls1“1e-320”超出了 0.001 至 1000000 m 的范围（0 为不设缓和曲线）。"},
        HostileScript{"JdTinyRLongLs", "jd_tiny_R_long_Ls_hang.txt", "R“1e-7”超出了 0.001 至 1000000 m 的范围。"},
        HostileScript{"Equation1e308", "equation_1e308_message_nan.txt",
                      "BACK“1e308”超出了 -100000000 至 100000000 m 的范围。"},
        HostileScript{"JobRSubnormal", "job_R_subnormal_message_inf.txt",
                      "作业 的半径 R 为 5e-324 m，超出了 0.001 至 1000000 m 的范围（0 为不设圆曲线）。"},
        HostileScript{"WhereOverflow", "where_overflow_heap_read.txt",
                      "Y“1e160”超出了 -100000000 至 100000000 m 的范围。"}),
    testing::RowName<HostileScript>);

}  // namespace
}  // namespace capset
