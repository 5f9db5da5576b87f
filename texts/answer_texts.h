#pragma once
// An answer that cannot be taken: what is wrong with it, the question it
// answers, and that it is asked again. The reasons alone are shared with
// the batch dialog, which lists its fields' problems together.

#include <string>

#include "fault.h"
#include "refusals.h"

namespace capset {

// An answer that is not read as a number.
std::string NotANumberMessage(const std::string& answer, const std::string& prompt);
std::string OutOfRangeMessage(const std::string& answer, const std::string& prompt);
std::string FloatRangeMessage(const std::string& prompt);
std::string PRangeMessage(const std::string& prompt);
// A number that faults where it is used (a packed angle beyond the range of a double).
std::string FaultOnAnswerMessage(const ArithmeticFault& fault, const std::string& prompt);

// A number the computation cannot work with; the question is asked again.
std::string RefusedAnswerMessage(Refusal refusal, const std::string& prompt);

// Why a typed number is refused; the answer quoted where there is one. A
// text of blanks alone is no number at all.
std::string NoNumberReason();
std::string NotANumberReason(const std::string& text);
std::string OutOfRangeReason(const std::string& text);
std::string FloatRangeReason();

}  // namespace capset
