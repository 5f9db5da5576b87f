#include "texts.h"

#include <algorithm>
#include <cmath>

#include "cap_result.h"
#include "edge_iteration.h"
#include "number_text.h"
#include "round3.h"
#include "station_text.h"

namespace capset {
namespace {

std::string BadAnswerMessage(ErrorKind kind, const std::string& why, const std::string& prompt) {
  return std::string(ErrorKindName(kind)) + "：" + why + "\n问题：" + prompt + "\n请重新输入。";
}

std::string Quoted(const std::string& answer) { return "“" + answer + "”"; }

}  // namespace

const char* ErrorKindName(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::kTypeMismatch: return "类型不匹配";
    case ErrorKind::kOverflow: return "溢出";
    case ErrorKind::kDivisionByZero: return "除数为零";
    case ErrorKind::kInvalidOperation: return "无效运算";
  }
  return "错误";
}

const char* FaultPlaceName(FaultPlace place) {
  switch (place) {
    case FaultPlace::kSeries: return "缓和曲线坐标级数";
    case FaultPlace::kChord: return "弦长";
    case FaultPlace::kDeflection: return "弦偏角";
    case FaultPlace::kTangentAngle: return "切线角";
    case FaultPlace::kCoordinate: return "坐标";
    case FaultPlace::kBearing: return "方位角";
    case FaultPlace::kStartValue: return "垂足点起始值";
    case FaultPlace::kDms: return "度分秒换算";
    case FaultPlace::kRound3: return "三位小数取整";
    case FaultPlace::kNumberText: return "数值显示";
    case FaultPlace::kStationText: return "桩号显示";
  }
  return "";
}

const char* RefusalText(Refusal refusal) {
  switch (refusal) {
    case Refusal::kAxisParallel: return "交角 B 为 0 或 180 度，盖梁横轴与中线平行，与路基边缘没有交点。";
    case Refusal::kA1Zero: return "缓和曲线要素 A1 为 0。";
    case Refusal::kKjBeforeZH: return "设计中桩桩号 Kj 小于直缓点桩号 ZH，盖梁不在缓和曲线上。";
    case Refusal::kNoDeflection: return "P = 0，无法判别曲线正偏或反偏，须输入 P>0 或 P<0。";
    case Refusal::kKpBeforeZH: return "Kp 小于直缓点桩号，盖梁中心不在缓和曲线上。";
    case Refusal::kKpAfterHZ: return "Kp 大于缓直点桩号，盖梁中心不在缓和曲线上。";
    case Refusal::kDRZero: return "DR 不能为 0。";
    case Refusal::kPrecisionNotPositive: return "计算精度须大于 0。";
  }
  return "";
}

std::string NotANumberMessage(const std::string& answer, const std::string& prompt) {
  const bool blank = answer.find_first_not_of(' ') == std::string::npos;
  return BadAnswerMessage(ErrorKind::kTypeMismatch, blank ? "没有输入数值。" : Quoted(answer) + "不是数值。", prompt);
}

std::string OutOfRangeMessage(const std::string& answer, const std::string& prompt) {
  return BadAnswerMessage(ErrorKind::kOverflow, Quoted(answer) + "超出数值范围。", prompt);
}

std::string FloatRangeMessage(const std::string& prompt) {
  return BadAnswerMessage(ErrorKind::kOverflow, "数值超出单精度数的范围。", prompt);
}

std::string PRangeMessage(const std::string& prompt) {
  return BadAnswerMessage(ErrorKind::kOverflow, "P 须在 -32768 至 32767 之间。", prompt);
}

std::string FaultOnAnswerMessage(const ArithmeticFault& fault, const std::string& prompt) {
  return BadAnswerMessage(fault.kind, std::string("用这个数值计算") + FaultPlaceName(fault.where) + "时出错。", prompt);
}

std::string RefusedAnswerMessage(Refusal refusal, const std::string& prompt) {
  return std::string("输入值不能用于计算：") + RefusalText(refusal) + "\n问题：" + prompt + "\n请重新输入。";
}

std::string RefusedJobMessage(Refusal refusal) {
  return std::string("无法计算：") + RefusalText(refusal) + "\n请点击“开 始”重新输入数据。";
}

std::string SolverFaultMessage(const ArithmeticFault& fault) {
  return std::string(ErrorKindName(fault.kind)) + "：计算" + FaultPlaceName(fault.where) +
         "时出错，计算已停止。\n结果框保持上一次的计算结果。";
}

std::optional<std::string> SideStatusText(const CapSolution& solution, bool inner) {
  const std::string side = inner ? "内侧" : "外侧";
  switch ((inner ? solution.inner : solution.outer).status) {
    case SideStatus::kSolved:
      return std::nullopt;
    case SideStatus::kFootOffSpiral:
      return side + "未计算：其垂足点将位于 " +
             (solution.end == SpiralEnd::kZH ? "ZH 之前" : "HZ 之后") + "，不在缓和曲线上。";
    case SideStatus::kBoundReached:
      return side + "未收敛：迭代 " + std::to_string(kMaxEdgeRounds) + " 次仍未达到要求的精度。";
    case SideStatus::kRanAway:
      break;
  }
  return side + "未收敛：迭代发散，未能达到要求的精度（盖梁与中线交角过小或过大）。";
}

std::optional<std::string> UnsolvedSidesNotice(const CapSolution& solution) {
  std::string notice;
  for (bool inner : {true, false}) {
    if (const auto why = SideStatusText(solution, inner)) notice += *why + "\n";
  }
  if (notice.empty()) return std::nullopt;
  return notice + "未求得结果的一侧，其四个结果框已清空。";
}

namespace {

const char* NoSolverReasonText(NoSolverReason reason) {
  const char* why = "";
  switch (reason) {
    case NoSolverReason::kNoJob:
      why = "还没有输入缓和曲线和盖梁的数据。\n请先点击“开 始”输入数据。";
      break;
    case NoSolverReason::kNoStation:
      why = "直缓点桩号和缓直点桩号都为 0，无法确定盖梁位于哪一段缓和曲线。\n"
            "请点击“开 始”重新输入：盖梁在 ZH 端时输入直缓点桩号（桩号为 0 时输入 .000000001），"
            "在 HZ 端时输入 Kz=0 和缓直点桩号。";
      break;
    case NoSolverReason::kSquareAtHZ:
      why = "正交盖梁（B = 90）只能在 ZH 端缓和曲线上计算。\n"
            "请点击“开 始”，改从 ZH 端输入这段缓和曲线的数据（直缓点桩号、座标和切线方位角）。";
      break;
    case NoSolverReason::kNoDeflection:
      why = "P = 0，无法判别曲线正偏或反偏。\n请点击“开 始”重新输入：曲线右偏输入 P>0，左偏输入 P<0。";
      break;
  }
  return why;
}

}  // namespace

std::string NoSolverNotice(NoSolverReason reason) { return std::string("没有进行计算：") + NoSolverReasonText(reason); }

const char* SpiralEndPointName(SpiralEnd end) { return end == SpiralEnd::kZH ? "HY" : "YH"; }

namespace {

const char* CapPointName(CapPoint point) {
  switch (point) {
    case CapPoint::kCentre: return "盖梁中桩";
    case CapPoint::kInnerFoot: return "内侧边缘点";
    case CapPoint::kOuterFoot: return "外侧边缘点";
    case CapPoint::kDesignStation: return "设计中桩 Kj";
  }
  return "";
}

std::string Metres(double value) { return NumberText(Round3(value), ".") + " m"; }

std::string BeyondEndLine(const CapSolution& s, const BeyondSpiralEnd& beyond) {
  std::string points;
  for (CapPoint p : beyond.points) points += (points.empty() ? "" : "、") + std::string(CapPointName(p));
  return std::string("注意：以下各点超出缓和曲线终点 ") + SpiralEndPointName(s.end) + "（" +
         StationText(beyond.endStation, "K", KmRule::kFloor, MetreRule::kRounded) + "，Ls = A1²/R = " +
         Metres(beyond.Ls) + "），位于圆曲线上：" + points + "。缓和曲线公式在该处不成立，结果仅供参考。";
}

std::string SeriesLine(const std::vector<SeriesDeparture>& series) {
  std::string points;
  for (const SeriesDeparture& d : series) {
    points += (points.empty() ? "" : "，") + std::string(CapPointName(d.point)) + " " +
              NumberText(std::nearbyint(d.difference * 10000) / 10, ".") + " 毫米";
  }
  return "注意：缓和曲线级数公式与精确回旋线相差 " + points + "（超过 1 毫米）；显示的结果仍按级数公式计算。";
}

}  // namespace

std::vector<std::string> WarningLines(const CapSolution& s, const CapWarnings& w) {
  std::vector<std::string> lines;
  if (w.beyondEnd) lines.push_back(BeyondEndLine(s, *w.beyondEnd));
  if (!w.series.empty()) lines.push_back(SeriesLine(w.series));
  return lines;
}

std::optional<std::string> RunNotice(const CapSolution& solution, const CapWarnings& warnings) {
  std::optional<std::string> notice = UnsolvedSidesNotice(solution);
  for (const std::string& line : WarningLines(solution, warnings)) {
    notice = notice ? *notice + "\n" + line : line;
  }
  return notice;
}

std::string DmsText(double degrees) {
  // Tenths of a second, rounded once, so 59.96″ carries into the minute.
  const long long tenths = std::llround(std::fabs(degrees) * 36000);
  const long long d = tenths / 36000;
  const long long m = tenths / 600 % 60;
  const long long t = tenths % 600;
  auto two = [](long long v) { return (v < 10 ? "0" : "") + std::to_string(v); };
  return std::string(degrees < 0 ? "-" : "") + std::to_string(d) + "°" + two(m) + "′" + two(t / 10) + "." +
         std::to_string(t % 10) + "″";
}

std::string SketchEndAndTurn(const CapSolution& s) {
  const bool right = s.solver == Solver::kCmd1 || s.solver == Solver::kCmd3 ||
                     (s.solver == Solver::kCmd5 && s.design.P > 0);
  return std::string(s.end == SpiralEnd::kZH ? "ZH 端" : "HZ 端") + "  " + (right ? "右偏" : "左偏");
}

std::string SketchAxisAzimuth(double azimuth) { return "横轴方位角(中→外) " + DmsText(azimuth); }

std::string SketchCapLength(const CapSolution& s) {
  if (s.inner.status != SideStatus::kSolved || s.outer.status != SideStatus::kSolved) {
    return "盖梁全长 —（有一侧未求得）";
  }
  return "盖梁全长 " + Metres(s.inner.length + s.outer.length);
}

std::string SketchParallelAxis(double Kj) {
  return "横轴方向取自设计桩号 Kj " + CentreStationText(Kj) + "（各盖梁互相平行）";
}

std::string SketchToOrigin(SpiralEnd end, double distance) {
  return std::string(end == SpiralEnd::kZH ? "ZH " : "HZ ") + Metres(distance);
}

std::string JobRefusedMessage(const std::string& file, const JobFileProblem& problem) {
  const std::string field = problem.field.empty() ? "" : "字段 " + problem.field + "：";
  return "无法打开作业文件“" + file + "”：" + field + problem.why + "\n窗口中的作业没有改变。";
}

std::string JobUnreadableMessage(const std::string& file, const std::string& reason) {
  return "无法读取作业文件“" + file + "”：" + reason + "\n窗口中的作业没有改变。";
}

std::string JobUnwritableMessage(const std::string& file, const std::string& reason) {
  return "无法保存作业文件“" + file + "”：" + reason + "\n原有的文件没有改变。";
}

std::string SketchScaleLength(double metres) { return NumberText(metres, ".") + " m"; }

std::string SketchBeyondEnd(const CapSolution& s, const BeyondSpiralEnd& beyond) {
  return std::string("超出缓和曲线终点 ") + SpiralEndPointName(s.end) + " " +
         StationText(beyond.endStation, "K", KmRule::kFloor, MetreRule::kRounded) + "（Ls = " + Metres(beyond.Ls) + "）";
}

std::string SketchSeriesDeparture(const std::vector<SeriesDeparture>& series) {
  double most = 0;
  for (const SeriesDeparture& d : series) most = std::max(most, d.difference);
  return "级数公式偏离精确回旋线 " + NumberText(std::nearbyint(most * 10000) / 10, ".") + " 毫米";
}

// ---- The results log, the batch and the export ----

std::string RefusedRowStatus(Refusal refusal) { return std::string("未计算：") + RefusalText(refusal); }

std::string FaultRowStatus(const ArithmeticFault& fault) {
  return std::string(ErrorKindName(fault.kind)) + "：计算" + FaultPlaceName(fault.where) + "时出错，未得到结果。";
}

std::string BatchNoSolverMessage(NoSolverReason reason) {
  return std::string("无法批量计算：") + NoSolverReasonText(reason);
}

std::string NoNumberReason() { return "没有输入数值。"; }

std::string NotANumberReason(const std::string& text) { return Quoted(text) + "不是数值。"; }

std::string OutOfRangeReason(const std::string& text) { return Quoted(text) + "超出数值范围。"; }

std::string FloatRangeReason() { return "数值超出单精度数的范围。"; }

std::string BatchFieldProblem(const std::string& field, const std::string& reason) { return field + "：" + reason; }

std::string BatchLineProblem(int line, const std::string& text, const std::string& reason) {
  return "第 " + std::to_string(line) + " 行" + Quoted(text) + "：" + reason;
}

std::string DuplicateNameReason(const std::string& name, int firstLine) {
  return "名称" + Quoted(name) + "与第 " + std::to_string(firstLine) + " 行重复，每个盖梁的名称须不同。";
}

std::string TooManyStationsProblem(int most) {
  return "桩号：一次最多计算 " + std::to_string(most) + " 个盖梁，请分批计算。";
}

std::string TooManyOffsetsProblem(int most) {
  return std::string(kBatchOffsetsField) + "：最多 " + std::to_string(most) + " 个。";
}

std::string BatchRejectedMessage(const std::vector<std::string>& problems, std::size_t most) {
  std::string message = "批量计算未进行，请改正以下各项：";
  for (std::size_t i = 0; i < problems.size() && i < most; ++i) message += "\n" + problems[i];
  if (problems.size() > most) message += "\n……另有 " + std::to_string(problems.size() - most) + " 项。";
  return message;
}

std::string BatchSummaryMessage(int caps, int fullySolved) {
  const std::string done = "批量计算完成：共 " + std::to_string(caps) + " 个盖梁";
  if (fullySolved == caps) return done + "，全部求得结果。";
  return done + "，" + std::to_string(fullySolved) + " 个求得全部结果，" + std::to_string(caps - fullySolved) +
         " 个未能全部求得，原因见结果记录的“状态”栏。";
}

std::string ExportFailedMessage(const std::string& path, const std::string& reason) {
  return "导出失败：无法写入文件" + Quoted(path) + "。\n原因：" + reason + "\n原有文件保持不变，结果记录未受影响。";
}

std::string ExportDoneText(int rows, const std::string& path) {
  return "已导出 " + std::to_string(rows) + " 行结果到 " + path;
}

std::string JournalFailedMessage(const std::string& path, const std::string& reason) {
  return "计算结果无法写入当天的日志文件" + Quoted(path) + "。\n原因：" + reason +
         "\n窗口中的结果记录照常保留，可用“文件 → 导出结果…”保存。本次运行中不再提示此错误。";
}

std::string UsageText(const std::string& journalFolder) {
  return "开始（Ctrl+N）：逐项输入缓和曲线和设计盖梁的数据。角度 T 和 B 按“度.分秒”输入，如 123.4530 为 123°45′30″。\n"
         "保存作业（Ctrl+S）、打开作业（Ctrl+O）：把“开始”输入的数据（及批量计算的桩号表）存为作业文件"
         "（.capjob），以后打开即可直接计算，不必重新输入。\n"
         "计算（F5）：输入盖梁中桩桩号 Kp、DR 和精度，计算一个盖梁。\n"
         "批量计算（Ctrl+B）：一次输入全桥各盖梁的桩号（每行一个，名称可写在桩号前，如 3# K12+400），"
         "以及 DR、精度和轴线上的点（如桩柱或支座距中桩 -3.5 3.5），一次算出全部盖梁。\n"
         "结果记录（Ctrl+L）：每次计算都在结果记录中增加一行。选中若干行后按 Ctrl+C 可复制到电子表格，"
         "按 Delete 删除。\n"
         "导出结果（Ctrl+E）：把所选各行（未选时为全部）存为 CSV 文件，或存为全站仪用的 CASS 点文件"
         "（.dat，每行“点名,编码,Y,X,H”）。\n"
         "每一行结果在算出时即写入当天的日志文件（capset-年-月-日.csv），保存在：\n" +
         journalFolder;
}

std::string AboutText(const std::string& version) {
  return "缓和曲线上盖梁坐标计算 capset " + version +
         "\n计算位于缓和曲线上的桥梁盖梁的中桩座标、路基边缘处座标、盖梁长度及桩号。";
}

}  // namespace capset
