#pragma once
// What heights say: why a profile (纵断面) or a cross-section (横断面)
// cannot be made, why a station of theirs is not on the road, and why a
// height cannot be given. A profile's sentence names the 变坡点 by its row
// and its station as typed, so the user finds the line of the drawings'
// table to mend; grades are said in percent, lengths in metres.

#include <optional>
#include <string>

#include "road_heights.h"
#include "road_texts.h"

namespace capset {

// What a sentence may name besides the problem: the rows as typed (their
// stations, their curves) and the road the stations were placed on. Each
// may be absent; the sentence then names rows by number alone.
struct HeightsWords {
  const ProfileInput* profile = nullptr;
  const CrossSectionInput* section = nullptr;
  const StationRange* road = nullptr;
};

// "第 3 行变坡点 K5+030.000"; without the rows, "第 3 行变坡点".
std::string PviName(int row, const ProfileInput* profile);
// "第 3 行变坡点", "第 2 个超高过渡段", "超高表第 4 行".
std::string HeightsRowName(HeightsTable table, int row);

// The whole reason, e.g. "第 3 行变坡点 K5+030.000 的竖曲线与第 2 行变坡点
// K4+900.000 的竖曲线重叠 12.500 m：相邻竖曲线至多相接。"
std::string ProfileProblemText(const ProfileProblem& problem, const ProfileInput* profile = nullptr);
// A transition's or a slope row's station is named by the table the
// section uses, when it is given.
std::string CrossSectionProblemText(const CrossSectionProblem& problem, const CrossSectionInput* section = nullptr);
// A station of the profile or the section that the road does not place:
// the row, then the road's own sentence (before its start, in a gap, twice).
std::string HeightsStationProblemText(const HeightsStationProblem& problem, const StationRange* road);
std::string HeightsJdProblemText(const HeightsJdProblem& problem);
std::string HeightsProblemText(const HeightsProblem& problem, const HeightsWords& words);

// Why a station has no height: before the profile's first 变坡点 or after
// its last. `typed` is the station as the user wrote it.
std::string NoHeightBeforeText(const std::string& typed, StationRef first);
std::string NoHeightAfterText(const std::string& typed, StationRef last);
// No profile has been given.
inline constexpr char kNoProfile[] = "还没有纵断面：请先输入纵断面的变坡点（@profile … @end），才有设计高程。";
// The profile no longer fits the working road (the road changed since).
std::string ProfileNotOnRoadText(const std::string& reason);

// A line of a block: "纵断面第 3 行“pvi 5030 427.68 -5”：" and the reason;
// line 0 names the block alone ("纵断面：").
std::string ProfileLineMessage(int line, const std::string& text, const std::string& reason);
std::string SectionLineMessage(int line, const std::string& text, const std::string& reason);

// The lines of the blocks, and why one is refused.
inline constexpr char kPviUsage[] = "pvi K H [R]、pvi K H length L、pvi K H lengths L1 L2 或 pvi K H circle R";
inline constexpr char kProfileUnknownLine[] = "不认识这一行：纵断面的每一行以 pvi 开头（pvi 桩号 高程 [竖曲线]）。";
inline constexpr char kProfileEmpty[] = "纵断面为空：没有输入任何变坡点。";
inline constexpr char kSectionUnknownLine[] =
    "不认识这一行：横断面的行以 crown、width、design、super 或 slopes 开头。";
inline constexpr char kSectionNotAxis[] = "旋转轴须为 centre（绕中线）、inner（绕内边缘）或 outer（绕外边缘）。";
inline constexpr char kSectionNotSide[] = "内侧须为 left（左）或 right（右）。";
inline constexpr char kSectionNotJd[] = "须为交点名，如 JD3。";
// "横断面只能有一行 crown，第 1 行已有。"
std::string SectionLineTwiceText(const std::string& word, int firstLine);
inline constexpr char kProfileKept[] = "纵断面没有改变。";
inline constexpr char kSectionKept[] = "横断面没有改变。";

// The commands typed wrong.
inline constexpr char kProfileUsage[] = "@profile 的写法：@profile 一行，其后每行一个变坡点，@end 结束。纵断面没有改变。";
inline constexpr char kSectionUsage[] = "@xsec 的写法：@xsec 一行，其后每行一项横断面数据，@end 结束。横断面没有改变。";
inline constexpr char kZUsage[] = "@z 的写法：@z K [偏距]，如 @z K5+010 -3.75。";
inline constexpr char kVcurvesUsage[] = "@vcurves 后面不写任何内容。";
inline constexpr char kNoVerticalCurves[] = "纵断面没有竖曲线：各变坡点都是折线相接。";

// The job file's words for the section as a whole, and for a field
// that is not one of the words it may be, that is not one of the words it may be,
// "第 2 行变坡点的 curve 应为“radius”、“length”、“lengths”或“circle”。"
inline constexpr char kSectionWhole[] = "横断面";
std::string JobHeightsBadWord(const std::string& field, const std::string& words);

// The words of the fields, for the readers' messages.
inline constexpr char kElevationWord[] = "H";

}  // namespace capset
