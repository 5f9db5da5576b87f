// @export bridge end to end through the dialogue target: a bridge typed as
// blocks, the files' bytes read back and held against the bridge's own
// @bridgepoints line by line; bents chosen; points left out told; and each
// refusal a MESSAGE that names what and why, with no file written and one
// already there left as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

#include "dialogue_run.h"
#include "table.h"
#include "transcript.h"

namespace capset::testing {
namespace {

constexpr char kRoad[] = "@road\nstart 1000 3355206.736 505412.824 61.5\nline 150\narc 350 250 right\n@end\n";
constexpr char kProfile[] = "@profile\npvi 1000 100\npvi 1250 105 2000\npvi 1450 103\n@end\n";
constexpr char kPier[] = "@template pier\ngrid Z 2 3 3 2.5\ncorners T 8 5 1.5\npoint S1 -2 0.5 0.3\n@end\n";
constexpr char kBridges[] =
    "@bridge B1\nbent 0 K1+120 dr 6 template abutment-start\n"
    "bent 1 K1+150 skew 75.3 dr 6 7 depth 1.2 template pier\n"
    "bent 2 K1+180 skew 80 axis parallel K1+150 dr 6.5 template pier\n@end\n"
    "@bridge B2\nbent 9 K1+300 template two-columns\n@end\n";

std::string Job(bool profile = true) {
  return std::string(kRoad) + (profile ? kProfile : "") + kPier + kBridges;
}

std::vector<std::vector<std::string>> Sp(const Transcript& t) {
  std::vector<std::vector<std::string>> out;
  for (const std::string& e : t.events)
    if (e.starts_with("SP\t")) out.push_back(TabFields(e.substr(3)));
  return out;
}

// The file's lines, each without its CR LF; every line must end so.
std::vector<std::string> CrLfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  for (std::size_t end; (end = bytes.find("\r\n", at)) != std::string::npos; at = end + 2) {
    lines.push_back(bytes.substr(at, end - at));
  }
  EXPECT_EQ(at, bytes.size()) << "the last line ends in CR LF";
  for (const std::string& l : lines) EXPECT_EQ(l.find('\n'), std::string::npos);
  return lines;
}

std::vector<std::string> Commas(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  for (std::string f; std::getline(in, f, ',');) fields.push_back(f);
  if (!line.empty() && line.back() == ',') fields.emplace_back();
  return fields;
}

// "K1+150.000" and "-K0+020.000" back to metres, read here on their own.
double KStation(const std::string& text) {
  const bool minus = text.starts_with("-");
  const std::string body = text.substr(minus ? 2 : 1);
  const std::size_t plus = body.find('+');
  const double metres = std::stod(body.substr(0, plus)) * 1000 + std::stod(body.substr(plus + 1));
  return minus ? -metres : metres;
}

void ExpectNear(const std::string& written, const std::string& printed, double half, const std::string& what) {
  EXPECT_NEAR(std::stod(written), std::stod(printed), half + 1e-9) << what << ": " << written << " vs " << printed;
}

TEST(BridgeExportScript, CsvHoldsEveryPointOfBridgePointsInItsOrder) {
  const DialogueRun p = RunWithFiles(Job() + "@bridgepoints\n@export bridge csv all.csv\n");
  EXPECT_TRUE(p.transcript.Reports().empty()) << ::testing::PrintToString(p.transcript.Reports());
  const auto sp = Sp(p.transcript);
  // B1: 0 (C, L, R, F1, F2, W1, W2), 1 and 2 (C, L, R and 11 each); B2: 9 (C, C1, C2, Z1, Z2).
  ASSERT_EQ(sp.size(), 7u + 2 * 14 + 5);
  ASSERT_TRUE(p.files.contains("all.csv"));
  const std::string& bytes = p.files.at("all.csv");
  ASSERT_TRUE(bytes.starts_with("\xEF\xBB\xBF"));
  const auto lines = CrLfLines(bytes.substr(3));
  ASSERT_EQ(lines.size(), sp.size() + 1);
  EXPECT_EQ(lines[0], "桥名,墩台,点名,类别,X(m),Y(m),H(m),桩号,偏距(m)");
  for (std::size_t i = 0; i < sp.size(); ++i) {
    const auto& s = sp[i];  // bridge bent point X Y station offset H
    const auto f = Commas(lines[i + 1]);
    ASSERT_EQ(f.size(), 9u) << lines[i + 1];
    EXPECT_EQ(f[0], s[0]);
    EXPECT_EQ(f[1], s[1]);
    EXPECT_EQ(f[2], s[1] + "-" + s[2]);
    ExpectNear(f[4], s[3], 0.00005, f[2] + " X");
    ExpectNear(f[5], s[4], 0.00005, f[2] + " Y");
    ExpectNear(f[6], s[7], 0.00005, f[2] + " H");
    EXPECT_NEAR(KStation(f[7]), std::stod(s[5]), 0.0005 + 1e-9) << f[2];
    ExpectNear(f[8], s[6], 0.0005, f[2] + " offset");
  }
  // The role is what gave the point: the bent's own, or the template's item.
  const std::map<std::string, std::string> roles = {{"1-C", "C"},  {"1-L", "L"}, {"1-R", "R"},  {"1-Z4", "Z"},
                                                    {"1-T2", "T"}, {"1-S1", "S1"}, {"0-F2", "F2"}, {"9-Z1", "Z1"}};
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const auto f = Commas(lines[i]);
    if (f[0] == "B1" || f[2] == "9-Z1") {
      if (const auto r = roles.find(f[2]); r != roles.end()) {
        EXPECT_EQ(f[3], r->second) << f[2];
      }
    }
  }
}

TEST(BridgeExportScript, PointFileHoldsEveryPointEastFirstToTheMillimetre) {
  const DialogueRun p = RunWithFiles(Job() + "@bridgepoints B1\n@export bridge dat b1.dat B1\n");
  EXPECT_TRUE(p.transcript.Reports().empty()) << ::testing::PrintToString(p.transcript.Reports());
  const auto sp = Sp(p.transcript);
  const auto lines = CrLfLines(p.files.at("b1.dat"));
  ASSERT_EQ(lines.size(), sp.size());
  for (std::size_t i = 0; i < sp.size(); ++i) {
    const auto f = Commas(lines[i]);
    ASSERT_EQ(f.size(), 5u) << lines[i];
    EXPECT_EQ(f[0], sp[i][1] + "-" + sp[i][2]);
    EXPECT_EQ(f[1], "");
    ExpectNear(f[2], sp[i][4], 0.0005, f[0] + " Y");
    ExpectNear(f[3], sp[i][3], 0.0005, f[0] + " X");
    ExpectNear(f[4], sp[i][7], 0.0005, f[0] + " H");
    // Three decimals exactly, as the instrument's files are read.
    for (int k : {2, 3, 4}) EXPECT_EQ(f[k].size() - f[k].find('.'), 4u) << lines[i];
  }
}

TEST(BridgeExportScript, WithoutAProfileHLeftEmptyNeverZero) {
  const DialogueRun p = RunWithFiles(Job(false) + "@export bridge dat b2.dat B2\n@export bridge csv b2.csv B2\n");
  EXPECT_TRUE(p.transcript.Reports().empty()) << ::testing::PrintToString(p.transcript.Reports());
  for (const std::string& line : CrLfLines(p.files.at("b2.dat"))) EXPECT_TRUE(line.ends_with(",")) << line;
  const auto csv = CrLfLines(p.files.at("b2.csv").substr(3));
  for (std::size_t i = 1; i < csv.size(); ++i) EXPECT_EQ(Commas(csv[i])[6], "-") << csv[i];
}

TEST(BridgeExportScript, ChosenBentsAloneInTheBridgesOrder) {
  const DialogueRun p = RunWithFiles(Job() + "@export bridge dat two.dat B1 2 0\n");
  EXPECT_TRUE(p.transcript.Reports().empty()) << ::testing::PrintToString(p.transcript.Reports());
  const auto lines = CrLfLines(p.files.at("two.dat"));
  ASSERT_EQ(lines.size(), 7u + 3 + 11);
  EXPECT_TRUE(lines.front().starts_with("0-C,"));
  EXPECT_TRUE(lines.back().starts_with("2-S1,"));
  for (const std::string& line : lines) EXPECT_FALSE(line.starts_with("1-")) << line;
}

// A bent the road no longer places is left out of a file that is written,
// and the notice counts its points: 7 of the abutment's.
TEST(BridgeExportScript, PointsNotPlacedAreCountedAndTheRestWritten) {
  const std::string shorter = "@road\nstart 1000 3355206.736 505412.824 61.5\nline 150\narc 140 250 right\n@end\n";
  const DialogueRun p = RunWithFiles(Job() + shorter + "@export bridge csv all.csv\n");
  const auto notices = p.transcript.Events("NOTICE");
  ASSERT_EQ(notices.size(), 1u) << ::testing::PrintToString(p.transcript.Reports());
  EXPECT_NE(notices[0].find("已导出 35 个点；另有 5 个点未能在路线上定位"), std::string::npos) << notices[0];
  EXPECT_NE(notices[0].find("“B2/9”"), std::string::npos) << notices[0];
  EXPECT_EQ(CrLfLines(p.files.at("all.csv").substr(3)).size(), 1u + 35);
}

struct RefusalRow {
  const char* name;
  std::string script;
  const char* says;  // in the one MESSAGE
};

class BridgeExportRefusal : public ::testing::TestWithParam<RefusalRow> {};

// Nothing is written, and the file that was there stays as it was.
TEST_P(BridgeExportRefusal, SaysWhyAndWritesNothing) {
  const RefusalRow& row = GetParam();
  const std::string before = "kept\r\n";
  const DialogueRun p = RunWithFiles(row.script, {{"out.dat", before}}, {"locked/out.dat"});
  const auto messages = p.transcript.Events("MESSAGE");
  ASSERT_EQ(messages.size(), 1u) << ::testing::PrintToString(p.transcript.Reports());
  EXPECT_NE(messages[0].find(row.says), std::string::npos) << messages[0];
  EXPECT_EQ(p.files.at("out.dat"), before);
  EXPECT_EQ(p.files.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BridgeExportRefusal,
    ::testing::Values(
        RefusalRow{"NoBridgeYet", std::string(kRoad) + "@export bridge dat out.dat\n", "还没有桥"},
        RefusalRow{"NoSuchBridge", Job() + "@export bridge dat out.dat B7\n", "没有名为“B7”的桥"},
        RefusalRow{"NoSuchBents", Job() + "@export bridge dat out.dat B1 1 7 x 7\n", "桥“B1”没有墩台“7”、“x”"},
        RefusalRow{"NoRoad", std::string(kPier) + kBridges + "@export bridge csv out.dat\n", "还没有路线"},
        RefusalRow{"NoBentPlaced",
                   Job() + "@road\nstart 1000 3355206.736 505412.824 61.5\nline 100\n@end\n"
                           "@export bridge dat out.dat B2\n",
                   "所选的 1 个墩台在当前路线上都未能定位"},
        RefusalRow{"NamesTwoBridgesShare",
                   Job() + "@bridge B3\nbent 9 K1+350\n@end\n@export bridge dat out.dat\n",
                   "“9-C”：桥“B2”、“B3”"},
        RefusalRow{"UnknownFormat", Job() + "@export bridge pdf out.dat\n", "@export bridge 的写法"},
        RefusalRow{"NoFile", Job() + "@export bridge dat\n", "@export bridge 的写法"},
        RefusalRow{"FileNotWritable", Job() + "@export bridge dat locked/out.dat B1\n",
                   "无法写入文件“locked/out.dat”。 原因：Permission denied"}),
    RowName<RefusalRow>);

// The same names in two bridges go together into a CSV, which names the
// bridge on every row.
TEST(BridgeExportScript, ACsvTakesTwoBridgesThatShareNames) {
  const DialogueRun p = RunWithFiles(Job() + "@bridge B3\nbent 9 K1+350\n@end\n@export bridge csv all.csv\n");
  EXPECT_TRUE(p.transcript.Reports().empty()) << ::testing::PrintToString(p.transcript.Reports());
  const auto lines = CrLfLines(p.files.at("all.csv").substr(3));
  EXPECT_TRUE(lines.back().starts_with("B3,9,9-C,C,")) << lines.back();
}

}  // namespace
}  // namespace capset::testing
