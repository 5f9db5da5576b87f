#pragma once
// The replay corpus (tests/corpus/replay_corpus.txt): scripts and the
// transcript each one gave when it was recorded. See make_corpus.py.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "transcript.h"

namespace capset::testing {

struct CorpusCase {
  std::string name;  // a test name
  std::string locale;
  std::string script;
  std::string transcript;
};

inline std::vector<CorpusCase> ReadCorpus() {
  std::vector<CorpusCase> cases;
  std::ifstream in(CAPSET_CORPUS_FILE);
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("# ")) {
      const auto bar = line.rfind(" | ");
      CorpusCase c{line.substr(2, bar - 2), line.substr(bar + 3), "", ""};
      for (char& ch : c.name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      cases.push_back(c);
    } else if (line.starts_with("< ")) {
      cases.back().script += line.substr(2) + "\n";
    } else if (line.starts_with("> ")) {
      cases.back().transcript += line.substr(2) + "\n";
    }
  }
  return cases;
}

inline std::string CorpusCaseName(const ::testing::TestParamInfo<CorpusCase>& info) { return info.param.name; }

// The corpus was recorded before the log printed its rows: the transcript
// without them must be unchanged to the byte.
inline std::string WithoutRows(const std::string& transcript) {
  std::istringstream in(transcript);
  std::string kept;
  for (std::string line; std::getline(in, line);) {
    if (!line.starts_with("ROW\t")) kept += line + "\n";
  }
  return kept;
}

// Only a Compute that reached its end writes the result boxes, and it adds a
// row: without rows they are empty, and otherwise the last row carries
// exactly the texts they show.
inline void ExpectRowsAgreeWithBoxes(const std::string& output) {
  const Transcript t = ReadTranscript(output);
  for (const auto& [column, box] : kBoxOfColumn) {
    if (t.rows.empty()) {
      EXPECT_EQ(t.Box(box), "") << "Text" << box;
    } else {
      ASSERT_EQ(t.rows.back().size(), std::size_t{kRowColumnCount});
      EXPECT_EQ(t.rows.back()[column], t.Box(box)) << "Text" << box;
    }
  }
}

}  // namespace capset::testing
