#pragma once
// A table of the heights pages as texts: rows of cells kept as typed, each
// checked as it stands, so a bad cell can be marked with its reason while
// the user types. The first column names the row and takes no text. What
// a column holds and how a cell is checked is the table's own (the 变坡点
// table, the transitions, the table of slopes).

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "number_rules.h"
#include "road_types.h"

namespace capset {

// Where a table's input is refused, and why.
struct GridProblem {
  int row;     // from 0; -1 the table as a whole
  int column;  // -1 the row as a whole
  std::string reason;
};

class HeightsGrid {
 public:
  HeightsGrid(std::vector<std::string> headers, NumberSymbols symbols, int rows);
  virtual ~HeightsGrid() = default;

  int RowCount() const { return static_cast<int>(rows_.size()); }
  int ColumnCount() const { return static_cast<int>(headers_.size()); }
  const std::string& Header(int column) const { return headers_.at(column); }
  // The first column's name of the row; the other cells as typed.
  std::string Text(int row, int column) const;
  virtual std::string RowName(int row) const { return std::to_string(row + 1); }
  // Whether the cell takes a text, and whether it is shown closed (greyed).
  virtual bool Editable(int row, int column) const { return column > 0 && row >= 0 && row < RowCount(); }
  virtual bool Closed(int row, int column) const { return !Editable(row, column); }
  bool SetText(int row, int column, const std::string& text);
  // Why the cell does not read as it stands, or would not with `text`.
  std::optional<std::string> CellProblem(int row, int column) const { return ProblemIf(row, column, Text(row, column)); }
  std::optional<std::string> ProblemIf(int row, int column, const std::string& text) const;
  // The first bad cell, row by row.
  std::optional<GridProblem> FirstBadCell() const;
  // The widest text a column holds on a real road, for sizing it once.
  virtual std::string WidestText(int column) const = 0;

  bool InsertRow(int row);  // a blank row before `row` (RowCount(): at the end)
  bool RemoveRow(int row);
  bool Edited() const { return edited_; }
  // A spreadsheet's rows typed in from the chosen cell on, rows added where
  // they run past the last; the rows reached (0: nothing taken), and the note.
  virtual int Paste(int row, int column, const std::string& text);
  const std::string& PasteNote() const { return pasteNote_; }
  // Every row blank.
  bool Empty() const;

 protected:
  // Why a cell's text does not read; blank texts reach here too.
  virtual std::optional<std::string> Check(int row, int column, const std::string& text) const = 0;
  std::vector<std::vector<std::string>>& Rows() { return rows_; }
  const std::vector<std::vector<std::string>>& Rows() const { return rows_; }
  const NumberSymbols& Symbols() const { return symbols_; }
  void SetPasteNote(std::string note) { pasteNote_ = std::move(note); }
  void MarkEdited() { edited_ = true; }

 private:
  std::vector<std::string> headers_;
  NumberSymbols symbols_;
  std::vector<std::vector<std::string>> rows_;
  bool edited_ = false;
  std::string pasteNote_;
};

// The readers of the heights tables' cells, in the user's number rules:
// a value, or why not in the user's words.
struct CellRead {
  std::optional<double> value;
  std::string reason;
};
CellRead ReadHeightsNumber(const std::string& text, const NumberSymbols& symbols, double low, double high,
                           const char* unit);
// A length or radius: 0 or blank allowed where `zero` says so (a grade break, no width).
CellRead ReadHeightsLength(const std::string& text, const NumberSymbols& symbols, bool zero);

// A station: metres or K form, K1+390(2) in a 长链, within ±1e8 m.
std::variant<StationRef, std::string> ReadHeightsStation(const std::string& text, const NumberSymbols& symbols);

// The shortest text that reads back to the same double, with the user's separator.
std::string ShortestText(double value, const NumberSymbols& symbols);

}  // namespace capset
