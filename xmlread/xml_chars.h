#pragma once
// The characters of XML 1.0 (fifth edition): which a document may hold,
// which may start or continue a name.

#include <string>

namespace capset::xml {

bool IsXmlChar(char32_t c);
bool IsNameStart(char32_t c);
bool IsNameChar(char32_t c);
// XML's blanks: space, tab, line feed, carriage return.
inline bool IsXmlSpace(char32_t c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
void AppendUtf8(std::string& out, char32_t c);
// "U+00A0": a character named for a message.
std::string CodeName(char32_t c);

}  // namespace capset::xml
