#pragma once
// The lines every export writes: a CSV record, a tab-separated row for the
// clipboard, and a line of a CASS point file. One writer of each, so the
// log's export, the day files, the station table and the check's export
// quote and end their lines alike.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "spiral.h"  // PlanePoint

namespace capset {

// The mark that tells a spreadsheet a CSV is UTF-8.
inline constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";
// Files for Windows programs end their lines CR LF.
inline constexpr char kFileLineEnd[] = "\r\n";

// A CSV field: as it is, or in double quotes with each quote doubled when
// it holds a comma, a quote, a CR or a LF (RFC 4180).
std::string CsvField(std::string_view text);
// A CSV record: the fields, each as CsvField writes it, joined by commas,
// and CR LF.
std::string CsvRecord(std::span<const std::string> fields);

// A row for the clipboard: the fields joined by tabs, a tab or a line
// break inside a field written as a blank, so the pasted row never splits;
// no line end.
std::string TsvRow(std::span<const std::string> fields);

// A point file line, "name,code,Y,X,H" east first, metres to the
// millimetre as the boxes round them, no height (0.000), CR LF.
std::string DatLine(std::string_view name, std::string_view code, PlanePoint point);
// The same with the point's height to the millimetre, or H left empty where
// the point has none (off the profile): never a 0 read as a height.
std::string DatLine(std::string_view name, std::string_view code, PlanePoint point, std::optional<double> height);

}  // namespace capset
