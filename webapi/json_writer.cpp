#include "json_writer.h"

#include <cmath>

#include <nlohmann/json.hpp>

namespace capset::web {

void JsonWriter::Number(double value) {
  Value();
  // The JSON library's own form: the shortest digits that read back, and
  // a ".0" on a whole number; a value that is no number is null.
  if (!std::isfinite(value)) {
    out_ += "null";
    return;
  }
  char digits[64];
  const char* end = nlohmann::detail::to_chars(digits, digits + sizeof digits, value);
  out_.append(digits, static_cast<std::size_t>(end - digits));
}

void JsonWriter::Escaped(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  out_ += '"';
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out_ += "\\\""; break;
      case '\\': out_ += "\\\\"; break;
      case '\b': out_ += "\\b"; break;
      case '\f': out_ += "\\f"; break;
      case '\n': out_ += "\\n"; break;
      case '\r': out_ += "\\r"; break;
      case '\t': out_ += "\\t"; break;
      default:
        if (u < 0x20) {
          out_ += "\\u00";
          out_ += kHex[u >> 4];
          out_ += kHex[u & 15];
        } else {
          out_ += c;
        }
    }
  }
  out_ += '"';
}

}  // namespace capset::web
