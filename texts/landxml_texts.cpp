#include "landxml_texts.h"

#include <cmath>

#include "marks.h"
#include "number_text.h"
#include "range_texts.h"
#include "road_texts.h"

namespace capset {
namespace {

std::string NamesText(const std::vector<std::string>& names) {
  constexpr std::size_t kListed = 20;
  std::string text;
  for (std::size_t i = 0; i < names.size() && i < kListed; ++i) {
    if (i > 0) text += "、";
    text += Quoted(names[i].empty() ? kUnnamedAlignment : names[i]);
  }
  if (names.size() > kListed) text += "……共 " + std::to_string(names.size()) + " 条";
  return text;
}

std::string FieldWords(RoadField field) {
  switch (field) {
    case RoadField::kStation: return "起点桩号";
    case RoadField::kX: case RoadField::kStartX: return "起点";
    case RoadField::kY: case RoadField::kStartY: return "起点";
    case RoadField::kEndX: case RoadField::kEndY: return "终点";
    case RoadField::kAzimuth: return "起点方向";
    case RoadField::kR: case RoadField::kR1: return "半径";
    case RoadField::kR2: return "终点半径";
    case RoadField::kLength: return "长度";
    case RoadField::kBack: return "断链前桩号";
    case RoadField::kAhead: return "断链后桩号";
    default: return "数值";
  }
}

// Only the faults an element list from a file can have.
std::string RoadReason(const RoadProblem& p) {
  switch (p.fault) {
    case RoadFault::kJointGap:
      return "线元的" + FieldWords(p.field) + "与前面线元推算的位置相差 " + MillimetresText(p.value) +
             "，超过 1 毫米，线元没有首尾相接。";
    case RoadFault::kNotFinite: return FieldWords(p.field) + "不是有限的数值。";
    case RoadFault::kRadiusNotPositive: return FieldWords(p.field) + "应大于 0。";
    case RoadFault::kLengthNegative: return "长度不能为负。";
    case RoadFault::kSameRadii: return "缓和曲线两端的半径相同，这不是缓和曲线。";
    case RoadFault::kFullTurn: return "线元转过一整圈或更多。";
    case RoadFault::kNoElements: return "没有长度大于 0 的线元。";
    case RoadFault::kEquationOrder: return "断链不在前一个断链（或起点）之后，应按沿路线的顺序排列。";
    case RoadFault::kEquationBeyondEnd: return "断链位于路线终点之后。";
    default: return RoadProblemText(p);
  }
}

std::string Reason(const LandXmlProblem& p) {
  switch (p.fault) {
    case LandXmlFault::kUnreadable: return "无法读取文件：" + p.value;
    case LandXmlFault::kNotWellFormed: return "不是格式正确的 XML 文件（" + p.value + "）。";
    case LandXmlFault::kEncoding:
      return "文件的编码是" + Quoted(p.value) + "，本程序读不了这种编码的文件；请将文件另存为 UTF-8 编码后再读入。";
    case LandXmlFault::kCutShort: return "文件在此处中断，不是完整的 XML 文件。";
    case LandXmlFault::kDtd: return "文件带有文档类型声明（DTD）。为安全起见，本程序不读带 DTD 的文件。";
    case LandXmlFault::kEntity: return "文件声明或引用了实体。为安全起见，本程序不展开实体，也不读取文件之外的内容。";
    case LandXmlFault::kNotLandXml: return "根元素是" + Quoted(p.value) + "，不是 LandXML 文件。";
    case LandXmlFault::kUnits:
      return "长度单位是" + Quoted(p.value) + "，本程序只读以米、美国测量英尺（USSurveyFoot）或国际英尺（foot）为单位的文件。";
    case LandXmlFault::kUnitsLate:
      return "长度单位" + Quoted(p.value) + "写在路线之后，此前的路线已按米读入；单位（Units）须写在路线之前。";
    case LandXmlFault::kNoAlignment: return "文件中没有路线（Alignment）。";
    case LandXmlFault::kChooseAlignment: return "文件中有多条路线，请指明读哪一条：" + NamesText(p.names) + "。";
    case LandXmlFault::kNoSuchAlignment:
      return "文件中没有名为" + Quoted(p.value) + "的路线。文件中的路线有：" + NamesText(p.names) + "。";
    case LandXmlFault::kNameTwice: return "文件中有多条名为" + Quoted(p.value) + "的路线，无法确定读哪一条。";
    case LandXmlFault::kUnknownElement: return "本程序的路线只有直线（Line）、圆曲线（Curve）和回旋线（Spiral），没有这种线元。";
    case LandXmlFault::kSpiralType:
      return "缓和曲线的类型是" + Quoted(p.value) + "，本程序只读回旋线（clothoid）。";
    case LandXmlFault::kMissing: return "缺少" + p.value + "。";
    case LandXmlFault::kBadNumber: return "属性 " + p.attribute + " 的值" + Quoted(p.value) + "不是数值。";
    case LandXmlFault::kBadPoint: return "点" + Quoted(p.value) + "不是“北坐标 东坐标”两个数值。";
    case LandXmlFault::kOutOfRange: return "属性 " + p.attribute + " 的值" + NotWithinReason(p.value, p.range);
    case LandXmlFault::kPointOutOfRange: return "点" + NotWithinReason(p.value, kCoordinateRange);
    case LandXmlFault::kPointReference: return "点以引用（pntRef=" + Quoted(p.value) + "）给出，本程序只读直接写出坐标的点。";
    case LandXmlFault::kBadRot: return "转向 rot 的值" + Quoted(p.value) + "应为 cw（右转）或 ccw（左转）。";
    case LandXmlFault::kLengthMismatch:
      return "路线长度 length=" + Quoted(p.value) + "与各线元长度之和 " + FixedCoordinateText(p.number) + " 米相差超过 1 毫米。";
    case LandXmlFault::kTooManyElements: return "线元过多，超过本程序一条路线所能容纳的数目。";
    case LandXmlFault::kTextTooLong:
      return "一段文字（或一个属性值）超过 " + std::to_string(static_cast<long long>(p.number) >> 20) +
             " MB，不像路线文件；为免耗尽内存，没有读下去。";
    case LandXmlFault::kRoad: return p.road ? RoadReason(*p.road) : "这些线元不能组成路线。";
    case LandXmlFault::kUnknownProfileElement:
      return "纵断面只有变坡点（PVI）和竖曲线（ParaCurve、UnsymParaCurve、CircCurve），没有这种元素。";
    case LandXmlFault::kBadPvi: return "变坡点" + Quoted(p.value) + "不是“桩号 高程”两个数值。";
  }
  return "无法读取。";
}

}  // namespace

std::string LandXmlReasonText(const LandXmlProblem& problem) { return Reason(problem); }

std::string LandXmlRefusedMessage(const std::string& file, const LandXmlProblem& problem) {
  std::string where;
  if (problem.line > 0) where = "第 " + std::to_string(problem.line) + " 行，";
  if (!problem.element.empty()) where += "元素 <" + problem.element + ">：";
  return "无法读入路线文件" + Quoted(file) + "：" + where + Reason(problem) + "\n路线没有改变。";
}

std::string LandXmlUnwritableMessage(const std::string& file, const std::string& reason) {
  return "无法导出路线文件" + Quoted(file) + "：" + reason + "\n原有的文件没有改变。";
}

std::string RoadImportedText(const std::string& file, const std::string& alignment,
                             const std::optional<std::string>& profile) {
  std::string text = "已从 " + file + " 读入路线" + Quoted(alignment.empty() ? kUnnamedAlignment : alignment);
  if (profile) text += "及其纵断面" + (profile->empty() ? std::string() : Quoted(*profile));
  return text;
}

std::string RoadExportedText(const std::string& file) { return "路线已导出到 " + file; }

std::string LandXmlUnitNotice(const std::string& file, const std::string& unit, bool surveyFoot) {
  const char* which = surveyFoot ? "美国测量英尺，1 英尺 = 1200/3937 m" : "国际英尺，1 英尺 = 0.3048 m";
  return "路线文件" + Quoted(file) + "的长度单位是" + Quoted(unit) + "（" + which +
         "），坐标、长度、半径、桩号和纵断面的高程均已换算为米读入。";
}

}  // namespace capset
