#pragma once
// The plan sketch's own words: the names of what it draws and its notes.

#include <optional>
#include <string>
#include <vector>

#include "cap_solution.h"
#include "cap_warnings.h"
#include "fault.h"

namespace capset {

inline constexpr char kCentreMark[] = "中";
inline constexpr char kOuterMark[] = "外";
inline constexpr char kInnerMark[] = "内";
inline constexpr char kNorthMark[] = "N";
inline constexpr char kCentrelineName[] = "中线";
inline constexpr char kStraightName[] = "直线";
inline constexpr char kEdgeLineName[] = "路基边缘";
inline constexpr char kOuterAxisName[] = "横轴外侧";
inline constexpr char kInnerAxisName[] = "横轴内侧";
inline constexpr char kUnsolvedAxisSuffix[] = "(未求得)";
// The caption of a cap chosen in the log, shown instead of the boxes' cap:
// "结果记录第 5 行：3#  K 1+ 50".
std::string SketchRowCaption(int number, const std::string& name, double station);
std::string SketchEndAndTurn(const CapSolution& solution);       // "ZH 端  右偏"
std::string SketchAxisAzimuth(double azimuth);                   // "横轴方位角(中→外) 112°09′43.1″"
std::string SketchCapLength(const CapSolution& solution);        // "盖梁全长 17.329 m"
std::string SketchParallelAxis(double Kj);                       // when Kp ≠ Kj
std::string SketchToOrigin(SpiralEnd end, double distance);       // "ZH 50 m"
std::string SketchScaleLength(double metres);                     // "10 m"
std::string SketchBeyondEnd(const CapSolution& solution, const BeyondSpiralEnd& beyond);
std::string SketchSeriesDeparture(const std::vector<SeriesDeparture>& series);
// The faults those two would raise (a number too large to show), or nothing.
std::optional<ArithmeticFault> SketchBeyondEndFault(const BeyondSpiralEnd& beyond);
std::optional<ArithmeticFault> SketchSeriesDepartureFault(const std::vector<SeriesDeparture>& series);

}  // namespace capset
