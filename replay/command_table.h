#pragma once
// The commands of the script language, as a table: each row holds a
// command's words, whether it takes an argument, and what runs it. A
// concern adds its rows in its own file (batch_commands, file_commands,
// ...); the player and the scripted prompt only look lines up here.
//
// One rule for a command line: a line whose first word (up to the first
// blank or tab) is the first word of a row is that command, wherever it
// stands. At an open prompt it cancels the prompt and is then run; a row of
// two words ("@export csv") is found by its second word as well. The
// argument is the rest of the line after the row's words, without the
// blanks around it.

#include <functional>
#include <string>
#include <vector>

namespace capset {

class ScriptLines;

// The word a command line starts with: up to the first blank or tab; empty
// for a line that starts with a blank (an answer as typed).
std::string CommandWord(const std::string& line);

class CommandTable {
 public:
  enum class Argument { kNone, kRequired };
  // Runs a command; `lines` is where a block (@batch … @end) reads its lines.
  using Handler = std::function<void(const std::string& argument, ScriptLines& lines)>;

  // A row of one or two words. A row added again with the same words
  // replaces the first; a row without a handler is a command word the
  // target does not run (a line of it is ignored, visibly).
  void Add(const std::string& words, Argument argument, Handler handler);

  // True when the line's first word is a command's.
  bool IsCommandLine(const std::string& line) const;

  // Runs the line's command. False when it is not a command the target
  // runs: another line, an unknown second word, a missing argument, or a
  // row without a handler.
  bool Run(const std::string& line, ScriptLines& lines) const;

  // The words of every row, in the order added, so two targets can be
  // checked to speak the same language.
  std::vector<std::string> Words() const;

 private:
  struct Row {
    std::string first;   // "@export"
    std::string second;  // "csv", or empty
    Argument argument;
    Handler handler;
  };

  std::vector<Row> rows_;
};

}  // namespace capset
