#pragma once
// A JSON text written as it goes, for the answers that carry thousands of
// rows (a bridge's points): building them as a document first costs an
// allocation and a destruction per value, several times the work of the
// bridge's solve itself. Strings are escaped and numbers written exactly
// as the JSON library writes its own documents, so the answer reads the
// same whichever way it was made.

#include <optional>
#include <string>
#include <string_view>

namespace capset::web {

class JsonWriter {
 public:
  explicit JsonWriter(std::string& out) : out_(out) {}

  void BeginObject() { Value(), out_ += '{', first_ = true; }
  void EndObject() { out_ += '}', first_ = false; }
  void BeginArray() { Value(), out_ += '[', first_ = true; }
  void EndArray() { out_ += ']', first_ = false; }
  // The key of the next value in an object.
  void Key(std::string_view key) {
    Value();
    Escaped(key);
    out_ += ':';
    afterKey_ = true;
  }
  void String(std::string_view text) { Value(), Escaped(text); }
  void Number(double value);
  void Null() { Value(), out_ += "null"; }
  void Bool(bool value) { Value(), out_ += value ? "true" : "false"; }

  // Key and value at once.
  void Field(std::string_view key, std::string_view text) { Key(key), String(text); }
  void Field(std::string_view key, const char* text) { Key(key), String(text); }
  void Field(std::string_view key, double value) { Key(key), Number(value); }
  void Field(std::string_view key, const std::optional<double>& value) {
    Key(key);
    value ? Number(*value) : Null();
  }

 private:
  // A comma before any value but the first of its object or array.
  void Value() {
    if (afterKey_) {
      afterKey_ = false;
      return;
    }
    if (!first_) out_ += ',';
    first_ = false;
  }
  void Escaped(std::string_view text);

  std::string& out_;
  bool first_ = true;
  bool afterKey_ = false;
};

}  // namespace capset::web
