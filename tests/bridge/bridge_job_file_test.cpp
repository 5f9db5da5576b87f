// The job file keeps the job's templates and bridges: @save and @open bring
// back the same points, opening another job clears them, an older file
// opens with none, a bad file is refused naming where and why with nothing
// changed, and a template or a bridge changed since the save is unsaved work.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>

#include "dialogue_replay.h"
#include "file_texts.h"
#include "job_file.h"
#include "refused_job_file.h"
#include "table.h"

namespace capset {
namespace {

constexpr char kRoad[] = "@road\nstart 1000 3000000 500000 30\nline 500\n@end\n";
constexpr char kPier[] = "@template pier\ngrid Z 2 3 3 2.5\ncorners T 8 5 1.5\npoint S1 -2 0.5\n@end\n";
constexpr char kMine[] = "@template mine\ncopy two-columns\npoint S2 0 0.8 1.6\n@end\n";
constexpr char kBridge[] =
    "@bridge B1\nbent 0 K1+020 dr 6 template abutment-start\n"
    "bent 1 K1+050 skew 75.5 axis parallel K1+040 dr 6 7 depth 1.2 template pier\n"
    "bent 2 K1+080 template mine\nbent 3 K1+110\n@end\n";

struct Played {
  std::vector<std::string> lines;
  std::map<std::string, std::string> files;
  std::size_t bridges = 0, templates = 0;
};

Played Play(const std::string& script, const std::map<std::string, std::string>& files = {}) {
  std::istringstream in(script);
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay target(lines, out, {});
  for (const auto& [name, text] : files) target.Files().files[name] = text;
  PlayScript(lines, target, out);
  Played p{{}, target.Files().files, target.Session().Bridges().size(), target.Session().Templates().size()};
  std::istringstream transcript(out.str());
  for (std::string line; std::getline(transcript, line);) p.lines.push_back(line);
  return p;
}

// The answers of each @bridgepoints: a run of SP lines, or none where it
// said there is no bridge.
std::vector<std::vector<std::string>> Runs(const Played& p) {
  std::vector<std::vector<std::string>> runs;
  bool inRun = false;
  for (const std::string& line : p.lines) {
    const bool point = line.starts_with("SP\t");
    if ((point && !inRun) || line.find("还没有桥") != std::string::npos) runs.emplace_back();
    if (point) runs.back().push_back(line);
    inRun = point;
  }
  return runs;
}

std::string RoadJobFile(int version) {
  std::string text = WriteJobFile({TypedStart{".", {}}, std::nullopt,
                                   RoadInput(ElementRoadInput{4000, {0, 0}, 0, {{ElementKind::kLine, 2000}}, {}})});
  text.replace(text.find("\"version\": 3"), 12, "\"version\": " + std::to_string(version));
  return text;
}

// Saved, opened over another job and opened again: the same points, to the
// last digit; the other job (of version 2, whose keys of these names are
// not its fields) has none; a refused file leaves them as they were.
TEST(BridgeJobFile, SaveAndOpenBringBackTheSamePoints) {
  std::string old = RoadJobFile(2);
  old.insert(old.rfind('}'), R"(, "templates": 5, "bridges": [{"name": "X"}])");
  const Played p = Play(std::string(kRoad) + kPier + kMine + kBridge + "@bridgepoints\n@save a.capjob\n" +
                            "@open bad.capjob\n@bridgepoints\n@open old.capjob\n@bridgepoints\n@open a.capjob\n@bridgepoints\n",
                        {{"old.capjob", old}, {"bad.capjob", R"({"format": "capset-job", "version": 3, "decimal": ".",
                            "bridges": [{"name": "B", "bents": [{"name": "1", "station": 1, "skew": 90, "axis": "own",
                            "depth": 0, "template": "pier"}]}]})"}});
  const auto runs = Runs(p);
  ASSERT_EQ(runs.size(), 4u);
  EXPECT_EQ(runs[0].size(), 28u);  // C, L, R on two bents, C on two; 4 + 11 + 5 template points
  EXPECT_EQ(runs[1], runs[0]);     // the refused file changed nothing
  EXPECT_TRUE(runs[2].empty());
  EXPECT_EQ(runs[3], runs[0]);
  EXPECT_EQ(p.bridges, 1u);
  EXPECT_EQ(p.templates, 2u);
  const std::string all = [&] {
    std::string s;
    for (const std::string& l : p.lines) s += l + "\n";
    return s;
  }();
  EXPECT_NE(all.find("无法打开作业文件“bad.capjob”：第 2 行，桥：第 1 座桥“B”的第 1 个墩台："), std::string::npos) << all;
  EXPECT_NE(all.find("pier"), std::string::npos);
  // Nothing was changed after the save: no question was asked.
  EXPECT_EQ(all.find("PROMPT"), std::string::npos) << all;
}

// A template named as a ready one is the user's from the file onward; a job
// of bridges alone (no Start, no road) is saved and opened.
TEST(BridgeJobFile, TemplatesAndBridgesComeBackExactly) {
  JobFile job{TypedStart{".", {}}, std::nullopt};
  SubstructureTemplate t{"odd", {}};
  t.items.push_back({TemplateItem::Kind::kPoint, "P", 0.1 + 0.2, -1e-10, 1, 1, 0, 0, 0, 0, 2.345678901234567, 1});
  t.items.push_back({TemplateItem::Kind::kGrid, "Z", 1, -2, 1, 3, 0.7, 0, 0, 0, std::nullopt, 2});
  t.items.push_back({TemplateItem::Kind::kCorners, "T", 0, 0, 1, 1, 0, 0, 8.4, 5.4, std::nullopt, 3});
  job.templates = {t};
  Bent own{"A3", {5080, 2}, 89.99999999999999, CapAxisMode::kOwn, {}, 6.25, 9.5, 1.2, "odd", 1};
  Bent parallel{"A4", {5100.125}, 60.5, CapAxisMode::kParallel, {5090, 1}, std::nullopt, std::nullopt, 0, "", 2};
  job.bridges = {{"B 1", {own, parallel}}};
  const std::string text = WriteJobFile(job);
  const auto read = ReadJobFile(text);
  ASSERT_TRUE(std::holds_alternative<JobFile>(read)) << JobRefusedMessage("f", std::get<JobFileProblem>(read));
  EXPECT_EQ(std::get<JobFile>(read), job);
  EXPECT_EQ(WriteJobFile(std::get<JobFile>(read)), text);
  // A job without any keeps the file it always had.
  EXPECT_EQ(RoadJobFile(3).find("templates"), std::string::npos);
  EXPECT_EQ(RoadJobFile(3).find("bridges"), std::string::npos);
}

struct UnsavedRow {
  const char* name;
  const char* after;  // typed after the save
  bool asks;
};

class UnsavedBridges : public ::testing::TestWithParam<UnsavedRow> {};

// @quit asks 保存 / 不保存 when a template or a bridge differs from the
// file, and only then; 不保存 ends the program.
TEST_P(UnsavedBridges, QuitAsksOnlyWhenTheyChanged) {
  const Played p = Play(std::string(kRoad) + kPier + kMine + kBridge + "@save a.capjob\n" + GetParam().after +
                        "@quit\n不保存\n@bridgepoints\n");
  int prompts = 0;
  for (const std::string& line : p.lines) prompts += line.starts_with("PROMPT") && line.find("未保存的修改") != std::string::npos;
  EXPECT_EQ(prompts, GetParam().asks ? 1 : 0);
  EXPECT_NE(std::find(p.lines.begin(), p.lines.end(), "IGNORED @bridgepoints"), p.lines.end());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UnsavedBridges,
    ::testing::Values(UnsavedRow{"NothingChanged", "", false},
                      UnsavedRow{"BridgeChanged", "@bridge B1\nbent 3 K1+110\n@end\n", true},
                      UnsavedRow{"BridgeAdded", "@bridge B2\nbent 9 K1+300\n@end\n", true},
                      UnsavedRow{"TemplateChanged", "@template mine\npoint Q 1 1\n@end\n", true},
                      UnsavedRow{"SameBridgeTypedAgain", kBridge, false},
                      UnsavedRow{"RefusedBridgeChangesNothing", "@bridge B1\nbent 3 K1+110 template none\n@end\n", false}),
    testing::RowName<UnsavedRow>);

struct BadFileRow {
  const char* name;
  const char* keys;  // added to a job of a road alone
  const char* field;
  const char* says;
};

class BadBridgesInAFile : public ::testing::TestWithParam<BadFileRow> {};

TEST_P(BadBridgesInAFile, IsRefusedNamingWhereAndWhy) {
  const BadFileRow& row = GetParam();
  testing::ExpectRefused(testing::WithKeys(RoadJobFile(3), row.keys), JobFileFault::kBadBridges, row.field, row.says);
}

#define BENT(fields) R"("bridges": [{"name": "B", "bents": [{"name": "1", "station": 4100, )" fields "}]}]"
#define ITEM(fields) R"("templates": [{"name": "t", "items": [)" fields "]}]"

INSTANTIATE_TEST_SUITE_P(
    Rows, BadBridgesInAFile,
    ::testing::Values(
        BadFileRow{"TemplatesNotAList", R"("templates": {"name": "t"})", "templates", "下部结构模板：应为一列（templates）。"},
        BadFileRow{"TemplateWithoutName", R"("templates": [{"items": []}])", "templates", "第 1 个模板的 name 缺少。"},
        BadFileRow{"ItemsMissing", R"("templates": [{"name": "t"}])", "templates", "第 1 个模板“t”的 items 缺少。"},
        BadFileRow{"NoItems", ITEM(""), "templates", "第 1 个模板“t”："},
        BadFileRow{"KindUnknown", ITEM(R"({"kind": "circle", "name": "P", "u": 0, "v": 0})"), "templates",
                   "第 1 个模板“t”的第 1 项的 kind 应为“point”、“grid”或“corners”。"},
        BadFileRow{"PointWithoutU", ITEM(R"({"kind": "point", "name": "P", "v": 0})"), "templates",
                   "第 1 个模板“t”的第 1 项的 u 缺少。"},
        BadFileRow{"DepthAsText", ITEM(R"({"kind": "point", "name": "P", "u": 0, "v": 0, "depth": "1.5"})"),
                   "templates", "第 1 项的 depth 应为数值。"},
        BadFileRow{"RowsNotWhole",
                   ITEM(R"({"kind": "grid", "name": "Z", "rows": 2.5, "cols": 2, "du": 3, "dv": 3, "u": 0, "v": 0})"),
                   "templates", "第 1 个模板“t”的第 1 项：rows“2.5”须为 1 至 100 的整数"},
        BadFileRow{"SpacingZero",
                   ITEM(R"({"kind": "grid", "name": "Z", "rows": 1, "cols": 2, "du": 0, "dv": 0, "u": 0, "v": 0})"),
                   "templates", "第 1 项：du"},
        BadFileRow{"CornersFlat", ITEM(R"({"kind": "corners", "name": "T", "length": 8, "width": 0})"), "templates",
                   "第 1 项：width"},
        BadFileRow{"PointNamesClash",
                   ITEM(R"({"kind": "point", "name": "P", "u": 0, "v": 0}, {"kind": "point", "name": "P", "u": 1, "v": 0})"),
                   "templates", "第 1 个模板“t”的第 2 项："},
        BadFileRow{"PointNamedC", ITEM(R"({"kind": "point", "name": "C", "u": 0, "v": 0})"), "templates", "第 1 项："},
        BadFileRow{"ReadyTemplateName",
                   R"("templates": [{"name": "two-columns", "items": [{"kind": "point", "name": "P", "u": 0, "v": 0}]}])",
                   "templates", "第 1 个模板“two-columns”："},
        BadFileRow{"TemplateTwice",
                   R"("templates": [{"name": "t", "items": [{"kind": "point", "name": "P", "u": 0, "v": 0}]},
                                    {"name": "t", "items": [{"kind": "point", "name": "Q", "u": 0, "v": 0}]}])",
                   "templates", "第 2 个模板“t”：这个名称在文件中出现了两次。"},
        BadFileRow{"BridgesNotAList", R"("bridges": 1)", "bridges", "桥：应为一列（bridges）。"},
        BadFileRow{"NoBents", R"("bridges": [{"name": "B", "bents": []}])", "bridges", "第 1 座桥“B”："},
        BadFileRow{"TemplateNotInTheFile", BENT(R"("skew": 90, "axis": "own", "depth": 0, "template": "pier")"), "bridges",
                   "第 1 座桥“B”的第 1 个墩台："},
        BadFileRow{"SkewSquareOff", BENT(R"("skew": 180, "axis": "own", "depth": 0)"), "bridges", "的第 1 个墩台："},
        BadFileRow{"DepthAboveTheDeck", BENT(R"("skew": 90, "axis": "own", "depth": -1.5)"), "bridges",
                   "超出了 0 至 100 m 的范围。"},
        BadFileRow{"SkewMissing", BENT(R"("axis": "own", "depth": 0)"), "bridges", "第 1 个墩台的 skew 缺少。"},
        BadFileRow{"AxisUnknown", BENT(R"("skew": 90, "axis": "skew", "depth": 0)"), "bridges",
                   "第 1 个墩台的 axis 应为“own”或“parallel”。"},
        BadFileRow{"ParallelWithoutDesign", BENT(R"("skew": 90, "axis": "parallel", "depth": 0)"), "bridges",
                   "第 1 个墩台的 design 缺少。"},
        BadFileRow{"OneEdgeOnly", BENT(R"("skew": 90, "axis": "own", "left": 6, "depth": 0)"), "bridges",
                   "第 1 个墩台的 right 缺少。"},
        BadFileRow{"DepthMissing", BENT(R"("skew": 90, "axis": "own")"), "bridges", "第 1 个墩台的 depth 缺少。"},
        BadFileRow{"OccurrenceThree", BENT(R"("stationOccurrence": 3, "skew": 90, "axis": "own", "depth": 0)"), "bridges",
                   "stationOccurrence 应为数值。"},
        BadFileRow{"TemplateNameEmpty", BENT(R"("skew": 90, "axis": "own", "depth": 0, "template": "")"), "bridges",
                   "第 1 个墩台的 template 应为一个名称（文字）。"},
        BadFileRow{"BentNameNotAscii", R"("bridges": [{"name": "B", "bents": [{"name": "墩1", "station": 4100, "skew": 90,
                   "axis": "own", "depth": 0}]}])", "bridges", "第 1 座桥“B”的第 1 个墩台：名称“墩1”"},
        BadFileRow{"BridgeTwice", R"("bridges": [{"name": "B", "bents": [{"name": "1", "station": 4100, "skew": 90,
                   "axis": "own", "depth": 0}]}, {"name": "B", "bents": []}])", "bridges",
                   "第 2 座桥“B”：这个名称在文件中出现了两次。"}),
    testing::RowName<BadFileRow>);

}  // namespace
}  // namespace capset
