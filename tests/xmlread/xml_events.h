#pragma once
// A document as the list of what the XML reader makes of it, one line an
// event, so that two readings (two chunk sizes, two readers) compare as
// two lists. Text next to text (character data, CDATA) is one event, and
// nothing outside the root element but comments and processing
// instructions counts: two readers may cut and skip those differently
// without reading the document differently.

#include <random>
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

// Random documents built of every kind of token, half of them then broken
// by a few characters put in or taken out.
inline std::string RandomDocument(std::mt19937& random, bool broken) {
  auto pick = [&random](const auto& list) {
    return list[std::uniform_int_distribution<std::size_t>(0, std::size(list) - 1)(random)];
  };
  const char* const names[] = {"a", "Line", "路线", "x-1", "_y.z", "PVI", "Ä"};
  const char* const texts[] = {"10 20", "中文", "&amp;&lt;&gt;", "&#x4E2D;&#20013;", "\r\n", "\t", "😀", " ]] ",
                               "&apos;&quot;", "é", "x\ry"};
  const char* const values[] = {"1", "主线", "a&quot;b", "&#10;&#9;", "x\ty\nz", "INF", "", "&lt;&amp;", "'"};
  std::string document = pick(std::vector<std::string>{"", "<?xml version=\"1.0\"?>\n", "\xEF\xBB\xBF",
                                                        "<?xml version='1.0' encoding='UTF-8' standalone='yes'?>\r\n",
                                                        "<!-- first -->\n"});
  std::vector<std::string> open{"root"};
  document += "<root>";
  for (int elements = std::uniform_int_distribution<int>(1, 25)(random); elements > 0 || open.size() > 1;) {
    const int what = std::uniform_int_distribution<int>(0, 9)(random);
    if (what < 3 && elements > 0) {
      const std::string name = pick(names);
      document += "<" + name;
      if (random() % 2) document += std::string(" k=\"") + pick(values) + "\"";
      if (random() % 3 == 0) document += std::string("\n\tm = '") + (random() % 2 ? "\"" : "v") + "'";
      if (random() % 4 == 0) {
        document += random() % 2 ? "/>" : " />";
      } else {
        document += random() % 2 ? ">" : "\n>";
        open.push_back(name);
      }
      --elements;
    } else if (what < 5 && open.size() > 1) {
      document += "</" + open.back() + (random() % 4 ? ">" : " >");
      open.pop_back();
    } else if (what < 7) {
      document += pick(texts);
    } else if (what == 7) {
      document += std::string("<!--") + pick(texts) + "-->";
    } else if (what == 8) {
      document += std::string("<![CDATA[") + pick(texts) + "<&>]]>";
    } else {
      document += random() % 2 ? "<?pi data ?>" : "<?go?>";
    }
  }
  document += "</root>\n";
  if (random() % 3 == 0) document += "<?after the root?>\n";
  if (broken) {
    const char marks[] = "<>&;/=\"'!?-[]x#\x80";
    for (int cuts = std::uniform_int_distribution<int>(1, 3)(random); cuts > 0; --cuts) {
      const std::size_t at = std::uniform_int_distribution<std::size_t>(0, document.size() - 1)(random);
      if (random() % 2) {
        document.erase(at, 1);
      } else {
        document.insert(at, 1, marks[random() % (sizeof marks - 1)]);
      }
    }
  }
  return document;
}

}  // namespace capset::testing
