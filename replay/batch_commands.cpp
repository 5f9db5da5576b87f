// @batch … @end: the batch dialog's fields, one a line.

#include "script.h"
#include "script_commands.h"

namespace capset {
namespace {

// "dr 7.5" is the word "dr" and the text "7.5" as typed; "dr" alone is an
// empty text.
bool TakeField(const std::string& line, const std::string& word, std::string& value) {
  if (line == word) {
    value.clear();
    return true;
  }
  if (!line.starts_with(word + " ")) return false;
  value = line.substr(word.size() + 1);
  return true;
}

}  // namespace

BatchInput ReadBatchBlock(ScriptLines& lines, const CommandTable& commands, std::ostream& out) {
  BatchInput input;
  while (std::optional<std::string> line = lines.Next()) {
    if (commands.IsCommandLine(*line)) {
      // "@end" closes the block; any other command ends it and is run.
      if (CommandWord(*line) != kEndLine) lines.PutBack(std::move(*line));
      break;
    }
    std::string value;
    if (*line == "axis parallel") {
      input.axis = BatchInput::Axis::kParallel;
    } else if (*line == "axis own") {
      input.axis = BatchInput::Axis::kOwn;
    } else if (TakeField(*line, "dr", value)) {
      input.DR = value;
    } else if (TakeField(*line, "precision", value)) {
      input.precision = value;
    } else if (TakeField(*line, "offsets", value)) {
      input.offsets = value;
    } else if (TakeField(*line, "station", value)) {
      input.stations.push_back(value);
    } else {
      out << "IGNORED " << *line << '\n' << std::flush;
    }
  }
  return input;
}

void AddBatchCommands(CommandTable& table, const TargetActions& actions, std::ostream& out) {
  using enum CommandTable::Argument;
  if (actions.batch) {
    table.Add(kBatchLine, kNone, [&table, &actions, &out](const std::string&, ScriptLines& lines) {
      actions.batch(ReadBatchBlock(lines, table, out));
    });
  } else {
    table.Add(kBatchLine, kNone, nullptr);
  }
  // Closes a block; met on its own it closes nothing.
  table.Add(kEndLine, kNone, nullptr);
}

}  // namespace capset
