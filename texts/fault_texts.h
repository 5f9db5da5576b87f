#pragma once
// Arithmetic faults in the user's words: the kind and the quantity that was
// being formed.

#include "fault.h"

namespace capset {

// 类型不匹配, 溢出, 除数为零, 无效运算.
const char* ErrorKindName(ErrorKind kind);

// The quantity that was being formed, in the user's words.
const char* FaultPlaceName(FaultPlace place);

}  // namespace capset
