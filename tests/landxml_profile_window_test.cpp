// A road file's profile through cap_replay's window: read with its road
// and checked against the independent computation, refused on its own
// (the road still comes in) naming the file, the element and the reason,
// the job's profile kept or replaced as the user is told, written by
// @export landxml and read back the same.

#include <gtest/gtest.h>

#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>
#include <sstream>
#include <string>
#include <vector>

#include "fresh_replay.h"
#include "main_window_fixture.h"
#include "table.h"

namespace capset {
namespace {

const std::string kData = CAPSET_LANDXML_DATA;

std::vector<std::string> LinesStarting(const std::string& out, const std::string& tag) {
  std::vector<std::string> lines;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with(tag)) lines.push_back(line);
  }
  return lines;
}

void Write(const std::string& path, const std::string& text) {
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text.data(), static_cast<qint64>(text.size()));
}

// A straight road K5+000 … K5+600 with `equations`, its profile `profAlign`.
std::string RoadFile(const std::string& profAlign, const std::string& equations = "") {
  return "<?xml version=\"1.0\"?>\n<LandXML version=\"1.2\"><Alignments>\n"
         "<Alignment name=\"A\" staStart=\"5000\" length=\"600\">\n"
         "<CoordGeom><Line length=\"600\"><Start>0 0</Start><End>600 0</End></Line></CoordGeom>" +
         equations + "\n<Profile>\n<ProfAlign name=\"设计\">\n" + profAlign + "</ProfAlign>\n</Profile>\n</Alignment></Alignments></LandXML>\n";
}

// A circle of R 5000 between +3 % and −3 %: its arc is 2R·atan 0.03 (mpmath).
constexpr double kCircleArc = 299.910048568778996765;
std::string CircleRows(double statedLength) {
  return "<PVI>5000 10</PVI>\n<CircCurve radius=\"5000\" length=\"" + std::to_string(statedLength) +
         "\">5300 19</CircCurve>\n<PVI>5600 10</PVI>\n";
}

// Profiles that are refused on their own: the road comes in, the message
// names the file, the profile, the element (its line and row) and why, and
// the job has no profile.
struct RefusedRow {
  std::string name;
  std::string file;
  std::vector<std::string> says;
};

class RefusedFileProfile : public ::testing::TestWithParam<RefusedRow> {};

TEST_P(RefusedFileProfile, TheRoadComesInWithoutIt) {
  const RefusedRow& row = GetParam();
  QTemporaryDir dir;
  const std::string path = dir.filePath("p.xml").toStdString();
  Write(path, row.file);
  const std::string out = testing::FreshReplay("@landxml " + path + "\n@keypoints\n@z 5300\n");
  const std::vector<std::string> messages = LinesStarting(out, "MESSAGE ");
  ASSERT_EQ(messages.size(), 2u) << out;
  EXPECT_NE(messages[0].find("无法读入路线文件“p.xml”中的纵断面“设计”："), std::string::npos) << messages[0];
  for (const std::string& part : row.says) EXPECT_NE(messages[0].find(part), std::string::npos) << part << "\n" << messages[0];
  EXPECT_TRUE(messages[0].ends_with("路线已读入，但没有纵断面。")) << messages[0];
  EXPECT_FALSE(LinesStarting(out, "KEY\t").empty()) << out;     // the road is the file's
  EXPECT_NE(messages[1].find("还没有纵断面"), std::string::npos);  // and there are no heights
}

const RefusedRow kRefused[] = {
    {"OverlappingCurvesNamingBothPvis",
     RoadFile("<PVI>5000 10</PVI>\n<ParaCurve length=\"200\">5200 14</ParaCurve>\n"
              "<ParaCurve length=\"200\">5350 12</ParaCurve>\n<PVI>5600 15</PVI>\n"),
     {"元素 <ParaCurve>（文件第 8 行，纵断面第 2 行变坡点）与元素 <ParaCurve>（文件第 9 行，纵断面第 3 行变坡点）", "重叠"}},
    {"StationBeforeTheRoad", RoadFile("<PVI>4990 10</PVI>\n<PVI>5600 15</PVI>\n"),
     {"元素 <PVI>（文件第 7 行，纵断面第 1 行变坡点）", "K4+990", "起点", "须在它所属路线的桩号范围之内"}},
    {"StationAfterTheRoad", RoadFile("<PVI>5000 10</PVI>\n<PVI>5600.5 15</PVI>\n"),
     {"元素 <PVI>（文件第 8 行，纵断面第 2 行变坡点）", "K5+600.500"}},
    {"StationInTheGapOfAShortChain",
     RoadFile("<PVI>5000 10</PVI>\n<PVI>5305 15</PVI>\n<PVI>5500 15</PVI>\n",
              "<StaEquation staBack=\"5300\" staAhead=\"5310\"/>"),
     {"纵断面第 2 行变坡点", "K5+305"}},
    {"StationEitherPassOfALongChain",
     RoadFile("<PVI>5000 10</PVI>\n<PVI>5295 15</PVI>\n<PVI>5500 15</PVI>\n",
              "<StaEquation staBack=\"5300\" staAhead=\"5290\"/>"),
     {"纵断面第 2 行变坡点", "K5+295"}},
    {"CircleLongerByMoreThanAMillimetre", RoadFile(CircleRows(kCircleArc + 0.0011)),
     {"元素 <CircCurve>（文件第 8 行，纵断面第 2 行变坡点）", "299.910"}},
    {"CircleShorterByMoreThanAMillimetre", RoadFile(CircleRows(kCircleArc - 0.0011)), {"<CircCurve>", "299.909"}},
    {"PviNotANumber", RoadFile("<PVI>5000 10</PVI>\n<PVI>5600 l5</PVI>\n"),
     {"元素 <PVI>（文件第 8 行，纵断面第 2 行变坡点）", "“5600 l5”不是“桩号 高程”两个数值"}},
    {"OneRowAlone", RoadFile("<PVI>5000 10</PVI>\n"), {"元素 <ProfAlign>（文件第 6 行）", "至少要有两个变坡点"}},
    {"ACurveOnTheFirstRow", RoadFile("<ParaCurve length=\"50\">5000 10</ParaCurve>\n<PVI>5600 15</PVI>\n"),
     {"纵断面第 1 行变坡点"}},
    {"StationsGoingBack", RoadFile("<PVI>5000 10</PVI>\n<PVI>5400 15</PVI>\n<PVI>5300 15</PVI>\n"),
     {"元素 <PVI>（文件第 9 行，纵断面第 3 行变坡点）"}},
};
INSTANTIATE_TEST_SUITE_P(Files, RefusedFileProfile, ::testing::ValuesIn(kRefused), testing::RowName<RefusedRow>);

TEST(FileProfile, ACircleWithinAMillimetreOfItsLengthIsRead) {
  for (const double off : {0.0009, -0.0009}) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("p.xml").toStdString();
    Write(path, RoadFile(CircleRows(kCircleArc + off)));
    const std::string out = testing::FreshReplay("@landxml " + path + "\n@z 5300\n");
    EXPECT_TRUE(LinesStarting(out, "MESSAGE ").empty()) << out;
    // The circle's middle lies R(1/cos θ − 1) = 5000(√1.0009 − 1) below the PVI (mpmath).
    EXPECT_EQ(LinesStarting(out, "Z\t"), std::vector<std::string>{"Z\t5300\t\t16.750506\t0.000000\t-2.000000\t-2.000000"});
  }
}

// The metres file of landxml_profile_golden.py end to end: the textbook's
// 425.455 and 425.280, and each other kind of curve, to the printed digit.
TEST(FileProfile, ElevationsOfTheMetresFileAsComputedIndependently) {
  const std::string out = testing::FreshReplay("@landxml " + kData + "/profile_metres.xml\n@z K5+010\n@z K5+080\n@z 5250\n"
                                               "@z 5450\n@z 5700\n@z 5900\n");
  EXPECT_TRUE(LinesStarting(out, "MESSAGE ").empty()) << out;
  std::vector<std::string> elevations;
  for (const std::string& line : LinesStarting(out, "Z\t")) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string f; std::getline(in, f, '\t');) fields.push_back(f);
    elevations.push_back(fields.at(3));
  }
  EXPECT_EQ(elevations, (std::vector<std::string>{"425.455000", "425.280000", "419.280000", "414.479167", "417.014441",
                                                  "413.780000"}));
}

TEST(FileProfile, AFileInFeetSaysSoAndGivesMetres) {
  // 2000 ft = 609.601219202438 m, the ParaCurve's PVI.
  const std::string out = testing::FreshReplay("@landxml " + kData + "/profile_feet.xml\n@z 609.601219202438\n");
  const std::vector<std::string> notices = LinesStarting(out, "NOTICE ");
  ASSERT_EQ(notices.size(), 1u) << out;
  EXPECT_NE(notices[0].find("USSurveyFoot"), std::string::npos);
  EXPECT_NE(notices[0].find("纵断面的高程"), std::string::npos);
  const std::vector<std::string> z = LinesStarting(out, "Z\t");
  ASSERT_EQ(z.size(), 1u) << out;
  EXPECT_NE(z[0].find("\t157.962916\t0.250000\t"), std::string::npos) << z[0];
}

// What becomes of the job's own profile, as the user is told.
struct JobProfileRow {
  std::string name;
  std::string script;  // FILE stands for the file imported, DIR for a folder of the test's own
  std::string file;
  std::vector<std::string> lines;  // MESSAGE, NOTICE, PROMPT and Z lines, each a part of one, in order
};

class JobProfileOnImport : public ::testing::TestWithParam<JobProfileRow> {};

TEST_P(JobProfileOnImport, IsAsTheUserIsTold) {
  const JobProfileRow& row = GetParam();
  QTemporaryDir dir;
  std::string file = row.file;
  if (file.starts_with("<")) {
    file = dir.filePath("p.xml").toStdString();
    Write(file, row.file);
  }
  std::string script = row.script;
  for (std::size_t at; (at = script.find("FILE")) != std::string::npos;) script.replace(at, 4, file);
  for (std::size_t at; (at = script.find("DIR")) != std::string::npos;) script.replace(at, 3, dir.path().toStdString());
  const std::string out = testing::FreshReplay(script);
  std::vector<std::string> said;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) {
    for (const char* tag : {"MESSAGE ", "NOTICE ", "PROMPT ", "Z\t"}) {
      if (line.starts_with(tag)) said.push_back(line);
    }
  }
  ASSERT_EQ(said.size(), row.lines.size()) << out;
  for (std::size_t i = 0; i < said.size(); ++i) EXPECT_NE(said[i].find(row.lines[i]), std::string::npos) << said[i];
}

const std::string kTyped = "@profile\npvi 12000 100\npvi 12300 103 2000\npvi 12600 100\n@end\n";
const std::string kTypedOnFileRoad = "@profile\npvi 5000 20\npvi 5600 26\n@end\n";

const JobProfileRow kJobProfiles[] = {
    {"AFileWithoutOneKeepsTheJobs", kTyped + "@landxml FILE\n@z 12100\n", kData + "/two_curves.xml",
     {"NOTICE 路线文件“two_curves.xml”中没有纵断面，作业原有的纵断面保留", "Z\t12100\t\t101.000000"}},
    {"AKeptOneOffTheNewRoadSaysWhy", "@profile\npvi 0 100\npvi 600 106\n@end\n@landxml FILE\n@z 12100\n",
     kData + "/two_curves.xml", {"但它与新路线不符", "MESSAGE "}},
    {"TheFilesReplacesTheJobsAndSaysSo", kTyped + "@landxml FILE\n不保存\n@z K5+010\n", kData + "/profile_metres.xml",
     {"PROMPT 当前作业的纵断面还没有保存", "NOTICE 作业原有的纵断面已换为路线文件“profile_metres.xml”中的纵断面“设计线”（6 个变坡点）", "Z\tK5+010\t\t425.455000"}},
    {"ARefusedOneLeavesTheJobsAsItWas", kTypedOnFileRoad + "@landxml FILE\n@z 5300\n",
     RoadFile("<PVI>5000 10</PVI>\n<PVI>5600 x</PVI>\n"), {"作业原有的纵断面没有改变", "Z\t5300\t\t23.000000"}},
    {"OfSeveralTheFirstIsReadTheOthersNamed", "@landxml FILE\n@z 5300\n",
     RoadFile("<PVI>5000 10</PVI>\n<PVI>5600 16</PVI>\n</ProfAlign>\n<ProfAlign name=\"比较线\">\n<PVI>5000 1</PVI>\n"),
     {"NOTICE 路线文件“p.xml”中这条路线有 2 个设计纵断面（ProfAlign）：读入的是第一个“设计”，没有读入“比较线”", "Z\t5300\t\t13.000000"}},
    {"NoProfileAnywhereSaysNothing", "@landxml FILE\n@z 12100\n", kData + "/two_curves.xml", {"MESSAGE 还没有纵断面"}},
    {"AnUnsavedProfileItWouldReplaceIsAskedAbout", kTypedOnFileRoad + "@landxml FILE\n@cancel\n@z 5300\n",
     RoadFile("<PVI>5000 10</PVI>\n<PVI>5600 16</PVI>\n"),
     {"PROMPT 当前作业的纵断面还没有保存。换用路线文件中的纵断面之前，要先保存作业吗？", "Z\t5300\t\t23.000000"}},
    {"ToldNotToSaveItIsReplaced", kTypedOnFileRoad + "@landxml FILE\n不保存\n@z 5300\n",
     RoadFile("<PVI>5000 10</PVI>\n<PVI>5600 16</PVI>\n"), {"PROMPT ", "NOTICE 作业原有的纵断面已换为", "Z\t5300\t\t13.000000"}},
    {"ASavedProfileIsNotAskedAbout", kTypedOnFileRoad + "@save DIR/j.capjob\n@landxml FILE\n@z 5300\n",
     RoadFile("<PVI>5000 10</PVI>\n<PVI>5600 16</PVI>\n"), {"NOTICE 作业原有的纵断面已换为", "Z\t5300\t\t13.000000"}},
    {"AProfileThatWouldBeRefusedIsNotAskedAbout", kTypedOnFileRoad + "@landxml FILE\n@z 5300\n",
     RoadFile("<PVI>5000 10</PVI>\n<PVI>5700 16</PVI>\n"), {"作业原有的纵断面没有改变", "Z\t5300\t\t23.000000"}},
};
INSTANTIATE_TEST_SUITE_P(Scripts, JobProfileOnImport, ::testing::ValuesIn(kJobProfiles), testing::RowName<JobProfileRow>);

// Typed, written, read back: the same curves and the same heights, each
// kind of curve, across a station equation.
TEST(FileProfile, WrittenAndReadBackTheSame) {
  QTemporaryDir dir;
  const std::string xml = dir.filePath("r.xml").toStdString();
  const std::string asks = "@vcurves\n@z 1010\n@z 1180\n@z 1375\n@z 1420\n@z 1600\n@z 1690\n@z 1790\n@z 1995\n";
  const std::string out = testing::FreshReplay(
      "@road\nbp 1000 3000 4000\njd 3800 4300 600 120 100\njd 4600 4200 400 0\nep 5500 4900\nequation 1500 1510\n@end\n"
      "@profile\npvi 1000 100\npvi 1200 106 2000\npvi 1400 104 lengths 50 70\npvi 1600 107 circle 4000\n"
      "pvi 1700 105 length 40\npvi 1800 106\npvi 2000 104\n@end\n" +
      asks + "@export landxml " + xml + "\n@landxml " + xml + "\n不保存\n" + asks);
  const std::vector<std::string> curves = LinesStarting(out, "VCURVE\t"), z = LinesStarting(out, "Z\t");
  ASSERT_EQ(curves.size(), 8u) << out;
  ASSERT_EQ(z.size(), 16u) << out;
  EXPECT_EQ(std::vector<std::string>(curves.begin(), curves.begin() + 4), std::vector<std::string>(curves.begin() + 4, curves.end()));
  EXPECT_EQ(std::vector<std::string>(z.begin(), z.begin() + 8), std::vector<std::string>(z.begin() + 8, z.end()));
  QFile file(QString::fromStdString(xml));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const std::string text = file.readAll().toStdString();
  EXPECT_NE(text.find("<ParaCurve length=\"80\">1200 106</ParaCurve>"), std::string::npos) << text;
  EXPECT_NE(text.find("<UnsymParaCurve lengthIn=\"50\" lengthOut=\"70\">1400 104</UnsymParaCurve>"), std::string::npos);
  EXPECT_NE(text.find("<CircCurve length=\"143.141982836\" radius=\"4000\">1600 107</CircCurve>"), std::string::npos);
}

// A 变坡点 in a 长链 (K1+490 … K1+500 twice) is written as its number
// alone: written when the order of the rows leaves it one place, which it
// reads back at; otherwise left out, and the user is told which row.
struct LongChainExportRow {
  std::string name;
  std::string rows;
  std::string ask;   // a station to ask before and after
  std::string told;  // a part of the notice; empty: the profile is written
};

class LongChainExport : public ::testing::TestWithParam<LongChainExportRow> {};

TEST_P(LongChainExport, WritesWhatReadsBackTheSame) {
  const LongChainExportRow& row = GetParam();
  QTemporaryDir dir;
  const std::string xml = dir.filePath("r.xml").toStdString();
  const std::string out = testing::FreshReplay("@road\nbp 1000 3000 4000\nep 2000 4000\nequation 1500 1490\n@end\n@profile\n" +
                                               row.rows + "@end\n@z " + row.ask + "\n@export landxml " + xml + "\n@landxml " +
                                               xml + "\n不保存\n@z " + row.ask + "\n");
  const std::vector<std::string> notices = LinesStarting(out, "NOTICE "), z = LinesStarting(out, "Z\t");
  ASSERT_EQ(z.size(), 2u) << out;
  EXPECT_EQ(z[0], z[1]);
  if (row.told.empty()) {
    EXPECT_TRUE(notices.empty()) << out;  // read back row for row as typed, places and all: nothing replaced
  } else {
    ASSERT_FALSE(notices.empty()) << out;
    EXPECT_NE(notices[0].find(row.told), std::string::npos) << notices[0];
  }
}

const LongChainExportRow kLongChainExports[] = {
    {"OrderLeavesOnePlace", "pvi 1000 100\npvi 1495(1) 103\npvi 1492(2) 104\npvi 1800 101\n", "1492(2)", ""},
    {"EitherPlaceWouldDo", "pvi 1000 100\npvi 1495(2) 103\npvi 1800 101\n", "1495(2)",
     "第 2 行变坡点 K1+495.000(2) 在长链范围内"},
};
INSTANTIATE_TEST_SUITE_P(Rows, LongChainExport, ::testing::ValuesIn(kLongChainExports), testing::RowName<LongChainExportRow>);

TEST(FileProfile, AProfileOffTheRoadIsNotWrittenAndTheUserIsTold) {
  QTemporaryDir dir;
  const std::string xml = dir.filePath("r.xml").toStdString();
  const std::string out = testing::FreshReplay(
      "@road\nbp 1000 3000 4000\nep 2000 4000\n@end\n@profile\npvi 1000 100\npvi 2000 110\n@end\n"
      "@road\nbp 0 3000 4000\nep 2700 4000\n@end\n@export landxml " + xml + "\n");
  const std::vector<std::string> notices = LinesStarting(out, "NOTICE ");
  ASSERT_EQ(notices.size(), 1u) << out;
  EXPECT_NE(notices[0].find("路线已导出到“r.xml”，但没有写入纵断面：第 1 行变坡点：桩号 K1+000.000 在路线终点 K0+300.000 之后。"),
            std::string::npos)
      << notices[0];
  EXPECT_NE(notices[0].find("须在它所属路线的桩号范围之内"), std::string::npos) << notices[0];
  QFile file(QString::fromStdString(xml));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_FALSE(file.readAll().contains("Profile"));
}

// In the window: the status line says the profile came with the road; a
// file without one keeps the job's, and the user is told.
class FileProfileWindow : public MainWindowTest {};

TEST_F(FileProfileWindow, TheStatusLineSaysTheProfileCameWithTheRoad) {
  ASSERT_TRUE(window_.ImportRoadFrom(QString::fromStdString(kData + "/profile_metres.xml"), std::nullopt));
  EXPECT_TRUE(window_.statusBar()->currentMessage().endsWith(QStringLiteral("及其纵断面“设计线”")))
      << window_.statusBar()->currentMessage().toStdString();
  ASSERT_TRUE(window_.Session().ProfileSource().has_value());
  EXPECT_EQ(window_.Session().ProfileSource()->rows.size(), 6u);
  ASSERT_NE(window_.Session().Heights(), nullptr);
  Answer("不保存\n");
  ASSERT_TRUE(window_.ImportRoadFrom(QString::fromStdString(kData + "/two_curves.xml"), std::nullopt));
  EXPECT_FALSE(window_.statusBar()->currentMessage().contains(QStringLiteral("纵断面")));
  ASSERT_EQ(reporter_.notices.size(), 1u);
  EXPECT_NE(reporter_.notices[0].find("作业原有的纵断面保留"), std::string::npos);
  EXPECT_NE(reporter_.notices[0].find("但它与新路线不符"), std::string::npos);  // K4+800… on a road from K12+000
  EXPECT_EQ(window_.Session().ProfileSource()->rows.size(), 6u);
}

}  // namespace
}  // namespace capset
