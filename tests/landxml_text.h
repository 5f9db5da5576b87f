#pragma once
// A LandXML file's text read as the reader reads a file, for the tests that
// write their files in place.

#include <QBuffer>
#include <QByteArray>
#include <string>
#include <variant>

#include "landxml_read.h"

namespace capset::testing {

inline std::variant<LandXmlFile, LandXmlProblem> ReadText(const std::string& text) {
  QByteArray bytes = QByteArray::fromStdString(text);
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  return ReadLandXml(buffer);
}

}  // namespace capset::testing
