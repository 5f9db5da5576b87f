// The road file format's reading half without the toolkit (this program
// links no Qt): a file's alignments, the road of the one named, its unit
// and its profile, as the session asks them.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "landxml_reading.h"

namespace capset {
namespace {

const std::string kData = CAPSET_LANDXML_DATA;

// The reading half alone: these tests write nothing.
class ReadingOnly : public LandXmlReading {
 public:
  std::string Write(const Road&, const std::vector<RoadFilePvi>&) const override { return {}; }
};

TEST(LandXmlReading, AlignmentsAndTheRoadOfTheOneNamed) {
  ReadingOnly format;
  ASSERT_FALSE(format.Read(kData + "/two_alignments.xml").has_value());
  const std::vector<RoadFileAlignment> list = format.Alignments();
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].name, "主线");
  EXPECT_EQ(list[1].name, "A 匝道");
  EXPECT_EQ(list[1].length, 240);
  const auto ramp = format.RoadNamed("A 匝道");
  ASSERT_TRUE(std::holds_alternative<RoadInput>(ramp));
  EXPECT_NEAR(BuildRoad(std::get<RoadInput>(ramp)).road->length(), 240, 1e-6);
  const auto none = format.RoadNamed(std::nullopt);
  ASSERT_TRUE(std::holds_alternative<LandXmlProblem>(none));
  EXPECT_EQ(std::get<LandXmlProblem>(none).fault, LandXmlFault::kChooseAlignment);
  EXPECT_EQ(format.Unit().metresPerUnit, 1);
}

TEST(LandXmlReading, AFileInSurveyFeetGivesItsUnitAndItsProfileInMetres) {
  ReadingOnly format;
  ASSERT_FALSE(format.Read(kData + "/profile_feet.xml").has_value());
  EXPECT_EQ(format.Unit().name, "USSurveyFoot");
  EXPECT_TRUE(format.Unit().surveyFoot);
  const auto road = format.RoadAt(0);
  ASSERT_TRUE(std::holds_alternative<RoadInput>(road));
  const Road built = *BuildRoad(std::get<RoadInput>(road)).road;
  const std::optional<RoadFileProfile> profile = format.ProfileAt(0, built);
  ASSERT_TRUE(profile.has_value());
  const auto* rows = std::get_if<ProfileInput>(&profile->read);
  ASSERT_NE(rows, nullptr);
  EXPECT_EQ(rows->rows.size(), 4u);
}

TEST(LandXmlReading, AFileThatIsNoneLeavesTheLastOneRead) {
  ReadingOnly format;
  ASSERT_FALSE(format.Read(kData + "/two_curves.xml").has_value());
  const auto missing = format.Read(kData + "/none.xml");
  ASSERT_TRUE(missing.has_value());
  EXPECT_EQ(missing->fault, LandXmlFault::kUnreadable);
  const auto folder = format.Read(kData);
  ASSERT_TRUE(folder.has_value());
  EXPECT_EQ(folder->fault, LandXmlFault::kUnreadable);
  EXPECT_EQ(format.Alignments().size(), 1u);
}

}  // namespace
}  // namespace capset
