#pragma once
// What the export of a bridge's points says: the CSV's headings, why an
// export is refused, what it wrote and what it left out.

#include <string>
#include <vector>

namespace capset {

inline constexpr const char* kBridgeCsvHeadings[] = {"桥名", "墩台", "点名", "类别", "X(m)", "Y(m)", "H(m)", "桩号", "偏距(m)"};

// The script's command typed wrong.
inline constexpr char kExportBridgeUsage[] =
    "@export bridge 的写法：@export bridge csv|dat 文件 [桥名 [墩台…]]，如 @export bridge dat piers.dat B1 3 4。";

// Bents the bridge has not: "桥“B1”没有墩台“9”、“x”。…"
std::string UnknownBentsText(const std::string& bridge, const std::vector<std::string>& bents);
// Nothing the export could write: every bent chosen is not placed.
std::string NoBridgePointPlacedText(int bents);
// A point name given to two points (by two bridges, which may name their
// bents alike), with the bridges that give it; a point file of them is
// not written.
struct SharedPointName {
  std::string name;
  std::vector<std::string> bridges;
};
std::string SharedPointNamesText(const std::vector<SharedPointName>& shared);
// Points not placed, so not written, and the bents they belong to (each as
// "B1/5"): said after a file that was written.
std::string PointsLeftOutText(int written, int leftOut, const std::vector<std::string>& bents);
// A good export, in the status bar: "已导出 120 个点到 piers.dat".
std::string BridgeExportDoneText(int points, const std::string& path);

// The main window's export of the bridges' points: its menu item, the
// dialog that chooses the bridge and its bents, the file dialog.
inline constexpr char kExportBridgeItem[] = "导出桥梁点位(&P)…";
inline constexpr char kBridgeExportTitle[] = "导出桥梁点位";
inline constexpr char kBridgeExportBridge[] = "桥(&B)：";
inline constexpr char kBridgeExportAll[] = "全部桥梁";
inline constexpr char kBridgeExportBents[] = "墩台(&D)：";
inline constexpr char kBridgeExportBentsHint[] = "不选即导出这座桥的全部墩台；按住 Ctrl 或 Shift 可选多个。";
inline constexpr char kBridgeExportFileName[] = "桥梁点位.csv";

}  // namespace capset
