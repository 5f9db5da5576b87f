#include "range_texts.h"

#include <cmath>

#include "marks.h"
#include "number_chars.h"
#include "number_text.h"

namespace capset {
namespace {

// A value that may be anything a file held: a non-finite one is named in
// words, never as "inf" or "nan" in a sentence.
std::string ValueText(double value) {
  if (std::isnan(value)) return "非数值";
  if (std::isinf(value)) return value > 0 ? "无穷大" : "负无穷大";
  return NumberText(value, ".");
}

}  // namespace

std::string RangeBoundText(double bound) {
  return ShortestFixedText(bound);
}

std::string BeyondRangeText(FieldRange range, const std::string& unit) {
  return "超出了 " + RangeBoundText(range.low) + " 至 " + RangeBoundText(range.high) + unit + " 的范围";
}

std::string RangeReason(FieldRange range, const char* unit) {
  return BeyondRangeText(range, std::string(" ") + unit) + "。";
}

std::string NotWithinReason(const std::string& typed, FieldRange range, const char* unit) {
  return Quoted(typed) + RangeReason(range, unit);
}

std::string NotWithinReason(double value, FieldRange range) { return NotWithinReason(ValueText(value), range); }

}  // namespace capset
