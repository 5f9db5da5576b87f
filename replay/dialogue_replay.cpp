#include "dialogue_replay.h"

#include <sstream>

#include "cap_warnings.h"

namespace capset {

DialogueReplay::DialogueReplay(ScriptLines& lines, std::ostream& out, NumberSymbols symbols, Clock clock)
    : out_(out),
      prompt_(lines, out, commands_),
      reader_(std::move(symbols)),
      reporter_(out),
      seam_{prompt_, reader_, reporter_, *this},
      solverPrinter_(out) {
  if (clock) session_.Log().SetClock(std::move(clock));
  session_.AddObserver(&solverPrinter_);
  session_.AddObserver(this);
  actions_.start = [this] { session_.Start(); };
  actions_.compute = [this] { session_.Compute(); };
  actions_.batch = [this](const BatchInput& input) {
    batchInput_ = input;
    session_.Batch(input);
  };
  actions_.save = [this](const std::string& path) {
    // The dialog's list is one text: a list of one empty line is no list.
    std::optional<BatchInput> batch;
    if (batchInput_ && !(batchInput_->stations.empty() || batchInput_->stations == std::vector<std::string>{""})) {
      batch = batchInput_;
    }
    files_.SaveJob(path, batch);
  };
  actions_.open = [this](const std::string& path) {
    // The dialog then holds the file's list, or none.
    if (const auto opened = files_.OpenJob(path)) batchInput_ = *opened;
  };
  actions_.exportTo = [this](const std::string& path, ExportFormat format) { files_.Export(path, format); };
  actions_.exportTable = [this](const std::string& path, ExportFormat format, const std::vector<StationTableRow>& rows) {
    files_.ExportTable(path, format, rows);
  };
  actions_.scene = [this]() -> const SketchScene* { return scene_ ? &*scene_ : nullptr; };
  AddScriptCommands(commands_, actions_, context_);
}

void DialogueReplay::CapComputed(const CapSolution& solution) {
  scene_ = MakeSketch(solution, CheckCap(solution), kFormBand);
}

void DialogueReplay::StartCompleted() { scene_.reset(); }

void DialogueReplay::PrintEnd(std::ostream& out) { PrintRows(session_.Log(), reader_.DecimalSeparator(), out); }

std::string ReplayDialogue(const std::string& script, const NumberSymbols& symbols, Clock clock) {
  std::istringstream in(script);
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay target(lines, out, symbols, std::move(clock));
  PlayScript(lines, target, out);
  return out.str();
}

}  // namespace capset
