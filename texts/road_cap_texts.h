#pragma once
// What an exact cap on the road says: the names of elements and sides, why
// a side or a cap has no result, the batch fields of the exact method, and
// the exact points Compute gives beside the window's own where those
// cannot be trusted.

#include <optional>
#include <string>
#include <vector>

#include "cap_solution.h"
#include "road_cap.h"

namespace capset {

// "直线", "缓和曲线", "圆曲线".
const char* ElementName(ElementKind kind);
// "左侧" (side < 0) or "右侧", of the direction of increasing stations.
const char* SideName(int side);
// "外侧" or "内侧": the side against the one that is outer (+1 right, -1 left); empty on no bend.
const char* BendSideName(int side, int outerSide);

// The sketch's note of an exact cap's axis: "横轴方位角(中→右) 112°09′43.1″".
std::string RoadSketchAxisAzimuth(double azimuth);

// The method as the batch dialog names it.
inline constexpr char kMethodExactName[] = "精确";
// An exact row's solver column: the method, then square or skewed.
inline constexpr char kSquareCapWord[] = " 正交";
inline constexpr char kSkewCapWord[] = " 斜交";
// An exact row's half-widths when its sides differ: "左 7.5 右 9".
inline constexpr char kLeftHalfWidthWord[] = "左 ";
inline constexpr char kRightHalfWidthWord[] = " 右 ";
// Where an exact row on the job's own road is measured from.
inline constexpr char kRoadStartName[] = "道路起点";
// The turn of the element a centre lies on.
inline constexpr char kTurnsRightWord[] = " 右偏";
inline constexpr char kTurnsLeftWord[] = " 左偏";
// Why the Start job makes no road, in a few words.
inline constexpr char kStartRoadNoTurnSign[] = "P = 0，曲线不知向哪一侧偏转";
inline constexpr char kStartRoadParameterZero[] = "A1 = 0";
inline constexpr char kStartRoadNotARoad[] = "缓和曲线的数据不能构成道路";
// The exact sketch's note on the element the centre lies on.
std::string ExactSketchCentreNote(const char* element);
inline constexpr char kMethodWindowName[] = "按窗口公式";


// Why a side of an exact cap has no edge point: "左侧未求得：…".
std::string CapSideProblemText(int side, CapSideProblem problem);

// Why an exact cap was not computed: the centre or the design station is
// not a station of the road. `station` as RoadStationText shows it.
std::string RoadCapFaultText(RoadCapFault fault, const Placement& placement, const std::string& station);

// The fields of the exact batch, as a problem names them.
inline constexpr char kBatchLeftDRField[] = "左幅 DR";
inline constexpr char kBatchRightDRField[] = "右幅 DR";
inline constexpr char kBatchSkewField[] = "交角 B";
inline constexpr char kBatchDesignField[] = "设计中桩桩号 Kj";

inline constexpr char kHalfWidthNotPositive[] = "路基边缘宽度须大于 0。";
inline constexpr char kSkewNotBetween[] = "交角须大于 0 度、小于 180 度。";
inline constexpr char kSkewSlip[] = "分和秒须小于 60（度.分秒，如 60.3015 为 60°30′15″）。";
inline constexpr char kDefaultSkewAlongRoad[] =
    "“开 始”中的 B 为 0 或 180 度，盖梁轴线与中线平行，与路基边缘没有交点；请填写交角 B。";
inline constexpr char kNoSkewToDefault[] = "没有“开 始”的作业可取默认值，请填写交角 B。";
inline constexpr char kNoDesignToDefault[] =
    "没有“开 始”的作业可取默认值，请填写设计中桩桩号 Kj，或让各盖梁轴线取自身桩号的切线。";
inline constexpr char kNotOneStation[] = "不是桩号。桩号写作 12400 或 K12+400。";
inline constexpr char kWindowOneDR[] =
    "按窗口公式计算时两侧宽度相同，请把右幅留空，或改用精确计算。";
// The design station as the road places it.
std::string DesignNotOnRoadReason(const Placement& placement, const std::string& station);

// An exact batch with no road to solve on.
std::string ExactBatchNoRoadMessage(bool started, const std::optional<std::string>& whyNoStartRoad);

// An export that holds rows computed by the window's formulas past the
// spiral's end (by row number): their points are not to be staked.
std::string PastSpiralEndExportQuestion(const std::vector<int>& rows);
inline constexpr char kExportAnyway[] = "仍然导出";

// The exact cap beside the window's, for a Compute whose numbers cannot be
// trusted: the exact centre and edges to the millimetre and how far the
// shown points are from them. Nothing when the exact cap cannot be made.
std::optional<std::string> ExactBesideWindowText(const CapSolution& solution, const RoadCap& exact, int outerSide);

}  // namespace capset
