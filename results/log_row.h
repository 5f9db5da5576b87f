#pragma once
// A log row as texts. The thirteen result columns are made by ResultTexts,
// the same function that fills the boxes, so a row and the boxes of the
// same run agree text for text; the other columns give the row's context:
// the job it was computed from and when, so that two rows of two different
// alignments can be told apart a week later.

#include <optional>
#include <string>
#include <vector>

#include "cap_record.h"

namespace capset {

enum RowColumn : int {
  kNumberColumn,
  kNameColumn,
  // Solved, or what is missing and why, then the warnings: near the front,
  // where a batch's summary sends the reader.
  kStatusColumn,
  kSolverColumn,         // the solver in the user's words: "ZH 端 斜交"
  kCurveColumn,          // spiral end and turn: "ZH 右偏"
  kCentreStationColumn,  // Text13
  kKjColumn,             // the design station whose tangent sets the axis, as Text26 shows it
  kBColumn,              // degrees, minutes, seconds
  kDRColumn,             // Text10
  kPrecisionColumn,      // Text25
  kCentreXColumn,        // Text23
  kCentreYColumn,        // Text24
  // The two edges, each in the same seven columns: which edge it is, its
  // point with the station of its foot, its length from the centre, and (a
  // row solved on the road) the element its foot lies on and the
  // half-width it was solved for. A window row's first edge is the outer
  // one (Text20, Text14, Text15, Text16), its second the inner (Text21,
  // Text17, Text18, Text19); an exact row's are its left and right of
  // increasing stations, each named for the bend where the row follows one.
  kEdge1Column,
  kEdge1StationColumn,
  kEdge1XColumn,
  kEdge1YColumn,
  kEdge1LengthColumn,
  kEdge1ElementColumn,
  kEdge1DRColumn,
  kEdge2Column,
  kEdge2StationColumn,
  kEdge2XColumn,
  kEdge2YColumn,
  kEdge2LengthColumn,
  kEdge2ElementColumn,
  kEdge2DRColumn,
  kOriginColumn,         // the spiral end measured from: ZH or HZ; 道路起点 for a road of its own
  kOriginStationColumn,  // its station, as Text1 or Text2 shows it
  kOriginXColumn,        // its coordinates and the tangent azimuth there
  kOriginYColumn,
  kTColumn,              // degrees, minutes, seconds
  kRColumn,
  kA1Column,
  kPColumn,
  kTimeColumn,           // when the row was made: 2026-03-01 09:30:05
  // A window row without points along its axis ends here.
  kWindowColumnCount,
  kMethodColumn = kWindowColumnCount,  // "精确"
  kCentreElementColumn,  // the element the centre lies on: 直线, 缓和曲线, 圆曲线
  // Then the points along the axis, kAxisPointColumns each, as many as the
  // row has: P1's distance along the axis from the centre, X, Y, element.
  kFixedColumnCount
};

// A window row's outer and inner edge in the columns of the first and second.
inline constexpr int kOuterStationColumn = kEdge1StationColumn, kOuterXColumn = kEdge1XColumn,
                     kOuterYColumn = kEdge1YColumn, kOuterLengthColumn = kEdge1LengthColumn;
inline constexpr int kInnerStationColumn = kEdge2StationColumn, kInnerXColumn = kEdge2XColumn,
                     kInnerYColumn = kEdge2YColumn, kInnerLengthColumn = kEdge2LengthColumn;

// A row's texts, one a column, as many as the row fills (RowWidth).
using RowTexts = std::vector<std::string>;

// The column headings of the first `width` columns, in column order: the
// fixed ones, then those of as many points along the axis as fill it.
RowTexts RowHeadings(int width);

// The column of point `number` (from 1), its `part` (0 the distance along
// the axis, 1 X, 2 Y, 3 the element).
int AxisPointColumn(int number, int part);
// How many points along the axis a row has.
int AxisPointCount(const CapRecord& record);
// The columns a log of rows with at most `points` points along the axis needs.
int ColumnsFor(int points);

// How many of the columns a row fills: a window row without points the
// window's, any other row the fixed columns and those of its points. A
// line of the row ends there.
int RowWidth(const CapRecord& record);
// The widest of the rows: how many headings a file of them needs.
int RowsWidth(const std::vector<const CapRecord*>& records);

// `sep` is the decimal separator of the numbers; station texts always use ".".
RowTexts RowTextsOf(const CapRecord& record, const std::string& sep);
// RowTextsOf for everything that shows or writes rows (the log's table, its
// copy, the files, the script's ROW lines): it never throws. A row whose
// numbers cannot be written keeps its number and name, and its status says
// why the rest is empty.
RowTexts ShownRowTexts(const CapRecord& record, const std::string& sep) noexcept;
// The fault RowTextsOf would raise (a number too large to show), or nothing.
std::optional<ArithmeticFault> RowFault(const CapRecord& record);

// Solved, or what is missing and why. The one place a row's state is put
// into words.
std::string RowStatusText(const CapRecord& record);

// True when the cap was placed and both its edges were found.
bool FullySolved(const CapRecord& record);
// A window row with a point past the spiral's end: its numbers rest on
// formulas that do not hold there.
bool PastSpiralEnd(const CapRecord& record);

}  // namespace capset
