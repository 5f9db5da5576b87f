#include "road_texts.h"

#include <cmath>
#include <cstdio>

#include "angle_text.h"
#include "number_chars.h"
#include "number_text.h"
#include "range_texts.h"
#include "station_text.h"

namespace capset {
namespace {

// Beyond this a fixed number of decimals is a wall of digits no one reads,
// and a station has no kilometre to name.
constexpr double kMostFixed = 1e15;

// A number in a sentence with `decimals` decimals. The road refuses its
// numbers before any could be unprintable; should one slip through, the
// sentence says so in words, never "nan" or "inf", and a huge one is
// written short.
std::string Fixed(double value, int decimals) {
  if (!std::isfinite(value)) return kRoadNoNumber;
  if (std::fabs(value) >= kMostFixed) return RoadValueText(value);
  return FixedText(value, decimals);
}

std::string Metres(double value) { return Fixed(value, 3); }

std::string Degrees(double value) { return Fixed(value, 6); }


std::string Unit(RoadField field) { return field == RoadField::kAzimuth ? "°" : " m"; }

// The neighbour a leg starts from: BP, or the JD before.
std::string Neighbour(int other) { return other == 0 ? "BP" : "JD" + std::to_string(other); }

// "JD3 的半径 R", "JD3 的 X": a blank between Chinese and Latin, none between Chinese words.
std::string Of(const std::string& part, const std::string& field) {
  const bool latin = !field.empty() && static_cast<unsigned char>(field[0]) < 0x80;
  return part + " 的" + (latin ? " " : "") + field;
}

std::string FieldOf(const RoadProblem& p) { return Of(RoadPartName(p.part, p.index), RoadFieldName(p.field)); }

std::string OverlapText(const RoadProblem& p) {
  const std::string here = RoadPartName(p.part, p.index), before = Neighbour(p.other);
  // A leg from BP or to EP carries one curve's tangent; a leg between two JDs carries two.
  if (p.other == 0 || p.part == RoadPart::kEnd) {
    const std::string jd = p.other == 0 ? here : before;
    return jd + " 的切线长 " + Metres(p.value) + " m 大于 " + before + " 至 " + here + " 的距离 " + Metres(p.limit) +
           " m，曲线超出了路线的" + (p.other == 0 ? "起点。" : "终点。");
  }
  return before + " 与 " + here + " 的切线长之和 " + Metres(p.value) + " m 大于两交点间距 " + Metres(p.limit) +
         " m，曲线重叠。";
}

}  // namespace

std::string RoadPartName(RoadPart part, int index) {
  switch (part) {
    case RoadPart::kBegin: return "起点";
    case RoadPart::kJd: return "JD" + std::to_string(index);
    case RoadPart::kEnd: return "EP";
    case RoadPart::kElement: return "第 " + std::to_string(index) + " 个线元";
    case RoadPart::kEquation: return "第 " + std::to_string(index) + " 个断链";
    case RoadPart::kJob: return "作业";
  }
  return "";
}

std::string RoadFieldName(RoadField field) {
  switch (field) {
    case RoadField::kNone: return "";
    case RoadField::kStation: return "桩号";
    case RoadField::kX: return "X";
    case RoadField::kY: return "Y";
    case RoadField::kAzimuth: return "方位角";
    case RoadField::kR: return "半径 R";
    case RoadField::kLs1: return "缓和曲线长 Ls1";
    case RoadField::kLs2: return "缓和曲线长 Ls2";
    case RoadField::kLength: return "长度";
    case RoadField::kR1: return "起点半径 R1";
    case RoadField::kR2: return "终点半径 R2";
    case RoadField::kA1: return "缓和曲线参数 A1";
    case RoadField::kBack: return "断前桩号";
    case RoadField::kAhead: return "断后桩号";
    case RoadField::kStartX: return "起点 X";
    case RoadField::kStartY: return "起点 Y";
    case RoadField::kEndX: return "终点 X";
    case RoadField::kEndY: return "终点 Y";
  }
  return "";
}

std::string RoadProblemText(const RoadProblem& p) {
  const std::string part = RoadPartName(p.part, p.index);
  switch (p.fault) {
    case RoadFault::kNotFinite: return FieldOf(p) + " 不是有效的数值。";
    case RoadFault::kOutOfRange:
      return FieldOf(p) + " 为 " + RoadValueText(p.value) + Unit(p.field) + "，" + RoadRangeText(p.range, p.field);
    case RoadFault::kRadiusNotPositive:
      return FieldOf(p) + " 为 " + Metres(p.value) + " m，半径须大于 0。";
    case RoadFault::kLengthNegative: return FieldOf(p) + " 为 " + Metres(p.value) + " m，长度不能为负。";
    case RoadFault::kSameRadii:
      return part + " 是缓和曲线，但两端半径相同（" + Metres(p.value) + " m）：应写作圆曲线。";
    case RoadFault::kFullTurn:
      return part + " 转过 " + Degrees(p.value) + "°，不小于一整圈 360°，请检查长度与半径。";
    case RoadFault::kJointGap:
      return FieldOf(p) + " 与线元连接处相差 " + Metres(p.value) + " m，超过 " +
             Metres(p.limit) + " m，线元不衔接。";
    case RoadFault::kNoElements: return "路线没有长度大于 0 的线元。";
    case RoadFault::kNoTurn:
      return part + " 前后两条边在一条直线上（转角 " + Degrees(p.value) + "°），此处不能设曲线。";
    case RoadFault::kReversal: return part + " 前后两条边方向相反（转角 180°），路线在此折返。";
    case RoadFault::kPointsCoincide:
      return part + " 与 " + Neighbour(p.other) + " 重合（相距 " + Metres(p.value) + " m）。";
    case RoadFault::kTangentsOverlap: return OverlapText(p);
    case RoadFault::kSpiralsTooLong:
      return part + " 的缓和曲线过长：圆曲线长 Ly = " + Metres(p.value) +
             " m 小于 0，转角容不下两段缓和曲线。";
    case RoadFault::kEquationOrder:
      return part + " 的断前桩号 " + KStationText(p.value) + " 不在前一段桩号的起点 " + KStationText(p.limit) +
             " 之后，断链须按路线顺序输入。";
    case RoadFault::kEquationBeyondEnd:
      return part + " 的断前桩号 " + KStationText(p.value) + " 超出了路线终点 " + KStationText(p.limit) + "。";
    case RoadFault::kNoTurnSign: return "作业的偏向 P 为 0，曲线不向任何一侧偏转，无法得出路线。";
    case RoadFault::kParameterZero: return "作业的缓和曲线参数 A1 为 0，无法得出路线。";
  }
  return part;
}

std::string RoadValueText(double value) {
  if (!std::isfinite(value)) return kRoadNoNumber;
  // Plain digits while they are few (2000000, 0.0005); an exponent beyond (1e-07, 1e+308).
  const std::string fixed = ShortestFixedText(value);
  return fixed.size() > 20 ? ShortestText(value) : fixed;
}

std::string RoadRangeText(const NumberRange& range, RoadField field) {
  std::string text = BeyondRangeText(range, Unit(field));
  if (range.zero) {
    switch (field) {
      case RoadField::kLs1: case RoadField::kLs2: text += "（0 为不设缓和曲线）"; break;
      case RoadField::kR: text += "（0 为不设圆曲线）"; break;
      default: text += "（或为 0）"; break;
    }
  }
  return text + "。";
}

std::string RoadZeroLengthText(const NumberRange& range) {
  return "须大于 0：长度为 0 的线元不占路线，请删去这一行；线元长度在 " + RangeBoundText(range.low) + " 至 " + RangeBoundText(range.high) +
         " m 之间。";
}

std::string KStationText(double station) {
  if (!std::isfinite(station)) return kRoadNoNumber;
  if (!(std::fabs(station) < kMostFixed)) return "K" + RoadValueText(station);
  return RoadStationText(station);
}

std::string KStationText(StationRef station) {
  std::string text = KStationText(station.value);
  if (station.occurrence > 0) text += "(" + std::to_string(station.occurrence) + ")";
  return text;
}

std::string StationRefProblemText(StationRefProblem problem) {
  switch (problem) {
    case StationRefProblem::kEmpty: return "没有输入桩号。";
    case StationRefProblem::kNotNumber:
      return "不是桩号。桩号写作 1390 或 K1+390，长链中重复的桩号写作 K1+390(2)。";
    case StationRefProblem::kOutOfRange: return "桩号超出数值范围。";
    case StationRefProblem::kOccurrenceNotWhole:
      return "括号中须为第几处（1、2…），如 K1+390(2) 指长链中的第二处。";
    case StationRefProblem::kKmNegative: return "公里数不能为负。";
    case StationRefProblem::kKmNotWhole: return "K 与加号之间须为公里数（整数）。";
    case StationRefProblem::kMetresMissing: return "加号后缺少米数。";
    case StationRefProblem::kMetresNotNumber: return "加号后的米数不是数值。";
    case StationRefProblem::kMetresNegative: return "加号后的米数不能为负。";
    case StationRefProblem::kMetresTooLarge: return "加号后的米数须小于 1000。";
  }
  return "";
}

std::string PlacementText(const std::string& typed, const Placement& p, const StationRange& range) {
  const StationEquation* e = p.equation >= 1 && p.equation <= static_cast<int>(range.equations.size())
                                 ? &range.equations[p.equation - 1]
                                 : nullptr;
  const std::string equation = e ? "第 " + std::to_string(p.equation) + " 个断链（断前 " + KStationText(e->back) +
                                       " = 断后 " + KStationText(e->ahead) + "）"
                                 : "断链";
  switch (p.status) {
    case PlaceStatus::kPlaced: return "";
    case PlaceStatus::kBeforeStart:
      return "桩号 " + typed + " 在路线起点 " + KStationText(range.first) + " 之前。";
    case PlaceStatus::kAfterEnd: return "桩号 " + typed + " 在路线终点 " + KStationText(range.last) + " 之后。";
    case PlaceStatus::kInGap:
      return "桩号 " + typed + " 落在短链" + equation + "跳过的桩号中，路线上没有这个桩号。";
    case PlaceStatus::kTwice: {
      std::string text = "桩号 " + typed + " 在长链" + equation + "处出现 " + std::to_string(p.places.size()) +
                         " 次：";
      for (std::size_t i = 0; i < p.places.size(); ++i) {
        if (i > 0) text += "，";
        text += "第 " + std::to_string(i + 1) + " 处距路线起点 " + Metres(p.places[i]) + " m";
      }
      return text + "。请写 " + typed + "(1) 指第一处，" + typed + "(2) 指第二处。";
    }
    case PlaceStatus::kNoSuchOccurrence:
      return "桩号 " + typed + " 在路线上只出现 " + std::to_string(p.places.size()) + " 次。";
  }
  return "";
}

std::string RoadLineShapeText(const std::string& usage, int fields) {
  return "这一行应写作 " + usage + "，这里有 " + std::to_string(fields) + " 项。";
}

std::string RoadMixedFormsText(bool firstIsIntersections, int firstLine, const std::string& word) {
  return "一段路线只用一种输入方式：第 " + std::to_string(firstLine) + " 行已按" +
         (firstIsIntersections ? "交点法（bp、jd、ep）" : "线元法（start、line、arc、spiral）") + "输入，这一行是" +
         (firstIsIntersections ? "线元法" : "交点法") + "的 " + word + "。";
}

std::string RoadLineTwiceText(const std::string& word, int firstLine) {
  return "路线只能有一行 " + word + "，第 " + std::to_string(firstLine) + " 行已有。";
}

std::string RoadLineAfterText(const std::string& word, const std::string& before) {
  return word + " 行须写在 " + before + " 行之后。";
}

std::string RoadLineBeforeText(const std::string& word, const std::string& after) {
  return word + " 行须写在 " + after + " 行之前。";
}

std::string RoadFieldText(const std::string& field, const std::string& typed, const std::string& reason) {
  return field + "“" + typed + "”" + reason;
}

std::string RoadLineMessage(int line, const std::string& text, const std::string& reason) {
  if (line <= 0) return "路线：" + reason;
  return "路线第 " + std::to_string(line) + " 行“" + text + "”：" + reason;
}

std::string StationTableProblemText(const StationTableProblem& problem, const std::string& typed,
                                    const StationRange& range) {
  switch (problem.fault) {
    case StationTableFault::kFromNotPlaced:
    case StationTableFault::kToNotPlaced: return PlacementText(typed, problem.placement, range);
    case StationTableFault::kStepNotPositive: return "间距须为大于 0 的数值。";
    case StationTableFault::kToBeforeFrom: return "终点桩号在起点桩号之前：请按路线方向输入起点与终点。";
    case StationTableFault::kTooManyRows:
      return "逐桩坐标表将超过 " + std::to_string(kMostTableRows) + " 行：请加大间距或缩短范围。";
    case StationTableFault::kOffsetNotFinite: return "偏距不是有效的数值。";
  }
  return "";
}

std::string StationTableSummary(std::size_t rows, StationRef from, StationRef to) {
  return "共 " + std::to_string(rows) + " 行，" + KStationText(from) + " 至 " + KStationText(to);
}

std::string StationTableCopiedText(std::size_t rows) {
  return "已复制 " + std::to_string(rows) + " 行，可粘贴到电子表格。";
}

std::string StationTableExportedText(std::size_t rows, const std::string& path) {
  return "已导出 " + std::to_string(rows) + " 行到 " + path;
}

std::string WhereText(const RoadFoot& foot, double length) {
  switch (foot.status) {
    case WhereStatus::kOnRoad: return "";
    case WhereStatus::kBeforeStart:
      return "点在路线起点之前（沿起点切线在起点前 " + Metres(-foot.distance) + " m），不在路线上。";
    case WhereStatus::kAfterEnd: return "点在路线终点之后（沿终点切线在终点后 " + Metres(foot.distance - length) + " m），不在路线上。";
    case WhereStatus::kOffRoad:
      return "点不在路线上：它在最近一段曲线的圆心处或圆心以外，没有桩号和偏距。";
  }
  return "";
}

std::string TurnText(double degrees, const std::string& sep) {
  return DmsText(std::fabs(degrees), kTenthsOfASecond, sep) + (degrees < 0 ? " 左" : " 右");
}

}  // namespace capset
