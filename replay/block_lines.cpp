#include "block_lines.h"

#include "command_table.h"
#include "script.h"

namespace capset {

std::optional<std::string> NextBlockLine(ScriptLines& lines, const CommandTable& commands) {
  std::optional<std::string> line = lines.Next();
  if (!line || !commands.IsCommandLine(*line)) return line;
  if (CommandWord(*line) != kEndLine) lines.PutBack(std::move(*line));
  return std::nullopt;
}

bool TakeField(const std::string& line, const std::string& word, std::string& value) {
  if (line == word) {
    value.clear();
    return true;
  }
  if (!line.starts_with(word + " ")) return false;
  value = line.substr(word.size() + 1);
  return true;
}

}  // namespace capset
