#include "command_table.h"

#include <algorithm>

namespace capset {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The first word of `text` and the rest after it, both without blanks
// around them.
std::pair<std::string, std::string> SplitWord(const std::string& text) {
  const auto from = std::find_if_not(text.begin(), text.end(), IsBlank);
  const auto to = std::find_if(from, text.end(), IsBlank);
  auto rest = std::find_if_not(to, text.end(), IsBlank);
  auto end = text.end();
  while (end != rest && IsBlank(*(end - 1))) --end;
  return {std::string(from, to), std::string(rest, end)};
}

}  // namespace

std::string CommandWord(const std::string& line) {
  if (line.empty() || IsBlank(line[0])) return "";
  return SplitWord(line).first;
}

void CommandTable::Add(const std::string& words, Argument argument, Handler handler) {
  auto [first, second] = SplitWord(words);
  Row row{std::move(first), std::move(second), argument, std::move(handler)};
  const auto same = std::ranges::find_if(rows_, [&](const Row& r) { return r.first == row.first && r.second == row.second; });
  if (same != rows_.end()) {
    *same = std::move(row);
  } else {
    rows_.push_back(std::move(row));
  }
}

bool CommandTable::IsCommandLine(const std::string& line) const {
  const std::string first = CommandWord(line);
  return !first.empty() && std::ranges::any_of(rows_, [&](const Row& r) { return r.first == first; });
}

bool CommandTable::Run(const std::string& line, ScriptLines& lines) const {
  if (!IsCommandLine(line)) return false;
  const auto [first, rest] = SplitWord(line);
  const auto [second, afterSecond] = SplitWord(rest);
  // A row of two words first, then the one-word row.
  const Row* row = nullptr;
  std::string argument;
  for (const Row& r : rows_) {
    if (r.first != first) continue;
    if (!r.second.empty() && r.second == second) {
      row = &r;
      argument = afterSecond;
      break;
    }
    if (r.second.empty() && row == nullptr) {
      row = &r;
      argument = rest;
    }
  }
  if (row == nullptr || !row->handler) return false;
  if (row->argument == Argument::kRequired && argument.empty()) return false;
  row->handler(argument, lines);
  return true;
}

std::vector<std::string> CommandTable::Words() const {
  std::vector<std::string> words;
  for (const Row& r : rows_) words.push_back(r.second.empty() ? r.first : r.first + " " + r.second);
  return words;
}

}  // namespace capset
