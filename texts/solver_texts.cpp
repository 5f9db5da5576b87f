#include "solver_texts.h"

#include <cmath>

#include "edge_iteration.h"
#include "fault_texts.h"
#include "marks.h"
#include "number_text.h"
#include "station_text.h"

namespace capset {

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

std::string RefusedJobMessage(Refusal refusal) {
  return std::string("无法计算：") + RefusalText(refusal) + "\n请点击“开 始”重新输入数据。";
}

std::string SolverFaultMessage(const ArithmeticFault& fault) {
  return std::string(ErrorKindName(fault.kind)) + "：计算" + FaultPlaceName(fault.where) +
         "时出错，计算已停止。\n结果框保持上一次的计算结果。";
}

namespace {

// A side whose rounds failed because its foot ran past the spiral's end
// (with R known): the iteration had no clothoid to stand on there, whatever
// the skew, and saying "the skew is too small or too large" would send the
// user the wrong way.
bool FailedPastSpiralEnd(const CapSolution& s, const EdgeSolution& edge) {
  const CapDesign& d = s.design;
  if (!(d.R > 0) || d.A1 == 0) return false;
  const double Ls = d.A1 * d.A1 / d.R;
  const double end = s.end == SpiralEnd::kZH ? d.origin + Ls : d.origin - Ls;
  if (!std::isfinite(Ls) || StationFault(end, kFootStationForm) || MetresFault(Ls)) return false;
  return std::fabs(s.centreDistance) > Ls || !(std::fabs(edge.footDistance) <= Ls);
}

}  // namespace

std::optional<std::string> SideStatusText(const CapSolution& solution, bool inner) {
  const std::string side = inner ? "内侧" : "外侧";
  const EdgeSolution& edge = inner ? solution.inner : solution.outer;
  if (edge.status != SideStatus::kSolved && edge.status != SideStatus::kFootOffSpiral &&
      FailedPastSpiralEnd(solution, edge)) {
    const CapDesign& d = solution.design;
    const double Ls = d.A1 * d.A1 / d.R;
    const double end = solution.end == SpiralEnd::kZH ? d.origin + Ls : d.origin - Ls;
    return side + "未求得：其垂足点超出缓和曲线终点 " + SpiralEndPointName(solution.end) + " " +
           FootStationText(end) + "（Ls = " + MetresText(Ls) + "），位于圆曲线上，缓和曲线公式在该处不成立；请改用精确计算。";
  }
  switch (edge.status) {
    case SideStatus::kSolved:
      return std::nullopt;
    case SideStatus::kFootOffSpiral:
      return side + "未计算：其垂足点将位于 " + SpiralEndName(solution.end) +
             (solution.end == SpiralEnd::kZH ? " 之前" : " 之后") + "，不在缓和曲线上。";
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

std::string NoSolverNotice(NoSolverReason reason) { return std::string("没有进行计算：") + NoSolverReasonText(reason); }

const char* SpiralEndName(SpiralEnd end) { return end == SpiralEnd::kZH ? "ZH" : "HZ"; }

const char* SpiralEndPointName(SpiralEnd end) { return end == SpiralEnd::kZH ? "HY" : "YH"; }

const char* TurnName(Turn turn) { return turn == Turn::kRight ? "右偏" : "左偏"; }

std::string CurveText(SpiralEnd end, Turn turn, const char* between) {
  return std::string(SpiralEndName(end)) + between + TurnName(turn);
}

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

std::string BeyondEndLine(const CapSolution& s, const BeyondSpiralEnd& beyond) {
  std::string points;
  for (CapPoint p : beyond.points) points += (points.empty() ? "" : "、") + std::string(CapPointName(p));
  const std::string station = FootStationText(beyond.endStation);
  const std::string Ls = MetresText(beyond.Ls);
  return std::string("注意：以下各点超出缓和曲线终点 ") + SpiralEndPointName(s.end) + "（" + station +
         "，Ls = A1²/R = " + Ls + "），位于圆曲线上：" + points + "。缓和曲线公式在该处不成立，结果仅供参考。";
}

std::string SeriesLine(const std::vector<SeriesDeparture>& series) {
  std::string points;
  for (const SeriesDeparture& d : series) {
    points += (points.empty() ? "" : "，") + std::string(CapPointName(d.point)) + " " +
              MillimetresText(d.difference);
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

const char* SolverName(std::optional<Solver> choice) {
  if (!choice) return "none";
  switch (*choice) {
    case Solver::kCmd1: return "Cmd1";
    case Solver::kCmd2: return "Cmd2";
    case Solver::kCmd3: return "Cmd3";
    case Solver::kCmd4: return "Cmd4";
    case Solver::kCmd5: break;
  }
  return "Cmd5";
}

}  // namespace capset
