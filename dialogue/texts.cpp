#include "texts.h"

#include "edge_iteration.h"

namespace capset {
namespace {

std::string BadAnswerMessage(ErrorKind kind, const std::string& why, const std::string& prompt) {
  return std::string(ErrorKindName(kind)) + "：" + why + "\n问题：" + prompt + "\n请重新输入。";
}

std::string Quoted(const std::string& answer) { return "“" + answer + "”"; }

}  // namespace

const char* ErrorKindName(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::kTypeMismatch: return "类型不匹配";
    case ErrorKind::kOverflow: return "溢出";
    case ErrorKind::kDivisionByZero: return "除数为零";
    case ErrorKind::kInvalidOperation: return "无效运算";
  }
  return "错误";
}

const char* FaultPlaceName(FaultPlace place) {
  switch (place) {
    case FaultPlace::kSeries: return "缓和曲线坐标级数";
    case FaultPlace::kChord: return "弦长";
    case FaultPlace::kDeflection: return "弦偏角";
    case FaultPlace::kTangentAngle: return "切线角";
    case FaultPlace::kCoordinate: return "坐标";
    case FaultPlace::kBearing: return "方位角";
    case FaultPlace::kStartValue: return "垂足点起始值";
    case FaultPlace::kDms: return "度分秒换算";
    case FaultPlace::kRound3: return "三位小数取整";
    case FaultPlace::kNumberText: return "数值显示";
    case FaultPlace::kStationText: return "桩号显示";
  }
  return "";
}

const char* RefusalText(Refusal refusal) {
  switch (refusal) {
    case Refusal::kAxisParallel: return "交角 B 为 0 或 180 度，盖梁横轴与中线平行，与路基边缘没有交点。";
    case Refusal::kA1Zero: return "缓和曲线要素 A1 为 0。";
    case Refusal::kKjBeforeZH: return "设计中桩桩号 Kj 小于直缓点桩号 ZH，盖梁不在缓和曲线上。";
    case Refusal::kNoDeflection: return "P = 0，无法判别曲线正偏或反偏，须输入 P>0 或 P<0。";
    case Refusal::kKpBeforeZH: return "Kp 小于直缓点桩号，盖梁中心不在缓和曲线上。";
    case Refusal::kKpAfterHZ: return "Kp 大于缓直点桩号，盖梁中心不在缓和曲线上。";
    case Refusal::kDRZero: return "DR 不能为 0。";
    case Refusal::kPrecisionNotPositive: return "计算精度须大于 0。";
  }
  return "";
}

std::string NotANumberMessage(const std::string& answer, const std::string& prompt) {
  const bool blank = answer.find_first_not_of(' ') == std::string::npos;
  return BadAnswerMessage(ErrorKind::kTypeMismatch, blank ? "没有输入数值。" : Quoted(answer) + "不是数值。", prompt);
}

std::string OutOfRangeMessage(const std::string& answer, const std::string& prompt) {
  return BadAnswerMessage(ErrorKind::kOverflow, Quoted(answer) + "超出数值范围。", prompt);
}

std::string FloatRangeMessage(const std::string& prompt) {
  return BadAnswerMessage(ErrorKind::kOverflow, "数值超出单精度数的范围。", prompt);
}

std::string PRangeMessage(const std::string& prompt) {
  return BadAnswerMessage(ErrorKind::kOverflow, "P 须在 -32768 至 32767 之间。", prompt);
}

std::string FaultOnAnswerMessage(const ArithmeticFault& fault, const std::string& prompt) {
  return BadAnswerMessage(fault.kind, std::string("用这个数值计算") + FaultPlaceName(fault.where) + "时出错。", prompt);
}

std::string RefusedAnswerMessage(Refusal refusal, const std::string& prompt) {
  return std::string("输入值不能用于计算：") + RefusalText(refusal) + "\n问题：" + prompt + "\n请重新输入。";
}

std::string RefusedJobMessage(Refusal refusal) {
  return std::string("无法计算：") + RefusalText(refusal) + "\n请点击“开 始”重新输入数据。";
}

std::string SolverFaultMessage(const ArithmeticFault& fault) {
  return std::string(ErrorKindName(fault.kind)) + "：计算" + FaultPlaceName(fault.where) +
         "时出错，计算已停止。\n结果框保持上一次的计算结果。";
}

std::optional<std::string> SideStatusText(const CapSolution& solution, bool inner) {
  const std::string side = inner ? "内侧" : "外侧";
  switch ((inner ? solution.inner : solution.outer).status) {
    case SideStatus::kSolved:
      return std::nullopt;
    case SideStatus::kFootOffSpiral:
      return side + "未计算：其垂足点将位于 " +
             (solution.end == SpiralEnd::kZH ? "ZH 之前" : "HZ 之后") + "，不在缓和曲线上。";
    case SideStatus::kBoundReached:
      return side + "未收敛：迭代 " + std::to_string(kMaxEdgeRounds) + " 次仍未达到要求的精度。";
    case SideStatus::kRanAway:
      break;
  }
  return side + "未收敛：迭代发散，未能达到要求的精度（盖梁与中线交角过小或过大）。";
}

std::optional<std::string> UnsolvedSidesNotice(const CapSolution& solution) {
  std::string notice;
  for (bool inner : {true, false}) {
    if (const auto why = SideStatusText(solution, inner)) notice += *why + "\n";
  }
  if (notice.empty()) return std::nullopt;
  return notice + "未求得结果的一侧，其四个结果框已清空。";
}

}  // namespace capset
