#pragma once
// The bents table of the bridge page as cells: each bent a row of texts,
// each cell read back by the readers a script's bent line uses, so a cell
// and a line accept the same things; and rows pasted from a spreadsheet.
//
// The columns, in order
//   name, station, skew B (D.MMSS, blank: 90), axis (本墩切线 or 平行, or
//   own, parallel), design station Kj (blank: the axis is the bent's own),
//   left half-width (blank: no edges), right (blank: the left's), depth
//   (blank: 0), template (blank: none)

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "bridge.h"
#include "number_rules.h"

namespace capset {

enum class BentColumn { kName, kStation, kSkew, kAxis, kDesign, kLeft, kRight, kDepth, kTemplate };
inline constexpr int kBentColumns = 9;

const char* BentColumnHeading(BentColumn column);
std::vector<std::string> BentCellTexts(const Bent& bent, const std::string& sep);

// A new bent's row: a name not yet used ("1", "2", …) and the station after
// the last bent's (or 0), square, no template.
Bent NextBent(const Bridge& bridge);

// The cell `column` of `bent` set from `typed`; the bent stays as it was
// and the reason comes back when the text does not read. The reason is
// whole, ready for a message; the bridge's own check (names apart,
// templates known, stations on the road) is the session's.
std::optional<std::string> SetBentCell(Bent& bent, BentColumn column, const std::string& typed,
                                       const NumberSymbols& symbols);

// A refused pasted line: its number (from 1, as pasted) and text, and why.
struct PastedLineProblem {
  int line;
  std::string text;
  std::string reason;
};

// Lines pasted from a spreadsheet: tab-separated cells in the table's
// order (or, in a line without a tab, blank-separated), or a script's
// `bent …` line. Blank lines and a first line of headings (no digit in it)
// are passed over. Every bent, or every refused line.
std::variant<std::vector<Bent>, std::vector<PastedLineProblem>> ReadPastedBents(const std::string& text,
                                                                                const NumberSymbols& symbols);

// The bridge with the pasted bents: one of a name the bridge has replaces
// it where it stands, the others come after the last. `replaced` counts
// the first.
Bridge WithPastedBents(const Bridge& bridge, const std::vector<Bent>& pasted, std::size_t* replaced = nullptr);

}  // namespace capset
