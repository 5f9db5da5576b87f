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
  // Runs of characters that need no escape go in at once: nearly all of a
  // text does, and a byte at a time is most of the writing's cost.
  std::size_t run = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto u = static_cast<unsigned char>(text[i]);
    if (u >= 0x20 && u != '"' && u != '\\') continue;
    out_.append(text.data() + run, i - run);
    run = i + 1;
    switch (u) {
      case '"': out_ += "\\\""; break;
      case '\\': out_ += "\\\\"; break;
      case '\b': out_ += "\\b"; break;
      case '\f': out_ += "\\f"; break;
      case '\n': out_ += "\\n"; break;
      case '\r': out_ += "\\r"; break;
      case '\t': out_ += "\\t"; break;
      default: {
        const char escape[] = {'\\', 'u', '0', '0', kHex[u >> 4], kHex[u & 15]};
        out_.append(escape, sizeof escape);
      }
    }
  }
  out_.append(text.data() + run, text.size() - run);
  out_ += '"';
}

}  // namespace capset::web
