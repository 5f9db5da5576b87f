#pragma once
// The road's words in the window: its menu items, the file dialogs, the
// alignment picker, the road window and the plan.

namespace capset {

inline constexpr char kImportRoadItem[] = "导入路线(&I)…";
inline constexpr char kExportRoadItem[] = "导出路线(&D)…";
inline constexpr char kRoadItem[] = "路线(&R)…";
inline constexpr char kImportRoadTitle[] = "导入路线（LandXML）";
inline constexpr char kExportRoadTitle[] = "导出路线（LandXML）";
inline constexpr char kLandXmlFilter[] = "LandXML 文件 (*.xml *.landxml)";
inline constexpr char kAllFilesFilter[] = "所有文件 (*)";
inline constexpr char kRoadFileName[] = "路线.xml";
inline constexpr char kRoadName[] = "路线";  // an exported alignment's name

inline constexpr char kPickAlignmentTitle[] = "选择路线";
inline constexpr char kPickAlignmentLabel[] = "文件中有多条路线，请选择要读入的一条：";
inline constexpr char kAlignmentNameHeader[] = "名称";
inline constexpr char kAlignmentLengthHeader[] = "长度（米）";
inline constexpr char kAlignmentStartHeader[] = "起点桩号";
inline constexpr char kAlignmentRefused[] = "（不能读入）";

// The road window's table headings.
inline constexpr char kPointHeader[] = "点";
inline constexpr char kKindHeader[] = "类型";
inline constexpr char kStationHeader[] = "桩号";
inline constexpr char kJdStationHeader[] = "交点桩号";
inline constexpr char kNorthHeader[] = "X (北)";
inline constexpr char kEastHeader[] = "Y (东)";
inline constexpr char kAzimuthHeader[] = "方位角";
inline constexpr char kLengthHeader[] = "长度";
inline constexpr char kTurnHeader[] = "转向";
inline constexpr char kBackHeader[] = "断前桩号";
inline constexpr char kAheadHeader[] = "断后桩号";
// The curve table's first two headings and the key point table's.
inline constexpr char kJdHeader[] = "交点";
inline constexpr char kTurnAngleHeader[] = "转角 α";
// The plan's status line: a point's side of the centreline and its offset.
inline constexpr char kLeftSide[] = "左";
inline constexpr char kRightSide[] = "右";
inline constexpr char kOffsetWord[] = "偏距";

}  // namespace capset

namespace capset {

// The road window's tables: a cell that does not read, and the row names.
inline constexpr char kCellEmpty[] = "须填写。";
inline constexpr char kCellNotKind[] = "类型须为直线、圆曲线或缓和曲线（line、arc、spiral）。";
inline constexpr char kCellSameRadii[] = "缓和曲线两端的半径不能相同（相同时是圆曲线或直线）。";
inline constexpr char kLineWord[] = "直线";
inline constexpr char kArcWord[] = "圆曲线";
inline constexpr char kSpiralWord[] = "缓和曲线";
inline constexpr char kLeftWord[] = "左";
inline constexpr char kRightWord[] = "右";
inline constexpr char kStartRowName[] = "起点";

}  // namespace capset

namespace capset {

// The road window.
inline constexpr char kRoadWindowTitle[] = "路线";
inline constexpr char kRoadFormLabel[] = "输入方式：";
inline constexpr char kIntersectionFormItem[] = "交点法（BP、JD、EP）";
inline constexpr char kElementFormItem[] = "线元法（起点、线元）";
inline constexpr char kInsertRowButton[] = "插入行";
inline constexpr char kRemoveRowButton[] = "删除行";
inline constexpr char kRowUpButton[] = "上移";
inline constexpr char kRowDownButton[] = "下移";
inline constexpr char kPasteButton[] = "粘贴";
inline constexpr char kEquationsLabel[] = "断链：";
inline constexpr char kAddEquationButton[] = "添加断链";
inline constexpr char kRemoveEquationButton[] = "删除断链";
inline constexpr char kApplyButton[] = "应用";
inline constexpr char kCloseButton[] = "关闭";
inline constexpr char kCurvesTab[] = "曲线要素";
inline constexpr char kKeyPointsTab[] = "主点";
inline constexpr char kPlanTab[] = "平面图";
inline constexpr char kRoadApplied[] = "路线已应用为作业的路线。";
inline constexpr char kRoadNotApplied[] = "表中的路线有错误，作业的路线没有改变：";
inline constexpr char kRoadReads[] = "表中的路线无误。点击“应用”后作为作业的路线。";
inline constexpr char kRoadIsJobs[] = "表中是作业当前的路线。";
inline constexpr char kNoCurveTableHere[] = "线元法的路线没有交点，没有曲线要素表。";
inline constexpr char kCannotSwitchForm[] = "表中的路线有错误或不能用另一种方式表示，没有转换：";
inline constexpr char kPlanHint[] = "滚轮缩放，拖动平移，F 或 Home 键显示全线。";

}  // namespace capset
