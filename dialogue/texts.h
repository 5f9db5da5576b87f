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

// ---- The results log, the batch and the export ----

// The log's column headings, in column order; also the header of the CSV
// files (an export and the day file).
inline constexpr const char* kRowHeadings[] = {
    "序号",         "名称",         "解法",         "曲线",         "盖梁中桩桩号", "设计中桩桩号 Kj", "交角 B",
    "DR",           "精度",         "中桩纵座标 X", "中桩横座标 Y", "外侧中桩桩号", "外侧纵座标 X",    "外侧横座标 Y",
    "外侧长度 L",   "内侧中桩桩号", "内侧纵座标 X", "内侧横座标 Y", "内侧长度 L",   "轴线上的点",      "状态",
};

// Which way the curve turns, in a row's curve column.
inline constexpr char kRightTurn[] = "右偏";
inline constexpr char kLeftTurn[] = "左偏";

// A row's status when the cap was placed and both edges found.
inline constexpr char kRowSolved[] = "计算完成";
// A station the solver refuses, or whose solve faults: nothing placed.
std::string RefusedRowStatus(Refusal refusal);
std::string FaultRowStatus(const ArithmeticFault& fault);

// The batch run when Compute would run no solver: why, and what to change.
std::string BatchNoSolverMessage(NoSolverReason reason);

// The fields of the batch dialog, as a problem names them.
inline constexpr char kBatchDRField[] = "DR";
inline constexpr char kBatchPrecisionField[] = "精度";
inline constexpr char kBatchOffsetsField[] = "轴线上的点";

// Why a typed number is refused; the answer quoted where there is one.
std::string NoNumberReason();
std::string NotANumberReason(const std::string& text);
std::string OutOfRangeReason(const std::string& text);
std::string FloatRangeReason();
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

// After a batch: how many caps, and how many not fully solved.
std::string BatchSummaryMessage(int caps, int fullySolved);

// Export.
inline constexpr char kNothingToExport[] = "结果记录中还没有结果，没有可导出的内容。";
inline constexpr char kNotAPlainFile[] = "这不是普通文件。";
std::string ExportFailedMessage(const std::string& path, const std::string& reason);
std::string ExportDoneText(int rows, const std::string& path);

// The day file: reported once, then the log goes on without it.
inline constexpr char kNoDataFolder[] = "无法建立存放日志文件的文件夹。";
std::string JournalFailedMessage(const std::string& path, const std::string& reason);

// The main window's menus, the log panel and the export's file dialog.
inline constexpr char kFileMenu[] = "文件(&F)";
inline constexpr char kExportItem[] = "导出结果(&E)…";
inline constexpr char kOpenJobItem[] = "打开作业(&O)…";
inline constexpr char kSaveJobItem[] = "保存作业(&S)…";
inline constexpr char kRecentJobsMenu[] = "最近的作业(&R)";
inline constexpr char kNoRecentJobs[] = "（没有）";
inline constexpr char kOpenJobTitle[] = "打开作业";
inline constexpr char kSaveJobTitle[] = "保存作业";
inline constexpr char kJobFileName[] = "作业.capjob";
inline constexpr char kJobFilter[] = "作业文件 (*.capjob)";
inline constexpr char kQuitItem[] = "退出(&X)";
inline constexpr char kComputeMenu[] = "计算(&C)";
inline constexpr char kStartItem[] = "开始(&S)";
inline constexpr char kComputeItem[] = "计算(&C)";
inline constexpr char kBatchItem[] = "批量计算(&B)…";
inline constexpr char kViewMenu[] = "查看(&V)";
inline constexpr char kLogItem[] = "结果记录(&L)";
inline constexpr char kHelpMenu[] = "帮助(&H)";
inline constexpr char kUsageItem[] = "使用说明(&U)";
inline constexpr char kAboutItem[] = "关于(&A)";
inline constexpr char kLogTitle[] = "结果记录";
inline constexpr char kCopyItem[] = "复制";
inline constexpr char kDeleteItem[] = "删除";
inline constexpr char kExportTitle[] = "导出结果";
inline constexpr char kExportFileName[] = "盖梁结果.csv";
inline constexpr char kCsvFilter[] = "CSV 文件 (*.csv)";
inline constexpr char kDatFilter[] = "CASS 点文件 (*.dat)";

// The batch dialog.
inline constexpr char kBatchTitle[] = "批量计算";
inline constexpr char kAxisLabel[] = "盖梁横轴：";
inline constexpr char kParallelAxis[] = "与设计盖梁平行（在 Kj 处与中线成交角 B，与“计算”相同）";
inline constexpr char kOwnAxis[] = "各盖梁在本身桩号处与中线成交角 B（Kj = Kp）";
inline constexpr char kDRLabel[] = "中线至路基边缘宽度 DR（米）：";
inline constexpr char kPrecisionLabel[] = "计算精度（度）：";
inline constexpr char kOffsetsLabel[] = "轴线上的点（距中桩，米，向外侧为正，以空格分开）：";
inline constexpr char kOffsetsHint[] = "例如 -3.5 3.5（可不填）";
inline constexpr char kStationsLabel[] = "盖梁中桩桩号 Kp（正交盖梁为设计桩号 Kj），每行一个，名称可写在桩号前：";
inline constexpr char kStationsHint[] = "每行一个盖梁，名称可写在桩号前，例如：\n1# K12+400\n2# K12+420\n12440";
inline constexpr char kBatchRun[] = "计算";
inline constexpr char kBatchCancel[] = "取消";

// Help: what the program does, where the day files are kept.
std::string UsageText(const std::string& journalFolder);
std::string AboutText(const std::string& version);

}  // namespace capset
