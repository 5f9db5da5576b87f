#pragma once
// The check's results as text: the table's cells, the clipboard, the CSV
// file, and the CHECK lines of cap_replay. One function makes each cell,
// so the table and what is copied or written from it agree.

#include <string>
#include <vector>

#include "as_built_check.h"

namespace capset {

// The cells of one result, in CheckHeadings' order: coordinates, station,
// offset and the place on the axis in metres to the millimetre, the
// cap as "0# (1)" (a bent of a bridge as "B1/3"), the
// deviations in millimetres to a tenth. `sep` is the user's decimal
// separator; stations always use ".". A point off the road has no station
// and offset, and with no cap the cells of the cap are empty.
// With `heights` (any point of the check measured with a height), the plan's
// verdict reads 平面超限 and four cells follow: the measured H, the design
// H and ΔH (mm) of the nearest design point, and the height's own verdict.
std::vector<std::string> CheckCells(const CheckResult& result, const std::string& sep, bool heights = false);
// The headings of CheckCells' columns.
std::vector<std::string> CheckHeadingsFor(bool heights);
// True when any point was measured with a height.
bool AnyMeasuredHeight(const std::vector<CheckResult>& results);

// Tab-separated with a heading line, for a spreadsheet.
std::string CheckTsv(const std::vector<CheckResult>& results, const std::string& sep);
// The CSV file: UTF-8 with its mark, "." for decimals, CR LF, as the log's export.
std::string CheckCsv(const std::vector<CheckResult>& results);

// "CHECK", then name, station, offset, the cap's log row (a bent of a
// bridge: its bridge and bent as one word, "B1/3"), along, across,
// nearest, dX, dY, distance and ok|over, tab-separated,
// metres with 6 decimals; "-" for what is not known (a station off the
// road, every field of the cap without one), the last "far" for a point
// near no cap of the log. A point measured with a height adds ΔH in metres
// and ok|over against the height tolerance ("-" "-" where there is no
// design height to compare with).
std::string CheckLine(const CheckResult& result);


}  // namespace capset
