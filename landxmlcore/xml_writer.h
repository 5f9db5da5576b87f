#pragma once
// A small XML writer for the files this program writes: elements opened and
// closed in order, attributes, and text (an element holds text or
// elements, never both: no file of ours mixes them). Each element begins on a line of
// its own, indented one blank for each element it lies in; an element with
// only text keeps it on its line, one with children closes on a line of its
// own, and one with nothing inside is written "<name/>". The file is UTF-8
// with its declaration first and ends in a line feed.
//
// Texts come as UTF-8. Whatever XML cannot hold is left out rather than
// written into a file no reader would take: a byte that begins no UTF-8
// character becomes U+FFFD, a byte order mark at a text's start is
// dropped, and characters XML does not allow (controls other than tab, line
// feed and carriage return; U+FFFE, U+FFFF) are dropped. In an attribute,
// tab, line feed and carriage return are written as references, so a
// reader gets them back instead of blanks.

#include <string>
#include <string_view>
#include <vector>

namespace capset::xml {

class Writer {
 public:
  Writer();
  // Opens an element; its attributes follow.
  void Start(std::string_view name);
  // An attribute of the element opened last, before anything inside it.
  void Attribute(std::string_view name, std::string_view value);
  void Text(std::string_view text);
  // Closes the element opened last.
  void End();
  // An element with its text alone.
  void TextElement(std::string_view name, std::string_view text);
  // Closes what is still open and gives the document.
  std::string Finish();

 private:
  // What the element opened last holds so far.
  enum class Holds { kNothing, kText, kElements };
  // Ends the element's start tag, if it is still open, before its content.
  void CloseStartTag(Holds content);
  void NewLine();

  std::string out_;
  std::vector<std::string> open_;
  Holds holds_ = Holds::kElements;  // the document holds its declaration
  bool inStartTag_ = false;
};

// The text as XML writes it, by the rules above.
std::string Escaped(std::string_view text, bool inAttribute);

}  // namespace capset::xml
