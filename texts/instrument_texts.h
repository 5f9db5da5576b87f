#pragma once
// What the instruments' own files say: a point that a GSI-16 or PNEZD file
// cannot carry, a bad line of one read back, the export's refusals, and
// the window's words for them.

#include <string>
#include <vector>

#include "bridge_export_texts.h"  // SharedPointName

namespace capset {

// The formats by the names a surveyor knows them by.
inline constexpr char kGsiFormatName[] = "GSI";
inline constexpr char kGsi16FormatName[] = "GSI-16";
inline constexpr char kPnezdFormatName[] = "PNEZD";
inline constexpr char kCassFormatName[] = "CASS .dat";

// Why a point's name cannot be a GSI point number.
std::string GsiNameTooLong(const std::string& name, std::size_t most);
std::string GsiNameNotPlain(const std::string& name);
std::string GsiNameLeadingZero(const std::string& name);
// A point whose coordinates or height cannot be written (beyond 16 digits, or not a number).
std::string PointNotWritable(const std::string& name);

// The export refused: the format, the file and the reason.
std::string InstrumentExportRefused(const std::string& format, const std::string& file, const std::string& reason);
// Two bridges whose bents give points of one name, each with its bridges.
std::string SharedBridgePointNames(const std::vector<SharedPointName>& shared);
inline constexpr char kNothingForInstrument[] =
    "没有可导出的点：还没有桥，结果记录中也没有盖梁。";

// A GSI line read back.
inline constexpr char kNotAGsiBlock[] =
    "不是 GSI 数据块：每个字为两位字号、四位附加信息、正负号和 8 位或 16 位数据，字间以空格分开。";
inline constexpr char kGsiNoPointNumber[] = "缺少点号（字 11）。";
inline constexpr char kGsiNoCoordinates[] = "没有坐标：缺少字 81（东坐标 E）或字 82（北坐标 N）。";
// "字 81 的单位位“1”不是以米计的坐标：…"
std::string GsiUnitNotMetres(int word, char unit);
std::string GsiDataNotNumber(int word);
// A PNEZD line read back.
inline constexpr char kNotAPnezdPoint[] = "不是点。PNEZD 文件每行为“点名,N(X),E(Y),高程,说明”。";
// A file whose bytes fit two formats, read as the one its ending names.
std::string PointFileReadAs(const std::string& file, const std::string& format);

// The main window.
inline constexpr char kExportGsiItem[] = "导出仪器文件 GSI-16(&G)…";
inline constexpr char kExportPnezdItem[] = "导出仪器文件 PNEZD(&N)…";
inline constexpr char kGsiFilter[] = "GSI-16 文件 (*.gsi)";
inline constexpr char kPnezdFilter[] = "PNEZD 文件 (*.csv *.txt)";
inline constexpr char kPointFileFilter[] = "点文件 (*.dat *.csv *.gsi *.txt);;所有文件 (*)";
// The status bar after an export: how many points, where.
std::string InstrumentExportDone(int points, const std::string& path);

}  // namespace capset
