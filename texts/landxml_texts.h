#pragma once
// What the road's files say: a LandXML file read or refused, a road written.

#include <optional>
#include <string>

#include "landxml_problem.h"

namespace capset {

// A file that gives no road: the file, the element and its line, the
// reason; the road stays as it was.
std::string LandXmlRefusedMessage(const std::string& file, const LandXmlProblem& problem);
// The reason alone, as the message above gives it after the element.
std::string LandXmlReasonText(const LandXmlProblem& problem);
// The road could not be written, with the system's reason.
std::string LandXmlUnwritableMessage(const std::string& file, const std::string& reason);
inline constexpr char kNoRoadToExport[] = "还没有路线，没有可导出的内容：请先输入路线或导入路线文件。";
// The status bar after an import and an export.
// `profile`: the name of the profile read with the road, when one was.
std::string RoadImportedText(const std::string& file, const std::string& alignment,
                             const std::optional<std::string>& profile = std::nullopt);
std::string RoadExportedText(const std::string& file);
// What a refused file lacks (LandXmlFault::kMissing's `value`), in the
// window's words with the file's own name in brackets.
inline constexpr char kLandXmlGeometryPart[] = "平面线形（CoordGeom）";
inline constexpr char kLandXmlStaBack[] = "属性 staBack";
inline constexpr char kLandXmlStaAhead[] = "属性 staAhead";
inline constexpr char kLandXmlRotPart[] = "转向（属性 rot）";
inline constexpr char kLandXmlStartPart[] = "起点（Start）";
inline constexpr char kLandXmlEndPart[] = "终点（End）";
inline constexpr char kLandXmlRadiusPart[] = "半径（属性 radius）";
inline constexpr char kLandXmlLengthPart[] = "长度（属性 length）";
inline constexpr char kLandXmlRadiusStartPart[] = "起点半径（属性 radiusStart）";
inline constexpr char kLandXmlRadiusEndPart[] = "终点半径（属性 radiusEnd）";
inline constexpr char kLandXmlLengthInPart[] = "变坡点前的竖曲线长度（属性 lengthIn）";
inline constexpr char kLandXmlLengthOutPart[] = "变坡点后的竖曲线长度（属性 lengthOut）";
// A file in feet, read and converted to metres: it names the file and the unit.
std::string LandXmlUnitNotice(const std::string& file, const std::string& unit, bool surveyFoot);
// An alignment without a name, as a list names it.
inline constexpr char kUnnamedAlignment[] = "（无名称）";

}  // namespace capset
