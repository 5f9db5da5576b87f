#include "sketch_texts.h"

#include <algorithm>
#include <cmath>

#include "angle_text.h"
#include "marks.h"
#include "number_text.h"
#include "solver_texts.h"
#include "station_text.h"

namespace capset {

std::string SketchRowCaption(int number, const std::string& name, double station) {
  return "结果记录第 " + std::to_string(number) + " 行：" + (name.empty() ? "" : name + "  ") + RoadStationText(station);
}

std::string SketchEndAndTurn(const CapSolution& s) {
  return CurveText(s.end, TurnOf(s.solver, s.design.P), " 端  ");
}

std::string SketchAxisAzimuth(double azimuth) {
  return "横轴方位角(中→外) " + AzimuthText(azimuth);
}

std::string SketchCapLength(const CapSolution& s) {
  if (s.inner.status != SideStatus::kSolved || s.outer.status != SideStatus::kSolved) {
    return "盖梁全长 —（有一侧未求得）";
  }
  return "盖梁全长 " + MetresText(s.inner.length + s.outer.length);
}

std::string SketchParallelAxis(double Kj) {
  return "横轴方向取自设计桩号 Kj " + RoadStationText(Kj) + "（各盖梁互相平行）";
}

std::string SketchToOrigin(SpiralEnd end, double distance) {
  return std::string(SpiralEndName(end)) + " " + MetresText(distance);
}

std::string SketchScaleLength(double metres) { return NumberText(metres, ".") + " m"; }

std::string SketchBeyondEnd(const CapSolution& s, const BeyondSpiralEnd& beyond) {
  // The station first, then Ls: a fault is always that of the first.
  const std::string station = FootStationText(beyond.endStation);
  const std::string Ls = MetresText(beyond.Ls);
  return std::string("超出缓和曲线终点 ") + SpiralEndPointName(s.end) + " " + station + "（Ls = " + Ls + "）";
}

std::string SketchSeriesDeparture(const std::vector<SeriesDeparture>& series) {
  double most = 0;
  for (const SeriesDeparture& d : series) most = std::max(most, d.difference);
  return "级数公式偏离精确回旋线 " + MillimetresText(most);
}

std::optional<ArithmeticFault> SketchBeyondEndFault(const BeyondSpiralEnd& beyond) {
  FirstFault first;
  first(StationFault(beyond.endStation, kFootStationForm));
  first(MetresFault(beyond.Ls));
  return first.fault;
}

std::optional<ArithmeticFault> SketchSeriesDepartureFault(const std::vector<SeriesDeparture>& series) {
  double most = 0;
  for (const SeriesDeparture& d : series) most = std::max(most, d.difference);
  return MillimetresFault(most);
}

}  // namespace capset
