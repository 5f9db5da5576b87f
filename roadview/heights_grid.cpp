#include "heights_grid.h"

#include <cmath>

#include "blanks.h"
#include "number_chars.h"
#include "heights_window_texts.h"
#include "paste_layout.h"
#include "road_paste_texts.h"
#include "road_ranges.h"
#include "road_texts.h"
#include "station_ref_reading.h"

namespace capset {

HeightsGrid::HeightsGrid(std::vector<std::string> headers, NumberSymbols symbols, int rows)
    : headers_(std::move(headers)), symbols_(std::move(symbols)), rows_(rows, std::vector<std::string>(headers_.size())) {}

std::string HeightsGrid::Text(int row, int column) const {
  if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount()) return "";
  if (column == 0) return RowName(row);
  return rows_[row][column];
}

bool HeightsGrid::SetText(int row, int column, const std::string& text) {
  if (!Editable(row, column)) return false;
  rows_[row][column] = text;
  edited_ = true;
  return true;
}

std::optional<std::string> HeightsGrid::ProblemIf(int row, int column, const std::string& text) const {
  if (row < 0 || row >= RowCount() || column <= 0 || column >= ColumnCount()) return std::nullopt;
  if (!Editable(row, column) && IsBlank(text)) return std::nullopt;
  return Check(row, column, text);
}

std::optional<GridProblem> HeightsGrid::FirstBadCell() const {
  for (int r = 0; r < RowCount(); ++r) {
    for (int c = 1; c < ColumnCount(); ++c) {
      if (auto reason = CellProblem(r, c)) return GridProblem{r, c, *reason};
    }
  }
  return std::nullopt;
}

bool HeightsGrid::InsertRow(int row) {
  if (row < 0 || row > RowCount()) return false;
  rows_.insert(rows_.begin() + row, std::vector<std::string>(headers_.size()));
  edited_ = true;
  return true;
}

bool HeightsGrid::RemoveRow(int row) {
  if (row < 0 || row >= RowCount()) return false;
  rows_.erase(rows_.begin() + row);
  edited_ = true;
  return true;
}

bool HeightsGrid::Empty() const {
  for (const auto& row : rows_) {
    for (std::size_t c = 1; c < row.size(); ++c) {
      if (!IsBlank(row[c])) return false;
    }
  }
  return true;
}

int HeightsGrid::Paste(int row, int column, const std::string& text) {
  const auto lines = PastedCells(text);
  if (lines.empty()) {
    pasteNote_ = kPasteNothing;
    return 0;
  }
  row = std::max(row, 0);
  column = std::max(column, 1);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int r = row + static_cast<int>(i);
    if (r >= RowCount()) rows_.emplace_back(headers_.size());
    for (std::size_t k = 0; k < lines[i].size() && column + static_cast<int>(k) < ColumnCount(); ++k) {
      rows_[r][column + k] = std::string(TrimBlanks(lines[i][k]));
    }
  }
  edited_ = true;
  std::vector<std::string> columns;
  for (int c = column; c < ColumnCount() && c - column < static_cast<int>(lines.front().size()); ++c) {
    columns.push_back(headers_[c]);
  }
  pasteNote_ = PasteTakenText(static_cast<int>(lines.size()), columns, 0);
  return static_cast<int>(lines.size());
}

CellRead ReadHeightsNumber(const std::string& text, const NumberSymbols& symbols, double low, double high,
                           const char* unit) {
  const std::string t(TrimBlanks(BlanksAsSpaces(text)));
  if (t.empty()) return {std::nullopt, kHeightsCellEmpty};
  const ReadResult read = ReadNumber(t, symbols);
  if (read.status != ReadResult::Status::kNumber) return {std::nullopt, kHeightsNotNumber};
  if (!(read.value >= low && read.value <= high)) return {std::nullopt, HeightsRangeText(t, low, high, unit)};
  return {read.value, ""};
}

CellRead ReadHeightsLength(const std::string& text, const NumberSymbols& symbols, bool zero) {
  const std::string t(TrimBlanks(BlanksAsSpaces(text)));
  if (t.empty() && zero) return {0.0, ""};
  CellRead read = ReadHeightsNumber(t, symbols, -kMostLength, kMostLength, "m");
  if (!read.value) return read;
  if (*read.value == 0 && zero) return read;
  if (*read.value <= 0) return {std::nullopt, kHeightsNotPositive};
  if (*read.value < kLeastLength) return {std::nullopt, HeightsRangeText(t, kLeastLength, kMostLength, "m")};
  return read;
}

std::variant<StationRef, std::string> ReadHeightsStation(const std::string& text, const NumberSymbols& symbols) {
  const std::string t(TrimBlanks(BlanksAsSpaces(text)));
  if (t.empty()) return std::string(kHeightsCellEmpty);
  const auto read = ReadStationRef(t, symbols);
  if (const auto* problem = std::get_if<StationRefProblem>(&read)) return StationRefProblemText(*problem);
  const StationRef s = std::get<StationRef>(read);
  // The profile's own bound, that of every road's station too.
  if (!(s.value >= -kMostCoordinate && s.value <= kMostCoordinate)) {
    return HeightsRangeText(t, -kMostCoordinate, kMostCoordinate, "m");
  }
  return s;
}

std::string ShortestText(double value, const NumberSymbols& symbols) {
  std::string text = ShortestFixedText(value);
  if (const auto dot = text.find('.'); dot != std::string::npos) text.replace(dot, 1, symbols.decimal);
  return text;
}

}  // namespace capset
