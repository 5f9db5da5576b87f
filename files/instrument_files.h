#pragma once
// Points as the total station's own files take them: Leica GSI-16 and
// PNEZD. Bytes out; writing the disk is the caller's.
//
// GSI-16: one block a line, each block a row of 24-character words: a
// leading "*" marks the block as GSI-16; then for every word the word index
// (2 digits), four characters of information, the sign and 16 characters
// of data, and a blank. Word 11 carries the block number (4 digits) and
// the point number, right-aligned and filled with "0" on the left, as the
// instruments fill it; words 81, 82 and 83 carry easting, northing and
// height as whole millimetres, zero-padded, with the information "..10":
// no automatic index, input mode 1 (entered, not measured: these are design
// points) and unit 0 (metres, last digit 1 mm). A point without a height
// has no word 83, never a 0 that would be taken for one.
//
//   *110001+0000000000003-Z1 81..10+0000000500012345 82..10+0000003012345678 83..10+0000000000412305
//
// The millimetres are those of the CASS point file, rounded by the same
// rule (FixedCoordinateText), so both files of one point agree digit for
// digit. A name the point number cannot carry is refused, naming the point:
// longer than 16 characters, holding a blank, "*" or anything not ASCII,
// or beginning with "0" and then a letter or digit (the filling zeros would
// swallow it when read back).
//
// PNEZD: comma-separated, one point a line, no heading: point, northing
// (X), easting (Y), elevation (empty without a height), description (the
// point's group and role, "3/Z"); coordinates to the millimetre, lines in
// CR LF.
//
//   3-Z1,3012345.678,500012.345,412.305,3/Z

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "export_point.h"

namespace capset {

enum class InstrumentFormat { kGsi16, kPnezd };

// The longest point number a GSI-16 word holds.
inline constexpr std::size_t kGsiNameWidth = 16;
// Each word: index, information, sign, data, blank.
inline constexpr std::size_t kGsi16WordWidth = 24;

// Why `name` cannot be a GSI point number; nothing when it can.
std::optional<std::string> GsiNameProblem(const std::string& name);

// The word of a coordinate or height (index 81, 82, 83) in millimetres;
// nothing when the value is not a number or does not fit 16 digits.
std::optional<std::string> GsiCoordinateWord(int index, double metres);

// A refused export: why, naming the point.
struct InstrumentRefusal {
  std::string reason;
};
using InstrumentText = std::variant<std::string, InstrumentRefusal>;

// The whole file, or why not (the first point that cannot be written).
InstrumentText InstrumentFileText(InstrumentFormat format, const std::vector<ExportPoint>& points);

// The description PNEZD writes: "group/role", or whichever of them there is.
std::string PnezdDescription(const ExportPoint& point);

}  // namespace capset
