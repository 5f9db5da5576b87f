// Every recorded script, played against the real window, prints exactly the
// transcript it printed when it was recorded, and the log's rows agree with
// the boxes.
#include <gtest/gtest.h>

#include <sstream>

#include "corpus.h"
#include "window_replay.h"

namespace capset::testing {
namespace {

class CorpusInWindow : public ::testing::TestWithParam<CorpusCase> {};

TEST_P(CorpusInWindow, TranscriptIsUnchanged) {
  std::istringstream in(GetParam().script);
  const std::string output = Replay(in, GetParam().locale);
  EXPECT_EQ(WithoutRows(output), GetParam().transcript);
  ExpectRowsAgreeWithBoxes(output);
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusInWindow, ::testing::ValuesIn(ReadCorpus()), CorpusCaseName);

}  // namespace
}  // namespace capset::testing
