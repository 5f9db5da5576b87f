#pragma once
// A document as the list of what the XML reader makes of it, one line an
// event, so that two readings (two chunk sizes, two readers) compare as
// two lists. Text next to text (character data, CDATA) is one event, and
// nothing outside the root element but comments and processing
// instructions counts: two readers may cut and skip those differently
// without reading the document differently.

#include <string>
#include <string_view>
#include <vector>

#include "xml_reader.h"

namespace capset::testing {

inline std::string FaultLine(const xml::XmlError& e) {
  return "ERROR " + std::to_string(static_cast<int>(e.fault)) + " line " + std::to_string(e.line) + " " + e.name +
         (e.entities ? " entities" : "");
}

// Every event of `document` read `chunk` bytes at a time; the last line is
// END or the error with its line.
inline std::vector<std::string> XmlEvents(std::string_view document, std::size_t chunk, xml::ReaderOptions options = {}) {
  xml::TextSource source(document, chunk);
  options.chunk = chunk;
  xml::Reader reader(source, std::move(options));
  std::vector<std::string> events;
  bool text = false;
  for (;;) {
    const xml::Token token = reader.ReadNext();
    if (token == xml::Token::kCharacters) {
      if (reader.Depth() == 0) continue;
      if (!text) events.push_back("T ");
      events.back() += reader.Text();
      text = true;
      continue;
    }
    text = false;
    switch (token) {
      case xml::Token::kStartElement: {
        std::string line = "S " + reader.QualifiedName();
        for (const xml::Attribute& a : reader.Attributes()) line += " " + a.name + "=[" + a.value + "]";
        events.push_back(line + " @" + std::to_string(reader.LineNumber()));
        break;
      }
      case xml::Token::kEndElement: events.push_back("E " + reader.QualifiedName()); break;
      case xml::Token::kComment: events.push_back("C " + reader.Text()); break;
      case xml::Token::kProcessingInstruction: events.push_back("P " + reader.Target() + " [" + reader.Text() + "]"); break;
      case xml::Token::kEndDocument: events.push_back("END"); return events;
      case xml::Token::kError: events.push_back(FaultLine(reader.error())); return events;
      default: break;
    }
  }
}

}  // namespace capset::testing
