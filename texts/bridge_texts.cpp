#include "bridge_texts.h"

#include "marks.h"
#include "range_texts.h"
#include "road_cap_texts.h"

namespace capset {
namespace {

std::string Field(const BridgeProblem& p) { return p.field + Quoted(p.typed); }

std::string ShapeText(const std::string& word) {
  if (word == "point") return "point 行写作 point 点名 U V [DEPTH]：沿轴线 U、垂直轴线 V（米），可加埋深 DEPTH。";
  if (word == "grid") {
    return "grid 行写作 grid 点名 ROWS COLS DU DV [U0 V0] [DEPTH]：ROWS 排平行于轴线、排距 DV，每排 COLS 根、"
           "桩距 DU，中心在 (U0, V0)（默认为墩台中心）。";
  }
  if (word == "corners") return "corners 行写作 corners 点名 LENGTH WIDTH [DEPTH]：沿轴线长 LENGTH、垂直轴线宽 WIDTH 的矩形四角。";
  if (word == "copy") return "copy 行写作 copy 模板名：复制该模板的各行。";
  if (word == "dr") return "dr 后写一个半宽（两侧相同）或左、右两个半宽。";
  return "bent 行写作 bent 名称 桩号 [skew B] [axis own|parallel K] [dr L [R]] [depth D] [template T]。";
}

}  // namespace

std::string BridgeProblemText(const BridgeProblem& p, const std::optional<StationRange>& range) {
  switch (p.fault) {
    case BridgeFault::kUnknownTemplateLine:
      return "不认识这一行：模板的行以 point、grid、corners 或 copy 开头。";
    case BridgeFault::kUnknownBridgeLine: return "不认识这一行：" + ShapeText("bent");
    case BridgeFault::kShape: return ShapeText(p.field);
    case BridgeFault::kUnknownOption:
      return "不认识" + Quoted(p.typed) + "：bent 行在桩号之后可写 skew、axis、dr、depth、template。";
    case BridgeFault::kOptionTwice: return p.field + " 写了两次。";
    case BridgeFault::kOptionValueMissing: return p.field + " 后缺少数值。";
    case BridgeFault::kNameNotAscii:
      return "名称" + Quoted(p.typed) +
             "只能由英文字母、数字、下划线和点组成（如 3、A3、Z1）：点名为“墩台名-点名”，如 3-Z1，须能直接输入全站仪。";
    case BridgeFault::kNameTooLong:
      return "名称" + Quoted(p.typed) + "超过 " + std::to_string(kMostNameBytes) + " 个字符。";
    case BridgeFault::kNameReserved:
      return "点名" + Quoted(p.typed) + "留给墩台自身的中桩（C）和左右边点（L、R），请换一个点名。";
    // Not quoted: bytes that are not text are not shown back.
    case BridgeFault::kWordNotText: return "名称须为可显示的 UTF-8 文字，不含控制字符。";
    case BridgeFault::kNotNumber: return Field(p) + "不是数值。";
    case BridgeFault::kOutOfRange: return p.field + NotWithinReason(p.typed, p.range);
    case BridgeFault::kCountNotWhole:
      return Field(p) + "须为 1 至 " + std::to_string(kMostGridCount) + " 的整数。";
    case BridgeFault::kSpacingNotPositive: return Field(p) + "须大于 0：两根以上时为相邻两点的间距。";
    case BridgeFault::kSpacingNegative: return Field(p) + "不能为负。";
    case BridgeFault::kLengthNotPositive: return Field(p) + "须大于 0。";
    case BridgeFault::kStation: return Field(p) + StationRefProblemText(p.station);
    case BridgeFault::kSkewNotBetween: return "skew" + Quoted(p.typed) + kSkewNotBetween;
    case BridgeFault::kSkewSlip: return "skew" + Quoted(p.typed) + kSkewSlip;
    case BridgeFault::kAxisWord:
      return "axis" + Quoted(p.typed) + "：axis 后写 own（轴线取各墩台自身桩号的切线）或 parallel K（平行于设计桩号 K 处的轴线）。";
    case BridgeFault::kNoSuchTemplate: return "没有名为" + Quoted(p.typed) + "的模板。";
    case BridgeFault::kReadyName:
      return Quoted(p.typed) + "是现成模板的名称，现成模板不能改动：请复制到另取名称的模板中再修改。";
    case BridgeFault::kTooManyPoints:
      return "模板的点超过 " + std::to_string(kMostTemplatePoints) + " 个。";
    case BridgeFault::kTooManyBents: return "一座桥最多 " + std::to_string(kMostBents) + " 个墩台。";
    case BridgeFault::kEmptyTemplate: return "模板中没有点。";
    case BridgeFault::kEmptyBridge: return "桥中没有墩台。";
    case BridgeFault::kPointNameTwice:
      return "点名 " + p.typed + " 与第 " + std::to_string(p.otherLine) + " 行给出的点重名。";
    case BridgeFault::kBentNameTwice:
      return "墩台名 " + p.typed + " 与第 " + std::to_string(p.otherLine) + " 行的墩台重名，点名将相同。";
    case BridgeFault::kBentOffRoad:
      if (range) return PlacementText(p.typed, p.placement, *range);
      return "桩号 " + p.typed + " 不在路线上。";
    case BridgeFault::kDesignOffRoad:
      if (range) return "axis parallel 的设计桩号：" + PlacementText(p.typed, p.placement, *range);
      return "axis parallel 的设计桩号 " + p.typed + " 不在路线上。";
    case BridgeFault::kBlockWord: return p.field + " 后写一个名称（一个词，不含空格）。";
  }
  return "";
}

std::string TemplateLineMessage(const std::string& name, const BridgeLineProblem& p,
                                const std::optional<StationRange>& range) {
  const std::string where = name.empty() ? "模板" : "模板" + Quoted(name);
  if (p.line <= 0) return where + "：" + BridgeProblemText(p.problem, range);
  return where + "第 " + std::to_string(p.line) + " 行" + Quoted(p.text) + "：" + BridgeProblemText(p.problem, range);
}

std::string BridgeLineMessage(const std::string& name, const BridgeLineProblem& p,
                              const std::optional<StationRange>& range) {
  const std::string where = name.empty() ? "桥" : "桥" + Quoted(name);
  if (p.line <= 0) return where + "：" + BridgeProblemText(p.problem, range);
  return where + "第 " + std::to_string(p.line) + " 行" + Quoted(p.text) + "：" + BridgeProblemText(p.problem, range);
}

std::string JobTemplateWhere(int number, const std::string& name) {
  return "第 " + std::to_string(number) + " 个模板" + (name.empty() ? "" : Quoted(name));
}
std::string JobTemplateItemWhere(const std::string& tmpl, int item) {
  return tmpl + "的第 " + std::to_string(item) + " 项";
}
std::string JobBridgeWhere(int number, const std::string& name) {
  return "第 " + std::to_string(number) + " 座桥" + (name.empty() ? "" : Quoted(name));
}
std::string JobBentWhere(const std::string& bridge, int bent) {
  return bridge + "的第 " + std::to_string(bent) + " 个墩台";
}
std::string JobBridgeProblemText(const std::string& where, const BridgeProblem& problem) {
  return where + "：" + BridgeProblemText(problem);
}

std::string JobBridgeNotAName(const std::string& field) { return field + " 应为一个名称（文字）。"; }
std::string JobBridgeBadKind(const std::string& field) { return field + " 应为“point”、“grid”或“corners”。"; }
std::string JobBridgeBadAxis(const std::string& field) { return field + " 应为“own”或“parallel”。"; }
std::string JobBridgeNameTwice(const std::string& where) { return where + "：这个名称在文件中出现了两次。"; }

std::string BentNotSolvedText(const std::string& bridge, const std::string& bent, RoadCapFault fault,
                              const Placement& placement, const std::string& station, const StationRange& range) {
  const std::string where = "桥" + Quoted(bridge) + "墩台 " + bent + "：未计算：";
  switch (fault) {
    case RoadCapFault::kCentreNotPlaced: return where + PlacementText(station, placement, range);
    case RoadCapFault::kDesignNotPlaced:
      return where + "axis parallel 的设计桩号：" + PlacementText(station, placement, range);
    default: return "桥" + Quoted(bridge) + "墩台 " + bent + "：" + RoadCapFaultText(fault, placement, station);
  }
}

std::string BentAxisReversedText(const std::string& bridge, const std::string& bent) {
  return "桥" + Quoted(bridge) + "墩台 " + bent +
         "：未计算：设计桩号距墩台太远，道路已转过 90 度以上，轴线在墩台中心处指向道路的反方向。";
}

std::string BentEdgeText(const std::string& bridge, const std::string& bent, int side, CapSideProblem problem) {
  return "桥" + Quoted(bridge) + "墩台 " + bent + "：" + CapSideProblemText(side, problem);
}

std::string NoSuchBridgeText(const std::string& name) { return "没有名为" + Quoted(name) + "的桥。"; }

}  // namespace capset
