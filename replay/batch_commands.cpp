// @batch … @end: the batch dialog's fields, one a line; @points, every
// point of every log row with its foot on the road.

#include "block_lines.h"
#include "script.h"
#include "script_commands.h"

namespace capset {
namespace {

// "6.25 9.5": the left half-width, then the right one; a single value (or
// one with blanks only after it) is both.
void TakeHalfWidths(const std::string& value, BatchInput& input) {
  const std::size_t first = value.find_first_not_of(' ');
  const std::size_t blank = first == std::string::npos ? first : value.find(' ', first);
  const std::size_t second = blank == std::string::npos ? blank : value.find_first_not_of(' ', blank);
  if (second == std::string::npos) {
    input.DR = value;
    input.rightDR.clear();
    return;
  }
  input.DR = value.substr(0, blank);
  input.rightDR = value.substr(second);
}

}  // namespace

BatchInput ReadBatchBlock(ScriptLines& lines, const CommandTable& commands, std::ostream& out) {
  BatchInput input;
  while (std::optional<std::string> line = NextBlockLine(lines, commands)) {
    std::string value;
    if (*line == "method exact") {
      input.method = CapMethod::kExact;
    } else if (*line == "method window") {
      input.method = CapMethod::kWindow;
    } else if (*line == "axis parallel") {
      input.axis = BatchInput::Axis::kParallel;
    } else if (*line == "axis own") {
      input.axis = BatchInput::Axis::kOwn;
    } else if (TakeField(*line, "dr", value)) {
      TakeHalfWidths(value, input);
    } else if (TakeField(*line, "skew", value)) {
      input.skew = value;
    } else if (TakeField(*line, "design", value)) {
      input.design = value;
    } else if (TakeField(*line, "precision", value)) {
      input.precision = value;
    } else if (TakeField(*line, "offsets", value)) {
      input.offsets = value;
    } else if (TakeField(*line, "depth", value)) {
      input.depth = value;
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
