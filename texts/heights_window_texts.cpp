#include "heights_window_texts.h"

#include <cmath>

#include "number_text.h"
#include "range_texts.h"

namespace capset {
namespace {

std::string Percent(double grade) { return SignedPercent(grade * 100); }

std::string Metres(double value) { return FixedText(value, 3); }

std::string ProfileFieldName(ProfileField field) {
  switch (field) {
    case ProfileField::kDistance: return kPviStationHeader;
    case ProfileField::kElevation: return kPviElevationHeader;
    case ProfileField::kRadius: return "R";
    case ProfileField::kLength: return "L";
    case ProfileField::kLength2: return "L2";
    case ProfileField::kNone: break;
  }
  return "";
}

std::string Row(int row) { return "第 " + std::to_string(row) + " 个变坡点"; }

std::string ProfileText(const ProfileProblem& p) {
  const std::string row = Row(p.row);
  const std::string field = ProfileFieldName(p.field);
  switch (p.fault) {
    case ProfileFault::kNotFinite: return row + "的" + field + "不是数值。";
    case ProfileFault::kOutOfRange:
      return row + "的" + field + " " + RoadValueText(p.value) + " 超出了范围（界限 " + RoadValueText(p.limit) + "）。";
    case ProfileFault::kTooFewRows: return "纵断面至少要有两个变坡点（起点和终点）。";
    case ProfileFault::kStationsNotIncreasing:
      return row + "的桩号不在" + Row(p.other) + "之后：变坡点须按桩号从小到大排列。";
    case ProfileFault::kRadiusNotPositive: return row + "的竖曲线半径 " + RoadValueText(p.value) + " 须大于 0。";
    case ProfileFault::kLengthNotPositive:
      return row + "的竖曲线" + field + " " + RoadValueText(p.value) + " 须大于 0。";
    case ProfileFault::kCurveAtEnd: return row + "是纵断面的端点，不设竖曲线。";
    case ProfileFault::kCurvesOverlap:
      return row + "的竖曲线与" + Row(p.other) + "的竖曲线重叠 " + Metres(p.value) + " m。";
    case ProfileFault::kCurvePastEnd:
      return row + "的竖曲线超出了纵断面的端点（" + Row(p.other) + "）" + Metres(p.value) + " m。";
    case ProfileFault::kGradeTooSteep:
      return Row(p.other) + "到" + Row(p.row) + "的纵坡 " + Percent(p.value) + " 太陡（不超过 " +
             Percent(p.limit) + "）。";
    case ProfileFault::kNoGradeChange: return row + "前后纵坡相同，按长度给出的竖曲线没有半径。";
    case ProfileFault::kCircleLengthDisagrees:
      return row + "的圆曲线长度 " + Metres(p.value) + " m 与半径和纵坡算出的 " + Metres(p.limit) + " m 不符。";
    case ProfileFault::kBeforeStart:
      return "里程 " + Metres(p.value) + " m 在纵断面起点（" + Metres(p.limit) + " m）之前，没有高程。";
    case ProfileFault::kAfterEnd:
      return "里程 " + Metres(p.value) + " m 在纵断面终点（" + Metres(p.limit) + " m）之后，没有高程。";
  }
  return "";
}

std::string SectionFieldName(CrossSectionField field) {
  switch (field) {
    case CrossSectionField::kCrown: return "路拱横坡";
    case CrossSectionField::kLeftWidth: return "左半幅宽";
    case CrossSectionField::kRightWidth: return "右半幅宽";
    case CrossSectionField::kDesign: return "设计高程位置";
    case CrossSectionField::kStation: return "桩号";
    case CrossSectionField::kE: return "超高 e";
    case CrossSectionField::kLeftSlope: return "左侧横坡";
    case CrossSectionField::kRightSlope: return "右侧横坡";
    case CrossSectionField::kNone: break;
  }
  return "";
}

std::string SectionText(const CrossSectionProblem& p) {
  const std::string where = p.row > 0 ? "第 " + std::to_string(p.row) + " 行" : std::string("横断面");
  const std::string field = SectionFieldName(p.field);
  switch (p.fault) {
    case CrossSectionFault::kNotFinite: return where + "的" + field + "不是数值。";
    case CrossSectionFault::kOutOfRange:
      return where + "的" + field + " " + RoadValueText(p.value) + " 超出了范围（界限 " + RoadValueText(p.limit) + "）。";
    case CrossSectionFault::kWidthsNeeded: return "绕边缘旋转的超高须先给出左右半幅宽。";
    case CrossSectionFault::kTransitionOrder: return "第 " + std::to_string(p.row) + " 个过渡段的 TS、FS、FE、TE 须按桩号顺序。";
    case CrossSectionFault::kTransitionsOverlap:
      return "第 " + std::to_string(p.row) + " 个过渡段与第 " + std::to_string(p.other) + " 个重叠。";
    case CrossSectionFault::kSuperBelowCrown:
      return "第 " + std::to_string(p.row) + " 个过渡段的超高 " + RoadValueText(p.value) + "% 小于路拱横坡 " +
             RoadValueText(p.limit) + "%。";
    case CrossSectionFault::kSlopesNotIncreasing:
      return "超高表第 " + std::to_string(p.row) + " 行的桩号不在第 " + std::to_string(p.other) + " 行之后。";
    case CrossSectionFault::kTransitionsAndSlopes: return kSectionBothForms;
  }
  return "";
}

const char* TableName(HeightsTable table) {
  switch (table) {
    case HeightsTable::kProfile: return kPviHeader;
    case HeightsTable::kTransitions: return kTransitionsTable;
    case HeightsTable::kSlopes: return kSlopesTable;
  }
  return "";
}

}  // namespace

std::string SignedPercent(double percent) {
  const std::string text = FixedText(percent, 3);
  return (percent > 0 && text != "0.000" ? "+" : "") + text + "%";
}

std::string HeightsRangeText(const std::string& typed, double low, double high, const char* unit) {
  return NotWithinReason(typed, FieldRange{low, high}, unit);
}

std::string ExaggerationText(double ratio) {
  const std::string r = ratio >= 10 ? FixedText(ratio, 0) : FixedText(ratio, 1);
  return "纵横比 1:" + r + "（竖向放大 " + r + " 倍）";
}

std::string ProfilePositionText(const std::string& station, double elevation, double gradePercent, double cursor) {
  return station + "  设计高程 " + Metres(elevation) + "  坡度 " + SignedPercent(gradePercent) + "  光标高程 " +
         Metres(cursor);
}

std::string ProfileOutsideText(const std::string& station) { return station + "  " + kProfileOutside; }

std::string PviCellWhere(int row, const std::string& header) {
  return "第 " + std::to_string(row) + " 行 " + header + "：";
}

std::string PvisPastedNote(int rows, int firstRow, const std::string& columns) {
  return "粘贴了 " + std::to_string(rows) + " 行（自第 " + std::to_string(firstRow) + " 行起），列：" + columns + "。";
}

std::string PviPasteTooManyText(int line, int numbers) {
  return "粘贴的第 " + std::to_string(line) + " 行有 " + std::to_string(numbers) +
         " 个数值，不知放入哪些列：变坡点的行写作 桩号 高程 [R]，或 桩号 高程 竖曲线 数值…，没有粘贴。";
}

std::string PviPasteNoStationText(int line, const std::string& field) {
  return "粘贴的第 " + std::to_string(line) + " 行“" + field + "”不是桩号或数值，没有粘贴。";
}

std::string PviPasteKindText(int line, const std::string& word) {
  return "粘贴的第 " + std::to_string(line) + " 行“" + word + "”不是竖曲线的类型，没有粘贴。" + kHeightsNotKind;
}

std::string SlopeLabel(bool left, double percent) {
  return std::string(left ? "左 " : "右 ") + SignedPercent(percent);
}

std::string EdgeLabel(const char* where, double elevation) { return std::string(where) + " " + Metres(elevation); }

std::string SectionCaption(const std::string& station) { return station + " 处的横断面（高程 m，横坡 %）"; }

std::string SectionCellWhere(const char* table, int row, const std::string& header) {
  return std::string(table) + "第 " + std::to_string(row) + " 行 " + header + "：";
}

std::string WindowHeightsProblemText(const HeightsProblem& problem, const StationRange* range) {
  if (const auto* p = std::get_if<ProfileProblem>(&problem)) return ProfileText(*p);
  if (const auto* p = std::get_if<CrossSectionProblem>(&problem)) return SectionText(*p);
  if (const auto* p = std::get_if<HeightsJdProblem>(&problem)) {
    return kTransitionsTable + std::string("第 ") + std::to_string(p->row) + " 行：路线没有 JD" + std::to_string(p->jd) + "。";
  }
  const auto& p = std::get<HeightsStationProblem>(problem);
  const std::string where = TableName(p.table) + std::string("第 ") + std::to_string(p.row) + " 行：";
  if (range == nullptr) return where + KStationText(p.station) + " 不在路线上。";
  return where + PlacementText(KStationText(p.station), p.placement, *range);
}

}  // namespace capset
