#pragma once
// What Compute and its solvers say: their questions, why a job or an
// answer is refused, a fault in a run, the sides not solved and the
// warnings after a run, and why no solver applies.

#include <optional>
#include <string>
#include <vector>

#include "cap_solution.h"
#include "cap_warnings.h"
#include "fault.h"
#include "no_solver_reason.h"
#include "refusals.h"
#include "turn.h"

namespace capset {

// The solvers.
inline constexpr char kAskKp[] = "请输入要求计算的盖梁中桩桩号  Kp( 以米为单位 )";
inline constexpr char kAskDR[] = "请输入中线至路基边缘宽度  DR  的数值( 以米为单位 ）";
inline constexpr char kAskPrecision[] = "请输入计算精度（以度为单位）";

// Why a job or an answer is refused.
const char* RefusalText(Refusal refusal);

// A solver that refuses the job before its first question; nothing written.
std::string RefusedJobMessage(Refusal refusal);

// An arithmetic fault in a solver run; the result boxes were left alone.
std::string SolverFaultMessage(const ArithmeticFault& fault);

// "内侧" or "外侧", and why that side has no result; nothing when it has one.
std::optional<std::string> SideStatusText(const CapSolution& solution, bool inner);

// After a run with a side not solved: which and why; nothing when both are.
std::optional<std::string> UnsolvedSidesNotice(const CapSolution& solution);

// Why no solver applies, and what to change.
const char* NoSolverReasonText(NoSolverReason reason);
// A Compute that has no solver to run: why, and what to change.
std::string NoSolverNotice(NoSolverReason reason);

// "ZH" or "HZ": the end of the spiral a solver measures from.
const char* SpiralEndName(SpiralEnd end);
// "HY" or "YH": the end of the spiral away from its origin.
const char* SpiralEndPointName(SpiralEnd end);
// "右偏" or "左偏": which way the curve turns.
const char* TurnName(Turn turn);
// "ZH 右偏": the spiral end and the turn, the curve a cap lies on.
std::string CurveText(SpiralEnd end, Turn turn, const char* between = " ");

// One line a warning: the points beyond the spiral's end, naming Ls and
// the station of its end; the series' departure from the exact clothoid.
std::vector<std::string> WarningLines(const CapSolution& solution, const CapWarnings& warnings);

// Everything to say after a run: the unsolved sides, then the warnings;
// nothing when there is nothing to say.
std::optional<std::string> RunNotice(const CapSolution& solution, const CapWarnings& warnings);

// A solver's own name, as cap_replay reports its choice: "Cmd1" ... "Cmd5",
// or "none".
const char* SolverName(std::optional<Solver> choice);

}  // namespace capset
