#include "road_cap_texts.h"

#include <cmath>

#include "angle_text.h"
#include "log_texts.h"
#include "number_text.h"
#include "solver_texts.h"

namespace capset {
namespace {

std::string Metres(double value) { return NumberText(std::round(value * 1000) / 1000, "."); }

std::string PointText(PlanePoint p) { return "X " + FixedCoordinateText(p.X) + " Y " + FixedCoordinateText(p.Y); }

std::string GapText(PlanePoint shown, PlanePoint exact) {
  return "（显示的点与之相差 " + FixedCoordinateText(std::hypot(shown.X - exact.X, shown.Y - exact.Y)) + " m）";
}

// Why a station is not one of the road's.
std::string PlacementReason(const Placement& placement) {
  switch (placement.status) {
    case PlaceStatus::kPlaced: return "";
    case PlaceStatus::kBeforeStart: return "在道路起点之前";
    case PlaceStatus::kAfterEnd: return "在道路终点之后";
    case PlaceStatus::kInGap:
      return "在第 " + std::to_string(placement.equation) + " 个断链（短链）的空缺之中，道路上没有这个桩号";
    case PlaceStatus::kTwice:
      return "在第 " + std::to_string(placement.equation) + " 个断链（长链）的重叠段，道路上有两处，请写明第几处，如 K1+390(2)";
    case PlaceStatus::kNoSuchOccurrence: return "道路上没有这一处";
  }
  return "";
}

}  // namespace

const char* ElementName(ElementKind kind) {
  switch (kind) {
    case ElementKind::kLine: return "直线";
    case ElementKind::kSpiral: return "缓和曲线";
    case ElementKind::kArc: return "圆曲线";
  }
  return "";
}

std::string RoadSketchAxisAzimuth(double azimuth) {
  return "横轴方位角(中→右) " + DmsText(azimuth, kTenthsOfASecond, ".");
}

const char* SideName(int side) { return side < 0 ? "左侧" : "右侧"; }

const char* BendSideName(int side, int outerSide) {
  if (outerSide == 0) return "";
  return side == outerSide ? "外侧" : "内侧";
}

std::string CapSideProblemText(int side, CapSideProblem problem) {
  const std::string name = std::string(SideName(side)) + "未求得：";
  switch (problem) {
    case CapSideProblem::kNone: return "";
    case CapSideProblem::kAxisAlongRoad:
      return name + "道路在与路基边缘线相交之前已转至与盖梁轴线平行，轴线与这一侧的边缘线不相交。";
    case CapSideProblem::kEdgeFolds:
      return name + "曲线半径小于这一侧的路基边缘宽度，边缘线在与轴线相交之前折返。";
    case CapSideProblem::kPastStart: return name + "轴线与这一侧边缘线的交点将在道路起点之前。";
    case CapSideProblem::kPastEnd: return name + "轴线与这一侧边缘线的交点将在道路终点之后。";
    case CapSideProblem::kAxisReversed:
      return name + "设计中桩 Kj 距盖梁太远，道路已转过 90 度以上，盖梁轴线在中桩处指向道路的反方向。";
  }
  return "";
}

std::string RoadCapFaultText(RoadCapFault fault, const Placement& placement, const std::string& station) {
  switch (fault) {
    case RoadCapFault::kNone: return "";
    case RoadCapFault::kCentreNotPlaced:
      return "未计算：盖梁中桩 " + station + " " + PlacementReason(placement) + "。";
    case RoadCapFault::kDesignNotPlaced:
      return "未计算：设计中桩桩号 Kj " + PlacementReason(placement) + "。";
    case RoadCapFault::kSkewOutOfRange: return std::string("未计算：") + kSkewNotBetween;
    case RoadCapFault::kHalfWidthNotPositive: return std::string("未计算：") + kHalfWidthNotPositive;
    case RoadCapFault::kNotFinite: return "未计算：交角、宽度或轴线上的点不是有限的数值。";
  }
  return "";
}

std::string DesignNotOnRoadReason(const Placement& placement, const std::string& station) {
  return station + " " + PlacementReason(placement) + "。";
}

std::string ExactBatchNoRoadMessage(bool started, const std::optional<std::string>& whyNoStartRoad) {
  if (started && whyNoStartRoad) {
    return "无法精确计算：“开 始”的作业不能构成道路（" + *whyNoStartRoad +
           "）。\n请点击“开 始”改正，或输入这座桥所在的道路；也可改用窗口公式计算。";
  }
  return "无法精确计算：还没有道路。\n请先输入这座桥所在的道路（线元、交点或 LandXML 文件），"
         "或点击“开 始”输入缓和曲线的数据。";
}

std::string PastSpiralEndExportQuestion(const std::vector<int>& rows) {
  return "要导出的结果中，" + RowListText(rows) +
         "按窗口公式计算，其点超出缓和曲线终点，位于圆曲线上，窗口公式在该处不成立，"
         "点位可能相差数米，不可直接放样。\n请改用精确计算；仍然导出时，这些行的状态栏中注明了这一点。";
}

std::optional<std::string> ExactBesideWindowText(const CapSolution& s, const RoadCap& exact, int outerSide) {
  if (exact.fault != RoadCapFault::kNone) return std::nullopt;
  std::string text = "道路上的精确结果（直线、缓和曲线与圆曲线各按其线形计算）：\n中桩 " +
                     PointText(exact.centre.point) + GapText(s.centre, exact.centre.point);
  for (const bool inner : {false, true}) {
    const EdgeSolution& shown = inner ? s.inner : s.outer;
    // The window's outer side is the outside of the bend; with no bend to
    // tell, the exact sides cannot be paired with its own.
    if (outerSide == 0) break;
    const int side = inner ? -outerSide : outerSide;
    const RoadCapEdge& edge = side > 0 ? exact.right : exact.left;
    text += std::string("\n") + (inner ? "内侧" : "外侧") + "（" + SideName(side) + "）";
    if (edge.problem != CapSideProblem::kNone) {
      text += "：" + CapSideProblemText(side, edge.problem);
      continue;
    }
    text += " " + PointText(edge.point.point) + "，长度 " + Metres(std::fabs(edge.point.along));
    if (shown.status == SideStatus::kSolved) text += GapText(shown.point, edge.point.point);
  }
  return text;
}

std::string ExactSketchCentreNote(const char* element) {
  return std::string(kMethodExactName) + "：中桩在" + element + "上";
}

}  // namespace capset
