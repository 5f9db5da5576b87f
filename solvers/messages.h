#pragma once
// Every text the program shows in an error report or a notice. The wording
// names the kind of error in the user's terms and, for an answer, the
// question it answers, so the user knows what to type again.

#include <string>

#include "fault.h"

namespace capset {

// 类型不匹配, 溢出, 除数为零, 无效运算.
const char* ErrorKindName(ErrorKind kind);

// An answer that cannot be used: the kind, why, the question, "ask again".
std::string BadAnswerMessage(ErrorKind kind, const std::string& why, const std::string& prompt);

// An answer that is a number but one the computation cannot work with.
std::string RefusedAnswerMessage(const std::string& why, const std::string& prompt);

// An arithmetic fault in a solver run; the result boxes were left alone.
std::string SolverFaultMessage(const ArithmeticFault& fault);

// A solver that refuses the job before its first question; nothing written.
std::string RefusedJobMessage(const std::string& why);

}  // namespace capset
