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
    "序号",         "名称",         "解法",         "曲线",         "盖梁中桩桩号", "设计中桩桩号 Kj", "交角 B",
    "DR",           "精度",         "中桩纵座标 X", "中桩横座标 Y", "外侧中桩桩号", "外侧纵座标 X",    "外侧横座标 Y",
    "外侧长度 L",   "内侧中桩桩号", "内侧纵座标 X", "内侧横座标 Y", "内侧长度 L",   "轴线上的点",      "状态",
    "起算点",       "起算点桩号",   "起算点纵座标 X", "起算点横座标 Y", "切线方位角 T", "平曲线半径 R", "缓和曲线要素 A1",
    "P",            "计算时间",     "方法",         "中桩线元",
    "左侧为",       "左侧中桩桩号", "左侧纵座标 X", "左侧横座标 Y", "左侧长度 L",   "左侧线元",        "左幅 DR",
    "右侧为",       "右侧中桩桩号", "右侧纵座标 X", "右侧横座标 Y", "右侧长度 L",   "右侧线元",        "右幅 DR",
};

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

// The axis points column: "P1(-3.5) X 1030.54 Y 2044.847; P2(3.5) X … Y …",
// from the texts of each point's offset and coordinates.
std::string AxisPointText(int number, const std::string& offset, const std::string& X, const std::string& Y);
std::string AxisPointsListText(const std::vector<std::string>& points);

}  // namespace capset
