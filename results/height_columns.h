#pragma once
// The log's rows with heights: each point's H in a column right after its
// X and Y (the centre's, each edge's, each point along the axis'), so a
// surveyor reads a point's three numbers side by side. A log whose rows
// carry no heights keeps the columns it always had; a row made before the
// profile, in a log of rows with heights, shows "-" in its H columns.
//
// Columns are counted two ways: a row's own columns (RowColumn, RowWidth),
// and the shown ones, with the H columns among them.

#include <string>
#include <vector>

#include "log_row.h"

namespace capset {

// True when any of the rows carries heights: the log or the file then shows
// the H columns for every row.
bool AnyRowHeights(const std::vector<const CapRecord*>& records);

// How many shown columns `width` of a row's own columns make with the H columns.
int WidthWithHeights(int width);
// The row's own column a shown column is, or -1 for an H column.
int OwnColumn(int shown);

// The row's texts (ShownRowTexts) with its heights put in: metres to the
// millimetre with `sep`, "-" where a point has none.
RowTexts WithHeightTexts(RowTexts texts, const CapRecord& record, const std::string& sep);
// RowHeadings(width) with the H columns' headings put in.
RowTexts HeadingsWithHeights(int width);

// What every view and file of rows uses: the row's texts, with the H columns
// when `heights`.
RowTexts LogRowTexts(const CapRecord& record, const std::string& sep, bool heights);
RowTexts LogHeadings(int width, bool heights);

}  // namespace capset
