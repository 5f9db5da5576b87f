#pragma once
// What the export of a bridge's points says: the CSV's headings, and why an
// export is refused or what it left out.

#include <string>
#include <vector>

namespace capset {

inline constexpr const char* kBridgeCsvHeadings[] = {"桥名", "墩台", "点名", "类别", "X(m)", "Y(m)", "H(m)", "桩号", "偏距(m)"};

}  // namespace capset
