#pragma once
// A small, strict JSON reader and writer for the program's own files. It
// reads RFC 8259 JSON and nothing else, refuses nesting deeper than a job
// file can need, and says where a text stops being JSON.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace capset {

struct JsonValue;
using JsonObject = std::map<std::string, JsonValue>;
using JsonArray = std::vector<JsonValue>;

struct JsonValue {
  std::variant<std::nullptr_t, bool, double, std::string, JsonArray, JsonObject> value;

  const std::string* String() const { return std::get_if<std::string>(&value); }
  const double* Number() const { return std::get_if<double>(&value); }
  const JsonObject* Object() const { return std::get_if<JsonObject>(&value); }
  const JsonArray* Array() const { return std::get_if<JsonArray>(&value); }
};

struct JsonError {
  std::size_t offset;  // bytes from the start of the text
  std::string what;
};

// Objects and arrays nest at most this deep; a job file needs three.
inline constexpr int kJsonMaxDepth = 16;

// The value of the whole text, or why it is not JSON.
std::variant<JsonValue, JsonError> ParseJson(const std::string& text);

// A string as a JSON string literal, quotes and escapes included.
std::string JsonQuoted(const std::string& text);

}  // namespace capset
