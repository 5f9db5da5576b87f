// LandXML read and written: files laid out independently (make_files.py,
// 40-digit integrals), hostile files, a round trip, a file far larger than
// what the reader may hold.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QBuffer>
#include <QByteArray>
#include <QStringEncoder>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

#include "landxml_read.h"
#include "landxml_text.h"
#include "landxml_texts.h"
#include "landxml_write.h"
#include "table.h"

namespace capset {
namespace {

const std::string kData = CAPSET_LANDXML_DATA;

using testing::ReadText;

// The file's alignment `name` as the road it makes, or the test fails.
Road RoadOf(const std::variant<LandXmlFile, LandXmlProblem>& read, std::optional<std::string> name, RoadInput* input = nullptr) {
  EXPECT_TRUE(std::holds_alternative<LandXmlFile>(read)) << LandXmlRefusedMessage("f", std::get<LandXmlProblem>(read));
  const auto chosen = ChooseAlignment(std::get<LandXmlFile>(read), name);
  if (const auto* p = std::get_if<LandXmlProblem>(&chosen)) ADD_FAILURE() << LandXmlRefusedMessage("f", *p);
  const RoadInput& in = std::get<RoadInput>(chosen);
  if (input) *input = in;
  return *BuildRoad(in).road;
}

double Gap(PlanePoint a, PlanePoint b) { return std::hypot(a.X - b.X, a.Y - b.Y); }

// The joints the file states: each element's start, then the last end.
std::vector<PlanePoint> StatedJoints(const LandXmlFile& file, std::size_t which) {
  const auto& elements = std::get<ElementRoadInput>(file.alignments.at(which).road).elements;
  std::vector<PlanePoint> joints;
  for (const ElementInput& e : elements) joints.push_back(*e.statedStart);
  joints.push_back(*elements.back().statedEnd);
  return joints;
}

TEST(LandXmlFiles, TwoCurvesReadAsTheDrawingsTableWithEveryJointOnTheFilesPoints) {
  const auto read = ReadLandXmlFile(QString::fromStdString(kData + "/two_curves.xml"));
  RoadInput input;
  const Road road = RoadOf(read, std::nullopt, &input);
  ASSERT_TRUE(std::holds_alternative<IntersectionRoadInput>(input));
  EXPECT_EQ(std::get<IntersectionRoadInput>(input).jds.size(), 2u);
  std::vector<PlanePoint> keys;
  std::vector<std::string> names;
  for (const KeyPoint& k : road.keyPoints()) {
    if (k.kind == KeyPointKind::kQZ) continue;
    keys.push_back(k.point);
    names.push_back(KeyPointName(k));
  }
  EXPECT_EQ(names, (std::vector<std::string>{"BP", "ZH1", "HY1", "YH1", "HZ1", "ZH2", "HY2", "YH2", "HZ2", "EP"}));
  const std::vector<PlanePoint> joints = StatedJoints(std::get<LandXmlFile>(read), 0);
  ASSERT_EQ(joints.size(), keys.size());
  for (std::size_t i = 0; i < keys.size(); ++i) EXPECT_LT(Gap(keys[i], joints[i]), 1e-5) << names[i];  // the file's micrometres
  // 1370.5 m from K12+000, less the 19.5 m of the 长链 at K12+500.
  EXPECT_NEAR(road.length(), 1370.5, 1e-9);
  EXPECT_NEAR(road.lastStation(), 12000 + 1370.5 - 19.5, 1e-9);
    EXPECT_GT(road.curves()[0].turn, 0);  // cw: to the right
  EXPECT_LT(road.curves()[1].turn, 0);
}

TEST(LandXmlFiles, AnEggCurveStaysAnElementRoadOnTheFilesPoints) {
  const auto read = ReadLandXmlFile(QString::fromStdString(kData + "/egg_curve.xml"));
  RoadInput input;
  const Road road = RoadOf(read, std::nullopt, &input);
  ASSERT_TRUE(std::holds_alternative<ElementRoadInput>(input));
  const std::vector<PlanePoint> joints = StatedJoints(std::get<LandXmlFile>(read), 0);
  ASSERT_EQ(road.elements().size() + 1, joints.size());
  for (std::size_t i = 0; i < road.elements().size(); ++i) {
    EXPECT_LT(Gap(road.PoseAt(road.elements()[i].start).point, joints[i]), 1e-8) << i;
  }
  EXPECT_LT(Gap(road.PoseAt(road.length()).point, joints.back()), 1e-8);
  EXPECT_EQ(road.firstStation(), 300);
}

TEST(LandXmlFiles, OfTwoAlignmentsTheOneNamedBlanksIncluded) {
  const auto read = ReadLandXmlFile(QString::fromStdString(kData + "/two_alignments.xml"));
  ASSERT_TRUE(std::holds_alternative<LandXmlFile>(read));
  const auto& file = std::get<LandXmlFile>(read);
  ASSERT_EQ(file.alignments.size(), 2u);
  EXPECT_EQ(file.alignments[1].name, "A 匝道");
  EXPECT_NEAR(file.alignments[1].length, 240, 1e-9);
  const Road ramp = RoadOf(read, "A 匝道");
  EXPECT_NEAR(ramp.length(), 240, 1e-6);
  EXPECT_EQ(ramp.firstStation(), 0);
  const std::vector<PlanePoint> joints = StatedJoints(file, 1);
  EXPECT_LT(Gap(ramp.PoseAt(ramp.length()).point, joints.back()), 1e-5);
  const auto none = ChooseAlignment(file, std::nullopt);
  ASSERT_TRUE(std::holds_alternative<LandXmlProblem>(none));
  EXPECT_EQ(LandXmlRefusedMessage("two_alignments.xml", std::get<LandXmlProblem>(none)),
            "无法读入路线文件“two_alignments.xml”：元素 <Alignments>：文件中有多条路线，请指明读哪一条：“主线”、“A 匝道”。\n"
            "路线没有改变。");
}

// Written and read again: the same road, key point by key point.
struct RoundTripRow {
  std::string name;
  RoadInput input;
  bool asTable;  // read back as the intersection-point table
};

class LandXmlRoundTrip : public ::testing::TestWithParam<RoundTripRow> {};

TEST_P(LandXmlRoundTrip, GivesTheSameKeyPoints) {
  const RoundTripRow& row = GetParam();
  const Road road = *BuildRoad(row.input).road;
  const std::string xml = WriteLandXml(road, "K 线");
  // A straight end is INF, never the radius of a curvature that rounding left at 1e-19.
  EXPECT_EQ(xml.find("e+"), std::string::npos);
  RoadInput back;
  const Road again = RoadOf(ReadText(xml), std::nullopt, &back);
  EXPECT_EQ(std::holds_alternative<IntersectionRoadInput>(back), row.asTable);
  ASSERT_EQ(road.keyPoints().size(), again.keyPoints().size());
  for (std::size_t i = 0; i < road.keyPoints().size(); ++i) {
    const KeyPoint &a = road.keyPoints()[i], &b = again.keyPoints()[i];
    EXPECT_EQ(KeyPointName(a), KeyPointName(b));
    EXPECT_LT(Gap(a.point, b.point), 1e-6) << KeyPointName(a);
    EXPECT_NEAR(a.station.value, b.station.value, 1e-6) << KeyPointName(a);
  }
  EXPECT_NEAR(road.lastStation(), again.lastStation(), 1e-6);
}

const RoundTripRow kRoundTrips[] = {
    {"SpiralCurveAndPlainArcWithAnEquation",
     IntersectionRoadInput{1000, {3000, 4000}, {{{3800, 4300}, 600, 120, 100}, {{4600, 4200}, 400, 0, 0}}, {5500, 4900},
                           {{1500, 1510}}},
     true},
    {"GridCoordinatesLeftAndRight",
     IntersectionRoadInput{25000, {3400000, 500000}, {{{3401000, 500300}, 800, 150, 150}, {{3402000, 500100}, 500, 90, 120}},
                           {3403000, 500600}, {}},
     true},
    {"EggCurveAsElements",
     ElementRoadInput{0, {100, 200}, 33.25,
                      {{ElementKind::kLine, 50}, {ElementKind::kSpiral, 60, kNoRadius, 300, TurnSide::kLeft},
                       {ElementKind::kArc, 40, 300, kNoRadius, TurnSide::kLeft},
                       {ElementKind::kSpiral, 30, 300, 150, TurnSide::kLeft},
                       {ElementKind::kArc, 20, 150, kNoRadius, TurnSide::kLeft}},
                      {{80, 70}}},
     false},
};
INSTANTIATE_TEST_SUITE_P(Roads, LandXmlRoundTrip, ::testing::ValuesIn(kRoundTrips), testing::RowName<RoundTripRow>);

// Files that give no road: each refusal names the element, its line and why.
struct HostileRow {
  std::string name;
  std::string xml;
  LandXmlFault fault;
  std::string says;  // a part of the message
};

class LandXmlHostile : public ::testing::TestWithParam<HostileRow> {};

TEST_P(LandXmlHostile, IsRefusedWithItsReason) {
  const HostileRow& row = GetParam();
  const auto read = ReadText(row.xml);
  std::optional<LandXmlProblem> problem;
  if (const auto* p = std::get_if<LandXmlProblem>(&read)) {
    problem = *p;
  } else {
    const auto chosen = ChooseAlignment(std::get<LandXmlFile>(read), std::nullopt);
    ASSERT_TRUE(std::holds_alternative<LandXmlProblem>(chosen));
    problem = std::get<LandXmlProblem>(chosen);
  }
  EXPECT_EQ(problem->fault, row.fault);
  const std::string message = LandXmlRefusedMessage("bad.xml", *problem);
  EXPECT_NE(message.find("“bad.xml”"), std::string::npos) << message;
  EXPECT_NE(message.find(row.says), std::string::npos) << message;
  EXPECT_EQ(message.find("root:"), std::string::npos) << message;
}

const std::string kHead = "<?xml version=\"1.0\"?>\n<LandXML version=\"1.2\">\n";
const std::string kLines =
    "<Line length=\"100\"><Start>1000 2000</Start><End>1100 2000</End></Line>\n";

std::string Alignment(const std::string& name, const std::string& geometry) {
  return "<Alignment name=\"" + name + "\" staStart=\"0\"><CoordGeom>\n" + geometry + "</CoordGeom></Alignment>\n";
}

const HostileRow kHostile[] = {
    {"BillionLaughs",
     "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n <!ENTITY lol \"lol\">\n"
     " <!ENTITY lol2 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">\n"
     " <!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">\n"
     " <!ENTITY lol9 \"&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;\">\n]>\n<LandXML>&lol9;</LandXML>\n",
     LandXmlFault::kEntity, "元素 <DOCTYPE>：文件声明或引用了实体"},
    {"ExternalEntityNamingThePasswordFile",
     "<?xml version=\"1.0\"?><!DOCTYPE x [<!ENTITY e SYSTEM \"file:///etc/passwd\">]><LandXML>&e;</LandXML>",
     LandXmlFault::kEntity, "不读取文件之外的内容"},
    {"DocumentTypeAlone",
     "<?xml version=\"1.0\"?>\n<!DOCTYPE LandXML SYSTEM \"http://example.invalid/landxml.dtd\">\n<LandXML/>",
     LandXmlFault::kDtd, "第 2 行，元素 <DOCTYPE>：文件带有文档类型声明"},
    {"EntityReferenceWithoutDeclaration", kHead + "<Alignments>&e;</Alignments></LandXML>", LandXmlFault::kEntity,
     "实体"},
    {"NotWellFormed", kHead + "<Alignments>\n</LandXML>\n", LandXmlFault::kNotWellFormed, "不是格式正确的 XML"},
    {"CutShort", kHead + "<Alignments>\n" + Alignment("a", kLines), LandXmlFault::kCutShort, "文件在此处中断"},
    {"NotLandXml", "<?xml version=\"1.0\"?>\n<html><body/></html>", LandXmlFault::kNotLandXml, "根元素是“html”"},
    {"NoAlignment", kHead + "<Surfaces><Surface/></Surfaces></LandXML>", LandXmlFault::kNoAlignment, "没有路线"},
    {"SeveralWithoutAName", kHead + "<Alignments>" + Alignment("甲", kLines) + Alignment("", kLines) + "</Alignments></LandXML>",
     LandXmlFault::kChooseAlignment, "“甲”、“（无名称）”"},
    {"SpiralNotAClothoid",
     kHead + "<Alignments>" +
         Alignment("a", kLines + "<Spiral length=\"50\" radiusStart=\"INF\" radiusEnd=\"300\" rot=\"cw\" spiType=\"cubic\">"
                             "<Start>1100 2000</Start><End>1150 2001</End></Spiral>\n") +
         "</Alignments></LandXML>",
     LandXmlFault::kSpiralType, "第 5 行，元素 <Spiral>：缓和曲线的类型是“cubic”，本程序只读回旋线"},
    {"JointFiveMillimetresOff",
     kHead + "<Alignments>" +
         Alignment("a", kLines + "<Line length=\"50\"><Start>1100 2000.005</Start><End>1150 2000.005</End></Line>\n") +
         "</Alignments></LandXML>",
     LandXmlFault::kRoad, "第 5 行，元素 <Line>：线元的起点与前面线元推算的位置相差 5 毫米"},
    {"LengthsInFurlongs", kHead + "<Units><Imperial linearUnit=\"furlong\"/></Units><Alignments>" + Alignment("a", kLines) +
                          "</Alignments></LandXML>",
     LandXmlFault::kUnits, "长度单位是“furlong”"},
    {"ImperialWithoutAUnit", kHead + "<Units><Imperial/></Units><Alignments>" + Alignment("a", kLines) +
                                 "</Alignments></LandXML>",
     LandXmlFault::kUnits, "长度单位是“Imperial”"},
    {"FeetDeclaredAfterAnAlignmentReadInMetres",
     kHead + "<Alignments>" + Alignment("a", kLines) + "</Alignments><Units><Imperial linearUnit=\"foot\"/></Units></LandXML>",
     LandXmlFault::kUnitsLate, "单位（Units）须写在路线之前"},
    {"CoordinateOfAnotherPlanet",
     kHead + "<Alignments>" + Alignment("a", "<Line><Start>1e160 0</Start><End>1e160 100</End></Line>") + "</Alignments></LandXML>",
     LandXmlFault::kPointOutOfRange, "点“1e160 0”超出了 -100000000 至 100000000 m 的范围"},
    {"CoordinateInFeetBeyondOnceInMetres",
     kHead + "<Units><Imperial linearUnit=\"foot\"/></Units><Alignments>" +
         Alignment("a", "<Line><Start>4e8 0</Start><End>4e8 100</End></Line>") + "</Alignments></LandXML>",
     LandXmlFault::kPointOutOfRange, "点“4e8 0”超出了"},
    {"RadiusOf1e308",
     kHead + "<Alignments>" + Alignment("a", "<Curve rot=\"cw\" radius=\"1e308\" length=\"10\"><Start>0 0</Start><End>10 0</End></Curve>") +
         "</Alignments></LandXML>",
     LandXmlFault::kOutOfRange, "属性 radius 的值“1e308”超出了 0.001 至 1000000 m 的范围"},
    {"SubnormalSpiralLength",
     kHead + "<Alignments>" +
         Alignment("a", "<Spiral length=\"1e-320\" radiusStart=\"INF\" radiusEnd=\"300\" rot=\"cw\" spiType=\"clothoid\">"
                        "<Start>0 0</Start><End>0 0</End></Spiral>") +
         "</Alignments></LandXML>",
     LandXmlFault::kOutOfRange, "属性 length 的值“1e-320”超出了"},
    {"LineLongerThanAnyRoadFromItsPoints",
     kHead + "<Alignments>" + Alignment("a", "<Line><Start>0 0</Start><End>5e7 0</End></Line>") + "</Alignments></LandXML>",
     LandXmlFault::kOutOfRange, "属性 length 的值“50000000”超出了"},
    {"StartStationBeyond",
     kHead + "<Alignments><Alignment name=\"a\" staStart=\"-2e8\"><CoordGeom>" + kLines + "</CoordGeom></Alignment></Alignments></LandXML>",
     LandXmlFault::kOutOfRange, "属性 staStart 的值“-2e8”超出了"},
    {"AnElementTheRoadHasNot",
     kHead + "<Alignments>" + Alignment("a", "<IrregularLine><Start>0 0</Start></IrregularLine>") + "</Alignments></LandXML>",
     LandXmlFault::kUnknownElement, "元素 <IrregularLine>"},
    {"RotNeitherWay",
     kHead + "<Alignments>" + Alignment("a", "<Curve rot=\"up\" radius=\"100\" length=\"10\"><Start>0 0</Start><End>10 0</End></Curve>") +
         "</Alignments></LandXML>",
     LandXmlFault::kBadRot, "“up”"},
    {"LengthNotANumber",
     kHead + "<Alignments>" + Alignment("a", "<Line length=\"1O0\"><Start>0 0</Start><End>100 0</End></Line>") +
         "</Alignments></LandXML>",
     LandXmlFault::kBadNumber, "属性 length 的值“1O0”不是数值"},
    {"PointByReference",
     kHead + "<Alignments>" + Alignment("a", "<Line><Start pntRef=\"P1\"/><End>100 0</End></Line>") + "</Alignments></LandXML>",
     LandXmlFault::kPointReference, "pntRef=“P1”"},
    {"StatedLengthNotTheElementsSum",
     kHead + "<Alignments><Alignment name=\"a\" length=\"120\"><CoordGeom>" + kLines + "</CoordGeom></Alignment></Alignments></LandXML>",
     LandXmlFault::kLengthMismatch, "length=“120”"},
};
INSTANTIATE_TEST_SUITE_P(Files, LandXmlHostile, ::testing::ValuesIn(kHostile), testing::RowName<HostileRow>);

// A straight of 100 m from (1000, 2000) at 30°, then an arc of R 300 to
// the right over 150 m, from station 1000, written in the file's unit
// (`metresPerUnit` metres each). `jointOff` moves the arc's start east by
// that many of the file's units.
std::string LineAndArc(const std::string& units, double metresPerUnit, double jointOff = 0) {
  const double a = 30 * std::numbers::pi / 180, R = 300, L = 150;
  const PlanePoint p0{1000, 2000}, p1{p0.X + 100 * std::cos(a), p0.Y + 100 * std::sin(a)};
  const PlanePoint c{p1.X + R * std::cos(a + std::numbers::pi / 2), p1.Y + R * std::sin(a + std::numbers::pi / 2)};
  const double from = std::atan2(p1.Y - c.Y, p1.X - c.X) + L / R;
  const PlanePoint p2{c.X + R * std::cos(from), c.Y + R * std::sin(from)};
  auto n = [&](double metres) {
    char text[48];
    std::snprintf(text, sizeof text, "%.9f", metres / metresPerUnit);
    return std::string(text);
  };
  auto pt = [&](PlanePoint p, double east = 0) { return n(p.X) + " " + n(p.Y + east * metresPerUnit); };
  return kHead + units + "<Alignments><Alignment name=\"a\" staStart=\"" + n(1000) + "\"><CoordGeom>\n" +
         "<Line length=\"" + n(100) + "\"><Start>" + pt(p0) + "</Start><End>" + pt(p1) + "</End></Line>\n" +
         "<Curve rot=\"cw\" radius=\"" + n(R) + "\" length=\"" + n(L) + "\"><Start>" + pt(p1, jointOff) +
         "</Start><Center>" + pt(c) + "</Center><End>" + pt(p2) + "</End></Curve>\n</CoordGeom></Alignment></Alignments></LandXML>";
}

struct UnitRow {
  const char* name;
  std::string units;  // the Units element as the file writes it
  double metresPerUnit;
  std::string linearUnit;  // as the file read says
};

class LandXmlUnits : public ::testing::TestWithParam<UnitRow> {};

// Whatever the unit, the road read is the one in metres: every key point
// within a micrometre of the arc's closed form and of the metric file's.
TEST_P(LandXmlUnits, AreReadAsTheSameRoadInMetres) {
  const UnitRow& row = GetParam();
  const auto metric = ReadText(LineAndArc("<Units><Metric linearUnit=\"meter\"/></Units>", 1));
  const auto read = ReadText(LineAndArc(row.units, row.metresPerUnit));
  ASSERT_TRUE(std::holds_alternative<LandXmlFile>(read)) << LandXmlRefusedMessage("f", std::get<LandXmlProblem>(read));
  EXPECT_EQ(std::get<LandXmlFile>(read).linearUnit, row.linearUnit);
  EXPECT_EQ(std::get<LandXmlFile>(read).metresPerUnit, row.metresPerUnit);
  const Road expected = RoadOf(metric, std::nullopt), road = RoadOf(read, std::nullopt);
  ASSERT_EQ(road.keyPoints().size(), expected.keyPoints().size());
  for (std::size_t i = 0; i < road.keyPoints().size(); ++i) {
    const KeyPoint &k = road.keyPoints()[i], &e = expected.keyPoints()[i];
    EXPECT_NEAR(k.station.value, e.station.value, 1e-6) << i;
    EXPECT_LT(Gap(k.point, e.point), 1e-6) << i;
  }
  // The arc's end by its closed form: 150 m of R 300 turn the tangent 28.6479°.
  EXPECT_NEAR(road.lastStation(), 1250, 1e-6);
  EXPECT_NEAR(road.keyPoints().back().azimuth, 30 + 150.0 / 300 * 180 / std::numbers::pi, 1e-9);
}

const UnitRow kUnits[] = {
    {"Metres", "<Units><Metric linearUnit=\"meter\"/></Units>", 1, "meter"},
    {"NoUnitsAtAllAreMetres", "", 1, "meter"},
    {"USSurveyFeet", "<Units><Imperial linearUnit=\"USSurveyFoot\"/></Units>", 1200.0 / 3937.0, "USSurveyFoot"},
    {"InternationalFeet", "<Units><Imperial linearUnit=\"foot\"/></Units>", 0.3048, "foot"},
};
INSTANTIATE_TEST_SUITE_P(Files, LandXmlUnits, ::testing::ValuesIn(kUnits), testing::RowName<UnitRow>);

// A joint is judged to 1 mm in metres, not in the file's unit: 0.0030 ft
// (0.91 mm) off is a joint, 0.0036 ft (1.10 mm) is not.
TEST(LandXmlUnits, JointsAreJudgedToTheMillimetreInMetres) {
  const std::string feet = "<Units><Imperial linearUnit=\"foot\"/></Units>";
  const auto near = ReadText(LineAndArc(feet, 0.3048, 0.0030));
  RoadOf(near, std::nullopt);
  const auto off = ReadText(LineAndArc(feet, 0.3048, 0.0036));
  ASSERT_TRUE(std::holds_alternative<LandXmlFile>(off));
  const auto chosen = ChooseAlignment(std::get<LandXmlFile>(off), std::nullopt);
  ASSERT_TRUE(std::holds_alternative<LandXmlProblem>(chosen));
  EXPECT_EQ(std::get<LandXmlProblem>(chosen).fault, LandXmlFault::kRoad);
}

TEST(LandXmlFiles, EquationsListedOutOfOrderGoInTheOrderTheirPlacesSay) {
  const std::string xml = kHead + "<Alignments><Alignment name=\"a\" staStart=\"1000\"><CoordGeom>" +
                          "<Line><Start>0 0</Start><End>1000 0</End></Line></CoordGeom>"
                          "<StaEquation staInternal=\"1700\" staBack=\"1690\" staAhead=\"1700\"/>"
                          "<StaEquation staInternal=\"1300\" staBack=\"1300\" staAhead=\"1290\"/>"
                          "</Alignment></Alignments></LandXML>";
  RoadInput input;
  const Road road = RoadOf(ReadText(xml), std::nullopt, &input);
  EXPECT_EQ(std::get<ElementRoadInput>(input).equations, (std::vector<StationEquation>{{1300, 1290}, {1690, 1700}}));
  EXPECT_NEAR(road.lastStation(), 2000, 1e-9);  // 10 m long, 10 m short
}

// Design offices in China often write their files in GB2312 or GBK.
TEST(LandXmlFiles, AFileInGb2312ReadsItsChineseNames) {
  QStringEncoder encode("GB2312");
  if (!encode.isValid()) GTEST_SKIP() << "this toolkit has no GB2312";
  const QString text = QString::fromStdString("<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<LandXML><Alignments>" +
                                              Alignment("主线", kLines) + "</Alignments></LandXML>");
  QByteArray bytes = encode(text);
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  const auto read = ReadLandXml(buffer);
  ASSERT_TRUE(std::holds_alternative<LandXmlFile>(read)) << LandXmlRefusedMessage("g.xml", std::get<LandXmlProblem>(read));
  EXPECT_EQ(std::get<LandXmlFile>(read).alignments.at(0).name, "主线");
}

// Zero-length elements between others add nothing; dir never turns a road.
TEST(LandXmlFiles, ZeroLengthElementsAreSkippedAndDirIsNotRead) {
  const std::string xml = kHead + "<Alignments>" +
                          Alignment("a", "<Line length=\"100\" dir=\"45\"><Start>0 0</Start><End>0 100</End></Line>\n"
                                         "<Curve rot=\"cw\" radius=\"100\" length=\"0\"><Start>0 100</Start><End>0 100</End></Curve>\n"
                                         "<Line dir=\"270\"><Start>0 100</Start><End>0 150</End></Line>\n") +
                          "</Alignments></LandXML>";
  RoadInput input;
  const Road road = RoadOf(ReadText(xml), std::nullopt, &input);
  ASSERT_TRUE(std::holds_alternative<ElementRoadInput>(input));
  EXPECT_EQ(std::get<ElementRoadInput>(input).elements.size(), 2u);
  EXPECT_NEAR(std::get<ElementRoadInput>(input).azimuth, 90, 1e-12);
  EXPECT_NEAR(road.length(), 150, 1e-12);
}

// A device that makes a file of `megabytes` of terrain points and one road
// as it is read, so the file is never anywhere whole.
class TerrainDevice : public QIODevice {
 public:
  explicit TerrainDevice(int megabytes) : left_(static_cast<qint64>(megabytes) << 20) { open(ReadOnly); }
  bool isSequential() const override { return true; }

 protected:
  qint64 readData(char* data, qint64 most) override {
    qint64 n = 0;
    while (n < most) {
      if (pending_.isEmpty()) {
        if (stage_ == 0) pending_ = QByteArray::fromStdString(kHead + "<Surfaces><Surface><Definition><Pnts>\n");
        else if (left_ > 0) pending_ = "<P id=\"" + QByteArray::number(++point_) + "\">3400000.125 500000.25 101.5</P>\n";
        else if (stage_ == 1) pending_ = QByteArray::fromStdString("</Pnts></Definition></Surface></Surfaces><Alignments>" +
                                                                   Alignment("a", kLines) + "</Alignments></LandXML>\n");
        else return n == 0 ? -1 : n;
        if (stage_ == 0) stage_ = 1;
        else if (left_ > 0) left_ -= pending_.size();
        else stage_ = 2;
      }
      const qint64 take = std::min<qint64>(most - n, pending_.size());
      std::memcpy(data + n, pending_.constData(), take);
      pending_.remove(0, take);
      n += take;
    }
    return n;
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  qint64 left_;
  int stage_ = 0;
  qint64 point_ = 0;
  QByteArray pending_;
};

long MaxResidentKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

TEST(LandXmlFiles, TerrainOfOverAHundredMegabytesIsPassedOverInBoundedMemory) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "AddressSanitizer holds freed memory in quarantine and maps shadow memory beside it, so the "
                  "peak resident size no longer measures what the reader keeps; the Release build measures it";
#endif
  const long before = MaxResidentKilobytes();
  TerrainDevice device(120);
  const auto read = ReadLandXml(device);
  ASSERT_TRUE(std::holds_alternative<LandXmlFile>(read));
  EXPECT_EQ(std::get<LandXmlFile>(read).alignments.size(), 1u);
  EXPECT_LT(MaxResidentKilobytes() - before, 32 * 1024);
}

TEST(LandXmlFiles, OneTextLongerThanAnyRoadFileHasIsRefusedBeforeItIsHeld) {
  const std::string xml = kHead + "<Surfaces><Pnts>" + std::string(kLongestLandXmlRun + 10, '7') + "</Pnts></Surfaces></LandXML>";
  const auto read = ReadText(xml);
  ASSERT_TRUE(std::holds_alternative<LandXmlProblem>(read));
  EXPECT_EQ(std::get<LandXmlProblem>(read).fault, LandXmlFault::kTextTooLong);
  EXPECT_NE(LandXmlRefusedMessage("t.xml", std::get<LandXmlProblem>(read)).find("超过 16 MB"), std::string::npos);
}

}  // namespace
}  // namespace capset
