#pragma once
// The road window's tables as texts: the intersection-point table (BP, the
// JD rows, EP) or the element table (the start, then the elements), and the
// station equations. Every cell is kept as typed and checked as it stands,
// so a bad cell can be marked with its reason while the user types; the
// road is made from the texts only when every cell reads.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "number_rules.h"
#include "road.h"
#include "road_input.h"

namespace capset {

enum class RoadTableForm { kIntersections, kElements };

enum class RowKind { kBP, kJD, kEP, kStart, kElement, kEquation };

enum class Column {
  kPoint,    // the row's name: BP, JD1, EP, 起点; not typed
  kKind,     // an element's kind: 直线, 圆曲线, 缓和曲线 (line, arc, spiral)
  kStation,  // the start's station, K form or metres
  kJdStation,  // BP's station (needed), a JD's or EP's as the drawings print it (kept, checked against the chain)
  kX, kY,
  kAzimuth,  // the start's azimuth, D.MMSS
  kR, kLs1, kLs2,
  kLength, kR1, kR2,
  kTurn,     // 左 or 右 (left, right)
  kBack, kAhead,
};

struct TableRow {
  RowKind kind;
  std::vector<std::string> cells;  // one per column of the grid
};

// Where the road a table makes is refused, and why.
struct TableProblem {
  bool equations;  // in the equations' grid
  int row;         // -1: the table as a whole
  int column;      // -1: the row as a whole
  std::string reason;
};

// One grid of rows under fixed columns.
class CellGrid {
 public:
  explicit CellGrid(std::vector<Column> columns) : columns_(std::move(columns)) {}
  const std::vector<Column>& columns() const { return columns_; }
  int columnCount() const { return static_cast<int>(columns_.size()); }
  int rowCount() const { return static_cast<int>(rows_.size()); }
  const TableRow& row(int r) const { return rows_.at(r); }
  std::vector<TableRow>& rows() { return rows_; }
  const std::vector<TableRow>& rows() const { return rows_; }
  int ColumnOf(Column c) const;  // -1 when the grid has none

 private:
  std::vector<Column> columns_;
  std::vector<TableRow> rows_;
};

class RoadTable {
 public:
  // An empty table of the form: BP and EP, or the start and one straight.
  RoadTable(RoadTableForm form, NumberSymbols symbols);
  // The table of a road as it was given.
  static RoadTable FromInput(const RoadInput& input, NumberSymbols symbols);

  RoadTableForm form() const { return form_; }
  CellGrid& Grid(bool equations) { return equations ? equations_ : main_; }
  const CellGrid& Grid(bool equations) const { return equations ? equations_ : main_; }

  static std::string Header(Column column);
  // The widest text a field of the column holds on a real road (grid
  // coordinates of seven whole digits, stations of two-digit kilometres),
  // so a column can be sized once, whatever its rows hold.
  static std::string WidestText(Column column);
  // Whether a cell was typed since the table was made.
  bool Edited() const { return edited_; }
  // The row's name as the first column shows it: BP, JD3, EP, 起点, 2.
  std::string PointName(bool equations, int row) const;
  // Whether the cell takes a text: a JD has no station, an arc no R2.
  bool Editable(bool equations, int row, int column) const;
  // Replaces a cell's text; false when the cell takes none.
  bool SetText(bool equations, int row, int column, const std::string& text);
  // Why the cell does not read, as it stands; nothing when it reads (or
  // takes no text).
  std::optional<std::string> CellProblem(bool equations, int row, int column) const;
  // Why the cell would not read with `text` in it: for a cell being typed.
  std::optional<std::string> ProblemIf(bool equations, int row, int column, const std::string& text) const;

  // Rows: a JD row goes between BP and EP, an element row after the start,
  // an equation anywhere. BP, EP and the start stay where they are.
  bool InsertRow(bool equations, int row);
  bool RemoveRow(bool equations, int row);
  bool MoveRow(bool equations, int from, int to);
  bool Movable(bool equations, int row) const;

  // A spreadsheet's rows (tab-separated cells, one row a line) typed in
  // from the row chosen on; rows are added where the paste runs past the
  // last JD, element or equation. In the intersection-point table the
  // columns are found from what the rows hold (paste_layout.h), and a
  // block that cannot be lined up changes nothing; elsewhere, from the
  // names' column, rows copied with their names line up with ours, rows
  // without start at the next column. The number of rows it reached (0 for
  // a refusal); PasteNote() says what was taken, or why not.
  int Paste(bool equations, int row, int column, const std::string& text);
  const std::string& PasteNote() const { return pasteNote_; }

  // JD stations as typed against the road the table makes: a cell whose
  // station differs from the one chained from the station before it by
  // more than the drawings' rounding gets its note; the first such note
  // and their count go to the verdict line.
  void CheckJdStations(const Road* road);
  std::optional<std::string> StationNote(int row) const;
  const std::vector<std::pair<int, std::string>>& StationNotes() const { return stationNotes_; }

  // The road the texts make, or the first problem: a bad cell, or why the
  // road refuses (with the row that holds the fault).
  std::variant<RoadInput, TableProblem> Input() const;

 private:
  // Whether a pasted text is a plain number, for lining a paste up.
  std::optional<double> Number(const std::string& text) const;
  // A cell's text read by the road's reader of its field.
  std::variant<double, std::string> Read(const TableRow& row, Column column, const std::string& text) const;
  std::optional<std::string> Check(const TableRow& row, Column column, const std::string& text) const;
  bool Applies(RowKind kind, const TableRow& row, Column column) const;
  TableRow NewRow(bool equations) const;
  std::optional<ElementKind> KindOf(const TableRow& row) const;
  int PasteJds(int row, int column, const std::string& text);

  RoadTableForm form_;
  NumberSymbols symbols_;
  CellGrid main_;
  CellGrid equations_;
  // The road the table was made from, given back as it was (a file's
  // stated joints and all) until a cell is typed.
  std::optional<RoadInput> original_;
  bool edited_ = false;
  std::string pasteNote_;
  std::vector<std::pair<int, std::string>> stationNotes_;  // (row, note)
};

}  // namespace capset
