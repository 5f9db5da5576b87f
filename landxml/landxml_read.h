#pragma once
// LandXML files read from the toolkit's devices: the rules of a road file
// are landxmlcore/'s (landxml_file.h); here a device is handed to them a
// chunk at a time, and a file that declares another encoding than UTF-8
// (GB2312, GBK, as design offices in China often write them) is read
// through the toolkit's converter for it.

#include <QIODevice>
#include <QString>
#include <variant>

#include "landxml_file.h"

namespace capset {

std::variant<LandXmlFile, LandXmlProblem> ReadLandXml(QIODevice& device);
// Opens and reads the file at `path`.
std::variant<LandXmlFile, LandXmlProblem> ReadLandXmlFile(const QString& path);
// The toolkit's converters for the encodings it knows that keep ASCII as it is.
LandXmlTranscoders ToolkitTranscoders();

}  // namespace capset
