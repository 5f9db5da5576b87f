#pragma once
// The bridge page's words: its tab, the chooser of bridges, the bents
// table and the points table, why a cell or a pasted line is refused, and
// what the page says while it cannot show points.

#include <string>

namespace capset {

inline constexpr char kFormPageTitle[] = "计算表单";
inline constexpr char kBridgePageTitle[] = "桥梁";
inline constexpr char kFormPageItem[] = "计算表单(&F)";
inline constexpr char kBridgePageItem[] = "桥梁(&G)";

// The chooser.
inline constexpr char kBridgeChooserLabel[] = "桥：";
inline constexpr char kNewBridgeButton[] = "新建…";
inline constexpr char kRenameBridgeButton[] = "改名…";
inline constexpr char kDeleteBridgeButton[] = "删除";
inline constexpr char kNewBridgeTitle[] = "新建桥";
inline constexpr char kRenameBridgeTitle[] = "桥改名";
inline constexpr char kBridgeNameLabel[] = "桥名（一个词，不含空格）：";
inline constexpr char kDeleteBridgeTitle[] = "删除桥";
std::string DeleteBridgeQuestion(const std::string& name, std::size_t bents);
std::string BridgeNameTakenText(const std::string& name);

// The bents table.
inline constexpr char kBentsCaption[] = "墩台";
inline constexpr char kAddBentButton[] = "添加墩台";
inline constexpr char kRemoveBentButton[] = "删除墩台";
inline constexpr char kPasteBentsButton[] = "粘贴";
inline constexpr char kBentNameHeader[] = "墩台";
inline constexpr char kBentStationHeader[] = "桩号";
inline constexpr char kBentSkewHeader[] = "交角 B";
inline constexpr char kBentAxisHeader[] = "横轴";
inline constexpr char kBentDesignHeader[] = "设计桩号 Kj";
inline constexpr char kBentLeftHeader[] = "左幅";
inline constexpr char kBentRightHeader[] = "右幅";
inline constexpr char kBentDepthHeader[] = "桥面至盖梁顶";
inline constexpr char kBentTemplateHeader[] = "模板";
// The axis column's words: at B to the bent's own tangent, or parallel to
// the design station's axis. The script's own words read too.
inline constexpr char kAxisOwnWord[] = "本墩切线";
inline constexpr char kAxisParallelWord[] = "平行";

// Why a cell is refused.
inline constexpr char kCellOneWord[] = "一格只填一个值，不能有空格。";
inline constexpr char kCellNeeded[] = "须填写。";
inline constexpr char kCellRightWithoutLeft[] = "右幅须与左幅一同给出：请先填左幅。";
inline constexpr char kCellAxisWord[] = "横轴须为“本墩切线”或“平行”（own、parallel）。";
// A refused cell, for the line under the table: "第 3 行“桩号”：" and the reason.
std::string BentCellMessage(int row, const std::string& heading, const std::string& reason);
// A refused pasted line: "粘贴的第 2 行“3 K1+0x0”：" and the reason.
std::string PastedLineMessage(int line, const std::string& text, const std::string& reason);
// What a good paste did.
std::string BentsPastedText(std::size_t added, std::size_t replaced);
inline constexpr char kPasteEmpty[] = "剪贴板里没有墩台：每行一个墩台，各列依表头次序，以制表符分隔。";
// Why the bridge refused a change that every cell allowed (two bents of a
// name, a station off the road): "墩台表未改：" and the reason.
std::string BridgeKeptText(const std::string& reason);
inline constexpr char kNoBridgeYet[] = "还没有桥：点击“新建…”，输入桥名，再在墩台表中输入墩台或从表格软件粘贴。";

// The points table.
inline constexpr char kPointsCaption[] = "点位";
inline constexpr char kPointNameHeader[] = "点名";
inline constexpr char kPointXHeader[] = "X (北)";
inline constexpr char kPointYHeader[] = "Y (东)";
inline constexpr char kPointHHeader[] = "H";
inline constexpr char kPointStationHeader[] = "桩号";
inline constexpr char kPointOffsetHeader[] = "偏距";
inline constexpr char kPointElementHeader[] = "线元";
// The points table's caption: "墩台 3 的点位（14 个）".
std::string BentPointsCaption(const std::string& bent, std::size_t points);

// The plan.
inline constexpr char kBridgePlanCaption[] = "平面";

// The templates.
inline constexpr char kTemplatesCaption[] = "模板";
inline constexpr char kCopyTemplateButton[] = "复制…";
inline constexpr char kDeleteTemplateButton[] = "删除模板";
inline constexpr char kReadyTemplateMark[] = "（现成，只读）";
inline constexpr char kCopyTemplateTitle[] = "复制模板";
inline constexpr char kTemplateNameLabel[] = "新模板名（一个词，不含空格）：";
inline constexpr char kAddItemButton[] = "添加项";
inline constexpr char kRemoveItemButton[] = "删除项";
inline constexpr char kItemKindHeader[] = "类型";
inline constexpr char kItemNameHeader[] = "名称";
inline constexpr char kItemFieldsHeader[] = "数值（point: U V [埋深]；grid: 排数 列数 DU DV [U0 V0] [埋深]；corners: 长 宽 [埋深]）";
std::string TemplateInUseText(const std::string& name, const std::string& bridge, const std::string& bent);
std::string TemplateItemMessage(int row, const std::string& reason);
std::string TemplateNameTakenText(const std::string& name);
// How many points a template gives each bent that uses it, besides C, L and R.
std::string TemplatePointsText(long long points);

}  // namespace capset

namespace capset {
// A pasted line of more cells than the table has columns.
std::string PasteColumnsText(std::size_t cells, int columns);
}  // namespace capset

namespace capset {
// A bent the bridge's check refuses, by its row: "第 3 行墩台：" and the reason.
std::string BentRowMessage(int row, const std::string& reason);
}  // namespace capset
