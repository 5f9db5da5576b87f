#pragma once
// Every sentence the program says: the questions of Start and of the
// solvers, the words it writes into boxes, and its error reports and
// notices. The wording names the kind of error in the user's terms and, for
// an answer, the question it answers, so the user knows what to type again.

#include <optional>
#include <string>
#include <vector>

#include "cap_solution.h"
#include "cap_warnings.h"
#include "fault.h"
#include "handlers.h"
#include "job_file.h"
#include "refusals.h"

namespace capset {

// Start, in the order it asks.
inline constexpr char kAskKZH[] =
    "请输入直缓点桩号 Kz, 如果直缓点桩号等于 0 输入<.000000001 ; 如果盖梁位于 HZ 缓和曲线段,请输入 Kz=0";
inline constexpr char kAskKHZ[] = "请输入缓直点桩号 Kz";
inline constexpr char kAskXZH[] = "请输入直缓点纵座标 X";
inline constexpr char kAskYZH[] = "请输入直缓点横座标 Y";
inline constexpr char kAskTZH[] = "请输入直缓点 ZH 至交点的切线方位角 T 的数值";
inline constexpr char kAskXHZ[] = "请输入缓直点纵座标  X";
inline constexpr char kAskYHZ[] = "请输入缓直点横座标  Y";
inline constexpr char kAskTHZ[] = "请输入缓直点 HZ 至交点的切线方位角 T 的数值";
inline constexpr char kAskR[] = "请输入平曲线半径数值  R";
inline constexpr char kAskA1[] = "请输入开始段缓和曲线要素  A1 （ A1=R*Ls ) ";
inline constexpr char kAskKj[] = "请输入设计斜交盖梁的中桩桩号  Kj ,( 以米为单位 )";
inline constexpr char kAskB[] =
    "请输入盖梁与中桩之间交角 B 的数值，须以中桩切线方向顺时针旋转至盖梁横轴，如果盖梁正交输入 B=90";
inline constexpr char kAskP[] =
    "请输入平曲线正偏或反偏判别符号 P 的数值，正偏请输入 P>0 的数值 ,反偏请输入 P<0 的数值";

// The solvers.
inline constexpr char kAskKp[] = "请输入要求计算的盖梁中桩桩号  Kp( 以米为单位 )";
inline constexpr char kAskDR[] = "请输入中线至路基边缘宽度  DR  的数值( 以米为单位 ）";
inline constexpr char kAskPrecision[] = "请输入计算精度（以度为单位）";

// Words in boxes.
inline constexpr char kRightDeflection[] = "正偏";
inline constexpr char kLeftDeflection[] = "反偏";
inline constexpr char kDegreesMark[] = "(度)";
inline constexpr char kMetresMark[] = "米";

// 类型不匹配, 溢出, 除数为零, 无效运算.
const char* ErrorKindName(ErrorKind kind);

// The quantity that was being formed, in the user's words.
const char* FaultPlaceName(FaultPlace place);

// Why a job or an answer is refused.
const char* RefusalText(Refusal refusal);

// An answer that is not read as a number.
std::string NotANumberMessage(const std::string& answer, const std::string& prompt);
std::string OutOfRangeMessage(const std::string& answer, const std::string& prompt);
std::string FloatRangeMessage(const std::string& prompt);
std::string PRangeMessage(const std::string& prompt);
// A number that faults where it is used (a packed angle beyond the range of a double).
std::string FaultOnAnswerMessage(const ArithmeticFault& fault, const std::string& prompt);

// A number the computation cannot work with; the question is asked again.
std::string RefusedAnswerMessage(Refusal refusal, const std::string& prompt);

// A solver that refuses the job before its first question; nothing written.
std::string RefusedJobMessage(Refusal refusal);

// An arithmetic fault in a solver run; the result boxes were left alone.
std::string SolverFaultMessage(const ArithmeticFault& fault);

// "内侧" or "外侧", and why that side has no result; nothing when it has one.
std::optional<std::string> SideStatusText(const CapSolution& solution, bool inner);

// After a run with a side not solved: which and why; nothing when both are.
std::optional<std::string> UnsolvedSidesNotice(const CapSolution& solution);

// A Compute that has no solver to run: why, and what to change.
std::string NoSolverNotice(NoSolverReason reason);

// "HY" or "YH": the end of the spiral away from its origin.
const char* SpiralEndPointName(SpiralEnd end);

// One line a warning: the points beyond the spiral's end, naming Ls and
// the station of its end; the series' departure from the exact clothoid.
std::vector<std::string> WarningLines(const CapSolution& solution, const CapWarnings& warnings);

// Everything to say after a run: the unsolved sides, then the warnings;
// nothing when there is nothing to say.
std::optional<std::string> RunNotice(const CapSolution& solution, const CapWarnings& warnings);

// Job files.
inline constexpr char kNothingToSave[] =
    "还没有可保存的作业：请先点击“开 始”输入数据，或打开一个作业文件。";
// A file that is not a job this program can open; the job in the window stays.
std::string JobRefusedMessage(const std::string& file, const JobFileProblem& problem);
// A file that cannot be read or written at all, with the system's reason.
std::string JobUnreadableMessage(const std::string& file, const std::string& reason);
std::string JobUnwritableMessage(const std::string& file, const std::string& reason);

// The plan sketch's own words.
inline constexpr char kCentreMark[] = "中";
inline constexpr char kOuterMark[] = "外";
inline constexpr char kInnerMark[] = "内";
inline constexpr char kNorthMark[] = "N";
inline constexpr char kCentrelineName[] = "中线";
inline constexpr char kStraightName[] = "直线";
inline constexpr char kEdgeLineName[] = "路基边缘";
inline constexpr char kOuterAxisName[] = "横轴外侧";
inline constexpr char kInnerAxisName[] = "横轴内侧";
inline constexpr char kUnsolvedAxisSuffix[] = "(未求得)";
inline constexpr char kScaleName[] = "比例尺";
std::string SketchEndAndTurn(const CapSolution& solution);       // "ZH 端  右偏"
std::string SketchAxisAzimuth(double azimuth);                   // "横轴方位角(中→外) 112°09′43.1″"
std::string SketchCapLength(const CapSolution& solution);        // "盖梁全长 17.329 m"
std::string SketchParallelAxis(double Kj);                       // when Kp ≠ Kj
std::string SketchToOrigin(SpiralEnd end, double distance);       // "ZH 50 m"
std::string SketchScaleLength(double metres);                     // "10 m"
std::string SketchBeyondEnd(const CapSolution& solution, const BeyondSpiralEnd& beyond);
std::string SketchSeriesDeparture(const std::vector<SeriesDeparture>& series);

// Degrees as degrees, minutes and seconds to a tenth: 112°09′43.1″.
std::string DmsText(double degrees);

}  // namespace capset
