#include "dialogue_replay.h"

#include <sstream>

#include "handlers.h"

namespace capset {

DialogueReplay::DialogueReplay(ScriptLines& lines, std::ostream& out, NumberSymbols symbols)
    : out_(out), prompt_(lines, out), reader_(std::move(symbols)), reporter_(out), seam_{prompt_, reader_, reporter_, *this} {}

void DialogueReplay::ClickStart() { Command1_Click(job_, seam_); }

void DialogueReplay::ClickCompute() {
  const std::optional<Solver> choice = ChooseSolver(job_);
  out_ << "SOLVER " << SolverName(choice) << '\n' << std::flush;
  Command2_Click(choice, job_, seam_);
}

std::string ReplayDialogue(const std::string& script, const NumberSymbols& symbols) {
  std::istringstream in(script);
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay target(lines, out, symbols);
  PlayScript(lines, target, out);
  return out.str();
}

}  // namespace capset
