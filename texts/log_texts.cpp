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
  if (warnings.beyondEnd) {
    // Never "done": the warning leads, and what follows says what to do.
    status = SketchBeyondEnd(solution, *warnings.beyondEnd) + "，窗口公式的结果不可靠，请改用精确计算" +
             (status.empty() ? "" : "；" + status);
  } else if (status.empty()) {
    status = kRowSolved;
  }
  if (!warnings.series.empty()) status += "；" + SketchSeriesDeparture(warnings.series);
  return status;
}

std::string RowsDeletedText(int rows) {
  return "已删除 " + std::to_string(rows) + " 行结果（按 Ctrl+Z 恢复；当天的日志文件中仍保留这些行）。";
}

std::string RowListText(const std::vector<int>& numbers) {
  std::string text;
  for (std::size_t i = 0; i < numbers.size();) {
    std::size_t j = i + 1;
    while (j < numbers.size() && numbers[j] == numbers[j - 1] + 1) ++j;
    text += (text.empty() ? "" : "、") + std::to_string(numbers[i]);
    if (j - i > 1) text += "–" + std::to_string(numbers[j - 1]);
    i = j;
  }
  return "第 " + text + " 行";
}

std::string AxisPointHeading(int number, int part) {
  static constexpr const char* kParts[kAxisPointColumns] = {" 距中桩", " 纵座标 X", " 横座标 Y", " 线元"};
  return "P" + std::to_string(number) + kParts[part];
}

std::string ExactEdgeSideText(int side, const char* bend) {
  const std::string name = side < 0 ? "左侧" : "右侧";
  return *bend == '\0' ? name : name + "（" + bend + "）";
}

std::string RefusedRowStatus(Refusal refusal) { return std::string("未计算：") + RefusalText(refusal); }

std::string StationBeforeZHRowStatus(const std::string& station, const std::string& zh) {
  return "未计算：桩号 " + station + " 小于直缓点桩号 " + zh + "，盖梁不在缓和曲线上。";
}

std::string UnshownRowStatus(const ArithmeticFault& fault) {
  return std::string(ErrorKindName(fault.kind)) + "：" + FaultPlaceName(fault.where) + "时出错，本行的数值无法显示。";
}

std::string FaultRowStatus(const ArithmeticFault& fault) {
  return std::string(ErrorKindName(fault.kind)) + "：计算" + FaultPlaceName(fault.where) + "时出错，未得到结果。";
}

}  // namespace capset
