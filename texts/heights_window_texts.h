#pragma once
// The road window's heights pages: the 纵断面 page (the 变坡点 table, the
// 竖曲线要素 table, the profile view) and the 横断面 page (the crown, the
// half-widths, the design line, the transitions or the table of slopes, and
// the section drawn at a station): their headings, their words, and why a
// cell or a paste is refused.

#include <string>


namespace capset {

// A percentage with its sign and three decimals: "+5.000%", "-4.000%", "0.000%".
std::string SignedPercent(double percent);

// The pages.
inline constexpr char kPlanPage[] = "平面";
inline constexpr char kProfilePage[] = "纵断面";
inline constexpr char kSectionPage[] = "横断面";

// The 变坡点 table's headings and the curve kinds as its 竖曲线 column takes them.
inline constexpr char kPviHeader[] = "变坡点";
inline constexpr char kPviStationHeader[] = "桩号";
inline constexpr char kPviElevationHeader[] = "高程";
inline constexpr char kPviCurveHeader[] = "竖曲线";
inline constexpr char kPviRadiusHeader[] = "R";
inline constexpr char kPviLengthHeader[] = "长度 L / L1";
inline constexpr char kPviLength2Header[] = "L2";
inline constexpr char kCurveByRadius[] = "R";
inline constexpr char kCurveByLength[] = "长度";
inline constexpr char kCurveAsymmetric[] = "非对称";
inline constexpr char kCurveCircle[] = "圆曲线";

// Why a cell of the heights tables does not read.
inline constexpr char kHeightsCellEmpty[] = "须填写。";
inline constexpr char kHeightsNotNumber[] = "不是数值。";
inline constexpr char kHeightsNotKind[] = "竖曲线须为 R（按半径）、长度、非对称或圆曲线；空着按半径。";
inline constexpr char kHeightsCellUnused[] = "这种竖曲线不用这一格，须空着。";
inline constexpr char kHeightsTooFewRows[] = "纵断面至少要有两个变坡点（起点和终点）。";
inline constexpr char kHeightsEndHasCurve[] = "纵断面的起点和终点不设竖曲线，这一格须空着或为 0。";
inline constexpr char kHeightsNotPositive[] = "须大于 0。";
inline constexpr char kHeightsNotSide[] = "须为左或右（left、right）。";
inline constexpr char kHeightsNotAxis[] = "须为中线、内边缘或外边缘（centre、inner、outer）。";
inline constexpr char kHeightsNotJd[] = "须为交点号，如 3 或 JD3。";
inline constexpr char kHeightsStationsOrJd[] = "过渡段写四个桩号，或只写交点号，不能两样都写。";
inline constexpr char kHeightsNeedStations[] = "须写四个桩号（或只写交点号）。";
inline constexpr char kHeightsNeedSide[] = "按桩号给出的过渡段须写内侧（左或右）。";
// "“120000000”超出了 -100000000 至 100000000 m 的范围。"
std::string HeightsRangeText(const std::string& typed, double low, double high, const char* unit);

// The profile page.
inline constexpr char kPviInsertButton[] = "插入行";
inline constexpr char kPviRemoveButton[] = "删除行";
inline constexpr char kPviPasteButton[] = "粘贴";
inline constexpr char kHeightsApplyButton[] = "应用";
inline constexpr char kProfileClearButton[] = "清除纵断面";
inline constexpr char kVerticalCurvesLabel[] = "竖曲线要素";
inline constexpr char kProfileViewLabel[] = "纵断面图";
inline constexpr char kProfileReads[] = "表中的纵断面无误。点击“应用”后作为作业的纵断面。";
inline constexpr char kProfileIsJobs[] = "表中是作业当前的纵断面。";
inline constexpr char kProfileApplied[] = "纵断面已应用为作业的纵断面。";
inline constexpr char kProfileNotApplied[] = "纵断面没有应用，作业的纵断面没有改变：";
inline constexpr char kProfileCleared[] = "作业已没有纵断面。";
inline constexpr char kProfileNone[] = "作业还没有纵断面：在表中输入变坡点（桩号、高程、竖曲线），点击“应用”。";
inline constexpr char kProfileNoRoad[] = "作业还没有路线：桩号按里程读，有路线后按路线的断链换算。";
// The job's profile no longer fits its road: "作业的纵断面与现在的路线不符，暂无高程：" and why.
inline constexpr char kProfileOffRoad[] = "作业的纵断面与现在的路线不符，暂无高程：";
inline constexpr char kProfileHint[] = "滚轮缩放，拖动平移，F 或 Home 键显示全线。竖向比例放大显示。";
// "纵横比 1:10（竖向放大 10 倍）"
std::string ExaggerationText(double ratio);
// The status line under the mouse: "K5+010.000  设计高程 425.455  坡度 +3.000%  光标高程 428.100".
std::string ProfilePositionText(const std::string& station, double elevation, double gradePercent, double cursor);
// A place of the view with no profile height: "K5+300.000  纵断面外".
std::string ProfileOutsideText(const std::string& station);
inline constexpr char kProfileOutside[] = "纵断面外";
// A row of the 变坡点 table named in a sentence: "第 3 行（变坡点）桩号：" .
std::string PviCellWhere(int row, const std::string& header);
// A paste that took nothing, and why.
inline constexpr char kPasteNothing[] = "剪贴板中没有可粘贴的内容。";
// "第 2 行有 6 个数值，不知放入哪些列：变坡点的行为 桩号 高程 [R]，或 桩号 高程 竖曲线 数值…"
std::string PviPasteTooManyText(int line, int numbers);
std::string PviPasteNoStationText(int line, const std::string& field);
std::string PviPasteKindText(int line, const std::string& word);

// The 竖曲线要素 table's headings and words.
inline constexpr char kVcPviHeader[] = "变坡点桩号";
inline constexpr char kVcElevationHeader[] = "高程";
inline constexpr char kVcGrade1Header[] = "i1 %";
inline constexpr char kVcGrade2Header[] = "i2 %";
inline constexpr char kVcOmegaHeader[] = "ω %";
inline constexpr char kVcShapeHeader[] = "凸/凹";
inline constexpr char kVcBvcHeader[] = "起点桩号";
inline constexpr char kVcBvcElevationHeader[] = "起点高程";
inline constexpr char kVcEvcHeader[] = "终点桩号";
inline constexpr char kVcEvcElevationHeader[] = "终点高程";
inline constexpr char kVcTurnHeader[] = "最高/最低点";
inline constexpr char kVcTurnElevationHeader[] = "其高程";
inline constexpr char kVcNumberHeader[] = "序号";
inline constexpr char kCrestWord[] = "凸形";
inline constexpr char kSagWord[] = "凹形";
inline constexpr char kHighPointWord[] = "最高点";
inline constexpr char kLowPointWord[] = "最低点";
inline constexpr char kCircleMark[] = "（圆）";
inline constexpr char kAsymmetricMark[] = "（非对称）";

// The section page.
inline constexpr char kCrownLabel[] = "路拱横坡 ig（%）：";
inline constexpr char kLeftWidthLabel[] = "左半幅宽（m）：";
inline constexpr char kRightWidthLabel[] = "右半幅宽（m）：";
inline constexpr char kDesignLineLabel[] = "设计高程位置（距中线 m，左负右正）：";
inline constexpr char kSuperFormLabel[] = "超高：";
inline constexpr char kSuperByTransitions[] = "超高过渡段";
inline constexpr char kSuperBySlopes[] = "超高表（逐桩横坡）";
inline constexpr char kTsHeader[] = "起点 TS";
inline constexpr char kFsHeader[] = "全超高起 FS";
inline constexpr char kFeHeader[] = "全超高止 FE";
inline constexpr char kTeHeader[] = "终点 TE";
inline constexpr char kSuperJdHeader[] = "交点";
inline constexpr char kSuperEHeader[] = "超高 e %";
inline constexpr char kInnerSideHeader[] = "内侧";
inline constexpr char kAxisHeader[] = "旋转轴";
inline constexpr char kSlopeStationHeader[] = "桩号";
inline constexpr char kLeftSlopeHeader[] = "左侧横坡 %";
inline constexpr char kRightSlopeHeader[] = "右侧横坡 %";
inline constexpr char kAxisCentre[] = "中线";
inline constexpr char kAxisInner[] = "内边缘";
inline constexpr char kAxisOuter[] = "外边缘";
inline constexpr char kAddRowButton[] = "添加行";
inline constexpr char kSectionAtLabel[] = "查看桩号：";
inline constexpr char kSectionReads[] = "横断面无误。点击“应用”后作为作业的横断面。";
inline constexpr char kSectionIsJobs[] = "这是作业当前的横断面。";
inline constexpr char kSectionApplied[] = "横断面已应用为作业的横断面。";
inline constexpr char kSectionNotApplied[] = "横断面没有应用，作业的横断面没有改变：";
inline constexpr char kSectionNoProfile[] = "作业还没有纵断面：横断面图只画横坡，没有高程。";
inline constexpr char kSectionBothForms[] = "超高过渡段和超高表只能用一种：另一种的行须清空。";
// The section drawn: "左 -2.000%", "中线 426.100", "设计线".
std::string SlopeLabel(bool left, double percent);
std::string EdgeLabel(const char* where, double elevation);
inline constexpr char kLeftEdgeWord[] = "左边缘";
inline constexpr char kRightEdgeWord[] = "右边缘";
inline constexpr char kCentreWord[] = "中线";
inline constexpr char kDesignLineWord[] = "设计线";
// "K5+010.000 处的横断面（高程 m，横坡 %）"
std::string SectionCaption(const std::string& station);
// "第 2 行 超高 e %：" for a transition or slope cell.
std::string SectionCellWhere(const char* table, int row, const std::string& header);
inline constexpr char kTransitionsTable[] = "超高过渡段";
inline constexpr char kSlopesTable[] = "超高表";

}  // namespace capset
