// A LandXML text a web page has already decoded: read as UTF-8 whatever
// encoding its declaration names, and refused when its bytes are not UTF-8
// after all (a page that handed the file's GBK bytes on undecoded).

#include <gtest/gtest.h>

#include "landxml_decoded.h"
#include "landxml_texts.h"
#include "landxml_write.h"
#include "road_input.h"

namespace capset::testing {
namespace {

struct DecodedRow {
  std::string name;
  std::string declaration;  // put in place of the written one
  std::string alignment;    // the alignment's name as the text holds it
  bool reads;
  std::string bytesOfTheName = {};  // put in place of the name as written, when given
};

class DecodedLandXml : public ::testing::TestWithParam<DecodedRow> {};

TEST_P(DecodedLandXml, ReadsAsUtf8WhateverTheDeclarationSays) {
  const DecodedRow& row = GetParam();
  const Road road = *BuildRoad(IntersectionRoadInput{1000, {3000, 4000}, {{{3800, 4300}, 600, 120, 100}}, {4600, 4200}, {}}).road;
  std::string text = WriteLandXml(road, row.alignment);
  const std::string written = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
  ASSERT_TRUE(text.starts_with(written));
  text.replace(0, written.size(), row.declaration);
  if (!row.bytesOfTheName.empty()) {
    for (std::size_t at = text.find(row.alignment); at != std::string::npos; at = text.find(row.alignment, at)) {
      text.replace(at, row.alignment.size(), row.bytesOfTheName);
    }
  }

  DecodedLandXmlFormat format(text);
  const std::optional<LandXmlProblem> problem = format.Read("路线.xml");
  ASSERT_EQ(!problem, row.reads) << (problem ? LandXmlRefusedMessage("路线.xml", *problem) : "read");
  if (!row.reads) {
    EXPECT_EQ(problem->line, 7) << "the line of the name that is not UTF-8";
    EXPECT_EQ(problem->fault, LandXmlFault::kNotWellFormed);
    return;
  }
  ASSERT_EQ(format.Alignments().size(), 1u);
  EXPECT_EQ(format.Alignments()[0].name, row.alignment);
  const auto chosen = format.RoadNamed(row.alignment);
  ASSERT_TRUE(std::holds_alternative<RoadInput>(chosen));
  EXPECT_TRUE(BuildRoad(std::get<RoadInput>(chosen)).road.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DecodedLandXml,
    ::testing::Values(
        DecodedRow{"DeclaredGb2312", "<?xml version=\"1.0\" encoding=\"GB2312\"?>", "主线 K", true},
        DecodedRow{"DeclaredGbkInSmallLetters", "<?xml version='1.0' encoding='gbk'?>", "匝道", true},
        DecodedRow{"DeclaredUtf16", "<?xml version=\"1.0\" encoding=\"UTF-16\"?>", "主线", true},
        DecodedRow{"DeclaredAnEncodingNoOneKnows", "<?xml version=\"1.0\" encoding=\"x-unknown\"?>", "主线", true},
        DecodedRow{"NoDeclaration", "", "主线", true},
        DecodedRow{"GbkBytesLeftUndecoded", "<?xml version=\"1.0\" encoding=\"GBK\"?>", "主线", false, "\xD6\xF7\xCF\xDF"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace capset::testing
