#pragma once
// The 逐桩坐标表 as files: CSV for the office, written as the log's export
// writes it (UTF-8 with a byte-order mark, a Chinese header, "." whatever
// the locale, CR LF), and the CASS point file for the total station
// ("name,code,Y,X,H", east first, three decimals, CR LF). H is 0.000 in a
// table made without heights; with them, the finished surface's elevation,
// and in the point file left empty (in the CSV "-") off the profile.
//
// Point names are ASCII and say where the point is: the station as the
// drawings print it, then "-" and the side, C for the centreline, L or R
// and the offset in metres for a point left or right of it: "K1+020-C",
// "K1+020-L7.5", "K1+020-R7.5". A station a 长链 lays twice carries its
// place after an underscore, "K1+390_2-C", so no two points of one table
// share a name. The code is the key point at that station ("ZH1"), or empty.

#include <string>
#include <vector>

#include "export_formats.h"
#include "station_table.h"

namespace capset {

std::string StationTablePointName(const StationTableRow& row);
// A table with heights has an H column after Y.
inline constexpr int kStationTableHeightColumn = 5;
// The columns' headings: kStationTableHeadings, with H when `heights`.
std::vector<std::string> StationTableHeadings(bool heights);
// One row's texts in the columns of StationTableHeadings(row.withHeight), numbers with `sep`.
std::vector<std::string> StationTableRowTexts(const StationTableRow& row, const std::string& sep);
std::string StationTableText(ExportFormat format, const std::vector<StationTableRow>& rows);
// The table for the clipboard: a header line and the rows, tab-separated,
// numbers with the user's separator `sep`.
std::string StationTableTsv(const std::vector<StationTableRow>& rows, const std::string& sep);

}  // namespace capset
