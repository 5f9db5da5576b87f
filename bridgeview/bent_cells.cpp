// Every cell is read by putting it into a bent line of its own and reading
// that line as a script's @bridge block reads it: one reader of each
// field, whichever way the field was typed.

#include "bent_cells.h"

#include <algorithm>
#include <cmath>

#include "angle_text.h"
#include "blanks.h"
#include "bridge_lines.h"
#include "bridge_page_texts.h"
#include "bridge_texts.h"
#include "number_text.h"
#include "station_ref_reading.h"
#include "station_text.h"

namespace capset {
namespace {

constexpr const char* kHeadings[kBentColumns] = {kBentNameHeader,  kBentStationHeader, kBentSkewHeader,
                                                 kBentAxisHeader,  kBentDesignHeader,  kBentLeftHeader,
                                                 kBentRightHeader, kBentDepthHeader,   kBentTemplateHeader};

// A station as the cell shows it, in a form its reader takes back as the
// same value: K form where that reads back exactly (whole millimetres whose
// kilometres and metres add up to the very double), metres otherwise.
std::string StationShown(StationRef station, const std::string& sep) {
  const auto local = [&sep](std::string text) {
    const std::size_t dot = text.find('.');
    if (dot != std::string::npos && sep != ".") text.replace(dot, 1, sep);
    return text;
  };
  const std::string occurrence = station.occurrence > 0 ? "(" + std::to_string(station.occurrence) + ")" : "";
  if (station.value >= 0 && std::round(station.value * 1000) / 1000 == station.value) {
    NumberSymbols symbols;
    symbols.decimal = sep;
    const std::string k = local(StationLabel(station.value)) + occurrence;
    const auto read = ReadStationRef(k, symbols);
    if (const auto* back = std::get_if<StationRef>(&read); back != nullptr && *back == station) return k;
  }
  return NumberText(station.value, sep) + occurrence;
}

// A bent read from one line; the reason when it does not read.
std::variant<Bent, std::string> ReadOne(const std::string& line, const NumberSymbols& symbols) {
  const auto read = ReadBridgeLines("", {line}, symbols);
  if (const auto* problems = std::get_if<std::vector<BridgeLineProblem>>(&read)) {
    return BridgeProblemText(problems->front().problem);
  }
  const Bridge& bridge = std::get<Bridge>(read);
  if (bridge.bents.empty()) return std::string(kCellNeeded);
  return bridge.bents.front();
}

// The one word of a cell, "" for a blank one; nothing for several.
std::optional<std::string> OneWord(const std::string& typed) {
  const std::vector<std::string> words = Words(typed);
  if (words.size() > 1) return std::nullopt;
  return words.empty() ? std::string() : words.front();
}

bool IsOwnWord(const std::string& w) { return w.empty() || w == "own" || w == kAxisOwnWord; }
bool IsParallelWord(const std::string& w) { return w == "parallel" || w == kAxisParallelWord; }

// The line that reads `word` as the column's field.
std::string LineFor(BentColumn column, const std::string& word) {
  switch (column) {
    case BentColumn::kName: return "bent " + word + " 0";
    case BentColumn::kStation: return "bent x " + word;
    case BentColumn::kSkew: return "bent x 0 skew " + word;
    case BentColumn::kDesign: return "bent x 0 axis parallel " + word;
    case BentColumn::kLeft:
    case BentColumn::kRight: return "bent x 0 dr " + word;
    case BentColumn::kDepth: return "bent x 0 depth " + word;
    default: return "";
  }
}

}  // namespace

const char* BentColumnHeading(BentColumn column) { return kHeadings[static_cast<int>(column)]; }

std::vector<std::string> BentCellTexts(const Bent& bent, const std::string& sep) {
  const bool parallel = bent.axis == CapAxisMode::kParallel;
  return {bent.name,
          StationShown(bent.station, sep),
          PackedAngleText(bent.B, sep),
          parallel ? kAxisParallelWord : kAxisOwnWord,
          parallel ? StationShown(bent.design, sep) : "",
          bent.left ? NumberText(*bent.left, sep) : "",
          bent.right ? NumberText(*bent.right, sep) : "",
          NumberText(bent.depth, sep),
          bent.templateName};
}

Bent NextBent(const Bridge& bridge) {
  Bent bent;
  for (int n = static_cast<int>(bridge.bents.size()) + 1;; ++n) {
    const std::string name = std::to_string(n);
    if (std::none_of(bridge.bents.begin(), bridge.bents.end(), [&](const Bent& b) { return b.name == name; })) {
      bent.name = name;
      break;
    }
  }
  if (!bridge.bents.empty()) {
    const Bent& last = bridge.bents.back();
    bent.station = last.station;
    bent.B = last.B;
    bent.left = last.left;
    bent.right = last.right;
    bent.depth = last.depth;
    bent.templateName = last.templateName;
  }
  return bent;
}

std::optional<std::string> SetBentCell(Bent& bent, BentColumn column, const std::string& typed,
                                       const NumberSymbols& symbols) {
  const std::optional<std::string> word = OneWord(typed);
  if (!word) return kCellOneWord;
  const std::string& w = *word;
  Bent next = bent;
  if (w.empty()) {
    switch (column) {
      case BentColumn::kName:
      case BentColumn::kStation: return kCellNeeded;
      case BentColumn::kSkew: next.B = 90; break;
      case BentColumn::kAxis:
      case BentColumn::kDesign: next.axis = CapAxisMode::kOwn, next.design = {}; break;
      case BentColumn::kLeft: next.left = next.right = std::nullopt; break;
      case BentColumn::kRight: next.right = next.left; break;
      case BentColumn::kDepth: next.depth = 0; break;
      case BentColumn::kTemplate: next.templateName.clear(); break;
    }
    bent = next;
    return std::nullopt;
  }
  if (column == BentColumn::kAxis) {
    if (IsOwnWord(w)) {
      next.axis = CapAxisMode::kOwn, next.design = {};
    } else if (IsParallelWord(w)) {
      // Parallel to its own station's axis until a design station is typed.
      if (next.axis != CapAxisMode::kParallel) next.design = next.station;
      next.axis = CapAxisMode::kParallel;
    } else {
      return kCellAxisWord;
    }
    bent = next;
    return std::nullopt;
  }
  if (column == BentColumn::kTemplate) {
    if (const std::optional<BridgeFault> fault = BlockNameFault(w)) return BridgeProblemText({*fault, "", w});
    bent.templateName = w;
    return std::nullopt;
  }
  if (column == BentColumn::kRight && !bent.left) return kCellRightWithoutLeft;
  const auto read = ReadOne(LineFor(column, w), symbols);
  if (const auto* reason = std::get_if<std::string>(&read)) return *reason;
  const Bent& got = std::get<Bent>(read);
  switch (column) {
    case BentColumn::kName: next.name = got.name; break;
    case BentColumn::kStation: next.station = got.station; break;
    case BentColumn::kSkew: next.B = got.B; break;
    case BentColumn::kDesign: next.axis = CapAxisMode::kParallel, next.design = got.design; break;
    case BentColumn::kLeft:
      next.left = got.left;
      if (!next.right) next.right = got.left;
      break;
    case BentColumn::kRight: next.right = got.right; break;
    case BentColumn::kDepth: next.depth = got.depth; break;
    default: break;
  }
  bent = next;
  return std::nullopt;
}

std::variant<std::vector<Bent>, std::vector<PastedLineProblem>> ReadPastedBents(const std::string& text,
                                                                                const NumberSymbols& symbols) {
  std::vector<Bent> bents;
  std::vector<PastedLineProblem> problems;
  std::size_t from = 0;
  bool first = true;
  for (int line = 1; from <= text.size(); ++line) {
    std::size_t end = text.find('\n', from);
    if (end == std::string::npos) end = text.size();
    std::string row = text.substr(from, end - from);
    from = end + 1;
    if (!row.empty() && row.back() == '\r') row.pop_back();
    if (IsBlank(row)) continue;
    const bool heading = first && std::none_of(row.begin(), row.end(), [](char c) { return c >= '0' && c <= '9'; });
    first = false;
    if (heading) continue;
    auto refuse = [&](const std::string& reason) { problems.push_back({line, row, reason}); };
    if (Words(row).front() == "bent") {
      const auto read = ReadOne(row, symbols);
      if (const auto* reason = std::get_if<std::string>(&read)) {
        refuse(*reason);
      } else {
        bents.push_back(std::get<Bent>(read));
        bents.back().line = line;
      }
      continue;
    }
    std::vector<std::string> cells;
    if (row.find('\t') != std::string::npos) {
      for (std::size_t at = 0;;) {
        const std::size_t tab = row.find('\t', at);
        cells.push_back(row.substr(at, tab == std::string::npos ? std::string::npos : tab - at));
        if (tab == std::string::npos) break;
        at = tab + 1;
      }
      // A spreadsheet's trailing empty cells say nothing.
      while (!cells.empty() && IsBlank(cells.back())) cells.pop_back();
    } else {
      cells = Words(row);
    }
    if (cells.size() > static_cast<std::size_t>(kBentColumns)) {
      refuse(PasteColumnsText(cells.size(), kBentColumns));
      continue;
    }
    cells.resize(kBentColumns);
    Bent bent;
    bool good = true;
    for (int c = 0; c < kBentColumns && good; ++c) {
      const auto column = static_cast<BentColumn>(c);
      if (const std::optional<std::string> reason = SetBentCell(bent, column, cells[c], symbols)) {
        refuse(std::string(BentColumnHeading(column)) + "：" + *reason);
        good = false;
      }
    }
    if (!good) continue;
    bent.line = line;
    bents.push_back(std::move(bent));
  }
  if (!problems.empty()) return problems;
  return bents;
}

Bridge WithPastedBents(const Bridge& bridge, const std::vector<Bent>& pasted, std::size_t* replaced) {
  Bridge next = bridge;
  std::size_t same = 0;
  const auto kept = static_cast<std::ptrdiff_t>(bridge.bents.size());
  for (const Bent& bent : pasted) {
    // Only a bent the bridge had is replaced: two pasted bents of one name
    // are the bridge's check to refuse, not for the second to win.
    const auto end = next.bents.begin() + kept;
    const auto at = std::find_if(next.bents.begin(), end, [&](const Bent& b) { return b.name == bent.name; });
    if (at != end) {
      *at = bent;
      ++same;
    } else {
      next.bents.push_back(bent);
    }
  }
  if (replaced != nullptr) *replaced = same;
  return next;
}

}  // namespace capset
