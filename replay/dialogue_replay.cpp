#include "dialogue_replay.h"

#include <sstream>

#include "blanks.h"
#include "cap_warnings.h"
#include "file_texts.h"
#include "instrument_export.h"

namespace capset {

DialogueReplay::DialogueReplay(ScriptLines& lines, std::ostream& out, NumberSymbols symbols, Clock clock,
                               RoadFileFormat* roadFormat)
    : out_(out),
      prompt_(lines, out, commands_),
      reader_(std::move(symbols)),
      reporter_(out),
      seam_{prompt_, reader_, reporter_, *this},
      solverPrinter_(out),
      roadFormat_(roadFormat != nullptr ? roadFormat : &memoryFormat_) {
  if (clock) session_.Log().SetClock(std::move(clock));
  session_.AddObserver(&solverPrinter_);
  session_.AddObserver(this);
  actions_.start = [this] { session_.Start(); };
  actions_.compute = [this] { session_.Compute(); };
  actions_.batch = [this](const BatchInput& input) { session_.Batch(input); };
  actions_.save = [this](const std::string& path) { files_.SaveJob(path); };
  actions_.open = [this](const std::string& path) { files_.OpenJob(path, [this] { return SaveCurrentJob(); }); };
  actions_.quit = [this] { return files_.MayDiscard(Discarding::kQuit, [this] { return SaveCurrentJob(); }); };
  actions_.importLandXml = [this](const std::string& path, const std::optional<std::string>& name) {
    files_.ImportRoad(path, name, *roadFormat_, [this] { return SaveCurrentJob(); });
  };
  actions_.exportLandXml = [this](const std::string& path) { files_.ExportRoad(path, *roadFormat_); };
  actions_.exportTo = [this](const std::string& path, ExportFormat format) { files_.Export(path, format); };
  actions_.exportPoints = [this](const std::string& path, InstrumentFormat format, const std::string& bridge,
                                 const std::vector<std::string>& bents) {
    ExportInstrumentFile(session_, store_, reporter_, path, format, bridge, bents);
  };
  actions_.exportTable = [this](const std::string& path, ExportFormat format, const std::vector<StationTableRow>& rows) {
    files_.ExportTable(path, format, rows);
  };
  actions_.exportBridges = [this](const std::string& path, ExportFormat format, const std::string& bridge,
                                  const std::vector<std::string>& bents) {
    files_.ExportBridges(path, format, bridge, bents);
  };
  actions_.scene = [this]() -> const SketchScene* { return scene_ ? &*scene_ : nullptr; };
  AddScriptCommands(commands_, actions_, context_);
}

bool DialogueReplay::SaveCurrentJob() {
  if (!files_.JobPath().empty()) return files_.SaveJob(files_.JobPath());
  if (!files_.CurrentJob()) return files_.SaveJob("");  // says there is nothing to save
  const std::optional<std::string> path = prompt_.Ask(kSaveJobPathPrompt);
  if (!path || TrimBlanks(*path).empty()) return false;
  std::string file(TrimBlanks(*path));
  // A name without an ending takes the job file's, as the save dialog gives it.
  if (FileNameOf(file).find('.') == std::string::npos) file += ".capjob";
  return files_.SaveJob(file);
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
