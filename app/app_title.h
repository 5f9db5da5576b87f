#pragma once
// The program's title (kAppTitle, among the window's words) and its name.

#include "form_texts.h"

namespace capset {

// The program's own name: the data folder of its day files is named for it,
// so cap_replay keeps them where the program does.
inline constexpr char kProgramName[] = "capset";

}  // namespace capset
