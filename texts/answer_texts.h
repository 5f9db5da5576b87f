#pragma once
// An answer that cannot be taken: what is wrong with it, the question it
// answers, and that it is asked again. The reasons alone are shared with
// the batch dialog, which lists its fields' problems together.

#include <string>
#include <vector>

#include "angle_text.h"
#include "fault.h"
#include "refusals.h"

namespace capset {

// An answer that is not read as a number.
std::string NotANumberMessage(const std::string& answer, const std::string& prompt);
// A station typed in K form where metres are asked: not a number, and what
// it is in metres ("K1+050" is 1050).
std::string KStationAnswerMessage(const std::string& answer, const std::string& metres, const std::string& prompt);
std::string OutOfRangeMessage(const std::string& answer, const std::string& prompt);
std::string FloatRangeMessage(const std::string& prompt);
std::string PRangeMessage(const std::string& prompt);
// A number that faults where it is used (a packed angle beyond the range of a double).
std::string FaultOnAnswerMessage(const ArithmeticFault& fault, const std::string& prompt);

// A number the computation cannot work with; the question is asked again.
std::string RefusedAnswerMessage(Refusal refusal, const std::string& prompt);

// A packed angle that no angle is, taken as read: one line a field
// ("T = 45.75 读作 46°15′00″：分不小于 60"), then what to do if it is wrong.
std::string PackedSlipLine(const std::string& field, const std::string& entry, const std::string& read,
                           PackedSlip slip);
std::string PackedSlipNotice(const std::vector<std::string>& lines);


// Why a typed number is refused; the answer quoted where there is one. A
// text of blanks alone is no number at all.
std::string NoNumberReason();
std::string NotANumberReason(const std::string& text);
std::string OutOfRangeReason(const std::string& text);
std::string FloatRangeReason();

}  // namespace capset
