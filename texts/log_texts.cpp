#include "log_texts.h"

#include "fault_texts.h"
#include "sketch_texts.h"
#include "solver_texts.h"

namespace capset {

std::string SolverKindText(Solver solver) {
  return std::string(SpiralEndName(EndOf(solver))) + " 端 " + (solver == Solver::kCmd5 ? "正交" : "斜交");
}

std::string PlacedRowStatus(const CapSolution& solution, const CapWarnings& warnings) {
  std::string status;
  for (bool inner : {true, false}) {
    if (const auto why = SideStatusText(solution, inner)) status += (status.empty() ? "" : " ") + *why;
  }
  if (status.empty()) status = kRowSolved;
  if (warnings.beyondEnd) status += "；" + SketchBeyondEnd(solution, *warnings.beyondEnd);
  if (!warnings.series.empty()) status += "；" + SketchSeriesDeparture(warnings.series);
  return status;
}

std::string AxisPointText(int number, const std::string& offset, const std::string& X, const std::string& Y) {
  return "P" + std::to_string(number) + "(" + offset + ") X " + X + " Y " + Y;
}

std::string AxisPointsListText(const std::vector<std::string>& points) {
  std::string text;
  for (const std::string& point : points) text += (text.empty() ? "" : "; ") + point;
  return text;
}

std::string RefusedRowStatus(Refusal refusal) { return std::string("未计算：") + RefusalText(refusal); }

std::string FaultRowStatus(const ArithmeticFault& fault) {
  return std::string(ErrorKindName(fault.kind)) + "：计算" + FaultPlaceName(fault.where) + "时出错，未得到结果。";
}

}  // namespace capset
