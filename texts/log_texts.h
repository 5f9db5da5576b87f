#pragma once
// The results log's words: its column headings (also the header of the CSV
// files) and a row's status.

#include <string>
#include <vector>

#include "cap_solution.h"
#include "cap_warnings.h"
#include "fault.h"
#include "refusals.h"

namespace capset {

// The log's column headings, in column order; also the header of the CSV
// files (an export and the day file).
inline constexpr const char* kRowHeadings[] = {
    "序号",           "名称",           "状态",             "解法",             "曲线",
    "盖梁中桩桩号",   "设计中桩桩号 Kj", "交角 B",          "DR",               "精度",
    "中桩纵座标 X",   "中桩横座标 Y",
    "边点一",         "边点一桩号",     "边点一纵座标 X",   "边点一横座标 Y",   "边点一长度 L",
    "边点一线元",     "边点一半宽",
    "边点二",         "边点二桩号",     "边点二纵座标 X",   "边点二横座标 Y",   "边点二长度 L",
    "边点二线元",     "边点二半宽",
    "起算点",         "起算点桩号",     "起算点纵座标 X",   "起算点横座标 Y",   "切线方位角 T",
    "平曲线半径 R",   "缓和曲线要素 A1", "P",               "计算时间",         "方法",
    "中桩线元",
};

// What a row has no value for (R, A1 and P of a row solved on a road of
// its own, the precision of an exact row): a dash, never a 0 that reads as
// a value.
inline constexpr char kNoValue[] = "-";

// A window row's edges, as its boxes name them.
inline constexpr char kOuterEdgeName[] = "外侧";
inline constexpr char kInnerEdgeName[] = "内侧";
// An edge of an exact row: its side of increasing stations, and which side
// of the bend it is where the row follows one: "左侧（外侧）", "右侧".
std::string ExactEdgeSideText(int side, const char* bend);

// The solver of a row in the user's words: the spiral end it measures from
// and whether the cap is skewed or square ("ZH 端 斜交", "ZH 端 正交"); the
// curve column says which way the curve turns.
std::string SolverKindText(Solver solver);

// A row's status when the cap was placed and both edges found.
inline constexpr char kRowSolved[] = "计算完成";
// A placed cap's status: solved, or which side is not and why; then the
// warnings, as the sketch words them.
std::string PlacedRowStatus(const CapSolution& solution, const CapWarnings& warnings);
// A station the solver refuses, or whose solve faults: nothing placed.
std::string RefusedRowStatus(Refusal refusal);
// A square cap's own station before ZH: both stations as the window shows them.
std::string StationBeforeZHRowStatus(const std::string& station, const std::string& zh);
std::string FaultRowStatus(const ArithmeticFault& fault);
// A row kept in the log whose numbers cannot be written as texts: the row
// stays, says so, and the view goes on.
std::string UnshownRowStatus(const ArithmeticFault& fault);

// The status bar after rows are deleted, and after they are put back.
std::string RowsDeletedText(int rows);
inline constexpr char kRowsRestored[] = "已恢复删除的行。";

// Rows by number, runs joined: "第 3–5、8 行".
std::string RowListText(const std::vector<int>& numbers);

// The headings of the point along the axis `number` (from 1): its
// distance along the axis from the centre, X, Y and the element its foot
// lies on (a row solved on the road).
inline constexpr int kAxisPointColumns = 4;
std::string AxisPointHeading(int number, int part);

}  // namespace capset
