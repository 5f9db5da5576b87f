#include "script.h"

#include "height_columns.h"

#include "boxes.h"
#include "log_row.h"
#include "solver_texts.h"

namespace capset {

void SolverPrinter::SolverChosen(std::optional<Solver> choice) {
  out_ << "SOLVER " << SolverName(choice) << '\n' << std::flush;
}

std::optional<std::string> ScriptLines::Next() {
  if (pending_) {
    std::optional<std::string> line = std::move(pending_);
    pending_.reset();
    return line;
  }
  std::string line;
  if (!std::getline(in_, line)) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

std::string OneLine(const std::string& text) {
  std::string line;
  line.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    line += (text[i] == '\n' || text[i] == '\r') ? ' ' : text[i];
  }
  return line;
}

namespace {

// "@cancel" is a command like any other: its first word decides.
bool IsCancel(const std::string& line) { return CommandWord(line) == kCancelLine; }

}  // namespace

std::optional<std::string> ScriptedPrompt::Ask(const std::string& message) {
  out_ << "PROMPT " << OneLine(message) << '\n' << std::flush;
  std::optional<std::string> line = lines_.Next();
  if (!line) return std::nullopt;
  if (IsCancel(*line)) return std::nullopt;
  if (commands_.IsCommandLine(*line)) {
    lines_.PutBack(std::move(*line));
    return std::nullopt;
  }
  return line;
}

void PrintingReporter::ReportError(const std::string& message) {
  out_ << "MESSAGE " << OneLine(message) << '\n' << std::flush;
}

void PrintingReporter::ReportNotice(const std::string& message) {
  out_ << "NOTICE " << OneLine(message) << '\n' << std::flush;
}

void PlayScript(ScriptLines& lines, ScriptTarget& target, std::ostream& out) {
  while (std::optional<std::string> line = lines.Next()) {
    if (!target.Commands().Run(*line, lines)) out << "IGNORED " << *line << '\n' << std::flush;
  }
  for (int number = 1; number <= kBoxCount; ++number) out << "Text" << number << '=' << target.BoxText(number) << '\n';
  target.PrintEnd(out);
  out << std::flush;
}

void PrintRows(const CapLog& log, const std::string& sep, std::ostream& out) {
  // As the log's table shows them: with every point's H once a row carries heights.
  bool heights = false;
  for (const CapRecord& record : log.Records()) heights = heights || record.heights.has_value();
  for (const CapRecord& record : log.Records()) {
    out << kRowTag;
    for (const std::string& text : LogRowTexts(record, sep, heights)) out << '\t' << text;
    out << '\n';
  }
}

}  // namespace capset
