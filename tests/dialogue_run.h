#pragma once
// A script played against the dialogue alone: the transcript cap_replay
// would print, and the job record and the log's records as the script left
// them, with the files it wrote. Every row is made at the tests' time.

#include <map>
#include <set>
#include <sstream>
#include <string>

#include "dialogue_replay.h"
#include "fixed_clock.h"
#include "transcript.h"

namespace capset::testing {

struct DialogueRun {
  Transcript transcript;
  CapJob job;
  std::vector<CapRecord> records;
  std::map<std::string, std::string> files;  // the script's file store as it left it

  std::vector<std::string> Events(const std::string& tag) const { return transcript.Events(tag); }
  const std::string& Box(int number) const { return transcript.Box(number); }
};

// `files` are in the store before the script starts; a write to a name in
// `unwritable` fails as a full disk or a locked folder would.
inline DialogueRun RunDialogue(const std::string& script, const NumberSymbols& symbols = {},
                               const std::map<std::string, std::string>& files = {},
                               const std::set<std::string>& unwritable = {}) {
  std::istringstream in(script);
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay target(lines, out, symbols, FixedClock());
  for (const auto& [name, text] : files) target.Files().files[name] = text;
  target.Files().unwritable = unwritable;
  PlayScript(lines, target, out);
  return {ReadTranscript(out.str()), target.Job(), target.Log().Records(), target.Files().files};
}

// A script of files: the run with `files` in the store first.
inline DialogueRun RunWithFiles(const std::string& script, const std::map<std::string, std::string>& files = {},
                                const std::set<std::string>& unwritable = {}) {
  return RunDialogue(script, {}, files, unwritable);
}

}  // namespace capset::testing
