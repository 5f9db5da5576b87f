#include "messages.h"

namespace capset {

const char* ErrorKindName(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::kTypeMismatch: return "类型不匹配";
    case ErrorKind::kOverflow: return "溢出";
    case ErrorKind::kDivisionByZero: return "除数为零";
    case ErrorKind::kInvalidOperation: return "无效运算";
  }
  return "错误";
}

std::string BadAnswerMessage(ErrorKind kind, const std::string& why, const std::string& prompt) {
  return std::string(ErrorKindName(kind)) + "：" + why + "\n问题：" + prompt + "\n请重新输入。";
}

std::string RefusedAnswerMessage(const std::string& why, const std::string& prompt) {
  return "输入值不能用于计算：" + why + "\n问题：" + prompt + "\n请重新输入。";
}

std::string SolverFaultMessage(const ArithmeticFault& fault) {
  return std::string(ErrorKindName(fault.kind)) + "：计算" + fault.where +
         "时出错，计算已停止。\n结果框保持上一次的计算结果。";
}

std::string RefusedJobMessage(const std::string& why) {
  return "无法计算：" + why + "\n请点击“开 始”重新输入数据。";
}

}  // namespace capset
