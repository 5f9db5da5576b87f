#pragma once
// What a bridge and its substructure templates say: why a template's or a
// bridge's line is refused, why a bent's points cannot be given, and the
// words of the ready templates.

#include <optional>
#include <string>

#include "bridge_problem.h"
#include "road_cap.h"
#include "road_texts.h"

namespace capset {

// The reason alone, without the line: "DU“0”须大于 0：相邻两桩的间距。"
// `range` names the road's ends and equations for a station off the road.
std::string BridgeProblemText(const BridgeProblem& problem, const std::optional<StationRange>& range = std::nullopt);

// "模板“pier-A”第 3 行“grid Z 0 3 2.5 2.5”：" and the reason; line 0: "模板“pier-A”：" and the reason.
std::string TemplateLineMessage(const std::string& name, const BridgeLineProblem& problem,
                                const std::optional<StationRange>& range = std::nullopt);
// "桥“B1”第 2 行“bent 3 K1+020 skew 200”：" and the reason.
std::string BridgeLineMessage(const std::string& name, const BridgeLineProblem& problem,
                              const std::optional<StationRange>& range = std::nullopt);

// Where in a job file's templates and bridges a field is: "第 2 个模板“T1”",
// "第 2 个模板“T1”的第 3 项", "第 1 座桥“B1”", "第 1 座桥“B1”的第 4 个墩台"
// (the name when the file gives one); the reason follows.
std::string JobTemplateWhere(int number, const std::string& name);
std::string JobTemplateItemWhere(const std::string& tmpl, int item);
std::string JobBridgeWhere(int number, const std::string& name);
std::string JobBentWhere(const std::string& bridge, int bent);
// "第 1 座桥“B1”：" and the reason, for a problem the bridge's check finds.
std::string JobBridgeProblemText(const std::string& where, const BridgeProblem& problem);
// A field that should be a name (a non-empty text); a kind, an axis of
// none of its words; a template's or a bridge's name the file gives twice.
std::string JobBridgeNotAName(const std::string& field);
std::string JobBridgeBadKind(const std::string& field);
std::string JobBridgeBadAxis(const std::string& field);
std::string JobBridgeNameTwice(const std::string& where);

// A bent whose points cannot be given: "桥“B1”墩台 3：未计算：" and why;
// `station` is the station the placement is of (the bent's, or its design
// station's), as KStationText writes it.
std::string BentNotSolvedText(const std::string& bridge, const std::string& bent, RoadCapFault fault,
                              const Placement& placement, const std::string& station, const StationRange& range);
std::string BentAxisReversedText(const std::string& bridge, const std::string& bent);
// An edge of a bent's cap that does not meet its road-bed edge: "桥“B1”墩台 3：左侧未求得：…".
std::string BentEdgeText(const std::string& bridge, const std::string& bent, int side, CapSideProblem problem);
// No bridge of that name, no bridge at all.
std::string NoSuchBridgeText(const std::string& name);
inline constexpr char kNoBridges[] = "还没有桥：请先输入桥的墩台（@bridge）。";
// A bridge kept while there is no road: its points wait for one.
inline constexpr char kBridgeNeedsRoad[] = "还没有路线，桥的墩台点位无法计算：请先输入路线，或点击“开 始”输入作业数据。";

// The ready templates' descriptions, as a list shows them beside the name.
inline constexpr char kReadyTwoColumns[] = "双柱式墩：两根墩柱 C1、C2 各立于一根桩 Z1、Z2 上，柱距 6.5 m";
inline constexpr char kReadyThreeColumns[] = "三柱式墩：三根墩柱 C1…C3 各立于一根桩 Z1…Z3 上，柱距 5 m";
inline constexpr char kReadyPileCap[] = "承台墩：2 × 3 根桩 Z1…Z6，桩距 3 m，承台 8.4 m × 5.4 m 的四角 T1…T4，墩柱 C1 居中";
inline constexpr char kReadyAbutmentStart[] =
    "桥台（桥头，翼墙伸向小桩号）：台前线两端 F1、F2 相距 12 m，翼墙尾端 W1、W2 在其后 4 m";
inline constexpr char kReadyAbutmentEnd[] =
    "桥台（桥尾，翼墙伸向大桩号）：台前线两端 F1、F2 相距 12 m，翼墙尾端 W1、W2 在其后 4 m";

}  // namespace capset
