#include "web_texts.h"

namespace capset {

std::string RequestNotJsonText(const std::string& why) { return "请求不是有效的 JSON：" + why; }

std::string RequestUnknownOpText(const std::string& op) { return "没有这个操作：“" + op + "”。"; }

std::string RequestMissingText(const std::string& argument) { return "请求缺少参数“" + argument + "”。"; }

std::string RequestWrongTypeText(const std::string& argument, const char* expected) {
  return "参数“" + argument + "”应为" + expected + "。";
}

std::string RequestTooBigText(std::size_t most) {
  return "请求过大：最多 " + std::to_string(most / (1024 * 1024)) + " MB。";
}

std::string RequestTooDeepText(int most) { return "请求嵌套过深：最多 " + std::to_string(most) + " 层。"; }

std::string RequestTooManyLinesText(const std::string& argument, std::size_t most) {
  return "参数“" + argument + "”的行数过多：最多 " + std::to_string(most) + " 行。";
}

std::string LineTooLongText(int line, std::size_t most) {
  return "第 " + std::to_string(line) + " 行过长：一行最多 " + std::to_string(most) + " 个字节。";
}

std::string RequestExportFormatText(const std::string& format) {
  return "没有这种导出格式：“" + format + "”（可用 dat、csv、gsi、pnezd）。";
}

std::string InternalFaultText(const std::string& what) { return "程序内部错误：" + what; }

std::string NoSuchTemplateText(const std::string& name) { return "没有名为“" + name + "”的模板。"; }

std::string ReadyTemplateStaysText(const std::string& name) {
  return "“" + name + "”是现成模板，不能删除。";
}

}  // namespace capset
