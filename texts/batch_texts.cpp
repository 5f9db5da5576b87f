#include "batch_texts.h"

#include "log_texts.h"
#include "marks.h"
#include "solver_texts.h"

namespace capset {

std::string BatchNoSolverMessage(NoSolverReason reason) {
  return std::string("无法批量计算：") + NoSolverReasonText(reason);
}

std::string BatchFieldProblem(const std::string& field, const std::string& reason) { return field + "：" + reason; }

std::string BatchLineProblem(int line, const std::string& text, const std::string& reason) {
  return "第 " + std::to_string(line) + " 行" + Quoted(text) + "：" + reason;
}

std::string DuplicateNameReason(const std::string& name, int firstLine) {
  return "名称" + Quoted(name) + "与第 " + std::to_string(firstLine) + " 行重复，每个盖梁的名称须不同。";
}

std::string TooManyStationsProblem(int most) {
  return "桩号：一次最多计算 " + std::to_string(most) + " 个盖梁，请分批计算。";
}

std::string TooManyOffsetsProblem(int most) {
  return std::string(kBatchOffsetsField) + "：最多 " + std::to_string(most) + " 个。";
}

std::string BatchRejectedMessage(const std::vector<std::string>& problems, std::size_t most) {
  std::string message = "批量计算未进行，请改正以下各项：";
  for (std::size_t i = 0; i < problems.size() && i < most; ++i) message += "\n" + problems[i];
  if (problems.size() > most) message += "\n……另有 " + std::to_string(problems.size() - most) + " 项。";
  return message;
}

std::string BatchSummaryMessage(int caps, int fullySolved, int pastSpiralEnd) {
  const std::string done = "批量计算完成：共 " + std::to_string(caps) + " 个盖梁";
  if (fullySolved == caps) return done + "，全部求得结果。";
  std::string text = done + "，" + std::to_string(fullySolved) + " 个求得全部结果";
  if (pastSpiralEnd > 0) {
    text += "，" + std::to_string(pastSpiralEnd) + " 个超出缓和曲线终点（窗口公式在圆曲线上不成立，结果不可靠，请改用精确计算）";
  }
  if (const int unsolved = caps - fullySolved - pastSpiralEnd; unsolved > 0) {
    text += "，" + std::to_string(unsolved) + " 个未能全部求得";
  }
  return text + "，原因见结果记录的“状态”栏。";
}

std::string BatchRepeatQuestion(const std::vector<int>& earlierRows) {
  return "同一作业的这批盖梁已经计算过，结果记录中有其" + RowListText(earlierRows) +
         "。\n替换：删去原来的这些行（可以撤销），写入新的结果；\n添加：保留原来的行，新的结果另起一行。";
}

}  // namespace capset
