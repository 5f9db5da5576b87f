#pragma once
// A number read in a field that lies outside the range the field can have
// (field_ranges.h): the value as typed, then the range with its unit, so
// the user sees at once which digit went wrong. The caller puts the field's
// name before it, as its other refusals do.

#include <string>

#include "field_ranges.h"

namespace capset {

// A bound of a range, whole or with its decimals and no trailing zeros:
// 0.001, 100000000.
std::string RangeBoundText(double bound);
// The one way a range is put into a sentence, without its full stop:
// "超出了 0.001 至 10000 m 的范围". `unit` stands right after the upper
// bound, its blank included (" m", "°").
std::string BeyondRangeText(FieldRange range, const std::string& unit);

// "“1e160”超出了 -100000000 至 100000000 m 的范围。"
// `unit` is the unit the range and the value are given in.
std::string NotWithinReason(const std::string& typed, FieldRange range, const char* unit = "m");

// The reason alone, for a caller that quotes the value itself:
// "超出了 0.001 至 10000 m 的范围。"
std::string RangeReason(FieldRange range, const char* unit = "m");

// The same for a number that was not typed as text (a file's attribute
// read, a value converted): the value is written as the program writes numbers.
std::string NotWithinReason(double value, FieldRange range);

}  // namespace capset
