#pragma once
// What the road window says of a paste into its tables, and of JD stations
// that do not chain as the road does.

#include <string>
#include <vector>

namespace capset {

inline constexpr char kPasteHoldsNoNumber[] = "粘贴的内容里没有数，没有粘贴。";
inline constexpr char kPasteOneColumn[] =
    "粘贴的只有一列数，看不出是哪一列：请先选中它要填的那一列的格子（X、Y、R、Ls1、Ls2 或交点桩号）再粘贴。没有粘贴。";

// Line `namedLine` begins with the name `name`, line `numberLine` with the number `number`.
std::string PasteMixedNamesText(int namedLine, const std::string& name, int numberLine, const std::string& number);
// Line `line` has `fields` fields; a row of the table takes at most seven (six without the name).
std::string PasteTooWideText(int line, int fields, bool named);
// BP not on the first line, or EP not on the last.
std::string PasteOutOfPlaceText(int line, const std::string& name);
// A paste taken: how many rows, and which columns its fields went to, in order.
std::string PasteTakenText(int rows, const std::vector<std::string>& columns, int headerLines);

// A JD station typed that differs from the station chained from the one
// before it (or from BP) by more than the printed stations' rounding.
std::string JdStationOffText(const std::string& jd, const std::string& typed, const std::string& chained, double differenceMm);
// The verdict line's note: how many JD stations are off, and the first.
std::string JdStationsOffNote(int count, const std::string& first);

}  // namespace capset
