#pragma once
// The words of heights where points are given: the batch's depth below the
// deck, the H columns of the log, its files and the station table, and the
// as-built check's height against the design.

#include <string>

namespace capset {

// The batch dialog's field: how far the cap's top lies below the deck
// surface (pavement, beam, bearing and pad), metres.
inline constexpr char kBatchDepthField[] = "桥面至盖梁顶";
inline constexpr char kBatchDepthLabel[] = "桥面至盖梁顶 (m)";
inline constexpr char kBatchDepthTip[] =
    "盖梁各点的高程 = 桥面设计高程 − 此深度（铺装、梁高、支座与垫石），单位米；空白为 0。";

// The H of a point in the log's columns, after its X and Y.
inline constexpr char kCentreHeightHeading[] = "中桩高程 H";
inline constexpr char kEdge1HeightHeading[] = "边点一高程 H";
inline constexpr char kEdge2HeightHeading[] = "边点二高程 H";
std::string AxisPointHeightHeading(int number);

// The station table's column of the finished surface's elevation.
inline constexpr char kStationTableHeightHeading[] = "高程 H(m)";

// The as-built check: the measured height, measured minus design height
// and its own verdict, in columns after the plan's when a point carries a
// height; the plan's verdict then says it is the plan's.
inline constexpr char kCheckMeasuredHeightHeading[] = "实测 H";
inline constexpr char kCheckDesignHeightHeading[] = "设计 H";
inline constexpr char kCheckHeightHeading[] = "ΔH (mm)";
inline constexpr char kCheckHeightVerdictHeading[] = "高程结果";
inline constexpr char kCheckPlanVerdictHeading[] = "平面结果";
inline constexpr char kHeightToleranceLabel[] = "高程限差 (mm)";
inline constexpr char kDefaultHeightToleranceMm[] = "10";
inline constexpr char kHeightOver[] = "高程超限";
inline constexpr char kPlanOver[] = "平面超限";
// A point measured with a height whose design point has none (its row was
// made without a profile, or it lies off the profile).
inline constexpr char kNoDesignHeight[] = "无设计高程";
// The sentence after the check's summary when points were measured with heights.
std::string CheckHeightSummary(int measured, int checked, int over, double toleranceMm);

}  // namespace capset
