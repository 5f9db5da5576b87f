#include "range_texts.h"

#include <cmath>

#include "marks.h"
#include "number_text.h"

namespace capset {
namespace {

// A bound as the program writes numbers: 100000000, 0.001. Bounds are
// finite by construction.
std::string BoundText(double bound) { return NumberText(bound, "."); }

// A value that may be anything a file held: a non-finite one is named in
// words, never as "inf" or "nan" in a sentence.
std::string ValueText(double value) {
  if (std::isnan(value)) return "非数值";
  if (std::isinf(value)) return value > 0 ? "无穷大" : "负无穷大";
  return NumberText(value, ".");
}

}  // namespace

std::string RangeReason(FieldRange range, const char* unit) {
  // The road's refusals say it the same way (RoadRangeText).
  return "超出了 " + BoundText(range.low) + " 至 " + BoundText(range.high) + " " + unit + " 的范围。";
}

std::string NotWithinReason(const std::string& typed, FieldRange range, const char* unit) {
  return Quoted(typed) + RangeReason(range, unit);
}

std::string NotWithinReason(double value, FieldRange range) { return NotWithinReason(ValueText(value), range); }

}  // namespace capset
