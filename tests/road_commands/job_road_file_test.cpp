// The job file keeps the road: a job with a road of its own saves as
// version 3 and reads back the very same input, the JD stations the drawings
// print with it; version 1 and 2 files open as before; a bad road in a file
// is refused naming the field and the reason.

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "dialogue_replay.h"
#include "file_texts.h"
#include "job_file.h"
#include "table.h"

namespace capset {
namespace {

TypedStart BaseStart() {
  TypedStart start;
  start.decimal = ".";
  for (const auto& [k, v] : std::map<std::string, std::string>{{"KZH", "1000"}, {"X", "1000"}, {"Y", "2000"},
                                                               {"T", "45"}, {"R", "0"}, {"A1", "100"},
                                                               {"Kj", "1050"}, {"B", "60"}, {"P", "1"}}) {
    start.answers[k] = v;
  }
  return start;
}

// Numbers no decimal text of fewer than 17 digits holds exactly.
const IntersectionRoadInput kPoints{1000.1 + 1e-10,
                                    {3355206.7360000001, 505412.824},
                                    {{{3355419.3625, 504799.1127}, 816.926, 85, 85},
                                     {{3355594.4553, 504541.0977}, 3329.645, 0, 0},
                                     {{3355776.6199, 504321.7551}, 255, 70, 35.000000000000007}},
                                    {3357232.3079, 503169.2906},
                                    {{1400, 1380.25}, {1900, 1950}}};

const ElementRoadInput kElements{5000,
                                 {3000, 4000},
                                 45 + 30 / 60. + 15 / 3600.,
                                 {{ElementKind::kLine, 100},
                                  {ElementKind::kSpiral, 80, kNoRadius, 300, TurnSide::kRight},
                                  {ElementKind::kArc, 50, 300, kNoRadius, TurnSide::kRight},
                                  {ElementKind::kSpiral, 60, 300, 900, TurnSide::kLeft},
                                  {ElementKind::kSpiral, 40, 900, kNoRadius, TurnSide::kLeft}},
                                 {{5150, 5140}}};

// The element road with the joints a LandXML file states, where the chain puts them.
ElementRoadInput ElementsWithStatedJoints() {
  ElementRoadInput in = kElements;
  const Road road = *RoadFromElements(in).road;
  in.elements[3].statedStart = road.At(road.elements()[3].start)->point;
  in.elements[4].statedEnd = road.At(road.length())->point;
  return in;
}

TEST(JobFileRoad, BothFormsComeBackExactly) {
  for (const RoadInput& road : {RoadInput(kPoints), RoadInput(ElementsWithStatedJoints())}) {
    const JobFile job{BaseStart(), std::nullopt, road};
    const std::string text = WriteJobFile(job);
    EXPECT_NE(text.find("\"version\": 3"), std::string::npos);
    const auto read = ReadJobFile(text);
    ASSERT_TRUE(std::holds_alternative<JobFile>(read)) << JobRefusedMessage("f", std::get<JobFileProblem>(read));
    EXPECT_EQ(std::get<JobFile>(read), job);
    EXPECT_EQ(WriteJobFile(std::get<JobFile>(read)), text);
  }
}

TEST(JobFileRoad, AJobWithoutARoadHasNoRoadKey) {
  const std::string text = WriteJobFile({BaseStart(), std::nullopt});
  EXPECT_NE(text.find("\"version\": 3"), std::string::npos);
  EXPECT_EQ(text.find("road"), std::string::npos);
}

// A file of version 1 knows no road: a key of that name is not read.
TEST(JobFileRoad, VersionOneIgnoresAKeyNamedRoad) {
  std::string text = WriteJobFile({BaseStart(), std::nullopt});
  text.replace(text.find("\"version\": 3"), 12, "\"version\": 1");
  text.insert(text.rfind('}'), R"(, "road": {"form": "nonsense"})");
  const auto read = ReadJobFile(text);
  ASSERT_TRUE(std::holds_alternative<JobFile>(read));
  EXPECT_FALSE(std::get<JobFile>(read).road);
}

// The stations the drawings print for JD1, JD3 and EP (JD2's left out):
// kept as given, never laid.
IntersectionRoadInput WithPrintedStations() {
  IntersectionRoadInput in = kPoints;
  in.jds[0].station = 1854.40037453;
  in.jds[2].station = -20.000000000000004;
  in.epStation = 3777.817;
  return in;
}

TEST(JobFileRoad, PrintedStationsComeBackAndAJdWithoutOneStaysWithout) {
  const JobFile job{BaseStart(), std::nullopt, RoadInput(WithPrintedStations())};
  const std::string text = WriteJobFile(job);
  EXPECT_NE(text.find("\"version\": 3"), std::string::npos);
  const auto read = ReadJobFile(text);
  ASSERT_TRUE(std::holds_alternative<JobFile>(read)) << JobRefusedMessage("f", std::get<JobFileProblem>(read));
  EXPECT_EQ(std::get<JobFile>(read), job);
  const auto& jds = std::get<IntersectionRoadInput>(*std::get<JobFile>(read).road).jds;
  EXPECT_FALSE(jds[1].station);
  EXPECT_EQ(WriteJobFile(std::get<JobFile>(read)), text);
}

// A file of version 2 opens as it always did: it has no printed stations,
// and a key of that name in it is not one of its fields.
TEST(JobFileRoad, VersionTwoOpensAsBefore) {
  std::string text = WriteJobFile({BaseStart(), std::nullopt, RoadInput(WithPrintedStations())});
  text.replace(text.find("\"version\": 3"), 12, "\"version\": 2");
  const auto read = ReadJobFile(text);
  ASSERT_TRUE(std::holds_alternative<JobFile>(read)) << JobRefusedMessage("f", std::get<JobFileProblem>(read));
  EXPECT_EQ(std::get<IntersectionRoadInput>(*std::get<JobFile>(read).road), kPoints);
  std::string beyond = WriteJobFile({BaseStart(), std::nullopt, RoadInput(kPoints)});
  beyond.replace(beyond.find("\"version\": 3"), 12, "\"version\": 2");
  beyond.insert(beyond.find("\"Ls2\""), "\"station\": \"K1+000\", ");
  ASSERT_TRUE(std::holds_alternative<JobFile>(ReadJobFile(beyond)));
}

struct BadRoadRow {
  const char* name;
  const char* road;   // the "road" object as written
  const char* field;  // the field the refusal names
  const char* says;
};

class BadRoadInAFile : public ::testing::TestWithParam<BadRoadRow> {};

TEST_P(BadRoadInAFile, IsRefusedNamingTheFieldAndTheReason) {
  std::string text = WriteJobFile({BaseStart(), std::nullopt, RoadInput(kPoints)});
  const std::size_t at = text.find("\"road\"");
  text = text.substr(0, at) + "\"road\": " + GetParam().road + "\n}\n";
  const auto read = ReadJobFile(text);
  ASSERT_TRUE(std::holds_alternative<JobFileProblem>(read));
  const JobFileProblem& problem = std::get<JobFileProblem>(read);
  EXPECT_EQ(problem.field, GetParam().field);
  EXPECT_GT(problem.line, 0);
  const std::string message = JobRefusedMessage("bridge.capjob", problem);
  EXPECT_NE(message.find("bridge.capjob"), std::string::npos);
  EXPECT_NE(message.find(GetParam().says), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadRoadInAFile,
    ::testing::Values(
        BadRoadRow{"NotAnObject", "[1]", "road", "路线：应为一组字段"},
        BadRoadRow{"UnknownForm", R"({"form": "spline"})", "road", "form 应为"},
        BadRoadRow{"JdsNotAList",
                   R"({"form": "intersections", "station": 0, "bp": {"X": 0, "Y": 0}, "jds": 5, "ep": {"X": 1, "Y": 1}, "equations": []})",
                   "road.jds", "路线的交点"},
        BadRoadRow{"RadiusAsText",
                   R"({"form": "intersections", "station": 0, "bp": {"X": 0, "Y": 0}, "jds": [{"X": 100, "Y": 0, "R": "300", "Ls1": 0, "Ls2": 0}], "ep": {"X": 100, "Y": 100}, "equations": []})",
                   "road.jds", "JD1 的 R 应为数值"},
        BadRoadRow{"RadiusNegative",
                   R"({"form": "intersections", "station": 0, "bp": {"X": 0, "Y": 0}, "jds": [{"X": 100, "Y": 0, "R": -300, "Ls1": 0, "Ls2": 0}], "ep": {"X": 100, "Y": 100}, "equations": []})",
                   "road.jds", "JD1 的半径 R 为 -300.000 m，半径须大于 0"},
        BadRoadRow{"EpMissing",
                   R"({"form": "intersections", "station": 0, "bp": {"X": 0, "Y": 0}, "jds": [], "equations": []})",
                   "road.ep", "ep 应为一组坐标"},
        BadRoadRow{"ElementKindUnknown",
                   R"({"form": "elements", "station": 0, "X": 0, "Y": 0, "azimuth": 0, "elements": [{"kind": "clothoid", "L": 5}], "equations": []})",
                   "road.elements", "第 1 个线元的 kind 应为"},
        BadRoadRow{"SpiralRadiusWord",
                   R"({"form": "elements", "station": 0, "X": 0, "Y": 0, "azimuth": 0, "elements": [{"kind": "spiral", "L": 5, "R1": "infinite", "R2": 100, "turn": "left"}], "equations": []})",
                   "road.elements", "R1 应为数值或“inf”"},
        BadRoadRow{"EquationBeyondTheEnd",
                   R"({"form": "elements", "station": 0, "X": 0, "Y": 0, "azimuth": 0, "elements": [{"kind": "line", "L": 100}], "equations": [{"back": 500, "ahead": 400}]})",
                   "road.equations", "超出了路线终点"},
        BadRoadRow{"RadiusATenthOfAMicrometre",
                   R"({"form": "intersections", "station": 0, "bp": {"X": 0, "Y": 0}, "jds": [{"X": 1000, "Y": 0, "R": 1e-7, "Ls1": 166, "Ls2": 166}], "ep": {"X": 1000, "Y": 1000}, "equations": []})",
                   "road.jds", "JD1 的半径 R 为 0.0000001 m，超出了 0.001 至 1000000 m 的范围。"},
        BadRoadRow{"SpiralsTurnFarBeyondTheJd",
                   R"({"form": "intersections", "station": 0, "bp": {"X": 0, "Y": 0}, "jds": [{"X": 1000, "Y": 0, "R": 0.001, "Ls1": 166, "Ls2": 166}], "ep": {"X": 1000, "Y": 1000}, "equations": []})",
                   "road.jds", "缓和曲线过长"},
        BadRoadRow{"BpFarBeyondAnyGrid",
                   R"({"form": "intersections", "station": 0, "bp": {"X": 1e160, "Y": 0}, "jds": [], "ep": {"X": 1000, "Y": 1000}, "equations": []})",
                   "road.bp", "起点 的 X 为 1e+160 m，超出了 -100000000 至 100000000 m 的范围。"},
        BadRoadRow{"EquationStationHuge",
                   R"({"form": "elements", "station": 0, "X": 0, "Y": 0, "azimuth": 0, "elements": [{"kind": "line", "L": 100}], "equations": [{"back": 1e308, "ahead": 5}]})",
                   "road.equations", "断前桩号 为 1e+308 m，超出了 -100000000 至 100000000 m 的范围。"},
        BadRoadRow{"JdStationAsText",
                   R"({"form": "intersections", "station": 0, "bp": {"X": 0, "Y": 0}, "jds": [{"X": 1000, "Y": 0, "R": 300, "Ls1": 0, "Ls2": 0, "station": "K1+000"}], "ep": {"X": 1000, "Y": 1000}, "equations": []})",
                   "road.jds", "JD1 的 station 应为数值。"},
        BadRoadRow{"JdStationBeyondAnyChainage",
                   R"({"form": "intersections", "station": 0, "bp": {"X": 0, "Y": 0}, "jds": [{"X": 1000, "Y": 0, "R": 300, "Ls1": 0, "Ls2": 0, "station": 1e300}], "ep": {"X": 1000, "Y": 1000}, "equations": []})",
                   "road.jds", "JD1 的桩号 为 1e+300 m，超出了 -100000000 至 100000000 m 的范围。"},
        BadRoadRow{"EpStationAsAGroup",
                   R"({"form": "intersections", "station": 0, "bp": {"X": 0, "Y": 0}, "jds": [{"X": 1000, "Y": 0, "R": 300, "Ls1": 0, "Ls2": 0}], "ep": {"X": 1000, "Y": 1000, "station": {}}, "equations": []})",
                   "road.ep", "路线的 ep 的 station 应为数值。"}),
    testing::RowName<BadRoadRow>);

std::string Script(const std::string& lines) {
  return "@start\n1000\n1000\n2000\n45\n150\n100\n1050\n60\n1\n" + lines;
}

// Through the session: @save writes the road, @open brings it back (the
// road dropped since is unsaved work, and the open asks), and a job whose
// road is refused changes nothing.
TEST(JobFileRoad, SaveAndOpenCarryTheRoad) {
  std::istringstream in(Script("@road\nbp 1000 3000 4000\njd 3800 4300 600 120 100\njd 4600 4200 400 0\nep 5500 4900\n@end\n"
                               "@save a.capjob\n@keypoints\n@road job\n@open a.capjob\n不保存\n@keypoints\n"));
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay target(lines, out, {});
  PlayScript(lines, target, out);
  std::vector<std::string> keys;
  std::istringstream transcript(out.str());
  for (std::string line; std::getline(transcript, line);) {
    if (line.starts_with("KEY")) keys.push_back(line);
    EXPECT_FALSE(line.starts_with("MESSAGE")) << line;
  }
  ASSERT_EQ(keys.size(), 20u);
  EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + 10), std::vector<std::string>(keys.begin() + 10, keys.end()));
  ASSERT_TRUE(target.Session().RoadSource());
  EXPECT_EQ(std::get<IntersectionRoadInput>(*target.Session().RoadSource()).jds.size(), 2u);
}

// The road's commands carry no printed stations, but a job opened with them
// keeps them: @save writes them back as they came.
TEST(JobFileRoad, OpenAndSaveKeepThePrintedStations) {
  const std::string saved = WriteJobFile({BaseStart(), std::nullopt, RoadInput(WithPrintedStations())});
  std::istringstream in("@open a.capjob\n@save b.capjob\n");
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay target(lines, out, {});
  target.Files().files["a.capjob"] = saved;
  PlayScript(lines, target, out);
  EXPECT_EQ(out.str().find("MESSAGE"), std::string::npos) << out.str();
  EXPECT_EQ(target.Files().files["b.capjob"], saved);
}

TEST(JobFileRoad, ABadRoadOpensNothing) {
  std::string bad = WriteJobFile({BaseStart(), std::nullopt, RoadInput(kPoints)});
  const std::size_t at = bad.find("816.926");
  bad.replace(at, 7, "-816.926");
  std::istringstream in(Script("@road\nstart 0 0 0 0\nline 500\n@end\n@open bad.capjob\n@at 100\n"));
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay target(lines, out, {});
  target.Files().files["bad.capjob"] = bad;
  PlayScript(lines, target, out);
  EXPECT_NE(out.str().find("MESSAGE 无法打开作业文件“bad.capjob”：第 "), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("路线的交点：JD1 的半径 R 为 -816.926 m"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("AT\t100\t0\t100.000000\t0.000000"), std::string::npos);
  EXPECT_EQ(target.Job().R, 150);
}

}  // namespace
}  // namespace capset
