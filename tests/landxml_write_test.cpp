// LandXML written without the toolkit: the same bytes as the files the
// desktop wrote and kept (tests/data/landxml_written), and a road written
// and read back the same road to the last bit, its name and profile with it.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "landxml_file.h"
#include "landxml_texts.h"
#include "landxml_write.h"
#include "landxml_write_rows.h"
#include "road_layout.h"
#include "xml_source.h"

namespace capset::testing {
namespace {

std::string Kept(const std::string& name) {
  std::ifstream in(std::string(CAPSET_LANDXML_WRITTEN) + "/" + name + ".xml", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Written(const WrittenRow& row) {
  const RoadBuild built = BuildRoad(row.road);
  if (!built.road) ADD_FAILURE() << row.name << ": no road";
  return WriteLandXml(*built.road, row.alignment, row.date, row.time, row.profile);
}

// The file's only alignment, or the test fails.
LandXmlAlignment ReadBack(const std::string& xml) {
  xml::TextSource source(xml, 97);  // cut anywhere, as a file arrives
  auto read = ReadLandXml(source);
  if (const auto* p = std::get_if<LandXmlProblem>(&read)) {
    ADD_FAILURE() << LandXmlRefusedMessage("f", *p);
    return {};
  }
  const LandXmlFile& file = std::get<LandXmlFile>(read);
  EXPECT_EQ(file.alignments.size(), 1u);
  return file.alignments.at(0);
}

class LandXmlWritten : public ::testing::TestWithParam<WrittenRow> {};

TEST_P(LandXmlWritten, AsTheDesktopWroteIt) {
  const std::string kept = Kept(GetParam().name);
  ASSERT_FALSE(kept.empty()) << "no file kept for " << GetParam().name;
  EXPECT_EQ(Written(GetParam()), kept);
}

// Read back: every number of the file is the double written, to the last
// bit, and the name and the profile come back with it.
TEST_P(LandXmlWritten, ReadBackToTheLastBit) {
  const WrittenRow& row = GetParam();
  const RoadLayout laid = LayOut(*BuildRoad(row.road).road);
  const LandXmlAlignment alignment = ReadBack(Written(row));
  EXPECT_EQ(alignment.name, row.readName ? *row.readName : row.alignment);
  EXPECT_EQ(alignment.length, laid.length);
  EXPECT_EQ(alignment.staStart, laid.firstStation);
  ASSERT_TRUE(std::holds_alternative<ElementRoadInput>(alignment.road));
  const ElementRoadInput& back = std::get<ElementRoadInput>(alignment.road);
  EXPECT_EQ(back.station, laid.firstStation);
  ASSERT_EQ(back.elements.size(), laid.elements.size());
  for (std::size_t i = 0; i < laid.elements.size(); ++i) {
    const LaidElement& e = laid.elements[i];
    const ElementInput& b = back.elements[i];
    EXPECT_EQ(b.kind, e.kind) << i;
    EXPECT_EQ(b.length, e.length) << i;
    EXPECT_EQ(b.statedStart, e.start) << i;
    EXPECT_EQ(b.statedEnd, e.end) << i;
    if (e.kind != ElementKind::kLine) {
      EXPECT_EQ(b.turn, e.turn) << i;
    }
    if (e.kind == ElementKind::kArc) {
      EXPECT_EQ(b.R1, e.radius) << i;
    }
    if (e.kind == ElementKind::kSpiral) {
      EXPECT_EQ(std::pair(b.R1, b.R2), std::pair(e.startRadius, e.endRadius)) << i;
    }
  }
  ASSERT_EQ(back.equations.size(), laid.equations.size());
  for (std::size_t i = 0; i < laid.equations.size(); ++i) EXPECT_EQ(back.equations[i], laid.equations[i].equation) << i;
  if (row.profile.empty()) {
    EXPECT_FALSE(alignment.profile.has_value());
    return;
  }
  ASSERT_TRUE(alignment.profile.has_value());
  EXPECT_EQ(alignment.profile->name, alignment.name);
  ASSERT_TRUE(std::holds_alternative<ProfileInput>(alignment.profile->read));
  const std::vector<PviInput>& rows = std::get<ProfileInput>(alignment.profile->read).rows;
  ASSERT_EQ(rows.size(), row.profile.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const RoadFilePvi& p = row.profile[i];
    EXPECT_EQ(rows[i].station.value, p.station) << i;
    EXPECT_EQ(rows[i].elevation, p.elevation) << i;
    EXPECT_EQ(rows[i].curve, p.curve) << i;
    if (p.curve != VerticalCurveKind::kNone) {
      EXPECT_EQ(rows[i].length, p.length) << i;
    }
    if (p.curve == VerticalCurveKind::kAsymmetric) {
      EXPECT_EQ(rows[i].length2, p.length2) << i;
    }
    if (p.curve == VerticalCurveKind::kCircle) {
      EXPECT_EQ(rows[i].radius, p.radius) << i;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, LandXmlWritten, ::testing::ValuesIn(WrittenRows()),
                         [](const auto& info) { return info.param.name; });

// Any name at all, bytes of every value: the file always reads, and the
// name read back, written again, gives the same file (what XML cannot hold
// is left out once; everything else is escaped and comes back as it was).
// The rules are the desktop's writer's of old, kept for its bytes.
TEST(LandXmlWrittenName, AnyBytesGiveAFileThatReadsBackTheSame) {
  const Road road = *BuildRoad(WrittenRows().front().road).road;
  std::mt19937 random(20261210);
  const std::string pieces[] = {"<", ">", "&", "\"", "'", "\t", "\n", "\r", "]]>", "&amp;", "主", "\xEF\xBB\xBF", "\xEF\xBF\xBF",
                                "\xF0\x9F\x98\x80", "\xED\xA0\x80", "\xC0\x80", " "};
  for (int run = 0; run < 2000; ++run) {
    std::string name;
    for (int k = static_cast<int>(random() % 10); k > 0; --k) {
      if (random() % 2) {
        name += pieces[random() % std::size(pieces)];
      } else {
        name += static_cast<char>(random() % 256);
      }
    }
    const std::string xml = WriteLandXml(road, name, "", "", {{1000, 1}, {1500, 2}});
    const LandXmlAlignment back = ReadBack(xml);
    // A byte order mark is left out only where it opens the text: one that
    // followed a character left out opens the name read back, and goes the
    // second time.
    const std::string mark = "\xEF\xBB\xBF";
    const std::string again = WriteLandXml(road, back.name, "", "", {{1000, 1}, {1500, 2}});
    if (!back.name.starts_with(mark)) {
      ASSERT_EQ(again, xml) << ::testing::PrintToString(name) << " read back as " << ::testing::PrintToString(back.name);
    } else {
      ASSERT_EQ(ReadBack(again).name, back.name.substr(mark.size())) << ::testing::PrintToString(name);
    }
    ASSERT_TRUE(back.profile.has_value());
    EXPECT_EQ(back.profile->name, back.name);
  }
}

}  // namespace
}  // namespace capset::testing
