#pragma once
// The day file as the program reads it back: only for the number of its
// last row, so that a new run numbers its rows on from there. Whatever the
// file holds (rows of this program, a line cut short, a file that is not
// ours at all), reading it never fails: a line that is not a row of ours
// is passed over.

#include <cstddef>
#include <string_view>

namespace capset {

// The day file's end is read, not all of it: its rows are numbered in the
// order they were added, so the last ones carry the highest numbers.
inline constexpr std::size_t kDayFileTailBytes = 64 * 1024;

// The highest row number among the lines of `text` (the file's last bytes;
// `whole` when they are the file from its start, so that its first line is
// a whole line too); 0 when no line is a row.
int LastRowNumber(std::string_view text, bool whole);

}  // namespace capset
