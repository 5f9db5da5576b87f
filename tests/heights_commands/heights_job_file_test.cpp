// The job file keeps the profile and the cross-section as typed (version
// 3): they come back exactly, older files open as before, a bad one is
// refused naming the field and the reason with nothing changed, and a
// profile changed since the save is unsaved work.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "dialogue_replay.h"
#include "file_texts.h"
#include "job_file.h"
#include "refused_job_file.h"
#include "table.h"

namespace capset {
namespace {

// Every kind of row, a station in a 长链, numbers no short decimal holds.
ProfileInput EveryRow() {
  ProfileInput p;
  p.rows = {{{4800.1 + 1e-10}, 416.18},
            {{5030}, 427.68, VerticalCurveKind::kRadius, 2000},
            {{5090, 2}, 425.5, VerticalCurveKind::kRadius, 0},
            {{5400}, 420.000000000000057, VerticalCurveKind::kAsymmetric, 0, 80, 120},
            {{5600}, 421, VerticalCurveKind::kLength, 0, 150},
            {{5900}, 418, VerticalCurveKind::kCircle, 3000, 0},
            {{6000}, 417, VerticalCurveKind::kCircle, 3000, 59.99},
            {{6100}, 417}};
  return p;
}

CrossSectionInput EverySection() {
  CrossSectionInput s;
  s.crown = 1.5;
  s.leftWidth = 6.25;
  s.rightWidth = 9.5;
  s.design = -6.25;
  SuperInput byStations;
  byStations.ts = {5000};
  byStations.fs = {5060, 1};
  byStations.fe = {5200.5};
  byStations.te = {5260};
  byStations.e = 6;
  byStations.inner = SectionSide::kLeft;
  byStations.axis = SuperAxis::kInnerEdge;
  SuperInput byJd;
  byJd.jd = 3;
  byJd.e = 4.5;
  byJd.axis = SuperAxis::kOuterEdge;
  s.transitions = {byStations, byJd};
  s.slopes = {{{5000}, -2, -2}, {{5100, 2}, -4, 4}};
  return s;
}

TypedStart NoStart() { return TypedStart{".", {}}; }

TEST(HeightsJobFile, ProfileAndSectionComeBackExactly) {
  JobFile job{NoStart(), std::nullopt};
  job.profile = EveryRow();
  job.section = EverySection();
  const std::string text = WriteJobFile(job);
  EXPECT_NE(text.find("\"version\": 3"), std::string::npos);
  EXPECT_NE(text.find("\"stationOccurrence\": 2"), std::string::npos);
  const auto read = ReadJobFile(text);
  ASSERT_TRUE(std::holds_alternative<JobFile>(read)) << JobRefusedMessage("f", std::get<JobFileProblem>(read));
  EXPECT_EQ(std::get<JobFile>(read), job);
  EXPECT_EQ(WriteJobFile(std::get<JobFile>(read)), text);
}

TEST(HeightsJobFile, TheNormalCrownAloneIsNotWritten) {
  JobFile job{NoStart(), std::nullopt};
  job.profile = EveryRow();
  const std::string text = WriteJobFile(job);
  EXPECT_EQ(text.find("\"section\""), std::string::npos);
  EXPECT_EQ(std::get<JobFile>(ReadJobFile(text)).section, CrossSectionInput{});
}

// A file of version 2 knows no heights: keys of those names are not read,
// and the rest opens as it always did.
TEST(HeightsJobFile, VersionTwoOpensAsBefore) {
  JobFile job{NoStart(), std::nullopt, RoadInput(ElementRoadInput{4000, {0, 0}, 0, {{ElementKind::kLine, 2000}}, {}})};
  std::string text = WriteJobFile(job);
  text.replace(text.find("\"version\": 3"), 12, "\"version\": 2");
  text.insert(text.rfind('}'), R"(, "profile": "nonsense", "section": 5)");
  const auto read = ReadJobFile(text);
  ASSERT_TRUE(std::holds_alternative<JobFile>(read)) << JobRefusedMessage("f", std::get<JobFileProblem>(read));
  EXPECT_EQ(std::get<JobFile>(read), job);
  EXPECT_FALSE(std::get<JobFile>(read).profile);
}

struct BadFileRow {
  const char* name;
  const char* heights;  // keys added to a job of a road alone
  const char* field;
  const char* says;
};

class BadHeightsInAFile : public ::testing::TestWithParam<BadFileRow> {};

TEST_P(BadHeightsInAFile, IsRefusedNamingTheFieldAndTheReason) {
  const BadFileRow& row = GetParam();
  const std::string text =
      WriteJobFile({NoStart(), std::nullopt, RoadInput(ElementRoadInput{4000, {0, 0}, 0, {{ElementKind::kLine, 2000}}, {}})});
  testing::ExpectRefused(testing::WithKeys(text, row.heights), JobFileFault::kBadHeights, row.field, row.says);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadHeightsInAFile,
    ::testing::Values(
        BadFileRow{"ProfileNotAList", R"("profile": {"station": 1})", "profile", "纵断面：应为一列（profile）。"},
        BadFileRow{"RowNotAGroup", R"("profile": [5])", "profile", "第 1 行变坡点 应为一组字段"},
        BadFileRow{"ElevationMissing", R"("profile": [{"station": 4100}])", "profile", "第 1 行变坡点的 H 缺少。"},
        BadFileRow{"StationAsText", R"("profile": [{"station": "K4+100", "H": 1}])", "profile", "第 1 行变坡点的 station 应为数值。"},
        BadFileRow{"CurveUnknown", R"("profile": [{"station": 4100, "H": 1, "curve": "spline"}])", "profile",
                   "第 1 行变坡点的 curve 应为“radius”、“length”、“lengths”或“circle”。"},
        BadFileRow{"OccurrenceZero", R"("profile": [{"station": 4100, "stationOccurrence": 0, "H": 1}])", "profile",
                   "stationOccurrence 应为数值"},
        BadFileRow{"SectionNotAGroup", R"("section": [])", "section", "横断面 应为一组字段"},
        BadFileRow{"AxisUnknown", R"("section": {"super": [{"jd": 2, "e": 4, "axis": "middle"}]})", "section",
                   "第 1 个超高过渡段的 axis 应为“centre”、“inner”或“outer”。"},
        BadFileRow{"JdNotWhole", R"("section": {"super": [{"jd": 2.5, "e": 4}]})", "section.super",
                   "第 1 个超高过渡段的 jd 应为数值"},
        BadFileRow{"SlopesNotAList", R"("section": {"slopes": 3})", "section.slopes", "应为一列（slopes）"}),
    testing::RowName<BadFileRow>);

struct Played {
  std::string out;
  std::optional<ProfileInput> profile;
};

Played Play(const std::string& script, const std::map<std::string, std::string>& files = {}) {
  std::istringstream in(script);
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay target(lines, out, {});
  for (const auto& [name, text] : files) target.Files().files[name] = text;
  PlayScript(lines, target, out);
  return {out.str(), target.Session().ProfileSource()};
}

const char kLongChainRoad[] = "@road\nstart K4+000 0 0 0\nline 2000\nequation 5100 5050\n@end\n";
const char kProfile[] = "@profile\npvi K4+800 100\npvi K5+080(2) 103.2 1000\npvi K5+200 104.5\n@end\n";

// @save and @open carry the profile with its place in the 长链, and the
// section; a profile changed since the save is unsaved work.
TEST(HeightsJobFile, SaveAndOpenCarryTheHeights) {
  const Played p = Play(std::string(kLongChainRoad) + kProfile + "@xsec\ncrown 1.5\n@end\n@save a.capjob\n@z K5+070(2) 3\n" +
                        "@open a.capjob\n@profile\npvi 4000 1\npvi 5900 2\n@end\n@open a.capjob\n不保存\n@z K5+070(2) 3\n");
  std::vector<std::string> z, prompts;
  std::istringstream transcript(p.out);
  for (std::string line; std::getline(transcript, line);) {
    if (line.starts_with("Z\t")) z.push_back(line);
    if (line.starts_with("PROMPT")) prompts.push_back(line);
    EXPECT_FALSE(line.starts_with("MESSAGE")) << line;
  }
  ASSERT_EQ(z.size(), 2u);
  EXPECT_EQ(z[0], z[1]);
  EXPECT_EQ(z[0], "Z\tK5+070(2)\t3\t103.058030\t0.969697\t-1.500000\t-1.500000");
  // Opening the saved job over itself asks nothing; over a changed profile it asks.
  ASSERT_EQ(prompts.size(), 1u);
  EXPECT_NE(prompts[0].find("未保存的修改"), std::string::npos);
  ASSERT_TRUE(p.profile);
  EXPECT_EQ(p.profile->rows[1].station, (StationRef{5080, 2}));
}

// A file whose profile does not hold on the road it brings is refused
// before anything changes: the job, its road and its profile stay.
TEST(HeightsJobFile, AProfileThatDoesNotFitOpensNothing) {
  JobFile bad{NoStart(), std::nullopt, RoadInput(ElementRoadInput{4000, {0, 0}, 0, {{ElementKind::kLine, 2000}}, {}})};
  bad.profile = ProfileInput{{{{4100}, 100}, {{4200}, 101, VerticalCurveKind::kRadius, 90000}, {{4300}, 100}}};
  JobFile off = bad;
  off.road = RoadInput(ElementRoadInput{4000, {0, 0}, 0, {{ElementKind::kLine, 2000}}, {{4250, 4350}}});
  off.profile = ProfileInput{{{{4100}, 100}, {{4300}, 101}}};
  const Played p = Play(std::string(kLongChainRoad) + kProfile + "@open bad.capjob\n@open off.capjob\n@z K5+070(2)\n",
                        {{"bad.capjob", WriteJobFile(bad)}, {"off.capjob", WriteJobFile(off)}});
  EXPECT_NE(p.out.find("MESSAGE 无法打开作业文件“bad.capjob”：第 "), std::string::npos) << p.out;
  EXPECT_NE(p.out.find("纵断面：第 2 行变坡点 K4+200.000 的竖曲线越过了纵断面的起点"), std::string::npos) << p.out;
  EXPECT_NE(p.out.find("纵断面：第 2 行变坡点：桩号 K4+300.000 落在短链"), std::string::npos) << p.out;
  EXPECT_NE(p.out.find("Z\tK5+070(2)\t\t103.103030"), std::string::npos) << p.out;
  ASSERT_TRUE(p.profile);
  EXPECT_EQ(p.profile->rows.size(), 3u);
}

}  // namespace
}  // namespace capset
