// The reader decodes one code point ahead (current_) from a buffer that
// holds at most one chunk and the few bytes of a character cut between two
// chunks; each token is copied out as it is read, so nothing points into
// the buffer and the buffer may move at every refill. A fault anywhere in a
// token sets error_ and unwinds to ReadNext (Stop), which makes the error
// the token from then on.

#include "xml_reader.h"

#include <algorithm>
#include <cstdint>

#include "xml_chars.h"

namespace capset::xml {
namespace {

constexpr char32_t kEnd = 0xFFFFFFFF;  // no more input

std::string Shown(char32_t c) {
  std::string text;
  if (c != kEnd) AppendUtf8(text, c);
  return text;
}

bool SameLetters(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

// UTF-8 itself, or ASCII, which is UTF-8 too.
bool ReadAsUtf8(const std::string& encoding) {
  for (const char* name : {"UTF-8", "UTF8", "US-ASCII", "ASCII"}) {
    if (SameLetters(encoding, name)) return true;
  }
  return false;
}

int DigitValue(char32_t c, bool hex) {
  if (c >= '0' && c <= '9') return static_cast<int>(c - '0');
  if (hex && c >= 'a' && c <= 'f') return static_cast<int>(c - 'a' + 10);
  if (hex && c >= 'A' && c <= 'F') return static_cast<int>(c - 'A' + 10);
  return -1;
}

int Utf8Length(char32_t c) { return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4; }

}  // namespace

Reader::Reader(ByteSource& source, ReaderOptions options) : source_(source), options_(std::move(options)) {
  if (options_.chunk == 0) options_.chunk = 1;
}

Reader::~Reader() = default;

void Reader::Fail(XmlFault fault, std::string name, std::string expected) {
  error_ = XmlError{fault, line_, std::move(name), std::move(expected)};
  if (fault == XmlFault::kTooLong) error_.limit = options_.longestToken;
  if (fault == XmlFault::kTooDeep) error_.limit = options_.deepest;
  throw Stop{};
}

bool Reader::Fill() {
  if (pos_ > 0) {
    buffer_.erase(0, pos_);
    pos_ = 0;
  }
  const std::size_t before = buffer_.size();
  while (buffer_.size() == before && !sourceEnded_) {
    chunk_.resize(options_.chunk);
    const long long n = source_.Read(chunk_.data(), chunk_.size());
    if (n < 0) Fail(XmlFault::kUnreadable);
    if (n == 0) sourceEnded_ = true;
    const std::string_view got(chunk_.data(), static_cast<std::size_t>(n));
    if (!transcoder_) buffer_.append(got);
    else if (!transcoder_->Feed(got, sourceEnded_, buffer_)) Fail(XmlFault::kBadBytes);
  }
  return buffer_.size() > before;
}

char32_t Reader::Decode() {
  if (pos_ >= buffer_.size() && !Fill()) return kEnd;
  const auto lead = static_cast<unsigned char>(buffer_[pos_]);
  if (lead < 0x80) {
    ++pos_;
    if (lead == '\r') {
      if ((pos_ < buffer_.size() || Fill()) && buffer_[pos_] == '\n') ++pos_;
      return '\n';
    }
    if (lead < 0x20 && lead != '\t' && lead != '\n') Fail(XmlFault::kBadCharacter, CodeName(lead));
    return lead;
  }
  const std::size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (n == 0 || lead > 0xF4) Fail(XmlFault::kBadBytes);
  while (buffer_.size() - pos_ < n) {
    if (!Fill()) Fail(XmlFault::kBadBytes);  // the input ends inside a character
  }
  char32_t c = lead & (0xFFu >> (n + 1));
  for (std::size_t i = 1; i < n; ++i) {
    const auto trail = static_cast<unsigned char>(buffer_[pos_ + i]);
    if ((trail & 0xC0) != 0x80) Fail(XmlFault::kBadBytes);
    c = (c << 6) | (trail & 0x3F);
  }
  // Overlong forms, surrogates and what lies past U+10FFFF are not UTF-8.
  if ((n == 3 && c < 0x800) || (n == 4 && (c < 0x10000 || c > 0x10FFFF)) || (c >= 0xD800 && c <= 0xDFFF)) {
    Fail(XmlFault::kBadBytes);
  }
  pos_ += n;
  if (!IsXmlChar(c)) Fail(XmlFault::kBadCharacter, CodeName(c));
  return c;
}

char32_t Reader::Peek() {
  if (!haveCurrent_) {
    current_ = Decode();
    haveCurrent_ = true;
  }
  return current_;
}

char32_t Reader::Take() {
  const char32_t c = Peek();
  if (c == kEnd) return c;
  haveCurrent_ = false;
  if (c == '\n') ++line_;
  tokenBytes_ += Utf8Length(c);
  if (tokenBytes_ > options_.longestToken) Fail(XmlFault::kTooLong);
  return c;
}

char32_t Reader::Need() {
  const char32_t c = Take();
  if (c == kEnd) Fail(XmlFault::kCutShort);
  return c;
}

void Reader::Expect(char32_t c, const char* what) {
  const char32_t got = Need();
  if (got != c) Fail(XmlFault::kSyntax, Shown(got), what);
}

void Reader::ExpectWord(std::string_view word) {
  for (const char c : word) Expect(static_cast<char32_t>(c), std::string(word).c_str());
}

bool Reader::SkipSpaces() {
  bool any = false;
  while (IsXmlSpace(Peek())) {
    Take();
    any = true;
  }
  return any;
}

std::string Reader::ReadName(char32_t first) {
  if (!IsNameStart(first)) Fail(XmlFault::kBadName, Shown(first));
  std::string name;
  AppendUtf8(name, first);
  while (IsNameChar(Peek())) AppendUtf8(name, Take());
  return name;
}

// After "&": one of the five entities of XML, or a character by its number.
void Reader::ReadReference(std::string& into) {
  char32_t c = Need();
  if (c == '#') {
    std::string written = "&#";
    c = Need();
    const bool hex = c == 'x';
    if (hex) {
      written += 'x';
      c = Need();
    }
    std::uint32_t value = 0;
    int digits = 0;
    for (; c != ';'; c = Need(), ++digits) {
      const int digit = DigitValue(c, hex);
      written += Shown(c);
      if (digit < 0) Fail(XmlFault::kBadCharReference, written);
      // Held at one past U+10FFFF once beyond it, however many digits follow.
      value = std::min<std::uint32_t>(value * (hex ? 16 : 10) + static_cast<unsigned>(digit), 0x110000);
    }
    written += ';';
    if (digits == 0 || value > 0x10FFFF || !IsXmlChar(static_cast<char32_t>(value))) {
      Fail(XmlFault::kBadCharReference, written);
    }
    AppendUtf8(into, static_cast<char32_t>(value));
    return;
  }
  // A lone "&" (as in "A&B"): the ampersand itself is what is wrong.
  if (!IsNameStart(c)) Fail(XmlFault::kSyntax, "&", "&amp;");
  const std::string name = ReadName(c);
  if (Need() != ';') Fail(XmlFault::kSyntax, "&", "&amp;");
  if (name == "lt") into += '<';
  else if (name == "gt") into += '>';
  else if (name == "amp") into += '&';
  else if (name == "apos") into += '\'';
  else if (name == "quot") into += '"';
  else Fail(XmlFault::kUndeclaredEntity, name);
}

// A tag's few attributes are compared one by one; past a few dozen (a
// hostile tag may hold a million) they are looked up in a set, so a tag
// costs its length, not its length squared.
bool Reader::IsRepeated(const std::string& name) {
  constexpr std::size_t kCompared = 32;
  if (attributes_.size() < kCompared) {
    return std::any_of(attributes_.begin(), attributes_.end(), [&name](const Attribute& a) { return a.name == name; });
  }
  if (names_.empty()) {
    for (const Attribute& a : attributes_) names_.insert(a.name);
  }
  return !names_.insert(name).second;
}

void Reader::Push() {
  if (static_cast<int>(open_.size()) >= options_.deepest) Fail(XmlFault::kTooDeep);
  open_.push_back(name_);
  rootSeen_ = true;
}

Token Reader::ReadStartTag(char32_t first) {
  if (rootEnded_) Fail(XmlFault::kAfterRoot);
  name_ = ReadName(first);
  for (;;) {
    const bool spaced = SkipSpaces();
    const char32_t c = Need();
    if (c == '>') break;
    if (c == '/') {
      Expect('>', "/>");
      pendingEnd_ = true;
      break;
    }
    if (!spaced) Fail(XmlFault::kSyntax, Shown(c), " ");
    Attribute attribute{ReadName(c), {}};
    SkipSpaces();
    Expect('=', "=");
    SkipSpaces();
    const char32_t quote = Need();
    if (quote != '"' && quote != '\'') Fail(XmlFault::kSyntax, Shown(quote), "\"");
    for (char32_t v = Need(); v != quote; v = Need()) {
      if (v == '<') Fail(XmlFault::kSyntax, "<", "&lt;");
      if (v == '&') ReadReference(attribute.value);
      else AppendUtf8(attribute.value, IsXmlSpace(v) ? U' ' : v);  // a blank of the value is a space
    }
    if (IsRepeated(attribute.name)) Fail(XmlFault::kDuplicateAttribute, attribute.name);
    attributes_.push_back(std::move(attribute));
  }
  Push();
  return Token::kStartElement;
}

Token Reader::ReadEndTag() {
  name_ = ReadName(Need());
  SkipSpaces();
  Expect('>', ">");
  if (open_.empty()) Fail(XmlFault::kMismatchedTag, name_);
  if (open_.back() != name_) Fail(XmlFault::kMismatchedTag, name_, open_.back());
  open_.pop_back();
  if (open_.empty()) rootEnded_ = true;
  return Token::kEndElement;
}

Token Reader::ReadComment() {
  for (;;) {
    const char32_t c = Need();
    if (c == '-' && Peek() == '-') {
      Take();
      Expect('>', "-->");  // "--" ends a comment and may stand nowhere else in it
      return Token::kComment;
    }
    AppendUtf8(text_, c);
  }
}

Token Reader::ReadCdata() {
  cdata_ = true;
  for (;;) {
    const char32_t c = Need();
    if (c == '>' && text_.size() >= 2 && text_.compare(text_.size() - 2, 2, "]]") == 0) {
      text_.resize(text_.size() - 2);
      return Token::kCharacters;
    }
    AppendUtf8(text_, c);
  }
}

Token Reader::ReadProcessingInstruction() {
  name_ = ReadName(Need());
  if (SameLetters(name_, "xml")) Fail(XmlFault::kSyntax, "<?xml", "");  // a declaration after the start
  if (Peek() == '?') {
    Take();
    Expect('>', "?>");
    return Token::kProcessingInstruction;
  }
  if (!SkipSpaces()) Fail(XmlFault::kSyntax, Shown(Need()), " ");
  for (;;) {
    const char32_t c = Need();
    if (c == '?' && Peek() == '>') {
      Take();
      return Token::kProcessingInstruction;
    }
    AppendUtf8(text_, c);
  }
}

// Read to its end only to say whether it declares entities; nothing of it
// is kept, and whatever goes wrong inside it, it is the refusal.
void Reader::ReadDocumentType() {
  bool entities = false;
  try {
    std::string tail;  // the last characters outside quotes and comments
    char32_t quote = 0;
    bool comment = false;
    int brackets = 0;
    for (char32_t c = Take(); c != kEnd; c = Take()) {
      if (quote) {
        if (c == quote) quote = 0;
        continue;
      }
      tail += Shown(c);
      if (tail.size() > 8) tail.erase(0, tail.size() - 8);
      if (comment) {
        if (tail.ends_with("-->")) comment = false;
        continue;
      }
      if (tail.ends_with("<!--")) comment = true;
      else if (tail.ends_with("<!ENTITY")) entities = true;
      else if (c == '"' || c == '\'') quote = c;
      else if (c == '[') ++brackets;
      else if (c == ']') --brackets;
      else if (c == '>' && brackets <= 0) break;
    }
  } catch (const Stop&) {
  }
  error_ = XmlError{XmlFault::kDocumentType, tokenLine_};
  error_.entities = entities;
  throw Stop{};
}

// Plain ASCII text (no markup, no reference, no line end to normalise) is
// copied from the buffer as it stands: terrain files are mostly such runs.
// A run that would pass the token limit is left to the character-wise
// reading, which stops at the very character, so the refusal is the same.
void Reader::TakePlainRun() {
  if (haveCurrent_) return;
  std::size_t end = pos_;
  long long lines = 0;
  for (; end < buffer_.size(); ++end) {
    const auto b = static_cast<unsigned char>(buffer_[end]);
    if (b >= 0x80 || b == '<' || b == '&' || b == '>' || b == ']' || b == '\r' || (b < 0x20 && b != '\t' && b != '\n')) break;
    lines += b == '\n';
  }
  const auto n = static_cast<long long>(end - pos_);
  if (tokenBytes_ + n > options_.longestToken) return;
  text_.append(buffer_, pos_, end - pos_);
  tokenBytes_ += n;
  line_ += lines;
  pos_ = end;
}

Token Reader::ReadText() {
  int brackets = 0;  // "]" just before, written as such
  for (;;) {
    TakePlainRun();
    if (!text_.empty() && text_.back() != ']') brackets = 0;
    const char32_t c = Peek();
    if (c == kEnd || c == '<') return Token::kCharacters;
    Take();
    if (c == '&') {
      ReadReference(text_);
      brackets = 0;
      continue;
    }
    if (c == '>' && brackets >= 2) Fail(XmlFault::kSyntax, "]]>", "]]&gt;");
    brackets = c == ']' ? brackets + 1 : 0;
    AppendUtf8(text_, c);
  }
}

// <?xml version="1.0" encoding="…" standalone="…"?>, at the very start.
void Reader::ReadDeclaration() {
  std::string version, encoding;
  int order = 0;
  for (;;) {
    const bool spaced = SkipSpaces();
    if (Peek() == '?') {
      Take();
      Expect('>', "?>");
      break;
    }
    if (!spaced) Fail(XmlFault::kSyntax, Shown(Need()), " ");
    const std::string name = ReadName(Need());
    SkipSpaces();
    Expect('=', "=");
    SkipSpaces();
    const char32_t quote = Need();
    if (quote != '"' && quote != '\'') Fail(XmlFault::kSyntax, Shown(quote), "\"");
    std::string value;
    for (char32_t v = Need(); v != quote; v = Need()) AppendUtf8(value, v);
    const int place = name == "version" ? 1 : name == "encoding" ? 2 : name == "standalone" ? 3 : 0;
    if (place <= order || (order == 0 && place != 1)) Fail(XmlFault::kSyntax, name, order == 0 ? "version" : "?>");
    order = place;
    if (place == 1) version = value;
    if (place == 2) encoding = value;
    if (place == 3 && value != "yes" && value != "no") Fail(XmlFault::kSyntax, value, "yes");
  }
  if (order == 0) Fail(XmlFault::kSyntax, "?>", "version");
  const bool versionOne = version.size() > 2 && version.starts_with("1.") &&
                          std::all_of(version.begin() + 2, version.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (!versionOne) Fail(XmlFault::kSyntax, version, "1.0");
  if (encoding.empty() || ReadAsUtf8(encoding)) return;
  transcoder_ = options_.transcoder ? options_.transcoder(encoding) : nullptr;
  if (!transcoder_) Fail(XmlFault::kEncoding, encoding);
  // What was read past the declaration is in that encoding too.
  const std::string rest = buffer_.substr(pos_);
  buffer_.clear();
  pos_ = 0;
  if (!transcoder_->Feed(rest, sourceEnded_, buffer_)) Fail(XmlFault::kBadBytes);
}

void Reader::Begin() {
  begun_ = true;
  while (buffer_.size() - pos_ < 6 && Fill()) {
  }
  const std::string_view head = std::string_view(buffer_).substr(pos_);
  auto at = [&head](std::size_t i) { return i < head.size() ? static_cast<unsigned char>(head[i]) : 0x100u; };
  // A byte order mark of UTF-16, or "<" beside a zero byte: UTF-16 (or UTF-32).
  if ((at(0) == 0xFE && at(1) == 0xFF) || (at(0) == 0xFF && at(1) == 0xFE) || (at(0) == 0 && at(1) == '<') ||
      (at(0) == '<' && at(1) == 0) || (at(0) == 0 && at(1) == 0)) {
    Fail(XmlFault::kEncoding, "UTF-16");
  }
  if (at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF) pos_ += 3;  // UTF-8's own mark
  const std::string_view rest = std::string_view(buffer_).substr(pos_);
  if (rest.starts_with("<?xml") && rest.size() > 5 && (IsXmlSpace(static_cast<char32_t>(rest[5])) || rest[5] == '?')) {
    pos_ += 5;
    tokenBytes_ = 0;
    ReadDeclaration();
  }
}

Token Reader::Parse() {
  name_.clear();
  text_.clear();
  attributes_.clear();
  names_.clear();
  cdata_ = false;
  if (pendingEnd_) {
    pendingEnd_ = false;
    name_ = open_.back();
    open_.pop_back();
    if (open_.empty()) rootEnded_ = true;
    return Token::kEndElement;
  }
  if (!begun_) Begin();
  for (;;) {
    tokenLine_ = line_;
    tokenBytes_ = 0;
    const char32_t c = Peek();
    if (c == kEnd) {
      if (!open_.empty() || !rootSeen_) Fail(XmlFault::kCutShort);
      return Token::kEndDocument;
    }
    if (c != '<') {
      if (!open_.empty()) return ReadText();
      while (IsXmlSpace(Peek())) {  // blanks between the prolog's parts and after the root
        Take();
        tokenBytes_ = 0;
      }
      if (Peek() != kEnd && Peek() != '<') Fail(rootEnded_ ? XmlFault::kAfterRoot : XmlFault::kTextOutsideRoot);
      continue;
    }
    Take();
    const char32_t next = Need();
    if (next == '/') return ReadEndTag();
    if (next == '?') return ReadProcessingInstruction();
    if (next != '!') return ReadStartTag(next);
    const char32_t kind = Need();
    if (kind == '-') {
      Expect('-', "<!--");
      return ReadComment();
    }
    if (kind == '[') {
      ExpectWord("CDATA[");
      if (open_.empty()) Fail(rootEnded_ ? XmlFault::kAfterRoot : XmlFault::kTextOutsideRoot);
      return ReadCdata();
    }
    if (kind == 'D') {
      ExpectWord("OCTYPE");
      ReadDocumentType();
    }
    Fail(XmlFault::kSyntax, "<!" + Shown(kind), "<!--");
  }
}

Token Reader::ReadNext() {
  if (AtEnd()) return token_;
  try {
    token_ = Parse();
  } catch (const Stop&) {
    token_ = Token::kError;
  }
  return token_;
}

bool Reader::ReadNextStartElement() {
  for (;;) {
    const Token t = ReadNext();
    if (t == Token::kStartElement) return true;
    if (t == Token::kEndElement || AtEnd()) return false;
  }
}

void Reader::SkipCurrentElement() {
  for (int depth = 1; depth > 0 && !AtEnd();) {
    const Token t = ReadNext();
    if (t == Token::kEndElement) --depth;
    else if (t == Token::kStartElement) ++depth;
  }
}

std::string Reader::ReadElementText() {
  std::string text;
  for (;;) {
    const Token t = ReadNext();
    if (t == Token::kEndElement || AtEnd()) return text;
    if (t == Token::kStartElement) SkipCurrentElement();
    if (t != Token::kCharacters) continue;
    text += text_;
    if (static_cast<long long>(text.size()) > options_.longestToken) {
      try {
        Fail(XmlFault::kTooLong);
      } catch (const Stop&) {
        token_ = Token::kError;
      }
      return text;
    }
  }
}

std::string_view Reader::Name() const {
  const std::string_view name(name_);
  const std::size_t colon = name.rfind(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

std::optional<std::string_view> Reader::AttributeValue(std::string_view name) const {
  for (const Attribute& a : attributes_) {
    if (a.name == name) return std::string_view(a.value);
  }
  return std::nullopt;
}

}  // namespace capset::xml
