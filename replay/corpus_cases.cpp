#include "corpus_cases.h"

#include <optional>
#include <sstream>

#include "dialogue_replay.h"
#include "local_time.h"
#include "number_rules.h"

namespace capset {
namespace {

// The corpus was recorded with the clock standing at this time.
constexpr LocalTime kCorpusTime{2026, 3, 1, 9, 30, 0};
// The folder the files of a case live in, in the dialogue's memory.
constexpr char kFolder[] = "/corpus";
constexpr char kFolderMark[] = "{dir}";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

}  // namespace

std::optional<NumberSymbols> SymbolsOfLocale(const std::string& locale) {
  if (locale == "de_DE") return NumberSymbols{.decimal = ","};
  if (locale == "ar_EG") {
    return NumberSymbols{.decimal = "\u066B", .minus = "\u061C-", .plus = "\u061C+", .exponent = "\u0627\u0633",
                         .zeroDigit = U'\u0660'};
  }
  if (locale.empty() || locale == "C" || locale == "zh_CN" || locale == "en_US") return NumberSymbols{};
  return std::nullopt;
}

std::string FileListing(const std::map<std::string, std::string>& files) {
  std::string out;
  for (const auto& [name, bytes] : files) {
    out += "FILE " + name + "\n";
    const std::string text = CorpusEscaped(bytes);
    for (std::size_t from = 0;;) {
      const std::size_t end = text.find('\n', from);
      out += "| " + text.substr(from, end - from) + "\n";
      if (end == std::string::npos) break;
      from = end + 1;
    }
  }
  return out;
}

std::string CorpusEscaped(const std::string& bytes) {
  std::string out;
  for (const char c : bytes) {
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\r') {
      out += "\\r";
    } else {
      out += c;
    }
  }
  return out;
}

std::string CorpusUnescaped(const std::string& line) {
  std::string out;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] != '\\' || i + 1 == line.size()) {
      out += line[i];
    } else if (line[i + 1] == 'r') {
      out += '\r';
      ++i;
    } else if (line[i + 1] == 'x' && i + 3 < line.size()) {
      out += static_cast<char>(std::stoi(line.substr(i + 2, 2), nullptr, 16));
      i += 3;
    } else {
      out += line[i + 1];
      ++i;
    }
  }
  return out;
}

std::vector<CorpusEntry> ReadCorpusEntries(std::istream& in) {
  std::vector<CorpusEntry> entries;
  std::string file;  // the input file being read
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("# ")) {
      entries.push_back({line.substr(line.rfind(" | ") + 3), {}, {}, "", ""});
      file.clear();
    }
    if (entries.empty()) continue;
    CorpusEntry& entry = entries.back();
    if (line.starts_with("> ")) {
      entry.transcript += line.substr(2) + "\n";
      continue;
    }
    entry.inputLines.push_back(line);
    if (line.starts_with("+ ")) {
      file = line.substr(2);
      entry.files[file];
    } else if (line.starts_with("| ")) {
      entry.files[file] += CorpusUnescaped(line.substr(2)) + "\n";
    } else if (line.starts_with("< ")) {
      entry.script += line.substr(2) + "\n";
    }
  }
  // Each line of a file ended in a line feed but the last.
  for (CorpusEntry& entry : entries) {
    for (auto& [name, bytes] : entry.files) {
      if (!bytes.empty()) bytes.pop_back();
    }
  }
  return entries;
}

std::string PlayCorpusEntry(const CorpusEntry& entry) {
  const std::string folder = kFolder;
  std::istringstream in(Replaced(entry.script, kFolderMark, folder));
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay target(lines, out, SymbolsOfLocale(entry.locale).value_or(NumberSymbols{}), [] { return kCorpusTime; });
  for (const auto& [name, bytes] : entry.files) target.Files().files[folder + "/" + name] = bytes;
  PlayScript(lines, target, out);
  std::map<std::string, std::string> left;
  for (const auto& [path, bytes] : target.Files().files) left[path.substr(folder.size() + 1)] = bytes;
  return Replaced(out.str(), folder, kFolderMark) + FileListing(left);
}

int ReplayCorpus(const std::vector<CorpusEntry>& entries, std::ostream& out, std::ostream& differences) {
  int differing = 0;
  for (const CorpusEntry& entry : entries) {
    const std::string now = PlayCorpusEntry(entry);
    for (const std::string& line : entry.inputLines) out << line << '\n';
    std::istringstream printed(now);
    for (std::string line; std::getline(printed, line);) out << "> " << line << '\n';
    if (now != entry.transcript) {
      ++differing;
      differences << "DIFFERS " << entry.inputLines.front().substr(2) << '\n';
    }
  }
  out << std::flush;
  return differing;
}

}  // namespace capset
