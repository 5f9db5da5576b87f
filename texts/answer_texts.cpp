#include "answer_texts.h"

#include "blanks.h"
#include "fault_texts.h"
#include "marks.h"
#include "solver_texts.h"

namespace capset {
namespace {

std::string BadAnswerMessage(ErrorKind kind, const std::string& why, const std::string& prompt) {
  return std::string(ErrorKindName(kind)) + "：" + why + "\n问题：" + prompt + "\n请重新输入。";
}

}  // namespace

std::string NotANumberMessage(const std::string& answer, const std::string& prompt) {
  return BadAnswerMessage(ErrorKind::kTypeMismatch, NotANumberReason(answer), prompt);
}

std::string KStationAnswerMessage(const std::string& answer, const std::string& metres, const std::string& prompt) {
  return BadAnswerMessage(ErrorKind::kTypeMismatch,
                          NotANumberReason(answer) + "桩号请以米为单位输入：" + Quoted(answer) + "即 " + metres + "。",
                          prompt);
}

std::string OutOfRangeMessage(const std::string& answer, const std::string& prompt) {
  return BadAnswerMessage(ErrorKind::kOverflow, OutOfRangeReason(answer), prompt);
}

std::string FloatRangeMessage(const std::string& prompt) {
  return BadAnswerMessage(ErrorKind::kOverflow, FloatRangeReason(), prompt);
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

std::string PackedSlipLine(const std::string& field, const std::string& entry, const std::string& read,
                           PackedSlip slip) {
  const char* why = slip.minutes && slip.seconds ? "分和秒都不小于 60" : slip.minutes ? "分不小于 60" : "秒不小于 60";
  return field + " = " + entry + " 读作 " + read + "：" + why;
}

std::string PackedSlipNotice(const std::vector<std::string>& lines) {
  std::string notice;
  for (const std::string& line : lines) notice += line + "\n";
  return notice + "角度按“度.分秒”输入，分和秒都应小于 60；如果输入有误，请点击“开 始”重新输入。";
}

std::string NoNumberReason() { return "没有输入数值。"; }

std::string NotANumberReason(const std::string& text) {
  // An answer of blanks alone is no answer, whichever blanks they are.
  return IsBlank(text) ? NoNumberReason() : Quoted(text) + "不是数值。";
}

std::string OutOfRangeReason(const std::string& text) { return Quoted(text) + "超出数值范围。"; }

std::string FloatRangeReason() { return "数值超出单精度数的范围。"; }

}  // namespace capset
