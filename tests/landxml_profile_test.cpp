// LandXML profiles (Profile/ProfAlign): files laid out independently
// (tests/golden/landxml_profile_golden.py, exact fractions and mpmath) read
// and their elevations checked to 1e-9 m; rows that only the order along
// the road can place; a profile written and read back the same, for chosen
// and random profiles.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <cmath>
#include <random>
#include <string>

#include "landxml_read.h"
#include "landxml_text.h"
#include "landxml_texts.h"
#include "landxml_write.h"
#include "session_files.h"
#include "table.h"

namespace capset {
namespace {

using VK = VerticalCurveKind;
const std::string kData = CAPSET_LANDXML_DATA;

using testing::ReadText;

// A file's only alignment: its road and its profile placed on it.
struct FileRoad {
  Road road;
  RoadFileProfile profile;
};

FileRoad ReadRoad(const std::variant<LandXmlFile, LandXmlProblem>& read) {
  if (const auto* p = std::get_if<LandXmlProblem>(&read)) ADD_FAILURE() << LandXmlRefusedMessage("f", *p);
  const LandXmlFile& file = std::get<LandXmlFile>(read);
  const auto chosen = ChooseAlignment(file, std::nullopt);
  if (const auto* p = std::get_if<LandXmlProblem>(&chosen)) ADD_FAILURE() << LandXmlRefusedMessage("f", *p);
  Road road = *BuildRoad(std::get<RoadInput>(chosen)).road;
  EXPECT_TRUE(file.alignments.front().profile.has_value());
  RoadFileProfile profile = PlacedProfile(file.alignments.front().profile.value_or(RoadFileProfile{}), road);
  return {std::move(road), std::move(profile)};
}

RoadHeights HeightsOf(const FileRoad& f) {
  const auto* input = std::get_if<ProfileInput>(&f.profile.read);
  EXPECT_NE(input, nullptr);
  RoadHeightsBuild built = BuildHeights(input ? *input : ProfileInput{}, CrossSectionInput{}, &f.road);
  EXPECT_FALSE(built.problem.has_value());
  return std::move(*built.heights);
}

// Golden elevations (landxml_profile_golden.py): at a station as the file
// prints it, the elevation and grade of the independent computation.
struct GoldenRow {
  std::string name;
  double station;  // in the file's unit
  double elevation;
  double grade;
};

void ExpectGolden(const std::string& file, double metresPerUnit, const GoldenRow& row) {
  const FileRoad f = ReadRoad(ReadLandXmlFile(QString::fromStdString(kData + "/" + file)));
  const RoadHeights heights = HeightsOf(f);
  const Placement at = f.road.Place({row.station * metresPerUnit});
  ASSERT_EQ(at.status, PlaceStatus::kPlaced);
  const ProfileAnswer answer = heights.profile().At(at.distance);
  ASSERT_TRUE(answer.height.has_value());
  EXPECT_NEAR(answer.height->elevation, row.elevation, 1e-9);
  EXPECT_NEAR(answer.height->grade, row.grade, 1e-12);
}

class MetresFile : public ::testing::TestWithParam<GoldenRow> {};
TEST_P(MetresFile, ElevationAsComputedIndependently) { ExpectGolden("profile_metres.xml", 1, GetParam()); }

// A 短链 K5+200 = K5+210 lies between the ParaCurve and the UnsymParaCurve:
// a station after it is 10 m less along the road.
const GoldenRow kMetres[] = {
    {"At4800", 4800, 416.180000000000, 0.050000000000000},
    {"At4850", 4850, 418.680000000000, 0.050000000000000},
    {"At4940", 4940, 423.180000000000, 0.050000000000000},
    {"At5010", 5010, 425.455000000000, 0.015000000000000},  // the textbook's 425.455
    {"At5030", 5030, 425.655000000000, 0.005000000000000},
    {"At5080", 5080, 425.280000000000, -0.020000000000000},  // the textbook's 425.280
    {"At5120", 5120, 424.080000000000, -0.040000000000000},
    {"At5250", 5250, 419.280000000000, -0.040000000000000},
    {"At5330", 5330, 416.100625000000, -0.035875000000000},
    {"At5400", 5400, 414.600000000000, -0.007000000000000},
    {"At5450", 5450, 414.479166666667, 0.002166666666667},
    {"At5520", 5520, 415.080000000000, 0.015000000000000},
    {"At5650", 5650, 416.889419303594, 0.007500601510435},
    {"At5700", 5700, 417.014440783755, -0.002499617277796},
    {"At5760", 5760, 416.504436611927, -0.014501133898634},
    {"At5900", 5900, 413.780000000000, 0.005000000000000},
    {"At6000", 6000, 414.280000000000, 0.005000000000000},
    {"At6100", 6100, 414.780000000000, 0.005000000000000},
};
INSTANTIATE_TEST_SUITE_P(Stations, MetresFile, ::testing::ValuesIn(kMetres), testing::RowName<GoldenRow>);

class FeetFile : public ::testing::TestWithParam<GoldenRow> {};
TEST_P(FeetFile, ElevationInMetresAsComputedIndependently) {
  ExpectGolden("profile_feet.xml", kUSSurveyFoot, GetParam());
}

const GoldenRow kFeet[] = {
    {"At1000", 1000, 152.400304800610, 0.020000000000000},
    {"At1500", 1500, 155.448310896622, 0.020000000000000},
    {"At1800", 1800, 157.277114554229, 0.020000000000000},
    {"At1900", 1900, 157.753365506731, 0.011250000000000},
    {"At2000", 2000, 157.962915925832, 0.002500000000000},
    {"At2100", 2100, 157.905765811532, -0.006250000000000},
    {"At2200", 2200, 157.581915163830, -0.015000000000000},
    {"At2500", 2500, 156.210312420625, -0.015000000000000},
    {"At2700", 2700, 155.295910591821, -0.015000000000000},
    {"At2850", 2850, 154.767272034544, -0.008125000000000},
    {"At3000", 3000, 154.552959105918, -0.001250000000000},
    {"At3250", 3250, 154.614871729743, 0.002875000000000},
    {"At3500", 3500, 154.991109982220, 0.007000000000000},
    {"At3750", 3750, 155.524511049022, 0.007000000000000},
    {"At4000", 4000, 156.057912115824, 0.007000000000000},
};
INSTANTIATE_TEST_SUITE_P(Stations, FeetFile, ::testing::ValuesIn(kFeet), testing::RowName<GoldenRow>);

TEST(LandXmlProfileRead, RowsInMetresEachWithItsElementAndLineTheGroundPassedOver) {
  const auto read = ReadLandXmlFile(QString::fromStdString(kData + "/profile_feet.xml"));
  const RoadFileProfile& profile = ReadRoad(read).profile;
  EXPECT_EQ(profile.name, "设计线");
  EXPECT_TRUE(profile.others.empty());
  const auto& rows = std::get<ProfileInput>(profile.read).rows;
  ASSERT_EQ(rows.size(), 4u);
  ASSERT_EQ(profile.rows.size(), 4u);
  EXPECT_EQ(profile.rows[1].element, "ParaCurve");
  EXPECT_EQ(profile.rows[2].element, "UnsymParaCurve");
  EXPECT_EQ(profile.rows[2].line, profile.rows[1].line + 1);
  EXPECT_EQ(rows[1].curve, VK::kLength);
  EXPECT_DOUBLE_EQ(rows[1].length, 400 * kUSSurveyFoot);
  EXPECT_EQ(rows[2].curve, VK::kAsymmetric);
  EXPECT_DOUBLE_EQ(rows[2].length, 300 * kUSSurveyFoot);
  EXPECT_DOUBLE_EQ(rows[2].length2, 500 * kUSSurveyFoot);
  EXPECT_DOUBLE_EQ(rows[3].station.value, 4000 * kUSSurveyFoot);
  EXPECT_DOUBLE_EQ(rows[3].elevation, 512 * kUSSurveyFoot);
}

// A plan with its stations; `profile` the content of one Profile element.
std::string PlanWith(const std::string& equations, const std::string& profile) {
  return "<?xml version=\"1.0\"?>\n<LandXML version=\"1.2\"><Alignments>\n"
         "<Alignment name=\"A\" staStart=\"5000\" length=\"600\">\n"
         "<CoordGeom><Line length=\"600\"><Start>0 0</Start><End>600 0</End></Line></CoordGeom>\n" +
         equations + "\n<Profile>" + profile + "</Profile>\n</Alignment></Alignments></LandXML>\n";
}

// Rows whose station a 长链 (K5+200 = K5+190: 5190…5200 twice) holds twice:
// the one place after the row before is taken; two left stay unsaid.
struct LongChainRow {
  std::string name;
  std::string rows;
  std::vector<int> occurrences;  // of each row after placing
};

class LongChainProfile : public ::testing::TestWithParam<LongChainRow> {};

TEST_P(LongChainProfile, TakesTheOnePlaceAfterTheRowBefore) {
  const LongChainRow& row = GetParam();
  const FileRoad f = ReadRoad(ReadText(PlanWith("<StaEquation staBack=\"5200\" staAhead=\"5190\"/>",
                                                "<ProfAlign name=\"d\">" + row.rows + "</ProfAlign>")));
  std::vector<int> occurrences;
  for (const PviInput& r : std::get<ProfileInput>(f.profile.read).rows) occurrences.push_back(r.station.occurrence);
  EXPECT_EQ(occurrences, row.occurrences);
}

const LongChainRow kLongChain[] = {
    {"OutsideTheChainUntouched", "<PVI>5000 10</PVI><PVI>5150 11</PVI><PVI>5300 12</PVI>", {0, 0, 0}},
    {"AStationBelowTheOneBeforeIsTheSecondPass",
     "<PVI>5000 10</PVI><PVI>5195 11</PVI><PVI>5192 12</PVI><PVI>5300 13</PVI>", {0, 1, 2, 0}},
    {"ThreeInTheChainOnlyOneOrder",
     "<PVI>5000 10</PVI><PVI>5192 11</PVI><PVI>5196 12</PVI><PVI>5194 13</PVI><PVI>5300 1</PVI>", {0, 1, 1, 2, 0}},
    {"EitherPlaceWouldDoStaysUnsaid", "<PVI>5000 10</PVI><PVI>5195 11</PVI><PVI>5300 12</PVI>", {0, 0, 0}},
    {"TwoInOrderEitherPassStayUnsaid", "<PVI>5000 10</PVI><PVI>5192 11</PVI><PVI>5196 12</PVI><PVI>5300 1</PVI>",
     {0, 0, 0, 0}},
};
INSTANTIATE_TEST_SUITE_P(Rows, LongChainProfile, ::testing::ValuesIn(kLongChain), testing::RowName<LongChainRow>);

TEST(LongChainProfile, AStationLeftUnsaidIsRefusedNamingItsRow) {
  const FileRoad f = ReadRoad(ReadText(PlanWith("<StaEquation staBack=\"5200\" staAhead=\"5190\"/>",
                                                "<ProfAlign><PVI>5000 10</PVI><PVI>5195 11</PVI><PVI>5300 12</PVI></ProfAlign>")));
  const RoadHeightsBuild built = BuildHeights(std::get<ProfileInput>(f.profile.read), {}, &f.road);
  ASSERT_TRUE(built.problem.has_value());
  const auto* station = std::get_if<HeightsStationProblem>(&*built.problem);
  ASSERT_NE(station, nullptr);
  EXPECT_EQ(station->row, 2);
  EXPECT_EQ(station->placement.status, PlaceStatus::kTwice);
}

// What one element of a ProfAlign may get wrong on its own: refused with
// the element, its line and why; a later ProfAlign only named.
struct ElementRow {
  std::string name;
  std::string profAlign;
  LandXmlFault fault;
  std::string element;
  std::string says;
};

class LandXmlProfileElement : public ::testing::TestWithParam<ElementRow> {};

TEST_P(LandXmlProfileElement, IsRefusedWithItsReasonTheRoadStands) {
  const ElementRow& row = GetParam();
  const auto read = ReadText(PlanWith("", row.profAlign));
  ASSERT_TRUE(std::holds_alternative<LandXmlFile>(read));
  const LandXmlAlignment& a = std::get<LandXmlFile>(read).alignments.front();
  EXPECT_TRUE(std::holds_alternative<ElementRoadInput>(a.road));  // the plan is read whatever the profile
  ASSERT_TRUE(a.profile.has_value());
  const auto* problem = std::get_if<LandXmlProblem>(&a.profile->read);
  ASSERT_NE(problem, nullptr);
  EXPECT_EQ(problem->fault, row.fault);
  EXPECT_EQ(problem->element, row.element);
  EXPECT_EQ(problem->line, 6);
  EXPECT_NE(LandXmlReasonText(*problem).find(row.says), std::string::npos) << LandXmlReasonText(*problem);
}

const ElementRow kElements[] = {
    {"PviNotANumber", "<ProfAlign><PVI>5000 10</PVI><PVI>5100 1O.5</PVI></ProfAlign>", LandXmlFault::kBadPvi, "PVI",
     "“5100 1O.5”不是“桩号 高程”两个数值"},
    {"PviOfThreeNumbers", "<ProfAlign><PVI>5000 10 3</PVI></ProfAlign>", LandXmlFault::kBadPvi, "PVI", "“5000 10 3”"},
    {"PviInfinite", "<ProfAlign><PVI>5000 inf</PVI></ProfAlign>", LandXmlFault::kBadPvi, "PVI", "“5000 inf”"},
    {"PviEmpty", "<ProfAlign><PVI/></ProfAlign>", LandXmlFault::kBadPvi, "PVI", "变坡点“”"},
    {"ParaCurveLengthNotANumber", "<ProfAlign><ParaCurve length=\"1,5\">5100 10</ParaCurve></ProfAlign>",
     LandXmlFault::kBadNumber, "ParaCurve", "属性 length 的值“1,5”不是数值"},
    {"ParaCurveWithoutLength", "<ProfAlign><ParaCurve>5100 10</ParaCurve></ProfAlign>", LandXmlFault::kMissing,
     "ParaCurve", "长度（属性 length）"},
    {"ParaCurveNegative", "<ProfAlign><ParaCurve length=\"-50\">5100 10</ParaCurve></ProfAlign>",
     LandXmlFault::kOutOfRange, "ParaCurve", "属性 length 的值“-50”"},
    {"UnsymWithoutLengthOut", "<ProfAlign><UnsymParaCurve lengthIn=\"60\">5100 10</UnsymParaCurve></ProfAlign>",
     LandXmlFault::kMissing, "UnsymParaCurve", "lengthOut"},
    {"CircleWithoutRadius", "<ProfAlign><CircCurve length=\"60\">5100 10</CircCurve></ProfAlign>",
     LandXmlFault::kMissing, "CircCurve", "半径（属性 radius）"},
    {"CircleOfLengthZero", "<ProfAlign><CircCurve length=\"0\" radius=\"3000\">5100 10</CircCurve></ProfAlign>",
     LandXmlFault::kOutOfRange, "CircCurve", "属性 length 的值“0”"},
    {"ASpiralInAProfile", "<ProfAlign><Spiral length=\"60\">5100 10</Spiral></ProfAlign>",
     LandXmlFault::kUnknownProfileElement, "Spiral", "纵断面只有变坡点"},
};
INSTANTIATE_TEST_SUITE_P(Elements, LandXmlProfileElement, ::testing::ValuesIn(kElements), testing::RowName<ElementRow>);

// A profile that breaks the file itself refuses the whole file, as the plan does.
struct HostileProfileRow {
  std::string name;
  std::string xml;
  LandXmlFault fault;
};

class HostileProfile : public ::testing::TestWithParam<HostileProfileRow> {};

TEST_P(HostileProfile, RefusesTheFile) {
  const auto read = ReadText(GetParam().xml);
  ASSERT_TRUE(std::holds_alternative<LandXmlProblem>(read));
  EXPECT_EQ(std::get<LandXmlProblem>(read).fault, GetParam().fault);
}

std::string ManyPvis(int n) {
  std::string rows;
  rows.reserve(static_cast<std::size_t>(n) * 24);
  for (int k = 0; k < n; ++k) rows += "<PVI>" + std::to_string(5000 + k) + " 1</PVI>";
  return PlanWith("", "<ProfAlign>" + rows + "</ProfAlign>");
}

const HostileProfileRow kHostileProfiles[] = {
    {"CutShortInsideAPvi", PlanWith("", "<ProfAlign><PVI>5000 1</PVI><PVI>5100 ~").substr(0, PlanWith("", "<ProfAlign><PVI>5000 1</PVI><PVI>5100 ~").find('~')),
     LandXmlFault::kCutShort},
    {"AnEntityInAPvi", PlanWith("", "<ProfAlign><PVI>5000 &h;</PVI></ProfAlign>"), LandXmlFault::kEntity},
    {"MorePvisThanARoadHolds", ManyPvis(kMostLandXmlElements + 1), LandXmlFault::kTooManyElements},
};
INSTANTIATE_TEST_SUITE_P(Files, HostileProfile, ::testing::ValuesIn(kHostileProfiles), testing::RowName<HostileProfileRow>);

TEST(LandXmlProfileRead, TheFirstProfAlignIsReadTheOthersNamedAParabolaOfLengthZeroABreak) {
  const auto read = ReadText(PlanWith("", "<ProfSurf><PntList2D>5000 1 5600 2</PntList2D></ProfSurf>"
                                          "<ProfAlign name=\"设计\"><PVI>5000 10</PVI><ParaCurve length=\"0\">5300 13</ParaCurve>"
                                          "<Feature><Property label=\"a\" value=\"b\"/></Feature><PVI>5600 10</PVI></ProfAlign>"
                                          "<ProfAlign name=\"比较\"><PVI>5000 1</PVI></ProfAlign>"));
  const FileRoad f = ReadRoad(read);
  EXPECT_EQ(f.profile.name, "设计");
  EXPECT_EQ(f.profile.others, std::vector<std::string>{"比较"});
  const auto& rows = std::get<ProfileInput>(f.profile.read).rows;
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1].curve, VK::kNone);
  EXPECT_EQ(HeightsOf(f).profile().At(150).height->elevation, 11.5);
}

// A profile refused for any of its elements leaves the rest of the file
// read where it stands: an equation after it still makes the road.
TEST(LandXmlProfileRead, WhatFollowsARefusedProfileIsStillRead) {
  for (const std::string bad : {"<Spiral length=\"60\"><Start>1 2</Start>5100 10</Spiral>", "<PVI>5100 x<b/></PVI>",
                                "<ParaCurve length=\"y\"><b>1</b>5100 10</ParaCurve>"}) {
    const auto read = ReadText("<?xml version=\"1.0\"?>\n<LandXML version=\"1.2\"><Alignments>\n"
                               "<Alignment name=\"A\" staStart=\"5000\" length=\"600\">\n"
                               "<CoordGeom><Line length=\"600\"><Start>0 0</Start><End>600 0</End></Line></CoordGeom>\n"
                               "<Profile><ProfAlign name=\"d\"><PVI>5000 1</PVI>" + bad + "<PVI>5600 2</PVI></ProfAlign></Profile>\n"
                               "<StaEquation staBack=\"5200\" staAhead=\"5210\"/>\n</Alignment></Alignments></LandXML>\n");
    ASSERT_TRUE(std::holds_alternative<LandXmlFile>(read)) << bad;
    const LandXmlAlignment& a = std::get<LandXmlFile>(read).alignments.front();
    ASSERT_TRUE(a.profile && std::holds_alternative<LandXmlProblem>(a.profile->read)) << bad;
    ASSERT_TRUE(std::holds_alternative<ElementRoadInput>(a.road)) << bad;
    EXPECT_EQ(std::get<ElementRoadInput>(a.road).equations.size(), 1u) << bad;
  }
}

TEST(LandXmlProfileRead, AnAlignmentWithoutProfileHasNone) {
  const auto read = ReadLandXmlFile(QString::fromStdString(kData + "/two_curves.xml"));
  ASSERT_TRUE(std::holds_alternative<LandXmlFile>(read));
  EXPECT_FALSE(std::get<LandXmlFile>(read).alignments.front().profile.has_value());
}

// Written and read again: the same elevation and grade everywhere, to 1e-9.
void ExpectSameAfterRoundTrip(const Road& road, const ProfileInput& input) {
  RoadHeightsBuild built = BuildHeights(input, {}, &road);
  ASSERT_TRUE(built.heights.has_value());
  const Profile& profile = built.heights->profile();
  const std::string xml = WriteLandXml(road, "K 线", {}, {}, FilePvis(input, profile));
  const FileRoad back = ReadRoad(ReadText(xml));
  const RoadHeights again = HeightsOf(back);
  ASSERT_EQ(again.profile().rows().size(), input.rows.size());
  for (double d = profile.startDistance(); d <= profile.endDistance(); d += 0.731) {
    const ProfileAnswer a = profile.At(d), b = again.profile().At(d);
    ASSERT_TRUE(a.height && b.height) << d;
    EXPECT_NEAR(a.height->elevation, b.height->elevation, 1e-9) << d;
    EXPECT_NEAR(a.height->grade, b.height->grade, 1e-12) << d;
  }
  const auto curves = profile.Curves(), curvesAgain = again.profile().Curves();
  ASSERT_EQ(curves.size(), curvesAgain.size());
  for (std::size_t k = 0; k < curves.size(); ++k) {
    EXPECT_NEAR(curves[k].bvc.distance, curvesAgain[k].bvc.distance, 1e-9);
    EXPECT_NEAR(curves[k].evc.distance, curvesAgain[k].evc.distance, 1e-9);
    EXPECT_NEAR(curves[k].external, curvesAgain[k].external, 1e-9);
  }
}

Road RoadWithShortChain() {
  return *BuildRoad(ElementRoadInput{4800, {3000, 4000}, 30, {{ElementKind::kLine, 400}, {ElementKind::kArc, 500, 1500, kNoRadius,
                                                                                                TurnSide::kRight},
                                                               {ElementKind::kLine, 400}},
                                     {{5200, 5210}}})
              .road;
}

TEST(LandXmlProfileRoundTrip, EveryKindOfCurveAcrossAShortChain) {
  ExpectSameAfterRoundTrip(RoadWithShortChain(), ProfileInput{{{{4800}, 416.18},
                                                               {{5030}, 427.68, VK::kRadius, 2000},
                                                               {{5400}, 413.28, VK::kAsymmetric, 0, 80, 120},
                                                               {{5700}, 417.78, VK::kCircle, 5000},
                                                               {{5900}, 413.78, VK::kLength, 0, 100},
                                                               {{6000}, 415.78, VK::kRadius, 0},
                                                               {{6100}, 414.78}}});
}

// Random profiles on the same road: grades within ±6 %, each inner row a
// random kind with room left for its curve.
TEST(LandXmlProfileRoundTrip, RandomProfilesReadBackTheSame) {
  const Road road = RoadWithShortChain();
  std::mt19937 random(20261210);
  std::uniform_real_distribution<double> unit(0, 1);
  int checked = 0;
  for (int run = 0; run < 40; ++run) {
    ProfileInput input;
    double distance = 0, elevation = 100 + 400 * unit(random);
    const int n = 2 + static_cast<int>(unit(random) * 8);
    const double step = (road.length() - 1) / n;
    for (int k = 0; k <= n; ++k) {
      PviInput row{{road.StationAt(distance).value, road.StationAt(distance).occurrence}, elevation};
      if (k > 0 && k < n) {
        const double room = 0.8 * step;
        switch (static_cast<int>(unit(random) * 5)) {
          case 0: row.curve = VK::kRadius; row.radius = 500 + 20000 * unit(random); break;
          case 1: row.curve = VK::kLength; row.length = room * (0.2 + 0.8 * unit(random)); break;
          case 2: row.curve = VK::kAsymmetric; row.length = room / 2 * unit(random) + 1; row.length2 = room / 2 * unit(random) + 1; break;
          case 3: row.curve = VK::kCircle; row.radius = 500 + 5000 * unit(random); break;
          default: break;
        }
      }
      input.rows.push_back(row);
      distance += step * (0.8 + 0.2 * unit(random));
      elevation += step * 0.12 * (unit(random) - 0.5);
    }
    RoadHeightsBuild built = BuildHeights(input, {}, &road);
    if (!built.heights) continue;  // a radius too large for its room: not this test's matter
    SCOPED_TRACE(run);
    ExpectSameAfterRoundTrip(road, input);
    ++checked;
  }
  EXPECT_GE(checked, 20);
}

TEST(LandXmlProfileWrite, EachCurveInTheSchemasTermsAfterThePlan) {
  const Road road = RoadWithShortChain();
  const ProfileInput input{{{{4800}, 416.18}, {{5030}, 427.68, VK::kRadius, 2000}, {{5400}, 413.28, VK::kCircle, 5000},
                            {{6100}, 414.78}}};
  const std::string xml = WriteLandXml(road, "K 线", {}, {}, FilePvis(input, BuildHeights(input, {}, &road).heights->profile()));
  EXPECT_NE(xml.find("<ParaCurve length=\"180\">5030 427.68</ParaCurve>"), std::string::npos) << xml;
  EXPECT_NE(xml.find("<PVI>4800 416.18</PVI>"), std::string::npos) << xml;
  EXPECT_NE(xml.find("<CircCurve length=\""), std::string::npos) << xml;
  EXPECT_LT(xml.find("</CoordGeom>"), xml.find("<Profile>"));
  EXPECT_EQ(WriteLandXml(road, "K 线").find("Profile"), std::string::npos);
}

}  // namespace
}  // namespace capset
