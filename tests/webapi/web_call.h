#pragma once
// A WebSession driven as the page drives it: requests built as JSON,
// answers parsed back, and the script dialogue beside it for the desktop's
// numbers and files.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "number_text.h"
#include "transcript.h"
#include "web_session.h"

namespace capset::testing {

using Json = nlohmann::json;

inline Json Call(WebSession& session, const Json& request) {
  const std::string answer = session.Call(request.dump());
  return Json::parse(answer);
}

inline Json CallText(WebSession& session, const std::string& request) { return Json::parse(session.Call(request)); }

inline std::vector<std::string> Lines(std::initializer_list<const char*> lines) {
  return std::vector<std::string>(lines.begin(), lines.end());
}

// The script's lines of one tag ("SP", "KEY"), split into fields after the tag.
inline std::vector<std::vector<std::string>> Tagged(const Transcript& t, const std::string& tag) {
  std::vector<std::vector<std::string>> out;
  for (const std::string& e : t.events)
    if (e.starts_with(tag + "\t")) out.push_back(TabFields(e.substr(tag.size() + 1)));
  return out;
}

// A number of an answer as the script prints metres: six decimals.
inline std::string Six(const Json& value) { return value.is_null() ? "-" : FixedText(value.get<double>(), 6); }

// The lines joined as a script block.
inline std::string Block(const std::string& head, const std::vector<std::string>& lines) {
  std::string block = head + "\n";
  for (const std::string& line : lines) block += line + "\n";
  return block + "@end\n";
}

}  // namespace capset::testing
