#pragma once
// The replay corpus (tests/corpus/replay_corpus.txt) read and played
// against the dialogue, without the toolkit: what cap_replay_core runs in
// node and under wine to show that a build of the core prints, byte for
// byte, what the desktop printed when the corpus was recorded.
//
// A case is its lines as the corpus holds them: "# name | locale", the
// files put in its folder ("+ name", "| line"), its script ("< line") and
// the output recorded (">" lines, last). Playing a case gives its output
// lines again, so a whole corpus played is the same bytes as the corpus
// when every case prints what it printed.

#include <istream>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "number_rules.h"

namespace capset {

struct CorpusEntry {
  std::string locale;
  std::vector<std::string> inputLines;       // every line but the ">" ones, as read
  std::map<std::string, std::string> files;  // by name: put in the folder first
  std::string script;                        // "{dir}" stands for the folder
  std::string transcript;                    // the ">" lines without "> ", each ending in "\n"
};

std::vector<CorpusEntry> ReadCorpusEntries(std::istream& in);

// The case played: the transcript, then the folder's files as the corpus
// lists them ("FILE name", "| line"), with the folder written "{dir}".
std::string PlayCorpusEntry(const CorpusEntry& entry);

// Plays every case and writes the corpus again with the output each one
// gave now. Returns how many cases printed something else than recorded,
// and names each of them on `differences`.
int ReplayCorpus(const std::vector<CorpusEntry>& entries, std::ostream& out, std::ostream& differences);

// The files of a folder after a run, by name, as the corpus lists them.
std::string FileListing(const std::map<std::string, std::string>& files);

// The number symbols of the locales the corpus is recorded in (zh_CN, C,
// en_US: the C form; de_DE; ar_EG); nothing for another.
std::optional<NumberSymbols> SymbolsOfLocale(const std::string& locale);

// A file's bytes as the corpus writes them, and back (see make_corpus.py).
std::string CorpusEscaped(const std::string& bytes);
std::string CorpusUnescaped(const std::string& line);

}  // namespace capset
