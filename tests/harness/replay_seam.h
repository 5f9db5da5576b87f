#pragma once
// The two replaced halves of the seam in cap_replay: a prompt that takes its
// answers from the script, and a reporter that prints. See replay.h for the
// script language.

#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "seam.h"

namespace capset {

inline constexpr char kStartLine[] = "@start";
inline constexpr char kComputeLine[] = "@compute";
inline constexpr char kCancelLine[] = "@cancel";

// The script's lines, with one line of look-ahead that a prompt can hand back.
class ScriptLines {
 public:
  explicit ScriptLines(std::istream& in) : in_(in) {}

  // The next line without its "\n" or "\r\n"; nothing at the end of input.
  std::optional<std::string> Next();
  void PutBack(std::string line) { pending_ = std::move(line); }

 private:
  std::istream& in_;
  std::optional<std::string> pending_;
};

// Events go out as single lines: breaks in a message become blanks.
std::string OneLine(const std::string& text);

class ScriptedPrompt : public Prompt {
 public:
  ScriptedPrompt(ScriptLines& lines, std::ostream& out)
      : lines_(lines), out_(out) {}

  std::optional<std::string> Ask(const std::string& message) override;

 private:
  ScriptLines& lines_;
  std::ostream& out_;
};

class PrintingReporter : public ErrorReporter {
 public:
  explicit PrintingReporter(std::ostream& out) : out_(out) {}

  void ReportError(const std::string& message) override;
  void ReportNotice(const std::string& message) override;

 private:
  std::ostream& out_;
};

}  // namespace capset
