#include "heights_texts.h"

#include <cmath>

#include "cross_section.h"
#include "number_text.h"
#include "range_texts.h"

namespace capset {
namespace {

// A number of a sentence to `decimals` places; never "nan" or "inf".
std::string Fixed(double value, int decimals) {
  if (!std::isfinite(value)) return kRoadNoNumber;
  if (std::fabs(value) >= 1e15) return RoadValueText(value);
  return FixedText(value, decimals);
}

std::string Metres(double value) { return Fixed(value, 3) + " m"; }
// A grade or a cross slope: rise per metre said in percent.
std::string GradePercent(double rise) { return Fixed(rise * 100, 3) + "%"; }
std::string Percent(double percent) { return Fixed(percent, 3) + "%"; }

const PviInput* RowOf(int row, const ProfileInput* profile) {
  if (!profile || row < 1 || row > static_cast<int>(profile->rows.size())) return nullptr;
  return &profile->rows[row - 1];
}

bool RowHasCurve(const PviInput& row) {
  return row.curve != VerticalCurveKind::kNone && !(row.curve == VerticalCurveKind::kRadius && row.radius == 0);
}

// "竖曲线半径 R", "竖曲线长 L", "前段长 L1"…: what the row's kind calls the field.
std::string ProfileFieldName(ProfileField field, const PviInput* row) {
  const VerticalCurveKind kind = row ? row->curve : VerticalCurveKind::kNone;
  switch (field) {
    case ProfileField::kNone: return "";
    case ProfileField::kDistance: return "桩号";
    case ProfileField::kElevation: return "高程 H";
    case ProfileField::kRadius: return kind == VerticalCurveKind::kCircle ? "圆曲线半径 R" : "竖曲线半径 R";
    case ProfileField::kLength:
      if (kind == VerticalCurveKind::kAsymmetric) return "前段长 L1";
      if (kind == VerticalCurveKind::kCircle) return "圆曲线弧长";
      return "竖曲线长 L";
    case ProfileField::kLength2: return "后段长 L2";
  }
  return "";
}

// Two pieces of a sentence, with a blank between them where Chinese meets
// Latin letters or digits, and none between Chinese words.
std::string Spaced(const std::string& left, const std::string& right) {
  const auto latin = [](char c) { return static_cast<unsigned char>(c) < 0x80 && c != ' '; };
  const bool blank = !left.empty() && !right.empty() && (latin(left.back()) || latin(right.front()));
  return left + (blank ? " " : "") + right;
}

// "第 3 行变坡点 K5+030.000 的竖曲线半径 R", "横断面的路拱横坡".
std::string Of(const std::string& who, const std::string& field) { return Spaced(Spaced(who, "的"), field); }

std::string OutOfRangeText(const ProfileProblem& p, const ProfileInput* profile) {
  const std::string field = Of(PviName(p.row, profile), ProfileFieldName(p.field, RowOf(p.row, profile)));
  const bool coordinate = p.field == ProfileField::kDistance || p.field == ProfileField::kElevation;
  const FieldRange range = coordinate ? FieldRange{-kProfileCoordinateLimit, kProfileCoordinateLimit}
                                      : FieldRange{kProfileMinCurve, kProfileMaxCurve};
  return Spaced(field, "为 ") + RoadValueText(p.value) + " m，" + BeyondRangeText(range, " m") + "。";
}

std::string OverlapText(const ProfileProblem& p, const ProfileInput* profile) {
  const std::string here = PviName(p.row, profile), there = PviName(p.other, profile);
  const PviInput* other = RowOf(p.other, profile);
  if (p.fault == ProfileFault::kCurvePastEnd) {
    return Spaced(here, "的竖曲线越过了纵断面的") + (p.other < p.row ? "起点（" : "终点（") + there + "）" + Metres(p.value) +
           "：请减小半径或曲线长。";
  }
  if (other && !RowHasCurve(*other)) {
    return Spaced(here, "的竖曲线越过了") + there + "（该处无竖曲线，为折线）" + Metres(p.value) + "：请减小半径或曲线长。";
  }
  return Spaced(here, "的竖曲线与") + Spaced(there, "的竖曲线重叠 ") + Metres(p.value) + "：相邻竖曲线至多相接。";
}

}  // namespace

std::string HeightsRowName(HeightsTable table, int row) {
  const std::string n = std::to_string(row);
  switch (table) {
    case HeightsTable::kProfile: return "第 " + n + " 行变坡点";
    case HeightsTable::kTransitions: return "第 " + n + " 个超高过渡段";
    case HeightsTable::kSlopes: return "超高表第 " + n + " 行";
  }
  return "";
}

namespace {

std::string SectionFieldName(CrossSectionField field) {
  switch (field) {
    case CrossSectionField::kNone: return "";
    case CrossSectionField::kCrown: return "路拱横坡";
    case CrossSectionField::kLeftWidth: return "左侧路基半宽";
    case CrossSectionField::kRightWidth: return "右侧路基半宽";
    case CrossSectionField::kDesign: return "设计高程位置的偏距";
    case CrossSectionField::kStation: return "桩号";
    case CrossSectionField::kE: return "超高横坡 e";
    case CrossSectionField::kLeftSlope: return "左侧横坡";
    case CrossSectionField::kRightSlope: return "右侧横坡";
  }
  return "";
}

bool InPercent(CrossSectionField field) {
  return field == CrossSectionField::kCrown || field == CrossSectionField::kE ||
         field == CrossSectionField::kLeftSlope || field == CrossSectionField::kRightSlope;
}

// Whose field it is: the section's own numbers, a transition's, a slope row's.
std::string SectionWhere(const CrossSectionProblem& p, const CrossSectionInput* section) {
  if (p.row == 0) return kSectionWhole;
  const bool slopeTable = section && section->transitions.empty() && !section->slopes.empty();
  const bool slope = p.field == CrossSectionField::kLeftSlope || p.field == CrossSectionField::kRightSlope ||
                     p.fault == CrossSectionFault::kSlopesNotIncreasing ||
                     (p.field == CrossSectionField::kStation && slopeTable);
  return HeightsRowName(slope ? HeightsTable::kSlopes : HeightsTable::kTransitions, p.row);
}

// The range a section's number may take, in its unit.
std::string SectionRangeText(CrossSectionField field) {
  switch (field) {
    case CrossSectionField::kCrown:
    case CrossSectionField::kE: return BeyondRangeText(FieldRange{0, kCrossSlopeLimit}, "%");
    case CrossSectionField::kLeftSlope:
    case CrossSectionField::kRightSlope: return BeyondRangeText(FieldRange{-kCrossSlopeLimit, kCrossSlopeLimit}, "%");
    case CrossSectionField::kLeftWidth:
    case CrossSectionField::kRightWidth: return BeyondRangeText(FieldRange{0, kHalfWidthLimit}, " m");
    case CrossSectionField::kDesign: return BeyondRangeText(FieldRange{-kHalfWidthLimit, kHalfWidthLimit}, " m");
    case CrossSectionField::kStation:
    case CrossSectionField::kNone: break;
  }
  return BeyondRangeText(FieldRange{-kSectionDistanceLimit, kSectionDistanceLimit}, " m");
}

// "（这里是 K5+000.000、K5+060.000、K5+060.000、K5+120.000）" for a transition typed by its stations.
std::string TypedStations(int row, const CrossSectionInput* section) {
  if (!section || row < 1 || row > static_cast<int>(section->transitions.size())) return "";
  const SuperInput& t = section->transitions[row - 1];
  if (t.jd > 0) return "（JD" + std::to_string(t.jd) + " 的 ZH、HY、YH、HZ）";
  return "（这里是 " + KStationText(t.ts) + "、" + KStationText(t.fs) + "、" + KStationText(t.fe) + "、" +
         KStationText(t.te) + "）";
}

std::string Value(double value, CrossSectionField field) {
  return InPercent(field) ? Percent(value) : Metres(value);
}

}  // namespace

std::string PviName(int row, const ProfileInput* profile) {
  std::string name = HeightsRowName(HeightsTable::kProfile, row);
  if (const PviInput* r = RowOf(row, profile)) name += " " + KStationText(r->station);
  return name;
}

std::string ProfileProblemText(const ProfileProblem& p, const ProfileInput* profile) {
  const std::string pvi = PviName(p.row, profile);
  const std::string field = Of(pvi, ProfileFieldName(p.field, RowOf(p.row, profile)));
  switch (p.fault) {
    case ProfileFault::kNotFinite: return Spaced(field, "不是有效的数值。");
    case ProfileFault::kOutOfRange: return OutOfRangeText(p, profile);
    case ProfileFault::kTooFewRows:
      return "纵断面至少要有两个变坡点（起点和终点），这里有 " + std::to_string(p.row) + " 个。";
    case ProfileFault::kStationsNotIncreasing:
      return Spaced(pvi, "不在") + Spaced(PviName(p.other, profile), "之后：") + "变坡点须按桩号递增的顺序输入。";
    case ProfileFault::kRadiusNotPositive:
      return Spaced(field, "为 ") + Metres(p.value) +
             (RowOf(p.row, profile) && RowOf(p.row, profile)->curve == VerticalCurveKind::kCircle
                  ? "，半径须大于 0。"
                  : "，半径须大于 0（0 或不写为不设竖曲线）。");
    case ProfileFault::kLengthNotPositive: return Spaced(field, "为 ") + Metres(p.value) + "，长度须大于 0。";
    case ProfileFault::kCurveAtEnd:
      return Spaced(pvi, "是纵断面的") + (p.row == 1 ? "起点" : "终点") + "，不能设竖曲线：首末两行只写桩号和高程。";
    case ProfileFault::kCurvesOverlap:
    case ProfileFault::kCurvePastEnd: return OverlapText(p, profile);
    case ProfileFault::kGradeTooSteep:
      return Spaced(PviName(p.other, profile), "至") + Spaced(pvi, "的纵坡为 ") + GradePercent(p.value) + "，超出了 " +
             GradePercent(-std::fabs(p.limit)) + " 至 " + GradePercent(std::fabs(p.limit)) + " 的范围：请检查桩号与高程。";
    case ProfileFault::kNoGradeChange:
      return Spaced(pvi, "前后纵坡相同，按长度给出的竖曲线没有半径：请删去该处的竖曲线，或检查高程。");
    case ProfileFault::kCircleLengthDisagrees:
      return Spaced(pvi, "的圆曲线弧长为 ") + Metres(p.value) + "，而由半径和前后纵坡算得 " + Metres(p.limit) + "，相差 " +
             Metres(std::fabs(p.value - p.limit)) + "，超过 " + Metres(kCircleLengthTolerance) + "。";
    case ProfileFault::kBeforeStart:
      return "距路线起点 " + Metres(p.value) + " 处在纵断面起点（" + Metres(p.limit) + "）之前，没有设计高程。";
    case ProfileFault::kAfterEnd:
      return "距路线起点 " + Metres(p.value) + " 处在纵断面终点（" + Metres(p.limit) + "）之后，没有设计高程。";
  }
  return pvi;
}

std::string CrossSectionProblemText(const CrossSectionProblem& p, const CrossSectionInput* section) {
  const std::string where = SectionWhere(p, section);
  const std::string field = Of(where, SectionFieldName(p.field));
  const std::string other = HeightsRowName(p.fault == CrossSectionFault::kSlopesNotIncreasing ? HeightsTable::kSlopes
                                                                                            : HeightsTable::kTransitions,
                                         p.other);
  switch (p.fault) {
    case CrossSectionFault::kNotFinite: return Spaced(field, "不是有效的数值。");
    case CrossSectionFault::kOutOfRange:
      return Spaced(field, "为 ") + Value(p.value, p.field) + "，" + SectionRangeText(p.field) + "。";
    case CrossSectionFault::kWidthsNeeded:
      return Spaced(where, "绕路基边缘旋转，须先给出两侧的路基半宽（width 左 右），这里") +
             SectionFieldName(p.field) + "为 0。";
    case CrossSectionFault::kTransitionOrder:
      return Spaced(where, "的四个桩号须依次为 TS < FS ≤ FE < TE（ZH、HY、YH、HZ）") +
             TypedStations(p.row, section) + "：距路线起点 " + Metres(p.value) + " 处不在 " + Metres(p.limit) +
             " 处之后。";
    case CrossSectionFault::kTransitionsOverlap:
      return Spaced(where, "与") + Spaced(other, "重叠 ") + Metres(p.value) + "：超高过渡段至多相接。";
    case CrossSectionFault::kSuperBelowCrown:
      return Spaced(where, "的超高横坡 e 为 ") + Percent(p.value) + "，小于路拱横坡 " + Percent(p.limit) +
             "：超高不小于路拱横坡。";
    case CrossSectionFault::kSlopesNotIncreasing:
      return Spaced(where, "不在") + Spaced(other, "之后：") + "超高表须按桩号递增的顺序输入。";
    case CrossSectionFault::kTransitionsAndSlopes:
      return "横断面只用一种超高方式：超高过渡段（super）或超高表（slopes），这里两种都有。";
  }
  return where;
}

std::string HeightsStationProblemText(const HeightsStationProblem& p, const StationRange* road) {
  const std::string row = HeightsRowName(p.table, p.row);
  const std::string typed = KStationText(p.station);
  if (!road) return row + "：桩号 " + typed + " 不在路线上。";
  return row + "：" + PlacementText(typed, p.placement, *road);
}

std::string HeightsJdProblemText(const HeightsJdProblem& p) {
  const std::string jd = "JD" + std::to_string(p.jd);
  const std::string head = HeightsRowName(HeightsTable::kTransitions, p.row) + "按 " + jd + " 给出，";
  // Without a spiral the change of slope has no length to run over on the curve.
  const std::string byStations = "请按四个桩号给出这一超高过渡段（super TS FS FE TE E 内侧），在切线上设置。";
  switch (p.reason) {
    case HeightsJdReason::kNoSuchJd: return head + "路线上没有这个交点。";
    case HeightsJdReason::kNoRoad: return head + "但还没有路线，无从得出 " + jd + " 的 ZH、HY、YH、HZ。";
    case HeightsJdReason::kRoadHasNoJds: return head + "但路线是按线元法输入的，没有交点：" + byStations;
    case HeightsJdReason::kNoSpiralIn: return head + "但 " + jd + " 没有第一缓和曲线，超高无处过渡：" + byStations;
    case HeightsJdReason::kNoSpiralOut: return head + "但 " + jd + " 没有第二缓和曲线，超高无处过渡：" + byStations;
  }
  return head;
}

std::string HeightsProblemText(const HeightsProblem& problem, const HeightsWords& words) {
  if (const auto* p = std::get_if<ProfileProblem>(&problem)) return ProfileProblemText(*p, words.profile);
  if (const auto* p = std::get_if<CrossSectionProblem>(&problem)) return CrossSectionProblemText(*p, words.section);
  if (const auto* p = std::get_if<HeightsStationProblem>(&problem)) return HeightsStationProblemText(*p, words.road);
  return HeightsJdProblemText(std::get<HeightsJdProblem>(problem));
}

std::string NoHeightBeforeText(const std::string& typed, StationRef first) {
  return "桩号 " + typed + " 在纵断面起点 " + KStationText(first) + " 之前，没有设计高程。";
}

std::string NoHeightAfterText(const std::string& typed, StationRef last) {
  return "桩号 " + typed + " 在纵断面终点 " + KStationText(last) + " 之后，没有设计高程。";
}

std::string ProfileNotOnRoadText(const std::string& reason) {
  return "纵断面与现在的路线不符，没有设计高程：" + reason;
}

std::string ProfileLineMessage(int line, const std::string& text, const std::string& reason) {
  if (line <= 0) return "纵断面：" + reason;
  return "纵断面第 " + std::to_string(line) + " 行“" + text + "”：" + reason;
}

std::string SectionLineMessage(int line, const std::string& text, const std::string& reason) {
  if (line <= 0) return "横断面：" + reason;
  return "横断面第 " + std::to_string(line) + " 行“" + text + "”：" + reason;
}

std::string JobHeightsBadWord(const std::string& field, const std::string& words) {
  return Spaced(field, "应为") + words + "。";
}

std::string SectionLineTwiceText(const std::string& word, int firstLine) {
  return "横断面只能有一行 " + word + "，第 " + std::to_string(firstLine) + " 行已有。";
}

}  // namespace capset
