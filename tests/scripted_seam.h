#pragma once
// A seam for tests: answers come from a script, reports and boxes are kept.
// The script language is that of cap_replay: "@start" clicks Start,
// "@compute" clicks Compute, "@cancel" cancels the next prompt, any other
// line is typed at the next prompt. A prompt that meets "@start" or
// "@compute", or no line at all, is cancelled.

#include <array>
#include <cerrno>
#include <cstdlib>
#include <deque>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cap_job.h"
#include "handlers.h"
#include "seam.h"

namespace capset::testing {

// The user's number rules with a given decimal separator: blanks around,
// a sign, digits with the separator, an exponent.
class SeparatorReader : public NumberReader {
 public:
  explicit SeparatorReader(std::string sep)
      : sep_(std::move(sep)),
        number_("^ *[+-]?([0-9]+(" + Escaped() + "[0-9]*)?|" + Escaped() + "[0-9]+)([eE][+-]?[0-9]+)? *$") {}
  ReadResult Read(const std::string& text) const override {
    if (!std::regex_match(text, number_)) return {ReadResult::Status::kNotNumber, 0};
    std::string c = text;
    if (const auto at = c.find(sep_); at != std::string::npos) c.replace(at, sep_.size(), ".");
    errno = 0;
    const double v = std::strtod(c.c_str(), nullptr);
    if (errno == ERANGE) return {ReadResult::Status::kOutOfRange, 0};
    return {ReadResult::Status::kNumber, v};
  }
  std::string DecimalSeparator() const override { return sep_; }

 private:
  std::string Escaped() const { return sep_ == "." ? "\\." : sep_; }
  std::string sep_;
  std::regex number_;
};

// Runs a script against a fresh job and records what the user would see.
class ScriptedSession : public Prompt, public ErrorReporter, public BoxWriter {
 public:
  explicit ScriptedSession(const std::string& script, std::string sep = ".") : reader_(std::move(sep)) {
    std::istringstream in(script);
    for (std::string line; std::getline(in, line);) lines_.push_back(line);
  }

  // Plays the whole script; returns the event log, one event a line.
  const std::vector<std::string>& Play() {
    Seam seam{*this, reader_, *this, *this};
    while (!lines_.empty()) {
      const std::string line = lines_.front();
      lines_.pop_front();
      if (line == "@start") {
        Command1_Click(job, seam);
      } else if (line == "@compute") {
        events.push_back(std::string("SOLVER ") + SolverName(ChooseSolver(job)));
        Command2_Click(job, seam);
      } else {
        events.push_back("IGNORED " + line);
      }
    }
    return events;
  }

  std::optional<std::string> Ask(const std::string& message) override {
    events.push_back("PROMPT " + message);
    if (lines_.empty() || lines_.front() == "@start" || lines_.front() == "@compute") return std::nullopt;
    const std::string line = lines_.front();
    lines_.pop_front();
    if (line == "@cancel") return std::nullopt;
    return line;
  }
  void ReportError(const std::string& message) override { events.push_back("MESSAGE " + OneLine(message)); }
  void ReportNotice(const std::string& message) override { events.push_back("MESSAGE " + OneLine(message)); }
  void WriteBox(int number, const std::string& text) override { boxes.at(number) = text; }

  // Events of one kind ("PROMPT", "MESSAGE", "SOLVER"), without the tag.
  std::vector<std::string> Events(const std::string& tag) const {
    std::vector<std::string> out;
    for (const auto& e : events)
      if (e.rfind(tag + " ", 0) == 0) out.push_back(e.substr(tag.size() + 1));
    return out;
  }

  CapJob job;
  std::array<std::string, 27> boxes;  // boxes[1] is Text1
  std::vector<std::string> events;

 private:
  static std::string OneLine(std::string s) {
    for (auto& c : s)
      if (c == '\n') c = ' ';
    return s;
  }
  SeparatorReader reader_;
  std::deque<std::string> lines_;
};

}  // namespace capset::testing
