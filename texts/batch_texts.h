#pragma once
// What the batch says: the problems of its fields and of each line of the
// station list, all in one message, and its summary.

#include <cstddef>
#include <string>
#include <vector>

#include "no_solver_reason.h"

namespace capset {

// The batch run when Compute would run no solver: why, and what to change.
std::string BatchNoSolverMessage(NoSolverReason reason);

// The fields of the batch dialog, as a problem names them.
inline constexpr char kBatchDRField[] = "DR";
inline constexpr char kBatchPrecisionField[] = "精度";
inline constexpr char kBatchOffsetsField[] = "轴线上的点";

// "DR：" and the reason.
std::string BatchFieldProblem(const std::string& field, const std::string& reason);
// "第 3 行“K12+1000.5”：" and the reason.
std::string BatchLineProblem(int line, const std::string& text, const std::string& reason);

// Why a line of the station list is not a station.
inline constexpr char kNotAStation[] = "不是桩号。桩号写作 12400 或 K12+400，名称可写在桩号前，如 3# K12+400。";
inline constexpr char kKmNotWhole[] = "K 与加号之间须为公里数（整数）。";
inline constexpr char kKmNegative[] = "公里数不能为负。";
inline constexpr char kMetresMissing[] = "加号后缺少米数。";
inline constexpr char kMetresNotNumber[] = "加号后的米数不是数值。";
inline constexpr char kMetresNegative[] = "加号后的米数不能为负。";
inline constexpr char kMetresTooLarge[] = "加号后的米数须小于 1000。";
inline constexpr char kStationOutOfRange[] = "桩号超出数值范围。";
std::string DuplicateNameReason(const std::string& name, int firstLine);
inline constexpr char kNoStations[] = "桩号：没有输入桩号，每行输入一个盖梁的桩号。";
std::string TooManyStationsProblem(int most);
std::string TooManyOffsetsProblem(int most);

// Bad entries, listed one a line (the first `most` of them); nothing ran.
std::string BatchRejectedMessage(const std::vector<std::string>& problems, std::size_t most);

// After a batch: how many caps, how many fully solved where their numbers
// hold, how many by the window's formulas past the spiral's end (counted
// apart, whether their sides were found or not), and how many not fully
// solved.
std::string BatchSummaryMessage(int caps, int fullySolved, int pastSpiralEnd = 0);

// The same batch run again for the same job: its earlier rows (by number)
// are still in the log. Replace them (a removal that can be undone) or add
// the new rows beside them.
std::string BatchRepeatQuestion(const std::vector<int>& earlierRows);
inline constexpr char kReplaceRows[] = "替换";
inline constexpr char kAddRows[] = "添加";

}  // namespace capset
