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

}  // namespace capset
