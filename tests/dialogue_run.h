#pragma once
// A script played against the dialogue alone: the transcript cap_replay
// would print, and the job record and the log's records as the script left
// them. Every row is made at the tests' time.

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

  std::vector<std::string> Events(const std::string& tag) const { return transcript.Events(tag); }
  const std::string& Box(int number) const { return transcript.Box(number); }
};

inline DialogueRun RunDialogue(const std::string& script, const NumberSymbols& symbols = {}) {
  std::istringstream in(script);
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay target(lines, out, symbols, FixedClock());
  PlayScript(lines, target, out);
  return {ReadTranscript(out.str()), target.Job(), target.Log().Records()};
}

}  // namespace capset::testing
