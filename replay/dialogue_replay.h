#pragma once
// A script played against the dialogue alone, without a window: the same
// handlers the window's buttons call, a scripted prompt, a printing
// reporter and 26 boxes kept as texts. The transcript is the one cap_replay
// prints for the same script. Exports write files through the window, so
// this target leaves "@export" lines to be reported as ignored.

#include <array>
#include <ostream>
#include <string>

#include "cap_session.h"
#include "script.h"

namespace capset {

class DialogueReplay : public ScriptTarget, public BoxWriter {
 public:
  DialogueReplay(ScriptLines& lines, std::ostream& out, NumberSymbols symbols);

  void ClickStart() override;
  void ClickCompute() override;
  bool RunCommand(const std::string& line, ScriptLines& lines) override;
  void PrintEnd(std::ostream& out) override;
  std::string BoxText(int number) const override { return boxes_.at(number - 1); }
  void WriteBox(int number, const std::string& text) override { boxes_.at(number - 1) = text; }

  const CapJob& Job() const { return session_.Job(); }
  CapSession& Session() { return session_; }
  const CapLog& Log() const { return session_.Log(); }

 private:
  std::ostream& out_;
  ScriptedPrompt prompt_;
  FixedNumberReader reader_;
  PrintingReporter reporter_;
  Seam seam_;
  CapSession session_{seam_};
  SolverPrinter solverPrinter_;
  std::array<std::string, kBoxCount> boxes_{};
};

// Plays `script` and returns the transcript.
std::string ReplayDialogue(const std::string& script, const NumberSymbols& symbols = {});

}  // namespace capset
