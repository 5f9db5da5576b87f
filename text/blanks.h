#pragma once
// What counts as a blank in what the user types: ASCII white space and the
// Unicode spaces that a keyboard or a paste brings, the ideographic space
// U+3000 of a Chinese input method among them. An answer, a field of the
// batch dialog and a line of its station list all go by this one rule.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

// The words of `text`, in order: what stands between blanks. The one word
// splitter of every reader (script lines, road lines, measured points).
std::vector<std::string> Words(std::string_view text);

// The first word of `text` and the rest after the blanks that end it, the
// rest without blanks at its end: " @export  csv a b " gives "@export" and
// "csv a b". Both empty for a blank text.
std::pair<std::string, std::string> FirstWord(std::string_view text);

}  // namespace capset
