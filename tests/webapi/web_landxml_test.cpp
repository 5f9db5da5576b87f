// A LandXML file through the page: its text (decoded by the page, so read
// as UTF-8 whatever the declaration says) becomes the job's road with its
// profile; a file the desktop refuses is refused in its words, naming the
// file, and the road stays as it was.
#include <gtest/gtest.h>

#include "web_call.h"

namespace capset::testing {
namespace {

std::string File(const std::string& declaration, const std::string& units, const std::string& alignments) {
  return declaration + "\n<LandXML xmlns=\"http://www.landxml.org/schema/LandXML-1.2\" version=\"1.2\">\n" + units +
         "\n<Alignments>\n" + alignments + "</Alignments>\n</LandXML>\n";
}

const std::string kUtf8 = R"(<?xml version="1.0" encoding="UTF-8"?>)";
const std::string kGb = R"(<?xml version="1.0" encoding="GB2312"?>)";
const std::string kMetres = R"(<Units><Metric linearUnit="meter"/></Units>)";
const std::string kFeet = R"(<Units><Imperial linearUnit="USSurveyFoot"/></Units>)";

std::string Alignment(const std::string& name, const std::string& profile = "") {
  return "<Alignment name=\"" + name + R"(" length="500" staStart="1000"><CoordGeom>
<Line length="200"><Start>3000 4000</Start><End>3200 4000</End></Line>
<Curve rot="ccw" radius="500" length="300"><Start>3200 4000</Start><Center>3200 3500</Center><End>3482.321237 3912.667807</End></Curve>
</CoordGeom>)" + profile + "</Alignment>\n";
}

const std::string kProfile = R"(<Profile name="纵断面"><ProfAlign name="设计线">
<PVI>1000 100</PVI><ParaCurve length="120">1250 104</ParaCurve><PVI>1500 101</PVI></ProfAlign></Profile>)";

struct FileRow {
  const char* name;
  std::string text;
  std::optional<std::string> alignment;
  bool ok;
  bool profile;
  std::string unitNotice;  // a word a notice must hold; empty: none
  const char* start = "K1+000.000";
};

class WebLandXml : public ::testing::TestWithParam<FileRow> {};

TEST_P(WebLandXml, ReadsAsTheDesktopOrRefusesNamingTheFile) {
  const FileRow& row = GetParam();
  WebSession web;
  const std::vector<std::string> road{"bp 0 0 0", "jd 500 100 300 40", "ep 900 0"};
  ASSERT_TRUE(Call(web, {{"op", "road.set"}, {"lines", road}})["ok"]);
  const Json before = Call(web, {{"op", "state"}});
  Json request{{"op", "road.landxml"}, {"name", "线路.xml"}, {"text", row.text}};
  if (row.alignment) request["alignment"] = *row.alignment;
  const Json answer = Call(web, request);
  ASSERT_EQ(answer["ok"], row.ok) << answer.dump();
  if (!row.ok) {
    EXPECT_FALSE(answer.contains("fault")) << answer.dump();
    EXPECT_NE(answer["problems"][0]["text"].get<std::string>().find("线路.xml"), std::string::npos) << answer.dump();
    EXPECT_TRUE(Call(web, {{"op", "state"}}) == before);
    return;
  }
  // A line and an arc are one JD's table, which the road comes as.
  EXPECT_EQ(answer["road"]["form"], "jd");
  EXPECT_EQ(answer["road"]["start"]["stationText"], row.start);
  EXPECT_EQ(answer["profileSet"], row.profile);
  EXPECT_EQ(answer["profileLines"].is_null(), !row.profile);
  std::string notices;
  for (const Json& n : answer["notices"]) notices += n.get<std::string>();
  if (!row.unitNotice.empty()) EXPECT_NE(notices.find(row.unitNotice), std::string::npos) << notices;
  // The road's lines, given again, make the same road.
  WebSession again;
  const Json retyped = Call(again, {{"op", "road.set"}, {"lines", answer["road"]["lines"]}});
  ASSERT_TRUE(retyped["ok"]) << retyped.dump();
  EXPECT_EQ(retyped["road"]["end"], answer["road"]["end"]);
  EXPECT_EQ(retyped["road"]["keyPoints"].size(), answer["road"]["keyPoints"].size());
}

INSTANTIATE_TEST_SUITE_P(
    Files, WebLandXml,
    ::testing::Values(
        FileRow{"Utf8", File(kUtf8, kMetres, Alignment("主线")), std::nullopt, true, false, ""},
        FileRow{"DeclaredGb2312DecodedByThePage", File(kGb, kMetres, Alignment("主线", kProfile)), std::nullopt, true,
                true, ""},
        FileRow{"InSurveyFeet", File(kUtf8, kFeet, Alignment("主线")), std::nullopt, true, false, "美国测量英尺",
                "K0+304.801"},
        FileRow{"TwoAlignmentsOneNamed", File(kUtf8, kMetres, Alignment("主线") + Alignment("匝道")), "匝道", true, false, ""},
        FileRow{"TwoAlignmentsNoneNamed", File(kUtf8, kMetres, Alignment("主线") + Alignment("匝道")), std::nullopt, false,
                false, ""},
        FileRow{"NoSuchAlignment", File(kUtf8, kMetres, Alignment("主线")), "支线", false, false, ""},
        FileRow{"Dtd", "<?xml version=\"1.0\"?>\n<!DOCTYPE LandXML [<!ENTITY x \"y\">]>\n<LandXML/>", std::nullopt, false,
                false, ""},
        FileRow{"NotXml", "bp 0 0 0\njd 1 2 3 4", std::nullopt, false, false, ""},
        FileRow{"CutShort", File(kUtf8, kMetres, Alignment("主线")).substr(0, 300), std::nullopt, false, false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace capset::testing
