// Every recorded script, played against the dialogue alone, prints exactly
// the transcript that the window printed when it was recorded, and the
// log's rows agree with the boxes.
#include <gtest/gtest.h>

#include <sstream>

#include "corpus.h"
#include "dialogue_replay.h"
#include "fixed_clock.h"

namespace capset::testing {
namespace {

class CorpusInDialogue : public ::testing::TestWithParam<CorpusCase> {};

TEST_P(CorpusInDialogue, TranscriptIsUnchanged) {
  const CorpusCase& c = GetParam();
  // The files live in the dialogue's memory, in a folder of that name.
  const std::string folder = "/corpus";
  std::istringstream in(Replaced(c.script, kFolderMark, folder));
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay target(lines, out, SymbolsOf(c.locale), FixedClock());
  for (const auto& [name, bytes] : c.files) target.Files().files[folder + "/" + name] = bytes;
  PlayScript(lines, target, out);
  std::map<std::string, std::string> left;
  for (const auto& [path, bytes] : target.Files().files) left[path.substr(folder.size() + 1)] = bytes;
  const std::string output = Replaced(out.str(), folder, kFolderMark);
  EXPECT_EQ(output + FileListing(left), c.transcript);
  ExpectRowsAgreeWithBoxes(output, c.script);
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusInDialogue, ::testing::ValuesIn(ReadCorpus()), CorpusCaseName);

}  // namespace
}  // namespace capset::testing
