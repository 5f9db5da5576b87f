// cap_replay_core [--locale NAME] [--now "YYYY-MM-DD HH:MM:SS"] < script
// cap_replay_core --corpus < replay_corpus.txt
//
// The script language of cap_replay played against the dialogue alone, with
// no toolkit: the program the WebAssembly and Windows console builds of the
// core make. A script prints the transcript cap_replay prints; the files it
// saves and exports are kept in memory and listed after it ("FILE path",
// then "| line" for each of its lines). LandXML is read and written as the
// desktop does it; only @shot, a picture of the window, is not in this
// program.
//
// With --corpus it plays every case of the replay corpus read from its
// input and writes the corpus again with the output each case gives now: the
// same bytes as its input when the build prints what the desktop printed.
// The cases that differ are named on the error stream and the exit status
// is 1.

#include <cstring>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "corpus_cases.h"
#include "dialogue_replay.h"
#include "local_time.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

int Usage() {
  std::cerr << "usage: cap_replay_core [--locale NAME] [--now \"YYYY-MM-DD HH:MM:SS\"] < script\n"
               "       cap_replay_core --corpus < replay_corpus.txt\n";
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
#ifdef _WIN32
  // The bytes as they are: Windows' text mode would turn every line feed
  // written into a carriage return and a line feed.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  std::string locale;
  std::optional<capset::LocalTime> now;
  bool corpus = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--corpus") == 0) {
      corpus = true;
    } else if (std::strcmp(argv[i], "--locale") == 0 && i + 1 < argc) {
      locale = argv[++i];
    } else if (std::strcmp(argv[i], "--now") == 0 && i + 1 < argc && capset::ReadDateTime(argv[i + 1])) {
      now = capset::ReadDateTime(argv[++i]);
    } else {
      return Usage();
    }
  }
  if (corpus) {
    const int differing = capset::ReplayCorpus(capset::ReadCorpusEntries(std::cin), std::cout, std::cerr);
    return differing == 0 ? 0 : 1;
  }
  const std::optional<capset::NumberSymbols> symbols = capset::SymbolsOfLocale(locale);
  if (!symbols) {
    std::cerr << "cap_replay_core: no number symbols for the locale " << locale << " (zh_CN, C, en_US, de_DE, ar_EG)\n";
    return 2;
  }
  capset::Clock clock;
  if (now) clock = [now] { return *now; };
  capset::ScriptLines lines(std::cin);
  capset::DialogueReplay target(lines, std::cout, *symbols, clock);
  capset::PlayScript(lines, target, std::cout);
  std::cout << capset::FileListing(target.Files().files) << std::flush;
  return 0;
}
