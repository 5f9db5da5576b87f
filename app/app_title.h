#pragma once
// The one title of the program: the window, its heading, every prompt and
// every message box carry it, so the user always sees which program asks.

namespace capset {

inline constexpr char kAppTitle[] = "缓和曲线上盖梁坐标计算";

// The program's own name: the data folder of its day files is named for it,
// so cap_replay keeps them where the program does.
inline constexpr char kProgramName[] = "capset";

}  // namespace capset
