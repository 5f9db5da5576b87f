#pragma once
// The 纵断面 page's 变坡点 table as texts: per row the station (metres or
// K form, K1+390(2) in a 长链), the elevation, the vertical curve's kind
// (R by radius, the default; 长度 by length; 非对称 L1 and L2; 圆曲线 a
// circle of R) and its numbers. The first and last rows are the profile's
// ends and carry no curve. A row left wholly blank is no row.

#include <variant>

#include "heights_grid.h"
#include "road_heights.h"

namespace capset {

enum PviColumn { kPviName, kPviStation, kPviElevation, kPviKind, kPviRadius, kPviLength, kPviLength2, kPviColumns };

class PviTable : public HeightsGrid {
 public:
  explicit PviTable(NumberSymbols symbols);
  static PviTable FromInput(const ProfileInput& input, NumberSymbols symbols);

  std::string RowName(int row) const override;
  bool Closed(int row, int column) const override;
  std::string WidestText(int column) const override;
  // A spreadsheet's rows lined up by what they hold: a leading column of
  // names (起点, 1, 2 … or words) is passed over, then the station (K form
  // or metres), the elevation, and the curve: a kind's word with its
  // numbers, or a radius (the first number of the row's remaining cells,
  // so a drawing's separate 凸 and 凹 radius columns both land in R). A
  // heading line without numbers is passed over. A single column, or rows
  // that do not begin with a station and an elevation, go from the chosen cell.
  int Paste(int row, int column, const std::string& text) override;

  // The profile the texts make, or the first bad cell (or too few rows).
  std::variant<ProfileInput, GridProblem> Input() const;
  // The table row (from 0) of the profile's row `profileRow` (from 1), the
  // blank rows passed over; -1 when none.
  int TableRow(int profileRow) const;

 protected:
  std::optional<std::string> Check(int row, int column, const std::string& text) const override;

 private:
  bool BlankRow(int row) const;
  bool EndRow(int row) const;  // the first or last row that is not blank
  std::optional<VerticalCurveKind> KindOf(int row) const;
  bool Uses(VerticalCurveKind kind, int column) const;
};

// A station as a cell shows it: K5+030.000 when it is whole millimetres
// (K1+390.000(2) in a 长链), else its exact number, so it reads back the same.
std::string StationCellText(StationRef station, const NumberSymbols& symbols);

// Whether two profiles are the same as typed (stations with their places).
bool SameProfile(const ProfileInput& a, const ProfileInput& b);

// The curve kind a word names: R (or blank) by radius, 长度, 非对称, 圆曲线
// and their script words (radius, length, lengths, circle).
std::optional<VerticalCurveKind> ReadCurveKind(const std::string& text);

}  // namespace capset
