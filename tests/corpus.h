#pragma once
// The replay corpus (tests/corpus/replay_corpus.txt): scripts, the files
// they start with, and the transcript and files each one gave when it was
// recorded. See make_corpus.py for the format.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "corpus_cases.h"
#include "number_rules.h"
#include "transcript.h"

namespace capset::testing {

struct CorpusCase {
  std::string name;  // a test name
  std::string locale;
  std::map<std::string, std::string> files;  // put in the case's folder first, by name
  std::string script;                        // "{dir}" stands for the folder
  std::string transcript;                    // the folder's path written "{dir}", then its files

  bool UsesFolder() const { return !files.empty() || script.find("{dir}") != std::string::npos; }
};

inline constexpr char kFolderMark[] = "{dir}";

// A line of a file as the corpus writes it: "\" doubled, a carriage return
// as "\r", and (in an input file) any byte as "\xHH".
inline std::string Unescaped(const std::string& line) {
  return CorpusUnescaped(line);
}

inline std::string Escaped(const std::string& bytes) {
  return CorpusEscaped(bytes);
}

inline std::vector<CorpusCase> ReadCorpus() {
  std::vector<CorpusCase> cases;
  std::ifstream in(CAPSET_CORPUS_FILE, std::ios::binary);
  std::string file;  // the input file being read
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("# ")) {
      const auto bar = line.rfind(" | ");
      CorpusCase c{line.substr(2, bar - 2), line.substr(bar + 3), {}, "", ""};
      for (char& ch : c.name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      cases.push_back(c);
      file.clear();
    } else if (line.starts_with("+ ")) {
      file = line.substr(2);
      cases.back().files[file];
    } else if (line.starts_with("| ")) {
      cases.back().files[file] += Unescaped(line.substr(2)) + "\n";
    } else if (line.starts_with("< ")) {
      cases.back().script += line.substr(2) + "\n";
    } else if (line.starts_with("> ")) {
      cases.back().transcript += line.substr(2) + "\n";
    }
  }
  // Each line of a file ended in a line feed but the last.
  for (CorpusCase& c : cases) {
    for (auto& [name, bytes] : c.files) {
      if (!bytes.empty()) bytes.pop_back();
    }
  }
  return cases;
}

// The symbols the window reads from each locale of the corpus, for the
// dialogue played without the toolkit (the window tests check them against
// the toolkit's).
inline NumberSymbols SymbolsOf(const std::string& locale) {
  return SymbolsOfLocale(locale).value_or(NumberSymbols{});
}

inline std::string CorpusCaseName(const ::testing::TestParamInfo<CorpusCase>& info) { return info.param.name; }

inline std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// The files of a folder after a run, as the corpus lists them.
inline std::string FileListing(const std::map<std::string, std::string>& files) {
  return capset::FileListing(files);
}

// A case's folder on disk, made for the run and removed after it.
class CaseFolder {
 public:
  explicit CaseFolder(const CorpusCase& c) {
    static int count = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("capset-corpus-" + std::to_string(::getpid()) + "-" + std::to_string(++count));
    std::filesystem::create_directories(path_);
    for (const auto& [name, bytes] : c.files) {
      std::ofstream(path_ / name, std::ios::binary) << bytes;
    }
  }
  ~CaseFolder() { std::filesystem::remove_all(path_); }
  CaseFolder(const CaseFolder&) = delete;
  CaseFolder& operator=(const CaseFolder&) = delete;

  std::string Path() const { return path_.string(); }
  std::map<std::string, std::string> Files() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      std::ifstream in(entry.path(), std::ios::binary);
      files[entry.path().filename().string()] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return files;
  }

 private:
  std::filesystem::path path_;
};

// Only a Compute that reached its end writes the result boxes, and it adds a
// row: without rows they are empty, and otherwise the last row carries
// exactly the texts they show. A batch adds rows and leaves the boxes, and a
// Start or an opened job empties them, so scripts with those after their
// last Compute are left out.
inline void ExpectRowsAgreeWithBoxes(const std::string& output, const std::string& script) {
  const std::size_t last = script.rfind("@compute");
  const bool emptiedAfter = last != std::string::npos && (script.find("@start", last) != std::string::npos ||
                                                          script.find("@open", last) != std::string::npos);
  if (script.find("@batch") != std::string::npos || emptiedAfter) return;
  const Transcript t = ReadTranscript(output);
  for (const auto& [column, box] : kBoxOfColumn) {
    if (t.rows.empty()) {
      EXPECT_EQ(t.Box(box), "") << "Text" << box;
    } else {
      ASSERT_EQ(t.rows.back().size(), std::size_t{kWindowColumnCount});
      EXPECT_EQ(t.rows.back()[column], t.Box(box)) << "Text" << box;
    }
  }
}

}  // namespace capset::testing
