#pragma once
// The log's rows as text for elsewhere: the CSV file for the office (also
// the day file's format), the CASS point file for the total station, and
// tab-separated text for the clipboard.
//
// CSV: UTF-8 with a byte-order mark, so that a spreadsheet on Windows reads
// the Chinese header; one header line, one line per cap, "." as the decimal
// point whatever the user's locale; fields quoted where they hold a comma, a
// quote or a line break; lines end in CR LF.
//
// CASS .dat: one line per point, "name,code,Y,X,H" (east first), lines in CR
// LF. The name is ASCII: the cap's label, "-" and the point's role, C for
// the centre, O and I for the outer and inner edge points, P1, P2, … for the
// points along the axis. The code is left empty and H is 0.000 (no heights
// are known). Coordinates have exactly three decimals, rounded as the boxes
// round them: an instrument file is read by a program, and a fixed width
// shows a missing digit at a glance. An edge that was not solved, and a cap
// that was not placed, write no point.

#include <string>
#include <vector>

#include "cap_record.h"

namespace capset {

enum class ExportFormat { kCsv, kDat };

inline constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

// One CSV line, CR LF included.
std::string CsvHeaderLine();
std::string CsvLine(const CapRecord& record);

// A whole file: the CSV with its mark and header, or the point file.
std::string ExportText(ExportFormat format, const std::vector<const CapRecord*>& records);

// The clipboard: a header line and the rows, tab-separated, numbers with the
// user's separator `sep` as the table shows them.
std::string TsvText(const std::vector<const CapRecord*>& records, const std::string& sep);

// The ASCII label of a cap in the point file: its name with anything but
// letters, digits, "-", "_" and "." left out ("3#" gives "3"), or its row
// number when the name is empty or not ASCII.
std::string PointLabel(const CapRecord& record);

}  // namespace capset
