#pragma once
// What counts as a blank in what the user types: ASCII white space and the
// Unicode spaces that a keyboard or a paste brings, the ideographic space
// U+3000 of a Chinese input method among them. An answer, a field of the
// batch dialog and a line of its station list all go by this one rule.

#include <cstddef>
#include <string>
#include <string_view>

namespace capset {

// The length in bytes of the blank that `text` starts with; 0 when none.
std::size_t BlankAt(std::string_view text);

// The text without the blanks around it.
std::string_view TrimBlanks(std::string_view text);

// True when the text is nothing but blanks (or nothing at all).
bool IsBlank(std::string_view text);

// The text with every blank written as one ASCII space: "3#\u3000K1+020"
// becomes "3# K1+020".
std::string BlanksAsSpaces(std::string_view text);

}  // namespace capset
