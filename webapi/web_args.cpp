#include "number_chars.h"
#include "web_ops.h"
#include "web_texts.h"

namespace capset::web {

std::string Args::Text(const char* key) const {
  const auto value = request_.find(key);
  if (value == request_.end()) throw RequestFault{RequestMissingText(key)};
  if (!value->is_string()) throw RequestFault{RequestWrongTypeText(key, kExpectText)};
  return value->get<std::string>();
}

std::optional<std::string> Args::OptionalText(const char* key) const {
  const auto value = request_.find(key);
  if (value == request_.end() || value->is_null()) return std::nullopt;
  if (!value->is_string()) throw RequestFault{RequestWrongTypeText(key, kExpectText)};
  return value->get<std::string>();
}

std::vector<std::string> Args::Lines(const char* key) const {
  const auto value = request_.find(key);
  if (value == request_.end()) throw RequestFault{RequestMissingText(key)};
  if (!value->is_array()) throw RequestFault{RequestWrongTypeText(key, kExpectLines)};
  if (value->size() > kMostLines) throw RequestFault{RequestTooManyLinesText(key, kMostLines)};
  std::vector<std::string> lines;
  lines.reserve(value->size());
  Refusal tooLong;
  for (const auto& line : *value) {
    if (!line.is_string()) throw RequestFault{RequestWrongTypeText(key, kExpectLines)};
    lines.push_back(line.get<std::string>());
    if (lines.back().size() > kMostLineBytes) {
      const int number = static_cast<int>(lines.size());
      tooLong.problems.push_back({number, LineTooLongText(number, kMostLineBytes), {}});
    }
  }
  if (!tooLong.problems.empty()) throw tooLong;
  return lines;
}

std::optional<std::vector<std::string>> Args::OptionalLines(const char* key) const {
  const auto value = request_.find(key);
  if (value == request_.end() || value->is_null()) return std::nullopt;
  return Lines(key);
}

std::optional<double> Args::OptionalNumber(const char* key) const {
  const auto value = request_.find(key);
  if (value == request_.end() || value->is_null()) return std::nullopt;
  if (!value->is_number()) throw RequestFault{RequestWrongTypeText(key, kExpectNumber)};
  return value->get<double>();
}

std::optional<std::string> Args::OptionalTyped(const char* key) const {
  const auto value = request_.find(key);
  if (value == request_.end() || value->is_null()) return std::nullopt;
  if (value->is_number()) return ShortestText(value->get<double>());
  if (!value->is_string()) throw RequestFault{RequestWrongTypeText(key, kExpectText)};
  return value->get<std::string>();
}

std::string Args::Typed(const char* key) const {
  std::optional<std::string> typed = OptionalTyped(key);
  if (!typed) throw RequestFault{RequestMissingText(key)};
  return std::move(*typed);
}

std::vector<std::string> Args::TypedList(const char* key) const {
  const auto value = request_.find(key);
  if (value == request_.end() || value->is_null()) return {};
  if (!value->is_array()) throw RequestFault{RequestWrongTypeText(key, kExpectLines)};
  if (value->size() > kMostLines) throw RequestFault{RequestTooManyLinesText(key, kMostLines)};
  std::vector<std::string> list;
  for (const auto& item : *value) {
    if (item.is_number()) {
      list.push_back(ShortestText(item.get<double>()));
    } else if (item.is_string()) {
      list.push_back(item.get<std::string>());
    } else {
      throw RequestFault{RequestWrongTypeText(key, kExpectLines)};
    }
  }
  return list;
}

void WebState::RefuseIfReported() const {
  if (reporter.errors.empty()) return;
  Refusal refusal;
  for (const std::string& error : reporter.errors) refusal.problems.push_back({0, error, {}});
  throw refusal;
}

void RefuseWhole(const std::string& text) { throw Refusal{{{0, text, {}}}}; }

}  // namespace capset::web
