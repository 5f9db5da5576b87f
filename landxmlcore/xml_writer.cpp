#include "xml_writer.h"

#include "xml_chars.h"

namespace capset::xml {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kByteOrderMark = 0xFEFF;

// The character that begins at `at` and how many bytes it takes; a byte that
// begins no well-formed character (a stray continuation, a sequence cut
// short, an overlong form, a surrogate, beyond U+10FFFF) is U+FFFD alone, so
// the bytes after it are read afresh.
std::pair<char32_t, std::size_t> NextCharacter(std::string_view text, std::size_t at) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned lead = byte(at);
  if (lead < 0x80) return {lead, 1};
  std::size_t length = 0;
  char32_t c = 0, least = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, c = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, c = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, c = lead & 0x07, least = 0x10000;
  } else {
    return {kReplacement, 1};
  }
  if (at + length > text.size()) return {kReplacement, 1};
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return {kReplacement, 1};
    c = (c << 6) | (byte(at + i) & 0x3F);
  }
  if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return {kReplacement, 1};
  return {c, length};
}

}  // namespace

std::string Escaped(std::string_view text, bool inAttribute) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const auto [c, length] = NextCharacter(text, at);
    const bool first = at == 0;
    at += length;
    switch (c) {
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '&': out += "&amp;"; break;
      case '"': out += "&quot;"; break;
      case '\t': out += inAttribute ? "&#9;" : "\t"; break;
      case '\n': out += inAttribute ? "&#10;" : "\n"; break;
      case '\r': out += inAttribute ? "&#13;" : "\r"; break;
      default:
        if (first && c == kByteOrderMark) break;
        if (IsXmlChar(c)) AppendUtf8(out, c);
        break;
    }
  }
  return out;
}

Writer::Writer() : out_("<?xml version=\"1.0\" encoding=\"UTF-8\"?>") {}

void Writer::NewLine() {
  out_ += '\n';
  out_.append(open_.size(), ' ');
}

void Writer::CloseStartTag(Holds content) {
  if (inStartTag_) out_ += '>';
  inStartTag_ = false;
  holds_ = content;
}

void Writer::Start(std::string_view name) {
  CloseStartTag(Holds::kElements);
  NewLine();
  out_ += '<';
  out_ += name;
  open_.emplace_back(name);
  inStartTag_ = true;
  holds_ = Holds::kNothing;
}

void Writer::Attribute(std::string_view name, std::string_view value) {
  out_ += ' ';
  out_ += name;
  out_ += "=\"";
  out_ += Escaped(value, true);
  out_ += '"';
}

void Writer::Text(std::string_view text) {
  CloseStartTag(Holds::kText);
  out_ += Escaped(text, false);
}

void Writer::End() {
  const std::string name = std::move(open_.back());
  open_.pop_back();
  if (holds_ == Holds::kNothing) {
    out_ += "/>";
  } else {
    if (holds_ == Holds::kElements) NewLine();
    out_ += "</" + name + ">";
  }
  inStartTag_ = false;
  // The element around it now holds an element.
  holds_ = Holds::kElements;
}

void Writer::TextElement(std::string_view name, std::string_view text) {
  Start(name);
  Text(text);
  End();
}

std::string Writer::Finish() {
  while (!open_.empty()) End();
  out_ += '\n';
  return std::move(out_);
}

}  // namespace capset::xml
