// The core's own player (cap_replay_core, what the WebAssembly and Windows
// console builds run): the corpus written back byte for byte when nothing
// differs, a changed output found and named, and LandXML refused aloud
// where the program has no XML reader.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "corpus_cases.h"
#include "dialogue_replay.h"
#include "landxml_texts.h"

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

struct LandXmlRow {
  const char* name;
  const char* script;
};

class CoreWithoutXmlReader : public ::testing::TestWithParam<LandXmlRow> {};

TEST_P(CoreWithoutXmlReader, SaysLandXmlIsNotInThisBuild) {
  std::istringstream in(GetParam().script);
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay target(lines, out, {});
  PlayScript(lines, target, out);
  EXPECT_NE(out.str().find(std::string("MESSAGE ") + kLandXmlNotInBuild + "\n"), std::string::npos) << out.str();
  EXPECT_EQ(out.str().find("IGNORED"), std::string::npos) << out.str();
  EXPECT_TRUE(target.Files().files.empty()) << "nothing written";
}

INSTANTIATE_TEST_SUITE_P(Rows, CoreWithoutXmlReader,
                         ::testing::Values(LandXmlRow{"Import", "@landxml /road.xml\n"},
                                           LandXmlRow{"ImportByName", "@landxml /road.xml 主线 K\n"},
                                           LandXmlRow{"Export", "@export landxml /road.xml\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace capset::testing
