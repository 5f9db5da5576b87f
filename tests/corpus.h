#pragma once
// The replay corpus (tests/corpus/replay_corpus.txt): scripts and the
// transcript each one gave when it was recorded. See make_corpus.py.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

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

}  // namespace capset::testing
