#pragma once
// What the road says: why a road cannot be made, why a station cannot be
// placed, why a point has no station and offset. Each names the part of
// the road that holds the fault and gives the numbers behind it, so the
// user can find the line of the drawings' table to mend.

#include <string>
#include <vector>

#include "road_problem.h"
#include "road_types.h"
#include "station_ref_reading.h"
#include "station_table.h"

namespace capset {

// "JD3", "BP", "EP", "第 2 个线元", "第 1 个断链", "作业".
std::string RoadPartName(RoadPart part, int index);
// The field of a road input in the words of the drawings: "R", "Ls1", "断前桩号".
std::string RoadFieldName(RoadField field);
// The whole reason, e.g. "JD3 与 JD4 的切线长之和 512.300 m 大于两交点间距 498.000 m，曲线重叠。"
std::string RoadProblemText(const RoadProblem& problem);

// A value of a field as it was given, in its shortest exact form: "1e-07",
// "1000000.5"; never "nan" or "inf" (kRoadNoNumber says there is none).
std::string RoadValueText(double value);
inline constexpr char kRoadNoNumber[] = "（无法表示的数值）";
// Why a value is not in its field's range, and what 0 means where it is
// allowed: "超出了 0.001 至 1000000 m 的范围（0 为不设缓和曲线）。"
std::string RoadRangeText(const NumberRange& range, RoadField field);

// A station of a sentence in the one road form (RoadStationText), or the
// words that say there is no number: never "nan" or "inf".
std::string KStationText(double station);
std::string KStationText(StationRef station);

// Why a typed station is none: "不是桩号。桩号写作 1390、K1+390，长链中重复的桩号写作 K1+390(2)。"
std::string StationRefProblemText(StationRefProblem problem);

// What a message about placing a station needs to know of the road.
struct StationRange {
  double first;  // the road's first station
  double last;   // its last
  std::vector<StationEquation> equations;
};

// Why a station is not on the road: before its start, after its end, in
// the gap of a 短链, twice in a 长链 (naming both places and how to say
// which), or an occurrence it does not have. `typed` is the station as the
// user wrote it. Empty for a placed station.
std::string PlacementText(const std::string& typed, const Placement& placement, const StationRange& range);

// Why a point has no station and offset: beyond the start or the end (by
// how much along the tangent there; `length` is the road's), or off the
// road. Empty on the road.
std::string WhereText(const RoadFoot& foot, double length);

// A road typed as lines: why a line is refused.
inline constexpr char kRoadUnknownLine[] =
    "不认识这一行：路线的行以 bp、jd、ep（交点法），start、line、arc、spiral（线元法）或 equation（断链）开头。";
inline constexpr char kRoadEmpty[] = "路线为空：没有输入任何行。";
inline constexpr char kRoadNoBp[] = "缺少 bp 行（起点桩号与坐标：bp K X Y）。";
inline constexpr char kRoadNoEp[] = "缺少 ep 行（终点坐标：ep X Y）。";
inline constexpr char kRoadNoStart[] = "缺少 start 行（起点桩号、坐标与方位角：start K X Y T）。";
inline constexpr char kRoadNoElement[] = "线元法路线中没有线元（line、arc、spiral）。";
// "“jd”行写作 jd X Y R Ls1 [Ls2]，这里有 2 项。"
std::string RoadLineShapeText(const std::string& usage, int fields);
// One form a road: "这段路线第 1 行已按交点法（bp、jd、ep）输入，这一行是线元法的 line。"
std::string RoadMixedFormsText(bool firstIsIntersections, int firstLine, const std::string& word);
// "路线只能有一行 bp，第 1 行已有。"
std::string RoadLineTwiceText(const std::string& word, int firstLine);
// "jd 行须写在 bp 行之后。" / "jd 行须写在 ep 行之前。"
std::string RoadLineAfterText(const std::string& word, const std::string& before);
std::string RoadLineBeforeText(const std::string& word, const std::string& after);
// A field of a line: "R“-5”：半径须大于 0。"
std::string RoadFieldText(const std::string& field, const std::string& typed, const std::string& reason);
inline constexpr char kRoadNotNumber[] = "不是数值。";
inline constexpr char kRoadOutOfRange[] = "超出数值范围。";
inline constexpr char kRoadNotPositive[] = "须大于 0。";
inline constexpr char kRoadNotRadius[] = "须为大于 0 的半径，直线端写 inf。";
inline constexpr char kRoadNegative[] = "不能为负。";
inline constexpr char kRoadPackedSlip[] = "方位角按度.分分秒秒输入，分和秒须小于 60。";
inline constexpr char kRoadNoOccurrence[] = "路线数据中的桩号不写第几处：断链写作 equation 断前桩号 断后桩号。";
inline constexpr char kRoadNotSide[] = "转向须为 left（左）或 right（右）。";
// An element of length 0: "须大于 0：长度为 0 的线元不占路线，请删去这一行；线元长度在 0.001 至 1000000 m 之间。"
std::string RoadZeroLengthText(const NumberRange& range);
// "路线第 3 行“jd 10 10 -5 0”：" and the reason; line 0: "路线：" and the reason.
std::string RoadLineMessage(int line, const std::string& text, const std::string& reason);

// A road command typed wrong.
inline constexpr char kRoadUsage[] = "@road 的写法：@road 一行，其后每行一段路线，@end 结束；或 @road job。路线没有改变。";
inline constexpr char kAtUsage[] = "@at 的写法：@at K [偏距]，如 @at K1+300 -7.5。";
inline constexpr char kWhereUsage[] = "@where 的写法：@where X Y。";
inline constexpr char kTableUsage[] = "@table 的写法：@table 起点桩号 终点桩号 间距 [偏距…]。";
inline constexpr char kExportTableUsage[] =
    "@export table 的写法：@export table csv|dat 文件 起点桩号 终点桩号 间距 [偏距…]。";

// Why a station table cannot be made; `typed` is the station it names as typed.
std::string StationTableProblemText(const StationTableProblem& problem, const std::string& typed,
                                    const StationRange& range);

// The columns of the 逐桩坐标表, in its window and its files.
inline constexpr const char* kStationTableHeadings[] = {"点名", "桩号", "偏距(m)", "X(m)", "Y(m)", "方位角", "特征点"};

// The 逐桩坐标表 window.
inline constexpr char kStationTableItem[] = "逐桩坐标表(&T)…";
inline constexpr char kStationTableTitle[] = "逐桩坐标表";
inline constexpr char kTableFromLabel[] = "起点桩号";
inline constexpr char kTableToLabel[] = "终点桩号";
inline constexpr char kTableStepLabel[] = "间距";
inline constexpr char kTableEdgesLabel[] = "路基半宽";
inline constexpr char kTableOffsetsLabel[] = "其他偏距";
inline constexpr char kTableEdgesHint[] = "如 7.5：左右路基边缘各一点";
inline constexpr char kTableOffsetsHint[] = "如 -3.5 3.5（右为正），可不填";
inline constexpr char kTableStationHint[] = "如 K1+020 或 1020，长链中第二处写 K1+390(2)";
inline constexpr char kTableMake[] = "计算(&M)";
inline constexpr char kTableCopy[] = "复制(&C)";
inline constexpr char kTableExport[] = "导出(&E)…";
inline constexpr char kTableClose[] = "关闭";
inline constexpr char kTableExportTitle[] = "导出逐桩坐标表";
inline constexpr char kTableFileName[] = "逐桩坐标表.csv";
// "共 1203 行，K1+000.000 至 K2+000.000"
std::string StationTableSummary(std::size_t rows, StationRef from, StationRef to);
std::string StationTableCopiedText(std::size_t rows);
std::string StationTableExportedText(std::size_t rows, const std::string& path);

// No road to ask: no job road set and no completed Start.
inline constexpr char kNoRoad[] = "还没有路线：请先输入路线（@road），或点击“开 始”输入作业数据。";
// @road job with no Start yet.
inline constexpr char kNoStartJobRoad[] = "还没有作业：请先点击“开 始”输入作业数据，才能使用作业的路线。";
// @curves on a road that is not from intersection points.
inline constexpr char kNoCurveTable[] = "这条路线不是按交点法输入的，没有曲线要素表。";

// A turn (deflection) of the road, right positive, in the azimuth's form with
// its side: 15°03′08.0″ 右, 15°03′08.0″ 左.
std::string TurnText(double degrees, const std::string& sep = ".");

}  // namespace capset
