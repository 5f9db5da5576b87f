#pragma once
// Why the XML reader stopped, as data: the fault, its line and what the
// sentence that tells the user (texts/xml_texts.h) needs to name.

#include <string>

namespace capset::xml {

enum class XmlFault {
  kNone,
  kCutShort,            // the input ends inside the document (or holds no element at all)
  kDocumentType,        // a document type declaration: `entities` says whether it declares any
  kUndeclaredEntity,    // a reference to an entity other than the five of XML: `name`
  kBadCharReference,    // a character reference to no character XML allows: `name` as written
  kEncoding,            // an encoding other than UTF-8 (`name`: as declared, or UTF-16 from its byte order mark)
  kBadBytes,            // bytes that are not UTF-8 (or not of the declared encoding)
  kBadCharacter,        // a character XML does not allow, such as a control character: `name` its code, U+XXXX
  kMismatchedTag,       // an end tag `name` where `expected` is open (`expected` empty: none is)
  kBadName,             // a name that does not start as an XML name may: `name` the character
  kDuplicateAttribute,  // an attribute given twice in one tag: `name`
  kAfterRoot,           // an element or text after the root element has ended
  kTextOutsideRoot,     // text (other than blanks) before the root element
  kSyntax,              // markup that is not XML: `expected` says what was expected, `name` what was found
  kTooLong,             // one token (a text, a tag, a comment) longer than the reader holds: `limit` bytes
  kTooDeep,             // elements nested deeper than the reader follows: `limit`
  kUnreadable,          // the source failed while it was read
};

struct XmlError {
  XmlFault fault = XmlFault::kNone;
  long long line = 0;      // from 1
  std::string name = {};
  std::string expected = {};
  long long limit = 0;
  bool entities = false;   // kDocumentType: it declares entities
};

}  // namespace capset::xml
