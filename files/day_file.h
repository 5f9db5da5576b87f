#pragma once
// The day file as the program reads it back: for the number of its last
// row, so that a new run numbers its rows on from there, and for the header
// its last rows stand under, so that new rows are never appended under a
// header that does not name their columns. Whatever the
// file holds (rows of this program, a line cut short, a file that is not
// ours at all), reading it never fails: a line that is not a row of ours
// is passed over.

#include <cstddef>
#include <string>
#include <string_view>

namespace capset {

// The day file's end is read, not all of it: its rows are numbered in the
// order they were added, so the last ones carry the highest numbers.
inline constexpr std::size_t kDayFileTailBytes = 64 * 1024;

// The highest row number among the lines of `text` (the file's last bytes;
// `whole` when they are the file from its start, so that its first line is
// a whole line too); 0 when no line is a row.
int LastRowNumber(std::string_view text, bool whole);

// The last header line of `text` (a day file, whole), without its mark and
// line end; empty when there is none.
std::string LastHeaderLine(std::string_view text);

// What goes before rows `width` columns wide appended to a day file whose
// last header is `header` (LastHeaderLine): nothing when that header names
// their columns as this program does; otherwise a header line of its own,
// so that rows of a file begun by an earlier layout, or with more points
// along the axis than the header names, still stand under the headings of
// their columns. Rows with heights (`heights`) stand under a header naming
// their H columns, rows without under one that does not. The file's
// earlier lines are never touched.
std::string HeaderBefore(std::string_view header, int width, bool heights = false);

// The width a day file's header names: every fixed column and those of
// eight points along the axis (a bent's columns and more), or of as many as
// the rows have, so that the rows of a day, of either method, go under one
// header.
inline constexpr int kDayFilePoints = 8;
int DayFileWidth(int rowsWidth);

}  // namespace capset
