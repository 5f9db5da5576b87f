#include "command_table.h"

#include <algorithm>

#include "blanks.h"

namespace capset {
std::string CommandWord(const std::string& line) {
  if (line.empty() || BlankAt(line) != 0) return "";
  return FirstWord(line).first;
}

void CommandTable::Add(const std::string& words, Argument argument, Handler handler) {
  auto [first, second] = FirstWord(words);
  Row row{std::move(first), std::move(second), argument, std::move(handler)};
  const auto same = std::find_if(rows_.begin(), rows_.end(), [&](const Row& r) { return r.first == row.first && r.second == row.second; });
  if (same != rows_.end()) {
    *same = std::move(row);
  } else {
    rows_.push_back(std::move(row));
  }
}

bool CommandTable::IsCommandLine(const std::string& line) const {
  const std::string first = CommandWord(line);
  return !first.empty() && std::any_of(rows_.begin(), rows_.end(), [&](const Row& r) { return r.first == first; });
}

bool CommandTable::Run(const std::string& line, ScriptLines& lines) const {
  if (!IsCommandLine(line)) return false;
  const auto [first, rest] = FirstWord(line);
  const auto [second, afterSecond] = FirstWord(rest);
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
