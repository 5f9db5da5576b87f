// Every recorded script, played against the dialogue alone, prints exactly
// the transcript that the window printed when it was recorded, and the
// log's rows agree with the boxes.
#include <gtest/gtest.h>

#include "corpus.h"
#include "dialogue_replay.h"

namespace capset::testing {
namespace {

// The symbols the window reads from each locale of the corpus (the window
// tests check them against the toolkit's).
NumberSymbols SymbolsOf(const std::string& locale) {
  if (locale == "de_DE") return {.decimal = ","};
  if (locale == "ar_EG") {
    return {.decimal = "\u066B", .minus = "\u061C-", .plus = "\u061C+", .exponent = "\u0627\u0633", .zeroDigit = U'\u0660'};
  }
  return {};
}

class CorpusInDialogue : public ::testing::TestWithParam<CorpusCase> {};

TEST_P(CorpusInDialogue, TranscriptIsUnchanged) {
  const CorpusCase& c = GetParam();
  if (c.UsesFolder() || c.script.find("@scene") != std::string::npos) {
    GTEST_SKIP() << "files and the sketch are played through the window only";
  }
  const std::string output = ReplayDialogue(c.script, SymbolsOf(c.locale));
  EXPECT_EQ(output, c.transcript);
  ExpectRowsAgreeWithBoxes(output, c.script);
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusInDialogue, ::testing::ValuesIn(ReadCorpus()), CorpusCaseName);

}  // namespace
}  // namespace capset::testing
