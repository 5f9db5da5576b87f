#pragma once
// Where a spreadsheet's rows pasted into the intersection-point table go,
// decided from what they hold rather than from the cell that happens to be
// chosen: a leading column of names (BP, JD1, EP, or 1, 2, 3 …), a column
// of stations (K form, or numbers that chain as JD stations chain), then
// X, Y, R, Ls1, Ls2. A block that cannot be lined up is refused with what
// was seen in it, so that no number lands in the wrong column unseen.

#include <string>
#include <variant>
#include <vector>

#include "number_rules.h"

namespace capset {

// One line a row; a line with a tab is split at its tabs (a spreadsheet's
// copy, empty cells kept), a line without at its blanks (a table copied
// out of a drawing's text). Empty lines at the end are dropped.
std::vector<std::vector<std::string>> PastedCells(const std::string& text);

// The grid columns of the intersection-point table, in order.
enum JdColumn { kJdName, kJdStation, kJdX, kJdY, kJdR, kJdLs1, kJdLs2, kJdColumns };

enum class PastedName { kNone, kBP, kJD, kEP };

struct JdPasteLayout {
  int headerLines = 0;     // lines above the rows that hold no number (a heading)
  bool named = false;      // the first field of each line is its point's name
  int firstColumn = kJdX;  // the grid column of the first field after the name
  // Per row line (after the heading): what its name says it is, and the JD's
  // number when it says one (JD3, 交点3, 3); 0 otherwise.
  std::vector<PastedName> kinds;
  std::vector<int> numbers;
};

// Why a block was not pasted, in the user's words.
struct PasteRefusal {
  std::string reason;
};

// `column` is the grid column chosen: it decides only where content alone
// cannot (a single column of numbers, part of a row, a block that reads
// both with and without a station).
std::variant<JdPasteLayout, PasteRefusal> LayOutJdPaste(const std::vector<std::vector<std::string>>& lines, int column,
                                                        const NumberSymbols& symbols);

// Whether the first fields of the lines are JD stations that chain with the
// points after them (X, Y in the next two fields, R, Ls1, Ls2 after):
// +1 they do, checked to 2 cm on at least one curve; -1 they cannot be;
// 0 nothing says either way.
int StationsChain(const std::vector<std::vector<std::string>>& data, const NumberSymbols& symbols);

}  // namespace capset
