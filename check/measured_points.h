#pragma once
// Measured points as the crew brings them: typed or pasted, one a line
// (name, X, Y), or a point file of the total station (CASS .dat, or a CSV
// of the same columns: name,code,Y,X,H, east first, as our export writes
// it). Every line is read before anything is kept: a list with a bad line
// comes back as the list of its problems, each naming its line.
//
// Typed lines are separated by tabs when a tab is in the line (a paste from
// a spreadsheet), else by commas when the user's decimal separator is not a
// comma, else by blanks; numbers follow the user's rules, as answers do. A
// point file is the instrument's: commas, and "." for the decimals. Blank
// lines are skipped; line numbers count every line. A first line whose
// coordinates are both words is a heading and is skipped.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "as_built_check.h"
#include "number_rules.h"

namespace capset {

// A list of tens of thousands is a survey of the whole site, not of a
// bridge; beyond this the paste has gone wrong.
inline constexpr int kMaxCheckPoints = 100000;
// A message lists at most this many bad lines, then counts the rest.
inline constexpr std::size_t kMaxListedCheckProblems = 20;

// The points, or the problems of the lines that are not points.
using PointsReading = std::variant<std::vector<MeasuredPoint>, std::vector<std::string>>;

// A point's fields as one line gives them, as text: its name, X (north),
// Y (east) and, when the line has a place for it, the measured height
// (empty: none).
struct PointFields {
  std::string name, X, Y;
  std::optional<std::string> H;
};
// What one line holds: a point's fields; or why it is not a point; or
// neither, for a line that holds no point and is passed over.
struct LineReading {
  std::optional<PointFields> fields;
  std::string problem;
};
using LineReader = std::function<LineReading(std::string_view line)>;

// Every line of `text` through `read`, each point's fields then judged
// alike whatever the format: its name, its numbers by `symbols`, their
// ranges; a first line whose X and Y are both words is a heading.
PointsReading ReadPointLines(std::string_view text, const NumberSymbols& symbols, const LineReader& read);

PointsReading ReadTypedPoints(const std::string& text, const NumberSymbols& symbols);
PointsReading ReadPointFile(const std::string& bytes);

// Why a measured point's coordinates, read, are none a road can have
// (field_ranges.h), or nothing. `typedX` and `typedY` are as typed.
std::optional<std::string> PointBeyond(const std::string& typedX, double X, const std::string& typedY, double Y);

// The tolerance as typed, in the unit the caller asks it in (`metresPerUnit`
// metres each, named `unit`); a number of 0 or more within the tolerance's
// range, or why not (kToleranceNotNumber, kToleranceNegative, the range).
std::variant<double, std::string> ReadTolerance(const std::string& text, const NumberSymbols& symbols,
                                                double metresPerUnit = 1, const char* unit = "m");

}  // namespace capset
