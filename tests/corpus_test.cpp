// Every recorded script, played against the dialogue alone, prints exactly
// the transcript that the window printed when it was recorded, and the
// log's rows agree with the boxes.
#include <gtest/gtest.h>

#include "corpus.h"
#include "dialogue_replay.h"

namespace capset::testing {
namespace {

class CorpusInDialogue : public ::testing::TestWithParam<CorpusCase> {};

TEST_P(CorpusInDialogue, TranscriptIsUnchanged) {
  const CorpusCase& c = GetParam();
  const NumberSymbols symbols{.decimal = c.locale == "de_DE" ? "," : "."};
  const std::string output = ReplayDialogue(c.script, symbols);
  EXPECT_EQ(WithoutRows(output), c.transcript);
  ExpectRowsAgreeWithBoxes(output);
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusInDialogue, ::testing::ValuesIn(ReadCorpus()), CorpusCaseName);

}  // namespace
}  // namespace capset::testing
