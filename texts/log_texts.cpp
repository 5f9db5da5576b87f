#include "log_texts.h"

#include "fault_texts.h"
#include "solver_texts.h"

namespace capset {

std::string SolverKindText(Solver solver) {
  return std::string(SpiralEndName(EndOf(solver))) + " 端 " + (solver == Solver::kCmd5 ? "正交" : "斜交");
}

std::string RefusedRowStatus(Refusal refusal) { return std::string("未计算：") + RefusalText(refusal); }

std::string FaultRowStatus(const ArithmeticFault& fault) {
  return std::string(ErrorKindName(fault.kind)) + "：计算" + FaultPlaceName(fault.where) + "时出错，未得到结果。";
}

}  // namespace capset
