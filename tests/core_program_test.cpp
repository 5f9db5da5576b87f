// The core's own player (cap_replay_core, what the WebAssembly and Windows
// console builds run): the corpus written back byte for byte when nothing
// differs, a changed output found and named, and LandXML read and written
// in its files in memory.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>

#include "corpus_cases.h"
#include "dialogue_replay.h"
#include "landxml_write.h"
#include "road_input.h"
#include "road_window_texts.h"

namespace capset::testing {
namespace {

std::string CorpusBytes() {
  std::ifstream in(CAPSET_CORPUS_FILE, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The first cases of the corpus, whole, with a worked job among them.
std::string FirstCases(int count) {
  const std::string bytes = CorpusBytes();
  std::size_t end = 0;
  for (int i = 0; i <= count; ++i) {
    end = bytes.find("\n# ", end + 1);
    if (end == std::string::npos) return bytes;
  }
  return bytes.substr(0, end + 1);
}

TEST(CorpusPlayed, WrittenBackByteForByte) {
  const std::string corpus = FirstCases(12);
  std::istringstream in(corpus);
  std::ostringstream out;
  std::ostringstream differences;
  EXPECT_EQ(ReplayCorpus(ReadCorpusEntries(in), out, differences), 0);
  EXPECT_EQ(out.str(), corpus);
  EXPECT_EQ(differences.str(), "");
}

TEST(CorpusPlayed, ChangedDigitIsFoundAndNamed) {
  std::string corpus = FirstCases(3);
  // The first box of the first worked case, one digit off.
  const std::size_t box = corpus.find("> Text13=");
  ASSERT_NE(box, std::string::npos);
  const std::size_t digit = corpus.find_first_of("0123456789", box + 9);
  corpus[digit] = corpus[digit] == '9' ? '8' : static_cast<char>(corpus[digit] + 1);
  std::istringstream in(corpus);
  std::ostringstream out;
  std::ostringstream differences;
  EXPECT_EQ(ReplayCorpus(ReadCorpusEntries(in), out, differences), 1);
  EXPECT_NE(out.str(), corpus);
  EXPECT_TRUE(differences.str().starts_with("DIFFERS ")) << differences.str();
  EXPECT_EQ(differences.str().find('\n'), differences.str().size() - 1) << "one case named";
}

TEST(CorpusPlayed, InputFilesKeepTheirBytes) {
  // A file line with a carriage return, a backslash and a byte given by its code.
  const std::string corpus =
      "# files | zh_CN\n+ a.txt\n| one\\r\n| two\\\\ \\xE4\\xB8\\xAD\n< @quit\n";
  std::istringstream in(corpus);
  const auto entries = ReadCorpusEntries(in);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].files.at("a.txt"), "one\r\ntwo\\ \xE4\xB8\xAD");
  EXPECT_EQ(entries[0].inputLines.size(), 5u);
  EXPECT_EQ(CorpusUnescaped(CorpusEscaped("a\\b\r\n")), "a\\b\r\n");
}

// LandXML in the files the player keeps in memory: read, refused and
// written as the desktop does, each written file stamped with the script's
// clock and each refusal naming the file and why.
struct LandXmlRow {
  const char* name;
  const char* script;
  const char* printed;  // a line the transcript must hold
  const char* written;  // the file the script must leave, empty for none
  bool typedRoad;       // the file holds exactly the road typed
};

#define CAPSET_TYPED_ROAD "@road\nbp 1000 3000 4000\njd 3800 4300 600 120 100\nep 4600 4200\n@end\n"

Road KnownRoad() {
  return *BuildRoad(IntersectionRoadInput{1000, {3000, 4000}, {{{3800, 4300}, 600, 120, 100}}, {4600, 4200}, {}}).road;
}

class CoreLandXml : public ::testing::TestWithParam<LandXmlRow> {};

TEST_P(CoreLandXml, ReadsAndWritesInMemory) {
  const LandXmlRow& row = GetParam();
  std::istringstream in(row.script);
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay target(lines, out, {}, [] { return LocalTime{2026, 3, 1, 9, 30, 5}; });
  target.Files().files["/road.xml"] = WriteLandXml(KnownRoad(), "主线");
  target.Files().files["/old.xml"] = "what was there";
  target.Files().unwritable = {"/old.xml"};
  PlayScript(lines, target, out);
  EXPECT_NE(out.str().find(row.printed), std::string::npos) << out.str();
  EXPECT_EQ(out.str().find("IGNORED"), std::string::npos) << out.str();
  EXPECT_EQ(target.Files().files.at("/old.xml"), "what was there") << "a refused write leaves the old file";
  std::set<std::string> names;
  for (const auto& [name, bytes] : target.Files().files) names.insert(name);
  names.erase("/road.xml");
  names.erase("/old.xml");
  if (*row.written == '\0') {
    EXPECT_TRUE(names.empty()) << "nothing written";
    return;
  }
  ASSERT_EQ(names, std::set<std::string>{row.written});
  const std::string& bytes = target.Files().files.at(row.written);
  EXPECT_NE(bytes.find("date=\"2026-03-01\" time=\"09:30:05\""), std::string::npos) << bytes;
  if (row.typedRoad) {
    EXPECT_EQ(bytes, WriteLandXml(KnownRoad(), kRoadName, "2026-03-01", "09:30:05"));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CoreLandXml,
    ::testing::Values(
        LandXmlRow{"TypedRoadExported", CAPSET_TYPED_ROAD "@export landxml /typed.xml\n", "", "/typed.xml", true},
        LandXmlRow{"ImportedRoadExportedAgain", "@landxml /road.xml\n@keypoints\n@export landxml /again.xml\n", "KEY\tHY1\t",
                   "/again.xml", false},
        LandXmlRow{"ImportOverATypedRoadAsksFirst", CAPSET_TYPED_ROAD "@landxml /road.xml 主线\n不保存\n", "PROMPT", "", false},
        LandXmlRow{"ImportByANameNotInTheFile", "@landxml /road.xml 匝道 K\n", "“road.xml”", "", false},
        LandXmlRow{"ImportOfAFileNotThere", "@landxml /none.xml\n", "No such file or directory", "", false},
        LandXmlRow{"ExportOverAFileThatRefuses", CAPSET_TYPED_ROAD "@export landxml /old.xml\n", "Permission denied", "", false},
        LandXmlRow{"ExportWithoutARoad", "@export landxml /x.xml\n", "还没有路线", "", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace capset::testing
