// @export gsi, @export pnezd and @check's `file` end to end through the
// dialogue: a bridge's points as @bridgepoints prints them come out in both
// files to the millimetre, the log's caps agree digit for digit with the
// CASS point file, the files read back into the check, and every refusal
// writes nothing and leaves the old file as it was.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>

#include "dialogue_run.h"
#include "instrument_point_files.h"
#include "number_text.h"
#include "table.h"
#include "transcript.h"

namespace capset::testing {
namespace {

// The lines of one tag, each split at its tabs.
std::vector<std::vector<std::string>> TagLines(const DialogueRun& run, const std::string& tag) {
  std::vector<std::vector<std::string>> lines;
  for (const std::string& e : run.transcript.events) {
    if (e.starts_with(tag + "\t")) lines.push_back(TabFields(e.substr(tag.size() + 1)));
  }
  return lines;
}

const char kRoad[] =
    "@road\nbp 1000 3000 4000\njd 3800 4300 600 120 100\njd 4600 4200 400 0\nep 5500 4900\n@end\n";
const char kProfile[] = "@profile\npvi 1000 100\npvi 1500 110\n@end\n";
const char kBridge[] =
    "@template pier\ngrid Z 2 3 3 2.5\ncorners T 8.4 5.4 1.5\n@end\n"
    "@bridge B1\nbent 0 K1+020 template abutment-start\n"
    "bent 1 1200 skew 60.3015 dr 6.5 8 depth 1.6 template pier\n"
    "bent 2 1230 skew 60.3015 axis parallel 1200 dr 7.5 template two-columns\n@end\n";

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (line.ends_with('\r')) line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::string Mm(const std::string& sixDecimals) { return FixedCoordinateText(std::stod(sixDecimals)); }

// The GSI word of `index` in a block as metres to the millimetre, or "".
std::string GsiValue(const std::string& block, int index) {
  const std::size_t at = block.find(" " + std::to_string(index) + "..10");
  if (at == std::string::npos) return "";
  const std::string word = block.substr(at + 1, 24);
  const long long mm = std::stoll(word.substr(7, 16));
  return FixedCoordinateText((word[6] == '-' ? -1.0 : 1.0) * static_cast<double>(mm) / 1000);
}

// Every SP line of @bridgepoints is a block of the GSI file and a line of
// the PNEZD file, in order, to the millimetre, the height with it.
TEST(InstrumentExport, BridgePointsAsBridgepointsPrintsThem) {
  const DialogueRun run = RunWithFiles(std::string(kRoad) + kProfile + kBridge +
                          "@bridgepoints\n@export gsi b.gsi\n@export pnezd b.csv\n");
  EXPECT_TRUE(run.Events("MESSAGE").empty()) << ::testing::PrintToString(run.transcript.events);
  const auto sp = TagLines(run, "SP");
  ASSERT_EQ(sp.size(), 5u + 3 + 10 + 3 + 4);
  const std::vector<std::string> gsi = SplitLines(run.files.at("b.gsi"));
  const std::vector<std::string> pnezd = SplitLines(run.files.at("b.csv"));
  ASSERT_EQ(gsi.size(), sp.size());
  ASSERT_EQ(pnezd.size(), sp.size());
  for (std::size_t i = 0; i < sp.size(); ++i) {
    const std::string name = sp[i][1] + "-" + sp[i][2];
    SCOPED_TRACE(name);
    ASSERT_EQ(sp[i].size(), 8u);  // with H: the job has a profile
    EXPECT_EQ(gsi[i].substr(0, 8), "*11" + std::string(4 - std::to_string(i + 1).size(), '0') + std::to_string(i + 1) + "+");
    EXPECT_EQ(gsi[i].substr(8, 16), std::string(16 - name.size(), '0') + name);
    EXPECT_EQ(GsiValue(gsi[i], 82), Mm(sp[i][3]));
    EXPECT_EQ(GsiValue(gsi[i], 81), Mm(sp[i][4]));
    EXPECT_EQ(GsiValue(gsi[i], 83), Mm(sp[i][7]));
    // The description: the bent, then the template's item that gave the
    // point ("Z" for the grid's Z1…Z6, the point itself for one of its own).
    const std::string head = name + "," + Mm(sp[i][3]) + "," + Mm(sp[i][4]) + "," + Mm(sp[i][7]) + "," + sp[i][1] + "/";
    ASSERT_TRUE(pnezd[i].starts_with(head)) << pnezd[i];
    const std::string item = pnezd[i].substr(head.size());
    EXPECT_FALSE(item.empty());
    EXPECT_TRUE(sp[i][2].starts_with(item)) << item;
  }
}

// Without a profile no point has a height: no word 83, an empty elevation.
TEST(InstrumentExport, NoHeightWithoutAProfile) {
  const DialogueRun run = RunWithFiles(std::string(kRoad) + kBridge + "@export gsi b.gsi\n@export pnezd b.csv\n");
  const std::string& gsi = run.files.at("b.gsi");
  EXPECT_EQ(gsi.find(" 83.."), std::string::npos);
  EXPECT_NE(gsi.find(" 82..10+"), std::string::npos);
  for (const std::string& line : SplitLines(run.files.at("b.csv"))) {
    EXPECT_EQ(std::count(line.begin(), line.end(), ','), 4) << line;
    EXPECT_NE(line.find(",,"), std::string::npos) << line;
  }
}

// Without a bridge the log's caps are written, named as the CASS point file
// names them and agreeing with it digit for digit.
TEST(InstrumentExport, LogCapsAgreeWithThePointFile) {
  const DialogueRun run = RunWithFiles(
      "@road\nstart 1000 1000 2000 45\nline 100\narc 200 300 right\n@end\n"
      "@batch\nskew 90\naxis own\ndr 7.5\noffsets -3.5 3.5\nstation 3# 1050\nstation 1120\n@end\n"
      "@export dat c.dat\n@export gsi c.gsi\n@export pnezd c.csv\n");
  EXPECT_TRUE(run.Events("MESSAGE").empty()) << ::testing::PrintToString(run.transcript.events);
  const std::vector<std::string> dat = SplitLines(run.files.at("c.dat"));
  const std::vector<std::string> gsi = SplitLines(run.files.at("c.gsi"));
  const std::vector<std::string> pnezd = SplitLines(run.files.at("c.csv"));
  ASSERT_EQ(dat.size(), 10u);
  ASSERT_EQ(gsi.size(), dat.size());
  ASSERT_EQ(pnezd.size(), dat.size());
  for (std::size_t i = 0; i < dat.size(); ++i) {
    SCOPED_TRACE(dat[i]);
    const std::vector<std::string> f = [&] {
      std::vector<std::string> fields;
      std::istringstream in(dat[i]);
      for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
      return fields;
    }();
    const std::string& name = f[0];
    EXPECT_EQ(gsi[i].substr(8, 16), std::string(16 - name.size(), '0') + name);
    EXPECT_EQ(GsiValue(gsi[i], 81), f[2]);
    EXPECT_EQ(GsiValue(gsi[i], 82), f[3]);
    EXPECT_TRUE(pnezd[i].starts_with(name + "," + f[3] + "," + f[2] + ",,")) << pnezd[i];
  }
  EXPECT_TRUE(dat[0].starts_with("3-C,")) << dat[0];
}

struct RefusalRow {
  const char* name;
  std::string script;
  const char* message;  // a part of the one MESSAGE
  std::set<std::string> unwritable = {};
};

class InstrumentExportRefusals : public ::testing::TestWithParam<RefusalRow> {};

// The refusal is one MESSAGE; the file there before stays as it was.
TEST_P(InstrumentExportRefusals, WriteNothing) {
  const RefusalRow& row = GetParam();
  const DialogueRun run = RunWithFiles(row.script + "@export gsi out.gsi\n", {{"out.gsi", "old"}}, row.unwritable);
  const std::vector<std::string> messages = run.Events("MESSAGE");
  ASSERT_EQ(messages.size(), 1u) << ::testing::PrintToString(run.transcript.events);
  EXPECT_NE(messages[0].find(row.message), std::string::npos) << messages[0];
  EXPECT_EQ(run.files.at("out.gsi"), "old");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, InstrumentExportRefusals,
    ::testing::Values(
        RefusalRow{"nothing_yet", "", "没有可导出的点"},
        RefusalRow{"bridge_before_its_road", std::string(kBridge), "还没有路线"},
        RefusalRow{"two_bridges_one_bent_name",
                   std::string(kRoad) + "@bridge L\nbent 3 1100\n@end\n@bridge R\nbent 3 1110\nbent 4 1120\n@end\n",
                   "3-C（L、R）"},
        RefusalRow{"name_longer_than_sixteen",
                   std::string(kRoad) + "@bridge B\nbent ABUTMENTWESTEND 1100 dr 7\n@end\n", "“ABUTMENTWESTEND-C”超过 16"},
        RefusalRow{"leading_zero_bent", std::string(kRoad) + "@bridge B\nbent 01 1100\n@end\n", "“01-C”以 0"},
        RefusalRow{"file_not_writable", std::string(kRoad) + "@bridge B\nbent 1 1100\n@end\n", "Permission denied",
                   {"out.gsi"}}),
    RowName<RefusalRow>);

// PNEZD carries any name: the long one GSI refuses is written.
TEST(InstrumentExport, PnezdTakesTheLongName) {
  const DialogueRun run = RunWithFiles(std::string(kRoad) + "@bridge B\nbent ABUTMENTWESTEND 1100\n@end\n@export pnezd p.csv\n");
  EXPECT_TRUE(run.Events("MESSAGE").empty());
  EXPECT_TRUE(run.files.at("p.csv").starts_with("ABUTMENTWESTEND-C,")) << run.files.at("p.csv");
}

// A bent the road does not place is left out and said so; the others are written.
TEST(InstrumentExport, BentOffTheRoadLeftOutWithANotice) {
  const DialogueRun run = RunWithFiles(std::string(kRoad) + "@bridge B\nbent 1 1100\n@end\n@road\nstart 1000 3000 4000 20\nline 50\n@end\n"
                          "@bridge C\nbent 5 1020\n@end\n@export pnezd p.csv\n");
  const std::vector<std::string> notices = run.Events("NOTICE");
  ASSERT_FALSE(notices.empty()) << ::testing::PrintToString(run.transcript.events);
  EXPECT_NE(notices.back().find("“B/1”"), std::string::npos) << notices.back();
  EXPECT_TRUE(run.files.at("p.csv").starts_with("5-C,")) << run.files.at("p.csv");
  EXPECT_EQ(run.files.at("p.csv").find("1-C"), std::string::npos);
}

// Two bridges that name their bents alike are written one at a time, or
// their chosen bents; a bridge or bent the job has not is refused.
TEST(InstrumentExport, OneBridgeOrItsChosenBents) {
  const DialogueRun run = RunWithFiles(std::string(kRoad) +
                          "@bridge L\nbent 3 1100\nbent 4 1120\n@end\n@bridge R\nbent 3 1110\nbent 4 1130\n@end\n"
                          "@export gsi all.gsi\n@export pnezd r.csv R\n@export pnezd l4.csv L 4\n"
                          "@export gsi x.gsi X\n@export gsi y.gsi L 9\n");
  const std::vector<std::string> messages = run.Events("MESSAGE");
  ASSERT_EQ(messages.size(), 3u) << ::testing::PrintToString(run.transcript.events);
  EXPECT_NE(messages[0].find("3-C（L、R）"), std::string::npos) << messages[0];
  EXPECT_NE(messages[1].find("“X”"), std::string::npos) << messages[1];
  EXPECT_NE(messages[2].find("“9”"), std::string::npos) << messages[2];
  EXPECT_EQ(run.files.count("all.gsi") + run.files.count("x.gsi") + run.files.count("y.gsi"), 0u);
  const std::vector<std::string> r = SplitLines(run.files.at("r.csv"));
  ASSERT_EQ(r.size(), 2u);
  EXPECT_TRUE(r[0].starts_with("3-C,")) << r[0];
  EXPECT_TRUE(r[1].starts_with("4-C,")) << r[1];
  const std::vector<std::string> l4 = SplitLines(run.files.at("l4.csv"));
  ASSERT_EQ(l4.size(), 1u);
  EXPECT_TRUE(l4[0].starts_with("4-C,")) << l4[0];
}

// The caps of the log solved, their points exported, then read back as
// measured: every point is its own design point, to half a millimetre.
TEST(CheckFile, ExportedFilesCheckBackOnTheirCaps) {
  for (const char* format : {"gsi c.gsi", "pnezd c.csv"}) {
    SCOPED_TRACE(format);
    const std::string file = std::string(format).substr(std::string(format).find(' ') + 1);
    const DialogueRun run = RunWithFiles(
        "@road\nstart 1000 1000 2000 45\nline 100\narc 200 300 right\n@end\n"
        "@batch\nskew 90\naxis own\ndr 7.5\nstation 3# 1050\nstation 4# 1120\n@end\n@export " +
        std::string(format) + "\n@check\nfile " + file + "\n@end\n");
    const auto checks = TagLines(run, "CHECK");
    ASSERT_EQ(checks.size(), 6u) << ::testing::PrintToString(run.transcript.events);
    for (const auto& c : checks) {
      EXPECT_LT(std::stod(c[9]), 0.0005) << c[0];
      EXPECT_EQ(c[10], "ok");
    }
    EXPECT_EQ(checks[0][0], "3-C");
  }
}

struct CheckFileRow {
  const char* name;
  std::map<std::string, std::string> files;
  std::string block;
  std::vector<std::string> messages;  // a part of each, in order
  std::vector<std::string> notices;
  int checks;
};

class CheckFileLines : public ::testing::TestWithParam<CheckFileRow> {};

TEST_P(CheckFileLines, SayWhatTheyRead) {
  const CheckFileRow& row = GetParam();
  const DialogueRun run = RunWithFiles(std::string(kRoad) + "@check\n" + row.block + "@end\n", row.files);
  const std::vector<std::string> messages = run.Events("MESSAGE");
  ASSERT_EQ(messages.size(), row.messages.size()) << ::testing::PrintToString(run.transcript.events);
  for (std::size_t i = 0; i < messages.size(); ++i) {
    EXPECT_NE(messages[i].find(row.messages[i]), std::string::npos) << messages[i];
  }
  std::vector<std::string> notices;
  for (const std::string& n : run.Events("NOTICE")) {
    if (n.find("按扩展名") != std::string::npos) notices.push_back(n);
  }
  ASSERT_EQ(notices.size(), row.notices.size()) << ::testing::PrintToString(run.transcript.events);
  for (std::size_t i = 0; i < notices.size(); ++i) EXPECT_NE(notices[i].find(row.notices[i]), std::string::npos);
  EXPECT_EQ(TagLines(run, "CHECK").size(), static_cast<std::size_t>(row.checks));
}

const std::string kGsiFile = "*110001+00000000000000M1 81..10+0000000000004100 82..10+0000000000003100 \r\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, CheckFileLines,
    ::testing::Values(
        CheckFileRow{"gsi_and_typed_together", {{"m.gsi", kGsiFile}}, "point T1 3101 4101\nfile m.gsi\n", {}, {}, 2},
        CheckFileRow{"missing_file", {}, "file none.gsi\npoint T1 3101 4101\n", {"“none.gsi”。 原因：No such file"}, {}, 0},
        CheckFileRow{"bad_line_named", {{"m.csv", "M1,3100,4100,1,a\nM2,3100\n"}}, "file m.csv\n",
                     {"第 2 行“M2,3100”"}, {}, 0},
        CheckFileRow{"bad_file_and_bad_point_both_said", {{"m.csv", "M2,3100\n"}}, "file m.csv\npoint T1 31o1 4101\n",
                     {"第 1 行“M2,3100”", "X（纵坐标）"}, {}, 0},
        CheckFileRow{"ambiguous_said", {{"m.txt", "M1,3100,4100,1,2\n"}}, "file m.txt\n", {}, {"PNEZD"}, 1},
        CheckFileRow{"empty_file", {{"m.gsi", "\r\n"}}, "file m.gsi\n", {"m.gsi"}, {}, 0}),
    RowName<CheckFileRow>);

}  // namespace
}  // namespace capset::testing
