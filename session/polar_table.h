#pragma once
// Polar set-out data as a table for the window, the sheets and the
// clipboard: the headings and each row's cells, angles as D°MM′SS.s″,
// distances and dH to the millimetre, in the user's decimal separator.

#include <string>
#include <vector>

#include "polar_data.h"

namespace capset {

// Point, azimuth, distance, angle to turn; with `heights` (the station has
// a height) dH and the zenith angle too.
std::vector<std::string> PolarHeadings(bool heights);
// A point on the station has 在测站上 for its azimuth and "-" for its
// angles; a point without a height "-" for dH and the zenith.
std::vector<std::string> PolarCells(const PolarRow& row, bool heights, const std::string& sep);
// The rows with their headings, tab-separated, one a line, for a spreadsheet.
std::string PolarTsv(const std::vector<PolarRow>& rows, bool heights, const std::string& sep);
// The same as a CSV file for the office: UTF-8 with its mark, "." whatever
// the locale, lines in CR LF.
std::string PolarCsv(const std::vector<PolarRow>& rows, bool heights);

}  // namespace capset
