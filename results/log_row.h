#pragma once
// A log row as texts. The thirteen result columns are made by ResultTexts,
// the same function that fills the boxes, so a row and the boxes of the
// same run agree text for text; the other columns give the row's context:
// the job it was computed from and when, so that two rows of two different
// alignments can be told apart a week later.

#include <array>
#include <optional>
#include <string>

#include "cap_record.h"

namespace capset {

enum RowColumn : int {
  kNumberColumn,
  kNameColumn,
  kSolverColumn,         // the solver in the user's words: "ZH 端 斜交"
  kCurveColumn,          // spiral end and turn: "ZH 右偏"
  kCentreStationColumn,  // Text13
  kKjColumn,             // the design station whose tangent sets the axis, as Text26 shows it
  kBColumn,              // degrees, minutes, seconds
  kDRColumn,             // Text10
  kPrecisionColumn,      // Text25
  kCentreXColumn,        // Text23
  kCentreYColumn,        // Text24
  kOuterStationColumn,   // Text20
  kOuterXColumn,         // Text14
  kOuterYColumn,         // Text15
  kOuterLengthColumn,    // Text16
  kInnerStationColumn,   // Text21
  kInnerXColumn,         // Text17
  kInnerYColumn,         // Text18
  kInnerLengthColumn,    // Text19
  kAxisPointsColumn,
  kStatusColumn,
  kOriginColumn,         // the spiral end measured from: ZH or HZ
  kOriginStationColumn,  // its station, as Text1 or Text2 shows it
  kOriginXColumn,        // its coordinates and the tangent azimuth there
  kOriginYColumn,
  kTColumn,              // degrees, minutes, seconds
  kRColumn,
  kA1Column,
  kPColumn,
  kTimeColumn,           // when the row was made: 2026-03-01 09:30:05
  // A window row has the columns above; an exact row those below as well.
  kWindowColumnCount,
  kMethodColumn = kWindowColumnCount,  // "精确"
  kCentreElementColumn,  // the element the centre lies on: 直线, 缓和曲线, 圆曲线
  // The sides, left and right of increasing stations: each is the outer or
  // the inner one where the row follows a bend, its edge point with the
  // station of its foot, its length from the centre, the element its foot
  // lies on, and the half-width it was solved for.
  kLeftSideColumn,
  kLeftStationColumn,
  kLeftXColumn,
  kLeftYColumn,
  kLeftLengthColumn,
  kLeftElementColumn,
  kLeftDRColumn,
  kRightSideColumn,
  kRightStationColumn,
  kRightXColumn,
  kRightYColumn,
  kRightLengthColumn,
  kRightElementColumn,
  kRightDRColumn,
  kRowColumnCount
};

using RowTexts = std::array<std::string, kRowColumnCount>;

// The column headings, in column order.
const RowTexts& RowHeadings();

// How many of the columns a row fills: a window row the window's, an exact
// row all. Every text beyond it is empty, and a line of the row ends there,
// so a window row reads as it always has.
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
