#pragma once
// What the browser module says of a request it cannot read, and of input
// it refuses before the core reads it. The page shows these as it shows the
// core's own refusals.

#include <cstddef>
#include <string>

namespace capset {

std::string RequestNotJsonText(const std::string& why);
inline constexpr char kRequestNotObject[] = "请求应为一个 JSON 对象。";
inline constexpr char kRequestNoOp[] = "请求缺少操作名 op（字符串）。";
std::string RequestUnknownOpText(const std::string& op);
std::string RequestMissingText(const std::string& argument);
std::string RequestWrongTypeText(const std::string& argument, const char* expected);
inline constexpr char kExpectText[] = "字符串";
inline constexpr char kExpectLines[] = "字符串数组";
inline constexpr char kExpectNumber[] = "数";
inline constexpr char kExpectBool[] = "true 或 false";
std::string RequestTooBigText(std::size_t most);
std::string RequestTooDeepText(int most);
std::string RequestTooManyLinesText(const std::string& argument, std::size_t most);
// A typed line longer than any line of a road, a bridge or a profile.
std::string LineTooLongText(int line, std::size_t most);
std::string RequestExportFormatText(const std::string& format);
// A fault the module caught instead of letting it end the page.
std::string InternalFaultText(const std::string& what);

std::string NoSuchTemplateText(const std::string& name);
std::string ReadyTemplateStaysText(const std::string& name);

}  // namespace capset
