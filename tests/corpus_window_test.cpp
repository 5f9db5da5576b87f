// Every recorded script, played against the real window, prints exactly the
// transcript and leaves exactly the files it gave when it was recorded, and
// the log's rows agree with the boxes.
#include <gtest/gtest.h>

#include <sstream>

#include "corpus.h"
#include "window_replay.h"

namespace capset::testing {
namespace {

class CorpusInWindow : public ::testing::TestWithParam<CorpusCase> {};

TEST_P(CorpusInWindow, TranscriptAndFilesAreUnchanged) {
  const CorpusCase& c = GetParam();
  const CaseFolder folder(c);
  std::istringstream in(Replaced(c.script, kFolderMark, folder.Path()));
  const std::string output = Replaced(Replay(in, c.locale), folder.Path(), kFolderMark);
  EXPECT_EQ(output + FileListing(folder.Files()), c.transcript);
  ExpectRowsAgreeWithBoxes(output, c.script);
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusInWindow, ::testing::ValuesIn(ReadCorpus()), CorpusCaseName);

}  // namespace
}  // namespace capset::testing
