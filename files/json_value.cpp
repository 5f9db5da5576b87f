#include "json_value.h"

#include <charconv>
#include <cmath>

#include "utf8.h"

namespace capset {
namespace {

class Parser {
 public:
  explicit Parser(const std::string& text) : text_(text) {}

  std::variant<JsonValue, JsonError> Whole() {
    SkipBlanks();
    JsonValue v = Value(0);
    if (error_) return *error_;
    SkipBlanks();
    if (at_ != text_.size()) return JsonError{at_, "多余的内容"};
    return v;
  }

 private:
  JsonValue Fail(std::string what) {
    if (!error_) error_ = JsonError{at_, std::move(what)};
    return {};
  }
  bool AtEnd() const { return at_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[at_]; }
  void SkipBlanks() {
    while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) ++at_;
  }
  bool Literal(const char* word) {
    const std::string w(word);
    if (text_.compare(at_, w.size(), w) != 0) return false;
    at_ += w.size();
    return true;
  }

  JsonValue Value(int depth) {
    if (error_) return {};
    if (AtEnd()) return Fail("文件在此处中断");
    const char c = Peek();
    if (c == '{' || c == '[') {
      if (depth >= kJsonMaxDepth) return Fail("嵌套层次过深");
      return c == '{' ? ObjectValue(depth + 1) : ArrayValue(depth + 1);
    }
    if (c == '"') {
      std::string s;
      if (!StringLiteral(s)) return {};
      return {s};
    }
    if (Literal("true")) return {true};
    if (Literal("false")) return {false};
    if (Literal("null")) return {nullptr};
    if (c == '-' || (c >= '0' && c <= '9')) return NumberValue();
    return Fail("不是 JSON 值");
  }

  JsonValue ObjectValue(int depth) {
    ++at_;  // {
    JsonObject object;
    SkipBlanks();
    if (Peek() == '}') {
      ++at_;
      return {object};
    }
    for (;;) {
      SkipBlanks();
      if (Peek() != '"') return Fail("应为字段名");
      std::string key;
      if (!StringLiteral(key)) return {};
      SkipBlanks();
      if (Peek() != ':') return Fail("应为“:”");
      ++at_;
      SkipBlanks();
      JsonValue v = Value(depth);
      if (error_) return {};
      if (object.contains(key)) return Fail("字段“" + key + "”重复");
      object.emplace(std::move(key), std::move(v));
      SkipBlanks();
      if (Peek() == ',') {
        ++at_;
        continue;
      }
      if (Peek() == '}') {
        ++at_;
        return {object};
      }
      return Fail("应为“,”或“}”");
    }
  }

  JsonValue ArrayValue(int depth) {
    ++at_;  // [
    JsonArray array;
    SkipBlanks();
    if (Peek() == ']') {
      ++at_;
      return {array};
    }
    for (;;) {
      SkipBlanks();
      array.push_back(Value(depth));
      if (error_) return {};
      SkipBlanks();
      if (Peek() == ',') {
        ++at_;
        continue;
      }
      if (Peek() == ']') {
        ++at_;
        return {array};
      }
      return Fail("应为“,”或“]”");
    }
  }

  // -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
  JsonValue NumberValue() {
    const std::size_t from = at_;
    auto digits = [&] {
      const std::size_t start = at_;
      while (!AtEnd() && Peek() >= '0' && Peek() <= '9') ++at_;
      return at_ - start;
    };
    if (Peek() == '-') ++at_;
    if (Peek() == '0') {
      ++at_;
    } else if (digits() == 0) {
      return Fail("数字格式不对");
    }
    if (Peek() == '.') {
      ++at_;
      if (digits() == 0) return Fail("数字格式不对");
    }
    if (Peek() == 'e' || Peek() == 'E') {
      ++at_;
      if (Peek() == '+' || Peek() == '-') ++at_;
      if (digits() == 0) return Fail("数字格式不对");
    }
    double v = 0;
    const auto [end, ec] = std::from_chars(text_.data() + from, text_.data() + at_, v);
    if (ec != std::errc() || end != text_.data() + at_ || !std::isfinite(v)) {
      at_ = from;
      return Fail("数字超出范围");
    }
    return {v};
  }

  bool Hex4(unsigned& code) {
    code = 0;
    for (int i = 0; i < 4; ++i) {
      const char h = Peek();
      unsigned d;
      if (h >= '0' && h <= '9') d = h - '0';
      else if (h >= 'a' && h <= 'f') d = h - 'a' + 10;
      else if (h >= 'A' && h <= 'F') d = h - 'A' + 10;
      else return false;
      code = code * 16 + d;
      ++at_;
    }
    return true;
  }

  // A string literal; the text must be valid UTF-8.
  bool StringLiteral(std::string& out) {
    ++at_;  // "
    for (;;) {
      if (AtEnd()) {
        Fail("字符串没有结束");
        return false;
      }
      const unsigned char c = static_cast<unsigned char>(text_[at_]);
      if (c == '"') {
        ++at_;
        return true;
      }
      if (c < 0x20) {
        Fail("字符串中有控制字符");
        return false;
      }
      if (c == '\\') {
        ++at_;
        const char e = Peek();
        ++at_;
        switch (e) {
          case '"': out += '"'; break;
          case '\\': out += '\\'; break;
          case '/': out += '/'; break;
          case 'b': out += '\b'; break;
          case 'f': out += '\f'; break;
          case 'n': out += '\n'; break;
          case 'r': out += '\r'; break;
          case 't': out += '\t'; break;
          case 'u': {
            unsigned code;
            if (!Hex4(code)) {
              Fail("\\u 之后应为四位十六进制数");
              return false;
            }
            if (code >= 0xD800 && code <= 0xDBFF) {
              unsigned low;
              if (!Literal("\\u") || !Hex4(low) || low < 0xDC00 || low > 0xDFFF) {
                Fail("代理对不完整");
                return false;
              }
              code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
            } else if (code >= 0xDC00 && code <= 0xDFFF) {
              Fail("代理对不完整");
              return false;
            }
            out += Utf8(code);
            break;
          }
          default:
            at_ -= 1;
            Fail("无效的转义字符");
            return false;
        }
        continue;
      }
      // One UTF-8 sequence, checked.
      const int length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
      if (length == 0 || at_ + length > text_.size()) {
        Fail("不是有效的 UTF-8 文本");
        return false;
      }
      for (int i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text_[at_ + i]) >> 6) != 0x2) {
          Fail("不是有效的 UTF-8 文本");
          return false;
        }
      }
      out.append(text_, at_, length);
      at_ += length;
    }
  }

  const std::string& text_;
  std::size_t at_ = 0;
  std::optional<JsonError> error_;
};

}  // namespace

std::variant<JsonValue, JsonError> ParseJson(const std::string& text) { return Parser(text).Whole(); }

std::string JsonQuoted(const std::string& text) {
  std::string out = "\"";
  for (const char ch : text) {
    const unsigned char c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          const char* hex = "0123456789abcdef";
          out += "\\u00";
          out += hex[c >> 4];
          out += hex[c & 0xF];
        } else {
          out += ch;
        }
    }
  }
  return out + "\"";
}

}  // namespace capset
