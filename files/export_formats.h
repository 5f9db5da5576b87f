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
// the centre, O and I for a window row's outer and inner edge points, L and
// R for an exact row's left and right ones (of increasing stations), P1,
// P2, … for the points along the axis. A role holds no "-", so the last "-" always
// parts the cap from the point, and two caps of different labels never
// give one point name. A surveyor calls a point up by its name:
// a cap's label comes from its own name, or from its station when it has
// none, never from where its row stands in the log; caps that share a label
// are named apart only after the user has been told (SharedLabels). The code is left empty. H is the
// point's height as the row was made with it (3 decimals); a row made
// without a profile writes 0.000 as always, and a point of a row with
// heights whose foot lies off the profile leaves H empty. Coordinates have exactly three decimals, rounded as the boxes
// round them: an instrument file is read by a program, and a fixed width
// shows a missing digit at a glance. An edge that was not solved, and a cap
// that was not placed, write no point.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cap_record.h"
#include "delimited_lines.h"
#include "log_row.h"
#include "shared_label.h"

namespace capset {

enum class ExportFormat { kCsv, kDat };

// One CSV line, CR LF included. A header names the first `width` columns
// (RowsWidth of the rows under it), with the H columns among them when
// `heights`. A row's line ends at its own width, with the H columns when
// the row carries heights.
std::string CsvHeaderLine(int width, bool heights = false);
std::string CsvLine(const CapRecord& record);

// A whole file: the CSV with its mark and header, or the point file.
std::string ExportText(ExportFormat format, const std::vector<const CapRecord*>& records);

// The clipboard: a header line and the rows, tab-separated, numbers with the
// user's separator `sep` as the table shows them.
std::string TsvText(const std::vector<const CapRecord*>& records, const std::string& sep);

// The ASCII label of a cap in the point file: its name with anything but
// letters, digits, "-", "_" and "." left out ("3#" gives "3"), or its station
// (StationLabel) when the name is empty or not ASCII. A name never keeps a
// "+", so a label from a station never equals one from a name.
std::string CapLabel(const CapRecord& record);

// The points a placed cap gives the file, each with its role ("C", "O",
// "I", "P1", … for a window row; "C", "L", "R", "P1", … for an exact row):
// a side that was not solved gives none.
std::vector<std::pair<std::string, PlanePoint>> PointsOf(const CapRecord& record);

// The heights of PointsOf's points, in its order: nothing for a point
// without one (and for every point of a row made without a profile).
std::vector<std::optional<double>> PointHeightsOf(const CapRecord& record);

// A label that two or more placed caps of an export share, with their row
// numbers. In the point file each of them takes its row number after the
// label ("1_3-C", "1_8-C"), so that none of them is the "1-C" a surveyor
// might call up for another.
std::vector<SharedLabel> SharedLabels(const std::vector<const CapRecord*>& records);

// The label each of `records` gives its points in the point file: its own,
// or with the row number added where a placed cap shares it ("3_8"), so no
// two caps give points of one name. A label that the number makes equal to
// another takes it again.
std::vector<std::string> DatLabels(const std::vector<const CapRecord*>& records);

}  // namespace capset
