#include "dialogue_replay.h"

#include <sstream>

namespace capset {

DialogueReplay::DialogueReplay(ScriptLines& lines, std::ostream& out, NumberSymbols symbols)
    : out_(out),
      prompt_(lines, out),
      reader_(std::move(symbols)),
      reporter_(out),
      seam_{prompt_, reader_, reporter_, *this},
      solverPrinter_(out) {
  session_.AddObserver(&solverPrinter_);
}

void DialogueReplay::ClickStart() { session_.Start(); }

void DialogueReplay::ClickCompute() { session_.Compute(); }

bool DialogueReplay::RunCommand(const std::string& line, ScriptLines& lines) {
  if (line != kBatchLine) return false;
  session_.Batch(ReadBatchBlock(lines, out_));
  return true;
}

void DialogueReplay::PrintEnd(std::ostream& out) { PrintRows(session_.Log(), reader_.DecimalSeparator(), out); }

std::string ReplayDialogue(const std::string& script, const NumberSymbols& symbols) {
  std::istringstream in(script);
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay target(lines, out, symbols);
  PlayScript(lines, target, out);
  return out.str();
}

}  // namespace capset
