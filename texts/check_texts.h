#pragma once
// What the as-built check says: why a measured point, a point file or the
// tolerance is refused, what to do first, and the headings of its table.

#include <cstddef>
#include <string>
#include <vector>

namespace capset {

// Why a line is not a measured point.
inline constexpr char kNotATypedPoint[] =
    "不是点。每行写点名、X、Y，以制表符、逗号或空格分开，如 M1 1033.829 2036.772。";
inline constexpr char kNotAFilePoint[] = "不是点。点文件每行为“点名,编码,Y,X,H”（东坐标 Y 在前）。";
inline constexpr char kPointNameMissing[] = "缺少点名。";
inline constexpr char kPointNameNotUtf8[] = "点名不是 UTF-8 文字，请将文件另存为 UTF-8 后再读取。";
inline constexpr char kPointXNotNumber[] = "X（纵坐标）不是数值。";
inline constexpr char kPointYNotNumber[] = "Y（横坐标）不是数值。";
inline constexpr char kPointHNotNumber[] = "H（高程）不是数值。";
// A coordinate read that no point of a road can have: "X（纵坐标）“1e160”超出范围：…"
std::string PointXBeyond(const std::string& typed);
std::string PointYBeyond(const std::string& typed);

// "第 3 行“M1 1033.8x 2036.772”：" and the reason.
std::string CheckLineProblem(int line, const std::string& text, const std::string& reason);
// The typed points refused: their problems one a line (the first `most`).
std::string CheckPointsRejected(const std::vector<std::string>& problems, std::size_t most);
// A file refused: it names the file, then its problems.
std::string CheckFileRejected(const std::string& file, const std::vector<std::string>& problems, std::size_t most);
std::string TooManyCheckPoints(int most);

inline constexpr char kNoCheckPoints[] = "没有实测点：每行输入一个点（点名、X、Y），或读取点文件。";
std::string NoPointsInFile(const std::string& file);
inline constexpr char kToleranceNotNumber[] = "限差不是数值。";
inline constexpr char kToleranceNegative[] = "限差不能为负数。";
// "限差“1e300”超出了 0 至 10000000 mm 的范围。"
std::string ToleranceBeyond(const std::string& typed, double metresPerUnit, const char* unit);

// What to do first.
inline constexpr char kCheckNeedsRoad[] =
    "尚无路线，无法检核：请先点“开 始”输入曲线要素，或输入路线，再计算盖梁。";
inline constexpr char kCheckNeedsCap[] =
    "结果记录中还没有盖梁：下表只给出各点的桩号和偏距。计算盖梁后再检核，可得与设计点的偏差。";

// The measured point's place, worded for the table.
inline constexpr char kCheckOffRoad[] = "不在路线上";
inline constexpr char kCheckOk[] = "合格";
// A point whose numbers cannot be written in the table.
inline constexpr char kCheckNotShown[] = "数值无法显示";
inline constexpr char kCheckOver[] = "超限";
// A point farther from every cap than its half-width and the tolerance.
inline constexpr char kCheckNoCapNear[] = "附近无盖梁";
// The cap a point is checked against: its name and its log row, "0# (1)";
// "(1)" for a cap without a name.
std::string CheckCapText(const std::string& name, int row);

// The table's headings, in column order (as_built_texts' columns).
const std::vector<std::string>& CheckHeadings();

// The dialog (计算 → 实测检核…); its window title is the program's, the
// separator, then its own.
inline constexpr char kCheckItem[] = "实测检核(&M)…";
inline constexpr char kCheckTitle[] = "实测检核";
inline constexpr char kCheckPointsLabel[] = "实测点：每行一点，点名、X、Y，可带实测高程 H（可从表格粘贴），或读取点文件";
inline constexpr char kCheckPointsHint[] = "M1\t1033.829\t2036.772\nM2\t1030.540\t2044.847";
inline constexpr char kCheckReadFile[] = "读取文件(&F)…";
inline constexpr char kCheckToleranceLabel[] = "限差 (mm)：";
inline constexpr char kCheckDefaultToleranceMm[] = "10";
inline constexpr char kCheckRun[] = "检核(&K)";
inline constexpr char kCheckCopy[] = "复制(&C)";
inline constexpr char kCheckExport[] = "导出 CSV(&E)…";
inline constexpr char kCheckExportName[] = "实测检核.csv";
inline constexpr char kNothingChecked[] = "还没有检核结果，没有可复制或导出的内容。";
std::string CheckFileUnreadable(const std::string& file, const std::string& reason);
std::string CheckFileTooLarge(const std::string& file, int megabytes);
std::string CheckExportFailed(const std::string& path, const std::string& reason);
std::string CheckExported(int rows, const std::string& path);
// A measured point in the sketch: its name and its deviation.
std::string CheckMarkLabel(const std::string& name, double distanceMm, bool over);

// After a check: how many points, how many over the tolerance, how many
// near no cap.
std::string CheckSummary(int points, int over, double toleranceMm, int far = 0);
// The table and its summary cleared: what changed since the last 检核.
enum class CheckInput { kPoints, kTolerance, kRoad, kLog, kBridges, kHeights };
std::string CheckCleared(CheckInput changed);

}  // namespace capset
