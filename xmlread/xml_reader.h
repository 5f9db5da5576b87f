#pragma once
// A pull reader of XML documents in UTF-8, one token at a time, over a
// source read in chunks: memory holds the token being read and one chunk,
// whatever the document's size, and the tokens are the same wherever the
// chunks are cut.
//
// It takes what road files need and refuses the rest where it stands: a
// document type declaration (so no entity is ever declared, expanded or
// fetched), any entity but the five of XML, an encoding other than UTF-8
// unless the caller brings a transcoder for it, markup that is not
// well-formed (each refusal with its line), a token longer than
// `longestToken` bytes and elements nested deeper than `deepest`.
//
// Line ends are read as XML reads them (CR LF and a lone CR are LF); a
// blank in an attribute's value is a space. Whitespace outside the root
// element is passed over; the XML declaration is no token.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "xml_error.h"
#include "xml_source.h"

namespace capset::xml {

enum class Token {
  kNone,  // nothing read yet
  kStartElement,
  kEndElement,
  kCharacters,
  kComment,
  kProcessingInstruction,
  kEndDocument,
  kError,
};

struct Attribute {
  std::string name;  // as written, prefix and all
  std::string value;
  bool operator==(const Attribute&) const = default;
};

struct ReaderOptions {
  long long longestToken = 16LL << 20;
  int deepest = 256;
  std::size_t chunk = 1 << 16;
  // A transcoder for an encoding the declaration names, or nullptr to refuse it.
  std::function<std::unique_ptr<Transcoder>(const std::string& encoding)> transcoder = {};
};

class Reader {
 public:
  explicit Reader(ByteSource& source, ReaderOptions options = {});
  ~Reader();

  // The next token; after an error or the document's end, that again.
  Token ReadNext();
  // Reads on to the next start tag inside the current element: true there,
  // false at an end tag, the document's end or an error.
  bool ReadNextStartElement();
  // Reads past the end of the element whose start tag was just read.
  void SkipCurrentElement();
  // The text of the element whose start tag was just read, up to its end
  // tag: character data and CDATA, comments and child elements left out.
  std::string ReadElementText();

  Token token() const { return token_; }
  bool AtEnd() const { return token_ == Token::kEndDocument || token_ == Token::kError; }
  bool HasError() const { return token_ == Token::kError; }
  const XmlError& error() const { return error_; }
  bool IsStartElement() const { return token_ == Token::kStartElement; }
  bool IsEndElement() const { return token_ == Token::kEndElement; }

  // The element's name without its namespace prefix, as a road file's
  // rules name elements; QualifiedName() as written.
  std::string_view Name() const;
  const std::string& QualifiedName() const { return name_; }
  const std::vector<Attribute>& Attributes() const { return attributes_; }
  // The value of the attribute named `name` as written, when there is one.
  std::optional<std::string_view> AttributeValue(std::string_view name) const;
  // Character data, a comment's text, a processing instruction's data.
  const std::string& Text() const { return text_; }
  // A processing instruction's target.
  const std::string& Target() const { return name_; }
  bool IsCdata() const { return cdata_; }
  // The line the current token starts on (of an error: where it was found), from 1.
  long long LineNumber() const { return token_ == Token::kError ? error_.line : tokenLine_; }
  int Depth() const { return static_cast<int>(open_.size()); }

 private:
  struct Stop {};  // unwinds a token's reading to ReadNext once error_ is set

  Token Parse();
  void Begin();
  bool Fill();
  char32_t Decode();
  char32_t Peek();
  char32_t Take();
  char32_t Need();  // Take, the end of input being a cut-short document
  void Expect(char32_t c, const char* what);
  void ExpectWord(std::string_view word);
  bool SkipSpaces();
  std::string ReadName(char32_t first);
  void ReadReference(std::string& into);
  Token ReadStartTag(char32_t first);
  Token ReadEndTag();
  Token ReadComment();
  Token ReadCdata();
  Token ReadProcessingInstruction();
  [[noreturn]] void ReadDocumentType();
  void ReadDeclaration();
  Token ReadText();
  void TakePlainRun();
  [[noreturn]] void Fail(XmlFault fault, std::string name = {}, std::string expected = {});
  void Push();
  bool IsRepeated(const std::string& name);

  ByteSource& source_;
  ReaderOptions options_;
  std::unique_ptr<Transcoder> transcoder_;
  std::string buffer_;  // bytes read and not yet decoded, from pos_
  std::size_t pos_ = 0;
  std::string chunk_;
  bool sourceEnded_ = false;
  char32_t current_ = 0;
  bool haveCurrent_ = false;
  long long line_ = 1;
  long long tokenLine_ = 1;
  long long tokenBytes_ = 0;
  bool begun_ = false;

  Token token_ = Token::kNone;
  XmlError error_;
  std::string name_;
  std::string text_;
  std::vector<Attribute> attributes_;
  std::unordered_set<std::string> names_;  // of attributes_, once there are many
  bool cdata_ = false;
  std::vector<std::string> open_;
  bool pendingEnd_ = false;  // an empty-element tag's end, still to come
  bool rootSeen_ = false;
  bool rootEnded_ = false;
};

}  // namespace capset::xml
