#pragma once
// What the instrument station (测站), the backsight (后视) and the polar
// set-out data (极坐标放样数据) say: refusals of what was given, and the
// words of the points that give no direction.

#include <string>
#include <vector>

namespace capset {

inline constexpr char kStationWord[] = "测站";
inline constexpr char kBacksightWord[] = "后视";
inline constexpr char kBacksightAzimuthWord[] = "后视方位角";
inline constexpr char kInstrumentHeightWord[] = "仪器高";

inline constexpr char kNoStation[] = "还没有设置测站：请先给出测站的点名与坐标。";
inline constexpr char kNoBacksight[] = "还没有设置后视：请给出后视点或后视方位角。";
inline constexpr char kNoPolarPoints[] = "没有可计算放样数据的点：请先输入桥的墩台，或计算盖梁。";
inline constexpr char kPackedSlip[] = "按度.分分秒秒输入，分和秒须小于 60。";
inline constexpr char kPolarNameNotOneWord[] = "应为一个名称（一个词，不含空格）。";
inline constexpr char kHeightWithoutHI[] = "测站高程 H 与仪器高 HI 须一起给出。";

// "“@station S1 abc 2000”：" and the reason: a refused command line.
std::string PolarLineMessage(const std::string& line, const std::string& reason);
// The usage of each command.
inline constexpr char kStationUsage[] =
    "@station 的写法：@station 点名 X Y [H HI]，或 @station 桥梁点名（如 3-Z1）。测站没有改变。";
inline constexpr char kBacksightUsage[] =
    "@backsight 的写法：@backsight 点名 X Y，@backsight 桥梁点名，或 @backsight azimuth 度.分秒。后视没有改变。";
inline constexpr char kPolarUsage[] = "@polar 的写法：@polar [桥名]。";

// A backsight point within half a millimetre of the station gives no direction.
std::string BacksightOnStationText(const std::string& backsight, const std::string& station);
// A point of the list on the station itself: it has no azimuth and no angle to turn.
std::string PointOnStationText(const std::string& point);
// A point named that no bridge's points hold; one that several bridges hold.
std::string NoSuchBridgePointText(const std::string& name);
std::string BridgePointInManyText(const std::string& name, const std::vector<std::string>& bridges);

// A bent whose points cannot be given has no polar data: "桥“B1”墩台 3 没有点位，不在放样数据中：见 @bridgepoints。"
std::string BentWithoutPolarText(const std::string& bridge, const std::string& bent);

// The job file's groups, for the job file's refusals: "测站 的 X"…
inline constexpr char kJobStation[] = "测站（station）";
inline constexpr char kJobBacksight[] = "后视（backsight）";
// A backsight with both a point and an azimuth, or neither.
std::string JobBacksightEitherText(const std::string& where);

// The station dialog (测站与后视) and its table of polar data.
inline constexpr char kInstrumentStationItem[] = "测站与后视(&P)…";
inline constexpr char kInstrumentStationTitle[] = "测站与后视 · 极坐标放样数据";
inline constexpr char kStationGroup[] = "测站";
inline constexpr char kBacksightGroup[] = "后视";
inline constexpr char kPointNameLabel[] = "点名";
inline constexpr char kMarkHeightLabel[] = "测站高程 H";
inline constexpr char kInstrumentHeightLabel[] = "仪器高 HI";
inline constexpr char kBacksightByPoint[] = "后视点";
inline constexpr char kBacksightByAzimuth[] = "后视方位角（度.分秒）";
inline constexpr char kPickBridgePoint[] = "取桥梁点…";
inline constexpr char kSetPolarButton[] = "设 置";
inline constexpr char kClearPolarButton[] = "清 除";
inline constexpr char kPolarHeightsHint[] = "H 与 HI 留空：不计高差。";
inline constexpr char kPolarDataGroup[] = "放样数据（自测站，转角自后视方向顺时针）";
inline constexpr char kPolarNotSet[] = "设置测站与后视后，这里列出每个点的放样数据。";
// "后视“B1”：方位角 359°59′00.0″，平距 200.000 m，请照准后核对。"
std::string BacksightCheckText(const std::string& name, const std::string& azimuth, const std::string& distance);
// "测站“S1”、后视已设置：共 12 点。"
std::string PolarSummaryText(const std::string& station, int points);
// The table's headings; with heights, 高差 and 天顶距 too.
inline constexpr char kPolarPointHeading[] = "点名";
inline constexpr char kPolarAzimuthHeading[] = "方位角";
inline constexpr char kPolarDistanceHeading[] = "平距 (m)";
inline constexpr char kPolarTurnHeading[] = "转角";
inline constexpr char kPolarHeightDiffHeading[] = "高差 dH (m)";
inline constexpr char kPolarZenithHeading[] = "天顶距";
inline constexpr char kPolarOnStation[] = "在测站上";
inline constexpr char kExportPolarButton[] = "导出 CSV…";
inline constexpr char kPolarExportName[] = "放样数据.csv";
inline constexpr char kNothingToExportPolar[] = "还没有放样数据可导出：请先设置测站与后视。";
// "已导出 12 点的放样数据：D:\\桥\\放样数据.csv"
std::string PolarExportedText(int points, const std::string& path);
std::string PolarExportFailedText(const std::string& path, const std::string& reason);

}  // namespace capset
