#include "script.h"

#include "solver_texts.h"
#include "log_row.h"

namespace capset {

bool IsCommandLine(const std::string& line) {
  const std::string word = line.substr(0, line.find(' '));
  for (const char* command : kCommands) {
    if (word == command) return true;
  }
  return false;
}

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

std::optional<std::string> ScriptedPrompt::Ask(const std::string& message) {
  out_ << "PROMPT " << OneLine(message) << '\n' << std::flush;
  std::optional<std::string> line = lines_.Next();
  if (!line) return std::nullopt;
  if (*line == kCancelLine) return std::nullopt;
  if (IsCommandLine(*line)) {
    lines_.PutBack(std::move(*line));
    return std::nullopt;
  }
  return line;
}

void PrintingReporter::ReportError(const std::string& message) {
  out_ << "MESSAGE " << OneLine(message) << '\n' << std::flush;
}

void PrintingReporter::ReportNotice(const std::string& message) {
  out_ << "MESSAGE " << OneLine(message) << '\n' << std::flush;
}

void PlayScript(ScriptLines& lines, ScriptTarget& target, std::ostream& out) {
  while (std::optional<std::string> line = lines.Next()) {
    if (*line == kStartLine) {
      target.ClickStart();
    } else if (*line == kComputeLine) {
      target.ClickCompute();
    } else if (!line->starts_with('@') || *line == kCancelLine || !target.RunCommand(*line, lines)) {
      out << "IGNORED " << *line << '\n' << std::flush;
    }
  }
  for (int number = 1; number <= kBoxCount; ++number) out << "Text" << number << '=' << target.BoxText(number) << '\n';
  target.PrintEnd(out);
  out << std::flush;
}

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

BatchInput ReadBatchBlock(ScriptLines& lines, std::ostream& out) {
  BatchInput input;
  while (std::optional<std::string> line = lines.Next()) {
    if (*line == kEndLine) break;
    if (line->starts_with('@')) {
      lines.PutBack(std::move(*line));
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

std::optional<ExportCommand> ReadExportLine(const std::string& line) {
  std::string path;
  if (TakeField(line, std::string(kExportWord) + " csv", path) && !path.empty()) {
    return ExportCommand{ExportFormat::kCsv, path};
  }
  if (TakeField(line, std::string(kExportWord) + " dat", path) && !path.empty()) {
    return ExportCommand{ExportFormat::kDat, path};
  }
  return std::nullopt;
}

void PrintRows(const CapLog& log, const std::string& sep, std::ostream& out) {
  for (const CapRecord& record : log.Records()) {
    out << kRowTag;
    for (const std::string& text : RowTextsOf(record, sep)) out << '\t' << text;
    out << '\n';
  }
}

}  // namespace capset
